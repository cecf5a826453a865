// The program as the desktop starts it: files on the command line, its
// icon, and Qt's own dialogs and buttons in German.

#include "ui/QtTexte.h"
#include "ui/Startbild.h"
#include "ui/TMainForm.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

using namespace kalvorin;

namespace {

// The real program with the test hook: it writes its messages and, once
// started, its document windows ("Fenster: caption|modified|names") to the
// standard output, then "bereit".
QStringList Starten(const QStringList& argumente, const QString& arbeitsordner) {
    QTemporaryDir zustand, einstellungen;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    umgebung.insert(QStringLiteral("XDG_STATE_HOME"), zustand.path());
    umgebung.insert(QStringLiteral("XDG_CONFIG_HOME"), einstellungen.path());
    umgebung.insert(QStringLiteral("KALVORIN_TESTHAKEN"), QStringLiteral("1"));
    QProcess programm;
    programm.setProcessEnvironment(umgebung);
    programm.setWorkingDirectory(arbeitsordner);
    programm.start(QStringLiteral(KALVORIN_PROGRAMM), argumente);
    QStringList zeilen;
    QElapsedTimer uhr;
    uhr.start();
    bool bereit = false;
    while (!bereit && uhr.elapsed() < 60000 && programm.state() != QProcess::NotRunning) {
        programm.waitForReadyRead(200);
        while (!bereit && programm.canReadLine()) {
            const QString zeile = QString::fromUtf8(programm.readLine()).trimmed();
            bereit = zeile.startsWith(QStringLiteral("bereit"));
            if (!bereit) zeilen << zeile;
        }
    }
    if (!bereit)
        zeilen << QStringLiteral("(not ready: ") +
                      QString::fromUtf8(programm.readAllStandardError()) + ")";
    if (programm.state() != QProcess::NotRunning) {
        ::kill(static_cast<pid_t>(programm.processId()), SIGKILL);
        programm.waitForFinished(10000);
    }
    return zeilen;
}

void Schreiben(const QString& datei, const char* punkt) {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Version]\r\nVersName=Kalvorin-Analytische Geometrie\r\nVersNummer=1.0\r\n");
    f.write(QByteArray("[") + punkt + "]\r\nElementart=0|DfrPunkt\r\nKoord=1|2|3\r\n");
}

QString NichtLesbar(const QString& datei) {
    return QStringLiteral(
               "Meldung: Kalvorin kann diese Datei nicht lesen. | Eventuell gibt es sie nicht, "
               "oder sie ist nicht lesbar. (%1)")
        .arg(datei);
}

} // namespace

TEST(Kommandozeile, EachFileOpensInItsOwnWindowAndAnUnreadableOneIsReported) {
    QTemporaryDir ordner;
    Schreiben(ordner.filePath(QStringLiteral("erste.kvr")), "A");
    // A hidden file counts as read-only, as one marked so would.
    Schreiben(ordner.filePath(QStringLiteral(".zweite.kvr")), "B");
    // Relative to the working folder, as a file manager or a shell passes them.
    const QStringList zeilen = Starten({QStringLiteral("erste.kvr"), QStringLiteral("fehlt.kvr"),
                                        ordner.filePath(QStringLiteral(".zweite.kvr"))},
                                       ordner.path());
    const QString alle = zeilen.join('\n');
    EXPECT_EQ(zeilen.filter(QStringLiteral("Meldung: ")),
              QStringList{NichtLesbar(ordner.filePath(QStringLiteral("fehlt.kvr")))})
        << alle.toStdString();
    QStringList fenster = zeilen.filter(QStringLiteral("Fenster: "));
    fenster.sort();
    EXPECT_EQ(fenster, (QStringList{QStringLiteral("Fenster: .zweite.kvr (schreibgeschützt)|0|B"),
                                    QStringLiteral("Fenster: erste.kvr|0|A")}))
        << alle.toStdString();
}

TEST(Kommandozeile, WithNothingReadableTheProgramStartsWithItsEmptyDocument) {
    QTemporaryDir ordner;
    QDir(ordner.path()).mkdir(QStringLiteral("ordner.kvr"));
    const QString fehlt = ordner.filePath(QStringLiteral("fehlt.kvr"));
    const QString verzeichnis = ordner.filePath(QStringLiteral("ordner.kvr"));
    const QStringList zeilen = Starten({fehlt, verzeichnis}, ordner.path());
    const QString alle = zeilen.join('\n');
    EXPECT_EQ(zeilen.filter(QStringLiteral("Meldung: ")),
              (QStringList{NichtLesbar(fehlt), NichtLesbar(verzeichnis)}))
        << alle.toStdString();
    EXPECT_EQ(zeilen.filter(QStringLiteral("Fenster: ")),
              QStringList{QStringLiteral("Fenster: neu1.kvr|0|")})
        << alle.toStdString();
}

TEST(Programmsymbol, IsTheDesktopsIconAtEverySizeAndTheWindowsToo) {
    const QIcon symbol = Programmsymbol();
    for (int seite : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage bild = symbol.pixmap(seite).toImage();
        ASSERT_EQ(bild.size(), QSize(seite, seite)) << seite;
        // Round corners, and the blue pyramid in the middle.
        EXPECT_EQ(qAlpha(bild.pixel(0, 0)), 0) << seite;
        const QColor mitte = bild.pixelColor(seite / 2, seite / 2);
        EXPECT_GT(mitte.blue(), mitte.red() + 60) << seite;
    }
    TMainForm hauptfenster;
    EXPECT_EQ(hauptfenster.windowIcon().pixmap(48).toImage(), symbol.pixmap(48).toImage());
}

TEST(QtTexte, QtsOwnDialogsAndButtonsSpeakGerman) {
    // Removed again at the end: the other tests see Qt as it was.
    const std::unique_ptr<QTranslator> texte(QtTexteDeutsch(*qApp));
    ASSERT_TRUE(texte) << "Qt's German translation (qt6-translations-l10n) is not installed";

    QDialogButtonBox knoepfe(QDialogButtonBox::Yes | QDialogButtonBox::No |
                             QDialogButtonBox::Cancel);
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Yes)->text(), QStringLiteral("&Ja"));
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::No)->text(), QStringLiteral("&Nein"));
    EXPECT_EQ(knoepfe.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));

    QFileDialog datei;
    datei.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(datei.labelText(QFileDialog::Accept), QStringLiteral("&Öffnen"));
    EXPECT_EQ(datei.labelText(QFileDialog::FileName), QStringLiteral("Datei&name:"));

    QColorDialog farbe;
    farbe.setOption(QColorDialog::DontUseNativeDialog);
    EXPECT_EQ(farbe.windowTitle(), QStringLiteral("Farbauswahl"));

    QPrinter drucker;
    QPrintDialog drucken(&drucker);
    EXPECT_EQ(drucken.windowTitle(), QStringLiteral("Drucken"));
}
