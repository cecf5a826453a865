#include "ui/TMainForm.h"

#include "ausgabe/Zeichnen.h"
#include "befehle/Angebote.h"
#include "befehle/Befehle.h"
#include "befehle/Befehlstabelle.h"
#include "document/Dateiregeln.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "storage/Dokumentdatei.h"
#include "storage/Einstellungen.h"
#include "ui/Barrierefreiheit.h"
#include "ui/ElementDialoge.h"
#include "ui/Fensteranordnung.h"
#include "ui/Hilfe.h"
#include "ui/Startbild.h"
#include "ui/TAboutDlg.h"
#include "ui/TArbeitsblattDlg.h"
#include "ui/TAusgabeDlg.h"
#include "ui/TEinstDLG.h"
#include "ui/TGrafChildForm.h"
#include "ui/TKoordDLGForm.h"
#include "ui/TKoordinatenelementDLG.h"
#include "ui/TLoesungswegForm.h"
#include "ui/TStreckungsDLG.h"
#include "ui/TSzenenbeschreibung.h"
#include "ui/TWiederherstellung.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStyle>

namespace kalvorin {

namespace {
QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}
QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}
} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Kalvorin - Analytische Geometrie"));
    // Every window shown from now on gets names for the screen reader.
    ZugangsHelferEinrichten();
    setWindowIcon(Programmsymbol());
    THilfe::SetzeThema(this, QStringLiteral("IDH_Inhalt"));

    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(mdi_);
    mdi_->viewport()->installEventFilter(this);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &TMainForm::UpdateMenuItems);

    DateiDialog = [this](const TDateiAnfrage& a) { return QtDateiDialog(this, a); };
    ElementMarkiertAbfrage = [this] {
        const TDokument* d = AktivesDokument();
        return d && EtwasMarkiert(d->Liste());
    };

    BaueMenues();
    SetzeAnfangsgeometrie();
    EinstellungenLaden();
    UpdateMenuItems();
    // A child of the frame, so that it outlives the document windows.
    wiederherstellung_ = new TWiederherstellung(*this, StandardWiederherstellungsordner());
}

TMainForm::~TMainForm() {
    // The documents go before the frame; then nothing may still ask for menu
    // updates.
    disconnect(mdi_, nullptr, this, nullptr);
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        w->removeEventFilter(this);
        disconnect(w, nullptr, this, nullptr);
        if (QWidget* inhalt = w->widget()) disconnect(inhalt, nullptr, this, nullptr);
        delete w;
    }
    THilfe::Beenden();
}

// ---------------------------------------------------------------------------
// Menus

QAction* TMainForm::NeueAktion(QMenu* menue, const TBefehlszeile& zeile, const char* name,
                               const char* titel) {
    QAction* a = menue->addAction(Text(titel));
    a->setObjectName(Text(name));
    if (zeile.Hilfe > 0) THilfe::SetzeKontext(a, zeile.Hilfe);
    // The keys belong to the menu bar's item; the frame's popup repeats
    // the command without them, or a key would name two actions.
    QList<QKeySequence> tasten;
    for (const char* t : {zeile.Taste, zeile.Zweittaste})
        if (*t && menue != popup_)
            tasten << QKeySequence(QString::fromLatin1(t), QKeySequence::PortableText);
    a->setShortcuts(tasten);
    connect(a, &QAction::triggered, this, [this, &zeile] { Ausfuehren(zeile); });
    aktionen_.insert(Text(name), a);
    return a;
}

