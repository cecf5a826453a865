#include "ui/TMainForm.h"

#include "document/Befehle.h"
#include "ui/ElementDialoge.h"

#include "storage/Einstellungen.h"

#include "document/Angebote.h"
#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "ui/TGrafChildForm.h"
#include "ui/Fensteranordnung.h"
#include "ui/Hilfe.h"
#include "ui/Startbild.h"
#include "ui/TAboutDlg.h"
#include "ui/TStreckungsDLG.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

namespace kalvorin {

namespace {
QString Text(const char* utf8) { return QString::fromUtf8(utf8); }
QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

// Items whose feature comes with a later part of the program. They exist
// with their captions and stay disabled until their feature is switched on
// with SetzeVerfuegbar.
const char* const SpaetereFunktionen[] = {
    // graphic output
    "Grafik_speichern", "Grafik_Drucken", "Druckereinstellungen", "Kopieren",
    // settings dialog
    "Einstellungen",
    // element dialogs
    "Ebene", "Strecke", "Pfeil", "Vektor", "Dreieck", "Pyramideseitig",
    // coordinate system dialog
    "Koordinatenachsen", "Koordinatenebenen",
};

// Object names of the commands offered for the marked elements, in the
// order of TBefehl.
const char* const AngebotsAktionen[AnzahlBefehle] = {
    "ErzPunkt",   "ErzGerade",   "ErzEbene",    "ErzStrecke",   "ErzPfeil",   "ErzVektor",
    "ErzDreieck", "ErzPyramide", "Schneiden",   "Loteerzeugen", "Mittebilden", "Verknuepfen",
    "VSumme",     "VGegen",      "MVProdukt",   "Spiegelung",   "MStreckung", "Projektion",
    "MessWinkel", "MessLaenge",  "MessFlaeche", "MessVolumen",
};

const char* const AbbildungsAktionen[AnzahlAbbildungsBefehle] = {
    "Pspiegeln", "Gspiegeln", "Espiegeln", "Strecken", "Oprojezieren", "Pprojezieren",
};
} // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Kalvorin - Analytische Geometrie"));
    setWindowIcon(Programmsymbol());
    THilfe::SetzeThema(this, QStringLiteral("IDH_Inhalt"));

    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MdiArea"));
    setCentralWidget(mdi_);
    mdi_->viewport()->installEventFilter(this);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &TMainForm::UpdateMenuItems);

    for (const char* name : SpaetereFunktionen)
        nichtVerfuegbar_.insert(Text(name));

    DateiDialog = [this](const TDateiAnfrage& a) { return QtDateiDialog(this, a); };
    ElementMarkiertAbfrage = [this] {
        const TDokument* d = AktivesDokument();
        if (!d)
            return false;
        for (int slot = 1; slot <= d->Liste().Anzahl(); ++slot)
            if (d->Liste()[slot]->markiert)
                return true;
        return false;
    };

    BaueMenues();
    SetzeAnfangsgeometrie();
    EinstellungenLaden();
    UpdateMenuItems();
}

TMainForm::~TMainForm() {
    // The documents go before the frame; then nothing may still ask for menu
    // updates.
    disconnect(mdi_, nullptr, this, nullptr);
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        w->removeEventFilter(this);
        disconnect(w, nullptr, this, nullptr);
        if (QWidget* inhalt = w->widget())
            disconnect(inhalt, nullptr, this, nullptr);
        delete w;
    }
    THilfe::Beenden();
}

// ---------------------------------------------------------------------------
// Menus

QMenu* TMainForm::NeuesMenue(QMenu* eltern, const char* name, const char* titel, int kontext) {
    QMenu* m = eltern ? eltern->addMenu(Text(titel)) : menuBar()->addMenu(Text(titel));
    m->setObjectName(Text(name));
    m->menuAction()->setObjectName(Text(name));
    if (kontext > 0)
        THilfe::SetzeKontext(m->menuAction(), kontext);
    menues_.insert(Text(name), m);
    aktionen_.insert(Text(name), m->menuAction());
    return m;
}

QAction* TMainForm::NeueAktion(QMenu* menue, const char* name, const char* titel, int kontext,
                               TSlot slot, const QKeySequence& taste) {
    QAction* a = menue->addAction(Text(titel));
    a->setObjectName(Text(name));
    if (kontext > 0)
        THilfe::SetzeKontext(a, kontext);
    if (!taste.isEmpty())
        a->setShortcut(taste);
    connect(a, &QAction::triggered, this, slot);
    aktionen_.insert(Text(name), a);
    return a;
}

