#include "model/Element.h"

#include "model/Elementarten.h"
#include "model/Konstruktionsarten.h"
#include "model/StandardEinstellungen.h"

namespace kalvorin {

namespace {
constexpr std::string_view RollenNamen[AnzahlRollen] = {
    "IstSpiegelzentrum",     "IstSpiegelAchse",       "IstSpiegelEbene",
    "IstStreckungszentrum",  "IstO_Projektionsebene", "IstP_Projektionsebene",
    "IstP_ProjektionsVektor"};
} // namespace

std::string_view ElementartName(int art) {
    const TArtangaben* a = Artangaben(art);
    return a ? a->Name : std::string_view{};
}

bool HatElementklasse(int art) {
    const TArtangaben* a = Artangaben(art);
    return a && a->Neu;
}

std::string_view EntstehungsartName(int code) {
    const TKonstruktionsangaben* k = Konstruktionsangaben(code);
    return k ? k->Name : std::string_view{};
}

bool IstAbbildungsEntstehung(TEntstehungsart art) {
    const TKonstruktionsangaben* k = Konstruktionsangaben(static_cast<int>(art));
    return k && k->Abbildung;
}

std::string_view RollenName(TRolle rolle) {
    return RollenNamen[static_cast<int>(rolle)];
}

TDreiDBasisElement::TDreiDBasisElement(TElementart art)
    : Art(art), Farbe(Einstellungen().Farbe), NameSichtbar(Einstellungen().NameSichtbar),
      Hilfslinien(Einstellungen().HilfslinienEinzeichnen) {
    Szenenobjekte.set(0);
}

void TDreiDBasisElement::KopiereWerte(const TDreiDBasisElement& q) {
    Name = q.Name;
    Farbe = q.Farbe;
    Transparenz = q.Transparenz;
    Dicke = q.Dicke;
    fest = q.fest;
    sichtbar = q.sichtbar;
    markiert = q.markiert;
    NameSichtbar = q.NameSichtbar;
    Hilfslinien = q.Hilfslinien;
    Entstehung.Art = q.Entstehung.Art;
    for (std::size_t i = 0; i < Entstehung.Elemente.size(); ++i)
        Entstehung.Elemente[i].Zahl = q.Entstehung.Elemente[i].Zahl;
    Rollen = q.Rollen;
    Streckungsfaktor = q.Streckungsfaktor;
    Festlegung = q.Festlegung;
}

TfrPunkt::TfrPunkt()
    : TDreiDBasisElement(Klassenart),
      Punktform(static_cast<std::uint8_t>(Einstellungen().Punktform)) {}

void TfrPunkt::KopiereWerte(const TDreiDBasisElement& q) {
    TDreiDBasisElement::KopiereWerte(q);
    const auto& p = Als<TfrPunkt>(q);
    Koordinaten = p.Koordinaten;
    Punktform = p.Punktform;
}

TVektor::TVektor() : TDreiDBasisElement(Klassenart) {
    Farbe = Schwarz;
}

void TVektor::KopiereWerte(const TDreiDBasisElement& q) {
    TDreiDBasisElement::KopiereWerte(q);
    Komponenten = Als<TVektor>(q).Komponenten;
}

TPfeil::TPfeil() : TDreiDBasisElement(Klassenart) {}

TStrecke::TStrecke() : TDreiDBasisElement(Klassenart) {}

TGerade::TGerade() : TDreiDBasisElement(Klassenart), MitRand(Einstellungen().MitWeissrand) {}

void TGerade::KopiereWerte(const TDreiDBasisElement& q) {
    TDreiDBasisElement::KopiereWerte(q);
    const auto& g = Als<TGerade>(q);
    Punkt = g.Punkt;
    Richtung = g.Richtung;
    MitRand = g.MitRand;
}

TDreieck::TDreieck() : TDreiDBasisElement(Klassenart) {}

TPyramide3::TPyramide3() : TDreiDBasisElement(Klassenart) {}

TViereck::TViereck() : TDreiDBasisElement(Klassenart) {}

TPyramide4::TPyramide4() : TDreiDBasisElement(Klassenart) {}

TEbene::TEbene() : TDreiDBasisElement(Klassenart) {}

void TEbene::KopiereWerte(const TDreiDBasisElement& q) {
    TDreiDBasisElement::KopiereWerte(q);
    const auto& e = Als<TEbene>(q);
    Punkt = e.Punkt;
    Richtung1 = e.Richtung1;
    Richtung2 = e.Richtung2;
    Normale = e.Normale;
    d = e.d;
}

TKugel::TKugel() : TDreiDBasisElement(Klassenart) {}

void TKugel::KopiereWerte(const TDreiDBasisElement& q) {
    TDreiDBasisElement::KopiereWerte(q);
    const auto& k = Als<TKugel>(q);
    Zentrum = k.Zentrum;
    Radius = k.Radius;
}

TKreis::TKreis() : TDreiDBasisElement(Klassenart) {}

void TKreis::KopiereWerte(const TDreiDBasisElement& q) {
    TDreiDBasisElement::KopiereWerte(q);
    const auto& k = Als<TKreis>(q);
    Zentrum = k.Zentrum;
    Normale = k.Normale;
    Radius = k.Radius;
}

std::unique_ptr<TDreiDBasisElement> NeuesElement(int art) {
    return HatElementklasse(art) ? Artangaben(art)->Neu() : nullptr;
}

bool TfrPunkt::GleicheEigeneWerte(const TDreiDBasisElement& andere) const {
    const auto& q = static_cast<const TfrPunkt&>(andere);
    return Koordinaten == q.Koordinaten && Punktform == q.Punktform;
}

bool TVektor::GleicheEigeneWerte(const TDreiDBasisElement& andere) const {
    return Komponenten == static_cast<const TVektor&>(andere).Komponenten;
}

bool TGerade::GleicheEigeneWerte(const TDreiDBasisElement& andere) const {
    const auto& h = static_cast<const TGerade&>(andere);
    return Punkt == h.Punkt && Richtung == h.Richtung && MitRand == h.MitRand;
}

bool TEbene::GleicheEigeneWerte(const TDreiDBasisElement& andere) const {
    const auto& f = static_cast<const TEbene&>(andere);
    return Punkt == f.Punkt && Richtung1 == f.Richtung1 && Richtung2 == f.Richtung2 &&
           Normale == f.Normale && d == f.d;
}

bool TKugel::GleicheEigeneWerte(const TDreiDBasisElement& andere) const {
    const auto& k = static_cast<const TKugel&>(andere);
    return Zentrum == k.Zentrum && Radius == k.Radius;
}

bool TKreis::GleicheEigeneWerte(const TDreiDBasisElement& andere) const {
    const auto& k = static_cast<const TKreis&>(andere);
    return Zentrum == k.Zentrum && Normale == k.Normale && Radius == k.Radius;
}

// Defined by their references alone.
bool TPfeil::GleicheEigeneWerte(const TDreiDBasisElement&) const {
    return true;
}
bool TStrecke::GleicheEigeneWerte(const TDreiDBasisElement&) const {
    return true;
}
bool TDreieck::GleicheEigeneWerte(const TDreiDBasisElement&) const {
    return true;
}
bool TPyramide3::GleicheEigeneWerte(const TDreiDBasisElement&) const {
    return true;
}
bool TViereck::GleicheEigeneWerte(const TDreiDBasisElement&) const {
    return true;
}
bool TPyramide4::GleicheEigeneWerte(const TDreiDBasisElement&) const {
    return true;
}

} // namespace kalvorin
