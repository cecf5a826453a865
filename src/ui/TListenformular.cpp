#include "ui/TListenformular.h"

#include "befehle/Angebote.h"
#include "befehle/Befehlstabelle.h"
#include "document/Dokument.h"
#include "ui/Hilfe.h"
#include "ui/Objektbilder.h"
#include "ui/TMainForm.h"

#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTextDocument>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

namespace kalvorin {

namespace {

bool SichtbarkeitsSpalte(int spalte) {
    return spalte == static_cast<int>(TListenspalte::Sichtbar) ||
           spalte == static_cast<int>(TListenspalte::Beschriftung);
}

constexpr int Zeilenhoehe = 20;
constexpr int Bildspalte = 20; // at least; a header wider than that widens it

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QColor QFarbe(TFarbe f) {
    return QColor(Rot(f), Gruen(f), Blau(f));
}

// A row of the list's popup that no offer shows or hides and that runs in
// the core (deleting the marked elements): the list runs it itself, on its
// own document, from its popup item and from the row's key.
bool VonDerListeAusgefuehrt(const TBefehlszeile& z) {
    return z.ListenPopup.Vorhanden() && z.Ausfuehren && !z.Angebot;
}

// The row the list runs for a key pressed in it; null for any other key.
const TBefehlszeile* ZeileZurTaste(int taste) {
    for (const TBefehlszeile& z : Befehlstabelle())
        if (VonDerListeAusgefuehrt(z) && *z.Taste != '\0' &&
            QKeySequence(QString::fromLatin1(z.Taste), QKeySequence::PortableText) ==
                QKeySequence(taste))
            return &z;
    return nullptr;
}

// Paints every cell from the document itself, so the grid never holds a
// stale copy of a mark or a visibility.
class TZellenMaler : public QStyledItemDelegate {
public:
    TZellenMaler(std::function<const TDokument*()> dokument, QObject* eltern)
        : QStyledItemDelegate(eltern), dokument_(std::move(dokument)) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const TDokument* d = dokument_();
        const TDreiDBasisElement* e = d ? ElementInZeile(d->Liste(), index.row() + 1) : nullptr;
        if (!e) return;
        const QRectF zelle = option.rect;
        const bool markiert = e->markiert;
        p->save();
        switch (static_cast<TListenspalte>(index.column())) {
        case TListenspalte::Art:
            ZeichneObjektbild(*p, zelle, BildFuerArt(e->ArtNummer()), markiert);
            if (e->Farbe != Schwarz) {
                p->setRenderHint(QPainter::Antialiasing, false);
                QPen rahmen(QFarbe(e->Farbe), 3);
                rahmen.setJoinStyle(Qt::MiterJoin);
                p->setPen(rahmen);
                p->setBrush(Qt::NoBrush);
                p->drawRect(zelle.adjusted(1.5, 1.5, -1.5, -1.5));
            }
            break;
        case TListenspalte::Name: {
            p->fillRect(zelle, markiert ? Qt::black : Qt::white);
            p->setPen(markiert ? Qt::white : Qt::black);
            p->setFont(option.font);
            p->drawText(zelle.adjusted(3, 0, -2, 0),
                        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Q(AnzeigeName(*e)));
            break;
        }
        case TListenspalte::Sichtbar:
        case TListenspalte::Beschriftung: {
            TObjektbild bild = TObjektbild::Raster;
            if (e->Art != TElementart::DVektor) {
                const bool an = index.column() == static_cast<int>(TListenspalte::Sichtbar)
                                    ? e->sichtbar
                                    : e->NameSichtbar;
                bild = an ? TObjektbild::Haken : TObjektbild::Weiss;
            }
            ZeichneObjektbild(*p, zelle, bild, markiert);
            break;
        }
        }
        p->restore();
    }

private:
    std::function<const TDokument*()> dokument_;
};

} // namespace

