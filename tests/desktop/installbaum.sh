#!/usr/bin/env bash
# Installs the build into a scratch folder and checks the tree the way the
# desktop sees it: the menu entry, the AppStream file, the file type (by name
# and by content, after registering it as Debian's trigger would), the icons
# in every size, the man pages and the installed programs themselves.
#   installbaum.sh BUILD_DIR APP_ID DATEITYP_PROGRAMM "16 22 ..."
set -euo pipefail
build=$1 id=$2 dateityp=$3 groessen=$4
[ -n "$groessen" ] || { echo "keine Symbolgrößen angegeben"; exit 1; }
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

DESTDIR=$tmp/ziel cmake --install "$build" --prefix /usr >/dev/null
usr=$tmp/ziel/usr
share=$usr/share

pruefe "desktop-file-validate" desktop-file-validate "$share/applications/$id.desktop"
pruefe "Exec nimmt Dateien" grep -qx 'Exec=kalvorin %F' "$share/applications/$id.desktop"
pruefe "appstreamcli validate" appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
# The whole tree: the entry the AppStream file launches exists, and so on.
pruefe "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$tmp/ziel"

# The file type, registered in a data folder of its own.
mkdir -p "$tmp/daten/mime/packages" "$tmp/leer"
cp "$share/mime/packages/"*.xml "$tmp/daten/mime/packages/"
pruefe "update-mime-database" update-mime-database "$tmp/daten/mime"
typ() { XDG_DATA_HOME=$tmp/leer XDG_DATA_DIRS=$tmp/daten "$dateityp" "$@"; }
erwarte() { # expected type, how, file
  local ist
  ist=$(typ "$2" "$3")
  [ "$ist" = "$1" ] || { echo "$3 ($2): $ist statt $1"; return 1; }
}
erwarte_nicht() { # type it must not be, how, file
  local ist
  ist=$(typ "$2" "$3")
  [ "$ist" != "$1" ] || { echo "$3 ($2): $ist"; return 1; }
}
# A document as the program writes it, by the installed tool.
printf '[Version]\r\nVersName=Kalvorin-Analytische Geometrie\r\nVersNummer=1.0\r\n[A]\r\nElementart=0|DfrPunkt\r\nKoord=1|2|3\r\n' \
  >"$tmp/eingabe.kvr"
pruefe "kalvorin-tool (installiert) schreibt ein Dokument" \
  env QT_QPA_PLATFORM=offscreen "$usr/bin/kalvorin-tool" save "$tmp/eingabe.kvr" "$tmp/figur.kvr"
cp "$tmp/figur.kvr" "$tmp/figur-ohne-endung"
printf '[Version]\r\nSignature="$Windows NT$"\r\n' >"$tmp/treiber-ohne-endung"
pruefe ".kvr am Namen erkannt" erwarte application/x-kalvorin name "$tmp/figur.kvr"
pruefe ".KVR am Namen erkannt" erwarte application/x-kalvorin name "$tmp/FIGUR.KVR"
pruefe "Dokument am Inhalt erkannt" erwarte application/x-kalvorin inhalt "$tmp/figur-ohne-endung"
pruefe "anderes INI mit [Version] nicht" erwarte_nicht application/x-kalvorin inhalt "$tmp/treiber-ohne-endung"

for g in $groessen; do
  png=$share/icons/hicolor/${g}x${g}/apps/kalvorin.png
  pruefe "Symbol ${g}x${g}" bash -c "[ \"\$(identify -format '%wx%h' '$png')\" = '${g}x${g}' ]"
done
pruefe "Symbol scalable" grep -q '<svg' "$share/icons/hicolor/scalable/apps/kalvorin.svg"

for seite in kalvorin kalvorin-tool; do
  pruefe "Handbuchseite $seite" bash -c \
    "gzip -t '$share/man/man1/$seite.1.gz' && [ -z \"\$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l '$share/man/man1/$seite.1.gz' 2>&1 >/dev/null)\" ]"
done
pruefe "kalvorin-tool (installiert) läuft" env QT_QPA_PLATFORM=offscreen "$usr/bin/kalvorin-tool" --help
pruefe "kalvorin installiert" test -x "$usr/bin/kalvorin"
pruefe "copyright und changelog" test -f "$share/doc/kalvorin/copyright" -a -f "$share/doc/kalvorin/changelog.gz"
exit $fehler
