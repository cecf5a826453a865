#!/usr/bin/env bash
# Builds the Debian package from the build and checks it: its control data
# (the libraries dpkg-shlibdeps found), its files (the program where the
# menu finds it), lintian without errors, and whether apt could install it
# on a fresh Debian 12 with nothing else installed.
#   paket.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0
pruefe() { # description, command...
  local was=$1
  shift
  if "$@" >"$tmp/ausgabe" 2>&1; then
    echo "ok: $was"
  else
    echo "FEHLER: $was"
    sed 's/^/    /' "$tmp/ausgabe"
    fehler=1
  fi
}

(cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/paket" >"$tmp/cpack.log" 2>&1) || {
  cat "$tmp/cpack.log"
  exit 1
}
deb=$(ls "$tmp"/paket/kalvorin_*.deb)
echo "Paket: $(basename "$deb")"

dpkg-deb -I "$deb" >"$tmp/info"
dpkg-deb -f "$deb" Depends >"$tmp/depends"
# One name a line, without the versions.
tr ',' '\n' <"$tmp/depends" | sed 's/^ *//; s/ .*//' >"$tmp/depends-namen"
dpkg-deb -c "$deb" >"$tmp/inhalt"
sed -n '/Package:/,$p' "$tmp/info"

hat_feld() { grep -qx " $1" "$tmp/info" || { echo "fehlt: $1"; return 1; }; }
pruefe "Paketname" hat_feld "Package: kalvorin"
pruefe "Abschnitt" hat_feld "Section: education"
# The libraries come from dpkg-shlibdeps, with the versions it found.
for bib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6; do
  pruefe "Depends: $bib" grep -qxF "$bib" "$tmp/depends-namen"
done
pruefe "Depends: qt6-translations-l10n" grep -qxF qt6-translations-l10n "$tmp/depends-namen"

hat_datei() { grep -Eq " \./$1\$" "$tmp/inhalt" || { echo "fehlt: $1"; return 1; }; }
for datei in usr/bin/kalvorin usr/bin/kalvorin-tool "usr/share/applications/$id.desktop" \
  usr/share/mime/packages/kalvorin.xml "usr/share/metainfo/$id.metainfo.xml" \
  usr/share/icons/hicolor/scalable/apps/kalvorin.svg usr/share/icons/hicolor/48x48/apps/kalvorin.png \
  usr/share/man/man1/kalvorin.1.gz usr/share/man/man1/kalvorin-tool.1.gz \
  usr/share/doc/kalvorin/copyright usr/share/doc/kalvorin/changelog.gz; do
  pruefe "enthält /$datei" hat_datei "$datei"
done
pruefe "alles gehört root" bash -c "! grep -v ' root/root ' '$tmp/inhalt'"
pruefe "Programme ausführbar" bash -c "grep -E '^-rwxr-xr-x .* \./usr/bin/kalvorin(-tool)?\$' '$tmp/inhalt' | wc -l | grep -qx 2"
pruefe "nichts außerhalb von /usr" bash -c "! grep -Ev ' \./(usr(/.*)?)?\$' '$tmp/inhalt'"

# The menu: the entry from the package is valid and starts the program the
# package puts on the PATH, with the files handed over.
dpkg-deb -x "$deb" "$tmp/wurzel"
pruefe "Menüeintrag im Paket gültig" desktop-file-validate "$tmp/wurzel/usr/share/applications/$id.desktop"
pruefe "Menüeintrag startet /usr/bin/kalvorin" bash -c \
  "grep -qx 'Exec=kalvorin %F' '$tmp/wurzel/usr/share/applications/$id.desktop' && test -x '$tmp/wurzel/usr/bin/kalvorin'"
for p in kalvorin kalvorin-tool; do
  pruefe "$p gestrippt" bash -c "! readelf -S '$tmp/wurzel/usr/bin/$p' | grep -q '\.symtab'"
done

# lintian: no errors; its warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$deb" >"$tmp/lintian" 2>&1 || lintian_rc=$?
echo "lintian:"
sed 's/^/    /' "$tmp/lintian"
pruefe "lintian ohne Fehler" test "${lintian_rc:-0}" -eq 0

# A fresh Debian 12: apt resolves the package against the archive as if no
# package were installed at all (simulated, from the package lists on this
# machine; skipped where there are none).
if compgen -G "/var/lib/apt/lists/*_Packages*" >/dev/null; then
  : >"$tmp/leerer-status"
  pruefe "apt-get install auf leerem System (simuliert)" \
    apt-get install -s -o Dir::State::status="$tmp/leerer-status" -o Debug::NoLocking=1 "$deb"
  grep -E '^Inst (kalvorin|libqt6widgets6|qt6-translations-l10n) ' "$tmp/ausgabe" || true
else
  echo "übersprungen: keine Paketlisten für apt"
fi
exit $fehler
