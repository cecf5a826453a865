#include "ui/TGrafChildForm.h"

#include "ausgabe/Arbeitsblatt.h"
#include "ausgabe/Szenentext.h"
#include "ausgabe/Zeichnen.h"
#include "befehle/Angebote.h"
#include "befehle/Befehlstabelle.h"
#include "document/Dateiregeln.h"
#include "model/Meldungen.h"
#include "model/StandardEinstellungen.h"
#include "ui/Barrierefreiheit.h"
#include "ui/Hilfe.h"
#include "ui/Schrittleiste.h"
#include "ui/TMainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace kalvorin {

namespace {

QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

QRect DokumentfensterLage(int ordinal, const QSize& client, int c) {
    const int o = (std::max(ordinal, 1) - 1) * c;
    const int links = int(std::lround(1.5 * o));
    const int hoehe = std::min(client.height() - 3 * c, client.height() - o);
    int breite = int(std::lround(1.2 * (client.height() - 3 * c)));
    if (links + breite > client.width()) breite = client.width() - links;
    return {links, o, std::max(breite, 1), std::max(hoehe, 1)};
}

QString NeuBeschriftung(int ordinal) {
    return QStringLiteral("neu%1.kvr").arg(ordinal);
}

TDreiDBasisElement* ElementBeiKlick(const TDokument& dokument, TLogPunkt p,
                                    const std::vector<int>& verborgen) {
    const TListe& liste = dokument.Liste();
    TDreiDBasisElement* gewaehlt = nullptr;
    for (int objekt : dokument.Szene().Treffer(p, 5)) {
        if (objekt <= 0 || objekt >= 256) continue;
        for (int slot = 1; slot <= liste.Anzahl(); ++slot) {
            TDreiDBasisElement* e = liste[slot];
            if (!e->sichtbar || !e->Szenenobjekte.test(static_cast<std::size_t>(objekt))) continue;
            if (std::find(verborgen.begin(), verborgen.end(), e->Nummer) != verborgen.end())
                continue;
            // Strictly smaller: among equal kinds the one drawn on top stays.
            if (!gewaehlt || e->ArtNummer() < gewaehlt->ArtNummer()) gewaehlt = e;
        }
    }
    return gewaehlt;
}

tGrafChildForm::tGrafChildForm(int ordinal, TMainForm* haupt, QWidget* eltern)
    : QWidget(eltern), ordinal_(ordinal), neuNummer_(ordinal), haupt_(haupt),
      dokument_(std::make_unique<TDokument>()) {
    setObjectName(QStringLiteral("GrafChildForm"));
    // A new window opens in the view the user last chose.
    if (Einstellungen().Heftansicht) HeftansichtSetzen(*dokument_, true);
    THilfe::SetzeKontext(this, 1300);
    setMinimumSize(150, 100);
    resize(400, 400);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    ansicht_ = new tAnaGraphBox(this);
    layout->addWidget(ansicht_);
    ansicht_->SetzeDokument(dokument_.get());
    setFocusPolicy(Qt::StrongFocus);
    leiste_ = new TSchrittleiste(this);
    leiste_->hide();
    layout->addWidget(leiste_);
    connect(leiste_, &TSchrittleiste::Zurueck, this, [this] { SchrittGehen(-1); });
    connect(leiste_, &TSchrittleiste::Vor, this, [this] { SchrittGehen(+1); });

    connect(ansicht_, &tAnaGraphBox::Klick, this, &tGrafChildForm::KlickBei);
    ansicht_->viewport()->installEventFilter(this);
    connect(ansicht_, &tAnaGraphBox::ErstmalsGezeichnet, this, &tGrafChildForm::ErstmalsGezeichnet);

    BauePopup();
    SetzeBeschriftung(NeuBeschriftung(ordinal_));
    // Whatever changed the document, its window shows it.
    dokument_->Beobachten([this] {
        SetzeBeschriftung(QString::fromStdString(Fensterbeschriftung(*dokument_, neuNummer_)));
        // New or deleted elements: the steps are counted again.
        if (Schrittweise()) SchrittAnwenden();
        // A step of a point drag is drawn like a step of turning the view.
        if (dokument_->Zieht() && ansicht_)
            ansicht_->ZiehbildZeigen();
        else
            Neuzeichnen();
        emit DokumentGeaendert();
    });
}

tGrafChildForm::~tGrafChildForm() {
    // The view draws the document: it goes first.
    delete ansicht_;
    ansicht_ = nullptr;
}

void tGrafChildForm::SetzeBeschriftung(const QString& text) {
    setWindowTitle(text);
    setAccessibleName(QStringLiteral("Grafikfenster ") + text);
    if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        // Unsaved changes show in the frame's caption as the platform does.
        rahmen->setWindowTitle(text + QStringLiteral("[*]"));
        rahmen->setWindowModified(dokument_ && dokument_->Geaendert());
    }
}

