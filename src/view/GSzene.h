#pragma once
// The drawing model of one view: the visible geometry of a document and of
// its coordinate system as scene objects, cut into pieces so that no piece
// passes through a plane, projected onto the drawing plane, ordered from
// back to front, drawn, and searched for the object under a mouse position.
//
// Geometry is handed to the scene in document space. The scene keeps it so
// and carries it into rotated space (the view matrix) when it projects, so
// objects may be added at any time and any number of rotations never makes
// the stored geometry drift.

#include "math/Matrix4.h"
#include "math/Tripel.h"
#include "view/Bildtests.h"
#include "view/Drehkugel.h"
#include "view/Weltabbildung.h"
#include "view/Zeichenflaeche.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvorin {

enum class TObjektArt : char {
    Punkt = 'P',
    Gerade = 'G',  // a line, or an auxiliary line of a point form
    Strecke = 'S', // a segment, also the shaft of an arrow
    Achse = 'A',   // a coordinate axis
    Ebene = 'E',
    KoordEbene = 'K', // a coordinate plane
    Rand = 'R',       // an edge of the rectangle of an 'E' or 'K' object
    Kugel = 'B',      // a sphere: its outline, equator and a meridian
    Kreis = 'C',      // a circle in space
};

enum class TStueckArt : char {
    Punkt = 'P',
    Linie = 'G',
    Polygon = 'E',
};

enum TPunktform : int {
    PunktformKreis = 0,
    PunktformKreuz = 1,
    PunktformDreibein = 2,
    PunktformDreibeinXYZ = 3,
    PunktformZickzack = 4,
};

// Results of the add operations besides an object number.
inline constexpr int SzeneAusserhalb = 0;
inline constexpr int SzeneVoll = -1;
inline constexpr int SzeneParallel = -2;

inline constexpr int MaxSzenenObjekte = 100;
inline constexpr int MaxStuecke = 250;
inline constexpr int MaxEcken = 10;
inline constexpr int MaxNamenZeichen = 8;
// A circle of a sphere or a circle element is this many line pieces (for
// the depth order and the hit test), each drawn as this many strokes.
inline constexpr int Bogenstuecke = 12;
inline constexpr int Bogenteile = 6;

struct TSzenenObjekt {
    TObjektArt Art = TObjektArt::Punkt;
    TTripel Basis{};
    TStift Stift{};
    TFarbe FuellFarbe = Weiss;
    int Schraffur = SchraffurKeine;
    std::string Name;
    TFarbe NamenFarbe = Schwarz;
    int NamenGroesse = 1; // 0..3
    bool NameSichtbar = false;
    bool Waehlbar = true;
    bool Gezeigt = true;
    TTripel Beschriftungspunkt{};
    TLogPunkt BeschriftungProj{};

    // 'P'
    int Punktform = PunktformKreis;
    int Punktgroesse = 1;
    int ErsteHilfslinie = 0;    // first of nine, 0 while not created
    int ErsteZickzacklinie = 0; // first of three, 0 while not created

    // 'G', 'R', 'S', 'A': the points Basis + t Richtung, Unten <= t <= Oben
    TTripel Richtung{};
    Real Unten = 0;
    Real Oben = 0;
    bool WeisserRand = false; // 'G'
    bool Pfeil = false;       // 'S', 'A'
    // 'S': the display range cut the segment short of its real end, so an
    // arrow has no head there.
    bool EndeGekappt = false;
    std::array<TTripel, 3> Pfeilspitze{}; // tip, then the two back corners
    std::array<TLogPunkt, 3> PfeilspitzeProj{};
    int Ebene = 0; // 'R': number of its plane

    // 'A'
    char Achse = 0; // 'X', 'Y' or 'Z'
    int Skalierung = 0;
    bool Striche = false;
    bool Beschriftung = false;
    Real Schritt = 0;
    Real ErsterStrich = 0;
    int Strichzahl = 0;
    std::vector<std::array<TTripel, 2>> Strichpunkte;
    std::vector<std::array<TLogPunkt, 2>> StrichProj;

    // 'E', 'K': spanned by U and V; N = U x V and D = N . Basis with D >= 0
    // 'B', 'C': Basis the centre, D the radius; 'C': N the normal, U and V
    // its radius vectors; 'B': U and V those of the outline (the great
    // circle across the direction of view), made by every projection. The
    // curve parameter runs from Unten = 0 to Oben = 2 pi times the number
    // of circles (a sphere: outline, equator, meridian).
    TTripel U{}, V{}, N{};
    Real D = 0;
    int Transparenz = 0;

