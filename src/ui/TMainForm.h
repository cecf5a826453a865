#pragma once
// The program's frame window: the menu bar with every command, the area that
// holds the document windows, and the rules that keep both in step.

#include "befehle/MenuZustand.h"
#include "ui/Dateidialog.h"

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace kalvorin {

struct TAngebote;
struct TBefehlszeile;
enum class TUiBefehl : std::uint8_t;
class TDokument;
class TDreiDBasisElement;
class tGrafChildForm;
class TWiederherstellung;

struct TAngebotsanzeige;

// Applies what the offers make of one item (Angebotsanzeige) to its action;
// the main menu, the view's popup and the object list's popup alike.
void ZeigeAngebot(QAction* aktion, const TAngebotsanzeige& anzeige);

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    QMdiArea* MdiArea() const { return mdi_; }
    // The main menu's actions by object name ("Neu", "Speichern_unter", ...).
    QAction* Aktion(const QString& name) const;
    QMenu* Menue(const QString& name) const;
    QMenu* Popup() const { return popup_; }

    // The open document windows, as the menu rules see them.
    TFensterZustand Fensterzustand() const;
    // Whether the active document has a marked element; asked when
    // "&Bearbeiten" opens. Set by whoever owns the documents.
    std::function<bool()> ElementMarkiertAbfrage;

    // Applies the menu rules to the actions.
    void WendeMenuZustandAn(const TMenuZustand& z);
    // Applies the commands offered for the marked elements (captions,
    // enabled, the apply items of "&Abbilden").
    void WendeAngeboteAn(const TAngebote& a);
    // "&Rückgängig": caption and whether there is something to undo.
    void ZeigeRueckgaengig(const std::string& caption, bool moeglich);

    // Runs the command of a row of the command table: the core's function on
    // the active document, or the user interface's own handler. The core
    // commands check their offers themselves.
    void Ausfuehren(const TBefehlszeile& zeile);
    // The same by the row's name; false when the table has no such row.
    bool Ausfuehren(std::string_view name);
    // The user interface's own command of a row (TBefehlszeile::Ui).
    void Ausfuehren(TUiBefehl befehl);
    // Whether the user interface has a handler for a row without a core
    // function.
    bool HatHandler(const TBefehlszeile& zeile) const;

    // Opens the dialog of the element (a double click in the view or the
    // object list) and redraws when the document changed.
    void ElementBearbeitenClick(kalvorin::TDokument* dokument,
                                kalvorin::TDreiDBasisElement* element);

    // Keeps every document window reachable inside the client area.
    void HalteDokumenteImClientbereich();

    // The document windows: the active one is the topmost.
    tGrafChildForm* AktivesFenster() const;
    TDokument* AktivesDokument() const;
    QList<tGrafChildForm*> Dokumentfenster() const;
    // Document windows created so far minus those closed; the next new
    // window gets this count plus one as its ordinal.
    int Fensterzaehler() const { return fensterZaehler_; }

    // The file dialogs of the document commands; tests answer them here.
    TDateiDialog DateiDialog;

    // Recovery copies of the documents with unsaved changes, and the offer
    // at start of those a program that did not end properly left behind.
    TWiederherstellung& Wiederherstellung() const { return *wiederherstellung_; }

    // Opens the file in a document window of its own, as "Ö&ffnen..." does
    // after its dialog (the files of the command line come here too). A
    // file that cannot be read leaves no window behind, only the reader's
    // message; false then.
    bool DateiOeffnen(const QString& datei, bool schreibgeschuetzt = false);

    // Saving one document window, as "&Speichern" and "Speichern &unter..."
    // do for the active one; true when the document was written.
    bool Speichere(tGrafChildForm* fenster);
    bool SpeichereUnter(tGrafChildForm* fenster);

    // After a change of the settings: every document window and the object
    // list show the numbers and looks as they are now.
    void AlleDokumenteNeuZeichnen();

signals:
    // Another document window became the active one (null: none is left).
    void AktivesDokumentGeaendert(kalvorin::TDokument* dokument);
    // The active document changed in content, marks or view: lists that
    // show it refresh themselves.
    void DokumentAktualisiert(kalvorin::TDokument* dokument);
    // A double click on an element asks for its dialog.
    void ElementDialogGewuenscht(kalvorin::TDokument* dokument,
                                 kalvorin::TDreiDBasisElement* element);
    // The first document window has been painted on the screen.
    void ErstesDokumentGezeichnet();
    // The elements the active window leaves out just now ("Schrittweise
    // zeigen"), by serial number; empty: all shown.
    void Anzeigefilter(const std::vector<int>& verborgen);

public slots:
    // The active document changed from outside (the object list): its view
    // is drawn again and the menus follow the marks.
    void DokumentNeuZeichnen();

    // Runs whenever the active document window changes or one opens or closes.
    void UpdateMenuItems();

    // The user interface's own commands, named by the rows' TUiBefehl and
    // run through Ausfuehren(TUiBefehl): files, windows, dialogs and help.
    // The commands of the core have no handler here.
    // "&Datei"
    void NeuClick();
    void OeffnenClick();
    void EinfuegenClick();
    void SchliessenClick();
    void SpeichernClick();
    void Speichern_unterClick();
    void Grafik_speichernClick();
    void Grafik_DruckenClick();
    void DruckereinstellungenClick();
    // The worksheet of the active document: task and solution, PDF or LaTeX.
    void Arbeitsblatt_speichernClick();
    void BeendenClick();
    // "&Bearbeiten"
    void BearbeitenClick();
    void KopierenClick();
    void EinstellungenClick();
    // "F&estlegen"
    void FestlegenClick();
    void PunktClick();
    void GeradeClick();
    void EbeneClick();
    void StreckeClick();
    void PfeilClick();
    void VektorClick();
    void DreieckClick();
    void PyramideseitigClick();
    void KugelClick();
    void KreisClick();
    void ViereckClick();
    void Pyramide4Click();
    void KoordinatenebeneClick();
    void KoordinatenachseClick();
    // "&Konstruieren", "&Abbilden", "&Messen" before they open
    void KonstruierenClick();
    void AbbildenClick();
    void MStreckungClick();
    void MessenClick();
    // "&Lösungsweg...": the worked solution window for the marked elements.
    void LoesungswegClick();
    // "An&sicht"
    void KoordinatenachsenClick();
    void KoordinatenebenenClick();
    void AusgangszustandClick();
    void HeftansichtClick();
    // "Schrittweise zeigen" on or off for the active document window.
    void SchrittweiseClick();
    // "Vollbild" (F11): the whole screen, the active document as large as it
    // goes, drawn with the lines and names of "Präsentation"; again: back.
    void VollbildClick();
    // The scene of the active document in words, in a window of its own.
    void SzenebeschreibenClick();
    // "&Fenster"
    void NebeneinanderClick();
    void UebereinanderClick();
    void UeberlappendClick();
    void AlleSchliessenClick();
    // "&Hilfe"
    void InhaltClick();
    void HilfeVerwendenClick();
    void InfoClick();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* ziel, QEvent* e) override;

    // "Soll das Programm Kalvorin beendet werden?"; true lets it close.
    bool FormCloseQuery();
    virtual void EinstellungenLaden();
    virtual void EinstellungenSpeichern();

