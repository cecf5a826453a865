#include "document/Dokument.h"
#include "document/Testzugang.h"
#include "model/ElementBauer.h"
#include "model/Elementarten.h"
#include "model/Meldungen.h"
#include "ui/ElementDialoge.h"
#include "ui/TElementDLG.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <set>

using namespace kalvorin;

namespace {
// The dialogs these tests open have no main window; later tests get their
// own.
class ArtOberflaeche : public ::testing::Test {
protected:
    void TearDown() override {
        for (const TArtOberflaeche& o : kalvorin::ArtOberflaeche)
            if (o.Dialog) delete ElementDialog(o.Art);
    }
};
} // namespace

// The user interface's side of the kind table is complete: a row per kind
// byte, a dialog exactly for the kinds that have elements, each dialog
// serving its own kind, and a picture of its own for each of them.
TEST_F(ArtOberflaeche, EveryKindWithElementsHasItsDialogAndPicture) {
    std::set<TObjektbild> bilder;
    for (std::size_t i = 0; i < kalvorin::ArtOberflaeche.size(); ++i) {
        const TArtOberflaeche& o = kalvorin::ArtOberflaeche[i];
        const TArtangaben& a = Elementarten[i];
        ASSERT_EQ(o.Art, a.Art) << i;
        EXPECT_EQ(o.Dialog != nullptr, a.Neu != nullptr) << a.Name;
        EXPECT_EQ(BildFuerArt(static_cast<int>(i)), o.Bild);
        if (!o.Dialog) continue;
        EXPECT_TRUE(bilder.insert(o.Bild).second) << a.Name;
        TElementDLG* d = ElementDialog(o.Art);
        ASSERT_NE(d, nullptr) << a.Name;
        EXPECT_EQ(d->Art(), o.Art) << a.Name;
        EXPECT_EQ(ElementDialog(o.Art), d) << "created once";
    }
}

TEST_F(ArtOberflaeche, EachDialogShowsTheHelpTopicsOfItsRow) {
    for (const TArtOberflaeche& o : kalvorin::ArtOberflaeche) {
        if (!o.Dialog) continue;
        TElementDLG* d = ElementDialog(o.Art);
        ASSERT_NE(d, nullptr);
        d->Seiten->setCurrentWidget(d->SeiteBestimmung);
        EXPECT_EQ(d->HilfeThema(), QString::fromLatin1(o.HilfeBestimmung));
        if (!o.HilfeEigenschaften) {
            EXPECT_EQ(d->SeiteEigenschaften, nullptr);
            continue;
        }
        d->Seiten->setCurrentWidget(d->SeiteEigenschaften);
        EXPECT_EQ(d->HilfeThema(), QString::fromLatin1(o.HilfeEigenschaften));
        d->Seiten->setCurrentWidget(d->SeiteBestimmung);
    }
}

// Properties mode prepares every kind the same way, whatever the dialog did
// before: the element's name, page "Bestimmung", nothing accepted or added
// yet, and the element's own values (a derived look stays the element's).
TEST_F(ArtOberflaeche, PropertiesModeStartsAfreshForEveryKind) {
    TMeldungsProtokoll protokoll;
    TDokument dok;
    test::TElementBauer bau{test::Liste(dok)};
    auto* a = bau.P("A", {0, 0, 0});
    auto* b = bau.P("B", {1, 0, 0});
    auto* c = bau.P("C", {0, 1, 0});
    auto* s = bau.P("S", {0, 0, 1});
    auto* v = bau.V("v", {1, 2, 3});
    auto* dr = bau.Dr("D1", a, b, c);
    const TDreiDBasisElement* elemente[] = {a,
                                            v,
                                            bau.PfPV("Pf1", a, v),
                                            bau.S("S1", a, b),
                                            bau.GPP("g1", a, b),
                                            dr,
                                            bau.Py("DP1", dr, s),
                                            bau.EPAR("E1", {0, 0, 0}, {1, 0, 0}, {0, 1, 0})};
    dok.Neuaufbau();
    for (const TDreiDBasisElement* e : elemente) {
        TElementDLG* d = ElementDialog(e->Art);
        ASSERT_NE(d, nullptr) << e->Name;
        d->FuerNeuesElement(dok);
        if (d->SeiteEigenschaften) d->Seiten->setCurrentWidget(d->SeiteEigenschaften);
        d->Uebernommen = d->Akzeptiert = true;
        d->FuerElement(dok, dok.Liste().SlotVon(e));
        EXPECT_EQ(d->NameEdit->text(), QString::fromStdString(e->Name));
        EXPECT_EQ(d->Seiten->currentWidget(), d->SeiteBestimmung) << e->Name;
        EXPECT_FALSE(d->Uebernommen) << e->Name;
        EXPECT_FALSE(d->Akzeptiert) << e->Name;
        EXPECT_EQ(d->Dokument, &dok);
    }
    EXPECT_TRUE(protokoll.Eintraege.empty());
}
