#!/usr/bin/env bash
# Checks that no production source opens a file for writing on its own:
# every file the program and the tool write goes through the one atomic
# replace (src/storage/DateiErsetzen.cpp), which never leaves a truncated
# file, never opens a pipe or a device, and reports the cause in German.
# Buffers in memory (a QBuffer) may be written.
#   Schreibzugriffe.sh REPOSITORY
# Lists every line that writes a file and fails when there is one.
set -euo pipefail
cd "$1"

# The replace itself may do anything; the recovery store opens its lock
# files with O_RDWR | O_CREAT to hold a lock, never to write them (its
# copies go through the replace).
mapfile -d '' dateien < <(find src tools app \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
awk '
  FNR == 1 {
    ersetzen = FILENAME == "src/storage/DateiErsetzen.cpp"
    sperren = FILENAME == "src/storage/Wiederherstellungsablage.cpp"
    split("", puffer)
  }
  # Comments say what the code does; they do not do it.
  /^[ \t]*(\/\/|#[ \t]*include)/ { next }
  {
    code = $0
    sub(/\/\/.*$/, "", code)
    rest = code
    while (match(rest, /QBuffer[ \t]+[A-Za-z_][A-Za-z_0-9]*/)) {
      name = substr(rest, RSTART, RLENGTH)
      sub(/QBuffer[ \t]+/, "", name)
      puffer[name] = 1
      rest = substr(rest, RSTART + RLENGTH)
    }
    if (ersetzen) next
    treffer = 0
    # Streams, C files, Qt files and copies that write.
    if (code ~ /(^|[^A-Za-z_])(w?ofstream|fstream|basic_ofstream|basic_fstream|QSaveFile|QTemporaryFile)([^A-Za-z_]|$)/) treffer = 1
    if (code ~ /(^|[^A-Za-z_])(fopen|freopen|fdopen)[ \t]*\(.*"[^"]*[wa+][^"]*"/) treffer = 1
    if (code ~ /QIODevice::Truncate/) treffer = 1
    if (code ~ /(^|[^A-Za-z_])(copy_file|QFile::copy)[ \t]*\(/) treffer = 1
    # A picture saved under a file name instead of into a buffer.
    if (code ~ /\.save[ \t]*\([ \t]*[^)& \t]/) treffer = 1
    # POSIX calls that create or write a file.
    if (!sperren && code ~ /O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND/) treffer = 1
    if (!sperren && code ~ /(^|[^A-Za-z_])(creat|mkstemp|mkostemp|mkstemps)[ \t]*\(/) treffer = 1
    # A device opened in a write mode: allowed on a buffer of this file.
    if (code ~ /QIODevice::(WriteOnly|ReadWrite|Append|NewOnly)|QFile::(WriteOnly|ReadWrite|Append)/) {
      treffer = 1
      if (match(code, /[A-Za-z_][A-Za-z_0-9]*(\.|->)open[ \t]*\(/)) {
        objekt = substr(code, RSTART, RLENGTH)
        sub(/(\.|->)open[ \t]*\($/, "", objekt)
        if (objekt in puffer) treffer = 0
      }
    }
    if (treffer) {
      gefunden = 1
      print FILENAME ":" FNR ": " $0
    }
  }
  END {
    if (gefunden) {
      print "Written besides the atomic replace (storage/DateiErsetzen.h): see above."
      exit 1
    }
  }
' "${dateien[@]}"
