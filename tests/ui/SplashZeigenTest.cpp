// The splash is on the screen before the slow part of the start begins: the
// wait after showing it ends once the window system has exposed it and its
// picture is painted, not at its limit.

#include "ui/TSplashForm.h"

#include <QPointer>
#include <QWindow>

#include <gtest/gtest.h>

using namespace kalvorin;

TEST(SplashZeigen, WaitEndsWithThePicturePaintedOnTheExposedWindow) {
    QPointer<TSplashForm> f = new TSplashForm;
    // A limit far beyond any display's answer: reaching it would be a wait
    // that never sees the splash shown.
    EXPECT_TRUE(f->ZeigenUndWarten(60000));
    EXPECT_TRUE(f->isVisible());
    ASSERT_NE(f->windowHandle(), nullptr);
    EXPECT_TRUE(f->windowHandle()->isExposed());
    EXPECT_GE(f->Bild->Zeichnungen(), 1);
    delete f.data();
}

TEST(SplashZeigen, AnUnexposedSplashEndsAtTheLimit) {
    // Kept off the screen, it is never exposed: the wait gives up at its
    // limit and still paints the picture.
    QPointer<TSplashForm> f = new TSplashForm;
    f->setAttribute(Qt::WA_DontShowOnScreen);
    EXPECT_FALSE(f->ZeigenUndWarten(50));
    delete f.data();
}
