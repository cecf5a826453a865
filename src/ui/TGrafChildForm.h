#pragma once
// The window of one open document inside the main window: it owns the
// document, shows it in its 3D view, turns the view on drags, marks elements
// on clicks and offers the commands for the marked elements in its popup.

#include "document/Dokument.h"
#include "ui/TAnaGraphBox.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QAction;
class QMouseEvent;
class QKeyEvent;

namespace kalvorin {

class TMainForm;
class TSchrittleiste;
struct TAngebote;

// Where the window with the given ordinal (1 for the first) starts inside a
// client area; c is the height of a caption plus a border line.
QRect DokumentfensterLage(int ordinal, const QSize& client, int c);

// "neu" + ordinal + ".kvr"
QString NeuBeschriftung(int ordinal);

// The element a click at p chooses: among the visible elements that own one
// of the hit scene objects (topmost first), the one of the smallest kind;
// the first found among equal kinds. Null when nothing is hit. Elements of
// the serial numbers in `verborgen` (not shown just now) are never chosen.
TDreiDBasisElement* ElementBeiKlick(const TDokument& dokument, TLogPunkt p,
                                    const std::vector<int>& verborgen = {});

class tGrafChildForm : public QWidget {
    Q_OBJECT
public:
    // haupt may be null (a window on its own, as in some tests); then the
    // popup offers only what the marked elements allow.
    explicit tGrafChildForm(int ordinal, TMainForm* haupt = nullptr, QWidget* eltern = nullptr);
    ~tGrafChildForm() override;

    TDokument& Dokument() { return *dokument_; }
    const TDokument& Dokument() const { return *dokument_; }
    tAnaGraphBox* Ansicht() const { return ansicht_; }
    int Ordinal() const { return ordinal_; }

    // The caption, also on the surrounding sub-window.
    QString Beschriftung() const { return windowTitle(); }
    void SetzeBeschriftung(const QString& text);
    // The number in the caption "neu" + number + ".kvr" while the document
    // has no file; the ordinal unless a restored document brings its own.
    void SetzeNeuNummer(int nummer);

    // Runs the main window's save command for this document; true when it
    // was saved. Asked by the close query after "Ja".
    std::function<bool()> Speichern;

    QMenu* GrafchildPopupMenu() const { return popup_; }
    // Brings the popup up to date with the marked elements (also the main
    // menu's offers, when there is a main window).
    void GrafchildPopupMenuPopup();

    // Everything drawn again.
    void Neuzeichnen();
    // The click rules of the view, at a logical position.
    void KlickBei(TLogPunkt p, bool doppelklick, bool strg);

    bool AdditivMarkieren() const { return additiv_; }

    // The keyboard in the view: Tab and Shift+Tab step through the visible
    // elements, Space marks (Ctrl+Space adds), Enter opens the dialog, the
    // arrows turn the view, + and - zoom. True when the key was one of them.
    bool AnsichtTaste(int taste, Qt::KeyboardModifiers mod);
    // The element Tab has reached; null when there is none (any more).
    TDreiDBasisElement* AktuellesElement() const;
    // The hint last shown briefly beside the mouse (why a point cannot be
    // dragged); empty before the first.
    QString Hinweis() const { return hinweis_; }

    // "Schrittweise zeigen": the view and the object list show the document
    // as after step k (the given elements first, then the derived ones, in
    // list order), with a bar to step; the arrows and PgUp/PgDn step too.
    // A display filter only: the document is not changed. Starts at step 0.
    void SchrittweiseSetzen(bool an);
    bool Schrittweise() const { return schritt_ >= 0; }
    int Schritt() const { return schritt_; }
    int Schrittzahl() const;
    // One step on (+1) or back (-1); nothing beyond the first and the last.
    void SchrittGehen(int richtung);
    // The serial numbers of the elements not shown now; empty outside the mode.
    std::vector<int> Verborgen() const;
    TSchrittleiste* Schrittleiste() const { return leiste_; }

signals:
    // The document changed: content, marks, view or file.
    void DokumentGeaendert();
    // A double click asks for the element's dialog.
    void ElementOeffnen(kalvorin::TDreiDBasisElement* element);
    void ErstmalsGezeichnet();
    // The close query let the window go.
    void Geschlossen();
    // "Schrittweise zeigen" went on or off, or to another step.
    void SchrittGeaendert();

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool focusNextPrevChild(bool weiter) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;
    // In "Schrittweise zeigen" PgUp and PgDn step instead of zooming.
    bool event(QEvent* e) override;

private:
    void BauePopup();
    // Dragging free points: Shift+drag on a point moves it parallel to the
    // xy-plane, Ctrl+Shift+drag along z; Esc puts it back. True when the
    // event was the point drag's.
    bool PunktZiehenMaus(QMouseEvent* e);
    // Esc during a drag; Alt+arrow keys and Alt+PgUp/PgDn move the marked
    // free point by one step. True when the key was used.
    bool PunktTaste(QKeyEvent* e);
    void HinweisZeigen(const std::string& text, QPoint global);

    int ordinal_;
    int neuNummer_;
    TMainForm* haupt_;
    std::unique_ptr<TDokument> dokument_;
    tAnaGraphBox* ansicht_;
    QMenu* popup_ = nullptr;
    bool additiv_ = false;
    std::uint16_t aktuell_ = 0; // serial number of the element Tab reached
    // The point drag in progress: where the mouse took the point, where the
    // point stood, and whether it moves along z.
    TLogPunkt ziehGriff_{};
    TTripel ziehStart_{};
    bool ziehSenkrecht_ = false;
    QString hinweis_;
    // "Schrittweise zeigen": the step shown, -1 outside the mode.
    int schritt_ = -1;
    TSchrittleiste* leiste_ = nullptr;
    // A step key in the mode; true when it stepped.
    bool SchrittTaste(int taste, Qt::KeyboardModifiers mod);
    void SchrittAnwenden();
};

} // namespace kalvorin
