#include "geometry/Auswertung.h"

#include "geometry/Schnitt.h"
#include "model/StandardEinstellungen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace kalvorin {

namespace {

constexpr TTripel Ex{1, 0, 0};
constexpr TTripel Ey{0, 1, 0};
constexpr TTripel Ez{0, 0, 1};

bool IstArt(const TDreiDBasisElement* e, TElementart art) {
    return e != nullptr && e->Art == art;
}

// One top-level evaluation. Elements reached through references are
// remembered for the rest of it: a document may refer to the same element
// along many paths (a point moved by a vector between its predecessors, and
// so on), and following every path anew would grow exponentially with the
// length of such a chain. The same record detects a chain that leads back to
// an element still being evaluated, which only a hand-edited file can hold.
class TAuswerter {
public:
    int Punkt(const TDreiDBasisElement* e, TTripel& p);
    int Vektor(const TDreiDBasisElement* e, TTripel& v);
    int VektorOderPfeil(const TDreiDBasisElement* e, TTripel& v);
    int Gerade(const TDreiDBasisElement* e, TTripel& a, TTripel& d);
    int Strecke(const TDreiDBasisElement* e, TTripel& a, TTripel& d);
    int Pfeil(const TDreiDBasisElement* e, TTripel& a, TTripel& d);
    int Ebene(const TDreiDBasisElement* e, TTripel& a, TTripel& u, TTripel& v);
    int Dreieck(const TDreiDBasisElement* e, std::array<TTripel, 3>& ecken);
    int Viereck(const TDreiDBasisElement* e, std::array<TTripel, 4>& ecken);
    int Kugel(const TDreiDBasisElement* e, TTripel& m, Real& r);

private:
    struct Eintrag {
        const TDreiDBasisElement* Element;
        bool Fertig;
        int Fehler;
        TGeometrie G;
    };
    std::vector<Eintrag> merker_;
    // Open addressing over merker_: position + 1, or 0 for a free place.
    std::vector<std::uint32_t> tabelle_;

    // The place of e in tabelle_: its entry, or the free place where it belongs.
    std::size_t Platz(const TDreiDBasisElement* e) const;
    void Vergroessern();

    // Runs rechne once per element and top-level call.
    template <class F> int Gemerkt(const TDreiDBasisElement* e, TGeometrie& g, F rechne);

