#!/usr/bin/env bash
# Builds the browser version of the core: installs what is missing (Debian's
# emscripten and the tools around it), builds CLN and GiNaC for WebAssembly
# once into a cache outside the clone, then the core, its headless tests and
# the page into build-web/.
#   scripts/web.sh           build into build-web/
#   scripts/web.sh --test    also run the core's tests under node and the
#                            page's tests in headless Chromium
# Every failure ends the script with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
klon=$PWD

test_laufen=0
for a in "$@"; do
  case $a in
  --test) test_laufen=1 ;;
  *)
    echo "Unknown option: $a (known: --test)" >&2
    exit 2
    ;;
  esac
done

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

# --- Packages -----------------------------------------------------------
# Only what is missing is installed, so a second run needs no network.
packages=(
  emscripten binaryen
  # Builds the tests (gtest comes as source, libgtest-dev puts it into
  # /usr/src/googletest) and unpacks the CLN and GiNaC sources.
  cmake ninja-build make libgtest-dev dpkg-dev
  # The browser the page's tests will drive.
  chromium
)
# node and npm may come from another vendor's package (a repack that brings
# its own npm); then Debian's would only conflict with it.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

. "$(dirname "${BASH_SOURCE[0]}")/pakete.sh"
fehlende_pakete_installieren "${packages[@]}"

export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
# Emscripten 3.1.6's glue calls fetch() whenever it exists, which fails
# under node 18 and later; browsers are unaffected.
export EM_NODE_JS_FLAGS=--no-experimental-fetch

# --- CLN and GiNaC for WebAssembly, once per machine --------------------
# Kept outside the clone, in a folder named by what it was built from: the
# Debian source versions, the emscripten version and a checksum of the
# recipe. A folder there is complete, since it is built elsewhere and
# renamed into place only when the install has finished.
export CLN_VERSION=1.3.6-4 GINAC_VERSION=1.8.6-1
emscripten_version=$(dpkg-query -W -f='${Version}' emscripten)
rezept=$(cat scripts/web-cln-ginac.sh scripts/web/cln-* | sha256sum | cut -c1-10)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/kalvorin
bibliotheken=$cache/cln-$CLN_VERSION-ginac-$GINAC_VERSION-emscripten-$emscripten_version-$rezept
if [ ! -f "$bibliotheken/lib/libginac.a" ]; then
  mkdir -p "$cache"
  # One run at a time builds them (another clone may be at it); a run that
  # was stopped is continued from its scratch folder.
  work=$cache/.bau-${bibliotheken##*/}
  mkdir -p "$work"
  exec 9>"$cache/.sperre"
  flock 9
fi
if [ ! -f "$bibliotheken/lib/libginac.a" ]; then
  # The sources come from Debian's source packages; without a deb-src entry
  # apt knows only the binary ones, so one is added beside the configured
  # Debian source.
  if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    echo "Adding the Debian source packages to apt (/etc/apt/sources.list.d/debian-src.sources)"
    $sudo tee /etc/apt/sources.list.d/debian-src.sources >/dev/null <<'QUELLEN'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
QUELLEN
    $sudo apt-get update -qq
  fi
  echo "Building CLN $CLN_VERSION and GiNaC $GINAC_VERSION for WebAssembly (once, 15 to 30 min)"
  start=$SECONDS
  scripts/web-cln-ginac.sh "$bibliotheken" "$work"
  mv -T "$work/root$bibliotheken" "$bibliotheken"
  rm -rf "$work"
  echo "CLN and GiNaC built in $((SECONDS - start)) s: $bibliotheken"
fi

# --- The browser tests' npm packages -----------------------------------
# playwright-core as web/package-lock.json pins it, into the build folder;
# it drives the chromium installed above and downloads no browser.
# Installed again only when the lock file has changed.
npm_ordner=build-web/npm
mkdir -p "$npm_ordner"
if ! cmp -s web/package-lock.json "$npm_ordner/package-lock.json" ||
  [ ! -d "$npm_ordner/node_modules/playwright-core" ]; then
  cp web/package.json web/package-lock.json "$npm_ordner/"
  (cd "$npm_ordner" && npm ci --ignore-scripts --no-audit --no-fund) >"$npm_ordner/npm.log" 2>&1 ||
    { tail -20 "$npm_ordner/npm.log"; echo "npm ci failed, see $klon/$npm_ordner/npm.log" >&2; exit 1; }
fi

# --- The core, its tests and the page ----------------------------------
# Optimised as the page is shipped; nice and two jobs at most, since the
# machine is shared with other builds.
jobs=${KALVORIN_WEB_JOBS:-2}
start=$SECONDS
mkdir -p build-web
log=build-web/bau.log
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKALVORIN_WEB_BIBLIOTHEKEN="$bibliotheken" >$log 2>&1 ||
  { tail -30 $log; echo "Configuring failed, see $klon/$log" >&2; exit 1; }
nice -n 10 cmake --build build-web -j "$jobs" >>$log 2>&1 ||
  { grep -B2 -A12 -m5 'error:\|FAILED' $log | head -80
    echo "Build failed, see $klon/$log" >&2; exit 1; }
echo "Web build in $((SECONDS - start)) s: $klon/build-web"
echo "The page: $klon/build-web/site/index.html (static files, for any web server)"

if ((test_laufen)); then
  start=$SECONDS
  (cd build-web && ctest --output-on-failure -j "$jobs" -L web) ||
    { echo "Tests failed (build-web, ctest -L web)" >&2; exit 1; }
  echo "Tests under node in $((SECONDS - start)) s"
fi
