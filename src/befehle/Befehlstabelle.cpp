#include "befehle/Befehlstabelle.h"

#include "befehle/Befehle.h"
#include "document/Dokument.h"
#include "exakt/Loesungsweg.h"

namespace kalvorin {

namespace {

bool RueckgaengigAusfuehren(TDokument& d) {
    return d.RueckgaengigMachen();
}
bool RueckgaengigMoeglich(const TDokument& d) {
    return d.Rueckgaengig().Moeglich();
}
std::string RueckgaengigCaption(const TDokument& d) {
    return d.Rueckgaengig().Caption();
}
bool WiederholenAusfuehren(TDokument& d) {
    return d.Wiederholen();
}
bool WiederholenMoeglich(const TDokument& d) {
    return d.Rueckgaengig().WiederholenMoeglich();
}
std::string WiederholenCaption(const TDokument& d) {
    return d.Rueckgaengig().WiederholenCaption();
}
bool LoeschenAusfuehren(TDokument& d) {
    return d.MarkierteLoeschen();
}
bool LoeschenMoeglich(const TDokument& d) {
    return EtwasMarkiert(d.Liste());
}
bool Vergroessern(TDokument& d) {
    return d.Zoomen(ZoomVergroessern);
}
bool Verkleinern(TDokument& d) {
    return d.Zoomen(ZoomVerkleinern);
}
bool StreckungMitFaktortext(TDokument& d, std::string_view faktor) {
    return StreckungFestlegen(d, faktor);
}

// GCC 12 warns about every member a designated initializer leaves to its
// default member initializer; those defaults are the point of the rows.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
// clang-format off
const TBefehlszeile Tabelle[] = {
    {.Art = TZeilenart::Menue, .Name = "Datei", .Menue = "", .Titel = "&Datei", .Hilfe = 100, .Hilfeseite = "datei.html"},
    {.Name = "Neu", .Menue = "Datei", .Titel = "&Neu", .Hilfe = 105, .Hilfeseite = "datei.html#neu", .Zweittaste = "Ctrl+N", .Ui = TUiBefehl::Neu, .RahmenPopup = {"PopupNeu", "&Neu"}},
    {.Name = "Oeffnen", .Menue = "Datei", .Titel = "Ö&ffnen...", .Hilfe = 110, .Hilfeseite = "datei.html#oeffnen", .Ui = TUiBefehl::Oeffnen, .RahmenPopup = {"PopupOeffnen", "&Oeffnen..."}},
    {.Name = "Einfuegen", .Menue = "Datei", .Titel = "E&infügen...", .Hilfe = 115, .Hilfeseite = "datei.html#einfuegen", .Zustand = &TMenuZustand::Einfuegen, .Ui = TUiBefehl::Einfuegen},
    {.Name = "Schliessen", .Menue = "Datei", .Titel = "S&chließen", .Hilfe = 120, .Hilfeseite = "datei.html#schliessen", .Zustand = &TMenuZustand::Schliessen, .Ui = TUiBefehl::Schliessen},
    {.Art = TZeilenart::Trenner, .Menue = "Datei"},
    {.Name = "Speichern", .Menue = "Datei", .Titel = "&Speichern", .Hilfe = 125, .Hilfeseite = "datei.html#speichern", .Zweittaste = "Ctrl+S", .Zustand = &TMenuZustand::Speichern, .Ui = TUiBefehl::Speichern},
    {.Name = "Speichern_unter", .Menue = "Datei", .Titel = "Speichern &unter...", .Hilfe = 130, .Hilfeseite = "datei.html#speichern_unter", .Zustand = &TMenuZustand::Speichern_unter, .Ui = TUiBefehl::Speichern_unter},
    {.Art = TZeilenart::Trenner, .Menue = "Datei"},
    {.Name = "Grafik_speichern", .Menue = "Datei", .Titel = "&Grafik speichern...", .Hilfe = 135, .Hilfeseite = "datei.html#grafik_speichern", .Zustand = &TMenuZustand::Grafik_speichern, .Ui = TUiBefehl::Grafik_speichern},
    {.Name = "Grafik_Drucken", .Menue = "Datei", .Titel = "Grafik &drucken...", .Hilfe = 140, .Hilfeseite = "datei.html#grafik_drucken", .Zustand = &TMenuZustand::Grafik_Drucken, .Ui = TUiBefehl::Grafik_Drucken},
    {.Name = "Druckereinstellungen", .Menue = "Datei", .Titel = "Drucker&einstellungen...", .Hilfe = 145, .Hilfeseite = "datei.html#druckereinstellungen", .Zustand = &TMenuZustand::Druckereinstellungen, .Ui = TUiBefehl::Druckereinstellungen},
    {.Name = "Arbeitsblatt_speichern", .Menue = "Datei", .Titel = "&Arbeitsblatt speichern...", .Hilfe = 147, .Hilfeseite = "arbeitsblatt.html", .Zustand = &TMenuZustand::Grafik_speichern, .Ui = TUiBefehl::Arbeitsblatt_speichern},
    {.Art = TZeilenart::Trenner, .Menue = "Datei"},
    {.Name = "Beenden", .Menue = "Datei", .Titel = "&Beenden", .Hilfe = 150, .Hilfeseite = "datei.html#beenden", .Taste = "Alt+F4", .Ui = TUiBefehl::Beenden},
    {.Art = TZeilenart::Menue, .Name = "Bearbeiten", .Menue = "", .Titel = "&Bearbeiten", .Hilfe = 200, .Hilfeseite = "bearbeiten.html", .Zustand = &TMenuZustand::Bearbeiten, .Ui = TUiBefehl::Bearbeiten},
    {.Name = "Rueckgaengig", .Menue = "Bearbeiten", .Titel = "&Rückgängig", .Hilfe = 210, .Hilfeseite = "bearbeiten.html#rueckgaengig", .Taste = "Ctrl+R", .Zweittaste = "Ctrl+Z", .Ausfuehren = RueckgaengigAusfuehren, .Moeglich = RueckgaengigMoeglich, .Verlauf = RueckgaengigCaption},
    {.Name = "Wiederholen", .Menue = "Bearbeiten", .Titel = "&Wiederholen", .Hilfe = 215, .Hilfeseite = "bearbeiten.html#wiederholen", .Taste = "Ctrl+Y", .Zweittaste = "Ctrl+Shift+Z", .Ausfuehren = WiederholenAusfuehren, .Moeglich = WiederholenMoeglich, .Verlauf = WiederholenCaption},
    {.Art = TZeilenart::Trenner, .Menue = "Bearbeiten"},
    {.Name = "Kopieren", .Menue = "Bearbeiten", .Titel = "&Kopieren (Grafik)...", .Hilfe = 220, .Hilfeseite = "bearbeiten.html#kopieren", .Taste = "Ctrl+C", .Zustand = &TMenuZustand::Kopieren, .Ui = TUiBefehl::Kopieren},
    {.Name = "Loeschen", .Menue = "Bearbeiten", .Titel = "&Löschen (markierte Objekte)", .Hilfe = 230, .Hilfeseite = "bearbeiten.html#loeschen", .Taste = "Del", .Zustand = &TMenuZustand::Loeschen, .Ausfuehren = LoeschenAusfuehren, .Moeglich = LoeschenMoeglich, .ListenPopup = {"LiPUElementeloeschen", "&Markierte Objekte löschen"}},
    {.Art = TZeilenart::Trenner, .Menue = "Bearbeiten"},
    {.Name = "Einstellungen", .Menue = "Bearbeiten", .Titel = "&Einstellungen...", .Hilfe = 240, .Hilfeseite = "bearbeiten.html#einstellungen", .Taste = "Ctrl+E", .Zustand = &TMenuZustand::Bearbeiten, .Ui = TUiBefehl::Einstellungen},
    {.Art = TZeilenart::Menue, .Name = "Festlegen", .Menue = "", .Titel = "F&estlegen", .Hilfe = 300, .Hilfeseite = "festlegen.html", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Festlegen},
    {.Art = TZeilenart::Menue, .Name = "Neueingabe", .Menue = "Festlegen", .Titel = "durch &Neueingabe", .Hilfe = 305, .Hilfeseite = "festlegen.html#neueingabe"},
    {.Name = "Punkt", .Menue = "Neueingabe", .Titel = "&Punkt...", .Hilfe = 310, .Hilfeseite = "punkt.html", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Punkt, .GrafikPopup = {"PUPunktfestlegen", "&Punkt durch Neueingabe festlegen..."}},
    {.Name = "Gerade", .Menue = "Neueingabe", .Titel = "&Gerade...", .Hilfe = 311, .Hilfeseite = "gerade.html", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Gerade, .GrafikPopup = {"PUGeradefestlegen", "&Gerade durch Neueingabe festlegen..."}},
    {.Name = "Ebene", .Menue = "Neueingabe", .Titel = "&Ebene...", .Hilfe = 312, .Hilfeseite = "ebene.html", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Ebene, .GrafikPopup = {"PUEbenefestlegen", "&Ebene durch Neueingabe festlegen..."}},
    {.Name = "Strecke", .Menue = "Neueingabe", .Titel = "&Strecke...", .Hilfe = 313, .Hilfeseite = "strecke.html", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Strecke, .GrafikPopup = {"PUStreckefestlegen", "&Strecke durch Neueingabe festlegen..."}},
    {.Name = "Pfeil", .Menue = "Neueingabe", .Titel = "P&feil...", .Hilfe = 314, .Hilfeseite = "pfeil.html", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Pfeil, .GrafikPopup = {"PUPfeilfestlegen", "P&feil durch Neueingabe festlegen..."}},
    {.Name = "Vektor", .Menue = "Neueingabe", .Titel = "&Vektor...", .Hilfe = 315, .Hilfeseite = "vektor.html", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Vektor, .GrafikPopup = {"PUVektorfestlegen", "&Vektor durch Neueingabe festlegen..."}},
    {.Name = "Dreieck", .Menue = "Neueingabe", .Titel = "&Dreieck...", .Hilfe = 316, .Hilfeseite = "dreieck.html", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Dreieck, .GrafikPopup = {"PUDreieckfestlegen", "&Dreieck durch Neueingabe festlegen..."}},
    {.Name = "Pyramideseitig", .Menue = "Neueingabe", .Titel = "P&yramide...", .Hilfe = 337, .Hilfeseite = "festlegen.html#pyramide", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Pyramideseitig, .GrafikPopup = {"PUPyramidefestlegen", "P&yramide durch Neueingabe festlegen..."}},
    {.Name = "Kugel", .Menue = "Neueingabe", .Titel = "&Kugel...", .Hilfe = 317, .Hilfeseite = "kugel.html", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Kugel},
    {.Name = "Kreis", .Menue = "Neueingabe", .Titel = "K&reis...", .Hilfe = 318, .Hilfeseite = "kreis.html", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Kreis},
    {.Name = "Viereck", .Menue = "Neueingabe", .Titel = "V&iereck...", .Hilfe = 319, .Hilfeseite = "viereck.html", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Viereck},
    {.Name = "Pyramide4", .Menue = "Neueingabe", .Titel = "Vierseitige Pyra&mide...", .Hilfe = 320, .Hilfeseite = "pyramide4.html", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Pyramide4},
    {.Art = TZeilenart::Menue, .Name = "MarkierteObjekte", .Menue = "Festlegen", .Titel = "durch &markierte Objekte", .Hilfe = 325, .Hilfeseite = "festlegen.html#markierte"},
    {.Name = "ErzPunkt", .Menue = "MarkierteObjekte", .Titel = "&Punkt", .Hilfe = 330, .Hilfeseite = "festlegen.html#markierte", .Angebot = TBefehl::ErzPunkt, .Ausfuehren = ErzPunkt, .GrafikPopup = {"PUPunkterzeugen", "P&unkt durch markierte Objekte festlegen", true}, .ListenPopup = {"LiPUPunkterzeugen", "&Punkt festlegen", true}},
    {.Name = "ErzGerade", .Menue = "MarkierteObjekte", .Titel = "&Gerade", .Hilfe = 331, .Hilfeseite = "festlegen.html#markierte", .Angebot = TBefehl::ErzGerade, .Ausfuehren = ErzGerade, .GrafikPopup = {"PUGeradeerzeugen", "Ge&rade durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUGeradeerzeugen", "&Gerade festlegen"}},
    {.Name = "ErzEbene", .Menue = "MarkierteObjekte", .Titel = "&Ebene", .Hilfe = 332, .Hilfeseite = "festlegen.html#markierte", .Angebot = TBefehl::ErzEbene, .Ausfuehren = ErzEbene, .GrafikPopup = {"PUEbeneerzeugen", "Ebe&ne durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUEbeneerzeugen", "&Ebene festlegen"}},
    {.Name = "ErzStrecke", .Menue = "MarkierteObjekte", .Titel = "&Strecke", .Hilfe = 333, .Hilfeseite = "festlegen.html#markierte", .Angebot = TBefehl::ErzStrecke, .Ausfuehren = ErzStrecke, .GrafikPopup = {"PUStreckeerzeugen", "S&trecke durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUStreckeerzeugen", "&Strecke festlegen"}},
    {.Name = "ErzPfeil", .Menue = "MarkierteObjekte", .Titel = "P&feil", .Hilfe = 334, .Hilfeseite = "festlegen.html#markierte", .Angebot = TBefehl::ErzPfeil, .Ausfuehren = ErzPfeil, .GrafikPopup = {"PUPfeilerzeugen", "Pfe&il durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUPfeilerzeugen", "P&feil festlegen"}},
    {.Name = "ErzVektor", .Menue = "MarkierteObjekte", .Titel = "&Vektor", .Hilfe = 335, .Hilfeseite = "festlegen.html#markierte", .Angebot = TBefehl::ErzVektor, .Ausfuehren = ErzVektor, .GrafikPopup = {"PUVektorerzeugen", "Vekt&or durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUVektorerzeugen", "&Vektor festlegen"}},
    {.Name = "ErzDreieck", .Menue = "MarkierteObjekte", .Titel = "&Dreieck", .Hilfe = 336, .Hilfeseite = "festlegen.html#markierte", .Angebot = TBefehl::ErzDreieck, .Ausfuehren = ErzDreieck, .GrafikPopup = {"PUDreieckerzeugen", "Dreie&ck durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUDreieckerzeugen", "&Dreieck festlegen"}},
    {.Name = "ErzPyramide", .Menue = "MarkierteObjekte", .Titel = "P&yramide", .Hilfe = 337, .Hilfeseite = "festlegen.html#pyramide", .Angebot = TBefehl::ErzPyramide, .Ausfuehren = ErzPyramide, .GrafikPopup = {"PUPyramideerzeugen", "Pyr&amide durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUPyramideerzeugen", "P&yramide festlegen"}},
    {.Name = "Koordinatenebene", .Menue = "Festlegen", .Titel = "&Koordinatenebene als Objekt...", .Hilfe = 341, .Hilfeseite = "festlegen.html#koordinaten", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Koordinatenebene},
    {.Name = "Koordinatenachse", .Menue = "Festlegen", .Titel = "Koordinaten&achse als Objekt...", .Hilfe = 342, .Hilfeseite = "festlegen.html#koordinaten", .Zustand = &TMenuZustand::Festlegen, .Ui = TUiBefehl::Koordinatenachse},
    {.Art = TZeilenart::Menue, .Name = "Konstruieren", .Menue = "", .Titel = "&Konstruieren", .Hilfe = 400, .Hilfeseite = "konstruieren.html", .Zustand = &TMenuZustand::Konstruieren, .Ui = TUiBefehl::Konstruieren},
    {.Name = "Schneiden", .Menue = "Konstruieren", .Titel = "&Schneiden", .Hilfe = 410, .Hilfeseite = "konstruieren.html#schneiden", .Angebot = TBefehl::Schneiden, .Ausfuehren = Schneiden, .GrafikPopup = {"PUSchneiden", "Sc&hneiden", true}, .ListenPopup = {"LiPUSchneiden", "Sc&hneiden", true}, .Loesungsweg = TLoesungswegAngebot{exakt::TLoesungsart::Schneiden, "Schnitt"}},
    {.Name = "Loteerzeugen", .Menue = "Konstruieren", .Titel = "&Lot erzeugen", .Hilfe = 420, .Hilfeseite = "konstruieren.html#lot", .Angebot = TBefehl::Loteerzeugen, .Ausfuehren = Loteerzeugen, .GrafikPopup = {"PULoterzeugen", "&Lot erzeugen"}, .ListenPopup = {"LiPULoteerzeugen", "&Lot erzeugen"}, .Loesungsweg = TLoesungswegAngebot{exakt::TLoesungsart::Lot, "Lot"}},
    {.Name = "Mittebilden", .Menue = "Konstruieren", .Titel = "&Mitte bilden", .Hilfe = 430, .Hilfeseite = "konstruieren.html#mitte", .Angebot = TBefehl::Mittebilden, .Ausfuehren = Mittebilden, .GrafikPopup = {"PUMittebilden", "&Mitte bilden"}, .ListenPopup = {"LiPUMittebilden", "Mi&tte bilden"}},
    {.Name = "Tangentialebene", .Menue = "Konstruieren", .Titel = "&Tangentialebene", .Hilfe = 450, .Hilfeseite = "konstruieren.html#tangentialebene", .Angebot = TBefehl::Tangentialebene, .Ausfuehren = Tangentialebene},
    {.Art = TZeilenart::Menue, .Name = "Verknuepfen", .Menue = "Konstruieren", .Titel = "&Verknüpfen", .Hilfe = 440, .Hilfeseite = "konstruieren.html#verknuepfen", .Angebot = TBefehl::Verknuepfen},
    {.Name = "VSumme", .Menue = "Verknuepfen", .Titel = "&Vektorsumme", .Hilfe = 441, .Hilfeseite = "konstruieren.html#vektorsumme", .Angebot = TBefehl::VSumme, .Ausfuehren = VSumme},
    {.Name = "VGegen", .Menue = "Verknuepfen", .Titel = "&Gegenvektor", .Hilfe = 442, .Hilfeseite = "konstruieren.html#gegenvektor", .Angebot = TBefehl::VGegen, .Ausfuehren = VGegen},
    {.Name = "MVProdukt", .Menue = "Verknuepfen", .Titel = "Vektor&produkt", .Hilfe = 443, .Hilfeseite = "konstruieren.html#vektorprodukt", .Angebot = TBefehl::MVProdukt, .Ausfuehren = MVProdukt},
    {.Art = TZeilenart::Menue, .Name = "Abbilden", .Menue = "", .Titel = "&Abbilden", .Hilfe = 500, .Hilfeseite = "abbilden.html", .Zustand = &TMenuZustand::Abbilden, .Ui = TUiBefehl::Abbilden},
    {.Name = "Spiegelung", .Menue = "Abbilden", .Titel = "S&piegelung festlegen", .Hilfe = 510, .Hilfeseite = "abbilden.html#spiegelung", .Angebot = TBefehl::Spiegelung, .Ausfuehren = Spiegelung, .Loesungsweg = TLoesungswegAngebot{exakt::TLoesungsart::Spiegelung, "Spiegelung", true}},
    {.Name = "MStreckung", .Menue = "Abbilden", .Titel = "S&treckung festlegen...", .Hilfe = 520, .Hilfeseite = "abbilden.html#streckung", .Angebot = TBefehl::MStreckung, .Ui = TUiBefehl::MStreckung, .MitWert = {"StreckungFestlegen", StreckungMitFaktortext}},
    {.Name = "Projektion", .Menue = "Abbilden", .Titel = "P&rojektion festlegen", .Hilfe = 530, .Hilfeseite = "abbilden.html#projektion", .Angebot = TBefehl::Projektion, .Ausfuehren = Projektion},
    {.Art = TZeilenart::Trenner, .Name = "AbbildenStrich", .Menue = "Abbilden"},
    {.Name = "Pspiegeln", .Menue = "Abbilden", .Titel = "P&unktspiegelung an ", .Hilfe = 540, .Hilfeseite = "abbilden.html#anwenden", .Abbildung = TAbbildungsBefehl::Pspiegeln, .Ausfuehren = Pspiegeln},
    {.Name = "Gspiegeln", .Menue = "Abbilden", .Titel = "&Geradenspiegelung an ", .Hilfe = 540, .Hilfeseite = "abbilden.html#anwenden", .Abbildung = TAbbildungsBefehl::Gspiegeln, .Ausfuehren = Gspiegeln},
    {.Name = "Espiegeln", .Menue = "Abbilden", .Titel = "&Ebenenspiegelung an ", .Hilfe = 540, .Hilfeseite = "abbilden.html#anwenden", .Abbildung = TAbbildungsBefehl::Espiegeln, .Ausfuehren = Espiegeln},
    {.Name = "Strecken", .Menue = "Abbilden", .Titel = "&Streckung an ", .Hilfe = 550, .Hilfeseite = "abbilden.html#anwenden", .Abbildung = TAbbildungsBefehl::Strecken, .Ausfuehren = Strecken},
    {.Name = "Oprojezieren", .Menue = "Abbilden", .Titel = "&Orthogonalprojektion auf ", .Hilfe = 560, .Hilfeseite = "abbilden.html#anwenden", .Abbildung = TAbbildungsBefehl::Oprojezieren, .Ausfuehren = Oprojezieren},
    {.Name = "Pprojezieren", .Menue = "Abbilden", .Titel = "Par&allelprojektion auf ", .Hilfe = 560, .Hilfeseite = "abbilden.html#anwenden", .Abbildung = TAbbildungsBefehl::Pprojezieren, .Ausfuehren = Pprojezieren},
    {.Art = TZeilenart::Menue, .Name = "Messen", .Menue = "", .Titel = "&Messen", .Hilfe = 600, .Hilfeseite = "messen.html", .Zustand = &TMenuZustand::Messen, .Ui = TUiBefehl::Messen},
    {.Name = "MessWinkel", .Menue = "Messen", .Titel = "&Winkel", .Hilfe = 610, .Hilfeseite = "messen.html#winkel", .Angebot = TBefehl::MessWinkel, .Ausfuehren = MessWinkel, .Loesungsweg = TLoesungswegAngebot{exakt::TLoesungsart::Winkel, "Winkel"}},
    {.Name = "MessLaenge", .Menue = "Messen", .Titel = "&Länge", .Hilfe = 620, .Hilfeseite = "messen.html#laenge", .Angebot = TBefehl::MessLaenge, .Ausfuehren = MessLaenge, .Loesungsweg = TLoesungswegAngebot{exakt::TLoesungsart::Laenge, "Länge"}},
    {.Name = "MessFlaeche", .Menue = "Messen", .Titel = "&Fläche", .Hilfe = 630, .Hilfeseite = "messen.html#flaeche", .Angebot = TBefehl::MessFlaeche, .Ausfuehren = MessFlaeche, .Loesungsweg = TLoesungswegAngebot{exakt::TLoesungsart::Flaeche, "Fläche"}},
    {.Name = "MessVolumen", .Menue = "Messen", .Titel = "&Volumen", .Hilfe = 640, .Hilfeseite = "messen.html#volumen", .Angebot = TBefehl::MessVolumen, .Ausfuehren = MessVolumen, .Loesungsweg = TLoesungswegAngebot{exakt::TLoesungsart::Volumen, "Volumen"}},
    {.Art = TZeilenart::Trenner, .Menue = "Messen"},
    {.Name = "Loesungsweg", .Menue = "Messen", .Titel = "L&ösungsweg...", .Hilfe = 650, .Hilfeseite = "loesungsweg.html", .Zustand = &TMenuZustand::Messen, .Ui = TUiBefehl::Loesungsweg, .GrafikPopup = {"PULoesungsweg", "L&ösungsweg...", true}, .ListenPopup = {"LiPULoesungsweg", "L&ösungsweg...", true}},
    {.Art = TZeilenart::Menue, .Name = "Ansicht", .Menue = "", .Titel = "An&sicht", .Hilfe = 700, .Hilfeseite = "ansicht.html", .Zustand = &TMenuZustand::Ansicht},
    {.Name = "Koordinatenachsen", .Menue = "Ansicht", .Titel = "Koordinaten&achsen...", .Hilfe = 710, .Hilfeseite = "ansicht.html#achsen", .Zustand = &TMenuZustand::Ansicht, .Ui = TUiBefehl::Koordinatenachsen},
    {.Name = "Koordinatenebenen", .Menue = "Ansicht", .Titel = "Koordinaten&ebenen...", .Hilfe = 720, .Hilfeseite = "ansicht.html#ebenen", .Zustand = &TMenuZustand::Ansicht, .Ui = TUiBefehl::Koordinatenebenen},
    {.Art = TZeilenart::Trenner, .Menue = "Ansicht"},
    {.Name = "Zoomout", .Menue = "Ansicht", .Titel = "Darstellungsbereich ver&größern", .Hilfe = 730, .Hilfeseite = "ansicht.html#vergroessern", .Taste = "PgUp", .Zustand = &TMenuZustand::Ansicht, .Ausfuehren = Vergroessern},
    {.Name = "ZoomIn", .Menue = "Ansicht", .Titel = "Darstellungsbereich ver&kleinern", .Hilfe = 740, .Hilfeseite = "ansicht.html#verkleinern", .Taste = "PgDown", .Zustand = &TMenuZustand::Ansicht, .Ausfuehren = Verkleinern},
    {.Art = TZeilenart::Trenner, .Menue = "Ansicht"},
    {.Name = "Ausgangszustand", .Menue = "Ansicht", .Titel = "Ausgangs&lage", .Hilfe = 750, .Hilfeseite = "ansicht.html#ausgangslage", .Taste = "Ctrl+O", .Zustand = &TMenuZustand::Ansicht, .Ui = TUiBefehl::Ausgangszustand},
    {.Name = "Heftansicht", .Menue = "Ansicht", .Titel = "&Heftansicht", .Hilfe = 760, .Hilfeseite = "heftansicht.html", .Zustand = &TMenuZustand::Ansicht, .Ui = TUiBefehl::Heftansicht},
    {.Name = "Schrittweise", .Menue = "Ansicht", .Titel = "Schrittweise &zeigen", .Hilfe = 780, .Hilfeseite = "schrittweise.html", .Zustand = &TMenuZustand::Ansicht, .Ui = TUiBefehl::Schrittweise},
    {.Name = "Vollbild", .Menue = "Ansicht", .Titel = "&Vollbild", .Hilfe = 790, .Hilfeseite = "schrittweise.html#vollbild", .Taste = "F11", .Zustand = &TMenuZustand::Ansicht, .Ui = TUiBefehl::Vollbild},
    {.Name = "Szenebeschreiben", .Menue = "Ansicht", .Titel = "Szene &beschreiben...", .Hilfe = 770, .Hilfeseite = "ansicht.html#beschreiben", .Zustand = &TMenuZustand::Ansicht, .Ui = TUiBefehl::Szenebeschreiben},
    {.Art = TZeilenart::Menue, .Name = "Fenster", .Menue = "", .Titel = "&Fenster", .Hilfe = 800, .Hilfeseite = "fenster.html", .Zustand = &TMenuZustand::Fenster},
    {.Name = "Nebeneinander", .Menue = "Fenster", .Titel = "Ne&beneinander anordnen", .Zustand = &TMenuZustand::Nebeneinander, .Ui = TUiBefehl::Nebeneinander},
    {.Name = "Uebereinander", .Menue = "Fenster", .Titel = "&Übereinander anordnen", .Zustand = &TMenuZustand::Uebereinander, .Ui = TUiBefehl::Uebereinander},
    {.Name = "Ueberlappend", .Menue = "Fenster", .Titel = "Über&lappend", .Zustand = &TMenuZustand::Ueberlappend, .Ui = TUiBefehl::Ueberlappend},
    {.Name = "AlleSchliessen", .Menue = "Fenster", .Titel = "&Alle Fenster schließen", .Zustand = &TMenuZustand::AlleSchliessen, .Ui = TUiBefehl::AlleSchliessen},
    {.Art = TZeilenart::Menue, .Name = "Hilfe", .Menue = "", .Titel = "&Hilfe", .Hilfe = 900, .Hilfeseite = "hilfe.html"},
    {.Name = "Inhalt", .Menue = "Hilfe", .Titel = "In&halt", .Hilfe = 910, .Hilfeseite = "hilfe.html#inhalt", .Ui = TUiBefehl::Inhalt},
    {.Name = "HilfeVerwenden", .Menue = "Hilfe", .Titel = "Hilfe &verwenden", .Hilfe = 920, .Hilfeseite = "hilfe.html#verwenden", .Ui = TUiBefehl::HilfeVerwenden},
    {.Art = TZeilenart::Trenner, .Menue = "Hilfe"},
    {.Name = "Info", .Menue = "Hilfe", .Titel = "&Info über...", .Hilfe = 930, .Hilfeseite = "hilfe.html#info", .Ui = TUiBefehl::Info},
};
// clang-format on
#pragma GCC diagnostic pop

} // namespace

std::span<const TBefehlszeile> Befehlstabelle() {
    return Tabelle;
}

const TBefehlszeile* BefehlMitName(std::string_view name) {
    for (const TBefehlszeile& z : Tabelle)
        if (z.Art != TZeilenart::Trenner && name == z.Name) return &z;
    return nullptr;
}

std::vector<exakt::TLoesungsart> AngeboteneLoesungswege(const TListe& liste) {
    std::vector<exakt::TLoesungsart> r;
    const TAngebote angebote = BerechneAngebote(liste);
    for (const TBefehlszeile& z : Tabelle)
        if (z.Loesungsweg &&
            (z.Loesungsweg->OhneAngebot || (z.Angebot && angebote[*z.Angebot].aktiv)))
            r.push_back(z.Loesungsweg->Art);
    return r;
}

std::string_view LoesungswegName(exakt::TLoesungsart art) {
    for (const TBefehlszeile& z : Tabelle)
        if (z.Loesungsweg && z.Loesungsweg->Art == art) return z.Loesungsweg->Name;
    return {};
}

std::optional<TAngebotsanzeige> Angebotsanzeige(const TBefehlszeile& z, const TAngebote& a,
                                                TAngebotsort ort) {
    switch (ort) {
    case TAngebotsort::Hauptmenue:
        if (z.Angebot) return TAngebotsanzeige{a[*z.Angebot].Menue, a[*z.Angebot].aktiv, {}};
        if (z.Abbildung) {
            const TAbbildungsAngebot& x = a[*z.Abbildung];
            return TAngebotsanzeige{x.sichtbar ? x.Menue : std::string(), x.sichtbar, x.sichtbar};
        }
        return {};
    case TAngebotsort::GrafikPopup:
        if (!z.Angebot || !z.GrafikPopup.Vorhanden()) return {};
        return TAngebotsanzeige{a[*z.Angebot].GrafikPopup, a[*z.Angebot].aktiv,
                                a[*z.Angebot].aktiv};
    case TAngebotsort::ListenPopup:
        break;
    }
    if (!z.Angebot || !z.ListenPopup.Vorhanden()) return {};
    const TAngebot& x = a[*z.Angebot];
    return TAngebotsanzeige{
        x.ListenPopup.empty() ? std::string(z.ListenPopup.Titel) : x.ListenPopup, {}, x.aktiv};
}

std::optional<TAngebotsanzeige> Verlaufsanzeige(const TBefehlszeile& z, const TDokument* aktiv) {
    if (!z.Verlauf) return {};
    if (!aktiv) return TAngebotsanzeige{{}, false, {}};
    return TAngebotsanzeige{z.Verlauf(*aktiv), z.Moeglich && z.Moeglich(*aktiv), {}};
}

TMenuepunkt Hauptmenuepunkt(const TBefehlszeile& z, const TMenuZustand& zustand,
                            const TAngebote& angebote, const TDokument* aktiv) {
    TMenuepunkt p{z.Titel};
    if (z.Zustand) p.Aktiv = zustand.*z.Zustand;
    // The separator above the apply items stands while one of them does.
    if (z.Art == TZeilenart::Trenner && std::string_view(z.Name) == "AbbildenStrich")
        p.Sichtbar = angebote.AbbildungsTrenner;
    for (const auto& anzeige :
         {Angebotsanzeige(z, angebote, TAngebotsort::Hauptmenue), Verlaufsanzeige(z, aktiv)}) {
        if (!anzeige) continue;
        if (!anzeige->Text.empty()) p.Text = anzeige->Text;
        if (anzeige->Aktiv) p.Aktiv = *anzeige->Aktiv;
        if (anzeige->Sichtbar) p.Sichtbar = *anzeige->Sichtbar;
    }
    return p;
}

bool Ausfuehrbar(const TDokument& d, const TBefehlszeile& z) {
    if (!z.Ausfuehren) return false;
    if (z.Angebot) return Angeboten(d, *z.Angebot);
    if (z.Abbildung) return Angeboten(d, *z.Abbildung);
    return !z.Moeglich || z.Moeglich(d);
}

} // namespace kalvorin
