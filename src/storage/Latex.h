#pragma once
// Text for LaTeX files. Every text that goes into a LaTeX file the program
// writes (the worksheet, the worked solution, the TikZ picture) and that a
// user or a document may have typed, element names above all, passes
// through these functions: each character is set as the character it is,
// and none becomes a command. A pupil's document compiled by the teacher
// must never read or write a file (\input, \openin, \write) or change how
// TeX reads (\catcode, \csname).

#include <string>
#include <string_view>

namespace kalvorin {

// Text mode (the files load inputenc utf8 and fontenc T1). The special
// characters are escaped, the mathematical signs of plain texts that have
// no Windows-1252 byte (≤, −, ⇒, √, α, "u⃗", ...) set as math, control
// characters dropped, and any other character without a Windows-1252 byte
// becomes "?": what a document file can hold is printed as it is.
std::string LatexText(std::string_view utf8);

// A name inside a formula (math mode, amsmath loaded): letters, digits and
// primes stay as they are and are set like the formula's own letters ("A'",
// "u", "P1"); any other name goes into \text{} through LatexText.
std::string LatexName(std::string_view utf8);

// A displayed formula (math mode): scaled down to the width of the line
// where it is wider, with graphicx (which TikZ loads), so that no box of a
// worksheet or a worked solution sticks out of the page. The definition is
// given once, before the first formula, in every file or piece to \input.
std::string_view LatexFormelDefinition();
std::string LatexFormel(std::string_view mathe);

} // namespace kalvorin
