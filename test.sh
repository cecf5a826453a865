#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through ctest.
# The core tests run twice: once under AddressSanitizer and UBSan (core only,
# built with clang, which builds the fuzz targets in the same folder), then
# with the whole build, its layers optimised (RelWithDebInfo) as the package
# is, so that what only optimisation shows (its warnings, too) is caught here;
# the test code itself is compiled without optimisation in both. The whole
# build's tests include installing it into a scratch folder and building and
# checking the Debian package. Last, the settings and the document reader are
# fuzzed for 30 seconds each with clang's libFuzzer, command sequences for 60
# seconds beside them, and the ctest summary of the whole build is repeated
# at the end.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
jobs=$(nproc)
# ccache (set as the compiler launcher by CMakeLists.txt) finds objects of an
# earlier run on this machine even in a clone at another place: paths below
# the clone count relative to it, and the build folder is not hashed.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
# CLN and GiNaC keep their static tables until the process ends; set before
# the builds, since the tests are listed by running them at link time.
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan-unterdrueckungen.txt

# Every C++ file of the project in the house style (.clang-format); a file
# that differs fails the run before anything is built.
if ! git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror; then
  echo "Nicht formatiert (clang-format -i DATEI): siehe oben." >&2
  exit 1
fi

# One clang build serves the sanitizer tests and the fuzz targets: the core
# is compiled once with the sanitizers and libFuzzer's coverage hooks.
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DKALVORIN_GUI=OFF -DKALVORIN_SANITIZE=ON -DKALVORIN_FUZZ=ON -DKALVORIN_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j "$jobs") || exit $?

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
# A failing test stops the script here, with ctest's summary as the last word.
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs") 2>&1 |
  tee build/ctest.log || exit $?

# Each run starts from the seed corpus in a fresh scratch folder, so the phase
# takes the same time everywhere and the repository's corpus is only read.
# Anything found is written to the scratch folder too. The outer timeout only
# guards against the fuzzer itself hanging.
fuzz_work=build-asan/fuzz-work
fuzzen() { # name, target, max_len, dictionary, seed corpus, seconds, timeout
  local ordner=$fuzz_work/$1
  rm -rf "$ordner"
  mkdir -p "$ordner/korpus" "$ordner/funde"
  ASAN_OPTIONS=detect_leaks=1 timeout --kill-after=10 $((2 * $6 + 60)) "build-asan/fuzz/$2" \
    -max_len="$3" -dict="$4" -max_total_time="$6" -timeout="$7" -print_final_stats=1 \
    -artifact_prefix="$ordner/funde/" "$ordner/korpus" "$5" >"$ordner/log" 2>&1
}
# One core each: the command sequences for 60 seconds on one, the two
# readers for 30 seconds each, one after the other, on the other. A session
# of 200 steps with its checks takes a second or two under the sanitizers
# (more on a busy machine), so only a real hang reaches its timeout.
fuzzen befehlsfolgen befehlsfolgen_fuzz 4096 fuzz/befehlsfolgen.dict \
  tests/document/befehlsfolgen_corpus 60 60 &
befehlsfolgen_pid=$!
fuzzen ini ini_fuzz 4096 fuzz/ini.dict tests/storage/fuzz_corpus 30 10 &&
  ini_rc=0 || ini_rc=$?
fuzzen dokument dokument_fuzz 8192 fuzz/dokument.dict tests/storage/dokument_corpus 30 10 &&
  dokument_rc=0 || dokument_rc=$?
befehlsfolgen_rc=0
wait "$befehlsfolgen_pid" || befehlsfolgen_rc=$?

fehler=()
for name in ini dokument befehlsfolgen; do
  rc_var=${name}_rc
  rc=${!rc_var}
  log=$fuzz_work/$name/log
  if ((rc == 0)); then
    echo "${name}_fuzz: $(grep -m1 '^Done ' "$log"), $(grep -m1 'new_units_added' "$log" |
      tr -s ' ')"
  else
    # The fuzzer's report without its progress lines; the full log stays.
    echo "=== ${name}_fuzz failed (exit $rc); full log: $log"
    grep -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)|" # Uses: [0-9]+$' "$log" || true
    echo "=== found inputs: $(ls -d "$fuzz_work/$name/funde/"* 2>/dev/null || echo none)"
    fehler+=("${name}_fuzz")
  fi
done

echo "The whole build's tests, as ctest summed them up above:"
grep -E '^[0-9]+% tests passed' build/ctest.log || true
if ((${#fehler[@]})); then
  echo "Fuzzing failed: ${fehler[*]}"
  exit 1
fi
