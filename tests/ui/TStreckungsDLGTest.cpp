// The dilation factor dialog as the user meets it: it opens for the marked
// point, takes the factor as a number or as a ratio of two lengths, refuses
// wrong factors with a warning and stays open, and moves the centre role.
#include "ui/TStreckungsDLG.h"
#include "Testnamen.h"
#include "document/Testzugang.h"

#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "ui/Hilfe.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>

using namespace kalvorin;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(test::MitTrenner(s));
}

QStringList Eintraege(const QComboBox* c) {
    QStringList l;
    for (int i = 0; i < c->count(); ++i)
        l << c->itemText(i);
    return l;
}

// A, C and the segment s = AC of length 6; the vector v of length 4, the
// zero vector n; the marked point Z and the point Y.
class Streckungsdialog : public ::testing::TestWithParam<char> {
protected:
    void SetUp() override {
        Einstellungen().Dezimaltrenner = GetParam();
        A = Punkt("A", {0, 0, 0});
        C = Punkt("C", {0, 6, 0});
        s = test::Liste(dok).Neu<TStrecke>();
        s->Name = "s";
        s->Bezuege = {A, C, nullptr};
        v = Vektor("v", {0, 0, 4});
        Y = Punkt("Y", {1, 1, 1});
        n = Vektor("n", {0, 0, 0});
        Z = Punkt("Z", {2, 2, 2});
        Z->markiert = true;
        dok.Neuaufbau();
        test::SetzeGeaendert(dok, false);
    }
    void Oeffnen() {
        d = std::make_unique<TStreckungsDLG>(dok);
        d->show();
    }
    TfrPunkt* Punkt(const char* name, TTripel k) {
        auto* p = test::Liste(dok).Neu<TfrPunkt>();
        p->Name = name;
        p->Koordinaten = k;
        return p;
    }
    TVektor* Vektor(const char* name, TTripel k) {
        auto* x = test::Liste(dok).Neu<TVektor>();
        x->Name = name;
        x->Komponenten = k;
        return x;
    }
    // Types the factor in number mode and presses "OK".
    void ZahlOk(const std::string& text) {
        d->StreckungsDLGZahl->setText(Q(text));
        d->OKBtn->click();
    }
    void Verhaeltnis(const std::string& oben, const std::string& unten) {
        d->StreckungsDLGS1->setCurrentText(Q(oben));
        d->StreckungsDLGS2->setCurrentText(Q(unten));
    }
    std::string Anzeige() const { return d->StreckungsDLGVerhaeltnis->text().toStdString(); }
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& e : protokoll.Eintraege)
            t.push_back(e.Text);
        return t;
    }

    test::TEinstellungenSichern sichern;
    TMeldungsProtokoll protokoll;
    TDokument dok;
    TfrPunkt *A = nullptr, *C = nullptr, *Y = nullptr, *Z = nullptr;
    TStrecke* s = nullptr;
    TVektor *v = nullptr, *n = nullptr;
    std::unique_ptr<TStreckungsDLG> d;
};

TEST_P(Streckungsdialog, OpensInNumberModeForTheMarkedPoint) {
    Oeffnen();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Streckungsfaktor festlegen"));
    EXPECT_EQ(d->StreckungsDLGZentrum->text(), QStringLiteral("Z"));
    EXPECT_EQ(d->StreckungsDLGZahl->text(), QStringLiteral("1"));
    EXPECT_EQ(Anzeige(), "nicht festgelegt!");
    EXPECT_TRUE(d->StreckungsDLGZahlButton->isChecked());
    EXPECT_TRUE(d->StreckungsDLGZahlBox->isVisible());
    EXPECT_FALSE(d->StreckungsDLGVerhaeltnisBox->isVisible());
    // Vectors and segments only, in list order.
    const QStringList namen{QStringLiteral("s"), QStringLiteral("v"), QStringLiteral("n")};
    EXPECT_EQ(Eintraege(d->StreckungsDLGS1), namen);
    EXPECT_EQ(Eintraege(d->StreckungsDLGS2), namen);
    for (QLabel* l : {d->Laenge1, d->Kla1, d->Laenge2, d->Kla2})
        EXPECT_TRUE(l->text().isEmpty());
    EXPECT_EQ(d->CancelBtn->text(), QStringLiteral("Abbruch"));
    EXPECT_EQ(d->HelpBtn->text(), QStringLiteral("&Hilfe"));
    EXPECT_EQ(THilfe::SeiteFuer(d.get()),
              THilfe::SeiteZuThema(QStringLiteral("IDH_Dialog_Streckung")));
}

