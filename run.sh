#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Kalvorin;
# files named on the command line open each in its own window.
set -euo pipefail
# ./run.sh --web: builds the browser version and serves it on
# http://127.0.0.1:8080 until stopped (Ctrl+C); only this machine reaches it.
if [ "${1:-}" = --web ]; then
  cd "$(dirname "$0")"
  ./scripts/web.sh
  echo "Kalvorin im Browser: http://127.0.0.1:8080/ (beenden mit Strg+C)"
  exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
fi
# The files are named from where the script was called.
dateien=()
for a in "$@"; do
  case $a in
  /* | -*) dateien+=("$a") ;;
  *) dateien+=("$PWD/$a") ;;
  esac
done
cd "$(dirname "$0")"
./scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALVORIN_TESTS=OFF -DKALVORIN_BENCH=OFF >/dev/null
cmake --build build-release --target kalvorin
exec ./build-release/kalvorin "${dateien[@]}"
