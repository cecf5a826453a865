#!/usr/bin/env bash
# Builds the Debian package (build-paket/paket/kalvorin_VERSION_ARCH.deb)
# from a release build with Debian's hardening flags, and lets lintian
# check it. Install it with: apt-get install ./build-paket/paket/kalvorin_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B build-paket -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALVORIN_TESTS=OFF \
  -DKALVORIN_BENCH=OFF >/dev/null
cmake --build build-paket
rm -f build-paket/paket/kalvorin_*.deb
(cd build-paket && cpack -G DEB >/dev/null)
deb=$(ls build-paket/paket/kalvorin_*.deb)
# Errors fail the script; warnings are only shown.
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "$deb"
