// Creation from marked elements: the new element refers to the marked ones
// through its definition mode, so it follows them when they change.

#include "befehle/Befehle.h"
#include "befehle/BefehleHilfen.h"
#include "geometry/Auswertung.h"
#include "model/Auswahl.h"

#include <string>

namespace kalvorin {

namespace {

constexpr const char* CRLF = "\r\n";

const std::string& N(const TDreiDBasisElement* e) {
    static const std::string leer;
    return e ? e->Name : leer;
}

std::string GeradenMeldung(int fehler, const TDreiDBasisElement& neu) {
    const auto& b = neu.Bezuege;
    if (fehler == FehlerGeradePunkteGleich)
        return "Die Punkte " + N(b[0]) + " und " + N(b[1]) + " sind identisch, eine" + CRLF +
               "neue Gerade kann nicht erzeugt werden!";
    if (fehler == FehlerGeradeNullvektor)
        return "Der Richtungsvektor " + N(b[1]) + " ist der Nullvektor, die" + CRLF +
               "neue Gerade kann nicht erzeugt werden!";
    return {};
}

std::string EbenenMeldung(int fehler, const TDreiDBasisElement& neu) {
    const auto& b = neu.Bezuege;
    const std::string nicht = std::string(CRLF) + "Die neue Ebene kann nicht erzeugt werden!";
    switch (fehler) {
    case FehlerEbenePunkteAufGerade:
        return "Die drei Punkte " + N(b[0]) + ", " + N(b[1]) + " und " + N(b[2]) +
               " liegen auf einer" + CRLF +
               "einer Geraden, die neue Ebene kann nicht erzeugt werden!";
    case FehlerEbeneVektorenAbhaengig:
        return "Die Vektoren " + N(b[1]) + " und " + N(b[2]) + " sind linear abhängig," + CRLF +
               "die neue Ebene kann nicht erzeugt werden!";
    case FehlerEbenePunktAufGerade:
        return "Der Punkt " + N(b[0]) + " liegt auf der Geraden " + N(b[1]) + "." + nicht;
    case FehlerEbenePunktAufGeradePP: { // only a line given by two points reports it
        const TDreiDBasisElement* g = b[1];
        // The point is one of the line's: "F, A und F" would name it twice.
        if (g && (g->Bezuege[0] == b[0] || g->Bezuege[1] == b[0]))
            return "Der Punkt " + N(b[0]) + " liegt auf der Geraden " + N(g) + "." + nicht;
        return "Die drei Punkte " + N(b[0]) + ", " + N(g ? g->Bezuege[0] : nullptr) + " und " +
               N(g ? g->Bezuege[1] : nullptr) + " liegen auf einer Geraden," + CRLF +
               "die neue Ebene kann nicht erzeugt werden!";
    }
    case FehlerEbeneGeradeNullvektor:
        return "Der Richtungsvektor der Geraden " + N(b[1]) + " ist der Nullvektor." + nicht;
    case FehlerEbeneGeradenWindschief:
        return "Die Geraden " + N(b[0]) + " und " + N(b[1]) + " sind windschief." + nicht;
    case FehlerEbeneGeradenIdentisch:
        return "Die Geraden " + N(b[0]) + " und " + N(b[1]) + " sind identisch." + nicht;
    case FehlerEbeneErsteGerade:
    case FehlerEbeneZweiteGerade:
        return "Die Gerade " + N(b[fehler == FehlerEbeneErsteGerade ? 0 : 1]) +
               " existiert nicht, die neue" + CRLF + "Ebene kann nicht erzeugt werden!";
    case FehlerEbeneNormaleNull:
        return std::string("Der Normalvektor ist der Nullvektor, die") + CRLF +
               "neue Ebene kann nicht erzeugt werden!";
    case FehlerEbeneGeradeVektorAbhaengig:
        return "Der Richtungsvektor der Geraden " + N(b[0]) + " und der Vektor " + N(b[1]) +
               " sind linear abhängig." + nicht;
    default:
        return {};
    }
}

void NichtsDanach(TListe&, TDreiDBasisElement&) {}

// The common course, for the case the offer gave (Keiner: not offered, no
// change): add the element, let `festlegen` give it its mode and
// references, then `pruefen` it. A refusal (a non-empty message, or a
// failure without one) takes the element back again; on success `danach`
// completes it. The rebuild follows either way.
template <class Festlegen, class Pruefen, class Danach = void (*)(TListe&, TDreiDBasisElement&)>
bool Erzeugen(TDokument& d, TFall fall, TElementart art, Festlegen festlegen, Pruefen pruefen,
              Danach danach = NichtsDanach) {
    if (fall == TFall::Keiner) return false;
    return d.Aendern([&](TListe& l) {
        const TAuswahl m(l);
        TDreiDBasisElement* neu = befehle::NeuMitName(l, art);
        if (!neu) return false;
        if (!festlegen(*neu, m)) {
            befehle::Zuruecknehmen(l, neu);
            return false;
        }
        std::string meldung;
        if (!pruefen(*neu, meldung)) {
            if (!meldung.empty()) Meldungen().Meldung(meldung, TMeldungsart::Warnung);
            befehle::Zuruecknehmen(l, neu);
            return false;
        }
        danach(l, *neu);
        return true;
    });
}

void Setze(TDreiDBasisElement& e, std::uint8_t modus, TDreiDBasisElement* a,
           TDreiDBasisElement* b = nullptr, TDreiDBasisElement* c = nullptr) {
    e.Festlegung = modus;
    e.Bezuege = {a, b, c};
}

bool NieAbgelehnt(TDreiDBasisElement&, std::string&) {
    return true;
}

} // namespace

bool ErzPunkt(TDokument& d) {
    return Erzeugen(
        d, Fall(d.Liste(), TBefehl::ErzPunkt), TElementart::DfrPunkt,
        [](TDreiDBasisElement& e, const TAuswahl& m) {
            if (m.P.empty() || m.V.empty()) return false;
            Setze(e, TfrPunkt::PV, m.P.back(), m.V.back());
            return true;
        },
        NieAbgelehnt);
}

bool ErzGerade(TDokument& d) {
    const TFall fall = Fall(d.Liste(), TBefehl::ErzGerade);
    return Erzeugen(
        d, fall, TElementart::DGerade,
        [&](TDreiDBasisElement& e, const TAuswahl& m) {
            if (fall == TFall::GeradePP && m.P.size() >= 2)
                Setze(e, TGerade::GPP, m.P[0], m.P[1]);
            else if (fall == TFall::GeradePV && !m.P.empty() && !m.V.empty())
                Setze(e, TGerade::GPV, m.P.back(), m.V.back());
            else
                return false;
            return true;
        },
        [](TDreiDBasisElement& e, std::string& meldung) {
            TTripel a, r;
            const int f = GeradeAuswerten(e, a, r);
            meldung = GeradenMeldung(f, e);
            return f == KeinFehler;
        });
}

bool ErzEbene(TDokument& d) {
    const TFall fall = Fall(d.Liste(), TBefehl::ErzEbene);
    return Erzeugen(
        d, fall, TElementart::DEbene,
        [&](TDreiDBasisElement& e, const TAuswahl& m) {
            if (fall == TFall::EbenePPP && m.P.size() >= 3)
                Setze(e, TEbene::EPPP, m.P[0], m.P[1], m.P[2]);
            else if (fall == TFall::EbenePV && !m.P.empty() && !m.V.empty())
                Setze(e, TEbene::EPV, m.P.back(), m.V.back());
            else if (fall == TFall::EbenePVV && !m.P.empty() && m.V.size() >= 2)
                Setze(e, TEbene::EPVV, m.P.back(), m.V[0], m.V[1]);
            else if (fall == TFall::EbeneGG && m.G.size() >= 2)
                Setze(e, TEbene::EGG, m.G[0], m.G[1]);
            else if (fall == TFall::EbenePG && !m.P.empty() && !m.G.empty())
                Setze(e, TEbene::EPG, m.P.back(), m.G.back());
            else if (fall == TFall::EbeneGV && !m.V.empty() && !m.G.empty())
                Setze(e, TEbene::EGV, m.G.back(), m.V.back());
            else
                return false;
            return true;
        },
        [](TDreiDBasisElement& e, std::string& meldung) {
            TTripel a, u, v;
            const int f = EbeneAuswerten(e, a, u, v);
            meldung = EbenenMeldung(f, e);
            return f == KeinFehler;
        });
}

bool ErzStrecke(TDokument& d) {
    return Erzeugen(
        d, Fall(d.Liste(), TBefehl::ErzStrecke), TElementart::DStrecke,
        [](TDreiDBasisElement& e, const TAuswahl& m) {
            if (m.P.size() < 2) return false;
            Setze(e, 0, m.P[0], m.P[1]);
            return true;
        },
        [](TDreiDBasisElement& e, std::string& meldung) {
            TTripel a, r;
            const int f = StreckeAuswerten(e, a, r);
            if (f == FehlerStreckePunkteGleich)
                meldung = "Die Punkte " + N(e.Bezuege[0]) + " und " + N(e.Bezuege[1]) +
                          " sind identisch, die" + CRLF + "neue Strecke kann nicht erzeugt werden!";
            return f == KeinFehler;
        });
}

bool ErzPfeil(TDokument& d) {
    const TFall fall = Fall(d.Liste(), TBefehl::ErzPfeil);
    // An arrow given by two points owns a vector, added right after it.
    if (fall == TFall::PfeilPP && !befehle::Platz(d.Liste(), 2)) return false;
    return Erzeugen(
        d, fall, TElementart::DPfeil,
        [&](TDreiDBasisElement& e, const TAuswahl& m) {
            if (fall == TFall::PfeilPP && m.P.size() >= 2)
                Setze(e, TPfeil::PfPP, m.P[0], m.P[1]);
            else if (fall == TFall::PfeilPV && !m.P.empty() && !m.V.empty())
                Setze(e, TPfeil::PfPV, m.P.back(), m.V.back());
            else
                return false;
            return true;
        },
        [](TDreiDBasisElement& e, std::string& meldung) {
            TTripel a, r;
            const int f = PfeilAuswerten(e, a, r);
            if (f == FehlerPfeilPunkteGleich)
                meldung = "Die Punkte " + N(e.Bezuege[0]) + " und " + N(e.Bezuege[1]) +
                          " sind identisch, der" + CRLF + "neue Pfeil kann nicht erzeugt werden!";
            else if (f == FehlerPfeilNullvektor)
                meldung = "Der Richtungsvektor " + N(e.Bezuege[1]) + " ist der Nullvektor, der" +
                          CRLF + "neue Pfeil kann nicht erzeugt werden!";
            return f == KeinFehler;
        },
        [](TListe& l, TDreiDBasisElement& pfeil) {
            if (pfeil.Festlegung != TPfeil::PfPP) return;
            // Room for it was made sure of before the arrow was added.
            if (TDreiDBasisElement* v = befehle::NeuMitName(l, TElementart::DVektor)) {
                Setze(*v, TVektor::VPf, &pfeil);
                pfeil.Bezuege[2] = v;
            }
        });
}

bool ErzVektor(TDokument& d) {
    const TFall fall = Fall(d.Liste(), TBefehl::ErzVektor);
    return Erzeugen(
        d, fall, TElementart::DVektor,
        [&](TDreiDBasisElement& e, const TAuswahl& m) {
            if (fall == TFall::VektorPP && m.P.size() >= 2)
                Setze(e, TVektor::V2P, m.P[0], m.P[1]);
            else if (fall == TFall::VektorG && !m.G.empty())
                Setze(e, TVektor::VG, m.G.back());
            else if (fall == TFall::VektorE && !m.E.empty())
                Setze(e, TVektor::VE, m.E.back());
            else
                return false;
            return true;
        },
        [](TDreiDBasisElement& e, std::string& meldung) {
            const TDreiDBasisElement* q = e.Bezuege[0];
            TTripel a, u, v;
            if (e.Festlegung == TVektor::VG && GeradeAuswerten(*q, a, u) != KeinFehler) {
                meldung = "Die Gerade " + q->Name + " existiert nicht, ein neuer" + CRLF +
                          "Vektor kann nicht erzeugt werden!";
                return false;
            }
            if (e.Festlegung == TVektor::VE && EbeneAuswerten(*q, a, u, v) != KeinFehler) {
                meldung = "Die Ebene " + q->Name + " existiert nicht, ein neuer" + CRLF +
                          "Vektor kann nicht erzeugt werden!";
                return false;
            }
            return true;
        });
}

bool ErzDreieck(TDokument& d) {
    return Erzeugen(
        d, Fall(d.Liste(), TBefehl::ErzDreieck), TElementart::DDreieck,
        [](TDreiDBasisElement& e, const TAuswahl& m) {
            if (m.P.size() < 3) return false;
            Setze(e, 0, m.P[0], m.P[1], m.P[2]);
            return true;
        },
        [](TDreiDBasisElement& e, std::string& meldung) {
            std::array<TTripel, 3> ecken{};
            if (DreieckAuswerten(e, ecken) != KeinFehler) return false;
            if (!EckenAufEinerGeraden(ecken)) return true;
            meldung = "Die Punkte " + N(e.Bezuege[0]) + ", " + N(e.Bezuege[1]) + " und " +
                      N(e.Bezuege[2]) + " liegen auf einer" + CRLF +
                      " Geraden, das neue Dreieck kann nicht erzeugt werden!";
            return false;
        });
}

bool ErzPyramide(TDokument& d) {
    return Erzeugen(
        d, Fall(d.Liste(), TBefehl::ErzPyramide), TElementart::DPyramide3,
        [](TDreiDBasisElement& e, const TAuswahl& m) {
            if (m.P.empty() || m.D.empty()) return false;
            Setze(e, 0, m.D.back(), m.P.back()); // base triangle, apex
            return true;
        },
        [](TDreiDBasisElement& e, std::string& meldung) {
            std::array<TTripel, 3> grund{};
            TTripel spitze;
            if (PyramideAuswerten(e, grund, spitze) != KeinFehler) return false;
            if (!SpitzeInGrundflaeche(grund, spitze)) return true;
            meldung = "Die Spitze " + N(e.Bezuege[1]) + " liegt in der Grundflächenebene," + CRLF +
                      "die neue Pyramide kann nicht erzeugt werden!";
            return false;
        });
}

} // namespace kalvorin
