#include "ui/Fensteranordnung.h"
#include "Testnamen.h"

#include <gtest/gtest.h>

using namespace kalvorin;

TEST(Fensteranordnung, FrameLeavesRoomForTheObjectListAndFillsTheHeight) {
    EXPECT_EQ(HauptfensterRahmen(QRect(0, 0, 1280, 994)), QRect(0, 0, 1135, 994));
    // A panel at the top or left moves the frame with the usable area.
    EXPECT_EQ(HauptfensterRahmen(QRect(40, 28, 1024, 740)), QRect(40, 28, 879, 740));
}

TEST(Fensteranordnung, FrameNeverBelowItsMinimum) {
    const QRect r = HauptfensterRahmen(QRect(0, 0, 300, 150));
    EXPECT_EQ(r.width(), 250);
    EXPECT_EQ(r.height(), 200);
}

struct TKlemmFall {
    QRect Vorher;
    QRect Nachher;
};

class ImClientbereichTest : public ::testing::TestWithParam<TKlemmFall> {};

TEST_P(ImClientbereichTest, KeepsWindowReachable) {
    EXPECT_EQ(ImClientbereich(GetParam().Vorher, QSize(400, 300)), GetParam().Nachher);
}

INSTANTIATE_TEST_SUITE_P(Faelle, ImClientbereichTest,
                         ::testing::Values(
                             // inside: unchanged
                             TKlemmFall{QRect(10, 20, 100, 100), QRect(10, 20, 100, 100)},
                             // negative position becomes 0
                             TKlemmFall{QRect(-30, -5, 100, 100), QRect(0, 0, 100, 100)},
                             // cut at the right and bottom edges
                             TKlemmFall{QRect(250, 150, 300, 300), QRect(250, 150, 150, 150)},
                             // cut to a sliver: moved back so that 50 × 75 stay in view
                             TKlemmFall{QRect(380, 10, 100, 100), QRect(350, 10, 50, 100)},
                             TKlemmFall{QRect(10, 280, 100, 100), QRect(10, 225, 100, 75)},
                             // entirely outside
                             TKlemmFall{QRect(900, 900, 100, 100), QRect(350, 225, 50, 75)}),
                         testnamen::Nach([](const TKlemmFall& f) {
                             const QRect& r = f.Vorher;
                             return testnamen::Zahlen(r.x(), r.y(), r.width(), r.height());
                         }));

TEST(Fensteranordnung, TinyClientNeverPushesWindowsOutAtTheTop) {
    const QRect r = ImClientbereich(QRect(0, 0, 100, 100), QSize(30, 40));
    EXPECT_GE(r.x(), 0);
    EXPECT_GE(r.y(), 0);
}

TEST(Fensteranordnung, SideBySideAndOneAboveTheOther) {
    const QRect client(0, 0, 600, 400);
    const auto neben = NebeneinanderAnordnen(3, client);
    ASSERT_EQ(neben.size(), 3);
    EXPECT_EQ(neben[0], QRect(0, 0, 200, 400));
    EXPECT_EQ(neben[2], QRect(400, 0, 200, 400));
    const auto ueber = UebereinanderAnordnen(2, client);
    ASSERT_EQ(ueber.size(), 2);
    EXPECT_EQ(ueber[0], QRect(0, 0, 600, 200));
    EXPECT_EQ(ueber[1], QRect(0, 200, 600, 200));
    EXPECT_TRUE(NebeneinanderAnordnen(0, client).isEmpty());
}

class AnordnungTest : public ::testing::TestWithParam<int> {};

// Whatever the number of windows, they cover the client area without
// overlapping and none is empty.
TEST_P(AnordnungTest, TilesCoverTheClientExactly) {
    const int n = GetParam();
    const QRect client(0, 0, 997, 613);
    for (const auto& lagen : {NebeneinanderAnordnen(n, client), UebereinanderAnordnen(n, client)}) {
        ASSERT_EQ(lagen.size(), n);
        long long flaeche = 0;
        for (int i = 0; i < n; ++i) {
            EXPECT_FALSE(lagen[i].isEmpty());
            EXPECT_TRUE(client.contains(lagen[i]));
            flaeche += static_cast<long long>(lagen[i].width()) * lagen[i].height();
            for (int j = 0; j < i; ++j)
                EXPECT_FALSE(lagen[i].intersects(lagen[j])) << i << " " << j;
        }
        EXPECT_EQ(flaeche, static_cast<long long>(client.width()) * client.height());
    }
}

INSTANTIATE_TEST_SUITE_P(Anzahlen, AnordnungTest, ::testing::Values(1, 2, 3, 4, 5, 7, 10, 13),
                         testnamen::Nach([](int n) { return std::to_string(n) + "_Fenster"; }));

TEST(Fensteranordnung, CascadeKeepsEveryWindowLargeEnoughToWorkIn) {
    const QRect client(0, 0, 1200, 800);
    // Two windows: the stack needs one step, the windows fill the rest.
    const QVector<QRect> zwei = UeberlappendAnordnen(2, client, 30);
    ASSERT_EQ(zwei.size(), 2);
    EXPECT_EQ(zwei[0], QRect(0, 0, 1155, 770));
    EXPECT_EQ(zwei[1], QRect(45, 30, 1155, 770));
    // Many windows: never below two thirds of the client area, never beyond
    // it; the stack starts again at the top left.
    const QVector<QRect> viele = UeberlappendAnordnen(15, client, 30);
    ASSERT_EQ(viele.size(), 15);
    for (const QRect& r : viele) {
        EXPECT_EQ(r.size(), QSize(800, 533));
        EXPECT_TRUE(client.contains(r)) << r.x() << "," << r.y();
    }
    EXPECT_EQ(viele[0].topLeft(), QPoint(0, 0));
    EXPECT_EQ(viele[1].topLeft(), QPoint(45, 30));
    EXPECT_EQ(viele[9].topLeft(), QPoint(0, 0));
    // A client area smaller than one step: all in one place, inside it.
    for (const QRect& r : UeberlappendAnordnen(3, QRect(0, 0, 40, 20), 30))
        EXPECT_EQ(r, QRect(0, 0, 26, 13));
    EXPECT_TRUE(UeberlappendAnordnen(0, client, 30).isEmpty());
}