    int PunktRechnen(const TfrPunkt& p, TGeometrie& g);
    int VektorRechnen(const TVektor& v, TGeometrie& g);
    int GeradeRechnen(const TGerade& gerade, TGeometrie& g);
    int EbeneRechnen(const TEbene& e, TGeometrie& g);
    int EbeneAusPunktUndGerade(const TEbene& e, TGeometrie& g);
    int EbeneAusZweiGeraden(const TEbene& e, TGeometrie& g);
    // Point and direction of a line as stored or given by its references,
    // without the checks of the line evaluation.
    int GeradenDaten(const TDreiDBasisElement* e, TTripel& a, TTripel& d);
};

std::size_t TAuswerter::Platz(const TDreiDBasisElement* e) const {
    const std::size_t maske = tabelle_.size() - 1;
    std::size_t h = (reinterpret_cast<std::uintptr_t>(e) >> 4) * 0x9E3779B97F4A7C15ull;
    for (h = (h >> 20) & maske;; h = (h + 1) & maske)
        if (tabelle_[h] == 0 || merker_[tabelle_[h] - 1].Element == e) return h;
}

void TAuswerter::Vergroessern() {
    // A document holds at most 100 elements, so the first size is the last.
    tabelle_.assign(tabelle_.empty() ? 256 : 2 * tabelle_.size(), 0);
    for (std::size_t i = 0; i < merker_.size(); ++i)
        tabelle_[Platz(merker_[i].Element)] = static_cast<std::uint32_t>(i + 1);
}

template <class F> int TAuswerter::Gemerkt(const TDreiDBasisElement* e, TGeometrie& g, F rechne) {
    if (2 * (merker_.size() + 1) > tabelle_.size()) Vergroessern();
    const std::size_t platz = Platz(e);
    if (tabelle_[platz] != 0) {
        const Eintrag& m = merker_[tabelle_[platz] - 1];
        if (!m.Fertig) return FehlerBezug;
        g = m.G;
        return m.Fehler;
    }
    const std::size_t i = merker_.size();
    tabelle_[platz] = static_cast<std::uint32_t>(i + 1);
    merker_.push_back({e, false, 0, {}});
    TGeometrie ergebnis;
    const int fehler = rechne(ergebnis);
    merker_[i].Fertig = true;
    merker_[i].Fehler = fehler;
    merker_[i].G = ergebnis;
    g = ergebnis;
    return fehler;
}

int TAuswerter::Punkt(const TDreiDBasisElement* e, TTripel& p) {
    if (!IstArt(e, TElementart::DfrPunkt)) return FehlerBezug;
    const auto& punkt = static_cast<const TfrPunkt&>(*e);
    if (punkt.Festlegung != TfrPunkt::PV) {
        p = punkt.Koordinaten;
        return KeinFehler;
    }
    TGeometrie g;
    const int fehler = Gemerkt(e, g, [&](TGeometrie& r) { return PunktRechnen(punkt, r); });
    p = g.Punkt;
    return fehler;
}

int TAuswerter::PunktRechnen(const TfrPunkt& p, TGeometrie& g) {
    TTripel a, v;
    if (Punkt(p.Anfangspunkt(), a) == FehlerBezug || Vektor(p.Vektor(), v) == FehlerBezug)
        return FehlerBezug;
    g.Punkt = TripelSumme(a, v);
    return KeinFehler;
}

int TAuswerter::Vektor(const TDreiDBasisElement* e, TTripel& v) {
    if (!IstArt(e, TElementart::DVektor)) return FehlerBezug;
    const auto& vektor = static_cast<const TVektor&>(*e);
    if (vektor.Festlegung == TVektor::V) {
        v = vektor.Komponenten;
        return KeinFehler;
    }
    TGeometrie g;
    const int fehler = Gemerkt(e, g, [&](TGeometrie& r) { return VektorRechnen(vektor, r); });
    v = g.Richtung1;
    return fehler;
}

int TAuswerter::VektorOderPfeil(const TDreiDBasisElement* e, TTripel& v) {
    if (IstArt(e, TElementart::DPfeil)) {
        TTripel a;
        const int fehler = Pfeil(e, a, v);
        return fehler == FehlerBezug ? FehlerBezug : KeinFehler;
    }
    return Vektor(e, v);
}

int TAuswerter::VektorRechnen(const TVektor& vektor, TGeometrie& g) {
    TTripel& v = g.Richtung1;
    switch (vektor.Festlegung) {
    case TVektor::V2P: {
        TTripel p, q;
        if (Punkt(vektor.Bezuege[0], p) == FehlerBezug ||
            Punkt(vektor.Bezuege[1], q) == FehlerBezug)
            return FehlerBezug;
        v = Verbindungsvektor(p, q);
        return KeinFehler;
    }
    case TVektor::VG: {
        TTripel a;
        const int fehler = Gerade(vektor.Bezuege[0], a, v);
        if (fehler == KeinFehler) v = VereinfachterVektor(v);
        return fehler;
    }
    case TVektor::VE: {
        TTripel a, u, w;
        const int fehler = Ebene(vektor.Bezuege[0], a, u, w);
        v = Kreuzprodukt(u, w);
        if (fehler == KeinFehler) v = VereinfachterVektor(v);
        return fehler;
    }
    case TVektor::VPf: {
        TTripel a;
        // A zero arrow still has a vector: the zero vector.
        return Pfeil(vektor.Bezuege[0], a, v) == FehlerBezug ? FehlerBezug : KeinFehler;
    }
    default:
        return FehlerBezug;
    }
}

int TAuswerter::Gerade(const TDreiDBasisElement* e, TTripel& a, TTripel& d) {
    if (!IstArt(e, TElementart::DGerade)) return FehlerBezug;
    const auto& gerade = static_cast<const TGerade&>(*e);
    if (gerade.Festlegung == TGerade::GPAR) {
        a = gerade.Punkt;
        d = gerade.Richtung;
        return KeinFehler;
    }
    TGeometrie g;
    const int fehler = Gemerkt(e, g, [&](TGeometrie& r) { return GeradeRechnen(gerade, r); });
    a = g.Punkt;
    d = g.Richtung1;
    return fehler;
}

int TAuswerter::GeradeRechnen(const TGerade& gerade, TGeometrie& g) {
    if (GeradenDaten(&gerade, g.Punkt, g.Richtung1) == FehlerBezug) return FehlerBezug;
    if (!IstNullvektor(g.Richtung1)) return KeinFehler;
    return gerade.Festlegung == TGerade::GPP ? FehlerGeradePunkteGleich : FehlerGeradeNullvektor;
}

int TAuswerter::GeradenDaten(const TDreiDBasisElement* e, TTripel& a, TTripel& d) {
    if (!IstArt(e, TElementart::DGerade)) return FehlerBezug;
    const auto& gerade = static_cast<const TGerade&>(*e);
    switch (gerade.Festlegung) {
    case TGerade::GPAR:
        a = gerade.Punkt;
        d = gerade.Richtung;
        return KeinFehler;
    case TGerade::GPP: {
        TTripel q;
        if (Punkt(gerade.Bezuege[0], a) == FehlerBezug ||
            Punkt(gerade.Bezuege[1], q) == FehlerBezug)
            return FehlerBezug;
        d = Verbindungsvektor(a, q);
        return KeinFehler;
    }
    case TGerade::GPV:
        if (Punkt(gerade.Bezuege[0], a) == FehlerBezug ||
            VektorOderPfeil(gerade.Bezuege[1], d) == FehlerBezug)
            return FehlerBezug;
        return KeinFehler;
    default:
        return FehlerBezug;
    }
}

int TAuswerter::Strecke(const TDreiDBasisElement* e, TTripel& a, TTripel& d) {
    if (!IstArt(e, TElementart::DStrecke)) return FehlerBezug;
    TTripel ende;
    if (Punkt(e->Bezuege[0], a) == FehlerBezug || Punkt(e->Bezuege[1], ende) == FehlerBezug)
        return FehlerBezug;
    d = Verbindungsvektor(a, ende);
    return IstNullvektor(d) ? FehlerStreckePunkteGleich : KeinFehler;
}

int TAuswerter::Pfeil(const TDreiDBasisElement* e, TTripel& a, TTripel& d) {
    if (!IstArt(e, TElementart::DPfeil)) return FehlerBezug;
    TGeometrie g;
    const int fehler = Gemerkt(e, g, [&](TGeometrie& r) {
        if (Punkt(e->Bezuege[0], r.Punkt) == FehlerBezug) return FehlerBezug;
        if (e->Festlegung == TPfeil::PfPP) {
            TTripel spitze;
            if (Punkt(e->Bezuege[1], spitze) == FehlerBezug) return FehlerBezug;
            r.Richtung1 = Verbindungsvektor(r.Punkt, spitze);
            return IstNullvektor(r.Richtung1) ? FehlerPfeilPunkteGleich : KeinFehler;
        }
        if (e->Festlegung != TPfeil::PfPV || Vektor(e->Bezuege[1], r.Richtung1) == FehlerBezug)
            return FehlerBezug;
        return IstNullvektor(r.Richtung1) ? FehlerPfeilNullvektor : KeinFehler;
    });
    a = g.Punkt;
    d = g.Richtung1;
    return fehler;
}

int TAuswerter::Ebene(const TDreiDBasisElement* e, TTripel& a, TTripel& u, TTripel& v) {
    if (!IstArt(e, TElementart::DEbene)) return FehlerBezug;
    const auto& ebene = static_cast<const TEbene&>(*e);
    TGeometrie g;
    int fehler;
    if (ebene.Festlegung == TEbene::EPAR || ebene.Festlegung == TEbene::ENOR)
        fehler = EbeneRechnen(ebene, g);
    else
        fehler = Gemerkt(e, g, [&](TGeometrie& r) { return EbeneRechnen(ebene, r); });
    a = g.Punkt;
    u = g.Richtung1;
    v = g.Richtung2;
    return fehler;
}

int TAuswerter::EbeneRechnen(const TEbene& e, TGeometrie& g) {
    TTripel& a = g.Punkt;
    TTripel& u = g.Richtung1;
    TTripel& v = g.Richtung2;
    switch (e.Festlegung) {
    case TEbene::EPAR:
        a = e.Punkt;
        u = e.Richtung1;
        v = e.Richtung2;
        return KeinFehler;
    case TEbene::ENOR: {
        const TTripel& n = e.Normale;
        // A zero normal has no plane; the dialog never stores one, but a
        // document file may, and the point below would divide by zero.
        if (IstNullvektor(n)) return FehlerEbeneNormaleNull;
        if (n.x != 0)
            a = {-e.d / n.x, 0, 0};
        else if (n.y != 0)
            a = {0, -e.d / n.y, 0};
        else
            a = {0, 0, -e.d / n.z};
        RichtungenAusNormale(n, u, v);
        return KeinFehler;
    }
    case TEbene::EPPP: {
        TTripel p2, p3;
        if (Punkt(e.Bezuege[0], a) == FehlerBezug || Punkt(e.Bezuege[1], p2) == FehlerBezug ||
            Punkt(e.Bezuege[2], p3) == FehlerBezug)
            return FehlerBezug;
        u = Verbindungsvektor(a, p2);
        v = Verbindungsvektor(a, p3);
        return IstNullvektor(Kreuzprodukt(u, v)) ? FehlerEbenePunkteAufGerade : KeinFehler;
    }
    case TEbene::EPVV:
        if (Punkt(e.Bezuege[0], a) == FehlerBezug ||
            VektorOderPfeil(e.Bezuege[1], u) == FehlerBezug ||
            VektorOderPfeil(e.Bezuege[2], v) == FehlerBezug)
            return FehlerBezug;
        return IstNullvektor(Kreuzprodukt(u, v)) ? FehlerEbeneVektorenAbhaengig : KeinFehler;
    case TEbene::EPG:
        return EbeneAusPunktUndGerade(e, g);
    case TEbene::EGG:
        return EbeneAusZweiGeraden(e, g);
    case TEbene::EPV: {
        TTripel n;
        if (Punkt(e.Bezuege[0], a) == FehlerBezug ||
            VektorOderPfeil(e.Bezuege[1], n) == FehlerBezug)
            return FehlerBezug;
        if (IstNullvektor(n)) return FehlerEbeneNormaleNull;
        RichtungenAusNormale(n, u, v);
        return KeinFehler;
    }
    case TEbene::EGV:
        if (GeradenDaten(e.Bezuege[0], a, v) == FehlerBezug ||
            VektorOderPfeil(e.Bezuege[1], u) == FehlerBezug)
            return FehlerBezug;
        return IstNullvektor(Kreuzprodukt(u, v)) ? FehlerEbeneGeradeVektorAbhaengig : KeinFehler;
    default:
        return FehlerBezug;
    }
}

int TAuswerter::EbeneAusPunktUndGerade(const TEbene& e, TGeometrie& g) {
    TTripel& a = g.Punkt;
    TTripel& u = g.Richtung1;
    TTripel& v = g.Richtung2;
    const TDreiDBasisElement* ge = e.Bezuege[1];
    if (Punkt(e.Bezuege[0], a) == FehlerBezug || !IstArt(ge, TElementart::DGerade))
        return FehlerBezug;
    switch (ge->Festlegung) {
    case TGerade::GPAR: {
        const auto& gerade = static_cast<const TGerade&>(*ge);
        u = Verbindungsvektor(a, gerade.Punkt);
        v = gerade.Richtung;
        return IstNullvektor(Kreuzprodukt(u, v)) ? FehlerEbenePunktAufGerade : KeinFehler;
    }
    case TGerade::GPP: {
        TTripel q1, q2;
        if (Punkt(ge->Bezuege[0], q1) == FehlerBezug || Punkt(ge->Bezuege[1], q2) == FehlerBezug)
            return FehlerBezug;
        u = Verbindungsvektor(a, q1);
        v = Verbindungsvektor(a, q2);
        return IstNullvektor(Kreuzprodukt(u, v)) ? FehlerEbenePunktAufGeradePP : KeinFehler;
    }
    case TGerade::GPV: {
        TTripel q;
        if (Punkt(ge->Bezuege[0], q) == FehlerBezug ||
            VektorOderPfeil(ge->Bezuege[1], v) == FehlerBezug)
            return FehlerBezug;
        u = Verbindungsvektor(a, q);
        if (IstNullvektor(v)) return FehlerEbeneGeradeNullvektor;
        return IstNullvektor(Kreuzprodukt(u, v)) ? FehlerEbenePunktAufGerade : KeinFehler;
    }
    default:
        return FehlerBezug;
    }
}

int TAuswerter::EbeneAusZweiGeraden(const TEbene& e, TGeometrie& g) {
    TGeometrie g1, g2;
    const int f1 = Gerade(e.Bezuege[0], g1.Punkt, g1.Richtung1);
    const int f2 = Gerade(e.Bezuege[1], g2.Punkt, g2.Richtung1);
    if (f1 == FehlerBezug || f2 == FehlerBezug) return FehlerBezug;
    if (f1 != KeinFehler) return FehlerEbeneErsteGerade;
    if (f2 != KeinFehler) return FehlerEbeneZweiteGerade;
    const TElementart art = TElementart::DGerade;
    const int code = SchnittKern(art, g1, art, g2).Code;
    if (code == SchnittWindschief) return FehlerEbeneGeradenWindschief;
    if (code == SchnittIdentisch) return FehlerEbeneGeradenIdentisch;
    g.Punkt = g1.Punkt;
    g.Richtung1 = g1.Richtung1;
    g.Richtung2 = g2.Richtung1;
    // Distinct parallel lines span the plane with the step from one to the other.
    if (IstNullvektor(Kreuzprodukt(g.Richtung1, g.Richtung2)))
        g.Richtung2 = Verbindungsvektor(g1.Punkt, g2.Punkt);
    return KeinFehler;
}

int TAuswerter::Dreieck(const TDreiDBasisElement* e, std::array<TTripel, 3>& ecken) {
    if (!IstArt(e, TElementart::DDreieck)) return FehlerBezug;
    for (int i = 0; i < 3; ++i)
        if (Punkt(e->Bezuege[i], ecken[i]) == FehlerBezug) return FehlerBezug;
    return KeinFehler;
}

int TAuswerter::Viereck(const TDreiDBasisElement* e, std::array<TTripel, 4>& ecken) {
    if (!IstArt(e, TElementart::DViereck)) return FehlerBezug;
    for (int i = 0; i < 4; ++i)
        if (Punkt(e->Bezuege[i], ecken[i]) == FehlerBezug) return FehlerBezug;
    return KeinFehler;
}

int TAuswerter::Kugel(const TDreiDBasisElement* e, TTripel& m, Real& r) {
    if (!IstArt(e, TElementart::DKugel)) return FehlerBezug;
    const auto& k = static_cast<const TKugel&>(*e);
    if (k.Festlegung == TKugel::MR) {
        m = k.Zentrum;
        r = k.Radius;
        return r > 0 ? KeinFehler : FehlerKugelRadius;
    }
    if (Punkt(k.Mittelpunkt(), m) == FehlerBezug) return FehlerBezug;
    r = 0;
    if (k.Festlegung == TKugel::MP) {
        TTripel p;
        if (Punkt(k.Beruehrt(), p) == FehlerBezug) return FehlerBezug;
        r = Betrag(Verbindungsvektor(m, p));
        return r > 0 ? KeinFehler : FehlerKugelPunkteGleich;
    }
    if (k.Festlegung != TKugel::MT) return FehlerBezug;
    TTripel a, u, v;
    if (Ebene(k.Beruehrt(), a, u, v) == FehlerBezug) return FehlerBezug;
    const TTripel n = Kreuzprodukt(u, v);
    if (IstNullvektor(n)) return FehlerBezug;
    r = std::fabs(Skalarprodukt(n, Verbindungsvektor(a, m))) / Betrag(n);
    return r > 0 ? KeinFehler : FehlerKugelMittelpunktInEbene;
}

// --- simplified vector ---------------------------------------------------

struct TBruch {
    long long Zaehler = 0;
    long long Nenner = 1;
};

long long Ggt(long long a, long long b) {
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        const long long r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// lcm, or false when |a * b| exceeds the limit of the integer form.
bool Kgv(long long a, long long b, long long& ergebnis) {
    const long long produkt = a * b; // denominators here are at most a few thousand
    const long long betrag = produkt < 0 ? -produkt : produkt;
    if (betrag > 30000) return false;
    if (produkt == 0)
        ergebnis = a != 0 ? a : b;
    else
        ergebnis = betrag / Ggt(a, b);
    return true;
}

// Nearest whole number of 0 <= h < 2^62, halves away from zero like
// std::round, without the library call in the innermost loop.
Real RundenNichtNegativ(Real h) {
    const Real ganz = static_cast<Real>(static_cast<long long>(h));
    return h - ganz >= 0.5L ? ganz + 1 : ganz;
}

TBruch Naeherungsbruch(Real c, int maximalerNenner) {
    const long long s = c < 0 ? -1 : 1;
    c = std::fabs(c);
    const Real w = std::trunc(c);
    const Real f = c - w;
    // At least one denominator is always tried, so that a nonsensical
    // setting cannot keep the rounds from ending.
    const long long letztes = maximalerNenner + 1LL < 2 ? 2 : maximalerNenner + 1LL;
    // The rounds try k = 2, 3, ... with the tolerances 0.001, 0.01, 0.1, 1 and
    // stop at the first round in which some k succeeds. A k that succeeds in
    // one round succeeds in every later one, so a single pass finds all
    // rounds' first k; it ends at once when the first round succeeds. From
    // the tolerance 1 on every k succeeds, so four rounds always suffice.
    constexpr int runden = 4;
    Real toleranz[runden];
    Real e = 1;
    for (Real& t : toleranz) {
        t = e * 0.001L;
        e *= 10;
    }
    long long erstesK[runden] = {0, 0, 0, 0};
    Real erstesR[runden] = {0, 0, 0, 0};
    for (long long k = 2; k <= letztes && erstesK[0] == 0; ++k) {
        const Real h = f * static_cast<Real>(k);
        const Real r = RundenNichtNegativ(h);
        const Real abstand = std::fabs(h - r);
        for (int j = 0; j < runden; ++j)
            if (erstesK[j] == 0 && abstand <= toleranz[j]) {
                erstesK[j] = k;
                erstesR[j] = r;
            }
    }
    int runde = 0;
    while (erstesK[runde] == 0)
        ++runde;
    const long long k = erstesK[runde];
    const Real r = erstesR[runde];
    TBruch b;
    long long z = static_cast<long long>(r);
    b.Nenner = z == 0 ? 1 : k;
    if (z == b.Nenner) {
        z = 1;
        b.Nenner = 1;
    }
    // A fraction whose denominator lies just above the limit keeps it: the
    // component must keep its value, or the direction would turn. The integer
    // form below then either absorbs it or gives way to two decimals.
    b.Zaehler = (z + b.Nenner * static_cast<long long>(w)) * s;
    return b;
}

} // namespace

// --- public interface ------------------------------------------------------

int PunktAuswerten(const TDreiDBasisElement& punkt, TTripel& p) {
    TAuswerter a;
    return a.Punkt(&punkt, p);
}

int VektorAuswerten(const TDreiDBasisElement& vektor, TTripel& v) {
    TAuswerter a;
    return a.Vektor(&vektor, v);
}

int VektorOderPfeilAuswerten(const TDreiDBasisElement& element, TTripel& v) {
    TAuswerter a;
    return a.VektorOderPfeil(&element, v);
}

int GeradeAuswerten(const TDreiDBasisElement& gerade, TTripel& a, TTripel& d) {
    TAuswerter w;
    return w.Gerade(&gerade, a, d);
}

int StreckeAuswerten(const TDreiDBasisElement& strecke, TTripel& a, TTripel& d) {
    TAuswerter w;
    return w.Strecke(&strecke, a, d);
}

int PfeilAuswerten(const TDreiDBasisElement& pfeil, TTripel& a, TTripel& d) {
    TAuswerter w;
    return w.Pfeil(&pfeil, a, d);
}

int EbeneAuswerten(const TDreiDBasisElement& ebene, TTripel& a, TTripel& u, TTripel& v) {
    TAuswerter w;
    return w.Ebene(&ebene, a, u, v);
}

int DreieckAuswerten(const TDreiDBasisElement& dreieck, std::array<TTripel, 3>& ecken) {
    TAuswerter w;
    return w.Dreieck(&dreieck, ecken);
}

int PyramideAuswerten(const TDreiDBasisElement& pyramide, std::array<TTripel, 3>& grundflaeche,
                      TTripel& spitze) {
    if (!IstArt(&pyramide, TElementart::DPyramide3)) return FehlerBezug;
    TAuswerter w;
    if (w.Dreieck(pyramide.Bezuege[0], grundflaeche) == FehlerBezug) return FehlerBezug;
    return w.Punkt(pyramide.Bezuege[1], spitze);
}

int ViereckAuswerten(const TDreiDBasisElement& viereck, std::array<TTripel, 4>& ecken) {
    TAuswerter w;
    return w.Viereck(&viereck, ecken);
}

int Pyramide4Auswerten(const TDreiDBasisElement& pyramide, std::array<TTripel, 4>& grundflaeche,
                       TTripel& spitze) {
    if (!IstArt(&pyramide, TElementart::DPyramide4)) return FehlerBezug;
    TAuswerter w;
    if (w.Viereck(pyramide.Bezuege[0], grundflaeche) == FehlerBezug) return FehlerBezug;
    return w.Punkt(pyramide.Bezuege[1], spitze);
}

int KugelAuswerten(const TDreiDBasisElement& kugel, TTripel& mitte, Real& radius) {
    TAuswerter w;
    return w.Kugel(&kugel, mitte, radius);
}

int KreisAuswerten(const TDreiDBasisElement& kreis, TTripel& mitte, TTripel& normale,
                   Real& radius) {
    if (!IstArt(&kreis, TElementart::DKreis)) return FehlerBezug;
    const auto& k = static_cast<const TKreis&>(kreis);
    mitte = k.Zentrum;
    normale = k.Normale;
    radius = k.Radius;
    if (IstNullvektor(normale)) return FehlerKreisNormaleNull;
    return radius > 0 ? KeinFehler : FehlerKugelRadius;
}

int Auswerten(const TDreiDBasisElement& element, TGeometrie& g) {
    g = {};
    TAuswerter w;
    switch (element.Art) {
    case TElementart::DfrPunkt:
        return w.Punkt(&element, g.Punkt);
    case TElementart::DVektor:
        return w.Vektor(&element, g.Richtung1);
    case TElementart::DPfeil:
        return w.Pfeil(&element, g.Punkt, g.Richtung1);
    case TElementart::DStrecke:
        return w.Strecke(&element, g.Punkt, g.Richtung1);
    case TElementart::DGerade:
        return w.Gerade(&element, g.Punkt, g.Richtung1);
    case TElementart::DEbene:
        return w.Ebene(&element, g.Punkt, g.Richtung1, g.Richtung2);
    case TElementart::DDreieck:
    case TElementart::DPyramide3: {
        const TDreiDBasisElement* dreieck =
            element.Art == TElementart::DDreieck ? &element : element.Bezuege[0];
        std::array<TTripel, 3> ecken;
        const int fehler = w.Dreieck(dreieck, ecken);
        if (fehler != KeinFehler) return fehler;
        if (element.Art == TElementart::DPyramide3) {
            TTripel spitze;
            if (w.Punkt(element.Bezuege[1], spitze) == FehlerBezug) return FehlerBezug;
        }
        g.Punkt = ecken[0];
        g.Richtung1 = Verbindungsvektor(ecken[0], ecken[1]);
        g.Richtung2 = Verbindungsvektor(ecken[0], ecken[2]);
        return KeinFehler;
    }
    case TElementart::DViereck:
    case TElementart::DPyramide4: {
        const TDreiDBasisElement* viereck =
            element.Art == TElementart::DViereck ? &element : element.Bezuege[0];
        std::array<TTripel, 4> ecken;
        const int fehler = w.Viereck(viereck, ecken);
        if (fehler != KeinFehler) return fehler;
        if (element.Art == TElementart::DPyramide4) {
            TTripel spitze;
            if (w.Punkt(element.Bezuege[1], spitze) == FehlerBezug) return FehlerBezug;
        }
        g.Punkt = ecken[0];
        g.Richtung1 = Verbindungsvektor(ecken[0], ecken[1]);
        g.Richtung2 = Verbindungsvektor(ecken[0], ecken[2]);
        g.Richtung3 = Verbindungsvektor(ecken[0], ecken[3]);
        return KeinFehler;
    }
    case TElementart::DKugel:
        return w.Kugel(&element, g.Punkt, g.Radius);
    case TElementart::DKreis:
        return KreisAuswerten(element, g.Punkt, g.Richtung1, g.Radius);
    default:
        return FehlerBezug;
    }
}

namespace {

// The distance of p from the line through a and b (a != b).
Real AbstandVonGerade(TTripel p, TTripel a, TTripel b) {
    const TTripel d = Verbindungsvektor(a, b);
    return Betrag(Kreuzprodukt(Verbindungsvektor(a, p), d)) / Betrag(d);
}

// Whether the segments pq and rs of one plane with normal n meet, the ends
// included (within the tolerance).
bool StreckenTreffen(TTripel p, TTripel q, TTripel r, TTripel s, TTripel n) {
    const Real ln = Betrag(n);
    // Which side of the line through a and b the point x lies on, as a
    // signed distance in the plane.
    const auto seite = [&](TTripel a, TTripel b, TTripel x) {
        const TTripel d = Verbindungsvektor(a, b);
        return Skalarprodukt(Kreuzprodukt(d, Verbindungsvektor(a, x)), n) / (ln * Betrag(d));
    };
    const Real t = Toleranz;
    const Real r1 = seite(p, q, r), s1 = seite(p, q, s);
    const Real p1 = seite(r, s, p), q1 = seite(r, s, q);
    if ((r1 > t && s1 > t) || (r1 < -t && s1 < -t)) return false;
    if ((p1 > t && q1 > t) || (p1 < -t && q1 < -t)) return false;
    // Both on one line: they meet where their parameters overlap.
    if (std::fabs(r1) <= t && std::fabs(s1) <= t) {
        const TTripel d = Verbindungsvektor(p, q);
        const Real l2 = Skalarprodukt(d, d);
        Real a = Skalarprodukt(Verbindungsvektor(p, r), d) / l2;
        Real b = Skalarprodukt(Verbindungsvektor(p, s), d) / l2;
        if (a > b) std::swap(a, b);
        return b >= -t && a <= 1 + t;
    }
    return true;
}

} // namespace

int ViereckPruefen(const std::array<TTripel, 4>& e) {
    const Real t = Toleranz;
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            if (Betrag(Verbindungsvektor(e[i], e[j])) <= t) return FehlerViereckPunkteGleich;
    for (int i = 0; i < 4; ++i)
        if (AbstandVonGerade(e[(i + 1) % 4], e[i], e[(i + 2) % 4]) <= t)
            return FehlerViereckAufGerade;
    const TTripel n = Kreuzprodukt(Verbindungsvektor(e[0], e[1]), Verbindungsvektor(e[0], e[2]));
    if (std::fabs(Skalarprodukt(n, Verbindungsvektor(e[0], e[3]))) / Betrag(n) > t)
        return FehlerViereckNichtEben;
    // Opposite sides must not meet; neighbouring ones meet in their corner only,
    // which the three corners off one line already ensure.
    if (StreckenTreffen(e[0], e[1], e[2], e[3], n) || StreckenTreffen(e[1], e[2], e[3], e[0], n))
        return FehlerViereckSeitenKreuzen;
    return KeinFehler;
}

bool SpitzeInViereck(const std::array<TTripel, 4>& e, TTripel spitze) {
    const TTripel n = Kreuzprodukt(Verbindungsvektor(e[0], e[1]), Verbindungsvektor(e[0], e[2]));
    const Real l = Betrag(n);
    return l == 0 || std::fabs(Skalarprodukt(n, Verbindungsvektor(e[0], spitze))) / l <= Toleranz;
}

Real ViereckWinkel(const std::array<TTripel, 4>& e, int i) {
    // The sense of the corners' order: the cross product of the diagonals,
    // twice the signed area.
    const TTripel n = Kreuzprodukt(Verbindungsvektor(e[0], e[2]), Verbindungsvektor(e[1], e[3]));
    const TTripel p = e[static_cast<std::size_t>(i)];
    const TTripel nach = Verbindungsvektor(p, e[static_cast<std::size_t>((i + 1) % 4)]);
    const TTripel vor = Verbindungsvektor(p, e[static_cast<std::size_t>((i + 3) % 4)]);
    const Real w = Zwischenwinkel(nach, vor);
    return Skalarprodukt(Kreuzprodukt(nach, vor), n) < 0 ? 2 * Pi - w : w;
}

namespace {

// p in the plane of the triangle abc with normal n: inside or on a side.
bool ImDreieck(TTripel a, TTripel b, TTripel c, TTripel p, TTripel n) {
    const Real ln = Betrag(n);
    for (const auto& [x, y] : {std::pair{a, b}, {b, c}, {c, a}}) {
        const TTripel k = Verbindungsvektor(x, y);
        if (Skalarprodukt(Kreuzprodukt(k, Verbindungsvektor(x, p)), n) / (ln * Betrag(k)) <
            -Toleranz)
            return false;
    }
    return true;
}

} // namespace

int PunktImVieleck(const TTripel* e, int anzahl, TTripel p) {
    const TTripel n =
        anzahl == 4 ? Kreuzprodukt(Verbindungsvektor(e[0], e[2]), Verbindungsvektor(e[1], e[3]))
                    : Kreuzprodukt(Verbindungsvektor(e[0], e[1]), Verbindungsvektor(e[0], e[2]));
    const Real ln = Betrag(n);
    if (ln == 0 || std::fabs(Skalarprodukt(n, Verbindungsvektor(e[0], p))) / ln > Toleranz)
        return -1;
    if (anzahl == 3) return ImDreieck(e[0], e[1], e[2], p, n) ? 1 : 0;
    // The two halves along the diagonal that lies inside (of a concave
    // quadrilateral only one does).
    const TTripel ac = Verbindungsvektor(e[0], e[2]);
    const bool acInnen = Skalarprodukt(Kreuzprodukt(ac, Verbindungsvektor(e[0], e[1])), n) *
                             Skalarprodukt(Kreuzprodukt(ac, Verbindungsvektor(e[0], e[3])), n) <
                         0;
    const bool drin = acInnen
                          ? ImDreieck(e[0], e[1], e[2], p, n) || ImDreieck(e[0], e[2], e[3], p, n)
                          : ImDreieck(e[0], e[1], e[3], p, n) || ImDreieck(e[1], e[2], e[3], p, n);
    return drin ? 1 : 0;
}

TViereckart Viereckart(const TViereckmerkmale& m) {
    using enum TViereckart;
    if (m.ParallelABCD && m.ParallelBCDA) {
        const bool raute = m.GleichNachbar[0];
        if (m.RechterWinkel) return raute ? Quadrat : Rechteck;
        return raute ? Raute : Parallelogramm;
    }
    // One pair parallel; the legs are the other pair.
    if (m.ParallelABCD) return m.GleichGegenueber[1] ? GleichschenkligesTrapez : Trapez;
    if (m.ParallelBCDA) return m.GleichGegenueber[0] ? GleichschenkligesTrapez : Trapez;
    if ((m.GleichNachbar[0] && m.GleichNachbar[2]) || (m.GleichNachbar[1] && m.GleichNachbar[3]))
        return Drachenviereck;
    return Allgemein;
}

std::string ViereckartText(TViereckart art) {
    switch (art) {
    case TViereckart::Quadrat:
        return "ein Quadrat";
    case TViereckart::Rechteck:
        return "ein Rechteck";
    case TViereckart::Raute:
        return "eine Raute";
    case TViereckart::Parallelogramm:
        return "ein Parallelogramm";
    case TViereckart::GleichschenkligesTrapez:
        return "ein gleichschenkliges Trapez";
    case TViereckart::Trapez:
        return "ein Trapez";
    case TViereckart::Drachenviereck:
        return "ein Drachenviereck";
    case TViereckart::Allgemein:
        break;
    }
    return "ein allgemeines Viereck";
}

TViereckmerkmale Viereckmerkmale(const std::array<TTripel, 4>& e) {
    std::array<TTripel, 4> s;
    std::array<Real, 4> l;
    for (std::size_t i = 0; i < 4; ++i) {
        s[i] = Verbindungsvektor(e[i], e[(i + 1) % 4]);
        l[i] = Betrag(s[i]);
    }
    const auto gleich = [](Real a, Real b) {
        return std::fabs(a - b) <= Toleranz * std::max<Real>({1, a, b});
    };
    const auto parallel = [&](std::size_t i, std::size_t j) {
        return Betrag(Kreuzprodukt(s[i], s[j])) <= Toleranz * std::max<Real>(1, l[i] * l[j]);
    };
    TViereckmerkmale m;
    m.ParallelABCD = parallel(0, 2);
    m.ParallelBCDA = parallel(1, 3);
    m.RechterWinkel =
        std::fabs(Skalarprodukt(s[0], s[1])) <= Toleranz * std::max<Real>(1, l[0] * l[1]);
    for (std::size_t i = 0; i < 4; ++i)
        m.GleichNachbar[i] = gleich(l[i], l[(i + 1) % 4]);
    m.GleichGegenueber = {gleich(l[0], l[2]), gleich(l[1], l[3])};
    return m;
}

Real Viereckflaeche(const std::array<TTripel, 4>& e) {
    // Half the cross product of the diagonals: the signed areas of the two
    // triangles, so a concave quadrilateral counts right as well.
    return Betrag(Kreuzprodukt(Verbindungsvektor(e[0], e[2]), Verbindungsvektor(e[1], e[3]))) / 2;
}

bool EckenAufEinerGeraden(const std::array<TTripel, 3>& e) {
    return IstNullvektor(
        Kreuzprodukt(Verbindungsvektor(e[0], e[1]), Verbindungsvektor(e[0], e[2])));
}

bool SpitzeInGrundflaeche(const std::array<TTripel, 3>& e, TTripel spitze) {
    const TTripel n = Kreuzprodukt(Verbindungsvektor(e[0], e[1]), Verbindungsvektor(e[0], e[2]));
    return Skalarprodukt(n, Verbindungsvektor(e[0], spitze)) == 0;
}

void RichtungenAusNormale(TTripel n, TTripel& u, TTripel& v) {
    u = Kreuzprodukt(n, Ex);
    if (IstNullvektor(u)) {
        u = Kreuzprodukt(n, Ey);
        v = Kreuzprodukt(n, Ez);
        return;
    }
    v = Kreuzprodukt(n, Ey);
    if (IstNullvektor(v) || IstNullvektor(Kreuzprodukt(u, v))) v = Kreuzprodukt(n, Ez);
}

namespace {

// Steps 1 to 7 of the simplified form, for the three numbers of a direction
// and the four of a normal form alike; false (and r unchanged) when a number
// lies beyond the whole-number arithmetic.
template <std::size_t N> bool Vereinfachen(std::array<Real, N>& r, int maximalerNenner) {
    // Whole-number arithmetic below works on 64-bit integers.
    for (Real k : r)
        if (!std::isfinite(k) || std::fabs(k) >= 1e12L) return false;

    std::array<TBruch, N> b;
    for (std::size_t i = 0; i < N; ++i)
        b[i] = Naeherungsbruch(r[i], maximalerNenner);

    long long g = 0, gn = 0;
    int nichtPositiv = 0;
    for (const TBruch& x : b) {
        g = Ggt(g, x.Zaehler);
        gn = Ggt(gn, x.Nenner);
        if (x.Zaehler <= 0) ++nichtPositiv;
    }
    const int sigma = nichtPositiv >= 2 ? -1 : 1;
    for (TBruch& x : b) {
        if (g != 0) x.Zaehler /= g;
        if (gn != 0) x.Nenner /= gn;
    }

    long long l = b[0].Nenner;
    bool ganzzahlig = true;
    for (std::size_t i = 1; i < N && ganzzahlig; ++i)
        ganzzahlig = Kgv(l, b[i].Nenner, l);
    if (ganzzahlig)
        for (std::size_t i = 0; i < N; ++i) {
            // In extended precision: exact in the range that matters, and no
            // overflow for the large numerators that are thrown away anyway.
            r[i] = static_cast<Real>(l / b[i].Nenner) * static_cast<Real>(b[i].Zaehler) * sigma;
            if (r[i] >= 1000) ganzzahlig = false;
        }
    if (!ganzzahlig)
        for (std::size_t i = 0; i < N; ++i)
            r[i] =
                std::round(static_cast<Real>(b[i].Zaehler) / static_cast<Real>(b[i].Nenner) * 100) /
                100;
    return true;
}

} // namespace

TTripel VereinfachterVektor(TTripel c, int maximalerNenner) {
    std::array<Real, 3> r = {c.x, c.y, c.z};
    if (!Vereinfachen(r, maximalerNenner)) return c;
    int vorzeichen = 0;
    for (Real x : r)
        vorzeichen += x > 0 ? 1 : (x < 0 ? -1 : 0);
    if (vorzeichen < 0)
        for (Real& x : r)
            x = -x;
    return {r[0], r[1], r[2]};
}

std::array<Real, 4> VereinfachteNormalenform(TTripel n, Real d, int maximalerNenner) {
    std::array<Real, 4> r = {n.x, n.y, n.z, d};
    if (!Vereinfachen(r, maximalerNenner)) return r;
    if (r[0] < 0)
        for (Real& x : r)
            x = -x;
    return r;
}

std::array<Real, 4> VereinfachteNormalenform(TTripel n, Real d) {
    return VereinfachteNormalenform(n, d, Einstellungen().MaximalerNenner);
}

TTripel VereinfachterVektor(TTripel c) {
    return VereinfachterVektor(c, Einstellungen().MaximalerNenner);
}

} // namespace kalvorin
