#include "ui/TGrafChildForm.h"

#include "document/Angebote.h"
#include "model/Meldungen.h"
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

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

struct TPopupPunkt {
    const char* Name;
    const char* Titel;
    const char* Befehl; // the main window's action of the same meaning
    int Angebot;        // TBefehl, or -1 for the items that are always there
};

constexpr int Immer = -1;

const TPopupPunkt PopupPunkte[] = {
    {"PUPunktfestlegen", "Punkt durch Neueingabe festlegen...", "Punkt", Immer},
    {"PUGeradefestlegen", "Gerade durch Neueingabe festlegen...", "Gerade", Immer},
    {"PUEbenefestlegen", "Ebene durch Neueingabe festlegen...", "Ebene", Immer},
    {"PUStrich1", "-", nullptr, Immer},
    {"PUPunkterzeugen", "Punkt durch markierte Objekte festlegen", "ErzPunkt",
     int(TBefehl::ErzPunkt)},
    {"PUGeradeerzeugen", "Gerade durch markierte Objekte festlegen", "ErzGerade",
     int(TBefehl::ErzGerade)},
    {"PUEbeneerzeugen", "Ebene durch markierte Objekte festlegen", "ErzEbene",
     int(TBefehl::ErzEbene)},
    {"PUStreckeerzeugen", "Strecke durch markierte Objekte festlegen", "ErzStrecke",
     int(TBefehl::ErzStrecke)},
    {"PUPfeilerzeugen", "Pfeil durch markierte Objekte festlegen", "ErzPfeil",
     int(TBefehl::ErzPfeil)},
    {"PUVektorerzeugen", "Vektor durch markierte Objekte festlegen", "ErzVektor",
     int(TBefehl::ErzVektor)},
    {"PUDreieckerzeugen", "Dreieck durch markierte Objekte festlegen", "ErzDreieck",
     int(TBefehl::ErzDreieck)},
    {"PUPyramideerzeugen", "Pyramide durch markierte Objekte festlegen", "ErzPyramide",
     int(TBefehl::ErzPyramide)},
    {"PUStrich2", "-", nullptr, Immer},
    {"PUSchneiden", "Schneiden", "Schneiden", int(TBefehl::Schneiden)},
    {"PULoterzeugen", "Lot erzeugen", "Loteerzeugen", int(TBefehl::Loterzeugen)},
    {"PUMittebilden", "Mitte bilden", "Mittebilden", int(TBefehl::Mittebilden)},
};

} // namespace

QRect DokumentfensterLage(int ordinal, const QSize& client, int c) {
    const int o = (std::max(ordinal, 1) - 1) * c;
    const int links = int(std::lround(1.5 * o));
    const int hoehe = std::min(client.height() - 3 * c, client.height() - o);
    int breite = int(std::lround(1.2 * (client.height() - 3 * c)));
    if (links + breite > client.width())
        breite = client.width() - links;
    return {links, o, std::max(breite, 1), std::max(hoehe, 1)};
}

QString NeuBeschriftung(int ordinal) {
    return QStringLiteral("neu%1.kvr").arg(ordinal);
}

TDreiDBasisElement* ElementBeiKlick(const TDokument& dokument, TLogPunkt p) {
    const TListe& liste = dokument.Liste();
    TDreiDBasisElement* gewaehlt = nullptr;
    for (int objekt : dokument.Szene().Treffer(p, 5)) {
        if (objekt <= 0 || objekt >= 256)
            continue;
        for (int slot = 1; slot <= liste.Anzahl(); ++slot) {
            TDreiDBasisElement* e = liste[slot];
            if (!e->sichtbar || !e->Szenenobjekte.test(static_cast<std::size_t>(objekt)))
                continue;
            // Strictly smaller: among equal kinds the one drawn on top stays.
            if (!gewaehlt || e->ArtNummer() < gewaehlt->ArtNummer())
                gewaehlt = e;
        }
    }
    return gewaehlt;
}