void tGrafChildForm::SetzeNeuNummer(int nummer) {
    neuNummer_ = nummer;
    SetzeBeschriftung(QString::fromStdString(Fensterbeschriftung(*dokument_, neuNummer_)));
}

void tGrafChildForm::Neuzeichnen() {
    if (ansicht_) ansicht_->Neuzeichnen();
}

void tGrafChildForm::BauePopup() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("GrafchildPopupMenu"));
    int striche = 0;
    for (const TBefehlszeile& z : Befehlstabelle()) {
        const TPopupPlatz& platz = z.GrafikPopup;
        if (!platz.Vorhanden()) continue;
        if (platz.TrennerDavor)
            popup_->addSeparator()->setObjectName(QStringLiteral("PUStrich%1").arg(++striche));
        QAction* a = popup_->addAction(QString::fromUtf8(platz.Titel));
        a->setObjectName(QString::fromLatin1(platz.Name));
        // The item does what the main menu's item does, when that is enabled.
        connect(a, &QAction::triggered, this, [this, &z] {
            if (!haupt_) return;
            if (QAction* ziel = haupt_->Aktion(QString::fromLatin1(z.Name));
                ziel && ziel->isEnabled())
                ziel->trigger();
        });
    }
    GrafchildPopupMenuPopup();
}

void tGrafChildForm::GrafchildPopupMenuPopup() {
    const TAngebote angebote = BerechneAngebote(dokument_->Liste());
    if (haupt_) haupt_->WendeAngeboteAn(angebote);
    for (const TBefehlszeile& z : Befehlstabelle()) {
        if (!z.GrafikPopup.Vorhanden()) continue;
        QAction* a = popup_->findChild<QAction*>(QString::fromLatin1(z.GrafikPopup.Name));
        if (!a) continue;
        if (const auto anzeige = Angebotsanzeige(z, angebote, TAngebotsort::GrafikPopup)) {
            ZeigeAngebot(a, *anzeige);
            continue;
        }
        // The dialogs and the worked solution follow the main menu's rules.
        QAction* ziel = haupt_ ? haupt_->Aktion(QString::fromLatin1(z.Name)) : nullptr;
        a->setEnabled(ziel && ziel->isEnabled());
    }
}

void tGrafChildForm::contextMenuEvent(QContextMenuEvent* e) {
    GrafchildPopupMenuPopup();
    popup_->popup(e->globalPos());
    e->accept();
}

void tGrafChildForm::KlickBei(TLogPunkt p, bool doppelklick, bool strg) {
    TDreiDBasisElement* e = ElementBeiKlick(*dokument_, p, Verborgen());
    if (!e) {
        // A click beside every figure unmarks everything.
        if (EtwasMarkiert(dokument_->Liste()))
            dokument_->Markieren([](TListe& liste) { AlleDemarkieren(liste); });
        return;
    }
    if (doppelklick) emit ElementOeffnen(e);
    const bool allein = !doppelklick && !(additiv_ || strg);
    dokument_->Markieren([e, allein](TListe& liste) {
        if (allein) AlleDemarkieren(liste, e);
        e->markiert = !e->markiert;
    });
}

void tGrafChildForm::keyPressEvent(QKeyEvent* e) {
    if (SchrittTaste(e->key(), e->modifiers())) {
        e->accept();
        return;
    }
    if (PunktTaste(e)) {
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Control) additiv_ = true;
    if (AnsichtTaste(e->key(), e->modifiers())) {
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_F1) {
        e->ignore();
        return;
    }
    // Every other key ends here; the menus' shortcuts have acted before.
    e->accept();
}

void tGrafChildForm::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Control) additiv_ = false;
    e->accept();
}

void tGrafChildForm::focusOutEvent(QFocusEvent* e) {
    // The release of Ctrl goes elsewhere once the focus has left.
    additiv_ = false;
    QWidget::focusOutEvent(e);
}

bool tGrafChildForm::focusNextPrevChild(bool weiter) {
    // Tab belongs to the view's elements, also when the view has the focus.
    return AnsichtTaste(weiter ? Qt::Key_Tab : Qt::Key_Backtab, Qt::NoModifier);
}

TDreiDBasisElement* tGrafChildForm::AktuellesElement() const {
    const TListe& l = dokument_->Liste();
    for (int slot = 1; slot <= l.Anzahl(); ++slot)
        if (aktuell_ != 0 && l[slot]->Nummer == aktuell_) return l[slot];
    return nullptr;
}

