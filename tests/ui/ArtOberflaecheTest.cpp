#include "model/Elementarten.h"
#include "ui/ElementDialoge.h"
#include "ui/TElementDLG.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTabWidget>

#include <set>

using namespace kalvorin;

// The user interface's side of the kind table is complete: a row per kind
// byte, a dialog exactly for the kinds that have elements, each dialog
// serving its own kind, and a picture of its own for each of them.
TEST(ArtOberflaeche, EveryKindWithElementsHasItsDialogAndPicture) {
    std::set<TObjektbild> bilder;
    for (std::size_t i = 0; i < ArtOberflaeche.size(); ++i) {
        const TArtOberflaeche& o = ArtOberflaeche[i];
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

TEST(ArtOberflaeche, EachDialogShowsTheHelpTopicsOfItsRow) {
    for (const TArtOberflaeche& o : ArtOberflaeche) {
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
