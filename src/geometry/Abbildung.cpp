#include "geometry/Abbildung.h"

#include "geometry/Konstruktion.h"
#include "geometry/Schnitt.h"
#include "model/Utf8.h"

#include <vector>

namespace kalvorin {

namespace {

constexpr TTripel Ez{0, 0, 1};

bool IstProjektion(int code) {
    return code == static_cast<int>(TEntstehungsart::O_Projektion) ||
           code == static_cast<int>(TEntstehungsart::P_Projektion);
}

TTripel RichtungAbbilden(const TMatrix4& m, TTripel v) {
    return TripelDifferenz(Abbilden(m, v), Abbilden(m, NullTripel));
}

TMatrix4 Streckungsmatrix(TTripel zentrum, Real k) {
    TMatrix4 m;
    m(0, 0) = m(1, 1) = m(2, 2) = k;
    m(3, 3) = 1;
    const TTripel t = Vielfaches(zentrum, 1 - k);
    m(0, 3) = t.x;
    m(1, 3) = t.y;
    m(2, 3) = t.z;
    return m;
}

// --- images of composite elements -----------------------------------------

// One part of a composite (a corner point, or the vector of an arrow) and
// its image.
struct TTeilbild {
    TDreiDBasisElement* Original = nullptr;
    TBild Bild;
    bool Gleich = false;
};

int TeilAbbilden(const TMatrix4& m, int code, TDreiDBasisElement* teil, TElementart art,
                 TTeilbild& t) {
    if (teil == nullptr || teil->Art != art) return FehlerBezug;
    t.Original = teil;
    t.Bild = BildBerechnen(m, code, *teil);
    if (t.Bild.Fehler != KeinFehler) return t.Bild.Fehler;
    TGeometrie original;
    Auswerten(*teil, original);
    t.Gleich = BildGleichOriginal(art, original, t.Bild);
    return KeinFehler;
}

int EckenAbbilden(const TMatrix4& m, int code, const TDreiDBasisElement* e, int anzahl,
                  std::vector<TTeilbild>& teile) {
    for (int i = 0; i < anzahl; ++i) {
        TTeilbild t;
        if (int f = TeilAbbilden(m, code, e->Bezuege[i], TElementart::DfrPunkt, t); f != KeinFehler)
            return f;
        teile.push_back(t);
    }
    return KeinFehler;
}

bool AlleGleich(const std::vector<TTeilbild>& teile, std::size_t von, std::size_t bis) {
    for (std::size_t i = von; i < bis; ++i)
        if (!teile[i].Gleich) return false;
    return true;
}

// The image parts of a composite, in the order its references name them:
// segment start, end; triangle corners; pyramid base corners, apex; arrow
// foot and tip ("PfPP") or foot and vector ("PfPV").
int KompositPlanen(const TMatrix4& m, int code, const TDreiDBasisElement& x,
                   std::vector<TTeilbild>& teile) {
    switch (x.Art) {
    case TElementart::DStrecke:
        return EckenAbbilden(m, code, &x, 2, teile);
    case TElementart::DDreieck:
        return EckenAbbilden(m, code, &x, 3, teile);
    case TElementart::DViereck:
        return EckenAbbilden(m, code, &x, 4, teile);
    case TElementart::DPyramide3:
    case TElementart::DPyramide4: {
        const bool vier = x.Art == TElementart::DPyramide4;
        const TDreiDBasisElement* basis = x.Bezuege[0];
        if (basis == nullptr ||
            basis->Art != (vier ? TElementart::DViereck : TElementart::DDreieck))
            return FehlerBezug;
        if (int f = EckenAbbilden(m, code, basis, vier ? 4 : 3, teile); f != KeinFehler) return f;
        TTeilbild spitze;
        if (int f = TeilAbbilden(m, code, x.Bezuege[1], TElementart::DfrPunkt, spitze);
            f != KeinFehler)
            return f;
        teile.push_back(spitze);
        return KeinFehler;
    }
    case TElementart::DPfeil: {
        TTeilbild fuss, zweites;
        if (int f = TeilAbbilden(m, code, x.Bezuege[0], TElementart::DfrPunkt, fuss);
            f != KeinFehler)
            return f;
        const bool pp = x.Festlegung == TPfeil::PfPP;
        if (!pp && x.Festlegung != TPfeil::PfPV) return FehlerBezug;
        if (int f = TeilAbbilden(m, code, x.Bezuege[1],
                                 pp ? TElementart::DfrPunkt : TElementart::DVektor, zweites);
            f != KeinFehler)
            return f;
        // A projection along the arrow leaves no arrow to draw.
        if (pp && IstProjektion(code) &&
            FastGleich(fuss.Bild.Geometrie.Punkt, zweites.Bild.Geometrie.Punkt))
            return FehlerAbbildungNullvektor;
        teile.push_back(fuss);
        teile.push_back(zweites);
        return KeinFehler;
    }
    default:
        return FehlerBezug;
    }
}

class TBildAnleger {
public:
    TBildAnleger(TListe& liste, const TAbbildung& abbildung) : liste_(liste), abb_(abbildung) {}

