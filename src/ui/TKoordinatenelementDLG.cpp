#include "ui/TKoordinatenelementDLG.h"

#include "befehle/Befehle.h"
#include "document/Dokument.h"
#include "ui/TElementDLG.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kalvorin {

TKoordinatenelementDLG::TKoordinatenelementDLG(QWidget* eltern, bool ebene) : QDialog(eltern) {
    setObjectName(QStringLiteral("KoordinatenelementDLG"));
    setWindowTitle(ebene ? QStringLiteral("Koordinatenebene als Objekt")
                         : QStringLiteral("Koordinatenachse als Objekt"));
    auto* box = new QGroupBox(ebene ? QStringLiteral("Koordinatenebene")
                                    : QStringLiteral("Koordinatenachse"));
    auto* wahl = new QVBoxLayout(box);
    const std::vector<std::string> texte = Koordinatenelemente(ebene);
    for (std::size_t i = 0; i < Wahl.size(); ++i) {
        Wahl[i] = new QRadioButton(QString::fromStdString(texte[i]));
        Wahl[i]->setObjectName(QStringLiteral("KoordinatenelementWahl%1").arg(i + 1));
        wahl->addWidget(Wahl[i]);
    }
    Wahl[0]->setChecked(true);
    DialogKnoepfe(
        this, {&OKBtn, &CancelBtn, &HelpBtn}, {"OK", "Abbruch", "&Hilfe"},
        {"OKBtn", "CancelBtn", "HelpBtn"}, [this] { accept(); },
        [] { return QStringLiteral("IDH_Dialog_Koordinatenelement"); });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    knoepfe->addWidget(HelpBtn);
    auto* l = new QVBoxLayout(this);
    l->addWidget(box);
    l->addLayout(knoepfe);
}

int TKoordinatenelementDLG::Gewaehlt() const {
    for (std::size_t i = 0; i < Wahl.size(); ++i)
        if (Wahl[i]->isChecked()) return static_cast<int>(i);
    return 0;
}

namespace {

bool Zeigen(QWidget* hauptfenster, TDokument& dokument, bool ebene) {
    TKoordinatenelementDLG dialog(hauptfenster, ebene);
    if (dialog.exec() != QDialog::Accepted) return false;
    return KoordinatenelementFestlegen(dokument, ebene, dialog.Gewaehlt());
}

} // namespace

bool KoordinatenebeneDialog(QWidget* hauptfenster, TDokument& dokument) {
    return Zeigen(hauptfenster, dokument, true);
}

bool KoordinatenachseDialog(QWidget* hauptfenster, TDokument& dokument) {
    return Zeigen(hauptfenster, dokument, false);
}

} // namespace kalvorin
