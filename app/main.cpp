#include "document/Dokument.h"
#include "model/Meldungen.h"
#include "storage/Einstellungen.h"
#include "ui/Hilfe.h"
#include "ui/QtMeldungen.h"
#include "ui/ElementDialoge.h"
#include "ui/ObjektlistenAnbindung.h"
#include "ui/TListenformular.h"
#include "ui/TMainForm.h"
#include "ui/TSplashForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {
// Milliseconds since the process was started (the kernel's start time has a
// resolution of one clock tick, usually 10 ms); -1 when it cannot be read.
double MillisekundenSeitProzessstart() {
    std::ifstream stat("/proc/self/stat");
    std::string zeile;
    if (!std::getline(stat, zeile))
        return -1;
    // The command name in parentheses may contain blanks; the fields after
    // it are counted from its closing parenthesis.
    std::istringstream rest(zeile.substr(zeile.rfind(')') + 2));
    std::string feld;
    unsigned long long start = 0;
    for (int i = 3; i <= 22 && rest >> feld; ++i)
        if (i == 22)
            start = std::stoull(feld);
    timespec jetzt{};
    clock_gettime(CLOCK_BOOTTIME, &jetzt);
    const double ticks = double(sysconf(_SC_CLK_TCK));
    return (jetzt.tv_sec + jetzt.tv_nsec / 1e9 - double(start) / ticks) * 1000.0;
}

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
    QElapsedTimer seitMain;
    seitMain.start();
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
    // The object list beside the frame, tied to the active document.
    kalvorin::ObjektlisteAnbinden(hauptfenster, *new kalvorin::TListenformular(&hauptfenster));
    // The element dialogs are made once and reused.
    kalvorin::ElementDialogeErzeugen(&hauptfenster);
    hauptfenster.show();
    // 4. The object list is shown with the main window.
    if (splash)
        splash->raise();

    // Start-up time for measurements: KALVORIN_STARTZEIT=1 writes one line
    // when the first document window has been painted.
    if (const char* messen = std::getenv("KALVORIN_STARTZEIT"); messen && *messen) {
        QObject::connect(&hauptfenster, &kalvorin::TMainForm::ErstesDokumentGezeichnet, [&seitMain] {
            timespec wand{};
            clock_gettime(CLOCK_REALTIME, &wand);
            std::fprintf(stderr,
                         "Kalvorin: erstes Dokumentfenster gezeichnet nach %.0f ms seit "
                         "Prozessstart, %lld ms seit main(), Uhrzeit %lld ms\n",
                         MillisekundenSeitProzessstart(), static_cast<long long>(seitMain.elapsed()),
                         static_cast<long long>(wand.tv_sec) * 1000 + wand.tv_nsec / 1000000);
        });
    }

    // 5. One empty document.
    hauptfenster.NeuClick();

    // 6. Run until the main window closes.
    const int ergebnis = app.exec();
    if (splash)
        delete splash.data();
    kalvorin::SetzeMeldungen(nullptr);
    return ergebnis;
}