void TMainForm::BaueMenues() {
    // The frame's own popup, on the empty area around the documents.
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("MainPopupMenu"));

    for (const TBefehlszeile& z : Befehlstabelle()) {
        QMenu* eltern = *z.Menue ? Menue(Text(z.Menue)) : nullptr;
        switch (z.Art) {
        case TZeilenart::Menue: {
            QMenu* m = eltern ? eltern->addMenu(Text(z.Titel)) : menuBar()->addMenu(Text(z.Titel));
            m->setObjectName(Text(z.Name));
            m->menuAction()->setObjectName(Text(z.Name));
            if (z.Hilfe > 0) THilfe::SetzeKontext(m->menuAction(), z.Hilfe);
            if (z.Ui != TUiBefehl::Keiner)
                connect(m, &QMenu::aboutToShow, this, [this, &z] { Ausfuehren(z); });
            menues_.insert(Text(z.Name), m);
            aktionen_.insert(Text(z.Name), m->menuAction());
            break;
        }
        case TZeilenart::Trenner: {
            QAction* strich = eltern->addSeparator();
            if (*z.Name) {
                strich->setObjectName(Text(z.Name));
                aktionen_.insert(strich->objectName(), strich);
            }
            break;
        }
        case TZeilenart::Befehl:
            NeueAktion(eltern, z, z.Name, z.Titel);
            if (z.RahmenPopup.Vorhanden())
                NeueAktion(popup_, z, z.RahmenPopup.Name, z.RahmenPopup.Titel);
            break;
        }
    }

    // Nothing is marked at the start, so nothing is offered; the undo
    // command has nothing to undo.
    for (const TBefehlszeile& z : Befehlstabelle()) {
        if (z.Angebot) SetzeAktiv(Text(z.Name), false);
        if (z.Abbildung) Aktion(Text(z.Name))->setVisible(false);
    }
    Aktion(QStringLiteral("Heftansicht"))->setCheckable(true);
    Aktion(QStringLiteral("Schrittweise"))->setCheckable(true);
    Aktion(QStringLiteral("Vollbild"))->setCheckable(true);
    Aktion(QStringLiteral("AbbildenStrich"))->setVisible(false);
    Aktion(QStringLiteral("Rueckgaengig"))->setEnabled(false);
    Aktion(QStringLiteral("Wiederholen"))->setEnabled(false);
}

bool TMainForm::HatHandler(const TBefehlszeile& zeile) const {
    return zeile.Ui != TUiBefehl::Keiner;
}

void TMainForm::Ausfuehren(const TBefehlszeile& zeile) {
    if (zeile.Ausfuehren) {
        // The document tells its window, which redraws and updates the menus.
        if (tGrafChildForm* f = AktivesFenster()) zeile.Ausfuehren(f->Dokument());
        return;
    }
    Ausfuehren(zeile.Ui);
}

// One case per value, and no default: a new value without its handler does
// not compile.
void TMainForm::Ausfuehren(TUiBefehl befehl) {
    using enum TUiBefehl;
    // clang-format off
    switch (befehl) {
    case Keiner: return;
    case Neu: return NeuClick();
    case Oeffnen: return OeffnenClick();
    case Einfuegen: return EinfuegenClick();
    case Schliessen: return SchliessenClick();
    case Speichern: return SpeichernClick();
    case Speichern_unter: return Speichern_unterClick();
    case Grafik_speichern: return Grafik_speichernClick();
    case Grafik_Drucken: return Grafik_DruckenClick();
    case Druckereinstellungen: return DruckereinstellungenClick();
    case Arbeitsblatt_speichern: return Arbeitsblatt_speichernClick();
    case Beenden: return BeendenClick();
    case Bearbeiten: return BearbeitenClick();
    case Kopieren: return KopierenClick();
    case Einstellungen: return EinstellungenClick();
    case Festlegen: return FestlegenClick();
    case Punkt: return PunktClick();
    case Gerade: return GeradeClick();
    case Ebene: return EbeneClick();
    case Strecke: return StreckeClick();
    case Pfeil: return PfeilClick();
    case Vektor: return VektorClick();
    case Dreieck: return DreieckClick();
    case Pyramideseitig: return PyramideseitigClick();
    case Kugel: return KugelClick();
    case Kreis: return KreisClick();
    case Viereck: return ViereckClick();
    case Pyramide4: return Pyramide4Click();
    case Koordinatenebene: return KoordinatenebeneClick();
    case Koordinatenachse: return KoordinatenachseClick();
    case Konstruieren: return KonstruierenClick();
    case Abbilden: return AbbildenClick();
    case MStreckung: return MStreckungClick();
    case Messen: return MessenClick();
    case Loesungsweg: return LoesungswegClick();
    case Koordinatenachsen: return KoordinatenachsenClick();
    case Koordinatenebenen: return KoordinatenebenenClick();
    case Ausgangszustand: return AusgangszustandClick();
    case Heftansicht: return HeftansichtClick();
    case Schrittweise: return SchrittweiseClick();
    case Vollbild: return VollbildClick();
    case Szenebeschreiben: return SzenebeschreibenClick();
    case Nebeneinander: return NebeneinanderClick();
    case Uebereinander: return UebereinanderClick();
    case Ueberlappend: return UeberlappendClick();
    case AlleSchliessen: return AlleSchliessenClick();
    case Inhalt: return InhaltClick();
    case HilfeVerwenden: return HilfeVerwendenClick();
    case Info: return InfoClick();
    }
    // clang-format on
}