    // Rotated space, filled by the projection.
    TTripel NGedreht{};
    Real DGedreht = 0;
    TTripel BasisGedreht{};
    TTripel RichtungGedreht{};
    bool Hochkant = false; // a plane seen edge-on

    bool IstLinienartig() const {
        return Art == TObjektArt::Gerade || Art == TObjektArt::Strecke ||
               Art == TObjektArt::Achse || Art == TObjektArt::Rand;
    }
    bool IstFlaeche() const { return Art == TObjektArt::Ebene || Art == TObjektArt::KoordEbene; }
    bool IstRund() const { return Art == TObjektArt::Kugel || Art == TObjektArt::Kreis; }
};

struct TStueck {
    int Objekt = 0;
    TStueckArt Art = TStueckArt::Punkt;
    Real Unten = 0; // line pieces: the part of the object's interval covered
    Real Oben = 0;
    int Eckenzahl = 0;
    std::array<TTripel, MaxEcken> Ecken{}; // document space
    TTripel Bezugspunkt{};
    // Rotated space and projection, filled by the projection.
    std::array<TTripel, MaxEcken> EckenGedreht{};
    std::array<TLogPunkt, MaxEcken> EckenProj{};
    TTripel BezugGedreht{};
    TLogPunkt BezugProj{};
    // The bounding box of the projected corners.
    TLogPunkt BildMin{}, BildMax{};
};

// A set of scene objects by number (bit 0 unused).
using TObjektmenge = std::bitset<MaxSzenenObjekte + 1>;

// The colour at full strength: the same hue, its weakest component taken to
// 0 and its strongest to 255 (a grey becomes black). Planes' edges in
// "Präsentation".
TFarbe VolleFarbe(TFarbe c);

// Whether one colour is hard to make out on the other: they lie close
// together in the CIELAB colour space, which measures differences as the eye
// sees them.
bool FarbenNah(TFarbe a, TFarbe b);
// The outline that sets a point off from a background of about its own
// colour: white round a dark colour, black round a light one.
TFarbe Umrissfarbe(TFarbe c);

// The colour of the halo round marked objects on the screen.
inline constexpr TFarbe Markierfarbe = RGB(255, 150, 0);

// A triangle or pyramid as the textbook view fills and hides it: its faces
// (document space) and the scene objects of its edges.
struct TKoerper {
    std::vector<std::array<TTripel, 3>> Flaechen;
    std::vector<int> Kanten;
    TFarbe Farbe = Schwarz;
    // What the textbook view fills; empty: each face. A quadrilateral hides
    // by its two triangles but is filled as one, so no diagonal shows.
    std::vector<std::vector<TTripel>> Fuellflaechen = {};
};

// A name placed by the textbook view: the rectangle of its text (logical
// units) and, where it had to move away, the leader line from its anchor.
struct THeftBeschriftung {
    std::string Text;
    TLogRechteck Rahmen;
    TLogPunkt Anker{};
    bool Hinweislinie = false;
    int Schrifthoehe = 0;
    TFarbe Farbe = Schwarz;
};

// What the textbook view draws of a scene in one position: fills, lines in
// their visible and hidden parts, points and the placed names (Heftzeichnen.cpp).
struct THeftPlan;

// A mutex for a member of a copyable class: a copy gets a lock of its own.
struct TKopierbareSperre {
    std::mutex m;
    TKopierbareSperre() = default;
    TKopierbareSperre(const TKopierbareSperre&) {}
    TKopierbareSperre& operator=(const TKopierbareSperre&) { return *this; }
};

// The textbook view's plan, made once for a state of the scene, the mapping
// and the settings it depends on, and shared by every band of a picture.
class THeftPlanSpeicher {
public:
    struct TSchluessel {
        std::uint64_t Stand = 0;
        Real Welt[4] = {};
        TLogRechteck Fenster{};
        bool Spurdreieck = false, Indiziert = false;
        char Dezimaltrenner = 0;
        int NamenGesetzt = 0, ZahlenGesetzt = 0; // the heights names are really set in
        friend bool operator==(const TSchluessel&, const TSchluessel&) = default;
    };
    THeftPlanSpeicher() = default;
    // A copy of a scene makes its own plan.
    THeftPlanSpeicher(const THeftPlanSpeicher&) {}
    THeftPlanSpeicher& operator=(const THeftPlanSpeicher&) {
        plan_.reset();
        return *this;
    }
    template <class F> std::shared_ptr<const THeftPlan> Holen(const TSchluessel& s, F machen) {
        std::lock_guard sperre(m_);
        if (!plan_ || !(s == schluessel_)) {
            plan_ = machen();
            schluessel_ = s;
        }
        return plan_;
    }

private:
    std::mutex m_;
    std::shared_ptr<const THeftPlan> plan_;
    TSchluessel schluessel_;
};

