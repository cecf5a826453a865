#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

// The widget tests need a QApplication; without a display they use the
// offscreen platform. The main window reads and writes the user's settings
// file and keeps recovery copies, so the tests get a settings folder and a
// state folder of their own.
int main(int argc, char* argv[]) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir einstellungsOrdner;
    ::setenv("XDG_CONFIG_HOME", einstellungsOrdner.path().toLocal8Bit().constData(), 1);
    QTemporaryDir zustandsOrdner;
    ::setenv("XDG_STATE_HOME", zustandsOrdner.path().toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
