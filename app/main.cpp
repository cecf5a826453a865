#include "model/Meldungen.h"
#include "storage/Einstellungen.h"
#include "ui/Hilfe.h"
#include "ui/QtMeldungen.h"
#include "ui/TMainForm.h"
#include "ui/TSplashForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {
// Lets the splash be painted before the slow part of the start begins.
void ZeigeSofort(QWidget& w) {
    w.show();
    w.raise();
    QElapsedTimer uhr;
    uhr.start();
    // Mapping and the first expose arrive from the window system; a few
    // rounds are enough, the limit only guards against a display that
    // never answers.
    while (uhr.elapsed() < 200) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        if (w.isVisible() && !w.visibleRegion().isEmpty())
            break;
    }
    w.repaint();
}
} // namespace

int main(int argc, char* argv[]) {
    // Qt needs its application object before any window can exist.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalvorin"));
    // The user's decimal separator, taken once and kept for the whole run.
    kalvorin::Einstellungen().Dezimaltrenner =
        QLocale().decimalPoint() == QStringLiteral(".") ? '.' : ',';
    // The program speaks German whatever the system's language: Qt's own
    // texts (file dialogs, window menus) too, where the translation is
    // installed.
    QTranslator qtTexte;
    if (qtTexte.load(QStringLiteral("qtbase_de"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    // 1. The splash, shown and painted at once.
    QPointer<kalvorin::TSplashForm> splash = new kalvorin::TSplashForm;
    ZeigeSofort(*splash);

    // 2. The program's services: messages and the wait cursor, help on F1.
    kalvorin::QtMeldungen meldungen;
    kalvorin::SetzeMeldungen(&meldungen);
    kalvorin::THilfe::InstalliereF1(app);

    // 3. The main window (it reads the settings).
    kalvorin::TMainForm hauptfenster;
    // INTEGRATION: create the object list TListenformular here, then the
    // element dialogs in this order: TDreieckDLG, TEbenenDLG, TGeradenDLG,
    // TPunktDLG, TVektorDLG, TStreckenDLG, TPfeilDLG, TPyramide3DLG.
    hauptfenster.show();
    // 4. INTEGRATION: show the object list here.
    if (splash)
        splash->raise();

    // 5. One empty document.
    hauptfenster.NeuClick();

    // 6. Run until the main window closes.
    const int ergebnis = app.exec();
    if (splash)
        delete splash.data();
    kalvorin::SetzeMeldungen(nullptr);
    return ergebnis;
}