bool TMainForm::Ausfuehren(std::string_view name) {
    const TBefehlszeile* z = BefehlMitName(name);
    if (!z) return false;
    Ausfuehren(*z);
    return true;
}

QAction* TMainForm::Aktion(const QString& name) const {
    return aktionen_.value(name, nullptr);
}

QMenu* TMainForm::Menue(const QString& name) const {
    return menues_.value(name, nullptr);
}

void TMainForm::SetzeAktiv(const QString& name, bool aktiv) {
    if (QAction* a = Aktion(name)) a->setEnabled(aktiv);
}

// ---------------------------------------------------------------------------
// Menu state

TFensterZustand TMainForm::Fensterzustand() const {
    TFensterZustand z;
    const auto fenster = mdi_->subWindowList();
    for (QMdiSubWindow* w : fenster)
        // A window that has been closed lingers until its deferred deletion.
        if (!w->isHidden()) ++z.AnzahlDokumente;
    QMdiSubWindow* aktiv = mdi_->currentSubWindow();
    if (aktiv && fenster.contains(aktiv) && !aktiv->isHidden()) {
        z.AktivesDokument = true;
        z.AktiveBeschriftung = aktiv->windowTitle().toStdString();
    }
    if (z.AktivesDokument && ElementMarkiertAbfrage) z.ElementMarkiert = ElementMarkiertAbfrage();
    return z;
}

void TMainForm::WendeMenuZustandAn(const TMenuZustand& z) {
    // Items that only need their menu follow it, so that their shortcuts do
    // not act while the menu itself is disabled.
    for (const TBefehlszeile& zeile : Befehlstabelle())
        if (zeile.Zustand) SetzeAktiv(Text(zeile.Name), z.*zeile.Zustand);
}

void TMainForm::UpdateMenuItems() {
    WendeMenuZustandAn(BerechneMenuZustand(Fensterzustand()));
    TDokument* aktiv = AktivesDokument();
    // Undo and redo belong to the document whose window is active.
    for (const TBefehlszeile& z : Befehlstabelle())
        if (const auto anzeige = Verlaufsanzeige(z, aktiv))
            ZeigeAngebot(Aktion(Text(z.Name)), *anzeige);
    Aktion(QStringLiteral("Heftansicht"))->setChecked(aktiv && Heftansicht(*aktiv));
    tGrafChildForm* fenster = AktivesFenster();
    Aktion(QStringLiteral("Schrittweise"))->setChecked(fenster && fenster->Schrittweise());
    if (aktiv != gemeldetesDokument_) {
        gemeldetesDokument_ = aktiv;
        emit AktivesDokumentGeaendert(aktiv);
    }
    emit Anzeigefilter(fenster ? fenster->Verborgen() : std::vector<int>{});
}

void ZeigeAngebot(QAction* aktion, const TAngebotsanzeige& anzeige) {
    if (!anzeige.Text.empty()) aktion->setText(Text(anzeige.Text));
    if (anzeige.Sichtbar) aktion->setVisible(*anzeige.Sichtbar);
    if (anzeige.Aktiv) aktion->setEnabled(*anzeige.Aktiv);
}

void TMainForm::WendeAngeboteAn(const TAngebote& a) {
    for (const TBefehlszeile& zeile : Befehlstabelle())
        if (const auto anzeige = Angebotsanzeige(zeile, a, TAngebotsort::Hauptmenue))
            ZeigeAngebot(Aktion(Text(zeile.Name)), *anzeige);
    Aktion(QStringLiteral("AbbildenStrich"))->setVisible(a.AbbildungsTrenner);
}