// Outcome of comparing two pieces for the drawing order.
enum class TVorne : int {
    Keins = 0,
    Erstes = 1,
    Zweites = 2,
};

class tGSzene {
public:
    // The scene keeps a reference to the mapping of its graph box for the
    // projection to logical units and for the sizes of text and symbols.
    explicit tGSzene(const TWeltAbbildung& abbildung);

    // Clears the scene, then sets the display cube.
    void SetzeDarstellungswuerfel(TTripel mitte, Real h);
    // Removes every object and piece; the view matrix stays.
    void Leeren();

    // The view matrix becomes m * (view matrix).
    void MatrixAnwenden(const TMatrix4& m);
    void MatrixZuruecksetzen();
    const TMatrix4& Matrix() const { return matrix_; }

    void SetzeDrehkugel(const TDrehkugel& kugel) { kugel_ = kugel; }
    const TDrehkugel& Drehkugel() const { return kugel_; }
    // Turns the view as the drag from one mouse position to the next asks.
    // In the textbook view a drag turns about the vertical axis only, and
    // with `kippen` tilts the view within +-30 degrees instead.
    void Ziehen(TLogPunkt vorher, TLogPunkt jetzt, bool kippen = false);

    // The textbook view ("Heftansicht") or the view's own. Clearing the
    // scene keeps it; the caller sets the window and the initial position
    // anew (AusgangslageSetzen).
    void SetzeProjektionsart(TProjektionsart art) { art_ = art; }
    TProjektionsart Projektionsart() const { return art_; }
    bool Heftansicht() const { return art_ == TProjektionsart::Heft; }
    // The textbook view turned and tilted (radians); the view matrix follows.
    void SetzeHeftlage(Real drehung, Real kippung);
    Real HeftDrehung() const { return heftDrehung_; }
    Real HeftKippung() const { return heftKippung_; }

    // A triangle or pyramid for the textbook view; the design's own view
    // draws only its edges.
    void KoerperHinzufuegen(TKoerper k) {
        koerper_.push_back(std::move(k));
        ++stand_;
    }
    const std::vector<TKoerper>& Koerper() const { return koerper_; }
    // A point of document space in logical units, as the view shows it now.
    TLogPunkt Bild(TTripel p) const;
    // The names of the textbook view where it places them.
    std::vector<THeftBeschriftung> HeftBeschriftungen() const;

    // Object number, or SzeneAusserhalb, SzeneVoll, SzeneParallel.
    int PunktHinzufuegen(TTripel p);
    int GeradeHinzufuegen(TTripel p, TTripel richtung);
    int StreckeHinzufuegen(TTripel p, TTripel richtung, Real oben = 1, Real unten = 0);
    int EbeneHinzufuegen(TTripel p, TTripel u, TTripel v);
    int AchseHinzufuegen(char achse, Real oben, Real unten);
    int KugelHinzufuegen(TTripel mitte, Real radius);
    int KreisHinzufuegen(TTripel mitte, TTripel normale, Real radius);

    // The point of a round object at the curve parameter t (document space).
    TTripel Kurvenpunkt(const TSzenenObjekt& o, Real t) const;
    // The direction towards the viewer in document space (unit length).
    TTripel ZumBetrachter() const;
    // Whether the point lies behind the sphere (centre m, radius r) as the
    // viewer sees it: on its back half, or hidden by it from further back.
    bool HinterKugel(TTripel p, TTripel m, Real r) const;
    // Whether some sphere of the scene hides the point.
    bool VonKugelVerdeckt(TTripel p, int ausser = 0) const;
    int KoordEbeneHinzufuegen(char ebene, Real oben2, Real unten2, Real oben1, Real unten1);