TEST_P(Streckungsdialog, ShowsTheStoredFactorOfTheNewCentre) {
    Z->SetzeRolle(TRolle::IstStreckungszentrum, true);
    Z->Streckungsfaktor = 2.5L;
    Oeffnen();
    EXPECT_EQ(d->StreckungsDLGZahl->text(), Q("2,5"));
}

TEST_P(Streckungsdialog, NumberMakesTheMarkedPointTheCentre) {
    Oeffnen();
    ZahlOk("2");
    EXPECT_TRUE(protokoll.Eintraege.empty());
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_TRUE(Z->Rolle(TRolle::IstStreckungszentrum));
    EXPECT_EQ(Z->Streckungsfaktor, 2);
    EXPECT_TRUE(dok.Geaendert());
}

TEST_P(Streckungsdialog, FractionsAndDecimalsAreAccepted) {
    Oeffnen();
    ZahlOk("-1/2");
    EXPECT_EQ(Z->Streckungsfaktor, -0.5L);
    Oeffnen();
    ZahlOk("2,5");
    EXPECT_EQ(Z->Streckungsfaktor, 2.5L);
    EXPECT_TRUE(protokoll.Eintraege.empty());
}

TEST_P(Streckungsdialog, WrongFactorsAreRefusedAndTheDialogStaysOpen) {
    Oeffnen();
    for (const char* falsch : {"300", "abc", ""})
        ZahlOk(falsch);
    ZahlOk("0");
    EXPECT_EQ(Texte(), (std::vector<std::string>{"Falsche Eingabe des Streckungsfaktors!",
                                                 "Falsche Eingabe des Streckungsfaktors!",
                                                 "Falsche Eingabe des Streckungsfaktors!",
                                                 "Streckungsfaktor ist 0!"}));
    for (const auto& e : protokoll.Eintraege)
        EXPECT_EQ(e.Art, TMeldungsart::Warnung);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(Z->Rolle(TRolle::IstStreckungszentrum));
    EXPECT_EQ(Z->Streckungsfaktor, 1);
    EXPECT_FALSE(dok.Geaendert());
    // Putting it right is still possible.
    ZahlOk("3");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(Z->Streckungsfaktor, 3);
}

TEST_P(Streckungsdialog, TheRoleMovesFromTheFormerCentre) {
    Y->SetzeRolle(TRolle::IstStreckungszentrum, true);
    Y->Streckungsfaktor = 3;
    Oeffnen();
    ZahlOk("2");
    EXPECT_FALSE(Y->Rolle(TRolle::IstStreckungszentrum));
    EXPECT_EQ(Y->Streckungsfaktor, 1);
    EXPECT_TRUE(Z->Rolle(TRolle::IstStreckungszentrum));
    EXPECT_EQ(Z->Streckungsfaktor, 2);
}

TEST_P(Streckungsdialog, CancelChangesNothing) {
    Oeffnen();
    d->StreckungsDLGZahl->setText(QStringLiteral("2"));
    d->CancelBtn->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(Z->Rolle(TRolle::IstStreckungszentrum));
    EXPECT_FALSE(dok.Geaendert());
}