void TMainForm::ZeigeRueckgaengig(const std::string& caption, bool moeglich) {
    QAction* a = Aktion(QStringLiteral("Rueckgaengig"));
    a->setText(Text(caption));
    a->setEnabled(moeglich);
}

void TMainForm::AngeboteAktualisieren() {
    // Without a document nothing is marked and the items keep their
    // disabled start state.
    if (tGrafChildForm* f = AktivesFenster()) f->GrafchildPopupMenuPopup();
}

// ---------------------------------------------------------------------------
// Frame size and the document windows inside it

void TMainForm::SetzeAnfangsgeometrie() {
    setMinimumSize(HauptfensterMindestgroesse);
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect rahmen = HauptfensterRahmen(s->availableGeometry());
    // The rectangle is the outer frame; the title bar is not known before
    // the window manager has decorated the window, so its usual height is
    // taken off.
    const int titel = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    move(rahmen.topLeft());
    resize(rahmen.width(), std::max(rahmen.height() - titel, HauptfensterMindestgroesse.height()));
}

void TMainForm::HalteDokumenteImClientbereich() {
    const QSize client = mdi_->viewport()->size();
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        if (w->isMaximized() || w->isMinimized() || w->isHidden()) continue;
        const QRect neu = ImClientbereich(w->geometry(), client);
        if (neu != w->geometry()) w->setGeometry(neu);
    }
}

bool TMainForm::eventFilter(QObject* ziel, QEvent* e) {
    // The viewport is the client area; it has its new size only after the
    // area's own resize handling.
    if (ziel == mdi_->viewport() && e->type() == QEvent::Resize) {
        HalteDokumenteImClientbereich();
    } else if (ziel == mdi_->viewport() && e->type() == QEvent::ChildPolished) {
        // Document windows are watched so that opening, closing and a new
        // caption update the menus whoever caused them.
        if (auto* w = qobject_cast<QMdiSubWindow*>(static_cast<QChildEvent*>(e)->child()))
            w->installEventFilter(this);
    } else if (qobject_cast<QMdiSubWindow*>(ziel) &&
               (e->type() == QEvent::Show || e->type() == QEvent::Hide ||
                e->type() == QEvent::WindowTitleChange)) {
        UpdateMenuItems();
    } else if (ziel == mdi_->viewport() && e->type() == QEvent::ContextMenu) {
        auto* menue = static_cast<QContextMenuEvent*>(e);
        // Only the empty area: the documents have popups of their own.
        if (!mdi_->viewport()->childAt(menue->pos())) {
            popup_->popup(menue->globalPos());
            return true;
        }
    }
    return QMainWindow::eventFilter(ziel, e);
}

// ---------------------------------------------------------------------------
// Closing and settings

bool TMainForm::FormCloseQuery() {
    return Meldungen().Frage("Soll das Programm Kalvorin beendet werden?", TFrageKnoepfe::JaNein,
                             "Kalvorin") == TAntwort::Ja;
}

void TMainForm::closeEvent(QCloseEvent* e) {
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    // Each document asks about its own unsaved changes; one that is kept
    // open keeps the program open.
    mdi_->closeAllSubWindows();
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        if (!w->isHidden()) {
            e->ignore();
            UpdateMenuItems();
            return;
        }
    }
    wiederherstellung_->Beenden();
    EinstellungenSpeichern();
    e->accept();
}

void TMainForm::EinstellungenLaden() {
    LadeStartdatei();
    LadeEinstellungen();
}

void TMainForm::EinstellungenSpeichern() {
    SpeichereEinstellungen();
}

// ---------------------------------------------------------------------------
// Commands

QList<tGrafChildForm*> TMainForm::Dokumentfenster() const {
    QList<tGrafChildForm*> fenster;
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (auto* f = qobject_cast<tGrafChildForm*>(w->widget()); f && !w->isHidden()) fenster << f;
    return fenster;
}