    // A new image element of the kind, set up after its original.
    TDreiDBasisElement* Neu(TElementart art, TDreiDBasisElement* original) {
        TDreiDBasisElement* e = liste_.Neu(art);
        if (e == nullptr) return nullptr; // the caller made room beforehand
        std::string name =
            original ? Utf8Anfang(original->Name + "'", MaxNamenLaenge) : std::string{};
        if (name.empty() || liste_.NameVergeben(name)) name = liste_.AutomatischerName(art);
        e->Name = name;
        if (original != nullptr) {
            e->Farbe = original->Farbe;
            e->Dicke = original->Dicke;
            e->Transparenz = original->Transparenz;
            if (e->Art == TElementart::DfrPunkt && original->Art == TElementart::DfrPunkt)
                static_cast<TfrPunkt*>(e)->Punktform = static_cast<TfrPunkt*>(original)->Punktform;
        }
        e->Entstehung.Art = static_cast<TEntstehungsart>(abb_.Code);
        e->Entstehung.Originalelement = original;
        e->Entstehung.Elemente[0].Element = abb_.Element;
        if (abb_.Code == static_cast<int>(TEntstehungsart::Streckung))
            e->Entstehung.Elemente[1].Zahl = abb_.Faktor;
        if (abb_.Code == static_cast<int>(TEntstehungsart::P_Projektion))
            e->Entstehung.Elemente[1].Element = abb_.Projektionsvektor;
        e->markiert = true;
        return e;
    }

