#pragma once
// The dialog of a figure given by its corners in order (the triangle's and
// the quadrilateral's): each corner chosen by name or typed with a new
// name, the area and the angles at the corners shown while typing. OK is
// the only accepting button. The concrete dialogs name the figure and its
// object names; this holds what they share.

#include "document/Dokument.h"
#include "ui/Messwertzeile.h"
#include "ui/TElementDLG.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <string>
#include <vector>

namespace kalvorin {

// E: the input model with its corners (Ecken); M: its measures (Flaeche,
// Winkel), computed by masse; N: the number of corners.
template <class E, class M, std::size_t N> class TEckenDialog : public TElementDialog<E> {
public:
    std::array<QGroupBox*, N> PunktBox{};
    std::array<QComboBox*, N> PunktName{};
    std::array<TElementDLG::TEdits, N> PunktEdits{};
    TMesswertLabel* FlaecheWert = nullptr;
    std::array<TMesswertLabel*, N> WinkelWert{};

protected:
    // The object names start with praefix ("Dreieck": "DreieckDLGName").
    TEckenDialog(const TEingabeArt<E>& art, const QString& titel, const QString& praefix,
                 M (*masse)(const TListe&, const E&), QWidget* eltern)
        : TElementDialog<E>(art, titel, praefix + QStringLiteral("DLGName"), eltern),
          masse_(masse) {
        const QString dlg = praefix + QStringLiteral("DLG");
        this->setObjectName(dlg);
        auto* bestimmung = new QWidget;
        auto* b = new QVBoxLayout(bestimmung);
        b->addLayout(Kopfzeile(dlg));
        for (std::size_t i = 0; i < N; ++i)
            b->addWidget(Ecke(dlg, i));
        b->addLayout(Winkelzeile(dlg));
        b->addWidget(this->EntstehungBox);
        b->addStretch(1);
        this->Zurueckhalten(this->EntstehungBox);

        // Page "Eigenschaften"
        auto* eigenschaften = new QWidget;
        auto* e = new QGridLayout(eigenschaften);
        e->addWidget(this->DickeGruppe(dlg + QStringLiteral("Checkduenn"),
                                       dlg + QStringLiteral("Checkdick")),
                     0, 0);
        e->addWidget(this->FarbGruppe(dlg + QStringLiteral("Farbe")), 0, 1);
        e->setRowStretch(1, 1);

        this->Fertigstellen(bestimmung, eigenschaften);
        // Each accepted dialog makes exactly one figure.
        this->UebernehmenKnopf->hide();
        this->EntstehungBox->hide();
    }

    QPixmap Muster(bool dick, TFarbe farbe) const override {
        return TElementDLG::LinienMuster(dick, farbe);
    }

private:
    QHBoxLayout* Kopfzeile(const QString& dlg) {
        auto* nameBox = new QGroupBox(QStringLiteral(" Name: "));
        (new QHBoxLayout(nameBox))->addWidget(this->NameEdit);
        auto* flaecheBox = new QGroupBox;
        flaecheBox->setObjectName(dlg + QStringLiteral("Flaeche"));
        FlaecheWert = new TMesswertLabel(dlg + QStringLiteral("FlaecheWert"));
        auto* fl = new QHBoxLayout(flaecheBox);
        fl->addWidget(new QLabel(QStringLiteral("Fläche: ")));
        fl->addWidget(FlaecheWert, 1);
        auto* oben = new QHBoxLayout;
        oben->addWidget(nameBox);
        oben->addStretch(1);
        oben->addWidget(flaecheBox);
        return oben;
    }

    QGroupBox* Ecke(const QString& dlg, std::size_t i) {
        const QString n = QString::number(i + 1);
        const QString praefix = dlg + QStringLiteral("Pkt") + n;
        PunktBox[i] =
            this->TeilGruppe(QStringLiteral(" %1. Punkt ").arg(n),
                             dlg + QStringLiteral("Punkt") + n, praefix + QStringLiteral("Name"),
                             praefix + QStringLiteral("X"), praefix + QStringLiteral("Y"),
                             praefix + QStringLiteral("Z"), PunktName[i], PunktEdits[i]);
        QObject::connect(PunktName[i], &QComboBox::editTextChanged, this,
                         [this, i] { NameGewaehlt(i); });
        for (QLineEdit* e : PunktEdits[i])
            QObject::connect(e, &QLineEdit::textChanged, this, [this] { this->EditGeaendert(); });
        return PunktBox[i];
    }

    QHBoxLayout* Winkelzeile(const QString& dlg) {
        auto* winkel = new QHBoxLayout;
        for (std::size_t i = 0; i < N; ++i) {
            const QString n = QString::number(i + 1);
            auto* box = new QGroupBox(QStringLiteral("%1. Winkel").arg(n));
            box->setObjectName(dlg + QStringLiteral("Winkel") + n);
            WinkelWert[i] = new TMesswertLabel(dlg + QStringLiteral("Winkel%1Wert").arg(n));
            (new QHBoxLayout(box))->addWidget(WinkelWert[i]);
            winkel->addWidget(box, 1);
        }
        return winkel;
    }

    void Zeigen() override {
        const TZeigen zeigen(this->Zeigend);
        const E& e = this->eingabe_;
        this->BasisZeigen(e);
        // Filling a list empties its edit text: only when the entries changed.
        if (punkteGezeigt_ != e.Punkte ||
            PunktName[0]->count() != static_cast<int>(e.Punkte.size())) {
            for (QComboBox* c : PunktName)
                ListeFuellen(c, e.Punkte, false);
            punkteGezeigt_ = e.Punkte;
        }
        for (std::size_t i = 0; i < N; ++i) {
            this->TextSetzen(PunktName[i], e.Ecken[i].Name);
            PunktName[i]->setEnabled(!e.Abgeleitet);
            this->EditsSetzen(PunktEdits[i], e.Ecken[i].Werte, e.Ecken[i].Fest || e.Abgeleitet);
        }
        const M m = this->Dokument ? masse_(this->Dokument->Liste(), e) : M{};
        FlaecheWert->SetzeWert(m.Flaeche);
        for (std::size_t i = 0; i < N; ++i)
            WinkelWert[i]->SetzeWert(m.Winkel[i]);
    }

    void Sammeln(E& e) const override {
        this->BasisSammeln(e);
        for (std::size_t i = 0; i < N; ++i)
            e.Ecken[i] = {PunktName[i]->currentText().toStdString(),
                          TElementDLG::EditTexte(PunktEdits[i]), e.Ecken[i].Fest};
    }

    void NameGewaehlt(std::size_t ecke) {
        this->TeilGeaendert([ecke](E& e) -> TTeilEingabe& { return e.Ecken[ecke]; }, PunktArten);
    }

    M (*masse_)(const TListe&, const E&);
    std::vector<std::string> punkteGezeigt_;
};

} // namespace kalvorin