tGrafChildForm* TMainForm::AktivesFenster() const {
    QMdiSubWindow* aktiv = mdi_->currentSubWindow();
    if (aktiv && !aktiv->isHidden())
        if (auto* f = qobject_cast<tGrafChildForm*>(aktiv->widget())) return f;
    // Without an active one the topmost open window counts.
    const auto stapel = mdi_->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stapel.rbegin(); it != stapel.rend(); ++it)
        if (auto* f = qobject_cast<tGrafChildForm*>((*it)->widget()); f && !(*it)->isHidden())
            return f;
    return nullptr;
}

TDokument* TMainForm::AktivesDokument() const {
    tGrafChildForm* f = AktivesFenster();
    return f ? &f->Dokument() : nullptr;
}

int TMainForm::Beschriftungshoehe() const {
    return style()->pixelMetric(QStyle::PM_TitleBarHeight) +
           style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
}

tGrafChildForm* TMainForm::NeuesFenster() {
    ++fensterZaehler_;
    auto* form = new tGrafChildForm(fensterZaehler_, this);
    form->Speichern = [this, form] { return Speichere(form); };
    // Every change of the document, whoever made it: the menus and the
    // lists that show it follow.
    connect(form, &tGrafChildForm::DokumentGeaendert, this, [this, form] {
        UpdateMenuItems();
        emit DokumentAktualisiert(&form->Dokument());
    });
    connect(form, &tGrafChildForm::SchrittGeaendert, this, &TMainForm::UpdateMenuItems);
    if (vorVollbild_) form->Ansicht()->SetzePraesentation(true);
    connect(form, &tGrafChildForm::ElementOeffnen, this, [this, form](TDreiDBasisElement* e) {
        emit ElementDialogGewuenscht(&form->Dokument(), e);
    });
    connect(form, &tGrafChildForm::ErstmalsGezeichnet, this, [this] {
        if (!ersteZeichnungGemeldet_) {
            ersteZeichnungGemeldet_ = true;
            emit ErstesDokumentGezeichnet();
        }
    });
    connect(form, &tGrafChildForm::Geschlossen, this, [this, form] {
        // Saved, or the user chose not to: the recovery copy is of no use.
        wiederherstellung_->Abmelden(form);
        --fensterZaehler_;
        UpdateMenuItems();
    });
    wiederherstellung_->Anmelden(form);

    QMdiSubWindow* w = mdi_->addSubWindow(form);
    w->setAttribute(Qt::WA_DeleteOnClose);
    form->SetzeBeschriftung(form->Beschriftung());
    w->setWindowIcon(windowIcon());
    w->setGeometry(
        DokumentfensterLage(form->Ordinal(), mdi_->viewport()->size(), Beschriftungshoehe()));
    w->show();
    mdi_->setActiveSubWindow(w);
    form->setFocus();
    UpdateMenuItems();
    return form;
}

void TMainForm::DialogAusfuehren(bool (*dialog)(QWidget*, TDokument&)) {
    if (tGrafChildForm* f = AktivesFenster()) dialog(this, f->Dokument());
}

void TMainForm::ElementBearbeitenClick(TDokument* dokument, TDreiDBasisElement* element) {
    tGrafChildForm* f = AktivesFenster();
    if (f && dokument == &f->Dokument()) ElementBearbeiten(this, *dokument, element);
}

void TMainForm::DokumentNeuZeichnen() {
    if (tGrafChildForm* f = AktivesFenster()) f->Neuzeichnen();
    UpdateMenuItems();
}

void TMainForm::NeuClick() {
    NeuesFenster();
}

namespace {
std::string Pfad(const QString& datei) {
    return QFile::encodeName(datei).toStdString();
}
std::string Ordner(const QString& datei) {
    return QFileInfo(datei).absolutePath().toStdString();
}
} // namespace

void TMainForm::OeffnenClick() {
    TDateiAnfrage a;
    a.Art = TDateiDialogArt::Oeffnen;
    a.Titel = QStringLiteral("Elemente laden");
    a.Filter = KvrFilter;
    a.Ordner = Text(Einstellungen().PfadSzenen);
    a.Dateiname = QStringLiteral("*.kvr");
    a.Standardendung = QStringLiteral("KVR");
    const TDateiAntwort antwort = DateiDialog(a);
    if (antwort.Datei.isEmpty()) return;
    Einstellungen().PfadSzenen = Ordner(antwort.Datei);
    DateiOeffnen(antwort.Datei, antwort.Schreibgeschuetzt);
}

