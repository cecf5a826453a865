#pragma once
// The text of a document file as a test writes it: lines joined with CR LF,
// in Windows-1252; "\n" inside a part starts a new line, so that a section
// can be written as one string.

#include "storage/Cp1252.h"

#include <initializer_list>
#include <string>

namespace kalvorin::test {

inline std::string Datei(std::initializer_list<std::string> teile) {
    std::string t;
    for (const std::string& teil : teile) {
        std::size_t a = 0;
        for (std::size_t e; (e = teil.find('\n', a)) != std::string::npos; a = e + 1)
            t += teil.substr(a, e - a) + "\r\n";
        t += teil.substr(a) + "\r\n";
    }
    return Utf8ZuCp1252(t);
}

} // namespace kalvorin::test