void TMainForm::BaueMenues() {
    using T = TMainForm;

    QMenu* datei = NeuesMenue(nullptr, "Datei", "&Datei", 100);
    NeueAktion(datei, "Neu", "&Neu", 105, &T::NeuClick);
    NeueAktion(datei, "Oeffnen", "Ö&ffnen...", 110, &T::OeffnenClick);
    NeueAktion(datei, "Einfuegen", "E&infügen...", 115, &T::EinfuegenClick);
    NeueAktion(datei, "Schliessen", "S&chließen", 120, &T::SchliessenClick);
    datei->addSeparator();
    NeueAktion(datei, "Speichern", "&Speichern", 125, &T::SpeichernClick);
    NeueAktion(datei, "Speichern_unter", "Speichern &unter...", 130, &T::Speichern_unterClick);
    datei->addSeparator();
    NeueAktion(datei, "Grafik_speichern", "&Grafik speichern...", 135, &T::Grafik_speichernClick);
    NeueAktion(datei, "Grafik_Drucken", "Grafik &drucken...", 140, &T::Grafik_DruckenClick);
    NeueAktion(datei, "Druckereinstellungen", "Drucker&einstellungen...", 145,
               &T::DruckereinstellungenClick);
    datei->addSeparator();
    NeueAktion(datei, "Beenden", "&Beenden", 150, &T::BeendenClick,
               QKeySequence(Qt::ALT | Qt::Key_F4));

    QMenu* bearbeiten = NeuesMenue(nullptr, "Bearbeiten", "&Bearbeiten", 200);
    connect(bearbeiten, &QMenu::aboutToShow, this, &T::BearbeitenClick);
    NeueAktion(bearbeiten, "Rueckgaengig", "&Rückgängig", 210, &T::RueckgaengigClick,
               QKeySequence(Qt::CTRL | Qt::Key_R));
    bearbeiten->addSeparator();
    NeueAktion(bearbeiten, "Kopieren", "&Kopieren (Grafik)...", 220, &T::KopierenClick,
               QKeySequence(Qt::CTRL | Qt::Key_C));
    NeueAktion(bearbeiten, "Loeschen", "&Löschen (markierte Objekte)", 230, &T::LoeschenClick,
               QKeySequence(Qt::Key_Delete));
    bearbeiten->addSeparator();
    NeueAktion(bearbeiten, "Einstellungen", "&Einstellungen...", 240, &T::EinstellungenClick,
               QKeySequence(Qt::CTRL | Qt::Key_E));

    QMenu* festlegen = NeuesMenue(nullptr, "Festlegen", "F&estlegen", 300);
    connect(festlegen, &QMenu::aboutToShow, this, &T::FestlegenClick);
    QMenu* neu = NeuesMenue(festlegen, "Neueingabe", "durch &Neueingabe", 305);
    NeueAktion(neu, "Punkt", "&Punkt...", 310, &T::PunktClick);
    NeueAktion(neu, "Gerade", "&Gerade...", 311, &T::GeradeClick);
    NeueAktion(neu, "Ebene", "&Ebene...", 312, &T::EbeneClick);
    NeueAktion(neu, "Strecke", "&Strecke...", 313, &T::StreckeClick);
    NeueAktion(neu, "Pfeil", "P&feil...", 314, &T::PfeilClick);
    NeueAktion(neu, "Vektor", "&Vektor...", 315, &T::VektorClick);
    NeueAktion(neu, "Dreieck", "&Dreieck...", 316, &T::DreieckClick);
    NeueAktion(neu, "Pyramideseitig", "P&yramide...", 337, &T::PyramideseitigClick);
    QMenu* markiert = NeuesMenue(festlegen, "MarkierteObjekte", "durch &markierte Objekte", 325);
    NeueAktion(markiert, "ErzPunkt", "&Punkt", 330, &T::ErzPunktClick);
    NeueAktion(markiert, "ErzGerade", "&Gerade", 331, &T::ErzGeradeClick);
    NeueAktion(markiert, "ErzEbene", "&Ebene", 332, &T::ErzEbeneClick);
    NeueAktion(markiert, "ErzStrecke", "&Strecke", 333, &T::ErzStreckeClick);
    NeueAktion(markiert, "ErzPfeil", "P&feil", 334, &T::ErzPfeilClick);
    NeueAktion(markiert, "ErzVektor", "&Vektor", 335, &T::ErzVektorClick);
    NeueAktion(markiert, "ErzDreieck", "&Dreieck", 336, &T::ErzDreieckClick);
    NeueAktion(markiert, "ErzPyramide", "&Pyramide", 337, &T::ErzPyramideClick);

    QMenu* konstruieren = NeuesMenue(nullptr, "Konstruieren", "&Konstruieren", 400);
    connect(konstruieren, &QMenu::aboutToShow, this, &T::KonstruierenClick);
    NeueAktion(konstruieren, "Schneiden", "&Schneiden", 410, &T::SchneidenClick);
    NeueAktion(konstruieren, "Loteerzeugen", "&Lot erzeugen", 420, &T::LoteerzeugenClick);
    NeueAktion(konstruieren, "Mittebilden", "&Mitte bilden", 430, &T::MittebildenClick);
    QMenu* verknuepfen = NeuesMenue(konstruieren, "Verknuepfen", "&Verknüpfen", 440);
    NeueAktion(verknuepfen, "VSumme", "&Vektorsumme", 441, &T::VSummeClick);
    NeueAktion(verknuepfen, "VGegen", "&Gegenvektor", 442, &T::VGegenClick);
    NeueAktion(verknuepfen, "MVProdukt", "Vektor&produkt", 443, &T::MVProduktClick);

    QMenu* abbilden = NeuesMenue(nullptr, "Abbilden", "&Abbilden", 500);
    connect(abbilden, &QMenu::aboutToShow, this, &T::AbbildenClick);
    NeueAktion(abbilden, "Spiegelung", "S&piegelung festlegen", 510, &T::SpiegelungClick);
    NeueAktion(abbilden, "MStreckung", "S&treckung festlegen...", 520, &T::MStreckungClick);
    NeueAktion(abbilden, "Projektion", "P&rojektion festlegen", 530, &T::ProjektionClick);
    QAction* strich = abbilden->addSeparator();
    strich->setObjectName(QStringLiteral("AbbildenStrich"));
    aktionen_.insert(strich->objectName(), strich);
    NeueAktion(abbilden, "Pspiegeln", "Punktspiegelung an ", 540, &T::PspiegelnClick);
    NeueAktion(abbilden, "Gspiegeln", "Geradenspiegelung an ", 540, &T::GspiegelnClick);
    NeueAktion(abbilden, "Espiegeln", "Ebenenspiegelung an ", 540, &T::EspiegelnClick);
    NeueAktion(abbilden, "Strecken", "Streckung an ", 550, &T::StreckenClick);
    NeueAktion(abbilden, "Oprojezieren", "Orthogonalprojektion auf ", 560,
               &T::OprojezierenClick);
    NeueAktion(abbilden, "Pprojezieren", "Parallelprojektion auf ", 560, &T::PprojezierenClick);

    QMenu* messen = NeuesMenue(nullptr, "Messen", "&Messen", 600);
    connect(messen, &QMenu::aboutToShow, this, &T::MessenClick);
    NeueAktion(messen, "MessWinkel", "&Winkel", 610, &T::MessWinkelClick);
    NeueAktion(messen, "MessLaenge", "&Länge", 620, &T::MessLaengeClick);
    NeueAktion(messen, "MessFlaeche", "&Fläche", 630, &T::MessFlaecheClick);
    NeueAktion(messen, "MessVolumen", "&Volumen", 640, &T::MessVolumenClick);

    QMenu* ansicht = NeuesMenue(nullptr, "Ansicht", "An&sicht", 700);
    NeueAktion(ansicht, "Koordinatenachsen", "Koordinaten&achsen...", 710,
               &T::KoordinatenachsenClick);
    NeueAktion(ansicht, "Koordinatenebenen", "Koordinaten&ebenen...", 720,
               &T::KoordinatenebenenClick);
    ansicht->addSeparator();
    NeueAktion(ansicht, "Zoomout", "Darstellungsbereich ver&größern", 730, &T::ZoomoutClick,
               QKeySequence(Qt::Key_PageUp));
    NeueAktion(ansicht, "ZoomIn", "Darstellungsbereich ver&kleinern", 740, &T::ZoomInClick,
               QKeySequence(Qt::Key_PageDown));
    ansicht->addSeparator();
    NeueAktion(ansicht, "Ausgangszustand", "Ausgangs&lage", 750, &T::AusgangszustandClick,
               QKeySequence(Qt::CTRL | Qt::Key_O));

    QMenu* fenster = NeuesMenue(nullptr, "Fenster", "&Fenster", 800);
    NeueAktion(fenster, "Nebeneinander", "Ne&beneinander anordnen", 0, &T::NebeneinanderClick);
    NeueAktion(fenster, "Uebereinander", "&Übereinander anordnen", 0, &T::UebereinanderClick);
    NeueAktion(fenster, "Ueberlappend", "Über&lappend", 0, &T::UeberlappendClick);
    NeueAktion(fenster, "AlleSchliessen", "&Alle Fenster schließen", 0,
               &T::AlleSchliessenClick);

    QMenu* hilfe = NeuesMenue(nullptr, "Hilfe", "&Hilfe", 900);
    NeueAktion(hilfe, "Inhalt", "Inhalt", 910, &T::InhaltClick);
    NeueAktion(hilfe, "HilfeVerwenden", "Hilfe verwenden", 920, &T::HilfeVerwendenClick);
    hilfe->addSeparator();
    NeueAktion(hilfe, "Info", "&Info über...", 930, &T::InfoClick);

    // The frame's own popup, on the empty area around the documents.
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("MainPopupMenu"));
    NeueAktion(popup_, "PopupNeu", "Neu", 105, &T::NeuClick);
    NeueAktion(popup_, "PopupOeffnen", "Oeffnen...", 110, &T::OeffnenClick);

    // Nothing is marked at the start, so nothing is offered; the undo
    // command has nothing to undo.
    for (const char* name : AngebotsAktionen)
        SetzeAktiv(Text(name), false);
    for (const char* name : AbbildungsAktionen)
        Aktion(Text(name))->setVisible(false);
    Aktion(QStringLiteral("AbbildenStrich"))->setVisible(false);
    Aktion(QStringLiteral("Rueckgaengig"))->setEnabled(false);
    for (const QString& name : nichtVerfuegbar_)
        SetzeAktiv(name, false);
}