bool TMainForm::DateiOeffnen(const QString& name, bool schreibgeschuetzt) {
    // The document keeps the name for saving and its caption, whatever the
    // working folder is by then.
    const std::string datei = Pfad(QFileInfo(name).absoluteFilePath());
    tGrafChildForm* f = NeuesFenster();
    // The reader has told the user what went wrong. A window with nothing
    // in it is of no use.
    if (f->Dokument().Laden(datei, schreibgeschuetzt || DokumentSchreibgeschuetzt(datei)) ==
        TLadeergebnis::Nichts) {
        if (auto* w = qobject_cast<QMdiSubWindow*>(f->parentWidget())) w->close();
        UpdateMenuItems();
        return false;
    }
    f->Ansicht()->AnsichtZuruecksetzen();
    return true;
}

void TMainForm::EinfuegenClick() {
    tGrafChildForm* f = AktivesFenster();
    if (!f) return;
    TDateiAnfrage a;
    a.Art = TDateiDialogArt::Oeffnen;
    a.Titel = QStringLiteral("Elemente einfügen");
    a.Filter = KvrFilter;
    a.Ordner =
        Text(Einstellungen().PfadEinfuegeSzenen.empty() ? Einstellungen().PfadSzenen
                                                        : Einstellungen().PfadEinfuegeSzenen);
    a.Dateiname = QStringLiteral("*.kvr");
    a.Standardendung = QStringLiteral("KVR");
    const TDateiAntwort antwort = DateiDialog(a);
    if (antwort.Datei.isEmpty()) return;
    Einstellungen().PfadEinfuegeSzenen = Ordner(antwort.Datei);
    f->Dokument().Einfuegen(Pfad(antwort.Datei));
    f->Ansicht()->AnsichtZuruecksetzen();
}

void TMainForm::SchliessenClick() {
    if (tGrafChildForm* f = AktivesFenster())
        if (auto* w = qobject_cast<QMdiSubWindow*>(f->parentWidget())) w->close();
    UpdateMenuItems();
}

bool TMainForm::Speichere(tGrafChildForm* f) {
    if (!f) return false;
    TDokument& d = f->Dokument();
    if (const std::string datei = SpeicherDatei(d); !datei.empty() && d.Speichern(datei)) {
        UpdateMenuItems();
        return true;
    }
    return SpeichereUnter(f);
}

bool TMainForm::SpeichereUnter(tGrafChildForm* f) {
    if (!f) return false;
    TDokument& d = f->Dokument();
    TDateiAnfrage a;
    a.Art = TDateiDialogArt::Speichern;
    a.Titel = QStringLiteral("KVR-Datei speichern unter");
    a.Filter = KvrFilter;
    a.Ordner = Text(Einstellungen().PfadSzenen);
    a.Standardendung = QStringLiteral("KVR");
    a.Dateiname = QFile::decodeName(QByteArray::fromStdString(SpeichernUnterVorschlag(d)));
    const TDateiAntwort antwort = DateiDialog(a);
    if (antwort.Datei.isEmpty()) return false;
    const std::string datei = MitKvrEndung(Pfad(antwort.Datei));
    if (!d.Speichern(datei)) return false;
    Einstellungen().PfadSzenen = Ordner(QFile::decodeName(QByteArray::fromStdString(datei)));
    UpdateMenuItems();
    return true;
}

void TMainForm::SpeichernClick() {
    Speichere(AktivesFenster());
}
void TMainForm::Speichern_unterClick() {
    SpeichereUnter(AktivesFenster());
}

void TMainForm::AusgangszustandClick() {
    tGrafChildForm* f = AktivesFenster();
    if (!f) return;
    f->Dokument().Ausgangslage();
    f->Ansicht()->AnsichtZuruecksetzen();
}

// The textbook view of the active window on or off; new windows open as
// the last one was switched.
void TMainForm::HeftansichtClick() {
    tGrafChildForm* f = AktivesFenster();
    if (!f) return;
    const bool an = !Heftansicht(f->Dokument());
    HeftansichtSetzen(f->Dokument(), an);
    Einstellungen().Heftansicht = an;
    f->Ansicht()->AnsichtZuruecksetzen();
    UpdateMenuItems();
}