TEST_P(Streckungsdialog, RatioOfASegmentOverAVector) {
    Oeffnen();
    d->StreckungsDLGVerhaeltnisButton->click();
    EXPECT_FALSE(d->StreckungsDLGZahlBox->isVisible());
    EXPECT_TRUE(d->StreckungsDLGVerhaeltnisBox->isVisible());
    EXPECT_TRUE(d->StreckungsDLGS1->currentText().isEmpty());
    EXPECT_TRUE(d->StreckungsDLGS2->currentText().isEmpty());
    EXPECT_EQ(Anzeige(), "nicht festgelegt!");

    d->StreckungsDLGS1->setCurrentIndex(0);
    EXPECT_EQ(d->Laenge1->text(), QStringLiteral("Länge("));
    EXPECT_EQ(d->Kla1->text(), QStringLiteral(")"));
    EXPECT_EQ(Anzeige(), "nicht festgelegt!");
    d->StreckungsDLGS2->setCurrentIndex(1);
    EXPECT_EQ(d->Laenge2->text(), QStringLiteral("Länge("));
    EXPECT_EQ(Anzeige(), test::MitTrenner("= 1,5"));
    EXPECT_EQ(d->Faktor(), 1.5L);
    d->OKBtn->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(Z->Streckungsfaktor, 1.5L);
}

TEST_P(Streckungsdialog, RatioFromTypedNumbersAndBadTexts) {
    Oeffnen();
    d->StreckungsDLGVerhaeltnisButton->click();
    Verhaeltnis("3/2", "1");
    EXPECT_TRUE(d->Laenge1->text().isEmpty());
    EXPECT_TRUE(d->Kla2->text().isEmpty());
    EXPECT_EQ(Anzeige(), test::MitTrenner("= 1,5"));

    // A zero length below gives the factor 1.
    Verhaeltnis("s", "n");
    EXPECT_EQ(d->Faktor(), 1);
    EXPECT_EQ(Anzeige(), "= 1");

    Verhaeltnis("s", "v");
    EXPECT_EQ(d->Faktor(), 1.5L);
    // A point has no length: the factor stays as it was.
    Verhaeltnis("A", "v");
    EXPECT_EQ(d->Laenge1->text(), QStringLiteral("Länge("));
    EXPECT_EQ(Anzeige(), "nicht festgelegt!");
    EXPECT_EQ(d->Faktor(), 1.5L);
    // Unreadable text: back to 1.
    Verhaeltnis("zwei", "v");
    EXPECT_TRUE(d->Laenge1->text().isEmpty());
    EXPECT_EQ(Anzeige(), "nicht festgelegt!");
    EXPECT_EQ(d->Faktor(), 1);
}

TEST_P(Streckungsdialog, SwitchingModesStartsAgainFromOne) {
    Oeffnen();
    d->StreckungsDLGVerhaeltnisButton->click();
    Verhaeltnis("s", "v");
    d->StreckungsDLGZahlButton->click();
    EXPECT_EQ(d->StreckungsDLGZahl->text(), QStringLiteral("1"));
    EXPECT_EQ(d->Faktor(), 1);
    d->StreckungsDLGZahl->setText(QStringLiteral("7"));
    d->StreckungsDLGVerhaeltnisButton->click();
    EXPECT_TRUE(d->StreckungsDLGS1->currentText().isEmpty());
    EXPECT_EQ(Anzeige(), "nicht festgelegt!");
    EXPECT_TRUE(d->Laenge1->text().isEmpty());
    // "OK" without a ratio keeps the factor 1.
    d->OKBtn->click();
    EXPECT_EQ(Z->Streckungsfaktor, 1);
    EXPECT_TRUE(Z->Rolle(TRolle::IstStreckungszentrum));
}

TEST(StreckungsdialogAufruf, NotShownWhenTheMarksDoNotOfferIt) {
    TDokument dok;
    EXPECT_FALSE(StreckungsDialog(nullptr, dok));
}

INSTANTIATE_TEST_SUITE_P(Trenner, Streckungsdialog, ::testing::Values(',', '.'),
                         testnamen::Trenner);

} // namespace
