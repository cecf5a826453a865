#!/usr/bin/env bash
# Builds Debian's CLN and GiNaC sources for WebAssembly and installs them,
# static and headers only, into a folder of their own:
#   scripts/web-cln-ginac.sh PREFIX WORK
# PREFIX is the folder the libraries are meant to live in, WORK a scratch
# folder; the installed tree is written to WORK/root/PREFIX, so that the
# caller can move it to PREFIX in one rename once everything is built.
# A run that was stopped is continued in the same WORK: each step that has
# finished leaves a stamp there, and make compiles only what is missing.
# scripts/web.sh calls this only when its cache lacks the folder; the cache
# key includes a checksum of this script, so a change here builds anew.
set -euo pipefail
prefix=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)
cln_version=$CLN_VERSION
ginac_version=$GINAC_VERSION
jobs=${KALVORIN_WEB_JOBS:-2}

# The configure scripts and the node runs of the emscripten tools.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
export EM_NODE_JS_FLAGS=--no-experimental-fetch

cd "$work"
if [ ! -f quellen.fertig ]; then
  rm -rf cln ginac
  # apt's own user cannot write into a folder below root's home; the
  # download then runs as root, which apt reports as a warning.
  apt-get source -qq --download-only "cln=$cln_version" "ginac=$ginac_version" 2>&1 |
    grep -v 'Download is performed unsandboxed' >&2 || true
  dpkg-source -x --no-check "cln_${cln_version}.dsc" cln >/dev/null
  dpkg-source -x --no-check "ginac_${ginac_version}.dsc" ginac >/dev/null
  patch -s -d cln -p1 <"$here/web/cln-wasm-wortausrichtung.patch"
  touch quellen.fertig
fi

# Both libraries throw (division by zero, singular systems) and the core
# catches: wasm exceptions throughout, the same as the core's build.
# -Wno-register: clang rejects `register` in C++17 (CLN's cl_2D.h).
flags="-O2 -fwasm-exceptions"
stage=$work/root

# CLN. --host none: no CPU-specific code; NO_ASM: no inline assembler;
# cl_word_alignment: object.h knows no wasm and stops with an #error;
# HZ: the clock ticks for its timing functions, which wasm's libc lacks.
# configure cannot run its intparam.c program for wasm, and its guesses
# are wrong: its cache variable tells it the header is done, and ours is
# put in its place.
(
  cd cln
  if [ ! -f ../cln-konfiguriert.fertig ]; then
    install -m 644 "$here/web/cln-intparam.h" include/cln/intparam.h
    cl_cv_file_intparam_h=1 emconfigure ./configure --host none --without-gmp \
      --disable-shared --enable-static --prefix="$prefix" \
      CPPFLAGS="-DNO_ASM -Dcl_word_alignment=4 -DHZ=100" \
      CFLAGS="$flags" CXXFLAGS="$flags -Wno-register" >configure.log 2>&1 ||
      { tail -30 configure.log; exit 1; }
    # configure may have written its own guesses after all.
    cmp -s "$here/web/cln-intparam.h" include/cln/intparam.h
    touch ../cln-konfiguriert.fertig
  fi
  nice -n 19 emmake make -j "$jobs" -C src >>make.log 2>&1 || { tail -30 make.log; exit 1; }
  rm -rf "$stage"
  # prefix given again: a scratch folder continued under a new cache key
  # installs under the new name.
  make -C src install prefix="$prefix" DESTDIR="$stage" >/dev/null
  # The headers and cln.pc are installed from the top folder, whose make
  # would also build the tests, examples and the manual.
  make install-clnincludeHEADERS install-nodist_clnincludeHEADERS install-pkgconfigDATA \
    prefix="$prefix" DESTDIR="$stage" >/dev/null
)

# GiNaC, against the CLN just built (its .pc names PREFIX, which does not
# exist yet, hence the flags given directly). Only the library: ginsh and
# the tools are not needed in the browser.
(
  cd ginac
  if [ ! -f ../ginac-konfiguriert.fertig ]; then
    # --host none: configure cannot run what emcc builds.
    emconfigure ./configure --host none --disable-shared --enable-static --prefix="$prefix" \
      CLN_CFLAGS="-I$stage$prefix/include" CLN_LIBS="-L$stage$prefix/lib -lcln" \
      CFLAGS="$flags" CXXFLAGS="$flags -std=c++20" >configure.log 2>&1 ||
      { tail -30 configure.log; exit 1; }
    touch ../ginac-konfiguriert.fertig
  fi
  nice -n 19 emmake make -j "$jobs" -C ginac >>make.log 2>&1 || { tail -30 make.log; exit 1; }
  make -C ginac install prefix="$prefix" DESTDIR="$stage" >/dev/null
  make install-pkgconfigDATA prefix="$prefix" DESTDIR="$stage" >/dev/null
)
