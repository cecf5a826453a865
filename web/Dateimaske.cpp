// Emscripten's libc starts a program with the file mode creation mask 0777,
// so every file it makes has no permission at all and cannot be written
// again (the atomic replace then refuses it as write-protected). A process
// on the desktop starts with 022; the web build's programs get the same.

#include <sys/stat.h>

namespace {

const bool Gesetzt = [] {
    ::umask(022);
    return true;
}();

} // namespace
