#pragma once
// The geometric elements of a document. Elements are plain records: their
// geometry is computed by the evaluation from the element and the elements
// it refers to, never by a method of the element itself.

#include "math/Farbe.h"
#include "math/Tripel.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kalvorin {

// Kind byte; the numbers are stored in documents.
enum class TElementart : std::uint8_t {
    DfrPunkt = 0,
    DgebPunkt = 1, // reserved, never created
    DVektor = 2,
    DPfeil = 3,
    DStrecke = 4,
    DGerade = 5,
    DDreieck = 6,
    DPyramide3 = 7,
    DEbene = 8,
    DWinkel = 9, // reserved, never created
    DPllgr = 10, // reserved, never created
    DSpat = 11,  // reserved, never created
    DKugel = 12,
    DKreis = 13,
    DPSchar = 14, // reserved, never created
    DVschar = 15, // reserved, never created
    DGschar = 16, // reserved, never created
    DEschar = 17, // reserved, never created
    DViereck = 18,
    DPyramide4 = 19,
};
inline constexpr int AnzahlElementarten = 20;

// "DfrPunkt" ... "DPyramide4"; empty for numbers above 19.
std::string_view ElementartName(int art);
// True for the kinds that have an element class (0, 2..8, 12, 13, 18 and 19).
bool HatElementklasse(int art);

// Derivation codes; the numbers are stored in documents.
enum class TEntstehungsart : std::uint8_t {
    keine = 0,
    Schnitt = 1,
    ASpiegelung = 2,
    PSpiegelung = 3,
    ESpiegelung = 4,
    Streckung = 5,
    Drehung = 6,     // reserved
    Translation = 7, // reserved
    O_Projektion = 8,
    P_Projektion = 9,
    LotPE = 10,
    LotPG = 11,
    LotGG = 12,
    TeilPunkt = 13,
    Mittelpunkt = 14,
    Schwerpunkt = 15,
    Mittelgerade = 16,
    MittelEbene = 17,
    Add2 = 18,
    Add3 = 19,
    Gegenvektor = 20,
    VProdukt = 21,
    SMult = 22,
    Antragen = 23, // reserved
    // The codes earlier versions do not know (see FuerFruehereFrei).
    KugelSchnittpunkt = 24, // a line and a sphere, the point of that number
    Beruehrpunkt = 25,      // a sphere and a line, plane or sphere that touches it
    Tangentialebene = 26,   // a sphere and a point on it
};
inline constexpr int AnzahlEntstehungsarten = 27;

// "keine" ... "Antragen"; empty for unknown codes.
std::string_view EntstehungsartName(int code);
// Codes 2..5, 8, 9: the element is the image of its Originalelement.
bool IstAbbildungsEntstehung(TEntstehungsart art);

// Roles of an element in the currently defined mappings, in file order.
enum class TRolle : std::uint8_t {
    IstSpiegelzentrum,
    IstSpiegelAchse,
    IstSpiegelEbene,
    IstStreckungszentrum,
    IstO_Projektionsebene,
    IstP_Projektionsebene,
    IstP_ProjektionsVektor,
};
inline constexpr int AnzahlRollen = 7;
std::string_view RollenName(TRolle rolle);

class TDreiDBasisElement;

// One operand of a derivation: a reference, or for the codes that need one
// (factor, ratio) a number.
struct TEntstehungsElement {
    TDreiDBasisElement* Element = nullptr;
    Real Zahl = 0;
};

struct TEntstehung {
    TEntstehungsart Art = TEntstehungsart::keine;
    TDreiDBasisElement* Originalelement = nullptr;
    std::array<TEntstehungsElement, 3> Elemente{};
};

inline constexpr std::size_t MaxNamenLaenge = 12; // characters, not bytes

class TDreiDBasisElement {
public:
    virtual ~TDreiDBasisElement() = default;
    TDreiDBasisElement(const TDreiDBasisElement&) = delete;
    TDreiDBasisElement& operator=(const TDreiDBasisElement&) = delete;