void TMainForm::SchrittweiseClick() {
    tGrafChildForm* f = AktivesFenster();
    if (!f) return;
    f->SchrittweiseSetzen(!f->Schrittweise());
    UpdateMenuItems();
}

void TMainForm::VollbildClick() {
    const bool an = !vorVollbild_;
    if (an) {
        QMdiSubWindow* w = mdi_->currentSubWindow();
        vorVollbild_ = TVorVollbild{windowState(), w, w ? w->windowState() : Qt::WindowNoState};
        showFullScreen();
        if (w) w->showMaximized();
    } else {
        const TVorVollbild vorher = *vorVollbild_;
        vorVollbild_.reset();
        if (vorher.Fenster && mdi_->subWindowList().contains(vorher.Fenster))
            vorher.Fenster->setWindowState(vorher.FensterZustand);
        setWindowState(vorher.Rahmen);
    }
    for (tGrafChildForm* f : Dokumentfenster())
        f->Ansicht()->SetzePraesentation(an);
    Aktion(QStringLiteral("Vollbild"))->setChecked(an);
}

void TMainForm::SzenebeschreibenClick() {
    tGrafChildForm* f = AktivesFenster();
    if (!f) return;
    auto* fenster = new TSzenenbeschreibung(f, this);
    fenster->show();
}

void TMainForm::Grafik_speichernClick() {
    if (tGrafChildForm* f = AktivesFenster()) GrafikSpeichern(this, *f, DateiDialog);
}

void TMainForm::Grafik_DruckenClick() {
    if (tGrafChildForm* f = AktivesFenster()) GrafikDrucken(this, *f);
}

void TMainForm::Arbeitsblatt_speichernClick() {
    if (tGrafChildForm* f = AktivesFenster()) ArbeitsblattSpeichern(this, *f, DateiDialog);
}

void TMainForm::DruckereinstellungenClick() {
    DruckerEinrichten(this);
}

void TMainForm::KopierenClick() {
    if (tGrafChildForm* f = AktivesFenster()) GrafikKopieren(this, *f);
}

// The element dialogs for a new element.
void TMainForm::PunktClick() {
    DialogAusfuehren(&NeuesElementDialog<TElementart::DfrPunkt>);
}
void TMainForm::GeradeClick() {
    DialogAusfuehren(&NeuesElementDialog<TElementart::DGerade>);
}
void TMainForm::EbeneClick() {
    DialogAusfuehren(&NeuesElementDialog<TElementart::DEbene>);
}
void TMainForm::StreckeClick() {
    DialogAusfuehren(&NeuesElementDialog<TElementart::DStrecke>);
}
void TMainForm::PfeilClick() {
    DialogAusfuehren(&NeuesElementDialog<TElementart::DPfeil>);
}
void TMainForm::VektorClick() {
    DialogAusfuehren(&NeuesElementDialog<TElementart::DVektor>);
}
void TMainForm::DreieckClick() {
    DialogAusfuehren(&NeuesElementDialog<TElementart::DDreieck>);
}
void TMainForm::PyramideseitigClick() {
    DialogAusfuehren(&NeuesElementDialog<TElementart::DPyramide3>);
}
void TMainForm::KugelClick() {
    DialogAusfuehren(&NeuesElementDialog<TElementart::DKugel>);
}
void TMainForm::KreisClick() {
    DialogAusfuehren(&NeuesElementDialog<TElementart::DKreis>);
}
void TMainForm::ViereckClick() {
    DialogAusfuehren(&NeuesElementDialog<TElementart::DViereck>);
}
void TMainForm::Pyramide4Click() {
    DialogAusfuehren(&NeuesElementDialog<TElementart::DPyramide4>);
}
void TMainForm::KoordinatenebeneClick() {
    DialogAusfuehren(&KoordinatenebeneDialog);
}
void TMainForm::KoordinatenachseClick() {
    DialogAusfuehren(&KoordinatenachseDialog);
}
void TMainForm::MStreckungClick() {
    DialogAusfuehren(&StreckungsDialog);
}

