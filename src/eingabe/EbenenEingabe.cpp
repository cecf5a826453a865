#include "eingabe/EbenenEingabe.h"

#include "geometry/Auswertung.h"
#include "geometry/Schnitt.h"
#include "model/Utf8.h"
#include "storage/Einstellungen.h"
#include "zahlen/Zahlen.h"

namespace kalvorin {

namespace {

constexpr TElementart PunktArt = TElementart::DfrPunkt;
constexpr TElementart VektorArt = TElementart::DVektor;

std::string Allgemein(Real x) {
    return FormatGeneral(x, Einstellungen().StandardStellen);
}

TFeldTexte AllgemeinTexte(TTripel t) {
    return {Allgemein(t.x), Allgemein(t.y), Allgemein(t.z)};
}

TTripelEingabe Lesen(const TFeldTexte& t) {
    return ParseTripel(t[0], t[1], t[2]);
}

// A value that was shown for a held one: unchanged text, or a read value
// equal to the simplified held one, keeps what the plane holds.
TTripel Behalten(const TFeldTexte& texte, const TFeldTexte& angezeigt, TTripel gehalten,
                 bool vereinfacht) {
    if (texte == angezeigt) return gehalten;
    const TTripel gelesen = Lesen(texte).Tripel;
    const TTripel vergleich = vereinfacht ? VereinfachterVektor(gehalten) : gehalten;
    return gelesen == vergleich ? gehalten : gelesen;
}

bool Gewaehlt(const std::string& liste) {
    return Gefuellt(liste);
}

const TDreiDBasisElement* Gerade(const TListe& liste, const std::string& name) {
    return BenanntesElement(liste, name, GeradenArten);
}

// The line's point Q and direction r as the evaluation gives them.
bool GeradenDaten(const TListe& liste, const std::string& name, TTripel& q, TTripel& r) {
    const TDreiDBasisElement* g = Gerade(liste, name);
    if (!g) return false;
    GeradeAuswerten(*g, q, r);
    return true;
}

// The differences P2 - P1 and P3 - P1 as the dialog writes them, component
// by component with the standard number of digits, and read back.
struct TDifferenzen {
    TTripel D2, D3;
    bool Gelesen = true;
};

TDifferenzen Differenzen(const std::array<TTeilEingabe, 3>& p) {
    TDifferenzen d;
    Real werte[2][3];
    for (int k = 0; k < 2; ++k)
        for (std::size_t i = 0; i < 3; ++i) {
            // A rounded difference may lie beyond the range of typed numbers.
            const TZahl z = ParseReal(
                DifferenceText(p[static_cast<std::size_t>(k + 1)].Werte[i], p[0].Werte[i]));
            d.Gelesen = d.Gelesen && z.Code == ZahlGueltig;
            werte[k][i] = z.Wert;
        }
    d.D2 = {werte[0][0], werte[0][1], werte[0][2]};
    d.D3 = {werte[1][0], werte[1][1], werte[1][2]};
    return d;
}

void NurAktiv(TEbenenEingabe& e, int weg) {
    e.Aktiv.fill(false);
    e.Aktiv[TEbene::ENOR] = true;
    e.Aktiv[static_cast<std::size_t>(weg)] = true;
}

// Name, lists and an empty form: the part of "EbeneDialogNeu" that both
// calls share.
TEbenenEingabe Vorbereitet(const TListe& liste, const TDreiDBasisElement* selbst) {
    TEbenenEingabe e;
    NeuVorbereiten(e, liste, TElementart::DEbene);
    e.Punkte = NamenDerArt(liste, PunktArten, selbst);
    e.Vektoren = NamenDerArt(liste, VektorArten, selbst);
    e.Geraden = NamenDerArt(liste, GeradenArten, selbst);
    return e;
}

// The parts of a mode with the kind each is appended as, in list order.
std::vector<std::pair<const TTeilEingabe*, TElementart>> Teile(const TEbenenEingabe& e, int modus) {
    switch (modus) {
    case TEbene::EPPP:
        return {{&e.PPP[0], PunktArt}, {&e.PPP[1], PunktArt}, {&e.PPP[2], PunktArt}};
    case TEbene::EPVV:
        return {{&e.PVVPunkt, PunktArt}, {&e.PVVVektor1, VektorArt}, {&e.PVVVektor2, VektorArt}};
    case TEbene::EPG:
        return {{&e.PGPunkt, PunktArt}};
    case TEbene::EPV:
        return {{&e.EPVPunkt, PunktArt}, {&e.EPVVektor, VektorArt}};
    case TEbene::EGV:
        return {{&e.GVVektor, VektorArt}};
    default:
        return {};
    }
}

std::uint32_t ArtenVon(TElementart art) {
    return art == VektorArt ? VektorArten : PunktArten;
}

} // namespace

bool TEbenenEingabe::WegGefuellt(int weg) const {
    switch (weg) {
    case TEbene::EPAR:
        return AlleGefuellt(ParPunkt) && AlleGefuellt(ParRichtung1) && AlleGefuellt(ParRichtung2);
    case TEbene::ENOR:
        return Gefuellt(Normalenform[0]) && Gefuellt(Normalenform[1]) &&
               Gefuellt(Normalenform[2]) && Gefuellt(Normalenform[3]);
    case TEbene::EPPP:
        return PPP[0].AllesGefuellt() && PPP[1].AllesGefuellt() && PPP[2].AllesGefuellt();
    case TEbene::EPVV:
        return PVVPunkt.AllesGefuellt() && PVVVektor1.AllesGefuellt() && PVVVektor2.AllesGefuellt();
    case TEbene::EPG:
        return PGPunkt.AllesGefuellt() && Gewaehlt(PGGerade);
    case TEbene::EGG:
        return Gewaehlt(GG1) && Gewaehlt(GG2);
    case TEbene::EPV:
        return EPVPunkt.AllesGefuellt() && EPVVektor.AllesGefuellt();
    case TEbene::EGV:
        return Gewaehlt(GVGerade) && GVVektor.AllesGefuellt();
    default:
        return false;
    }
}

bool TEbenenEingabe::WegLeer(int weg) const {
    switch (weg) {
    case TEbene::EPAR:
        return KeinesGefuellt(ParPunkt) && KeinesGefuellt(ParRichtung1) &&
               KeinesGefuellt(ParRichtung2);
    case TEbene::ENOR:
        return !Gefuellt(Normalenform[0]) && !Gefuellt(Normalenform[1]) &&
               !Gefuellt(Normalenform[2]) && !Gefuellt(Normalenform[3]);
    case TEbene::EPPP:
        return PPP[0].AllesLeer() && PPP[1].AllesLeer() && PPP[2].AllesLeer();
    case TEbene::EPVV:
        return PVVPunkt.AllesLeer() && PVVVektor1.AllesLeer() && PVVVektor2.AllesLeer();
    case TEbene::EPG:
        return PGPunkt.AllesLeer() && !Gewaehlt(PGGerade);
    case TEbene::EGG:
        return !Gewaehlt(GG1) && !Gewaehlt(GG2);
    case TEbene::EPV:
        return EPVPunkt.AllesLeer() && EPVVektor.AllesLeer();
    case TEbene::EGV:
        return !Gewaehlt(GVGerade) && GVVektor.AllesLeer();
    default:
        return true;
    }
}

void TEbenenEingabe::WegGeaendert(int weg) {
    if (weg < 0 || weg >= AnzahlEbenenWege) return;
    if (WegGefuellt(weg)) {
        if (weg == TEbene::ENOR) {
            if (Neu && !Vollstaendig) Festlegung = TEbene::ENOR;
            Aktiv.fill(false);
            Aktiv[TEbene::ENOR] = true;
        } else {
            if (Neu) Festlegung = weg;
            NurAktiv(*this, weg);
        }
        Vollstaendig = true;
    } else if (Neu) {
        // In properties mode the input keeps counting as complete.
        Aktiv.fill(true);
        Vollstaendig = false;
    }
}

TEbenenEingabe EbeneEingabeNeu(const TListe& liste) {
    TEbenenEingabe e = Vorbereitet(liste, nullptr);
    e.Farbe = EbenenFarbfolge().Naechste();
    return e;
}

TEbenenEingabe EbeneEingabeAusElement(const TListe& liste, int position) {
    const auto& p = Als<TEbene>(*liste[position]);
    TEbenenEingabe e = Vorbereitet(liste, &p);
    AusElementVorbereiten(e, p);
    e.Vollstaendig = true;
    e.Festlegung = p.Festlegung < AnzahlEbenenWege ? static_cast<int>(p.Festlegung)
                                                   : static_cast<int>(TEbene::EPAR);
    if (e.Abgeleitet) {
        // Shown as a parameter form, whatever it was made from.
        TTripel a, u, v;
        EbeneAuswerten(p, a, u, v);
        e.ParPunkt = AllgemeinTexte(a);
        e.ParRichtung1 = AllgemeinTexte(VereinfachterVektor(u));
        e.ParRichtung2 = AllgemeinTexte(VereinfachterVektor(v));
        e.ParameterformFest = true;
        e.Weg = TEbene::EPAR;
        NurAktiv(e, TEbene::EPAR);
        return e;
    }
    e.Weg = e.Festlegung;
    NurAktiv(e, e.Festlegung);
    const auto teil = [&](TTeilEingabe& t, int i, std::uint32_t arten) {
        const TDreiDBasisElement* b = p.Bezuege[static_cast<std::size_t>(i)];
        t.Name = b ? b->Name : std::string();
        TeilGewaehlt(t, liste, arten);
        t.Fest = true;
    };
    const auto gerade = [&](std::string& name, int i) {
        const TDreiDBasisElement* b = p.Bezuege[static_cast<std::size_t>(i)];
        name = b ? b->Name : std::string();
    };
    switch (e.Festlegung) {
    case TEbene::EPAR:
        e.GehaltenerPunkt = p.Punkt;
        e.GehalteneRichtung1 = p.Richtung1;
        e.GehalteneRichtung2 = p.Richtung2;
        e.ParPunkt = e.ParPunktAngezeigt = FeldTexte(p.Punkt);
        e.ParRichtung1 = e.ParRichtung1Angezeigt = FeldTexte(VereinfachterVektor(p.Richtung1));
        e.ParRichtung2 = e.ParRichtung2Angezeigt = FeldTexte(VereinfachterVektor(p.Richtung2));
        break;
    case TEbene::ENOR: {
        e.GehalteneNormale = p.Normale;
        e.GehaltenesD = p.d;
        const std::array<Real, 4> z = VereinfachteNormalenform(p.Normale, p.d);
        for (std::size_t i = 0; i < 4; ++i)
            e.Normalenform[i] = Allgemein(z[i]);
        e.NormalenformAngezeigt = e.Normalenform;
        e.Aktiv.fill(false);
        e.Aktiv[TEbene::ENOR] = true;
        break;
    }
    case TEbene::EPPP:
        for (int i = 0; i < 3; ++i)
            teil(e.PPP[static_cast<std::size_t>(i)], i, PunktArten);
        break;
    case TEbene::EPVV:
        teil(e.PVVPunkt, 0, PunktArten);
        teil(e.PVVVektor1, 1, VektorArten);
        teil(e.PVVVektor2, 2, VektorArten);
        break;
    case TEbene::EPG:
        teil(e.PGPunkt, 0, PunktArten);
        gerade(e.PGGerade, 1);
        break;
    case TEbene::EGG:
        gerade(e.GG1, 0);
        gerade(e.GG2, 1);
        break;
    case TEbene::EPV:
        teil(e.EPVPunkt, 0, PunktArten);
        teil(e.EPVVektor, 1, VektorArten);
        break;
    case TEbene::EGV:
        gerade(e.GVGerade, 0);
        teil(e.GVVektor, 1, VektorArten);
        break;
    default:
        break;
    }
    return e;
}

std::string EbeneNormalenformGewaehlt(TEbenenEingabe& e, const TListe& liste) {
    if (!e.Vollstaendig) {
        e.Festlegung = TEbene::ENOR;
        e.Weg = TEbene::ENOR;
        e.Normalenform = {};
        e.NormalenformFest = false;
        return {};
    }
    const int modus = e.Abgeleitet ? TEbene::EPAR : e.Festlegung;
    if (std::string meldung = EbenenChecks(liste, e, modus); !meldung.empty()) {
        e.Weg = modus;
        return meldung;
    }
    const TNormalenform nf = EbenenNormalenform(liste, e, modus);
    const std::array<Real, 4> z = VereinfachteNormalenform(nf.n, nf.d);
    for (std::size_t i = 0; i < 4; ++i)
        e.Normalenform[i] = Allgemein(z[i]);
    if (modus == TEbene::ENOR) {
        // The plane stays as typed while the simplified form is only looked at.
        e.GehalteneNormale = nf.n;
        e.GehaltenesD = nf.d;
        e.NormalenformAngezeigt = e.Normalenform;
    }
    e.Weg = TEbene::ENOR;
    NurAktiv(e, modus);
    e.NormalenformFest = modus != TEbene::ENOR;
    return {};
}

void EbeneFuerNaechste(TEbenenEingabe& e, const TListe& liste) {
    TEbenenEingabe n = Vorbereitet(liste, nullptr);
    n.Weg = e.Weg;
    n.Festlegung = e.Festlegung;
    n.Duenn = e.Duenn;
    n.Transparenz = e.Transparenz;
    n.Farbe = EbenenFarbfolge().Naechste();
    e = std::move(n);
}

std::string EbenenChecks(const TListe& liste, const TEbenenEingabe& e, int modus) {
    std::string m =
        NamenPruefen(liste, e.Name, e.AlterName, "Name der Ebenen bereits vergeben!").Meldung;
    const auto teilName = [&](const TTeilEingabe& t, std::uint32_t arten, const char* vergeben) {
        if (std::string f = TeilNameFehler(liste, t, arten, e.Name, vergeben); !f.empty()) m = f;
    };
    const auto gleich = [](const TTeilEingabe& a, const TTeilEingabe& b) {
        return TeilName(a.Name) == TeilName(b.Name);
    };
    const char* abhaengig = "Die Richtungsvektoren sind linear abhängig!";
    const char* punktText = "Koordinaten des Punktes nicht richtig festgelegt!";
    const char* nullRichtung = "Ein Richtungsvektor ist der Nullvektor!";

    if (e.Abgeleitet) modus = -1; // nothing but the name is input
    switch (modus) {
    case TEbene::EPAR: {
        const TTripelEingabe p = Lesen(e.ParPunkt);
        const TTripelEingabe u = Lesen(e.ParRichtung1);
        const TTripelEingabe v = Lesen(e.ParRichtung2);
        if (!u.Fehler && !v.Fehler && IstNullvektor(Kreuzprodukt(u.Tripel, v.Tripel)))
            m = abhaengig;
        if (p.Fehler) m = punktText;
        if (u.Fehler)
            m = "Koordinaten des 1. Vektors nicht richtig festgelegt!";
        else if (IstNullvektor(u.Tripel))
            m = nullRichtung;
        if (v.Fehler)
            m = "Koordinaten des 2. Vektors nicht richtig festgelegt!";
        else if (IstNullvektor(v.Tripel))
            m = nullRichtung;
        break;
    }
    case TEbene::ENOR: {
        const TTripelEingabe n =
            ParseTripel(e.Normalenform[0], e.Normalenform[1], e.Normalenform[2]);
        if (n.Fehler)
            m = "Komponenten nicht richtig festgelegt!";
        else if (IstNullvektor(n.Tripel))
            m = "Normalvektor ist der Nullvektor!";
        if (ParseNumber(e.Normalenform[3]).Code != ZahlGueltig)
            m = "Konstante nicht richtig festgelegt!";
        break;
    }
    case TEbene::EPPP: {
        teilName(e.PPP[0], PunktArten, "Name des 1. Punktes bereits vergeben!");
        teilName(e.PPP[1], PunktArten, "Name des 2. Punktes bereits vergeben!");
        teilName(e.PPP[2], PunktArten, "Name des 3. Punktes bereits vergeben!");
        const TDifferenzen d = Differenzen(e.PPP);
        if (d.Gelesen && IstNullvektor(Kreuzprodukt(d.D3, d.D2)))
            m = "Die drei Punkte liegen auf einer Geraden!";
        std::array<TTeilWert, 3> w;
        for (std::size_t i = 0; i < 3; ++i)
            w[i] = TeilWert(liste, e.PPP[i], PunktArten);
        if (w[0].Wert == w[1].Wert || w[0].Wert == w[2].Wert || w[1].Wert == w[2].Wert)
            m = "Zwei Punkte sind gleich!";
        if (w[0].Fehler) m = "Koordinaten des 1. Punktes nicht richtig festgelegt!";
        if (w[1].Fehler) m = "Koordinaten des 2. Punktes nicht richtig festgelegt!";
        if (w[2].Fehler) m = "Koordinaten des 3. Punktes nicht richtig festgelegt!";
        if (gleich(e.PPP[0], e.PPP[1]) || gleich(e.PPP[0], e.PPP[2]) || gleich(e.PPP[1], e.PPP[2]))
            m = "Zwei Punkte besitzen den gleichen Namen!";
        break;
    }
    case TEbene::EPVV: {
        teilName(e.PVVPunkt, PunktArten, "Name des Anfangspunktes bereits vergeben!");
        teilName(e.PVVVektor1, VektorArten, "Name des 1. Vektors bereits vergeben!");
        teilName(e.PVVVektor2, VektorArten, "Name des 2. Vektors bereits vergeben!");
        const TTeilWert p = TeilWert(liste, e.PVVPunkt, PunktArten);
        const TTeilWert u = TeilWert(liste, e.PVVVektor1, VektorArten);
        const TTeilWert v = TeilWert(liste, e.PVVVektor2, VektorArten);
        if (!u.Fehler && !v.Fehler && IstNullvektor(Kreuzprodukt(u.Wert, v.Wert))) m = abhaengig;
        if (p.Fehler) m = punktText;
        if (u.Fehler)
            m = "Koordinaten des 1. Vektors nicht richtig festgelegt!";
        else if (IstNullvektor(u.Wert))
            m = nullRichtung;
        if (v.Fehler)
            m = "Koordinaten des 2. Vektors nicht richtig festgelegt!";
        else if (IstNullvektor(v.Wert))
            m = nullRichtung;
        if (gleich(e.PVVPunkt, e.PVVVektor1) || gleich(e.PVVPunkt, e.PVVVektor2))
            m = "Punkte und Vektor besitzen den gleichen Namen!";
        if (gleich(e.PVVVektor1, e.PVVVektor2))
            m = "Die beiden Vektoren besitzen den gleichen Namen!";
        break;
    }
    case TEbene::EPG: {
        teilName(e.PGPunkt, PunktArten, "Name des Punktes bereits vergeben!");
        TTripel q, r;
        const bool gerade = GeradenDaten(liste, e.PGGerade, q, r);
        if (!gerade) m = UnvollstaendigText;
        const TTeilWert p = TeilWert(liste, e.PGPunkt, PunktArten);
        if (p.Fehler)
            m = punktText;
        else if (gerade && IstNullvektor(Kreuzprodukt(TripelDifferenz(p.Wert, q), r)))
            m = "Der Punkt liegt auf der Geraden!";
        break;
    }
    case TEbene::EGG: {
        const TDreiDBasisElement* g1 = Gerade(liste, e.GG1);
        const TDreiDBasisElement* g2 = Gerade(liste, e.GG2);
        if (!g1 || !g2) {
            m = UnvollstaendigText;
            break;
        }
        TGeometrie a, b;
        Auswerten(*g1, a);
        Auswerten(*g2, b);
        if (SchnittKern(TElementart::DGerade, a, TElementart::DGerade, b).Code == SchnittWindschief)
            m = "Die beiden Geraden sind windschief!";
        if (IstNullvektor(Kreuzprodukt(a.Richtung1, b.Richtung1)) &&
            IstNullvektor(Kreuzprodukt(TripelDifferenz(a.Punkt, b.Punkt), b.Richtung1)))
            m = "Die beiden Geraden sind identisch!";
        break;
    }
    case TEbene::EPV: {
        teilName(e.EPVPunkt, PunktArten, "Name des Punktes bereits vergeben!");
        teilName(e.EPVVektor, VektorArten, "Name des Normalvektors bereits vergeben!");
        const TTeilWert p = TeilWert(liste, e.EPVPunkt, PunktArten);
        const TTeilWert n = TeilWert(liste, e.EPVVektor, VektorArten);
        if (p.Fehler) m = punktText;
        if (n.Fehler)
            m = "Koordinaten des Normalvektors nicht richtig festgelegt!";
        else if (IstNullvektor(n.Wert))
            m = "Normalvektor ist der Nullvektor!";
        // Two new elements of one name could not both be stored.
        if (gleich(e.EPVPunkt, e.EPVVektor))
            m = "Punkt und Normalvektor besitzen den gleichen Namen!";
        break;
    }
    case TEbene::EGV: {
        teilName(e.GVVektor, VektorArten, "Name des Vektors bereits vergeben!");
        TTripel q, r;
        const bool gerade = GeradenDaten(liste, e.GVGerade, q, r);
        if (!gerade) m = UnvollstaendigText;
        const TTeilWert v = TeilWert(liste, e.GVVektor, VektorArten);
        if (v.Fehler)
            m = "Koordinaten des Vektors nicht richtig festgelegt!";
        else if (IstNullvektor(v.Wert))
            m = "Vektor ist der Nullvektor!";
        if (m.empty() && gerade && IstNullvektor(Kreuzprodukt(v.Wert, r))) m = abhaengig;
        break;
    }
    default:
        break;
    }

    // Nothing built on the plane can define it.
    if (e.Selbst && modus >= 0) {
        for (const auto& [t, art] : Teile(e, modus))
            if (const TDreiDBasisElement* b = BenanntesElement(liste, t->Name, ArtenVon(art));
                b && HaengtAb(*b, *e.Selbst))
                m = KreisText(b->Name, "der Ebene");
        for (const std::string* g : {&e.PGGerade, &e.GG1, &e.GG2, &e.GVGerade}) {
            const bool benutzt = (modus == TEbene::EPG && g == &e.PGGerade) ||
                                 (modus == TEbene::EGG && (g == &e.GG1 || g == &e.GG2)) ||
                                 (modus == TEbene::EGV && g == &e.GVGerade);
            if (const TDreiDBasisElement* b = benutzt ? Gerade(liste, *g) : nullptr;
                b && HaengtAb(*b, *e.Selbst))
                m = KreisText(b->Name, "der Ebene");
        }
    }
    const int neu = static_cast<int>(EbeneNeueTeile(liste, e).size()) + (e.Neu ? 1 : 0);
    if (m.empty() && !HatPlatzFuer(liste, neu)) m = ListeVollMeldung;
    return m;
}

TEingabePruefung EbenePruefen(const TListe& liste, const TEbenenEingabe& e) {
    TEingabePruefung r;
    if (e.WegLeer(e.Weg)) {
        r.Ergebnis = TPruefergebnis::StillSchliessen;
        return r;
    }
    if (!e.Vollstaendig) {
        r.Ergebnis = TPruefergebnis::Unvollstaendig;
        r.Meldung = UnvollstaendigText;
        return r;
    }
    r.Meldung = EbenenChecks(liste, e, e.Festlegung);
    if (!r.Meldung.empty()) r.Ergebnis = TPruefergebnis::Abgelehnt;
    return r;
}

TNormalenform EbenenNormalenform(const TListe& liste, const TEbenenEingabe& e, int modus) {
    TNormalenform f;
    TTripel p; // the point whose product gives d
    const auto wert = [&](const TTeilEingabe& t, std::uint32_t arten) {
        return TeilWert(liste, t, arten).Wert;
    };
    switch (modus) {
    case TEbene::EPAR: {
        p = e.Abgeleitet ? Lesen(e.ParPunkt).Tripel
                         : FeldWerte(e.ParPunkt, e.ParPunktAngezeigt, e.GehaltenerPunkt);
        const TTripel u = Lesen(e.ParRichtung1).Tripel;
        const TTripel v = Lesen(e.ParRichtung2).Tripel;
        f.n = Kreuzprodukt(v, u);
        break;
    }
    case TEbene::ENOR:
        f.n = ParseTripel(e.Normalenform[0], e.Normalenform[1], e.Normalenform[2]).Tripel;
        f.d = ParseNumber(e.Normalenform[3]).Wert;
        return f;
    case TEbene::EPPP: {
        const TDifferenzen d = Differenzen(e.PPP);
        f.n = Kreuzprodukt(d.D3, d.D2);
        p = wert(e.PPP[0], PunktArten);
        break;
    }
    case TEbene::EPVV:
        f.n = Kreuzprodukt(wert(e.PVVVektor2, VektorArten), wert(e.PVVVektor1, VektorArten));
        p = wert(e.PVVPunkt, PunktArten);
        break;
    case TEbene::EPG: {
        TTripel q, r;
        GeradenDaten(liste, e.PGGerade, q, r);
        p = wert(e.PGPunkt, PunktArten);
        f.n = Kreuzprodukt(TripelDifferenz(q, p), r);
        break;
    }
    case TEbene::EGG: {
        TTripel q1, r1, q2, r2;
        GeradenDaten(liste, e.GG1, q1, r1);
        GeradenDaten(liste, e.GG2, q2, r2);
        f.n = Kreuzprodukt(r1, r2);
        // Parallel lines: the step from one to the other spans the plane.
        if (IstNullvektor(f.n)) f.n = Kreuzprodukt(TripelDifferenz(q1, q2), r2);
        p = q1;
        break;
    }
    case TEbene::EPV:
        f.n = wert(e.EPVVektor, VektorArten);
        p = wert(e.EPVPunkt, PunktArten);
        break;
    case TEbene::EGV: {
        TTripel q, r;
        GeradenDaten(liste, e.GVGerade, q, r);
        f.n = Kreuzprodukt(wert(e.GVVektor, VektorArten), r);
        p = q;
        break;
    }
    default:
        break;
    }
    f.d = -Skalarprodukt(p, f.n);
    return f;
}

std::vector<TElementart> EbeneNeueTeile(const TListe& liste, const TEbenenEingabe& e) {
    if (e.Abgeleitet) return {};
    return NeueTeile(liste, Teile(e, e.Festlegung));
}

bool EbeneAusDialog(TListe& liste, int position, const TEbenenEingabe& e) {
    if (!e.Neu && !HatPlatzFuer(liste, static_cast<int>(EbeneNeueTeile(liste, e).size())))
        return false;
    TEbene& p = Als<TEbene>(*liste[position]);
    p.sichtbar = true;
    p.Name = Utf8Anfang(e.Name, MaxNamenLaenge);
    p.Art = TElementart::DEbene;
    if (!e.Abgeleitet) {
        p.Festlegung = static_cast<std::uint8_t>(e.Festlegung);
        int naechster = position + 1;
        const auto teil = [&](const TTeilEingabe& t, TElementart art) {
            return TeilSchreiben(liste, t, art, e.Neu, naechster,
                                 art == VektorArt ? std::optional<TFarbe>(Schwarz) : std::nullopt);
        };
        const auto gerade = [&](const std::string& name) {
            return liste.ElementMitName(TeilName(name));
        };
        switch (e.Festlegung) {
        case TEbene::EPAR:
            p.Bezuege = {};
            p.Punkt = FeldWerte(e.ParPunkt, e.ParPunktAngezeigt, e.GehaltenerPunkt);
            p.Richtung1 =
                Behalten(e.ParRichtung1, e.ParRichtung1Angezeigt, e.GehalteneRichtung1, true);
            p.Richtung2 =
                Behalten(e.ParRichtung2, e.ParRichtung2Angezeigt, e.GehalteneRichtung2, true);
            break;
        case TEbene::ENOR: {
            p.Bezuege = {};
            if (e.Normalenform == e.NormalenformAngezeigt) {
                p.Normale = e.GehalteneNormale;
                p.d = e.GehaltenesD;
                break;
            }
            const TTripel n =
                ParseTripel(e.Normalenform[0], e.Normalenform[1], e.Normalenform[2]).Tripel;
            const Real d = ParseNumber(e.Normalenform[3]).Wert;
            const std::array<Real, 4> gehalten =
                VereinfachteNormalenform(e.GehalteneNormale, e.GehaltenesD);
            const bool wieGehalten =
                n.x == gehalten[0] && n.y == gehalten[1] && n.z == gehalten[2] && d == gehalten[3];
            p.Normale = wieGehalten ? e.GehalteneNormale : n;
            p.d = wieGehalten ? e.GehaltenesD : d;
            break;
        }
        case TEbene::EPPP: {
            TDreiDBasisElement* p1 = teil(e.PPP[0], PunktArt);
            TDreiDBasisElement* p2 = teil(e.PPP[1], PunktArt);
            TDreiDBasisElement* p3 = teil(e.PPP[2], PunktArt);
            p.Bezuege = {p1, p2, p3};
            break;
        }
        case TEbene::EPVV: {
            TDreiDBasisElement* a = teil(e.PVVPunkt, PunktArt);
            TDreiDBasisElement* u = teil(e.PVVVektor1, VektorArt);
            TDreiDBasisElement* v = teil(e.PVVVektor2, VektorArt);
            p.Bezuege = {a, u, v};
            break;
        }
        case TEbene::EPG: {
            TDreiDBasisElement* a = teil(e.PGPunkt, PunktArt);
            p.Bezuege = {a, gerade(e.PGGerade), nullptr};
            break;
        }
        case TEbene::EGG:
            p.Bezuege = {gerade(e.GG1), gerade(e.GG2), nullptr};
            break;
        case TEbene::EPV: {
            TDreiDBasisElement* a = teil(e.EPVPunkt, PunktArt);
            TDreiDBasisElement* n = teil(e.EPVVektor, VektorArt);
            p.Bezuege = {a, n, nullptr};
            break;
        }
        case TEbene::EGV: {
            TDreiDBasisElement* v = teil(e.GVVektor, VektorArt);
            p.Bezuege = {gerade(e.GVGerade), v, nullptr};
            break;
        }
        default:
            break;
        }
    }
    AussehenSchreiben(p, e);
    return true;
}

int EbeneNeuAnlegen(TListe& liste, const TEbenenEingabe& e) {
    return ElementAnhaengen(liste, TElementart::DEbene, EbeneNeueTeile(liste, e),
                            [&](TListe& l, int slot) { return EbeneAusDialog(l, slot, e); });
}

int EbeneUebernehmen(TDokument& dokument, const TEbenenEingabe& e) {
    return ElementUebernehmen(
        dokument, e, TElementart::DEbene, [&](const TListe& l) { return EbeneNeueTeile(l, e); },
        [&](TListe& l, int slot) { return EbeneAusDialog(l, slot, e); });
}

} // namespace kalvorin