    // Attribute operations ignore numbers beyond the count and objects of the wrong kind.
    void SetzeStift(int nr, TFarbe farbe, int breite, TStiftStil stil = TStiftStil::Durchgezogen);
    void SetzeFuellung(int nr, TFarbe farbe, int schraffur = SchraffurKeine);
    void SetzeTransparenz(int nr, int transparenz);
    void SetzeName(int nr, std::string_view name, int groesse, TFarbe farbe);
    void SetzeNameSichtbar(int nr, bool sichtbar);
    void SetzePfeil(int nr, bool pfeil);
    void SetzeWeissenRand(int nr, bool rand);
    void SetzePunktform(int nr, int form, int groesse);
    void SetzeStriche(int nr, int skalierung);
    void SetzeAchsenbeschriftung(int nr, bool beschriftung);
    void SetzeGezeigt(int nr, bool gezeigt);

    // Rotates and projects everything to logical units.
    void Projizieren();
    // Orders the projected pieces from back to front. Pairs whose pictures
    // lie apart are not compared; without that early rejection (the reference
    // for tests) every pair is, with the same result. The textbook view draws
    // from its own plan and needs the order only to find what was clicked:
    // there it is made when first asked for, not on every step of a drag.
    void Sortieren(bool vorpruefen = true);
    // Draws the pieces in the drawing order; nothing before the first
    // projection. The objects in `markiert` (a plane with its edges) get a
    // halo in the marking colour right behind each of their pieces.
    // volleRandfarben: the edges of planes in full-strength colours.
    void Zeichnen(TZeichenflaeche& flaeche, const TObjektmenge* markiert = nullptr,
                  bool volleRandfarben = false) const;
    // The dotted outline of the rotation sphere's image.
    void KugelumrissZeichnen(TZeichenflaeche& flaeche) const;
    // Objects under a logical position, the one drawn last first.
    std::vector<int> Treffer(TLogPunkt p, int hoechstens) const;

    // Which of two projected pieces lies in front where their pictures overlap.
    TVorne Vergleichen(int stueck1, int stueck2) const;
    // False only when the two pieces can have no relation: their pictures lie
    // too far apart for any of the overlap tests of Vergleichen.
    bool KoennenUeberlappen(int stueck1, int stueck2) const;

    int Objektzahl() const { return static_cast<int>(objekte_.size()); }
    int Stueckzahl() const { return static_cast<int>(stuecke_.size()); }
    const TSzenenObjekt& Objekt(int nr) const { return objekte_[nr - 1]; }
    const TStueck& Stueck(int nr) const { return stuecke_[nr - 1]; }
    // Piece numbers, back to front.
    const std::vector<int>& Zeichenfolge() const {
        FolgeSichern();
        return folge_;
    }
    bool Projiziert() const { return projiziert_; }
    TTripel Wuerfelmitte() const { return mitte_; }
    Real Halbseite() const { return h_; }
    const TWeltAbbildung& Abbildung() const { return *abbildung_; }

private:
    TSzenenObjekt* ObjektPtr(int nr);
    // Room for one more piece, keeping what the object being added still needs.
    bool StueckFrei() const { return Stueckzahl() < MaxStuecke - reserviert_; }
    int NeuesObjekt(TObjektArt art);
    int NeuesStueck(int objekt, TStueckArt art);
    void Entwerten();
    // Makes the drawing order if it is owed, once, whichever thread asks.
    void FolgeSichern() const;
    void FolgeBilden(bool vorpruefen) const;
    // The inside of a piece's picture less its rim (empty but for polygons):
    // the one made by the projection, or else made into ersatz.
    const bild::TInnenbereich& Innenbereich(int stueck,
                                            std::optional<bild::TInnenbereich>& ersatz) const;