tGrafChildForm::tGrafChildForm(int ordinal, TMainForm* haupt, QWidget* eltern)
    : QWidget(eltern), ordinal_(ordinal), haupt_(haupt), dokument_(std::make_unique<TDokument>()) {
    setObjectName(QStringLiteral("GrafChildForm"));
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
    dokument_->Neuaufbau();
    dokument_->Geaendert = false;
}

tGrafChildForm::~tGrafChildForm() {
    // The view draws the document: it goes first.
    delete ansicht_;
    ansicht_ = nullptr;
}

void tGrafChildForm::SetzeBeschriftung(const QString& text) {
    setWindowTitle(text);
    if (auto* rahmen = qobject_cast<QMdiSubWindow*>(parentWidget()))
        rahmen->setWindowTitle(text);
}

void tGrafChildForm::Neuzeichnen() {
    if (ansicht_)
        ansicht_->Neuzeichnen();
}

QAction* tGrafChildForm::PopupPunkt(const char* name, const char* titel, const char* befehl) {
    QAction* a = nullptr;
    if (QString::fromLatin1(titel) == QStringLiteral("-")) {
        a = popup_->addSeparator();
    } else {
        a = popup_->addAction(QString::fromUtf8(titel));
        const QString befehlsname = QString::fromLatin1(befehl);
        connect(a, &QAction::triggered, this, [this, befehlsname] {
            if (!haupt_)
                return;
            if (QAction* ziel = haupt_->Aktion(befehlsname); ziel && ziel->isEnabled())
                ziel->trigger();
        });
    }
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

void tGrafChildForm::BauePopup() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("GrafchildPopupMenu"));
    for (const TPopupPunkt& p : PopupPunkte)
        PopupPunkt(p.Name, p.Titel, p.Befehl);
    GrafchildPopupMenuPopup();
}

void tGrafChildForm::GrafchildPopupMenuPopup() {
    const TAngebote angebote = BerechneAngebote(dokument_->Liste());
    if (haupt_)
        haupt_->WendeAngeboteAn(angebote);
    const auto aktionen = popup_->actions();
    for (const TPopupPunkt& p : PopupPunkte) {
        auto it = std::find_if(aktionen.begin(), aktionen.end(), [&](QAction* a) {
            return a->objectName() == QLatin1String(p.Name);
        });
        if (it == aktionen.end() || !p.Befehl)
            continue;
        QAction* a = *it;
        QAction* ziel = haupt_ ? haupt_->Aktion(QString::fromLatin1(p.Befehl)) : nullptr;
        if (p.Angebot == Immer) {
            a->setEnabled(ziel && ziel->isEnabled());
            continue;
        }
        const TAngebot& angebot = angebote.Befehle[static_cast<std::size_t>(p.Angebot)];
        if (!angebot.GrafikPopup.empty())
            a->setText(Text(angebot.GrafikPopup));
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
    if (!e)
        return;
    if (doppelklick) {
        emit ElementOeffnen(e);
    } else if (!(additiv_ || strg)) {
        TListe& liste = dokument_->Liste();
        for (int slot = 1; slot <= liste.Anzahl(); ++slot)
            if (liste[slot] != e)
                liste[slot]->markiert = false;
    }
    e->markiert = !e->markiert;
    emit MarkierungGeaendert();
}

void tGrafChildForm::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Control)
        additiv_ = true;
    if (e->key() == Qt::Key_F1) {
        e->ignore();
        return;
    }
    // Every other key ends here; the menus' shortcuts have acted before.
    e->accept();
}

void tGrafChildForm::keyReleaseEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Control)
        additiv_ = false;
    e->accept();
}

void tGrafChildForm::focusOutEvent(QFocusEvent* e) {
    // The release of Ctrl goes elsewhere once the focus has left.
    additiv_ = false;
    QWidget::focusOutEvent(e);
}

void tGrafChildForm::closeEvent(QCloseEvent* e) {
    if (dokument_->Geaendert) {
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
