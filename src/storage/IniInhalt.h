#pragma once
// The content of an INI file held in memory as Windows-1252 bytes, line by
// line. Lines that are neither section headers nor key lines are kept as
// they are, so hand-made notes in a file survive a rewrite.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kalvorin {

class TIniInhalt {
public:
    // Longer values are cut when read; the file keeps them whole.
    static constexpr std::size_t MaxWertLaenge = 2047;

    // Lines may end in CR LF, LF alone or CR alone.
    void Laden(std::string_view bytes);
    // Every line ended by CR LF.
    std::string Text() const;
    void Leeren();
    bool IstLeer() const;

    // Section and key are matched without regard to case (A..Z and the German
    // umlauts) and to blanks around them; the value is returned without the
    // blanks around it. Missing section or key: no value.
    std::optional<std::string> Lesen(std::string_view sektion, std::string_view schluessel) const;
    // Replaces the value of an existing key in place (the key keeps its
    // spelling); a new key goes behind the last non-blank line of its
    // section, a new section at the end of the file. Line breaks inside the
    // texts become blanks, since they would split the line.
    void Schreiben(std::string_view sektion, std::string_view schluessel, std::string_view wert);

    // The names of all section headers in file order, with every blank
    // removed; names that differ only in case are listed as often as they occur.
    std::vector<std::string> Sektionsnamen() const;

private:
    struct Zeile {
        std::string Text;
        std::string Schluessel;     // folded; only for key lines
        std::size_t WertAnfang = 0; // behind the "="; 0 for other lines
    };
    struct Sektion {
        std::string Kopf; // the header line as it stood
        std::string Name; // between "[" and "]", without blanks around it
        std::vector<Zeile> Zeilen;
    };

    void ZeileAnhaengen(std::string_view zeile);
    const Sektion* Finden(std::string_view sektion) const;

    // [0] holds the lines before the first header and has no name.
    std::vector<Sektion> sektionen_ = std::vector<Sektion>(1);
    // folded name -> first section of that name
    std::unordered_map<std::string, std::size_t> index_;
};

// The rule by which section and key names meet: A..Z and Ä, Ö, Ü (as
// Windows-1252 bytes) are folded to lower case. Other accented letters keep
// their case, since element names that differ in them must not meet.
std::string IniFalten(std::string_view cp1252);

} // namespace kalvorin
