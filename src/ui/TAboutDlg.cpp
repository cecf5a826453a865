#include "ui/TAboutDlg.h"

#include "ui/Hilfe.h"
#include "ui/Startbild.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace kalvorin {

namespace {
class TKleinesBild : public QWidget {
public:
    explicit TKleinesBild(QWidget* eltern) : QWidget(eltern) { setFixedSize(139, 125); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        ZeichneStartbild(p, QRectF(rect()), false);
    }
};

const char* const MitwirkendenListe[] = {
    "Entwicklung: das Kalvorin-Team",
    "Mathematische Beratung: Arbeitskreis Analytische Geometrie",
    "Erprobung im Unterricht: Lehrerinnen und Lehrer",
    "   der Erprobungsschulen und ihre Klassen",
    "Hilfetexte: Redaktion Kalvorin-Lernsoftware",
    "Gestaltung der Bilder: das Kalvorin-Team",
    "Dank an alle Schülerinnen und Schüler,",
    "   die Fehler gefunden und Wünsche geäußert haben.",
};
} // namespace

TAboutDlg::TAboutDlg(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("AboutDlg"));
    setWindowTitle(QStringLiteral("Programm-Info"));
    setAttribute(Qt::WA_DeleteOnClose);
    THilfe::SetzeKontext(this, 930);

    auto* rahmen = new QFrame(this);
    rahmen->setObjectName(QStringLiteral("Bevel"));
    rahmen->setFrameShape(QFrame::StyledPanel);
    rahmen->setFrameShadow(QFrame::Sunken);

    ProgrammName = new QLabel(QStringLiteral("Kalvorin"), rahmen);
    ProgrammName->setObjectName(QStringLiteral("ProductName"));
    QFont nameSchrift;
    nameSchrift.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                             QStringLiteral("DejaVu Sans"), QStringLiteral("sans-serif")});
    nameSchrift.setStyleHint(QFont::SansSerif);
    nameSchrift.setPixelSize(32);
    nameSchrift.setBold(true);
    ProgrammName->setFont(nameSchrift);
    QPalette rot = ProgrammName->palette();
    rot.setColor(QPalette::WindowText, Qt::red);
    ProgrammName->setPalette(rot);

    Beschreibung = new QLabel(QStringLiteral("Ein Programm zur Analytischen Geometrie"), rahmen);
    Beschreibung->setObjectName(QStringLiteral("Comments"));
    Version = new QLabel(rahmen);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setText(QStringLiteral("Version 1.0 vom 1. Mai 2000"));

    Mitwirkende = new QListWidget(rahmen);
    Mitwirkende->setObjectName(QStringLiteral("Mitwirkende"));
    for (const char* zeile : MitwirkendenListe)
        Mitwirkende->addItem(QString::fromUtf8(zeile));
    Mitwirkende->setFixedHeight(Mitwirkende->sizeHintForRow(0) * Mitwirkende->count() +
                                2 * Mitwirkende->frameWidth() + 4);
    Mitwirkende->setSelectionMode(QAbstractItemView::NoSelection);
    Mitwirkende->setFocusPolicy(Qt::NoFocus);

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(new TKleinesBild(rahmen));
    auto* texte = new QVBoxLayout;
    texte->addWidget(ProgrammName);
    texte->addWidget(Beschreibung);
    texte->addWidget(Version);
    texte->addStretch(1);
    kopf->addLayout(texte, 1);

    auto* innen = new QVBoxLayout(rahmen);
    innen->addLayout(kopf);
    innen->addWidget(Mitwirkende);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    unten->addWidget(OKButton);
    unten->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rahmen);
    layout->addLayout(unten);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace kalvorin