bool tGrafChildForm::AnsichtTaste(int taste, Qt::KeyboardModifiers mod) {
    const bool strg = mod.testFlag(Qt::ControlModifier);
    const auto ansagen = [this](const std::string& text) {
        Ansagen(ansicht_, QString::fromStdString(text));
    };
    TDreiDBasisElement* e = AktuellesElement();
    const TFokusAngebot angebot = FokusAngebot(dokument_->Liste(), e);
    switch (taste) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool vorwaerts = taste == Qt::Key_Tab && !mod.testFlag(Qt::ShiftModifier);
        TDreiDBasisElement* n = NaechstesElement(dokument_->Liste(), e, vorwaerts);
        // "Schrittweise zeigen": the elements not shown yet are passed over.
        const std::vector<int> verborgen = Verborgen();
        for (int i = 0; n && i < dokument_->Liste().Anzahl() &&
                        std::find(verborgen.begin(), verborgen.end(), n->Nummer) != verborgen.end();
             ++i)
            n = NaechstesElement(dokument_->Liste(), n, vorwaerts);
        if (n && std::find(verborgen.begin(), verborgen.end(), n->Nummer) != verborgen.end())
            n = nullptr;
        aktuell_ = n ? n->Nummer : 0;
        ansicht_->SetzeFokus(aktuell_);
        if (n) ansagen(ElementSatz(*n));
        return true;
    }
    case Qt::Key_Space:
        if (!angebot.Markieren) return true;
        FokusMarkieren(*dokument_, e, strg);
        ansagen(e->Name + (e->markiert ? " markiert" : " nicht markiert"));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (angebot.Oeffnen) emit ElementOeffnen(e);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (mod & (Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier)) return false;
        const TDrehtaste d = taste == Qt::Key_Left    ? TDrehtaste::Links
                             : taste == Qt::Key_Right ? TDrehtaste::Rechts
                             : taste == Qt::Key_Up    ? TDrehtaste::Hoch
                                                      : TDrehtaste::Runter;
        dokument_->AnsichtDrehen(Tastendrehung(d, dokument_->Szene().Drehkugel().Mitte));
        Neuzeichnen();
        return true;
    }
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        // "+" as "Darstellungsbereich verkleinern": the figure grows.
        dokument_->Zoomen(taste == Qt::Key_Plus ? ZoomVerkleinern : ZoomVergroessern);
        return true;
    case Qt::Key_Escape:
        aktuell_ = 0;
        ansicht_->SetzeFokus(0);
        return true;
    default:
        return false;
    }
}

void tGrafChildForm::closeEvent(QCloseEvent* e) {
    if (dokument_->Geaendert()) {
        const std::string text = "Möchten Sie die Änderungen in " +
                                 Beschriftung().toUpper().toStdString() + " speichern?";
        switch (Meldungen().Frage(text, TFrageKnoepfe::JaNeinAbbrechen, "Kalvorin")) {
        case TAntwort::Ja:
            // A save that was cancelled or failed keeps the window, or the
            // changes would be lost after the user asked to keep them.
            if (!Speichern || !Speichern()) {
                e->ignore();
                return;
            }
            break;
        case TAntwort::Nein:
            break;
        default:
            e->ignore();
            return;
        }
    }
    e->accept();
    emit Geschlossen();
}

// ---------------------------------------------------------------------------
// "Schrittweise zeigen"

int tGrafChildForm::Schrittzahl() const {
    return static_cast<int>(Schrittfolge(dokument_->Liste()).size());
}

std::vector<int> tGrafChildForm::Verborgen() const {
    return Schrittweise() ? VerborgenNachSchritt(dokument_->Liste(), schritt_) : std::vector<int>{};
}

void tGrafChildForm::SchrittweiseSetzen(bool an) {
    if (an == Schrittweise()) return;
    schritt_ = an ? 0 : -1;
    leiste_->setVisible(an);
    SchrittAnwenden();
    if (an) setFocus(Qt::OtherFocusReason);
}

void tGrafChildForm::SchrittGehen(int richtung) {
    if (!Schrittweise()) return;
    const int neu = std::clamp(schritt_ + richtung, 0, Schrittzahl());
    if (neu == schritt_) return;
    schritt_ = neu;
    SchrittAnwenden();
}

void tGrafChildForm::SchrittAnwenden() {
    if (Schrittweise()) {
        schritt_ = std::min(schritt_, Schrittzahl());
        leiste_->Anzeigen(schritt_, Schrittzahl());
        Ansagen(ansicht_, leiste_->Text());
    }
    ansicht_->SetzeVerborgen(Verborgen());
    emit SchrittGeaendert();
}

