#include "document/Neuaufbau.h"

#include "geometry/Auswertung.h"
#include "geometry/Nachrechnen.h"
#include "model/Meldungen.h"
#include "storage/Einstellungen.h"
#include "view/SzenenElemente.h"

#include <algorithm>

namespace kalvorin {

namespace {

const std::string CRLF = "\r\n";

std::string NameVon(const TDreiDBasisElement* e) {
    return e ? e->Name : std::string("?");
}
std::string Bezug(const TDreiDBasisElement& e, int i) {
    return NameVon(e.Bezuege[i]);
}
const std::string Ende = " kann nicht dargestellt werden!";

std::string EbenenText(const TDreiDBasisElement& e, int fehler) {
    const std::string& n = e.Name;
    switch (fehler) {
    case FehlerEbenePunkteAufGerade:
        return "Die drei Punkte " + Bezug(e, 0) + ", " + Bezug(e, 1) + " und " + Bezug(e, 2) +
               " liegen auf" + CRLF + " einer Geraden, die Ebene " + n + Ende;
    case FehlerEbeneVektorenAbhaengig:
        return "Die Vektoren " + Bezug(e, 1) + " und " + Bezug(e, 2) + " sind linear" + CRLF +
               "abhängig, die Ebene " + n + Ende;
    case FehlerEbeneNormaleNull:
        return "Normalvektor ist der Nullvektor," + CRLF + "die Ebene " + n + Ende;
    case FehlerEbeneGeradeNullvektor:
        return "Der Richtungsvektor der Geraden " + Bezug(e, 1) + " ist der Nullvektor." + CRLF +
               "Die Ebene " + n + Ende;
    case FehlerEbenePunktAufGerade:
        return "Der Punkt " + Bezug(e, 0) + " liegt auf der Geraden " + Bezug(e, 1) + "." + CRLF +
               "Die Ebene " + n + Ende;
    case FehlerEbenePunktAufGeradePP: {
        const TDreiDBasisElement* g = e.Bezuege[1];
        // The point is one of the line's: "F, A und F" would name it twice.
        if (g && (g->Bezuege[0] == e.Bezuege[0] || g->Bezuege[1] == e.Bezuege[0]))
            return "Der Punkt " + Bezug(e, 0) + " liegt auf der Geraden " + Bezug(e, 1) + "." +
                   CRLF + "Die Ebene " + n + Ende;
        return "Die drei Punkte " + Bezug(e, 0) + ", " + (g ? Bezug(*g, 0) : "?") + " und " +
               (g ? Bezug(*g, 1) : "?") + " liegen auf einer Geraden," + CRLF + "die Ebene " + n +
               Ende;
    }
    case FehlerEbeneGeradenWindschief:
        return "Die Geraden " + Bezug(e, 0) + " und " + Bezug(e, 1) + " sind windschief." + CRLF +
               "Die Ebene " + n + Ende;
    case FehlerEbeneGeradenIdentisch:
        return "Die Geraden " + Bezug(e, 0) + " und " + Bezug(e, 1) + " sind identisch." + CRLF +
               "Die Ebene " + n + Ende;
    case FehlerEbeneErsteGerade:
    case FehlerEbeneZweiteGerade:
        return "Die Gerade " + Bezug(e, fehler == FehlerEbeneErsteGerade ? 0 : 1) +
               " existiert nicht, die" + CRLF + " Ebene " + n + Ende;
    case FehlerEbeneGeradeVektorAbhaengig:
        return "Der Richtungsvektor der Geraden " + Bezug(e, 0) + " und der Vektor " + Bezug(e, 1) +
               " sind linear abhängig." + CRLF + "Die Ebene " + n + Ende;
    default:
        return {};
    }
}

} // namespace

std::string NichtDarstellbarText(const TDreiDBasisElement& e, int fehler) {
    const std::string& n = e.Name;
    std::string text;
    switch (e.Art) {
    case TElementart::DPfeil:
        if (fehler == FehlerPfeilPunkteGleich)
            text = "Die Punkte " + Bezug(e, 0) + " und " + Bezug(e, 1) + " sind identisch, der" +
                   CRLF + " Pfeil " + n + Ende;
        else if (fehler == FehlerPfeilNullvektor)
            text = "Der Vektor " + Bezug(e, 1) + " ist der Nullvektor, der" + CRLF + "Pfeil " + n +
                   Ende;
        break;
    case TElementart::DGerade:
        if (e.Festlegung == TGerade::GPAR && fehler == FehlerGeradeNullvektor)
            text = "Der Richtungsvektor ist der Nullvektor, die" + CRLF + "Gerade " + n + Ende;
        else if (fehler == FehlerGeradePunkteGleich)
            text = "Die Punkte " + Bezug(e, 0) + " und " + Bezug(e, 1) + " sind identisch, die" +
                   CRLF + " Gerade " + n + Ende;
        else if (fehler == FehlerGeradeNullvektor)
            text = "Der Richtungsvektor " + Bezug(e, 1) + " ist der Nullvektor, die" + CRLF +
                   "Gerade " + n + Ende;
        break;
    case TElementart::DEbene:
        text = EbenenText(e, fehler);
        break;
    case TElementart::DStrecke:
        if (fehler == FehlerStreckePunkteGleich)
            text = "Die Punkte " + Bezug(e, 0) + " und " + Bezug(e, 1) + " sind identisch, die" +
                   CRLF + " Strecke " + n + Ende;
        break;
    case TElementart::DDreieck:
        if (fehler == FehlerDreieckEckenAufGerade)
            text = "Die Punkte " + Bezug(e, 0) + ", " + Bezug(e, 1) + " und " + Bezug(e, 2) +
                   " liegen auf einer" + CRLF + " Geraden, das Dreieck " + n + Ende;
        break;
    case TElementart::DKugel:
        if (fehler == FehlerKugelPunkteGleich)
            text = "Die Punkte " + Bezug(e, 0) + " und " + Bezug(e, 1) + " sind identisch, die" +
                   CRLF + " Kugel " + n + Ende;
        else if (fehler == FehlerKugelMittelpunktInEbene)
            text = "Der Mittelpunkt " + Bezug(e, 0) + " liegt in der Ebene " + Bezug(e, 1) + "," +
                   CRLF + "die Kugel " + n + Ende;
        else if (fehler == FehlerKugelRadius)
            text = "Der Radius ist nicht positiv, die" + CRLF + "Kugel " + n + Ende;
        break;
    case TElementart::DKreis:
        if (fehler == FehlerKreisNormaleNull)
            text = "Der Normalenvektor ist der Nullvektor, der" + CRLF + "Kreis " + n + Ende;
        else if (fehler == FehlerKugelRadius)
            text = "Der Radius ist nicht positiv, der" + CRLF + "Kreis " + n + Ende;
        break;
    case TElementart::DViereck: {
        const std::string ecken =
            Bezug(e, 0) + ", " + Bezug(e, 1) + ", " + Bezug(e, 2) + " und " + Bezug(e, 3);
        if (fehler == FehlerViereckPunkteGleich)
            text =
                "Zwei der Punkte " + ecken + " sind identisch," + CRLF + "das Viereck " + n + Ende;
        else if (fehler == FehlerViereckAufGerade)
            text = "Drei der Punkte " + ecken + " liegen auf einer" + CRLF +
                   " Geraden, das Viereck " + n + Ende;
        else if (fehler == FehlerViereckNichtEben)
            text = "Die Punkte " + ecken + " liegen nicht in einer" + CRLF +
                   " Ebene, das Viereck " + n + Ende;
        else if (fehler == FehlerViereckSeitenKreuzen)
            text = "Die Seiten des Vierecks " + n + " schneiden sich," + CRLF + "das Viereck " + n +
                   Ende;
        break;
    }
    case TElementart::DPyramide3:
    case TElementart::DPyramide4:
        if (fehler == FehlerPyramideSpitzeInGrundflaeche)
            text = "Die Spitze " + Bezug(e, 1) + " liegt in der Grundflächenebene," + CRLF +
                   "die Pyramide " + n + Ende;
        break;
    default:
        break;
    }
    if (text.empty()) // a broken reference, possible only in an edited file
        text =
            "Ein Bezugselement fehlt oder hat die falsche Art, das" + CRLF + "Objekt " + n + Ende;
    return text;
}

std::string NichtSichtbarText(const TDreiDBasisElement& e, int ergebnis) {
    const std::string anfang =
        "Das Objekt " + e.Name + " kann nicht sichtbar gemacht werden, da" + CRLF;
    if (ergebnis == SzeneVoll) return anfang + "die Maximalzahl der Elemente überschritten ist!";
    return anfang + "es außerhalb des Darstellungsbereichs liegt!" + CRLF + CRLF +
           "Vergrößern Sie den Darstellungsbereich (Menü Ansicht)" + CRLF +
           "und markieren Sie die Spalte s beim Objekt " + e.Name + ".";
}

namespace {

TStiftStil HilfslinienStil() {
    switch (Einstellungen().HilfslinienStrichart) {
    case 0:
        return TStiftStil::Durchgezogen;
    case 2:
        return TStiftStil::Punktiert;
    default:
        return TStiftStil::Gestrichelt;
    }
}

// The construction line of a mapped point: to its original, or for a
// dilation to or from the centre depending on the factor.
// The scene object of the element's helper line; 0 when it has none.
int Hilfslinie(const TDreiDBasisElement& e, tGSzene& szene) {
    const auto art = e.Entstehung.Art;
    if (e.Art != TElementart::DfrPunkt || !e.Hilfslinien) return 0;
    if (art != TEntstehungsart::PSpiegelung && art != TEntstehungsart::ESpiegelung &&
        art != TEntstehungsart::Streckung && art != TEntstehungsart::O_Projektion &&
        art != TEntstehungsart::P_Projektion)
        return 0;
    TTripel bild, original, zentrum;
    if (PunktAuswerten(e, bild) != KeinFehler || !e.Entstehung.Originalelement ||
        PunktAuswerten(*e.Entstehung.Originalelement, original) != KeinFehler)
        return 0;
    TTripel von = bild, bis = original;
    if (art == TEntstehungsart::Streckung) {
        const TDreiDBasisElement* z = e.Entstehung.Elemente[0].Element;
        if (!z || PunktAuswerten(*z, zentrum) != KeinFehler) return 0;
        const Real k = e.Entstehung.Elemente[1].Zahl;
        if (k > 1) {
            von = bild;
            bis = zentrum;
        } else if (k >= 0) {
            von = original;
            bis = zentrum;
        }
    }
    if (IstNullvektor(Verbindungsvektor(von, bis))) return 0;
    return HilfslinieInSzene(szene, von, bis, Einstellungen().HilfslinienFarbe, HilfslinienStil());
}

} // namespace

int ElementGeometrie(const TDreiDBasisElement& e, TSzenenEingabe& ein) {
    if (e.Art == TElementart::DDreieck) {
        const int f = DreieckAuswerten(e, ein.Ecken);
        if (f != KeinFehler) return f;
        return EckenAufEinerGeraden(ein.Ecken) ? FehlerDreieckEckenAufGerade : KeinFehler;
    }
    if (e.Art == TElementart::DPyramide3) {
        const int f = PyramideAuswerten(e, ein.Ecken, ein.Spitze);
        if (f != KeinFehler) return f;
        if (EckenAufEinerGeraden(ein.Ecken)) return FehlerBezug;
        return SpitzeInGrundflaeche(ein.Ecken, ein.Spitze) ? FehlerPyramideSpitzeInGrundflaeche
                                                           : KeinFehler;
    }
    if (e.Art == TElementart::DViereck || e.Art == TElementart::DPyramide4) {
        std::array<TTripel, 4> ecken;
        const int f = e.Art == TElementart::DViereck ? ViereckAuswerten(e, ecken)
                                                     : Pyramide4Auswerten(e, ecken, ein.Spitze);
        if (f != KeinFehler) return f;
        std::copy(ecken.begin(), ecken.begin() + 3, ein.Ecken.begin());
        ein.VierteEcke = ecken[3];
        const int form = ViereckPruefen(ecken);
        if (e.Art == TElementart::DViereck) return form;
        if (form != KeinFehler) return FehlerBezug;
        return SpitzeInViereck(ecken, ein.Spitze) ? FehlerPyramideSpitzeInGrundflaeche : KeinFehler;
    }
    TGeometrie g;
    const int f = Auswerten(e, g);
    ein.Punkt = g.Punkt;
    ein.Richtung = g.Richtung1;
    ein.Richtung2 = g.Richtung2;
    ein.Radius = g.Radius;
    return f;
}

void TNeuaufbauMeldungen::NichtDarstellbar(const TDreiDBasisElement& e, int fehler) {
    texte_.push_back(NichtDarstellbarText(e, fehler));
}

void TNeuaufbauMeldungen::NichtSichtbar(const TDreiDBasisElement& e, int ergebnis) {
    if (ergebnis == SzeneVoll) {
        if (voll_.empty()) vollStelle_ = texte_.size();
        voll_.push_back(e.Name);
        if (voll_.size() > 1) return;
    }
    texte_.push_back(NichtSichtbarText(e, ergebnis));
}

std::string TNeuaufbauMeldungen::Text() const {
    std::vector<std::string> texte = texte_;
    if (voll_.size() > 1) {
        std::string namen;
        for (std::size_t i = 0; i < voll_.size(); ++i)
            namen += (i == 0 ? "" : (i + 1 == voll_.size() ? " und " : ", ")) + voll_[i];
        texte[vollStelle_] = "Die Objekte " + namen + " können nicht sichtbar gemacht werden, da" +
                             CRLF + "die Maximalzahl der Elemente überschritten ist!";
    }
    std::string t;
    for (const std::string& x : texte)
        t += (t.empty() ? "" : CRLF + CRLF) + x;
    return t;
}

void TNeuaufbauMeldungen::Zeigen() const {
    if (const std::string t = Text(); !t.empty()) Meldungen().Meldung(t, TMeldungsart::Warnung);
}

void ElementAktualisieren(TListe& liste, int slot, tGSzene& szene, TNeuaufbauMeldungen& meldungen) {
    TDreiDBasisElement* e = liste[slot];
    if (!e) return;
    const bool vektor = e->Art == TElementart::DVektor;
    // Cleared before the hidden ones are skipped: numbers from an earlier
    // scene would name objects of other elements now.
    e->Szenenobjekte.reset();
    e->Hilfsobjekte.reset();
    if (!e->sichtbar && !vektor) return;
    if (e->Entstehung.Art != TEntstehungsart::keine) AbgeleitetesNachrechnen(*e);
    if (const int hilfslinie = Hilfslinie(*e, szene); hilfslinie > 0 && hilfslinie < 256)
        e->Hilfsobjekte.set(static_cast<std::size_t>(hilfslinie));
    if (vektor) {
        // A free vector has no picture; the object list shows it all the same.
        e->sichtbar = false;
        return;
    }
    TSzenenEingabe ein = SzenenEingabe(*e);
    const int fehler = ElementGeometrie(*e, ein);
    if (fehler != KeinFehler) {
        e->sichtbar = false;
        meldungen.NichtDarstellbar(*e, fehler);
        return;
    }
    const TSzenenErgebnis r = ElementInSzene(szene, ein);
    if (r.Ergebnis < 1 && r.Ergebnis != SzeneOhneBild) {
        e->sichtbar = false;
        meldungen.NichtSichtbar(*e, r.Ergebnis);
        return;
    }
    for (int nr : r.Objekte)
        if (nr >= 0 && nr < static_cast<int>(e->Szenenobjekte.size()))
            e->Szenenobjekte.set(static_cast<std::size_t>(nr));
}

} // namespace kalvorin