    // Interval of the line p + t w inside the clipping sphere; false if it misses.
    bool Kugelschnitt(TTripel p, TTripel w, Real& t1, Real& t2) const;
    int LinienObjekt(TObjektArt art, TTripel p, TTripel w, Real unten, Real oben);
    int FlaechenObjekt(TObjektArt art, TTripel basis, TTripel u, TTripel v,
                       const std::array<TTripel, 4>& ecken);
    void LinienStueckSetzen(TStueck& s, const TSzenenObjekt& o, Real unten, Real oben);
    void PolygonBezugSetzen(TStueck& s);
    void Pfeilspitze(TSzenenObjekt& o);
    // The pieces of a round object: chords of its curve.
    int RundesObjekt(TObjektArt art, TTripel mitte, Real radius, TTripel normale);
    void BogenStueckSetzen(TStueck& s, const TSzenenObjekt& o) const;
    // A sphere's outline for the view matrix as it is now.
    void UmrissSetzen(int objekt);
    // The strokes of a piece of a round object, in logical units.
    std::array<TLogPunkt, Bogenteile + 1> Bogen(const TStueck& s, const TSzenenObjekt& o) const;
    void Striche(TSzenenObjekt& o);
    void Hilfslinien(int punkt, int erste, int anzahl);
    // When no piece left can be placed: the one to place next. nach[j]: the
    // pieces to be drawn after j; zaehler: how many unplaced pieces each
    // still waits for.
    // The arrow head is drawn: the object carries one and its real end is shown.
    static bool SpitzeGezeigt(const TSzenenObjekt& o) { return o.Pfeil && !o.EndeGekappt; }
    int ZyklusAufbrechen(const std::vector<std::vector<int>>& nach, const std::vector<int>& zaehler,
                         const std::vector<char>& gesetzt) const;

    // Cutting (SzeneSchneiden.cpp)
    void NeueStueckeSchneiden(int objekt, int erstesStueck);
    void EbeneSchneidetAlle(int ebene);
    bool LinieSchneiden(int stueck, const TSzenenObjekt& ebene);
    bool PolygonSchneiden(int stueck, const TSzenenObjekt& ebene);

    // Drawing (SzeneZeichnen.cpp)
    void PolygonZeichnen(TZeichenflaeche& f, const TStueck& s, const TSzenenObjekt& o) const;
    // `flaechen`: the plane pieces drawn so far, in their order; what lies
    // under a point or a name.
    void LinieZeichnen(TZeichenflaeche& f, const TStueck& s, const TSzenenObjekt& o,
                       const std::vector<int>& flaechen, bool volleRandfarben = false) const;
    // `hof`: the point has the marks' halo, which sets it off already.
    void PunktZeichnen(TZeichenflaeche& f, const TStueck& s, const TSzenenObjekt& o,
                       const std::vector<int>& flaechen, bool hof = false) const;
    // The colour those planes left at p; none where no plane lies under it.
    std::optional<TFarbe> Untergrund(TLogPunkt p, const std::vector<int>& flaechen) const;
    void HofZeichnen(TZeichenflaeche& f, const TStueck& s, const TSzenenObjekt& o) const;
    void NameZeichnen(TZeichenflaeche& f, const TSzenenObjekt& o, int nr,
                      const std::vector<int>& flaechen) const;
    void StricheZeichnen(TZeichenflaeche& f, const TStueck& s, const TSzenenObjekt& o) const;
    // The textbook view (Heftzeichnen.cpp).
    void HeftZeichnen(TZeichenflaeche& f, const TObjektmenge* markiert) const;
    // The marks' halo behind what the plan draws of the marked objects.
    void HofZeichnen(TZeichenflaeche& f, const THeftPlan& plan, const TObjektmenge& markiert) const;
    // The plan for names set as `flaeche` sets them (as asked without one).
    std::shared_ptr<const THeftPlan> HeftPlan(const TZeichenflaeche* flaeche = nullptr) const;

    const TWeltAbbildung* abbildung_;
    TTripel mitte_{};
    Real h_ = 4;
    TMatrix4 matrix_;
    TDrehkugel kugel_{};
    TProjektionsart art_ = TProjektionsart::Schraeg;
    Real heftDrehung_ = 0;
    Real heftKippung_ = 0;
    std::vector<TKoerper> koerper_;
    std::vector<TSzenenObjekt> objekte_;
    std::vector<TStueck> stuecke_;
    // The drawing order; owed (offen) where Sortieren left it to the first
    // reader, which may be any of the threads drawing bands of a picture.
    mutable std::vector<int> folge_;
    mutable bool folgeOffen_ = false;
    bool folgeVorpruefen_ = true;
    mutable TKopierbareSperre folgeSperre_;
    // Per piece, the inside of a polygon's picture less its rim, made once
    // per projection for the comparisons of the sort.
    std::vector<bild::TInnenbereich> innen_;
    bool projiziert_ = false;
    mutable bool sortiert_ = false;
    // Pieces kept back for the edges of a plane while its cuts are made.
    int reserviert_ = 0;
    // Counts every change of objects, pieces, solids, the view matrix and
    // every projection: the textbook view's plan is made anew after each.
    std::uint64_t stand_ = 0;
    mutable THeftPlanSpeicher heftPlan_;
};

} // namespace kalvorin