bool tGrafChildForm::SchrittTaste(int taste, Qt::KeyboardModifiers mod) {
    if (!Schrittweise() || (mod & (Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier)))
        return false;
    switch (taste) {
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        SchrittGehen(+1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        SchrittGehen(-1);
        return true;
    default:
        return false;
    }
}

bool tGrafChildForm::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride && Schrittweise()) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_PageUp || k->key() == Qt::Key_PageDown) &&
            !(k->modifiers() & (Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier))) {
            // The key press comes here instead of zooming.
            e->accept();
            return true;
        }
    }
    return QWidget::event(e);
}

bool tGrafChildForm::eventFilter(QObject* objekt, QEvent* e) {
    if (ansicht_ && objekt == ansicht_->viewport() &&
        (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseMove ||
         e->type() == QEvent::MouseButtonRelease) &&
        PunktZiehenMaus(static_cast<QMouseEvent*>(e)))
        return true;
    return QWidget::eventFilter(objekt, e);
}

bool tGrafChildForm::PunktZiehenMaus(QMouseEvent* e) {
    TDokument& d = *dokument_;
    const TLogPunkt p = ansicht_->LogischAusGeraet(e->position());
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        if (e->button() != Qt::LeftButton || !e->modifiers().testFlag(Qt::ShiftModifier) ||
            ansicht_->Zieht())
            return false;
        const TDreiDBasisElement* element = ElementBeiKlick(d, p, Verborgen());
        // Beside every point Shift+drag turns the view as ever.
        if (!element || element->Art != TElementart::DfrPunkt) return false;
        const int slot = d.Liste().SlotVon(element);
        if (const std::string grund = d.ZiehenVerweigert(slot); !grund.empty()) {
            HinweisZeigen(grund, e->globalPosition().toPoint());
            return true;
        }
        ziehGriff_ = p;
        ziehStart_ = Als<TfrPunkt>(*element).Koordinaten;
        ziehSenkrecht_ = e->modifiers().testFlag(Qt::ControlModifier);
        d.ZiehenBeginnen(slot);
        return true;
    }
    case QEvent::MouseMove:
        if (!d.Zieht()) return false;
        d.ZiehenNach(ZiehZiel(d, ziehStart_, ziehGriff_, p, ziehSenkrecht_,
                              Einstellungen().BeimZiehenEinrasten));
        return true;
    case QEvent::MouseButtonRelease:
        if (e->button() != Qt::LeftButton || !d.Zieht()) return false;
        d.ZiehenBeenden();
        return true;
    default:
        return false;
    }
}

bool tGrafChildForm::PunktTaste(QKeyEvent* e) {
    TDokument& d = *dokument_;
    if (e->key() == Qt::Key_Escape && d.Zieht()) {
        d.ZiehenAbbrechen();
        return true;
    }
    if (e->modifiers() != Qt::AltModifier &&
        e->modifiers() != (Qt::AltModifier | Qt::KeypadModifier))
        return false;
    TTripel schritt{};
    switch (e->key()) {
    case Qt::Key_Right:
        schritt.y = ZiehSchritt;
        break;
    case Qt::Key_Left:
        schritt.y = -ZiehSchritt;
        break;
    case Qt::Key_Down: // the x-axis points down towards the viewer
        schritt.x = ZiehSchritt;
        break;
    case Qt::Key_Up:
        schritt.x = -ZiehSchritt;
        break;
    case Qt::Key_PageUp:
        schritt.z = ZiehSchritt;
        break;
    case Qt::Key_PageDown:
        schritt.z = -ZiehSchritt;
        break;
    default:
        return false;
    }
    // The one marked element, when it is a point.
    const TListe& l = d.Liste();
    int slot = 0, markiert = 0;
    for (int i = 1; i <= l.Anzahl(); ++i)
        if (l[i]->markiert && ++markiert == 1) slot = i;
    if (markiert != 1 || l[slot]->Art != TElementart::DfrPunkt) return false;
    if (const std::string grund = d.ZiehenVerweigert(slot); !grund.empty()) {
        HinweisZeigen(grund, ansicht_->mapToGlobal(ansicht_->rect().center()));
        return true;
    }
    const TTripel k = Als<TfrPunkt>(*l[slot]).Koordinaten;
    d.PunktVerschieben(slot, {k.x + schritt.x, k.y + schritt.y, k.z + schritt.z});
    return true;
}

void tGrafChildForm::HinweisZeigen(const std::string& text, QPoint global) {
    hinweis_ = Text(text);
    QToolTip::showText(global, hinweis_, ansicht_, QRect(), 4000);
}

} // namespace kalvorin
