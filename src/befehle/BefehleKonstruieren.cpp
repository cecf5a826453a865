// Intersection, perpendiculars, midpoints and the vector operations: each
// adds one derived element that the rebuild recomputes from its sources.

#include "befehle/Befehle.h"
#include "befehle/BefehleHilfen.h"
#include "geometry/Konstruktion.h"
#include "geometry/Schnitt.h"
#include "model/Elementarten.h"

#include <algorithm>
#include <cmath>

namespace kalvorin {

using befehle::Markierte;

bool Angeboten(const TDokument& d, TBefehl befehl) {
    return Fall(d.Liste(), befehl) != TFall::Keiner;
}

bool Angeboten(const TDokument& d, TAbbildungsBefehl befehl) {
    return BerechneAngebote(d.Liste())[befehl].sichtbar;
}

namespace {

// "die Ebene E", "die Kugel K": the kinds that meet a sphere are feminine.
std::string MitArt(const TDreiDBasisElement& e) {
    return "die " + Artwort(e.Art) + " " + e.Name;
}

// A sphere that touches a line, a plane or a sphere: the point of contact,
// which follows its sources while they touch; one that misses: the message.
bool KugelBeruehrung(TDokument& d, const TSchnittErgebnis& s, TDreiDBasisElement& a,
                     TDreiDBasisElement& b) {
    if (s.Code == SchnittKugelKeiner) {
        // A line is named before the sphere it misses.
        const bool geradeZuerst = b.Art == TElementart::DGerade;
        std::string t = MitArt(geradeZuerst ? b : a) + " und " + MitArt(geradeZuerst ? a : b) +
                        " haben keinen gemeinsamen Punkt";
        t[0] = 'D';
        Meldungen().Meldung(t, TMeldungsart::Information);
        return false;
    }
    return d.Aendern([&](TListe& liste) {
        TDreiDBasisElement* p = befehle::NeuMitName(liste, TElementart::DfrPunkt);
        if (!p) return false;
        WerteEintragen(*p, {s.Punkt, {}, {}});
        p->Entstehung.Art = TEntstehungsart::Beruehrpunkt;
        p->Entstehung.Elemente[0].Element = &a;
        p->Entstehung.Elemente[1].Element = &b;
        const TDreiDBasisElement& kugel = a.Art == TElementart::DKugel ? a : b;
        const TDreiDBasisElement& andere = &kugel == &a ? b : a;
        if (andere.Art == TElementart::DEbene)
            Meldungen().Meldung(andere.Name + " ist Tangentialebene an " + kugel.Name +
                                    " im Punkt " + p->Name,
                                TMeldungsart::Information);
        else if (andere.Art == TElementart::DGerade)
            Meldungen().Meldung("Die Gerade " + andere.Name + " berührt die Kugel " + kugel.Name +
                                    " im Punkt " + p->Name,
                                TMeldungsart::Information);
        else
            Meldungen().Meldung("Die Kugeln " + a.Name + " und " + b.Name +
                                    " berühren sich im Punkt " + p->Name,
                                TMeldungsart::Information);
        return true;
    });
}

// A line through a sphere: both points, each with its number (first and
// second by the increasing parameter of the line), so that each stays
// that point when the sources move.
bool ZweiSchnittpunkte(TDokument& d, const TSchnittErgebnis& s, TDreiDBasisElement& a,
                       TDreiDBasisElement& b) {
    return d.Aendern([&](TListe& liste) {
        for (int nummer = 1; nummer <= 2; ++nummer) {
            TDreiDBasisElement* p = befehle::NeuMitName(liste, TElementart::DfrPunkt);
            if (!p) return nummer > 1;
            WerteEintragen(*p, {nummer == 1 ? s.Punkt : s.Punkt2, {}, {}});
            p->Entstehung.Art = TEntstehungsart::KugelSchnittpunkt;
            p->Entstehung.Elemente[0].Element = &a;
            p->Entstehung.Elemente[1].Element = &b;
            p->Entstehung.Elemente[2].Zahl = nummer;
        }
        return true;
    });
}

} // namespace

bool Schneiden(TDokument& d) {
    if (!Angeboten(d, TBefehl::Schneiden)) return false;
    const TListe& l = d.Liste();
    TDreiDBasisElement* erstes = nullptr;
    TDreiDBasisElement* zweites = nullptr;
    for (int i = 1; i <= l.Anzahl(); ++i) {
        if (!l[i]->markiert) continue;
        if (!erstes)
            erstes = l[i];
        else
            zweites = l[i];
    }
    if (!erstes || !zweites) return false;
    const TSchnittErgebnis s = Intersect(*erstes, *zweites);
    if (s.Code == SchnittBeruehrt || s.Code == SchnittKugelKeiner)
        return KugelBeruehrung(d, s, *erstes, *zweites);
    if (s.Code == SchnittZweiPunkte) return ZweiSchnittpunkte(d, s, *erstes, *zweites);
    return d.Aendern([&](TListe& liste) {
        if (s.Code != SchnittGefunden) {
            Meldungen().Meldung(SchnittMeldung(s.Code, erstes->Name, zweites->Name),
                                SchnittMeldungsart(s.Code));
            return false;
        }
        TDreiDBasisElement* e = befehle::NeuMitName(liste, static_cast<TElementart>(s.Art));
        if (!e) return false;
        WerteEintragen(*e, {s.Punkt, s.Richtung, {}, s.Radius});
        e->Entstehung.Art = TEntstehungsart::Schnitt;
        e->Entstehung.Elemente[0].Element = erstes;
        e->Entstehung.Elemente[1].Element = zweites;
        return true;
    });
}

namespace {

using Quellen = std::array<TDreiDBasisElement*, 3>;

// Adds the result of the construction with its derivation; null when the
// construction fails (the error code in fehler) or the list is full.
TDreiDBasisElement* Konstruieren(TListe& l, TEntstehungsart code, const Quellen& q, int& fehler) {
    const TKonstruktionsErgebnis r = Construct(static_cast<int>(code), q[0], q[1], q[2]);
    fehler = r.Fehler;
    if (r.Fehler != KeinFehler) return nullptr;
    TDreiDBasisElement* e = befehle::NeuMitName(l, static_cast<TElementart>(r.Art));
    if (!e) return nullptr;
    WerteEintragen(*e, r.Geometrie);
    e->Entstehung.Art = code;
    for (int i = 0; i < 3; ++i)
        e->Entstehung.Elemente[i].Element = q[i];
    return e;
}

} // namespace

bool Tangentialebene(TDokument& d) {
    if (!Angeboten(d, TBefehl::Tangentialebene)) return false;
    const auto p = Markierte(d.Liste(), TElementart::DfrPunkt);
    const auto k = Markierte(d.Liste(), TElementart::DKugel);
    if (p.empty() || k.empty()) return false;
    TTripel m, q;
    Real r = 0;
    if (KugelAuswerten(*k[0], m, r) != KeinFehler || PunktAuswerten(*p[0], q) != KeinFehler)
        return false;
    // The normal runs from the centre to the point of contact.
    if (!PunktAufKugel(Verbindungsvektor(m, q), r)) {
        Meldungen().Meldung("Der Punkt " + p[0]->Name + " liegt nicht auf der Kugel " + k[0]->Name +
                                ",\r\neine Tangentialebene in " + p[0]->Name + " gibt es nicht!",
                            TMeldungsart::Warnung);
        return false;
    }
    // It follows the sphere and the point while the point stays on it.
    return d.Aendern([&](TListe& liste) {
        int fehler = KeinFehler;
        return Konstruieren(liste, TEntstehungsart::Tangentialebene, {k[0], p[0], nullptr},
                            fehler) != nullptr;
    });
}

bool Loteerzeugen(TDokument& d) {
    const TListe& l = d.Liste();
    const TFall fall = Fall(l, TBefehl::Loteerzeugen);
    const auto p = Markierte(l, TElementart::DfrPunkt);
    const auto g = Markierte(l, TElementart::DGerade);
    const auto e = Markierte(l, TElementart::DEbene);
    TEntstehungsart code;
    Quellen q{};
    if (fall == TFall::LotPG && !p.empty() && !g.empty()) {
        code = TEntstehungsart::LotPG;
        q = {p[0], g[0], nullptr};
    } else if (fall == TFall::LotPE && !p.empty() && !e.empty()) {
        code = TEntstehungsart::LotPE;
        q = {p[0], e[0], nullptr};
    } else if (fall == TFall::LotGG && g.size() >= 2) {
        code = TEntstehungsart::LotGG;
        q = {g[0], g[1], nullptr};
    } else {
        return false;
    }
    return d.Aendern([&](TListe& liste) {
        int fehler = KeinFehler;
        const bool neu = Konstruieren(liste, code, q, fehler) != nullptr;
        if (fehler == FehlerPunktAufGerade)
            Meldungen().Meldung("Der Punkt " + q[0]->Name + " liegt auf der Geraden " + q[1]->Name +
                                    "!",
                                TMeldungsart::Information);
        else if (fehler == FehlerGeradenParallel)
            Meldungen().Meldung("Die Geraden " + q[0]->Name + " und " + q[1]->Name +
                                    " sind parallel!",
                                TMeldungsart::Information);
        return neu;
    });
}

bool Mittebilden(TDokument& d) {
    const TListe& l = d.Liste();
    const TFall fall = Fall(l, TBefehl::Mittebilden);
    const auto p = Markierte(l, TElementart::DfrPunkt);
    const auto g = Markierte(l, TElementart::DGerade);
    const auto e = Markierte(l, TElementart::DEbene);
    TEntstehungsart code;
    Quellen q{};
    if (fall == TFall::Mittelpunkt && p.size() >= 2) {
        code = TEntstehungsart::Mittelpunkt;
        q = {p[0], p[1], nullptr};
    } else if (fall == TFall::Schwerpunkt && p.size() >= 3) {
        code = TEntstehungsart::Schwerpunkt;
        q = {p[0], p[1], p[2]};
    } else if (fall == TFall::Mittelgerade && g.size() >= 2) {
        code = TEntstehungsart::Mittelgerade;
        q = {g[0], g[1], nullptr};
    } else if (fall == TFall::Mittelebene && e.size() >= 2) {
        code = TEntstehungsart::MittelEbene;
        q = {e[0], e[1], nullptr};
    } else {
        return false;
    }
    return d.Aendern([&](TListe& liste) {
        int fehler = KeinFehler;
        return Konstruieren(liste, code, q, fehler) != nullptr;
    });
}

bool VSumme(TDokument& d) {
    const TListe& l = d.Liste();
    const TFall fall = Fall(l, TBefehl::VSumme);
    if (fall == TFall::Keiner) return false;
    const auto p = Markierte(l, TElementart::DfrPunkt);
    const auto v = Markierte(l, TElementart::DVektor);
    if (v.size() < 2 || v.size() > 3) return false;
    const bool mitPfeil = fall == TFall::SummePfeil && !p.empty();
    // With a point the sum is drawn as an arrow from it: both or nothing.
    if (mitPfeil && !befehle::Platz(l, 2)) return false;
    const TEntstehungsart code = v.size() == 2 ? TEntstehungsart::Add2 : TEntstehungsart::Add3;
    const Quellen q{v[0], v[1], v.size() == 3 ? v[2] : nullptr};
    return d.Aendern([&](TListe& liste) {
        int fehler = KeinFehler;
        TDreiDBasisElement* summe = Konstruieren(liste, code, q, fehler);
        if (summe && mitPfeil) {
            if (TDreiDBasisElement* pfeil = befehle::NeuMitName(liste, TElementart::DPfeil)) {
                pfeil->Festlegung = TPfeil::PfPV;
                pfeil->Bezuege = {p[0], summe, nullptr};
            }
        }
        return summe != nullptr;
    });
}

bool VGegen(TDokument& d) {
    if (!Angeboten(d, TBefehl::VGegen)) return false;
    const auto v = Markierte(d.Liste(), TElementart::DVektor);
    if (v.empty()) return false;
    return d.Aendern([&](TListe& liste) {
        int fehler = KeinFehler;
        return Konstruieren(liste, TEntstehungsart::Gegenvektor, {v[0], nullptr, nullptr},
                            fehler) != nullptr;
    });
}

bool MVProdukt(TDokument& d) {
    if (!Angeboten(d, TBefehl::MVProdukt)) return false;
    const auto v = Markierte(d.Liste(), TElementart::DVektor);
    if (v.size() < 2) return false;
    return d.Aendern([&](TListe& liste) {
        int fehler = KeinFehler;
        return Konstruieren(liste, TEntstehungsart::VProdukt, {v[0], v[1], nullptr}, fehler) !=
               nullptr;
    });
}

} // namespace kalvorin
