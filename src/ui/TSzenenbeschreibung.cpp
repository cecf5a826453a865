#include "ui/TSzenenbeschreibung.h"

#include "ausgabe/Szenentext.h"
#include "ui/Hilfe.h"
#include "ui/TGrafChildForm.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvorin {

TSzenenbeschreibung::TSzenenbeschreibung(tGrafChildForm* fenster, QWidget* eltern)
    : QDialog(eltern), fenster_(fenster) {
    setObjectName(QStringLiteral("Szenenbeschreibung"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    THilfe::SetzeKontext(this, 770);

    auto* beschriftung = new QLabel(QStringLiteral("&Objekte der Szene:"));
    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("SzenenText"));
    text_->setReadOnly(true);
    // Read-only, yet the cursor moves line by line for the screen reader.
    text_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text_->setAccessibleName(QStringLiteral("Beschreibung der Szene"));
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    beschriftung->setBuddy(text_);

    kopieren_ = new QPushButton(QStringLiteral("&Kopieren"));
    kopieren_->setObjectName(QStringLiteral("Kopieren"));
    kopieren_->setAccessibleDescription(QStringLiteral("Den ganzen Text in die Zwischenablage"));
    schliessen_ = new QPushButton(QStringLiteral("&Schließen"));
    schliessen_->setObjectName(QStringLiteral("Schliessen"));
    schliessen_->setDefault(true);
    connect(kopieren_, &QPushButton::clicked, this, &TSzenenbeschreibung::KopierenClick);
    connect(schliessen_, &QPushButton::clicked, this, &QDialog::close);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(kopieren_);
    knoepfe->addWidget(schliessen_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(beschriftung);
    layout->addWidget(text_);
    layout->addLayout(knoepfe);
    setTabOrder(text_, kopieren_);
    setTabOrder(kopieren_, schliessen_);

    const QFontMetrics fm(text_->font());
    resize(fm.horizontalAdvance(QLatin1Char('x')) * 90, fm.lineSpacing() * 20);
    if (fenster)
        connect(fenster, &tGrafChildForm::DokumentGeaendert, this, [this] { Aktualisieren(); });
    Aktualisieren();
    text_->setFocus();
}

QString TSzenenbeschreibung::Text() const {
    return text_->toPlainText();
}

void TSzenenbeschreibung::Aktualisieren() {
    if (!fenster_) return;
    setWindowTitle(QStringLiteral("Szene beschreiben - ") + fenster_->Beschriftung());
    text_->setPlainText(QString::fromStdString(SzenentextGanz(fenster_->Dokument().Liste())));
}

void TSzenenbeschreibung::KopierenClick() {
    QApplication::clipboard()->setText(Text());
}

} // namespace kalvorin