// The grid passes the mouse and the keys to the form and keeps Qt's own
// selection and editing out of the way: marks live in the document.
class TListengitter : public QTableWidget {
public:
    explicit TListengitter(TListenformular* form) : QTableWidget(form), form_(form) {}

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) {
            e->accept();
            return;
        }
        const QModelIndex index = indexAt(e->position().toPoint());
        if (index.isValid())
            form_->ZelleGedrueckt(index.row() + 1, index.column(),
                                  e->modifiers().testFlag(Qt::ControlModifier));
        setFocus(Qt::MouseFocusReason);
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) form_->MausLosgelassen();
        e->accept();
    }
    // The second click of a double click opens the dialog and leaves the
    // mark the first click set.
    void mouseDoubleClickEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) form_->Doppelklick();
        e->accept();
    }
    void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }
    // The key of a row the list runs itself (Delete) belongs to the list
    // while it has the focus, before the main window's shortcut for the same
    // key sees it.
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride &&
            ZeileZurTaste(static_cast<QKeyEvent*>(e)->key()) &&
            static_cast<QKeyEvent*>(e)->modifiers() == Qt::NoModifier) {
            e->accept();
            return true;
        }
        return QTableWidget::event(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_F1) {
            e->ignore();
            return;
        }
        form_->TasteGedrueckt(e->key());
        e->accept();
    }
    void keyReleaseEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_F1) {
            e->ignore();
            return;
        }
        form_->TasteLosgelassen(e->key());
        e->accept();
    }
    // A Ctrl released elsewhere never reaches the list; without the focus
    // the list cannot know it is still held.
    void focusOutEvent(QFocusEvent* e) override {
        form_->TasteLosgelassen(Qt::Key_Control);
        QTableWidget::focusOutEvent(e);
    }
    bool viewportEvent(QEvent* e) override {
        if (e->type() != QEvent::ToolTip) return QTableWidget::viewportEvent(e);
        auto* hilfe = static_cast<QHelpEvent*>(e);
        const QModelIndex index = indexAt(hilfe->pos());
        const TDokument* d = form_->dokument_;
        const TDreiDBasisElement* el =
            d && index.isValid() ? ElementInZeile(d->Liste(), index.row() + 1) : nullptr;
        if (!el) {
            QToolTip::hideText();
            e->ignore();
            return true;
        }
        QString text = Q(ZeilenHinweis(*el) + ExakterHinweis(*el));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        // The hint stays while the mouse is over the row and changes with it.
        QRect zeile = visualRect(index);
        zeile.setLeft(0);
        zeile.setRight(viewport()->width());
        QToolTip::showText(hilfe->globalPos(), Qt::convertFromPlainText(text, Qt::WhiteSpacePre),
                           viewport(), zeile);
        return true;
    }

private:
    TListenformular* form_;
};