    TElementart Art;
    std::string Name;               // UTF-8, at most 12 characters
    std::uint16_t Nummer = 0;       // serial number given by the list
    std::bitset<256> Szenenobjekte; // drawing objects the scene holds for it
    // Its helper lines in the scene (the dashed line from an image to its
    // original): left out together with it (the steps, a worksheet's task),
    // but never named, marked or hit in its place.
    std::bitset<256> Hilfsobjekte;
    TFarbe Farbe;
    std::int32_t Transparenz = 0;
    std::uint16_t Dicke = 1;
    bool fest = false;
    bool sichtbar = true;
    bool markiert = false;
    bool NameSichtbar;
    bool Hilfslinien;
    TEntstehung Entstehung;
    std::array<bool, AnzahlRollen> Rollen{};
    Real Streckungsfaktor = 1;
    // Meaningful only while the role IstP_Projektionsebene is set.
    TDreiDBasisElement* Projektionsvektor = nullptr;

    // Definition mode ("Festlegung"); 0 for the kinds with one mode.
    std::uint8_t Festlegung = 0;
    // The references of the definition mode, in the order the document file
    // names them; unused slots are null. Non-owning. Only a quadrilateral
    // uses the fourth.
    std::array<TDreiDBasisElement*, 4> Bezuege{};

    bool Rolle(TRolle r) const { return Rollen[static_cast<int>(r)]; }
    void SetzeRolle(TRolle r, bool wert) { Rollen[static_cast<int>(r)] = wert; }
    int ArtNummer() const { return static_cast<int>(Art); }

    // Copies every attribute and stored number but no reference (those the
    // list's copy maps onto the copied elements).
    virtual void KopiereWerte(const TDreiDBasisElement& quelle);
    // Whether an element of the same kind holds the same numbers of its own
    // (those beside the common attributes and the references): what undo
    // compares to name a step. Every class says it, so a new kind cannot
    // leave its numbers out.
    virtual bool GleicheEigeneWerte(const TDreiDBasisElement& andere) const = 0;

protected:
    explicit TDreiDBasisElement(TElementart art);
};

class TfrPunkt : public TDreiDBasisElement {
public:
    static constexpr TElementart Klassenart = TElementart::DfrPunkt;
    TfrPunkt();
    bool GleicheEigeneWerte(const TDreiDBasisElement& andere) const override;
    enum : std::uint8_t { Koord = 0, PV = 1 };
    TTripel Koordinaten;
    std::uint8_t Punktform; // 0 Kreis, 1 Kreuz, 2 Dreibein, 3 DreibeinXYZ, 4 Zickzack

    TDreiDBasisElement* Anfangspunkt() const { return Bezuege[0]; }
    TDreiDBasisElement* Vektor() const { return Bezuege[1]; }
    void KopiereWerte(const TDreiDBasisElement& quelle) override;
};

class TVektor : public TDreiDBasisElement {
public:
    static constexpr TElementart Klassenart = TElementart::DVektor;
    TVektor();
    bool GleicheEigeneWerte(const TDreiDBasisElement& andere) const override;
    enum : std::uint8_t { V = 0, V2P = 1, VG = 2, VE = 3, VPf = 4 };
    TTripel Komponenten;
    void KopiereWerte(const TDreiDBasisElement& quelle) override;
};

class TPfeil : public TDreiDBasisElement {
public:
    static constexpr TElementart Klassenart = TElementart::DPfeil;
    TPfeil();
    bool GleicheEigeneWerte(const TDreiDBasisElement& andere) const override;
    enum : std::uint8_t { PfPP = 0, PfPV = 1 };
    TDreiDBasisElement* Fusspunkt() const { return Bezuege[0]; }
    // PfPP: the tip; PfPV: the vector.
    TDreiDBasisElement* Spitze() const { return Festlegung == PfPP ? Bezuege[1] : nullptr; }
    // The vector that belongs to the arrow: its own one (PfPP) or the referenced one (PfPV).
    TDreiDBasisElement* Vektor() const { return Festlegung == PfPP ? Bezuege[2] : Bezuege[1]; }
};

class TStrecke : public TDreiDBasisElement {
public:
    static constexpr TElementart Klassenart = TElementart::DStrecke;
    TStrecke();
    bool GleicheEigeneWerte(const TDreiDBasisElement& andere) const override;
    TDreiDBasisElement* Anfang() const { return Bezuege[0]; }
    TDreiDBasisElement* Ende() const { return Bezuege[1]; }
};

class TGerade : public TDreiDBasisElement {
public:
    static constexpr TElementart Klassenart = TElementart::DGerade;
    TGerade();
    bool GleicheEigeneWerte(const TDreiDBasisElement& andere) const override;
    enum : std::uint8_t { GPAR = 0, GPP = 1, GPV = 2 };
    TTripel Punkt;
    TTripel Richtung;
    bool MitRand;
    void KopiereWerte(const TDreiDBasisElement& quelle) override;
};

