#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Kalvorin;
# files named on the command line open each in its own window.
set -euo pipefail
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
