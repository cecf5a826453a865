#pragma once
// Documents and settings files are stored in Windows-1252 so that files stay
// exchangeable with the classroom machines; inside the program all text is
// UTF-8. These helpers convert between the two.

#include <string>
#include <string_view>

namespace kalvorin {

// Every byte becomes one character; the five bytes that have no character in
// Windows-1252 (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+FFFD.
std::string Cp1252ZuUtf8(std::string_view cp1252);

// Characters without a Windows-1252 byte, and bytes that are not valid UTF-8,
// become "?". Callers that must not lose a character (element names) check
// first with InCp1252Darstellbar.
std::string Utf8ZuCp1252(std::string_view utf8);

// True when utf8 is valid UTF-8 and every character has a Windows-1252 byte.
bool InCp1252Darstellbar(std::string_view utf8);

// Any bytes as valid UTF-8: what is valid UTF-8 stays, every other byte is
// taken as the Windows-1252 character it stands for there (so a Latin-1
// file name "\xDCbung.kvr" reads "Übung.kvr"), the five bytes without one
// as U+FFFD. For texts that must be UTF-8, such as JSON.
std::string AlsUtf8(std::string_view bytes);

} // namespace kalvorin