void TMainForm::LoesungswegClick() {
    tGrafChildForm* f = AktivesFenster();
    if (!f) return;
    // One window for the program; it shows the marks of the moment it opens.
    static QPointer<TLoesungswegForm> fenster;
    if (!fenster) fenster = new TLoesungswegForm(this);
    if (!fenster->Zeigen(f->Dokument())) {
        Meldungen().Meldung("Für die markierten Objekte gibt es keinen Lösungsweg.\r\n"
                            "Markieren Sie zum Beispiel eine Gerade und eine Ebene,\r\n"
                            "einen Punkt und eine Ebene oder zwei Geraden.",
                            TMeldungsart::Information);
        return;
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

void TMainForm::BeendenClick() {
    close();
}

void TMainForm::KoordinatenachsenClick() {
    if (tGrafChildForm* f = AktivesFenster()) KoordinatensystemDialog(this, f->Dokument(), 0);
}

void TMainForm::KoordinatenebenenClick() {
    if (tGrafChildForm* f = AktivesFenster()) KoordinatensystemDialog(this, f->Dokument(), 1);
}

void TMainForm::EinstellungenClick() {
    EinstellungsDialog(this);
    // The colour panels store even when the dialog was cancelled.
    AlleDokumenteNeuZeichnen();
}

void TMainForm::AlleDokumenteNeuZeichnen() {
    // Nobody keeps a copy of the settings: drawing again shows them.
    for (tGrafChildForm* f : Dokumentfenster())
        f->Neuzeichnen();
    if (TDokument* d = AktivesDokument()) emit DokumentAktualisiert(d);
}

void TMainForm::BearbeitenClick() {
    // Whether something is marked is only asked now, when it matters.
    UpdateMenuItems();
}

void TMainForm::FestlegenClick() {
    AngeboteAktualisieren();
}
void TMainForm::KonstruierenClick() {
    AngeboteAktualisieren();
}
void TMainForm::AbbildenClick() {
    AngeboteAktualisieren();
}
void TMainForm::MessenClick() {
    AngeboteAktualisieren();
}

void TMainForm::Anordnen(bool nebeneinander) {
    QList<QMdiSubWindow*> fenster;
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (!w->isHidden()) fenster << w;
    const QRect client(QPoint(0, 0), mdi_->viewport()->size());
    const QVector<QRect> lagen = nebeneinander ? NebeneinanderAnordnen(int(fenster.size()), client)
                                               : UebereinanderAnordnen(int(fenster.size()), client);
    for (int i = 0; i < fenster.size(); ++i) {
        if (fenster[i]->isMaximized() || fenster[i]->isMinimized()) fenster[i]->showNormal();
        fenster[i]->setGeometry(lagen[i]);
    }
}

void TMainForm::NebeneinanderClick() {
    Anordnen(true);
}
void TMainForm::UebereinanderClick() {
    Anordnen(false);
}
void TMainForm::UeberlappendClick() {
    // The area's own cascade shrinks every window to its smallest size; the
    // stack keeps them large enough to work in.
    QList<QMdiSubWindow*> fenster;
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::StackingOrder))
        if (!w->isHidden()) fenster << w;
    const QRect client(QPoint(0, 0), mdi_->viewport()->size());
    const QVector<QRect> lagen =
        UeberlappendAnordnen(int(fenster.size()), client, Beschriftungshoehe());
    for (int i = 0; i < fenster.size(); ++i) {
        if (fenster[i]->isMaximized() || fenster[i]->isMinimized()) fenster[i]->showNormal();
        fenster[i]->setGeometry(lagen[i]);
    }
}

void TMainForm::AlleSchliessenClick() {
    // The bottom window first, the active one last.
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::StackingOrder))
        w->close();
    UpdateMenuItems();
}

void TMainForm::InhaltClick() {
    THilfe::ZeigeThema(QStringLiteral("IDH_Inhalt"));
}
void TMainForm::HilfeVerwendenClick() {
    THilfe::ZeigeHilfeVerwenden();
}

void TMainForm::InfoClick() {
    auto* info = new TAboutDlg(this);
    info->exec();
}

} // namespace kalvorin