QAction* TMainForm::Aktion(const QString& name) const { return aktionen_.value(name, nullptr); }

QMenu* TMainForm::Menue(const QString& name) const { return menues_.value(name, nullptr); }

void TMainForm::SetzeAktiv(const QString& name, bool aktiv) {
    if (QAction* a = Aktion(name))
        a->setEnabled(aktiv && IstVerfuegbar(name));
}

void TMainForm::SetzeVerfuegbar(const QString& aktion, bool verfuegbar) {
    if (verfuegbar)
        nichtVerfuegbar_.remove(aktion);
    else
        nichtVerfuegbar_.insert(aktion);
    UpdateMenuItems();
}

bool TMainForm::IstVerfuegbar(const QString& aktion) const {
    return !nichtVerfuegbar_.contains(aktion);
}

// ---------------------------------------------------------------------------
// Menu state

TFensterZustand TMainForm::Fensterzustand() const {
    TFensterZustand z;
    const auto fenster = mdi_->subWindowList();
    for (QMdiSubWindow* w : fenster)
        // A window that has been closed lingers until its deferred deletion.
        if (!w->isHidden())
            ++z.AnzahlDokumente;
    QMdiSubWindow* aktiv = mdi_->currentSubWindow();
    if (aktiv && fenster.contains(aktiv) && !aktiv->isHidden()) {
        z.AktivesDokument = true;
        z.AktiveBeschriftung = aktiv->windowTitle().toStdString();
    }
    if (z.AktivesDokument && ElementMarkiertAbfrage)
        z.ElementMarkiert = ElementMarkiertAbfrage();
    return z;
}