private:
    // Opens the documents it restores in windows of their own.
    friend class TWiederherstellung;

    void BaueMenues();
    QAction* NeueAktion(QMenu* menue, const TBefehlszeile& zeile, const char* name,
                        const char* titel);
    void SetzeAnfangsgeometrie();
    void SetzeAktiv(const QString& name, bool aktiv);
    void Anordnen(bool nebeneinander);
    // The height of a document window's caption plus a border line: the step
    // by which new and cascaded windows are moved.
    int Beschriftungshoehe() const;
    // The offers of the menus that depend on the marked elements; asked
    // before those menus open.
    void AngeboteAktualisieren();
    tGrafChildForm* NeuesFenster();
    void DialogAusfuehren(bool (*dialog)(QWidget*, TDokument&));

    QMdiArea* mdi_ = nullptr;
    int fensterZaehler_ = 0;
    TDokument* gemeldetesDokument_ = nullptr;
    // "Vollbild": how the frame and the active document's window were before.
    struct TVorVollbild {
        Qt::WindowStates Rahmen;
        QMdiSubWindow* Fenster = nullptr;
        Qt::WindowStates FensterZustand;
    };
    std::optional<TVorVollbild> vorVollbild_;
    bool ersteZeichnungGemeldet_ = false;
    QMenu* popup_ = nullptr;
    QHash<QString, QAction*> aktionen_;
    QHash<QString, QMenu*> menues_;
    TWiederherstellung* wiederherstellung_ = nullptr;
};

} // namespace kalvorin
