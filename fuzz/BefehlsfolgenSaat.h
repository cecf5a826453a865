#pragma once
// The seed corpus of the command-sequence fuzzer, written as sessions: the
// Abitur scene, every dialog, every core command of the command table under
// the marks it is made for, every mapping defined, applied and undone,
// saving, loading, inserting, the coordinate system and zoom. The fuzz
// target writes them into a folder when KALVORIN_SAAT names one:
//   KALVORIN_SAAT=tests/document/befehlsfolgen_corpus ./build-fuzz/fuzz/befehlsfolgen_fuzz
// (the files are committed; write them again when the operations change).

#include "BefehlsfolgenFuzzZiel.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace kalvorin::fuzz {

class TFolge {
public:
    // sep: the decimal separator bit; dokument: the input's file.
    explicit TFolge(bool punkt = false, std::string_view dokument = {}) {
        b_ += static_cast<char>(punkt ? 1 : 0);
        b_ += dokument;
        b_ += '\0';
    }
    const std::string& Bytes() const { return b_; }

    TFolge& Op(std::string_view name) { return Byte(OperationMitName(name)); }
    TFolge& Byte(int b) {
        b_ += static_cast<char>(b);
        return *this;
    }
    // Typed ASCII characters.
    TFolge& Text(std::string_view t) {
        Byte(0x10 + static_cast<int>(t.size()));
        b_ += t;
        return *this;
    }
    // The name of the element in the slot.
    TFolge& Name(int slot) { return Byte(0x40 + slot - 1); }

    // A dialog for a new element: mode, answer, name (typed or proposed), look.
    TFolge& Dialog(std::string_view op, std::string_view name = {}) {
        Op(op).Byte(0).Byte(0);
        if (name.empty()) return Byte(0).Byte(0);
        return Byte(1).Text(name).Byte(0);
    }
    TFolge& Punkt(std::string_view name, const char* x, const char* y, const char* z) {
        return Dialog("Punkt", name).Byte(1).Text(x).Text(y).Text(z);
    }
    TFolge& Vektor(std::string_view name, const char* x, const char* y, const char* z) {
        return Dialog("Vektor", name).Text(x).Text(y).Text(z);
    }
    TFolge& Markiere(std::initializer_list<int> slots) {
        Op("Markieren").Byte(static_cast<int>(slots.size()));
        for (int s : slots)
            Byte(s - 1);
        return *this;
    }
    // A core command; answer Ja to its question.
    TFolge& Befehl(std::string_view name) { return Op(name).Byte(0); }

private:
    std::string b_;
};

// The Abitur scene by dialogs: A(2|0|0) 1, B(0|4|0) 2, C(0|0|3) 3,
// S(4|4|5) 4, u 5, v 6, line g = AB 7, line h = C + t·v 8, plane E = ABC 9,
// segment s = AS 10, triangle D1 = ABC 11, pyramid D1S 12.
inline TFolge Abiturszene(bool punkt = false) {
    TFolge f(punkt);
    f.Punkt("A", "2", "0", "0").Punkt("B", "0", "4", "0").Punkt("C", "0", "0", "3");
    f.Punkt("S", "4", "4", "5").Vektor("u", "1", "1", "0").Vektor("v", "0", "1", "2");
    f.Dialog("Gerade", "g").Byte(1).Name(1).Name(2);
    f.Dialog("Gerade", "h").Byte(2).Name(3).Name(6);
    f.Dialog("Ebene", "E").Byte(2).Name(1).Name(2).Name(3);
    f.Dialog("Strecke", "s").Name(1).Name(4);
    f.Dialog("Dreieck").Name(1).Name(2).Name(3);
    f.Dialog("Pyramideseitig").Name(4).Byte(1);
    return f;
}

