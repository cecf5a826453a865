#pragma once
// The object list "Objekte": a tool window beside the document windows that
// lists the elements of the active document. The user marks elements, shows
// and hides them and their names, sorts the list, deletes the marked
// elements and reaches the construction commands through its popup menu.

#include "ausgabe/Objektliste.h"

#include <QDockWidget>
#include <QString>

#include <vector>

class QMenu;
class QPushButton;

namespace kalvorin {

struct TBefehlszeile;
class TDokument;
class TDreiDBasisElement;
class TListengitter;

class TListenformular : public QDockWidget {
    Q_OBJECT
public:
    explicit TListenformular(QWidget* parent = nullptr);

    // The document of the active window; null when there is none, and then
    // every action does nothing. The document must outlive its showing here:
    // the owner shows null (or another document) before destroying it.
    void ZeigeDokument(TDokument* dokument);
    // Rows, pictures and marks from the document.
    void Aktualisieren();
    // "Schrittweise zeigen": the rows of the elements of these serial
    // numbers are hidden (the document keeps them).
    void SetzeVerborgen(const std::vector<int>& nummern);
    bool ZeileVerborgen(int zeile) const;

signals:
    // Marks, visibility, names, order or the elements themselves changed: the
    // document window repaints. Where visibility changed or elements were
    // deleted the document has already been rebuilt.
    void DokumentGeaendert();
    // Double click on a row: open the element's dialog.
    void ElementDoppelklick(kalvorin::TDreiDBasisElement* element);
    // A command of the popup menu, named like the main window's action
    // ("ErzPunkt", ..., "Schneiden", "Loteerzeugen", "Mittebilden").
    void BefehlAngefordert(const QString& befehl);

private:
    friend class TListengitter;

    void ZelleGedrueckt(int zeile, int spalte, bool strg);
    void KopfGeklickt(int spalte);
    void MausLosgelassen();
    void Doppelklick();
    void TasteGedrueckt(int taste);
    void TasteLosgelassen(int taste);
    void ListenPopupMenuPopup();
    // A row of the command table that the list runs on its own document.
    void ZeileAusfuehren(const TBefehlszeile& zeile);
    void AlsGeaendertMarkieren();
    void Sortiere(TSortierung nach);
    void SpaltenbreitenSetzen();

    TDokument* dokument_ = nullptr;
    TObjektlistenZustand zustand_;
    bool mehrfachauswahl_ = false;
    // Visibility or labels changed since the last release of the mouse.
    bool sichtbarkeitGemeldet_ = false;
    TListengitter* gitter_ = nullptr;
    QMenu* popup_ = nullptr;
    std::vector<int> verborgen_;
    void ZeilenFiltern();
};

} // namespace kalvorin
