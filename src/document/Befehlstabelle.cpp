#include "document/Befehlstabelle.h"

#include "document/Befehle.h"
#include "document/Dokument.h"

namespace kalvorin {

namespace {

bool RueckgaengigAusfuehren(TDokument& d) {
    return d.RueckgaengigMachen();
}
bool RueckgaengigMoeglich(const TDokument& d) {
    return d.Rueckgaengig().Moeglich();
}
bool WiederholenAusfuehren(TDokument& d) {
    return d.Wiederholen();
}
bool WiederholenMoeglich(const TDokument& d) {
    return d.Rueckgaengig().WiederholenMoeglich();
}
bool LoeschenAusfuehren(TDokument& d) {
    return d.MarkierteLoeschen();
}
bool EtwasMarkiert(const TDokument& d) {
    for (int i = 1; i <= d.Liste().Anzahl(); ++i)
        if (d.Liste()[i]->markiert) return true;
    return false;
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
    {.Art = TZeilenart::Menue, .Name = "Datei", .Menue = "", .Titel = "&Datei", .Hilfe = 100},
    {.Name = "Neu", .Menue = "Datei", .Titel = "&Neu", .Hilfe = 105, .Zweittaste = "Ctrl+N", .RahmenPopup = {"PopupNeu", "Neu"}},
    {.Name = "Oeffnen", .Menue = "Datei", .Titel = "Ö&ffnen...", .Hilfe = 110, .RahmenPopup = {"PopupOeffnen", "Oeffnen..."}},
    {.Name = "Einfuegen", .Menue = "Datei", .Titel = "E&infügen...", .Hilfe = 115, .Zustand = &TMenuZustand::Einfuegen},
    {.Name = "Schliessen", .Menue = "Datei", .Titel = "S&chließen", .Hilfe = 120, .Zustand = &TMenuZustand::Schliessen},
    {.Art = TZeilenart::Trenner, .Menue = "Datei"},
    {.Name = "Speichern", .Menue = "Datei", .Titel = "&Speichern", .Hilfe = 125, .Zweittaste = "Ctrl+S", .Zustand = &TMenuZustand::Speichern},
    {.Name = "Speichern_unter", .Menue = "Datei", .Titel = "Speichern &unter...", .Hilfe = 130, .Zustand = &TMenuZustand::Speichern_unter},
    {.Art = TZeilenart::Trenner, .Menue = "Datei"},
    {.Name = "Grafik_speichern", .Menue = "Datei", .Titel = "&Grafik speichern...", .Hilfe = 135, .Zustand = &TMenuZustand::Grafik_speichern},
    {.Name = "Grafik_Drucken", .Menue = "Datei", .Titel = "Grafik &drucken...", .Hilfe = 140, .Zustand = &TMenuZustand::Grafik_Drucken},
    {.Name = "Druckereinstellungen", .Menue = "Datei", .Titel = "Drucker&einstellungen...", .Hilfe = 145, .Zustand = &TMenuZustand::Druckereinstellungen},
    {.Name = "Arbeitsblatt_speichern", .Menue = "Datei", .Titel = "&Arbeitsblatt speichern...", .Hilfe = 147, .Zustand = &TMenuZustand::Grafik_speichern},
    {.Art = TZeilenart::Trenner, .Menue = "Datei"},
    {.Name = "Beenden", .Menue = "Datei", .Titel = "&Beenden", .Hilfe = 150, .Taste = "Alt+F4"},
    {.Art = TZeilenart::Menue, .Name = "Bearbeiten", .Menue = "", .Titel = "&Bearbeiten", .Hilfe = 200, .Zustand = &TMenuZustand::Bearbeiten, .BeimOeffnen = true},
    {.Name = "Rueckgaengig", .Menue = "Bearbeiten", .Titel = "&Rückgängig", .Hilfe = 210, .Taste = "Ctrl+R", .Zweittaste = "Ctrl+Z", .Ausfuehren = RueckgaengigAusfuehren, .Moeglich = RueckgaengigMoeglich},
    {.Name = "Wiederholen", .Menue = "Bearbeiten", .Titel = "&Wiederholen", .Hilfe = 215, .Taste = "Ctrl+Y", .Zweittaste = "Ctrl+Shift+Z", .Ausfuehren = WiederholenAusfuehren, .Moeglich = WiederholenMoeglich},
    {.Art = TZeilenart::Trenner, .Menue = "Bearbeiten"},
    {.Name = "Kopieren", .Menue = "Bearbeiten", .Titel = "&Kopieren (Grafik)...", .Hilfe = 220, .Taste = "Ctrl+C", .Zustand = &TMenuZustand::Kopieren},
    {.Name = "Loeschen", .Menue = "Bearbeiten", .Titel = "&Löschen (markierte Objekte)", .Hilfe = 230, .Taste = "Del", .Zustand = &TMenuZustand::Loeschen, .Ausfuehren = LoeschenAusfuehren, .Moeglich = EtwasMarkiert, .ListenPopup = {"LiPUElementeloeschen", "Markierte Objekte löschen"}},
    {.Art = TZeilenart::Trenner, .Menue = "Bearbeiten"},
    {.Name = "Einstellungen", .Menue = "Bearbeiten", .Titel = "&Einstellungen...", .Hilfe = 240, .Taste = "Ctrl+E", .Zustand = &TMenuZustand::Bearbeiten},
    {.Art = TZeilenart::Menue, .Name = "Festlegen", .Menue = "", .Titel = "F&estlegen", .Hilfe = 300, .Zustand = &TMenuZustand::Festlegen, .BeimOeffnen = true},
    {.Art = TZeilenart::Menue, .Name = "Neueingabe", .Menue = "Festlegen", .Titel = "durch &Neueingabe", .Hilfe = 305},
    {.Name = "Punkt", .Menue = "Neueingabe", .Titel = "&Punkt...", .Hilfe = 310, .Zustand = &TMenuZustand::Festlegen, .GrafikPopup = {"PUPunktfestlegen", "Punkt durch Neueingabe festlegen..."}},
    {.Name = "Gerade", .Menue = "Neueingabe", .Titel = "&Gerade...", .Hilfe = 311, .Zustand = &TMenuZustand::Festlegen, .GrafikPopup = {"PUGeradefestlegen", "Gerade durch Neueingabe festlegen..."}},
    {.Name = "Ebene", .Menue = "Neueingabe", .Titel = "&Ebene...", .Hilfe = 312, .Zustand = &TMenuZustand::Festlegen, .GrafikPopup = {"PUEbenefestlegen", "Ebene durch Neueingabe festlegen..."}},
    {.Name = "Strecke", .Menue = "Neueingabe", .Titel = "&Strecke...", .Hilfe = 313, .Zustand = &TMenuZustand::Festlegen, .GrafikPopup = {"PUStreckefestlegen", "Strecke durch Neueingabe festlegen..."}},
    {.Name = "Pfeil", .Menue = "Neueingabe", .Titel = "P&feil...", .Hilfe = 314, .Zustand = &TMenuZustand::Festlegen, .GrafikPopup = {"PUPfeilfestlegen", "Pfeil durch Neueingabe festlegen..."}},
    {.Name = "Vektor", .Menue = "Neueingabe", .Titel = "&Vektor...", .Hilfe = 315, .Zustand = &TMenuZustand::Festlegen, .GrafikPopup = {"PUVektorfestlegen", "Vektor durch Neueingabe festlegen..."}},
    {.Name = "Dreieck", .Menue = "Neueingabe", .Titel = "&Dreieck...", .Hilfe = 316, .Zustand = &TMenuZustand::Festlegen, .GrafikPopup = {"PUDreieckfestlegen", "Dreieck durch Neueingabe festlegen..."}},
    {.Name = "Pyramideseitig", .Menue = "Neueingabe", .Titel = "P&yramide...", .Hilfe = 337, .Zustand = &TMenuZustand::Festlegen, .GrafikPopup = {"PUPyramidefestlegen", "Pyramide durch Neueingabe festlegen..."}},
    {.Art = TZeilenart::Menue, .Name = "MarkierteObjekte", .Menue = "Festlegen", .Titel = "durch &markierte Objekte", .Hilfe = 325},
    {.Name = "ErzPunkt", .Menue = "MarkierteObjekte", .Titel = "&Punkt", .Hilfe = 330, .Angebot = TBefehl::ErzPunkt, .Ausfuehren = ErzPunkt, .GrafikPopup = {"PUPunkterzeugen", "Punkt durch markierte Objekte festlegen", true}, .ListenPopup = {"LiPUPunkterzeugen", "Punkt festlegen", true}},
    {.Name = "ErzGerade", .Menue = "MarkierteObjekte", .Titel = "&Gerade", .Hilfe = 331, .Angebot = TBefehl::ErzGerade, .Ausfuehren = ErzGerade, .GrafikPopup = {"PUGeradeerzeugen", "Gerade durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUGeradeerzeugen", "Gerade festlegen"}},
    {.Name = "ErzEbene", .Menue = "MarkierteObjekte", .Titel = "&Ebene", .Hilfe = 332, .Angebot = TBefehl::ErzEbene, .Ausfuehren = ErzEbene, .GrafikPopup = {"PUEbeneerzeugen", "Ebene durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUEbeneerzeugen", "Ebene festlegen"}},
    {.Name = "ErzStrecke", .Menue = "MarkierteObjekte", .Titel = "&Strecke", .Hilfe = 333, .Angebot = TBefehl::ErzStrecke, .Ausfuehren = ErzStrecke, .GrafikPopup = {"PUStreckeerzeugen", "Strecke durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUStreckeerzeugen", "Strecke festlegen"}},
    {.Name = "ErzPfeil", .Menue = "MarkierteObjekte", .Titel = "P&feil", .Hilfe = 334, .Angebot = TBefehl::ErzPfeil, .Ausfuehren = ErzPfeil, .GrafikPopup = {"PUPfeilerzeugen", "Pfeil durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUPfeilerzeugen", "Pfeil festlegen"}},
    {.Name = "ErzVektor", .Menue = "MarkierteObjekte", .Titel = "&Vektor", .Hilfe = 335, .Angebot = TBefehl::ErzVektor, .Ausfuehren = ErzVektor, .GrafikPopup = {"PUVektorerzeugen", "Vektor durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUVektorerzeugen", "Vektor festlegen"}},
    {.Name = "ErzDreieck", .Menue = "MarkierteObjekte", .Titel = "&Dreieck", .Hilfe = 336, .Angebot = TBefehl::ErzDreieck, .Ausfuehren = ErzDreieck, .GrafikPopup = {"PUDreieckerzeugen", "Dreieck durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUDreieckerzeugen", "Dreieck festlegen"}},
    {.Name = "ErzPyramide", .Menue = "MarkierteObjekte", .Titel = "&Pyramide", .Hilfe = 337, .Angebot = TBefehl::ErzPyramide, .Ausfuehren = ErzPyramide, .GrafikPopup = {"PUPyramideerzeugen", "Pyramide durch markierte Objekte festlegen"}, .ListenPopup = {"LiPUPyramideerzeugen", "Pyramide festlegen"}},
    {.Art = TZeilenart::Menue, .Name = "Konstruieren", .Menue = "", .Titel = "&Konstruieren", .Hilfe = 400, .Zustand = &TMenuZustand::Konstruieren, .BeimOeffnen = true},
    {.Name = "Schneiden", .Menue = "Konstruieren", .Titel = "&Schneiden", .Hilfe = 410, .Angebot = TBefehl::Schneiden, .Ausfuehren = Schneiden, .GrafikPopup = {"PUSchneiden", "Schneiden", true}, .ListenPopup = {"LiPUSchneiden", "Schneiden", true}},
    {.Name = "Loteerzeugen", .Menue = "Konstruieren", .Titel = "&Lot erzeugen", .Hilfe = 420, .Angebot = TBefehl::Loteerzeugen, .Ausfuehren = Loteerzeugen, .GrafikPopup = {"PULoterzeugen", "Lot erzeugen"}, .ListenPopup = {"LiPULoteerzeugen", "Lot erzeugen"}},
    {.Name = "Mittebilden", .Menue = "Konstruieren", .Titel = "&Mitte bilden", .Hilfe = 430, .Angebot = TBefehl::Mittebilden, .Ausfuehren = Mittebilden, .GrafikPopup = {"PUMittebilden", "Mitte bilden"}, .ListenPopup = {"LiPUMittebilden", "Mitte bilden"}},
    {.Art = TZeilenart::Menue, .Name = "Verknuepfen", .Menue = "Konstruieren", .Titel = "&Verknüpfen", .Hilfe = 440, .Angebot = TBefehl::Verknuepfen},
    {.Name = "VSumme", .Menue = "Verknuepfen", .Titel = "&Vektorsumme", .Hilfe = 441, .Angebot = TBefehl::VSumme, .Ausfuehren = VSumme},
    {.Name = "VGegen", .Menue = "Verknuepfen", .Titel = "&Gegenvektor", .Hilfe = 442, .Angebot = TBefehl::VGegen, .Ausfuehren = VGegen},
    {.Name = "MVProdukt", .Menue = "Verknuepfen", .Titel = "Vektor&produkt", .Hilfe = 443, .Angebot = TBefehl::MVProdukt, .Ausfuehren = MVProdukt},
    {.Art = TZeilenart::Menue, .Name = "Abbilden", .Menue = "", .Titel = "&Abbilden", .Hilfe = 500, .Zustand = &TMenuZustand::Abbilden, .BeimOeffnen = true},
    {.Name = "Spiegelung", .Menue = "Abbilden", .Titel = "S&piegelung festlegen", .Hilfe = 510, .Angebot = TBefehl::Spiegelung, .Ausfuehren = Spiegelung},
    {.Name = "MStreckung", .Menue = "Abbilden", .Titel = "S&treckung festlegen...", .Hilfe = 520, .Angebot = TBefehl::MStreckung, .MitWert = {"StreckungFestlegen", StreckungMitFaktortext}},
    {.Name = "Projektion", .Menue = "Abbilden", .Titel = "P&rojektion festlegen", .Hilfe = 530, .Angebot = TBefehl::Projektion, .Ausfuehren = Projektion},
    {.Art = TZeilenart::Trenner, .Name = "AbbildenStrich", .Menue = "Abbilden"},
    {.Name = "Pspiegeln", .Menue = "Abbilden", .Titel = "Punktspiegelung an ", .Hilfe = 540, .Abbildung = TAbbildungsBefehl::Pspiegeln, .Ausfuehren = Pspiegeln},
    {.Name = "Gspiegeln", .Menue = "Abbilden", .Titel = "Geradenspiegelung an ", .Hilfe = 540, .Abbildung = TAbbildungsBefehl::Gspiegeln, .Ausfuehren = Gspiegeln},
    {.Name = "Espiegeln", .Menue = "Abbilden", .Titel = "Ebenenspiegelung an ", .Hilfe = 540, .Abbildung = TAbbildungsBefehl::Espiegeln, .Ausfuehren = Espiegeln},
    {.Name = "Strecken", .Menue = "Abbilden", .Titel = "Streckung an ", .Hilfe = 550, .Abbildung = TAbbildungsBefehl::Strecken, .Ausfuehren = Strecken},
    {.Name = "Oprojezieren", .Menue = "Abbilden", .Titel = "Orthogonalprojektion auf ", .Hilfe = 560, .Abbildung = TAbbildungsBefehl::Oprojezieren, .Ausfuehren = Oprojezieren},
    {.Name = "Pprojezieren", .Menue = "Abbilden", .Titel = "Parallelprojektion auf ", .Hilfe = 560, .Abbildung = TAbbildungsBefehl::Pprojezieren, .Ausfuehren = Pprojezieren},
    {.Art = TZeilenart::Menue, .Name = "Messen", .Menue = "", .Titel = "&Messen", .Hilfe = 600, .Zustand = &TMenuZustand::Messen, .BeimOeffnen = true},
    {.Name = "MessWinkel", .Menue = "Messen", .Titel = "&Winkel", .Hilfe = 610, .Angebot = TBefehl::MessWinkel, .Ausfuehren = MessWinkel},
    {.Name = "MessLaenge", .Menue = "Messen", .Titel = "&Länge", .Hilfe = 620, .Angebot = TBefehl::MessLaenge, .Ausfuehren = MessLaenge},
    {.Name = "MessFlaeche", .Menue = "Messen", .Titel = "&Fläche", .Hilfe = 630, .Angebot = TBefehl::MessFlaeche, .Ausfuehren = MessFlaeche},
    {.Name = "MessVolumen", .Menue = "Messen", .Titel = "&Volumen", .Hilfe = 640, .Angebot = TBefehl::MessVolumen, .Ausfuehren = MessVolumen},
    {.Art = TZeilenart::Trenner, .Menue = "Messen"},
    {.Name = "Loesungsweg", .Menue = "Messen", .Titel = "&Lösungsweg...", .Hilfe = 650, .Zustand = &TMenuZustand::Messen, .GrafikPopup = {"PULoesungsweg", "Lösungsweg...", true}, .ListenPopup = {"LiPULoesungsweg", "Lösungsweg...", true}},
    {.Art = TZeilenart::Menue, .Name = "Ansicht", .Menue = "", .Titel = "An&sicht", .Hilfe = 700, .Zustand = &TMenuZustand::Ansicht},
    {.Name = "Koordinatenachsen", .Menue = "Ansicht", .Titel = "Koordinaten&achsen...", .Hilfe = 710, .Zustand = &TMenuZustand::Ansicht},
    {.Name = "Koordinatenebenen", .Menue = "Ansicht", .Titel = "Koordinaten&ebenen...", .Hilfe = 720, .Zustand = &TMenuZustand::Ansicht},
    {.Art = TZeilenart::Trenner, .Menue = "Ansicht"},
    {.Name = "Zoomout", .Menue = "Ansicht", .Titel = "Darstellungsbereich ver&größern", .Hilfe = 730, .Taste = "PgUp", .Zustand = &TMenuZustand::Ansicht, .Ausfuehren = Vergroessern},
    {.Name = "ZoomIn", .Menue = "Ansicht", .Titel = "Darstellungsbereich ver&kleinern", .Hilfe = 740, .Taste = "PgDown", .Zustand = &TMenuZustand::Ansicht, .Ausfuehren = Verkleinern},
    {.Art = TZeilenart::Trenner, .Menue = "Ansicht"},
    {.Name = "Ausgangszustand", .Menue = "Ansicht", .Titel = "Ausgangs&lage", .Hilfe = 750, .Taste = "Ctrl+O", .Zustand = &TMenuZustand::Ansicht},
    {.Name = "Heftansicht", .Menue = "Ansicht", .Titel = "&Heftansicht", .Hilfe = 760, .Zustand = &TMenuZustand::Ansicht},
    {.Name = "Schrittweise", .Menue = "Ansicht", .Titel = "Schrittweise &zeigen", .Hilfe = 780, .Zustand = &TMenuZustand::Ansicht},
    {.Name = "Vollbild", .Menue = "Ansicht", .Titel = "&Vollbild", .Hilfe = 790, .Taste = "F11", .Zustand = &TMenuZustand::Ansicht},
    {.Name = "Szenebeschreiben", .Menue = "Ansicht", .Titel = "Szene &beschreiben...", .Hilfe = 770, .Zustand = &TMenuZustand::Ansicht},
    {.Art = TZeilenart::Menue, .Name = "Fenster", .Menue = "", .Titel = "&Fenster", .Hilfe = 800, .Zustand = &TMenuZustand::Fenster},
    {.Name = "Nebeneinander", .Menue = "Fenster", .Titel = "Ne&beneinander anordnen", .Zustand = &TMenuZustand::Nebeneinander},
    {.Name = "Uebereinander", .Menue = "Fenster", .Titel = "&Übereinander anordnen", .Zustand = &TMenuZustand::Uebereinander},
    {.Name = "Ueberlappend", .Menue = "Fenster", .Titel = "Über&lappend", .Zustand = &TMenuZustand::Ueberlappend},
    {.Name = "AlleSchliessen", .Menue = "Fenster", .Titel = "&Alle Fenster schließen", .Zustand = &TMenuZustand::AlleSchliessen},
    {.Art = TZeilenart::Menue, .Name = "Hilfe", .Menue = "", .Titel = "&Hilfe", .Hilfe = 900},
    {.Name = "Inhalt", .Menue = "Hilfe", .Titel = "Inhalt", .Hilfe = 910},
    {.Name = "HilfeVerwenden", .Menue = "Hilfe", .Titel = "Hilfe verwenden", .Hilfe = 920},
    {.Art = TZeilenart::Trenner, .Menue = "Hilfe"},
    {.Name = "Info", .Menue = "Hilfe", .Titel = "&Info über...", .Hilfe = 930},
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

bool Ausfuehrbar(const TDokument& d, const TBefehlszeile& z) {
    if (!z.Ausfuehren) return false;
    if (z.Angebot) return Angeboten(d, *z.Angebot);
    if (z.Abbildung) return Angeboten(d, *z.Abbildung);
    return !z.Moeglich || z.Moeglich(d);
}

} // namespace kalvorin
