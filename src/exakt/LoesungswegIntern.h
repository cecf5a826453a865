#pragma once
// What the files of the worked solution share and nobody else uses: the
// pieces and the notation of its formulas (LoesungswegNotation.cpp), the
// builder of the steps and the steps that several tasks take
// (LoesungswegSchritte.cpp), and the cases that one task borrows from
// another: the length between two lines is their intersection's
// calculation, the distance of a point from a line its perpendicular's.

#include "exakt/ExakteGeometrie.h"
#include "exakt/Gleichungen.h"
#include "exakt/Loesungsweg.h"
#include "model/Textzeilen.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kalvorin::exakt::loesungsweg {

using A = TElementart;
using Stil = TStil;

// --- pieces (every piece in both notations at once) ----------------------------

TTextstueck T(const std::string& text);
// A formula given by one function for both notations.
TTextstueck F(const std::function<std::string(Stil)>& f);
TTextstueck M(const std::string& text, const std::string& latex);
TTextstueck Spalte(const TQTripel& v);

// --- notation ---------------------------------------------------------------------

// An element name inside a formula.
std::string Name(const std::string& n, Stil s);
// "u⃗" / "\vec{u}"; a name of the document is escaped like every name.
std::string Vek(const std::string& n, Stil s);
// "AB⃗" / "\overrightarrow{AB}"
std::string Strecke(const std::string& a, const std::string& b, Stil s);
std::string Z(const TRational& q, Stil s);
// A number as a factor: negative ones in brackets.
std::string K(const TRational& q, Stil s);
std::string W(const TWurzelzahl& w, Stil s);
std::string Wurzelzeichen(const std::string& innen, Stil s);
std::string Bruch(const std::string& z, const std::string& n, Stil s);
// A rounded decimal in the user's separator, with the textbook's minus
// sign; in LaTeX the comma without the space of punctuation.
std::string Dezimal(Real x, Stil s);
std::string Ungefaehr(Stil s);
// "a1·b1 + a2·b2 + a3·b3"
std::string SkalarAusgeschrieben(const TQTripel& a, const TQTripel& b, Stil s);
// "√(a1² + a2² + a3²)"
std::string BetragAusgeschrieben(const TQTripel& a, Stil s);
std::string Betragsstriche(const std::string& x, Stil s);

// --- the solution builder -----------------------------------------------------------

class TWeg {
public:
    TLoesungsweg Weg;
    // The name the result point has in the document, where the caller knows
    // it; else the usual letter (S for an intersection, F for a foot point).
    std::string Ergebnisname;
    // False when the marks fit no case of the task: there is no solution.
    bool Passend = true;

    // The names the document uses; a helper point of the solution never
    // takes one of them, nor one the solution has given already.
    const TListe* Liste = nullptr;
    std::vector<std::string> Vergeben;

    // The usual letter (F, A, l), else the letter with 1, 2, ...
    std::string Frei(const std::string& vorschlag);
    // The result point: its name in the document where the caller knows it.
    std::string Ergebnis(const std::string& vorgabe) {
        return Ergebnisname.empty() ? Frei(vorgabe) : Ergebnisname;
    }
    void Satz(std::vector<TTextstueck> s) {
        Weg.Zeilen.push_back({std::move(s), TTextzeilenart::Satz});
    }
    void Satz(const std::string& text) { Satz(std::vector<TTextstueck>{T(text)}); }
    void Formel(std::vector<TTextstueck> s) {
        Weg.Zeilen.push_back({std::move(s), TTextzeilenart::Formel});
    }
    void Formel(const std::function<std::string(Stil)>& f) {
        Formel(std::vector<TTextstueck>{F(f)});
    }
};

// The steps of rechnen; an exception (an exact value out of range) turns
// them into the sentence that there are no exact values. Marks that fit no
// case of the task have no solution.
std::optional<TLoesungsweg> Schritte(TWeg& w,
                                     const std::function<void(TExakteAuswertung&)>& rechnen);

// --- shared steps ----------------------------------------------------------------------

struct TGerade {
    std::string Name;
    TQTripel Punkt, Richtung;
    const char* Parameter = "r";
    bool Strecke = false; // a segment: the parameter runs from 0 to 1
};

struct TEbene {
    std::string Name;
    TQGeometrie G;
    TKoordinatenform K;
};

TEbene Ebene(const std::string& name, const TQGeometrie& g);
TQTripel Normale(const TEbene& e);

// The sentence that there are no exact values.
bool KeineExaktenWerte(TWeg& w);
// The line or segment e with the parameter; gut turns false when it has no
// exact value.
TGerade GeradeVon(TExakteAuswertung& a, const TDreiDBasisElement* e, const char* parameter,
                  bool& gut);
std::optional<TEbene> EbeneVon(TExakteAuswertung& a, const TDreiDBasisElement* e);

void GeradeZeigen(TWeg& w, const TGerade& g);
void KoordinatenformZeigen(TWeg& w, const TEbene& e);
// Inserts the line into the coordinate form and solves for the parameter;
// the point where the line meets the plane, or nothing (with the verdict).
std::optional<TQTripel> GeradeInEbene(TWeg& w, const TGerade& g, const TEbene& e,
                                      const std::string& punktName, bool strecke = false);
// The foot of the perpendicular from p on the line, found with PF⃗·u⃗ = 0;
// the foot is called fn.
std::optional<TQTripel> LotfussAufGerade(TWeg& w, const std::string& pName, const TQTripel& p,
                                         const TGerade& g, const std::string& fn);
// |v| with the numbers inserted; the exact value. The left side is one
// formula for both notations, unless its LaTeX is given apart (a name).
std::optional<TWurzelzahl> BetragZeigen(TWeg& w, const std::string& links, const TQTripel& v,
                                        const char* einheit, const std::string& linksLatex = {});

// --- cases that several tasks take -------------------------------------------------------

// Two lines (h may be a segment) by their equations: their common point,
// or that they are parallel or skew and, unless nurSchnitt, their distance.
void GeradeGerade(TWeg& w, const TGerade& g, const TGerade& h, bool nurSchnitt = false);
// The perpendicular from the point onto the line (its length), or with
// spiegeln the reflection of the point in the line.
void LotPunktGerade(TWeg& w, TExakteAuswertung& a, const TDreiDBasisElement* punkt,
                    const TDreiDBasisElement* gerade, bool spiegeln);

} // namespace kalvorin::exakt::loesungsweg