void TMainForm::WendeMenuZustandAn(const TMenuZustand& z) {
    const std::pair<const char*, bool> zustaende[] = {
        {"Bearbeiten", z.Bearbeiten},
        {"Festlegen", z.Festlegen},
        {"Konstruieren", z.Konstruieren},
        {"Abbilden", z.Abbilden},
        {"Messen", z.Messen},
        {"Ansicht", z.Ansicht},
        {"Fenster", z.Fenster},
        {"Einfuegen", z.Einfuegen},
        {"Schliessen", z.Schliessen},
        {"Speichern", z.Speichern},
        {"Speichern_unter", z.Speichern_unter},
        {"Grafik_speichern", z.Grafik_speichern},
        {"Grafik_Drucken", z.Grafik_Drucken},
        {"Druckereinstellungen", z.Druckereinstellungen},
        {"Kopieren", z.Kopieren},
        {"Loeschen", z.Loeschen},
        {"Nebeneinander", z.Nebeneinander},
        {"Uebereinander", z.Uebereinander},
        {"Ueberlappend", z.Ueberlappend},
        {"AlleSchliessen", z.AlleSchliessen},
    };
    for (const auto& [name, aktiv] : zustaende)
        SetzeAktiv(Text(name), aktiv);

    // Items that only need their menu: they follow it, so that their
    // shortcuts do not act while the menu itself is disabled.
    for (const char* name : {"Zoomout", "ZoomIn", "Ausgangszustand", "Koordinatenachsen",
                             "Koordinatenebenen"})
        SetzeAktiv(Text(name), z.Ansicht);
    for (const char* name :
         {"Punkt", "Gerade", "Ebene", "Strecke", "Pfeil", "Vektor", "Dreieck", "Pyramideseitig"})
        SetzeAktiv(Text(name), z.Festlegen);
    SetzeAktiv(QStringLiteral("Einstellungen"), z.Bearbeiten);
    Aktion(QStringLiteral("Zoomout"))->setShortcut(QKeySequence(Qt::Key_PageUp));
    Aktion(QStringLiteral("ZoomIn"))->setShortcut(QKeySequence(Qt::Key_PageDown));
}

