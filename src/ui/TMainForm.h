#pragma once
// The program's frame window: the menu bar with every command, the area that
// holds the document windows, and the rules that keep both in step.

#include "ui/Dateidialog.h"
#include "document/MenuZustand.h"

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QSet>
#include <QString>

#include <functional>
#include <string>

class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace kalvorin {

struct TAngebote;
class TDokument;
class TDreiDBasisElement;
class tGrafChildForm;

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

    // Applies the menu rules to the actions. Commands whose feature is not
    // there yet stay disabled whatever the rules say.
    void WendeMenuZustandAn(const TMenuZustand& z);
    // Applies the commands offered for the marked elements (captions,
    // enabled, the apply items of "&Abbilden").
    void WendeAngeboteAn(const TAngebote& a);
    // "&Rückgängig": caption and whether there is something to undo.
    void ZeigeRueckgaengig(const std::string& caption, bool moeglich);

    // Features that are not built yet keep their items disabled.
    void SetzeVerfuegbar(const QString& aktion, bool verfuegbar);
    // Opens the dialog of the element (a double click in the view or the
    // object list) and redraws when the document changed.
    void ElementBearbeitenClick(kalvorin::TDokument* dokument, kalvorin::TDreiDBasisElement* element);
    bool IstVerfuegbar(const QString& aktion) const;

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

    // Saving one document window, as "&Speichern" and "Speichern &unter..."
    // do for the active one; true when the document was written.
    bool Speichere(tGrafChildForm* fenster);
    bool SpeichereUnter(tGrafChildForm* fenster);

signals:
    // Another document window became the active one (null: none is left).
    void AktivesDokumentGeaendert(kalvorin::TDokument* dokument);
    // The active document changed in content, marks or view: lists that
    // show it refresh themselves.
    void DokumentAktualisiert(kalvorin::TDokument* dokument);
    // A double click on an element asks for its dialog.
    void ElementDialogGewuenscht(kalvorin::TDokument* dokument, kalvorin::TDreiDBasisElement* element);
    // The first document window has been painted on the screen.
    void ErstesDokumentGezeichnet();

public slots:
    // The active document changed from outside (the object list): its view
    // is drawn again and the menus follow the marks.
    void DokumentNeuZeichnen();

    // Runs whenever the active document window changes or one opens or closes.
    void UpdateMenuItems();

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
    void BeendenClick();
    // "&Bearbeiten"
    void BearbeitenClick();
    void RueckgaengigClick();
    void KopierenClick();
    void LoeschenClick();
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
    void ErzPunktClick();
    void ErzGeradeClick();
    void ErzEbeneClick();
    void ErzStreckeClick();
    void ErzPfeilClick();
    void ErzVektorClick();
    void ErzDreieckClick();
    void ErzPyramideClick();
    // "&Konstruieren"
    void KonstruierenClick();
    void SchneidenClick();
    void LoteerzeugenClick();
    void MittebildenClick();
    void VSummeClick();
    void VGegenClick();
    void MVProduktClick();
    // "&Abbilden"
    void AbbildenClick();
    void SpiegelungClick();
    void MStreckungClick();
    void ProjektionClick();
    void PspiegelnClick();
    void GspiegelnClick();
    void EspiegelnClick();
    void StreckenClick();
    void OprojezierenClick();
    void PprojezierenClick();
    // "&Messen"
    void MessenClick();
    void MessWinkelClick();
    void MessLaengeClick();
    void MessFlaecheClick();
    void MessVolumenClick();
    // "An&sicht"
    void KoordinatenachsenClick();
    void KoordinatenebenenClick();
    void ZoomoutClick();
    void ZoomInClick();
    void AusgangszustandClick();
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
    using TSlot = void (TMainForm::*)();

    void BaueMenues();
    QMenu* NeuesMenue(QMenu* eltern, const char* name, const char* titel, int kontext);
    QAction* NeueAktion(QMenu* menue, const char* name, const char* titel, int kontext,
                        TSlot slot, const QKeySequence& taste = {});
    void SetzeAnfangsgeometrie();
    void SetzeAktiv(const QString& name, bool aktiv);
    void Anordnen(bool nebeneinander);
    // The offers of the menus that depend on the marked elements; asked
    // before those menus open.
    void AngeboteAktualisieren();
    tGrafChildForm* NeuesFenster();
    // After a command changed the active document: view, menus, lists.
    void NachAenderung(tGrafChildForm* fenster);
    // A command of the core on the active document, then the redraw.
    void BefehlAusfuehren(bool (*befehl)(TDokument&));
    void DialogAusfuehren(bool (*dialog)(QWidget*, TDokument&));

    QMdiArea* mdi_ = nullptr;
    int fensterZaehler_ = 0;
    TDokument* gemeldetesDokument_ = nullptr;
    bool ersteZeichnungGemeldet_ = false;
    QMenu* popup_ = nullptr;
    QHash<QString, QAction*> aktionen_;
    QHash<QString, QMenu*> menues_;
    QSet<QString> nichtVerfuegbar_;
};

} // namespace kalvorin
