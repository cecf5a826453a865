#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through ctest.
# The core tests run twice: once under AddressSanitizer and UBSan (core only),
# then with the whole build, whose ctest summary closes the output.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
jobs=$(nproc)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKALVORIN_GUI=OFF \
  -DKALVORIN_SANITIZE=ON -DKALVORIN_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j "$jobs") || exit $?

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build -j "$jobs"
cd build
export QT_QPA_PLATFORM=offscreen
exec ctest --output-on-failure -j "$jobs"
