#include "Programm.h"

#include "model/Meldungen.h"
#include "storage/Einstellungen.h"
#include "ui/ElementDialoge.h"
#include "ui/Hilfe.h"
#include "ui/ObjektlistenAnbindung.h"
#include "ui/QtMeldungen.h"
#include "ui/QtTexte.h"
#include "ui/TListenformular.h"
#include "ui/TMainForm.h"
#include "ui/TSplashForm.h"
#include "ui/TWiederherstellung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>

namespace kalvorin {

namespace {
// Milliseconds since the process was started (the kernel's start time has a
// resolution of one clock tick, usually 10 ms); -1 when it cannot be read.
double MillisekundenSeitProzessstart() {
    std::ifstream stat("/proc/self/stat");
    std::string zeile;
    if (!std::getline(stat, zeile)) return -1;
    // The command name in parentheses may contain blanks; the fields after
    // it are counted from its closing parenthesis.
    std::istringstream rest(zeile.substr(zeile.rfind(')') + 2));
    std::string feld;
    unsigned long long start = 0;
    for (int i = 3; i <= 22 && rest >> feld; ++i)
        if (i == 22) start = std::stoull(feld);
    timespec jetzt{};
    clock_gettime(CLOCK_BOOTTIME, &jetzt);
    const double ticks = double(sysconf(_SC_CLK_TCK));
    return (jetzt.tv_sec + jetzt.tv_nsec / 1e9 - double(start) / ticks) * 1000.0;
}

// Passes every message and question on, but first gets the splash out of the
// way: it stays on top of every window and would hide the box.
class TVorDemStartbild : public kalvorin::IMeldungen {
public:
    TVorDemStartbild(kalvorin::IMeldungen& ziel, std::function<void()> vorher)
        : ziel_(ziel), vorher_(std::move(vorher)) {}
    void Meldung(const std::string& text, kalvorin::TMeldungsart art,
                 const std::string& titel) override {
        vorher_();
        ziel_.Meldung(text, art, titel);
    }
    kalvorin::TAntwort Frage(const std::string& text, kalvorin::TFrageKnoepfe knoepfe,
                             const std::string& titel) override {
        vorher_();
        return ziel_.Frage(text, knoepfe, titel);
    }
    void WarteCursor(bool an) override { ziel_.WarteCursor(an); }

private:
    kalvorin::IMeldungen& ziel_;
    std::function<void()> vorher_;
};
} // namespace

int ProgrammAusfuehren(int argc, char* argv[], const TProgrammhaken& haken) {
    QElapsedTimer seitMain;
    seitMain.start();
    // Qt needs its application object before any window can exist.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalvorin"));
    // Ties the windows to the desktop entry (its icon, its name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral(KALVORIN_APP_ID));
    // What is left of the command line once Qt has taken its own options:
    // the files to open (the file manager passes them through the desktop
    // entry).
    QStringList dateien;
    for (int i = 1; i < argc; ++i)
        dateien << QFile::decodeName(argv[i]);
    // The user's decimal separator, taken once and kept for the whole run.
    kalvorin::Einstellungen().Dezimaltrenner =
        QLocale().decimalPoint() == QStringLiteral(".") ? '.' : ',';
    kalvorin::QtTexteDeutsch(app);

    // 1. The splash, shown and painted at once.
    QPointer<kalvorin::TSplashForm> splash = new kalvorin::TSplashForm;
    splash->ZeigenUndWarten();

    // 2. The program's services: messages and the wait cursor, help on F1.
    kalvorin::QtMeldungen meldungen;
    kalvorin::SetzeMeldungen(haken.Meldungen ? haken.Meldungen : &meldungen);
    kalvorin::THilfe::InstalliereF1(app);

    // 3. The main window (it reads the settings).
    kalvorin::TMainForm hauptfenster;
    // The object list beside the frame, tied to the active document.
    kalvorin::ObjektlisteAnbinden(hauptfenster, *new kalvorin::TListenformular(&hauptfenster));
    // The element dialogs are made once and reused.
    kalvorin::ElementDialogeErzeugen(&hauptfenster);
    hauptfenster.show();
    // 4. The object list is shown with the main window.
    if (splash) splash->raise();

    // Start-up time for measurements: KALVORIN_STARTZEIT=1 writes one line
    // when the first document window has been painted.
    if (const char* messen = std::getenv("KALVORIN_STARTZEIT"); messen && *messen) {
        QObject::connect(
            &hauptfenster, &kalvorin::TMainForm::ErstesDokumentGezeichnet, [&seitMain] {
                timespec wand{};
                clock_gettime(CLOCK_REALTIME, &wand);
                std::fprintf(stderr,
                             "Kalvorin: erstes Dokumentfenster gezeichnet nach %.0f ms seit "
                             "Prozessstart, %lld ms seit main(), Uhrzeit %lld ms\n",
                             MillisekundenSeitProzessstart(),
                             static_cast<long long>(seitMain.elapsed()),
                             static_cast<long long>(wand.tv_sec) * 1000 + wand.tv_nsec / 1000000);
            });
    }

    // 5. What a program that did not end properly left behind; the question
    // must not hide behind the splash, which stays on top. Then the files of
    // the command line, each in its own window as "Ö&ffnen..." opens them; a
    // file that cannot be read has its message, the others still open. One
    // empty document unless documents came back or were opened.
    const auto startbildWeg = [&] {
        if (splash) splash->Schliessen();
        hauptfenster.activateWindow();
    };
    const int wiederhergestellt = hauptfenster.Wiederherstellung().Anbieten(startbildWeg);
    int geoeffnet = 0;
    {
        kalvorin::IMeldungen& bisher = kalvorin::Meldungen();
        TVorDemStartbild vorDemStartbild(bisher, startbildWeg);
        kalvorin::SetzeMeldungen(&vorDemStartbild);
        for (const QString& datei : dateien)
            if (hauptfenster.DateiOeffnen(datei)) ++geoeffnet;
        kalvorin::SetzeMeldungen(&bisher);
    }
    if (wiederhergestellt == 0 && geoeffnet == 0) hauptfenster.NeuClick();
    if (haken.NachDemStart) haken.NachDemStart(hauptfenster);

    // 6. Run until the main window closes.
    const int ergebnis = app.exec();
    if (splash) delete splash.data();
    kalvorin::SetzeMeldungen(nullptr);
    return ergebnis;
}

} // namespace kalvorin
