#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Kalvorin.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALVORIN_TESTS=OFF -DKALVORIN_BENCH=OFF >/dev/null
cmake --build build-release --target kalvorin
exec ./build-release/kalvorin "$@"
