#pragma once
// What every document must satisfy after every command, dialog, deletion,
// undo, load and insert: the rules the rebuild, the writer and the undo
// rely on. Each check returns an empty text when the rule holds, otherwise
// a short English description of the first breach (for test output and the
// command-sequence fuzzer, never shown to the user).

#include "math/Koordinatensystem.h"
#include "model/Liste.h"

#include <string>

namespace kalvorin {

class TDokument;

// At most TListe::Kapazitaet elements, slots 1..Anzahl filled.
std::string ElementzahlPruefen(const TListe& liste);

// Every name non-empty, at most 12 characters, unique (case-sensitive) and
// storable in the document file as itself.
std::string NamensregelnPruefen(const TListe& liste);

// Every reference (definition, origin, operands, projection vector) points
// to an element of the same list. References of the definition and of the
// origin point to elements before their holder, with the exceptions the
// element order allows: the parts an element dialog appends right after
// the element it defines (free points and vectors holding their numbers),
// the vector an arrow "Punkt-Punkt" carries, and the image points behind
// the image of a composite element. The projection vector is a role, not a
// source, and may stand anywhere, but only a plane with the role of the
// parallel projection holds one.
std::string BezuegePruefen(const TListe& liste);

// No element depends on itself, directly or through others (the arrow
// "Punkt-Punkt" and the vector it carries refer to each other by design).
std::string KreisfreiheitPruefen(const TListe& liste);

// Everything the list holds except serial numbers and scene objects, with
// every number bit for bit; two lists that describe the same document give
// the same text.
std::string ListenAbbild(const TListe& liste);

// Rebuilds the document twice: both rebuilds give the same elements and the
// same messages (the rebuild after a change has already reported and
// hidden what cannot be shown).
std::string NeuaufbauPruefen(TDokument& dokument);

// The file bytes the writer produces for the document, made in memory;
// empty when it refuses to write.
std::string Dateibild(const TListe& liste, const TKoordinatensystem& ks);

// Save, load into a fresh document, save again, all in memory: the same
// bytes, the same number of elements and the same names.
std::string SpeichernPruefen(const TListe& liste, const TKoordinatensystem& ks);

// Undo on the document: afterwards the list is the one abgebildVorher
// (ListenAbbild taken just before the operation that took the snapshot).
std::string RueckgaengigPruefen(TDokument& dokument, const std::string& abbildVorher);

// Everything a document's file holds and more: the list image, every field
// of the coordinate system and the modified flag. Equal images: the
// document did not change.
std::string ZustandsAbbild(const TDokument& dokument);

// A refused dialog or command changed nothing: neither the file's content
// nor marks, visibility or the modified flag (zustandVorher from
// ZustandsAbbild).
std::string UnveraendertPruefen(const TDokument& dokument, const std::string& zustandVorher);

// The rules that need nothing but the list and the coordinate system, in
// the order above.
std::string ListeninvariantenPruefen(const TListe& liste);

} // namespace kalvorin