void TMainForm::UpdateMenuItems() {
    WendeMenuZustandAn(BerechneMenuZustand(Fensterzustand()));
    TDokument* aktiv = AktivesDokument();
    // The undo command belongs to the document whose window is active.
    if (aktiv)
        ZeigeRueckgaengig(aktiv->Rueckgaengig().Caption(), aktiv->Rueckgaengig().Moeglich());
    else
        Aktion(QStringLiteral("Rueckgaengig"))->setEnabled(false);
    if (aktiv != gemeldetesDokument_) {
        gemeldetesDokument_ = aktiv;
        emit AktivesDokumentGeaendert(aktiv);
    }
}

void TMainForm::WendeAngeboteAn(const TAngebote& a) {
    for (int i = 0; i < AnzahlBefehle; ++i) {
        QAction* aktion = Aktion(Text(AngebotsAktionen[i]));
        const TAngebot& angebot = a.Befehle[static_cast<std::size_t>(i)];
        aktion->setText(Text(angebot.Menue));
        SetzeAktiv(aktion->objectName(), angebot.aktiv);
    }
    for (int i = 0; i < AnzahlAbbildungsBefehle; ++i) {
        QAction* aktion = Aktion(Text(AbbildungsAktionen[i]));
        const TAbbildungsAngebot& angebot = a.Abbildungen[static_cast<std::size_t>(i)];
        aktion->setVisible(angebot.sichtbar);
        if (angebot.sichtbar)
            aktion->setText(Text(angebot.Menue));
        SetzeAktiv(aktion->objectName(), angebot.sichtbar);
    }
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
    if (tGrafChildForm* f = AktivesFenster())
        f->GrafchildPopupMenuPopup();
}

// ---------------------------------------------------------------------------
// Frame size and the document windows inside it

void TMainForm::SetzeAnfangsgeometrie() {
    setMinimumSize(HauptfensterMindestgroesse);
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
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
        if (w->isMaximized() || w->isMinimized() || w->isHidden())
            continue;
        const QRect neu = ImClientbereich(w->geometry(), client);
        if (neu != w->geometry())
            w->setGeometry(neu);
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
    EinstellungenSpeichern();
    e->accept();
}

void TMainForm::EinstellungenLaden() {
    LadeStartdatei();
    LadeEinstellungen();
}

void TMainForm::EinstellungenSpeichern() { SpeichereEinstellungen(); }

// ---------------------------------------------------------------------------
// Commands

QList<tGrafChildForm*> TMainForm::Dokumentfenster() const {
    QList<tGrafChildForm*> fenster;
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (auto* f = qobject_cast<tGrafChildForm*>(w->widget()); f && !w->isHidden())
            fenster << f;
    return fenster;
}