TListenformular::TListenformular(QWidget* parent) : QDockWidget(parent) {
    setObjectName(QStringLiteral("Listenformular"));
    setWindowTitle(QStringLiteral("Objekte"));
    // It can be moved and floated but not closed: the program has no command
    // that would bring it back.
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    THilfe::SetzeKontext(this, 1200);

    auto* inhalt = new QWidget(this);
    auto* layout = new QVBoxLayout(inhalt);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);

    gitter_ = new TListengitter(this);
    gitter_->setObjectName(QStringLiteral("Listengitter"));
    gitter_->setColumnCount(AnzahlListenspalten);
    gitter_->setHorizontalHeaderLabels(
        {QStringLiteral("Art"), QStringLiteral("Name"), QStringLiteral("s"), QStringLiteral("B")});
    gitter_->verticalHeader()->hide();
    gitter_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gitter_->verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    gitter_->setSelectionMode(QAbstractItemView::NoSelection);
    gitter_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gitter_->setShowGrid(true);
    gitter_->setWordWrap(false);
    gitter_->setFocusPolicy(Qt::StrongFocus);
    gitter_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    gitter_->setItemDelegate(
        new TZellenMaler([this] { return static_cast<const TDokument*>(dokument_); }, gitter_));
    QHeaderView* kopf = gitter_->horizontalHeader();
    QFont kopfschrift = kopf->font();
    kopfschrift.setBold(true);
    kopf->setFont(kopfschrift);
    kopf->setSectionsClickable(true);
    kopf->setHighlightSections(false);
    kopf->setSortIndicatorShown(false);
    kopf->setMinimumSectionSize(Bildspalte);
    kopf->setSectionResizeMode(QHeaderView::Interactive);
    kopf->setSectionResizeMode(static_cast<int>(TListenspalte::Name), QHeaderView::Stretch);
    connect(kopf, &QHeaderView::sectionClicked, this, [this](int spalte) { KopfGeklickt(spalte); });
    SpaltenbreitenSetzen();
    layout->addWidget(gitter_, 1);

    auto* sortierbox = new QGroupBox(QStringLiteral("Sortieren nach"), inhalt);
    sortierbox->setObjectName(QStringLiteral("Sortierbox"));
    auto* knoepfe = new QVBoxLayout(sortierbox);
    knoepfe->setContentsMargins(4, 4, 4, 4);
    knoepfe->setSpacing(2);
    auto knopf = [&](const char* name, const char* text, TSortierung nach) {
        auto* b = new QPushButton(QString::fromUtf8(text), sortierbox);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, nach] { Sortiere(nach); });
        knoepfe->addWidget(b);
    };
    knopf("SortnachEntstehung", "Entstehung", TSortierung::Entstehung);
    knopf("SortnachObjektart", "Objektart", TSortierung::Objektart);
    knopf("SortnachMarkierung", "Markierung", TSortierung::Markierung);
    layout->addWidget(sortierbox, 0);
    setWidget(inhalt);

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("ListenPopupMenu"));
    for (const TBefehlszeile& z : Befehlstabelle()) {
        const TPopupPlatz& platz = z.ListenPopup;
        if (!platz.Vorhanden()) continue;
        if (platz.TrennerDavor) popup_->addSeparator();
        QAction* a = popup_->addAction(QString::fromUtf8(platz.Titel));
        a->setObjectName(QString::fromLatin1(platz.Name));
        if (VonDerListeAusgefuehrt(z)) {
            // Always there; without a document it does nothing.
            connect(a, &QAction::triggered, this, [this, &z] { ZeileAusfuehren(z); });
            continue;
        }
        a->setVisible(false);
        const QString befehl = QString::fromLatin1(z.Name);
        connect(a, &QAction::triggered, this, [this, befehl] {
            if (dokument_) emit BefehlAngefordert(befehl);
        });
    }
    connect(popup_, &QMenu::aboutToShow, this, [this] { ListenPopupMenuPopup(); });
    gitter_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(gitter_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { popup_->popup(gitter_->viewport()->mapToGlobal(pos)); });

    Aktualisieren();
}

void TListenformular::SpaltenbreitenSetzen() {
    // The picture columns are as narrow as the pictures allow, but never
    // narrower than their header, so "Art" stays readable.
    const QFontMetrics fm(gitter_->horizontalHeader()->font());
    const int rand =
        2 * gitter_->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, gitter_) + 2;
    for (int spalte : {0, 2, 3}) {
        const QString text = gitter_->horizontalHeaderItem(spalte)->text();
        gitter_->setColumnWidth(spalte, std::max(Bildspalte, fm.horizontalAdvance(text) + rand));
    }
}

void TListenformular::ZeigeDokument(TDokument* dokument) {
    dokument_ = dokument;
    zustand_.Zuruecksetzen();
    mehrfachauswahl_ = false;
    Aktualisieren();
}

void TListenformular::Aktualisieren() {
    const int zeilen = dokument_ ? dokument_->Liste().Anzahl() : 0;
    gitter_->setRowCount(zeilen);
    for (int r = 0; r < zeilen; ++r) {
        const TDreiDBasisElement* e = ElementInZeile(dokument_->Liste(), r + 1);
        // The text is what accessibility tools and tests read; the cell
        // itself is painted from the element.
        QTableWidgetItem* item = gitter_->item(r, static_cast<int>(TListenspalte::Name));
        if (!item) {
            item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            gitter_->setItem(r, static_cast<int>(TListenspalte::Name), item);
        }
        item->setText(e ? Q(AnzeigeName(*e)) : QString());
    }
    ZeilenFiltern();
    gitter_->viewport()->update();
}

void TListenformular::SetzeVerborgen(const std::vector<int>& nummern) {
    if (nummern == verborgen_) return;
    verborgen_ = nummern;
    ZeilenFiltern();
}

void TListenformular::ZeilenFiltern() {
    const int zeilen = gitter_->rowCount();
    for (int r = 0; r < zeilen; ++r) {
        const TDreiDBasisElement* e =
            dokument_ ? ElementInZeile(dokument_->Liste(), r + 1) : nullptr;
        const bool weg =
            e && std::find(verborgen_.begin(), verborgen_.end(), e->Nummer) != verborgen_.end();
        gitter_->setRowHidden(r, weg);
    }
}