    // The image of a part, or the part itself where it stays in place.
    TDreiDBasisElement* Teil(const TTeilbild& t) {
        if (t.Gleich) return t.Original;
        TDreiDBasisElement* e = Neu(t.Bild.Art, t.Original);
        WerteEintragen(*e, t.Bild.Geometrie);
        return e;
    }

private:
    TListe& liste_;
    const TAbbildung& abb_;
};

TAbbildErgebnis KompositErzeugen(TListe& liste, TDreiDBasisElement& x, const TAbbildung& abb,
                                 const TMatrix4& m) {
    std::vector<TTeilbild> teile;
    if (int f = KompositPlanen(m, abb.Code, x, teile); f != KeinFehler) return {f, nullptr};
    if (AlleGleich(teile, 0, teile.size())) return {FehlerAbbildungBildGleich, nullptr};

    const bool pyramide = x.Art == TElementart::DPyramide3 || x.Art == TElementart::DPyramide4;
    // The corners of the base: those before the apex.
    const std::size_t basisEcken = pyramide ? teile.size() - 1 : 0;
    const bool eigenerVektor = x.Art == TElementart::DPfeil && x.Festlegung == TPfeil::PfPP;
    const bool neueGrundflaeche = pyramide && !AlleGleich(teile, 0, basisEcken);
    int benoetigt = 1 + (neueGrundflaeche ? 1 : 0) + (eigenerVektor ? 1 : 0);
    for (const TTeilbild& t : teile)
        benoetigt += t.Gleich ? 0 : 1;
    if (TListe::Kapazitaet - liste.Anzahl() < benoetigt) return {FehlerListeVoll, nullptr};

    TBildAnleger anleger(liste, abb);
    TDreiDBasisElement* bild = anleger.Neu(x.Art, &x);
    bild->Festlegung = x.Festlegung;
    switch (x.Art) {
    case TElementart::DStrecke:
    case TElementart::DDreieck:
    case TElementart::DViereck:
        for (std::size_t i = 0; i < teile.size(); ++i)
            bild->Bezuege[i] = anleger.Teil(teile[i]);
        break;
    case TElementart::DPyramide3:
    case TElementart::DPyramide4: {
        TDreiDBasisElement* basis = x.Bezuege[0];
        if (neueGrundflaeche) {
            TDreiDBasisElement* original = basis;
            basis = anleger.Neu(original->Art, original);
            for (std::size_t i = 0; i < basisEcken; ++i)
                basis->Bezuege[i] = anleger.Teil(teile[i]);
        }
        bild->Bezuege[0] = basis;
        bild->Bezuege[1] = anleger.Teil(teile[basisEcken]);
        break;
    }
    case TElementart::DPfeil:
        bild->Bezuege[0] = anleger.Teil(teile[0]);
        bild->Bezuege[1] = anleger.Teil(teile[1]);
        if (eigenerVektor) {
            // The image arrow owns a vector of its own, like every arrow
            // given by two points; it follows the arrow it refers to.
            TDreiDBasisElement* v = anleger.Neu(TElementart::DVektor, x.Bezuege[2]);
            v->Festlegung = TVektor::VPf;
            v->Bezuege[0] = bild;
            static_cast<TVektor*>(v)->Komponenten =
                Verbindungsvektor(teile[0].Bild.Geometrie.Punkt, teile[1].Bild.Geometrie.Punkt);
            bild->Bezuege[2] = v;
        }
        break;
    default:
        break;
    }
    return {KeinFehler, bild};
}

// Pairs (part of the original, part of the image) whose image must be
// written, collected before anything is written.
struct TSchreiben {
    TDreiDBasisElement* Ziel;
    TGeometrie Geometrie;
};

int TeilNachrechnen(const TMatrix4& m, int code, TDreiDBasisElement* original,
                    TDreiDBasisElement* ziel, TElementart art, std::vector<TSchreiben>& schreiben) {
    if (original == nullptr || ziel == nullptr || ziel->Art != art) return FehlerBezug;
    if (original == ziel) return KeinFehler; // the image shares this part with its original
    const TBild b = BildBerechnen(m, code, *original);
    if (b.Fehler != KeinFehler) return b.Fehler;
    if (b.Art != art) return FehlerArtGeaendert;
    schreiben.push_back({ziel, b.Geometrie});
    return KeinFehler;
}

int EckenNachrechnen(const TMatrix4& m, int code, const TDreiDBasisElement& x,
                     const TDreiDBasisElement& bild, int anzahl,
                     std::vector<TSchreiben>& schreiben) {
    for (int i = 0; i < anzahl; ++i)
        if (int f = TeilNachrechnen(m, code, x.Bezuege[i], bild.Bezuege[i], TElementart::DfrPunkt,
                                    schreiben);
            f != KeinFehler)
            return f;
    return KeinFehler;
}

int KompositNachrechnen(const TMatrix4& m, int code, const TDreiDBasisElement& x,
                        TDreiDBasisElement& bild) {
    if (x.Art != bild.Art || x.Festlegung != bild.Festlegung) return FehlerBezug;
    std::vector<TSchreiben> schreiben;
    int f = KeinFehler;
    switch (x.Art) {
    case TElementart::DStrecke:
        f = EckenNachrechnen(m, code, x, bild, 2, schreiben);
        break;
    case TElementart::DDreieck:
        f = EckenNachrechnen(m, code, x, bild, 3, schreiben);
        break;
    case TElementart::DViereck:
        f = EckenNachrechnen(m, code, x, bild, 4, schreiben);
        break;
    case TElementart::DPyramide3:
    case TElementart::DPyramide4: {
        const bool vier = x.Art == TElementart::DPyramide4;
        const TElementart basisArt = vier ? TElementart::DViereck : TElementart::DDreieck;
        const TDreiDBasisElement* basis = x.Bezuege[0];
        const TDreiDBasisElement* bildBasis = bild.Bezuege[0];
        if (basis == nullptr || bildBasis == nullptr || basis->Art != basisArt ||
            bildBasis->Art != basisArt)
            return FehlerBezug;
        if (basis != bildBasis)
            f = EckenNachrechnen(m, code, *basis, *bildBasis, vier ? 4 : 3, schreiben);
        if (f == KeinFehler)
            f = TeilNachrechnen(m, code, x.Bezuege[1], bild.Bezuege[1], TElementart::DfrPunkt,
                                schreiben);
        break;
    }
    case TElementart::DPfeil: {
        const TElementart zweiteArt =
            x.Festlegung == TPfeil::PfPP ? TElementart::DfrPunkt : TElementart::DVektor;
        f = TeilNachrechnen(m, code, x.Bezuege[0], bild.Bezuege[0], TElementart::DfrPunkt,
                            schreiben);
        if (f == KeinFehler)
            f = TeilNachrechnen(m, code, x.Bezuege[1], bild.Bezuege[1], zweiteArt, schreiben);
        break;
    }
    default:
        return FehlerBezug;
    }
    if (f != KeinFehler) return f;
    for (const TSchreiben& s : schreiben)
        WerteEintragen(*s.Ziel, s.Geometrie);
    return KeinFehler;
}

bool IstKomposit(const TDreiDBasisElement& e) {
    return e.Art == TElementart::DStrecke || e.Art == TElementart::DDreieck ||
           e.Art == TElementart::DPyramide3 || e.Art == TElementart::DPfeil ||
           e.Art == TElementart::DViereck || e.Art == TElementart::DPyramide4;
}

} // namespace

bool RolleVonAbbildung(int code, TRolle& rolle) {
    switch (static_cast<TEntstehungsart>(code)) {
    case TEntstehungsart::ASpiegelung:
        rolle = TRolle::IstSpiegelAchse;
        return true;
    case TEntstehungsart::PSpiegelung:
        rolle = TRolle::IstSpiegelzentrum;
        return true;
    case TEntstehungsart::ESpiegelung:
        rolle = TRolle::IstSpiegelEbene;
        return true;
    case TEntstehungsart::Streckung:
        rolle = TRolle::IstStreckungszentrum;
        return true;
    case TEntstehungsart::O_Projektion:
        rolle = TRolle::IstO_Projektionsebene;
        return true;
    case TEntstehungsart::P_Projektion:
        rolle = TRolle::IstP_Projektionsebene;
        return true;
    default:
        return false;
    }
}

TAbbildung AbbildungVonElement(int code, TDreiDBasisElement& element) {
    TAbbildung a;
    a.Code = code;
    a.Element = &element;
    if (code == static_cast<int>(TEntstehungsart::Streckung)) a.Faktor = element.Streckungsfaktor;
    if (code == static_cast<int>(TEntstehungsart::P_Projektion))
        a.Projektionsvektor = element.Projektionsvektor;
    return a;
}

TAbbildung AbbildungVonEntstehung(const TDreiDBasisElement& bild) {
    TAbbildung a;
    a.Code = static_cast<int>(bild.Entstehung.Art);
    a.Element = bild.Entstehung.Elemente[0].Element;
    if (a.Code == static_cast<int>(TEntstehungsart::Streckung))
        a.Faktor = bild.Entstehung.Elemente[1].Zahl;
    if (a.Code == static_cast<int>(TEntstehungsart::P_Projektion))
        a.Projektionsvektor = bild.Entstehung.Elemente[1].Element;
    return a;
}

int ProjektionPruefen(const TDreiDBasisElement& ebene, const TDreiDBasisElement& vektor) {
    TTripel w, a, u, v;
    if (int f = VektorOderPfeilAuswerten(vektor, w); f == FehlerBezug) return f;
    if (IstNullvektor(w)) return FehlerAbbildungNullvektor;
    if (int f = EbeneAuswerten(ebene, a, u, v); f != KeinFehler) return f;
    return Skalarprodukt(Kreuzprodukt(u, v), w) == 0 ? FehlerProjektionParallel : KeinFehler;
}

std::string ProjektionMeldung(int fehler, std::string_view ebene, std::string_view vektor) {
    if (fehler == KeinFehler) return {};
    if (fehler == FehlerAbbildungNullvektor)
        return "Der Vektor " + std::string(vektor) +
               " ist der Nullvektor, die\r\nAbbildung kann nicht festgelegt werden!";
    if (fehler == FehlerProjektionParallel)
        return "Der Vektor " + std::string(vektor) +
               " ist parallel zur Ebene, die\r\nAbbildung kann nicht festgelegt werden!";
    return "Die Ebene " + std::string(ebene) +
           " existiert nicht, die\r\nAbbildung kann nicht festgelegt werden!";
}

std::string AbbildenMeldung(std::string_view element) {
    return "Das Element " + std::string(element) + " kann nicht\r\nabgebildet werden!";
}

int AbbildungsMatrix(const TAbbildung& abb, TMatrix4& m) {
    if (abb.Element == nullptr) return FehlerBezug;
    const TDreiDBasisElement& e = *abb.Element;
    TTripel a, u, v;
    switch (static_cast<TEntstehungsart>(abb.Code)) {
    case TEntstehungsart::ASpiegelung: {
        if (int f = GeradeAuswerten(e, a, u); f != KeinFehler) return f;
        m = Drehmatrix(a, u, Pi);
        return KeinFehler;
    }
    case TEntstehungsart::PSpiegelung:
    case TEntstehungsart::Streckung: {
        if (int f = PunktAuswerten(e, a); f != KeinFehler) return f;
        if (abb.Code == static_cast<int>(TEntstehungsart::Streckung))
            m = Streckungsmatrix(a, abb.Faktor);
        else // half-turn about the vertical through the centre, then the horizontal mirror
            m = Matrixprodukt(Spiegelungsmatrix(a, Ez), Drehmatrix(a, Ez, Pi));
        return KeinFehler;
    }
    case TEntstehungsart::ESpiegelung:
    case TEntstehungsart::O_Projektion:
    case TEntstehungsart::P_Projektion: {
        if (int f = EbeneAuswerten(e, a, u, v); f != KeinFehler) return f;
        const TTripel n = Kreuzprodukt(u, v);
        if (abb.Code == static_cast<int>(TEntstehungsart::ESpiegelung)) {
            m = Spiegelungsmatrix(a, n);
        } else if (abb.Code == static_cast<int>(TEntstehungsart::O_Projektion)) {
            m = OProjektionsmatrix(a, n);
        } else {
            TTripel w;
            if (abb.Projektionsvektor == nullptr) return FehlerBezug;
            if (int f = VektorOderPfeilAuswerten(*abb.Projektionsvektor, w); f == FehlerBezug)
                return f;
            if (IstNullvektor(w)) return FehlerAbbildungNullvektor;
            if (Skalarprodukt(n, w) == 0) return FehlerProjektionParallel;
            m = PProjektionsmatrix(w, a, n);
        }
        return KeinFehler;
    }
    default:
        return FehlerUnbekannteKonstruktion;
    }
}

TBild BildVonGeometrie(const TMatrix4& m, int code, TElementart art, const TGeometrie& g) {
    TBild b;
    b.Art = art;
    const bool projektion = IstProjektion(code);
    switch (art) {
    case TElementart::DfrPunkt:
        b.Geometrie.Punkt = Abbilden(m, g.Punkt);
        break;
    case TElementart::DVektor:
        b.Geometrie.Richtung1 = RichtungAbbilden(m, g.Richtung1);
        if (projektion && FastNullvektor(b.Geometrie.Richtung1))
            b.Fehler = FehlerAbbildungNullvektor;
        break;
    case TElementart::DGerade:
    case TElementart::DEbene: {
        TGeometrie& r = b.Geometrie;
        r.Punkt = Abbilden(m, g.Punkt);
        r.Richtung1 = RichtungAbbilden(m, g.Richtung1);
        if (art == TElementart::DEbene) {
            r.Richtung2 = RichtungAbbilden(m, g.Richtung2);
            if (projektion && FastNullvektor(r.Richtung1)) {
                b.Art = TElementart::DGerade;
                r.Richtung1 = r.Richtung2;
            } else if (projektion && FastNullvektor(Kreuzprodukt(r.Richtung1, r.Richtung2))) {
                b.Art = TElementart::DGerade;
            }
            if (b.Art == TElementart::DGerade) r.Richtung2 = {};
        }
        if (b.Art == TElementart::DGerade && projektion && FastNullvektor(r.Richtung1)) {
            b.Art = TElementart::DfrPunkt;
            r.Richtung1 = {};
        }
        break;
    }
    case TElementart::DKugel:
    case TElementart::DKreis: {
        // The reflections and the dilation are similarities: the radius
        // grows by the factor, the circle's normal is mapped as a direction.
        // A projection flattens them.
        if (projektion) {
            b.Fehler = FehlerNichtAbbildbar;
            break;
        }
        b.Geometrie.Punkt = Abbilden(m, g.Punkt);
        b.Geometrie.Radius = g.Radius * Betrag(RichtungAbbilden(m, {1, 0, 0}));
        if (art == TElementart::DKreis) b.Geometrie.Richtung1 = RichtungAbbilden(m, g.Richtung1);
        break;
    }
    default:
        b.Fehler = FehlerBezug;
    }
    return b;
}

bool BildGleichOriginal(TElementart art, const TGeometrie& original, const TBild& bild) {
    if (bild.Fehler != KeinFehler || bild.Art != art) return false;
    if (art == TElementart::DVektor)
        return FastGleich(original.Richtung1, bild.Geometrie.Richtung1);
    if (art == TElementart::DKugel || art == TElementart::DKreis)
        return FastGleich(original.Punkt, bild.Geometrie.Punkt) &&
               FastNull(original.Radius - bild.Geometrie.Radius) &&
               FastNullvektor(Kreuzprodukt(original.Richtung1, bild.Geometrie.Richtung1));
    return GeometrienIdentisch(art, original, bild.Geometrie);
}

TBild BildBerechnen(const TMatrix4& m, int code, const TDreiDBasisElement& original) {
    const TElementart art = original.Art;
    TBild b;
    if (art != TElementart::DfrPunkt && art != TElementart::DVektor &&
        art != TElementart::DGerade && art != TElementart::DEbene && art != TElementart::DKugel &&
        art != TElementart::DKreis) {
        b.Fehler = FehlerBezug;
        return b;
    }
    TGeometrie g;
    if (int f = Auswerten(original, g); f != KeinFehler) {
        b.Fehler = f;
        return b;
    }
    return BildVonGeometrie(m, code, art, g);
}

TAbbildErgebnis AbbildErzeugen(TListe& liste, TDreiDBasisElement& x, const TAbbildung& abb) {
    TMatrix4 m;
    if (int f = AbbildungsMatrix(abb, m); f != KeinFehler) return {f, nullptr};
    if (IstKomposit(x)) return KompositErzeugen(liste, x, abb, m);

    TGeometrie original;
    if (int f = Auswerten(x, original); f != KeinFehler) return {f, nullptr};
    const TBild b = BildVonGeometrie(m, abb.Code, x.Art, original);
    if (b.Fehler != KeinFehler) return {b.Fehler, nullptr};
    if (BildGleichOriginal(x.Art, original, b)) return {FehlerAbbildungBildGleich, nullptr};
    if (liste.Voll()) return {FehlerListeVoll, nullptr};
    TBildAnleger anleger(liste, abb);
    TDreiDBasisElement* bild = anleger.Neu(b.Art, &x);
    WerteEintragen(*bild, b.Geometrie);
    return {KeinFehler, bild};
}

int AbbildNachrechnen(TDreiDBasisElement& bild) {
    const TAbbildung abb = AbbildungVonEntstehung(bild);
    TDreiDBasisElement* x = bild.Entstehung.Originalelement;
    if (x == nullptr) return FehlerBezug;
    TMatrix4 m;
    if (int f = AbbildungsMatrix(abb, m); f != KeinFehler) return f;
    if (IstKomposit(bild)) return KompositNachrechnen(m, abb.Code, *x, bild);
    const TBild b = BildBerechnen(m, abb.Code, *x);
    if (b.Fehler != KeinFehler) return b.Fehler;
    if (b.Art != bild.Art) return FehlerArtGeaendert;
    WerteEintragen(bild, b.Geometrie);
    return KeinFehler;
}

} // namespace kalvorin
