#include "ui/TMainForm.h"

#include <gtest/gtest.h>

using namespace kalvorin;

TEST(TMainForm, Caption) {
    TMainForm f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Kalvorin - Analytische Geometrie"));
}
