#include "ui/QtMeldungen.h"

#include "ui/Barrierefreiheit.h"

#include <QApplication>
#include <QCursor>
#include <QPushButton>

namespace kalvorin {

namespace {
// Boxes belong to the window the user works in, so they stay on top of it
// and are blocked together with it.
QWidget* Besitzer(QWidget* eltern) {
    if (eltern) return eltern;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

// German button texts, independent of whether a Qt translation is installed.
void Beschrifte(QMessageBox& box) {
    const struct {
        QMessageBox::StandardButton Knopf;
        const char* Text;
    } texte[] = {{QMessageBox::Ok, "OK"},
                 {QMessageBox::Yes, "&Ja"},
                 {QMessageBox::No, "&Nein"},
                 {QMessageBox::Cancel, "Abbrechen"}};
    for (const auto& t : texte)
        if (QAbstractButton* b = box.button(t.Knopf)) b->setText(QString::fromUtf8(t.Text));
}

// While a long operation shows the wait cursor, a box it raises must still
// show the arrow over its buttons.
class TPfeilWaehrendBox {
public:
    explicit TPfeilWaehrendBox(bool noetig) : noetig_(noetig) {
        if (noetig_) QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    }
    ~TPfeilWaehrendBox() {
        if (noetig_) QApplication::restoreOverrideCursor();
    }
    TPfeilWaehrendBox(const TPfeilWaehrendBox&) = delete;
    TPfeilWaehrendBox& operator=(const TPfeilWaehrendBox&) = delete;

private:
    bool noetig_;
};
} // namespace

QtMeldungen::~QtMeldungen() {
    while (cursorTiefe_ > 0)
        WarteCursor(false);
}

QString QtMeldungen::AnzeigeText(const std::string& text) {
    QString s = QString::fromUtf8(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

std::unique_ptr<QMessageBox> QtMeldungen::MeldungsBox(const std::string& text, TMeldungsart art,
                                                      const std::string& titel, QWidget* eltern) {
    QMessageBox::Icon symbol = QMessageBox::Warning;
    if (art == TMeldungsart::Information)
        symbol = QMessageBox::Information;
    else if (art == TMeldungsart::Fehler)
        symbol = QMessageBox::Critical;
    auto box = std::make_unique<QMessageBox>(symbol, QString::fromUtf8(titel), AnzeigeText(text),
                                             QMessageBox::Ok, Besitzer(eltern));
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    Beschrifte(*box);
    return box;
}

std::unique_ptr<QMessageBox> QtMeldungen::FrageBox(const std::string& text, TFrageKnoepfe knoepfe,
                                                   const std::string& titel, QWidget* eltern) {
    const bool mitAbbrechen = knoepfe == TFrageKnoepfe::JaNeinAbbrechen;
    const QMessageBox::StandardButtons knoepfeQt =
        mitAbbrechen ? (QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                     : (QMessageBox::Yes | QMessageBox::No);
    // Every question of the program asks before something is lost or
    // changed, so it carries the exclamation sign.
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, QString::fromUtf8(titel),
                                             AnzeigeText(text), knoepfeQt, Besitzer(eltern));
    box->setDefaultButton(QMessageBox::Yes);
    box->setEscapeButton(mitAbbrechen ? QMessageBox::Cancel : QMessageBox::No);
    Beschrifte(*box);
    return box;
}

TAntwort QtMeldungen::AntwortFuer(int knopf, TFrageKnoepfe knoepfe) {
    switch (knopf) {
    case QMessageBox::Yes:
        return TAntwort::Ja;
    case QMessageBox::No:
        return TAntwort::Nein;
    default:
        return knoepfe == TFrageKnoepfe::JaNeinAbbrechen ? TAntwort::Abbrechen : TAntwort::Nein;
    }
}

void QtMeldungen::Meldung(const std::string& text, TMeldungsart art, const std::string& titel) {
    // Results are told to the screen reader in the window they belong to,
    // before the box takes the focus.
    if (art == TMeldungsart::Information) ErgebnisAnsagen(AnzeigeText(text));
    auto box = MeldungsBox(text, art, titel);
    TPfeilWaehrendBox pfeil(cursorTiefe_ > 0);
    box->exec();
}

TAntwort QtMeldungen::Frage(const std::string& text, TFrageKnoepfe knoepfe,
                            const std::string& titel) {
    auto box = FrageBox(text, knoepfe, titel);
    TPfeilWaehrendBox pfeil(cursorTiefe_ > 0);
    box->exec();
    QAbstractButton* geklickt = box->clickedButton();
    const int knopf = geklickt ? static_cast<int>(box->standardButton(geklickt))
                               : static_cast<int>(QMessageBox::NoButton);
    return AntwortFuer(knopf, knoepfe);
}

void QtMeldungen::WarteCursor(bool an) {
    if (an) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ++cursorTiefe_;
    } else if (cursorTiefe_ > 0) {
        // An unmatched "off" must not take away a cursor someone else set.
        QApplication::restoreOverrideCursor();
        --cursorTiefe_;
    }
}

} // namespace kalvorin
