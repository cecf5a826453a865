#pragma once
// Text for XML files (the SVG picture). Every name and text that goes into
// one passes through this function, in element content and in attribute
// values alike: the markup characters become entities, so that a name such
// as "s&t" or "<A>" is shown as typed and never ends an element, an
// attribute or the file.

#include <string>
#include <string_view>

namespace kalvorin {

// & < > " ' as entities; control characters that XML 1.0 does not allow
// dropped (tab, line feed and carriage return stay); bytes that are no
// valid UTF-8 character, and the characters XML excludes (surrogates,
// U+FFFE, U+FFFF), as U+FFFD.
std::string XmlText(std::string_view utf8);

} // namespace kalvorin
