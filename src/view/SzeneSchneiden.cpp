// Cutting pieces at planes, so that no piece passes through a plane and the
// depth order can treat every piece as lying wholly on one side of it.
//
// The limits of the scene are never exceeded: a cut that would need a piece
// beyond the last or a polygon with too many corners is not made, and the
// piece stays whole (it is still drawn, only its order may be less exact).

#include "view/GSzene.h"

#include <algorithm>
#include <cmath>

namespace kalvorin {

namespace {

constexpr Real Toleranz = 1e-6L;
constexpr Real Feintoleranz = 1e-10L;

// The corners of one side of a cut, with room for any walk of a convex piece.
struct TSeite {
    std::array<TTripel, 2 * MaxEcken + 4> ecken{};
    int anzahl = 0;
    void Dazu(TTripel p) {
        if (anzahl < static_cast<int>(ecken.size())) ecken[anzahl] = p;
        ++anzahl;
    }
};

} // namespace

void tGSzene::NeueStueckeSchneiden(int objekt, int erstesStueck) {
    const TSzenenObjekt& neu = objekte_[objekt - 1];
    for (int e = 1; e < objekt; ++e) {
        const TSzenenObjekt& ebene = objekte_[e - 1];
        // An edge lies in its own plane and is never cut by it.
        if (!ebene.IstFlaeche() || (neu.Art == TObjektArt::Rand && neu.Ebene == e)) continue;
        const int ende = Stueckzahl();
        for (int s = erstesStueck; s <= ende; ++s) {
            if (stuecke_[s - 1].Art == TStueckArt::Linie)
                LinieSchneiden(s, ebene);
            else if (stuecke_[s - 1].Art == TStueckArt::Polygon)
                PolygonSchneiden(s, ebene);
        }
    }
}

void tGSzene::EbeneSchneidetAlle(int ebene) {
    const TSzenenObjekt& e = objekte_[ebene - 1];
    const int ende = Stueckzahl();
    for (int s = 1; s <= ende; ++s) {
        if (stuecke_[s - 1].Objekt == ebene) continue;
        if (stuecke_[s - 1].Art == TStueckArt::Linie)
            LinieSchneiden(s, e);
        else if (stuecke_[s - 1].Art == TStueckArt::Polygon)
            PolygonSchneiden(s, e);
    }
}

bool tGSzene::LinieSchneiden(int stueck, const TSzenenObjekt& ebene) {
    TStueck& s = stuecke_[stueck - 1];
    const TSzenenObjekt& o = objekte_[s.Objekt - 1];
    const Real nenner = Skalarprodukt(ebene.N, o.Richtung);
    if (std::fabs(nenner) <= Toleranz) return false;
    const Real t = (ebene.D - Skalarprodukt(ebene.N, o.Basis)) / nenner;
    if (!(s.Unten < t && t < s.Oben) || !StueckFrei()) return false;
    const Real oben = s.Oben;
    const int objekt = s.Objekt;
    LinienStueckSetzen(s, o, s.Unten, t);
    TStueck& neu = stuecke_[NeuesStueck(objekt, TStueckArt::Linie) - 1];
    LinienStueckSetzen(neu, o, t, oben);
    Entwerten();
    return true;
}

bool tGSzene::PolygonSchneiden(int stueck, const TSzenenObjekt& ebene) {
    const TStueck& s = stuecke_[stueck - 1];
    const TTripel n = ebene.N;
    const int k = s.Eckenzahl;
    TSeite seiten[2];
    int akt = 0;
    // A corner in the plane is already on the current side when its edge is walked.
    bool schonDa = false;
    // A corner in the plane reached by an edge with this dot product leaves
    // the side open until an edge that leaves the plane decides it.
    bool offen = false;
    Real nEin = 0;

    for (int i = 0; i < k; ++i) {
        const TTripel p = s.Ecken[i];
        const TTripel q = s.Ecken[(i + 1) % k];
        if (!schonDa) seiten[akt].Dazu(p);
        schonDa = false;
        const TTripel kante = Verbindungsvektor(p, q);
        const Real nk = Skalarprodukt(n, kante);
        const bool parallel = std::fabs(nk) <= Toleranz;
        if (offen && !parallel) {
            // The polygon passes through the plane at p when the edges before
            // and after p point to the same side of it.
            if (nEin * nk > Toleranz) {
                akt = 1 - akt;
                seiten[akt].Dazu(p);
            }
            offen = false;
        }
        if (parallel) continue;
        const Real t = (ebene.D - Skalarprodukt(n, p)) / nk;
        if (Toleranz < t && std::fabs(t - 1) > Toleranz && t <= 1 + Feintoleranz) {
            const TTripel x = GeradenPunkt(p, kante, t);
            seiten[akt].Dazu(x);
            akt = 1 - akt;
            seiten[akt].Dazu(x);
        } else if (std::fabs(t - 1) <= Toleranz) {
            if (i + 1 < k) {
                seiten[akt].Dazu(q);
                schonDa = true;
                offen = true;
                nEin = nk;
            } else if (akt == 1) {
                // The first corner lies in the plane and closes the second side.
                seiten[1].Dazu(q);
            }
        }
    }

    if (seiten[1].anzahl == 0) return false;
    if (seiten[0].anzahl < 3 || seiten[1].anzahl < 3 || seiten[0].anzahl > MaxEcken ||
        seiten[1].anzahl > MaxEcken || !StueckFrei())
        return false;

    const int objekt = s.Objekt;
    TStueck& alt = stuecke_[stueck - 1];
    alt.Eckenzahl = seiten[0].anzahl;
    std::copy_n(seiten[0].ecken.begin(), seiten[0].anzahl, alt.Ecken.begin());
    PolygonBezugSetzen(alt);
    TStueck& neu = stuecke_[NeuesStueck(objekt, TStueckArt::Polygon) - 1];
    neu.Eckenzahl = seiten[1].anzahl;
    std::copy_n(seiten[1].ecken.begin(), seiten[1].anzahl, neu.Ecken.begin());
    PolygonBezugSetzen(neu);
    Entwerten();
    return true;
}

} // namespace kalvorin