bool TListenformular::ZeileVerborgen(int zeile) const {
    return gitter_->isRowHidden(zeile);
}

void TListenformular::ZelleGedrueckt(int zeile, int spalte, bool strg) {
    if (!dokument_) return;
    bool markierungGeaendert = false;
    const auto klick = [&](TListe& liste) {
        markierungGeaendert = zustand_.ZelleGeklickt(
            liste, zeile, static_cast<TListenspalte>(spalte), strg || mehrfachauswahl_);
    };
    if (SichtbarkeitsSpalte(spalte))
        // Visibility and labels are a change of the document: one step.
        sichtbarkeitGemeldet_ =
            SichtbarkeitKlicken(*dokument_, zustand_, klick) || sichtbarkeitGemeldet_;
    else
        dokument_->Markieren(klick);
    gitter_->viewport()->update();
    if (markierungGeaendert) emit DokumentGeaendert();
}

void TListenformular::KopfGeklickt(int spalte) {
    if (!dokument_) return;
    const auto klick = [&](TListe& liste) {
        zustand_.KopfGeklickt(liste, static_cast<TListenspalte>(spalte));
    };
    if (SichtbarkeitsSpalte(spalte))
        sichtbarkeitGemeldet_ =
            SichtbarkeitKlicken(*dokument_, zustand_, klick) || sichtbarkeitGemeldet_;
    else
        dokument_->Markieren(klick);
    // The header's click arrives with the release, so the release's work is
    // done right here.
    MausLosgelassen();
}

void TListenformular::MausLosgelassen() {
    if (!dokument_) return;
    // Visibility and labels changed with the press, in the document's
    // transaction; the main window learns of it now.
    if (std::exchange(sichtbarkeitGemeldet_, false)) emit DokumentGeaendert();
    gitter_->viewport()->update();
}

void TListenformular::Doppelklick() {
    if (!dokument_) return;
    AlsGeaendertMarkieren();
    if (TDreiDBasisElement* e = zustand_.AktuellesElement(dokument_->Liste()))
        emit ElementDoppelklick(e);
    // The dialog may have changed or added elements.
    if (dokument_) Aktualisieren();
}

void TListenformular::TasteGedrueckt(int taste) {
    if (!dokument_) return;
    if (taste == Qt::Key_Control) {
        mehrfachauswahl_ = true;
        AlsGeaendertMarkieren();
    } else if (const TBefehlszeile* z = ZeileZurTaste(taste)) {
        AlsGeaendertMarkieren();
        ZeileAusfuehren(*z);
    }
}

void TListenformular::TasteLosgelassen(int taste) {
    if (taste == Qt::Key_Control) mehrfachauswahl_ = false;
}

void TListenformular::ListenPopupMenuPopup() {
    const TAngebote angebote = dokument_ ? BerechneAngebote(dokument_->Liste()) : TAngebote{};
    for (const TBefehlszeile& z : Befehlstabelle()) {
        auto* a = z.ListenPopup.Vorhanden()
                      ? popup_->findChild<QAction*>(QString::fromLatin1(z.ListenPopup.Name))
                      : nullptr;
        if (!a) continue;
        // Without a document nothing is offered.
        if (const auto anzeige = Angebotsanzeige(z, angebote, TAngebotsort::ListenPopup))
            ZeigeAngebot(a, *anzeige);
    }
}

void TListenformular::AlsGeaendertMarkieren() {
    // Pressing Ctrl or Delete and opening an element flag the document as
    // modified, whatever follows.
    dokument_->AlsGeaendertMarkieren();
}

void TListenformular::ZeileAusfuehren(const TBefehlszeile& zeile) {
    if (!dokument_) return;
    // Deleting: the document asks, keeps the undo copy (even on "Nein") and
    // rebuilds.
    zeile.Ausfuehren(*dokument_);
    Aktualisieren();
    emit DokumentGeaendert();
}

void TListenformular::Sortiere(TSortierung nach) {
    if (!dokument_) return;
    dokument_->Markieren([nach](TListe& liste) { Sortieren(liste, nach); });
    Aktualisieren();
    emit DokumentGeaendert();
}

} // namespace kalvorin