class TDreieck : public TDreiDBasisElement {
public:
    static constexpr TElementart Klassenart = TElementart::DDreieck;
    TDreieck();
    bool GleicheEigeneWerte(const TDreiDBasisElement& andere) const override;
    TDreiDBasisElement* Ecke(int i) const { return Bezuege[i]; }
};

class TPyramide3 : public TDreiDBasisElement {
public:
    static constexpr TElementart Klassenart = TElementart::DPyramide3;
    TPyramide3();
    bool GleicheEigeneWerte(const TDreiDBasisElement& andere) const override;
    TDreiDBasisElement* Grundflaeche() const { return Bezuege[0]; }
    TDreiDBasisElement* Spitze() const { return Bezuege[1]; }
};

// A plane quadrilateral ABCD by its four corners in order (its sides AB,
// BC, CD, DA do not cross).
class TViereck : public TDreiDBasisElement {
public:
    static constexpr TElementart Klassenart = TElementart::DViereck;
    TViereck();
    bool GleicheEigeneWerte(const TDreiDBasisElement& andere) const override;
    TDreiDBasisElement* Ecke(int i) const { return Bezuege[i]; }
};

// A four-sided pyramid: its base quadrilateral and its apex.
class TPyramide4 : public TDreiDBasisElement {
public:
    static constexpr TElementart Klassenart = TElementart::DPyramide4;
    TPyramide4();
    bool GleicheEigeneWerte(const TDreiDBasisElement& andere) const override;
    TDreiDBasisElement* Grundflaeche() const { return Bezuege[0]; }
    TDreiDBasisElement* Spitze() const { return Bezuege[1]; }
};

class TEbene : public TDreiDBasisElement {
public:
    static constexpr TElementart Klassenart = TElementart::DEbene;
    TEbene();
    bool GleicheEigeneWerte(const TDreiDBasisElement& andere) const override;
    enum : std::uint8_t {
        EPAR = 0,
        ENOR = 1,
        EPPP = 2,
        EPVV = 3,
        EPG = 4,
        EGG = 5,
        EPV = 6,
        EGV = 7
    };
    // EPAR: point and two directions.
    TTripel Punkt;
    TTripel Richtung1;
    TTripel Richtung2;
    // ENOR: n1 x + n2 y + n3 z + d = 0.
    TTripel Normale;
    Real d = 0;
    void KopiereWerte(const TDreiDBasisElement& quelle) override;
};

class TKugel : public TDreiDBasisElement {
public:
    static constexpr TElementart Klassenart = TElementart::DKugel;
    TKugel();
    bool GleicheEigeneWerte(const TDreiDBasisElement& andere) const override;
    // MR: centre and radius; MP: a centre point and a point on the sphere;
    // MT: a centre point and a tangent plane.
    enum : std::uint8_t { MR = 0, MP = 1, MT = 2 };
    TTripel Zentrum;
    Real Radius = 1;
    TDreiDBasisElement* Mittelpunkt() const { return Bezuege[0]; }
    // MP: the point on the sphere; MT: the tangent plane.
    TDreiDBasisElement* Beruehrt() const { return Bezuege[1]; }
    void KopiereWerte(const TDreiDBasisElement& quelle) override;
};

// A circle in space: its centre, the normal of its plane and its radius.
class TKreis : public TDreiDBasisElement {
public:
    static constexpr TElementart Klassenart = TElementart::DKreis;
    TKreis();
    bool GleicheEigeneWerte(const TDreiDBasisElement& andere) const override;
    enum : std::uint8_t { MNR = 0 };
    TTripel Zentrum;
    TTripel Normale{0, 0, 1};
    Real Radius = 1;
    void KopiereWerte(const TDreiDBasisElement& quelle) override;
};

// A new element of the class for the kind; null for kinds without a class.
std::unique_ptr<TDreiDBasisElement> NeuesElement(int art);

// Typed access: the element must be of the class; anything else is an
// internal error (std::logic_error).
template <class T> T& Als(TDreiDBasisElement& e);
template <class T> const T& Als(const TDreiDBasisElement& e);

} // namespace kalvorin

#include "model/ElementCast.h"
