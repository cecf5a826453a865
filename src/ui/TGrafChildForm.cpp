#include "ui/TGrafChildForm.h"

#include "document/Angebote.h"
#include "document/Befehlstabelle.h"
#include "document/Dateiregeln.h"
#include "document/Zeichnen.h"
#include "model/Meldungen.h"
#include "model/StandardEinstellungen.h"
#include "ui/Hilfe.h"
#include "ui/TMainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
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

TDreiDBasisElement* ElementBeiKlick(const TDokument& dokument, TLogPunkt p) {
    const TListe& liste = dokument.Liste();
    TDreiDBasisElement* gewaehlt = nullptr;
    for (int objekt : dokument.Szene().Treffer(p, 5)) {
        if (objekt <= 0 || objekt >= 256) continue;
        for (int slot = 1; slot <= liste.Anzahl(); ++slot) {
            TDreiDBasisElement* e = liste[slot];
            if (!e->sichtbar || !e->Szenenobjekte.test(static_cast<std::size_t>(objekt))) continue;
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

    connect(ansicht_, &tAnaGraphBox::Klick, this, &tGrafChildForm::KlickBei);
    connect(ansicht_, &tAnaGraphBox::ErstmalsGezeichnet, this, &tGrafChildForm::ErstmalsGezeichnet);

    BauePopup();
    SetzeBeschriftung(NeuBeschriftung(ordinal_));
    // Whatever changed the document, its window shows it.
    dokument_->Beobachten([this] {
        SetzeBeschriftung(QString::fromStdString(Fensterbeschriftung(*dokument_, neuNummer_)));
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
    if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget())) rahmen->setWindowTitle(text);
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
        QAction* ziel = haupt_ ? haupt_->Aktion(QString::fromLatin1(z.Name)) : nullptr;
        if (!z.Angebot) {
            a->setEnabled(ziel && ziel->isEnabled());
            continue;
        }
        const TAngebot& angebot = angebote[*z.Angebot];
        if (!angebot.GrafikPopup.empty()) a->setText(Text(angebot.GrafikPopup));
        // Visible exactly when the main menu offers the command.
        const bool angeboten = haupt_ ? (ziel && ziel->isEnabled()) : angebot.InPopupsSichtbar();
        a->setVisible(angeboten);
        a->setEnabled(angeboten);
    }
}

void tGrafChildForm::contextMenuEvent(QContextMenuEvent* e) {
    GrafchildPopupMenuPopup();
    popup_->popup(e->globalPos());
    e->accept();
}

void tGrafChildForm::KlickBei(TLogPunkt p, bool doppelklick, bool strg) {
    TDreiDBasisElement* e = ElementBeiKlick(*dokument_, p);
    if (!e) {
        // A click beside every figure unmarks everything.
        const TListe& l = dokument_->Liste();
        bool etwas = false;
        for (int slot = 1; slot <= l.Anzahl() && !etwas; ++slot)
            etwas = l[slot]->markiert;
        if (etwas)
            dokument_->Markieren([](TListe& liste) {
                for (int slot = 1; slot <= liste.Anzahl(); ++slot)
                    liste[slot]->markiert = false;
            });
        return;
    }
    if (doppelklick) emit ElementOeffnen(e);
    const bool allein = !doppelklick && !(additiv_ || strg);
    dokument_->Markieren([e, allein](TListe& liste) {
        if (allein)
            for (int slot = 1; slot <= liste.Anzahl(); ++slot)
                if (liste[slot] != e) liste[slot]->markiert = false;
        e->markiert = !e->markiert;
    });
}

void tGrafChildForm::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Control) additiv_ = true;
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

} // namespace kalvorin