inline std::vector<std::pair<std::string, std::string>> Saatfolgen() {
    std::vector<std::pair<std::string, std::string>> saat;
    const auto neu = [&](std::string name, const TFolge& f) {
        saat.emplace_back(std::move(name), f.Bytes());
    };

    // The Abitur task: plane ABC, the perpendicular from S, its foot, the
    // pyramid ABCS and its volume, with both separators.
    for (bool punkt : {false, true}) {
        TFolge f = Abiturszene(punkt);
        f.Markiere({9, 4}).Befehl("Loteerzeugen"); // 13
        f.Markiere({13, 9}).Befehl("Schneiden");   // 14
        f.Markiere({4, 14}).Befehl("MessLaenge");
        f.Markiere({12}).Befehl("MessVolumen");
        f.Markiere({11}).Befehl("MessFlaeche");
        f.Markiere({7, 9}).Befehl("MessWinkel");
        f.Op("SpeichernLaden");
        neu(punkt ? "abitur_punkt" : "abitur", f);
    }

    // A sphere K: M(1|2|3), r = 7 (13) cut by the line g (14, 15) and the
    // plane E (16), its tangent plane at the first point (17) and the point
    // of contact with it (18), K and the circle reflected in A (19, 20).
    {
        TFolge f = Abiturszene();
        f.Dialog("Kugel", "K").Byte(0).Text("1").Text("2").Text("3").Text("7");
        f.Markiere({7, 13}).Befehl("Schneiden");
        f.Markiere({9, 13}).Befehl("Schneiden");
        f.Markiere({13, 14}).Befehl("Tangentialebene");
        f.Markiere({13, 17}).Befehl("Schneiden");
        f.Markiere({1}).Befehl("Spiegelung");
        f.Markiere({13, 16}).Befehl("Pspiegeln");
        f.Op("SpeichernLaden");
        neu("kugel", f);
    }

    // Every core command under marks that make sense for it.
    const std::vector<std::vector<int>> markierungen = {
        {1},       {1, 2}, {1, 2, 3}, {1, 2, 3, 4}, {5},    {5, 6}, {5, 6, 5}, {1, 5},
        {1, 5, 6}, {7},    {7, 8},    {1, 7},       {9},    {4, 9}, {7, 9},    {9, 5},
        {10},      {11},   {12},      {11, 4},      {2, 3}, {6},    {1, 10}};
    for (const TOperation& op : Operationen()) {
        if (!op.Zeile) continue;
        TFolge f = Abiturszene();
        for (const auto& m : markierungen) {
            f.Op("Markieren").Byte(static_cast<int>(m.size()));
            for (int s : m)
                f.Byte(s - 1);
            f.Befehl(op.Name);
        }
        neu(std::string("befehl_") + op.Name, f);
    }

    // Every mapping defined, applied to several elements and undone.
    struct TAbbildungsSaat {
        const char* Name;
        std::vector<int> Traeger;
        const char* Festlegen;
        const char* Anwenden;
    };
    const TAbbildungsSaat abbildungen[] = {
        {"punktspiegelung", {1}, "Spiegelung", "Pspiegeln"},
        {"geradenspiegelung", {8}, "Spiegelung", "Gspiegeln"},
        {"ebenenspiegelung", {9}, "Spiegelung", "Espiegeln"},
        {"orthogonalprojektion", {9}, "Projektion", "Oprojezieren"},
        {"parallelprojektion", {9, 5}, "Projektion", "Pprojezieren"},
    };
    for (const auto& a : abbildungen) {
        TFolge f = Abiturszene();
        f.Op("Markieren").Byte(static_cast<int>(a.Traeger.size()));
        for (int s : a.Traeger)
            f.Byte(s - 1);
        f.Befehl(a.Festlegen);
        f.Markiere({4, 10, 11}).Befehl(a.Anwenden).Befehl("Rueckgaengig");
        f.Markiere({2, 12, 7}).Befehl(a.Anwenden);
        neu(a.Name, f);
    }
    // Dilation: the factor typed, and as the ratio of two lengths.
    {
        TFolge f = Abiturszene();
        f.Markiere({1}).Op("MStreckung").Byte(1).Text("2");
        f.Markiere({4, 10, 12}).Befehl("Strecken").Befehl("Rueckgaengig");
        f.Markiere({2}).Op("MStreckung").Byte(0).Byte(1).Byte(2);
        f.Markiere({3, 11}).Befehl("Strecken");
        f.Markiere({3}).Op("MStreckung").Byte(1).Text("-1/3");
        f.Markiere({9}).Befehl("Strecken");
        neu("streckung", f);
    }
    // Deleting with its dependants, undone; and refused.
    {
        TFolge f = Abiturszene();
        f.Markiere({1}).Befehl("Loeschen").Befehl("Rueckgaengig");
        f.Markiere({3, 5}).Op("Loeschen").Byte(1);
        f.Markiere({4}).Befehl("Loeschen");
        neu("loeschen", f);
    }

    // The dialogs in every way, new and as properties, with bad input.
    {
        TFolge f = Abiturszene();
        f.Dialog("Punkt", "P").Byte(0).Text("").Text("").Text("").Byte(1).Byte(6);
        f.Dialog("Punkt", "Q").Byte(1).Text("1/3").Text("-7/2").Text("x");
        f.Dialog("Punkt", "A").Byte(1).Text("1").Text("1").Text("1");
        f.Dialog("Punkt", "Weit").Byte(1).Text("250").Text("250").Text("250");
        f.Op("Punkt").Byte(1).Byte(0).Byte(1).Text("A2").Byte(0).Byte(1);
        f.Text("3").Text("0").Text("0");
        f.Dialog("Vektor", "w").Text("0").Text("0").Text("0");
        f.Dialog("Pfeil", "p").Byte(0).Name(1).Text("Z").Text("1").Text("2").Text("3");
        f.Dialog("Pfeil", "q").Byte(1).Name(2).Name(5);
        f.Dialog("Gerade", "k").Byte(0).Text("1").Text("2").Text("3");
        f.Text("0").Text("0").Text("0");
        f.Dialog("Ebene", "F").Byte(1).Text("1").Text("1").Text("1").Text("-3");
        f.Dialog("Ebene", "G").Byte(0).Text("0").Text("0").Text("0");
        f.Text("1").Text("0").Text("0").Text("0").Text("1").Text("0");
        f.Dialog("Ebene", "H").Byte(3).Name(1).Name(5).Name(6);
        f.Dialog("Ebene", "I").Byte(4).Name(4).Byte(1);
        f.Dialog("Ebene", "J").Byte(5).Byte(1).Byte(2);
        f.Dialog("Ebene", "K").Byte(6).Name(4).Name(5);
        f.Dialog("Ebene", "L").Byte(7).Byte(1).Name(5);
        f.Dialog("Strecke", "t").Text("N").Text("1").Text("1").Text("1").Name(2);
        f.Dialog("Dreieck", "Dx").Name(1).Name(1).Name(2);
        f.Dialog("Pyramideseitig", "Py").Name(1).Byte(1);
        f.Dialog("Gerade", "\xe4\xf6\xfc\x80\x81 abcdefghij").Byte(1).Name(1).Name(3);
        f.Dialog("Punkt", "[Version]").Byte(1).Text("1").Text("2").Text("3");
        // Properties: the first point moved, the line redefined, a plane renamed.
        f.Op("Punkt").Byte(1).Byte(0).Byte(0).Byte(0x81).Byte(1);
        f.Text("-2").Text("1").Text("0");
        f.Op("Gerade").Byte(1).Byte(0).Byte(1).Text("gg").Byte(0).Byte(2).Name(2).Name(5);
        f.Op("Ebene").Byte(1).Byte(0).Byte(1).Text("EE").Byte(0).Byte(1);
        f.Text("0").Text("0").Text("1").Text("-1");
        neu("dialoge", f);
    }

    // Many elements: the list fills up; mapping a full list.
    {
        TFolge f = Abiturszene();
        for (int i = 0; i < 45; ++i)
            f.Dialog("Pfeil").Byte(0).Name(1 + i % 4).Name(2 + i % 3);
        f.Markiere({1}).Befehl("Spiegelung").Markiere({4, 10, 12}).Befehl("Pspiegeln");
        f.Befehl("Rueckgaengig");
        neu("liste_voll", f);
    }

    // A new point outside the display range when the list is full: the
    // axes are adapted only when the point is added.
    {
        TFolge f = Abiturszene();
        for (int i = 0; i < 44; ++i)
            f.Dialog("Pfeil").Byte(0).Name(1 + i % 4).Name(2 + i % 3);
        f.Dialog("Punkt", "W").Byte(1).Text("250").Text("250").Text("250");
        f.Dialog("Punkt", "W").Byte(1).Text("2").Text("2").Text("2");
        neu("punkt_ausserhalb_liste_voll", f);
    }
    // The parallel projection defined again with a vector parallel to the
    // plane (refused), then the former vector deleted.
    {
        TFolge f = Abiturszene();
        f.Vektor("w", "-2", "4", "0"); // 13, parallel to E
        f.Markiere({9, 5}).Befehl("Projektion").Markiere({9, 13}).Befehl("Projektion");
        f.Markiere({4}).Befehl("Pprojezieren").Befehl("Rueckgaengig");
        f.Markiere({5}).Befehl("Loeschen").Befehl("Rueckgaengig");
        f.Markiere({5}).Befehl("Loeschen");
        f.Markiere({4}).Befehl("Pprojezieren").Op("SpeichernLaden");
        neu("projektion_wechsel", f);
    }

    // Images of points with thirds: the file holds 15 digits, and the
    // rebuild after loading recomputes the images from the rounded points.
    {
        TFolge f = Abiturszene();
        f.Punkt("P", "1/3", "-7/2", "1/3").Punkt("Q", "-1/3", "2", "5");
        f.Markiere({9}).Befehl("Spiegelung").Markiere({13, 14, 11}).Befehl("Espiegeln");
        f.Markiere({3}).Op("MStreckung").Byte(1).Text("-1/3");
        f.Markiere({13, 14, 10}).Befehl("Strecken");
        f.Op("SpeichernLaden").Op("SpeichernLaden");
        neu("runden_15_stellen", f);
    }

    // View, coordinate system, object list, files.
    {
        TFolge f = Abiturszene();
        f.Befehl("Zoomout").Befehl("Zoomout").Befehl("ZoomIn").Op("Ausgangszustand");
        f.Op("Koordinatensystem").Byte(2).Byte(0).Text("-3").Byte(2).Byte(1).Byte(0).Byte(1);
        f.Text("x");
        f.Op("Koordinatensystem").Byte(1).Byte(0x80 + 6).Text("12").Byte(0);
        f.Op("Koordinatensystem").Byte(0).Byte(1).Byte(1).Byte(1).Text("2");
        f.Op("Objektliste").Byte(3).Byte(2).Byte(0);
        f.Op("Objektliste").Byte(0).Byte(2).Byte(2);
        f.Op("Objektliste").Byte(0).Byte(1).Byte(4 + 8);
        f.Op("SpeichernLaden").Op("Einfuegen").Byte(1).Op("Einfuegen").Byte(2);
        f.Op("Einfuegen").Byte(0).Op("Oeffnen");
        neu("ansicht_dateien", f);
    }
    // A document as input, then work on it.
    {
        TFolge f(false, GrundDokument);
        f.Befehl("Pspiegeln").Befehl("Gspiegeln").Befehl("Espiegeln").Befehl("Strecken");
        f.Markiere({1, 2}).Befehl("Oprojezieren").Befehl("Rueckgaengig");
        f.Markiere({2}).Befehl("Pprojezieren").Op("Einfuegen").Byte(0);
        f.Op("SpeichernLaden");
        neu("eingabedokument", f);
    }
    return saat;
}

} // namespace kalvorin::fuzz
