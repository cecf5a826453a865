#include "ui/Gleichungsseite.h"

#include "exakt/Gleichungen.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTabWidget>

namespace kalvorin {

QPlainTextEdit* GleichungsSeiteAnlegen(QTabWidget* seiten, const QString& objektname) {
    auto* seite = new QPlainTextEdit;
    seite->setObjectName(objektname);
    seite->setReadOnly(true);
    seite->setLineWrapMode(QPlainTextEdit::NoWrap);
    seite->setAccessibleName(QStringLiteral("Gleichungen"));
    QFont schrift = seite->font();
    schrift.setPointSizeF(schrift.pointSizeF() * 1.15);
    seite->setFont(schrift);
    const int index = seiten->addTab(seite, QStringLiteral("Gleichungen"));
    seiten->setTabVisible(index, false);
    return seite;
}

void GleichungsSeiteZeigen(QTabWidget* seiten, QPlainTextEdit* seite, const TDreiDBasisElement* e) {
    const int index = seiten->indexOf(seite);
    if (e == nullptr) {
        seiten->setTabVisible(index, false);
        return;
    }
    exakt::TExakteAuswertung auswertung;
    QString text;
    for (const exakt::TForm& f : exakt::Formen(auswertung, *e))
        text += QString::fromStdString(f.Name) + QStringLiteral(":\n    ") +
                QString::fromStdString(f.Text) + QStringLiteral("\n\n");
    if (text.isEmpty())
        text = QStringLiteral("Für dieses Objekt gibt es keine exakten Werte: eine Zahl ist kein "
                              "Bruch\nmit kleinem Nenner, oder die Konstruktion führt auf "
                              "Wurzeln.");
    seite->setPlainText(text);
    seiten->setTabVisible(index, true);
}

} // namespace kalvorin