tGrafChildForm* TMainForm::AktivesFenster() const {
    QMdiSubWindow* aktiv = mdi_->currentSubWindow();
    if (aktiv && !aktiv->isHidden())
        if (auto* f = qobject_cast<tGrafChildForm*>(aktiv->widget()))
            return f;
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

tGrafChildForm* TMainForm::NeuesFenster() {
    ++fensterZaehler_;
    auto* form = new tGrafChildForm(fensterZaehler_, this);
    form->Speichern = [this, form] { return Speichere(form); };
    connect(form, &tGrafChildForm::MarkierungGeaendert, this, [this, form] {
        UpdateMenuItems();
        emit DokumentAktualisiert(&form->Dokument());
    });
    connect(form, &tGrafChildForm::ElementOeffnen, this,
            [this, form](TDreiDBasisElement* e) { emit ElementDialogGewuenscht(&form->Dokument(), e); });
    connect(form, &tGrafChildForm::ErstmalsGezeichnet, this, [this] {
        if (!ersteZeichnungGemeldet_) {
            ersteZeichnungGemeldet_ = true;
            emit ErstesDokumentGezeichnet();
        }
    });
    connect(form, &tGrafChildForm::Geschlossen, this, [this] {
        --fensterZaehler_;
        UpdateMenuItems();
    });

    QMdiSubWindow* w = mdi_->addSubWindow(form);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle(form->Beschriftung());
    w->setWindowIcon(windowIcon());
    const int c = style()->pixelMetric(QStyle::PM_TitleBarHeight) +
                  style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    w->setGeometry(DokumentfensterLage(form->Ordinal(), mdi_->viewport()->size(), c));
    w->show();
    mdi_->setActiveSubWindow(w);
    form->setFocus();
    UpdateMenuItems();
    return form;
}

void TMainForm::NachAenderung(tGrafChildForm* fenster) {
    if (!fenster)
        return;
    fenster->Neuzeichnen();
    UpdateMenuItems();
    emit DokumentAktualisiert(&fenster->Dokument());
}

void TMainForm::BefehlAusfuehren(bool (*befehl)(TDokument&)) {
    tGrafChildForm* f = AktivesFenster();
    if (!f)
        return;
    // Offered commands rebuild even when they refuse, so the window is
    // redrawn either way.
    befehl(f->Dokument());
    NachAenderung(f);
}

void TMainForm::DialogAusfuehren(bool (*dialog)(QWidget*, TDokument&)) {
    tGrafChildForm* f = AktivesFenster();
    if (f && dialog(this, f->Dokument()))
        NachAenderung(f);
}

void TMainForm::ElementBearbeitenClick(TDokument* dokument, TDreiDBasisElement* element) {
    tGrafChildForm* f = AktivesFenster();
    if (f && dokument == &f->Dokument() && ElementBearbeiten(this, *dokument, element))
        NachAenderung(f);
}

void TMainForm::DokumentNeuZeichnen() {
    if (tGrafChildForm* f = AktivesFenster())
        f->Neuzeichnen();
    UpdateMenuItems();
}

void TMainForm::NeuClick() {
    tGrafChildForm* f = NeuesFenster();
    f->Dokument().Neuaufbau();
    f->Dokument().Geaendert = false;
    NachAenderung(f);
}

namespace {
std::string Pfad(const QString& datei) { return QFile::encodeName(datei).toStdString(); }
std::string Ordner(const QString& datei) { return QFileInfo(datei).absolutePath().toStdString(); }
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
    if (antwort.Datei.isEmpty())
        return;
    tGrafChildForm* f = NeuesFenster();
    TDokument& d = f->Dokument();
    Einstellungen().PfadSzenen = Ordner(antwort.Datei);
    if (!d.Laden(Pfad(antwort.Datei))) {
        // The reader has told the user. A window with nothing in it is of
        // no use; one with part of the file keeps it, but without the file
        // name, so that saving cannot overwrite the complete file with it.
        if (d.Liste().Anzahl() == 0) {
            d.Geaendert = false;
            if (auto* w = qobject_cast<QMdiSubWindow*>(f->parentWidget()))
                w->close();
            UpdateMenuItems();
            return;
        }
        d.Geaendert = true;
    } else {
        d.Geaendert = false;
        d.Dateiname = Pfad(antwort.Datei);
        d.Schreibgeschuetzt = antwort.Schreibgeschuetzt || DateiSchreibgeschuetzt(antwort.Datei);
        QString titel = QFileInfo(antwort.Datei).fileName();
        if (d.Schreibgeschuetzt)
            titel += QStringLiteral(" (schreibgeschützt)");
        f->SetzeBeschriftung(titel);
    }
    f->Ansicht()->AnsichtZuruecksetzen();
    NachAenderung(f);
}

void TMainForm::EinfuegenClick() {
    tGrafChildForm* f = AktivesFenster();
    if (!f)
        return;
    TDateiAnfrage a;
    a.Art = TDateiDialogArt::Oeffnen;
    a.Titel = QStringLiteral("Elemente einfügen");
    a.Filter = KvrFilter;
    a.Ordner = Text(Einstellungen().PfadEinfuegeSzenen.empty() ? Einstellungen().PfadSzenen
                                                               : Einstellungen().PfadEinfuegeSzenen);
    a.Dateiname = QStringLiteral("*.kvr");
    a.Standardendung = QStringLiteral("KVR");
    const TDateiAntwort antwort = DateiDialog(a);
    if (antwort.Datei.isEmpty())
        return;
    Einstellungen().PfadEinfuegeSzenen = Ordner(antwort.Datei);
    f->Dokument().Einfuegen(Pfad(antwort.Datei));
    f->Dokument().Geaendert = true;
    f->Ansicht()->AnsichtZuruecksetzen();
    NachAenderung(f);
}

void TMainForm::SchliessenClick() {
    if (tGrafChildForm* f = AktivesFenster())
        if (auto* w = qobject_cast<QMdiSubWindow*>(f->parentWidget()))
            w->close();
    UpdateMenuItems();
}

bool TMainForm::Speichere(tGrafChildForm* f) {
    if (!f)
        return false;
    TDokument& d = f->Dokument();
    const QString name = QString::fromStdString(d.Dateiname);
    // A new document has no file yet; one opened read-only is not written
    // over.
    if (!name.isEmpty() && !name.startsWith(QStringLiteral("neu")) && !d.Schreibgeschuetzt) {
        const QString datei = MitKvrEndung(QFile::decodeName(QByteArray::fromStdString(d.Dateiname)));
        if (d.Speichern(Pfad(datei))) {
            d.Dateiname = Pfad(datei);
            d.Geaendert = false;
            f->SetzeBeschriftung(QFileInfo(datei).fileName());
            UpdateMenuItems();
            return true;
        }
    }
    return SpeichereUnter(f);
}

bool TMainForm::SpeichereUnter(tGrafChildForm* f) {
    if (!f)
        return false;
    TDokument& d = f->Dokument();
    const QString bisher = QFile::decodeName(QByteArray::fromStdString(d.Dateiname));
    TDateiAnfrage a;
    a.Art = TDateiDialogArt::Speichern;
    a.Titel = QStringLiteral("KVR-Datei speichern unter");
    a.Filter = KvrFilter;
    a.Ordner = Text(Einstellungen().PfadSzenen);
    a.Standardendung = QStringLiteral("KVR");
    const QString kurz = QFileInfo(bisher).fileName();
    a.Dateiname = bisher.isEmpty() || kurz.startsWith(QStringLiteral("neu")) ? QStringLiteral("*.KVR")
                                                                           : kurz;
    const TDateiAntwort antwort = DateiDialog(a);
    if (antwort.Datei.isEmpty())
        return false;
    const QString datei = MitKvrEndung(antwort.Datei);
    if (!d.Speichern(Pfad(datei)))
        return false;
    d.Dateiname = Pfad(datei);
    d.Schreibgeschuetzt = false;
    d.Geaendert = false;
    Einstellungen().PfadSzenen = Ordner(datei);
    f->SetzeBeschriftung(QFileInfo(datei).fileName());
    UpdateMenuItems();
    return true;
}

void TMainForm::SpeichernClick() { Speichere(AktivesFenster()); }
void TMainForm::Speichern_unterClick() { SpeichereUnter(AktivesFenster()); }

void TMainForm::RueckgaengigClick() {
    tGrafChildForm* f = AktivesFenster();
    if (!f || !f->Dokument().RueckgaengigMachen())
        return;
    NachAenderung(f);
}

void TMainForm::LoeschenClick() {
    tGrafChildForm* f = AktivesFenster();
    if (!f)
        return;
    TDokument& d = f->Dokument();
    const bool geloescht = d.MarkierteLoeschen();
    ZeigeRueckgaengig(d.Rueckgaengig().Caption(), d.Rueckgaengig().Moeglich());
    if (geloescht)
        NachAenderung(f);
}

void TMainForm::ZoomoutClick() {
    tGrafChildForm* f = AktivesFenster();
    if (f && f->Dokument().Zoomen(ZoomVergroessern))
        NachAenderung(f);
}

void TMainForm::ZoomInClick() {
    tGrafChildForm* f = AktivesFenster();
    if (f && f->Dokument().Zoomen(ZoomVerkleinern))
        NachAenderung(f);
}

void TMainForm::AusgangszustandClick() {
    tGrafChildForm* f = AktivesFenster();
    if (!f)
        return;
    f->Dokument().Ausgangslage();
    f->Ansicht()->AnsichtZuruecksetzen();
    NachAenderung(f);
}

// Later features; their items stay disabled until they are there.
void TMainForm::Grafik_speichernClick() {}
void TMainForm::Grafik_DruckenClick() {}
void TMainForm::DruckereinstellungenClick() {}
void TMainForm::KopierenClick() {}
void TMainForm::EinstellungenClick() {}
void TMainForm::PunktClick() { DialogAusfuehren(&PunktNeu); }
void TMainForm::GeradeClick() { DialogAusfuehren(&GeradeNeu); }
void TMainForm::EbeneClick() {}
void TMainForm::StreckeClick() {}
void TMainForm::PfeilClick() {}
void TMainForm::VektorClick() {}
void TMainForm::DreieckClick() {}
void TMainForm::PyramideseitigClick() {}
void TMainForm::ErzPunktClick() { BefehlAusfuehren(&kalvorin::ErzPunkt); }
void TMainForm::ErzGeradeClick() { BefehlAusfuehren(&kalvorin::ErzGerade); }
void TMainForm::ErzEbeneClick() { BefehlAusfuehren(&kalvorin::ErzEbene); }
void TMainForm::ErzStreckeClick() { BefehlAusfuehren(&kalvorin::ErzStrecke); }
void TMainForm::ErzPfeilClick() { BefehlAusfuehren(&kalvorin::ErzPfeil); }
void TMainForm::ErzVektorClick() { BefehlAusfuehren(&kalvorin::ErzVektor); }
void TMainForm::ErzDreieckClick() { BefehlAusfuehren(&kalvorin::ErzDreieck); }
void TMainForm::ErzPyramideClick() { BefehlAusfuehren(&kalvorin::ErzPyramide); }
void TMainForm::SchneidenClick() { BefehlAusfuehren(&kalvorin::Schneiden); }
void TMainForm::LoteerzeugenClick() { BefehlAusfuehren(&kalvorin::Loteerzeugen); }
void TMainForm::MittebildenClick() { BefehlAusfuehren(&kalvorin::Mittebilden); }
void TMainForm::VSummeClick() { BefehlAusfuehren(&kalvorin::VSumme); }
void TMainForm::VGegenClick() { BefehlAusfuehren(&kalvorin::VGegen); }
void TMainForm::MVProduktClick() { BefehlAusfuehren(&kalvorin::MVProdukt); }
void TMainForm::SpiegelungClick() { BefehlAusfuehren(&kalvorin::Spiegelung); }
void TMainForm::MStreckungClick() { DialogAusfuehren(&StreckungsDialog); }
void TMainForm::ProjektionClick() { BefehlAusfuehren(&kalvorin::Projektion); }
void TMainForm::PspiegelnClick() { BefehlAusfuehren(&kalvorin::Pspiegeln); }
void TMainForm::GspiegelnClick() { BefehlAusfuehren(&kalvorin::Gspiegeln); }
void TMainForm::EspiegelnClick() { BefehlAusfuehren(&kalvorin::Espiegeln); }
void TMainForm::StreckenClick() { BefehlAusfuehren(&kalvorin::Strecken); }
void TMainForm::OprojezierenClick() { BefehlAusfuehren(&kalvorin::Oprojezieren); }
void TMainForm::PprojezierenClick() { BefehlAusfuehren(&kalvorin::Pprojezieren); }
void TMainForm::MessWinkelClick() { BefehlAusfuehren(&kalvorin::MessWinkel); }
void TMainForm::MessLaengeClick() { BefehlAusfuehren(&kalvorin::MessLaenge); }
void TMainForm::MessFlaecheClick() { BefehlAusfuehren(&kalvorin::MessFlaeche); }
void TMainForm::MessVolumenClick() { BefehlAusfuehren(&kalvorin::MessVolumen); }
void TMainForm::KoordinatenachsenClick() {}
void TMainForm::KoordinatenebenenClick() {}

void TMainForm::BeendenClick() { close(); }

void TMainForm::BearbeitenClick() {
    // Whether something is marked is only asked now, when it matters.
    UpdateMenuItems();
}

void TMainForm::FestlegenClick() { AngeboteAktualisieren(); }
void TMainForm::KonstruierenClick() { AngeboteAktualisieren(); }
void TMainForm::AbbildenClick() { AngeboteAktualisieren(); }
void TMainForm::MessenClick() { AngeboteAktualisieren(); }

void TMainForm::Anordnen(bool nebeneinander) {
    QList<QMdiSubWindow*> fenster;
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::CreationOrder))
        if (!w->isHidden())
            fenster << w;
    const QRect client(QPoint(0, 0), mdi_->viewport()->size());
    const QVector<QRect> lagen = nebeneinander ? NebeneinanderAnordnen(int(fenster.size()), client)
                                               : UebereinanderAnordnen(int(fenster.size()), client);
    for (int i = 0; i < fenster.size(); ++i) {
        if (fenster[i]->isMaximized() || fenster[i]->isMinimized())
            fenster[i]->showNormal();
        fenster[i]->setGeometry(lagen[i]);
    }
}

void TMainForm::NebeneinanderClick() { Anordnen(true); }
void TMainForm::UebereinanderClick() { Anordnen(false); }
void TMainForm::UeberlappendClick() { mdi_->cascadeSubWindows(); }

void TMainForm::AlleSchliessenClick() {
    // The bottom window first, the active one last.
    for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::StackingOrder))
        w->close();
    UpdateMenuItems();
}

void TMainForm::InhaltClick() { THilfe::ZeigeThema(QStringLiteral("IDH_Inhalt")); }
void TMainForm::HilfeVerwendenClick() { THilfe::ZeigeHilfeVerwenden(); }

void TMainForm::InfoClick() {
    auto* info = new TAboutDlg(this);
    info->exec();
}

} // namespace kalvorin
