#pragma once
// The program's help: short German pages compiled into the program, shown in
// one help window. Topics are asked for by name ("IDH_Inhalt",
// "IDH_Dialog_Punkt_Bestimmung", ...) or by the help context number of a menu
// item or window. F1 shows the topic of whatever the user is looking at.

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

class QApplication;
class QTextBrowser;
class QPushButton;

namespace kalvorin {

// Properties that tie a widget or action to its help: "hilfeKontext" (int)
// or "hilfeThema" (QString). A topic name wins over a number.
inline constexpr const char* HilfeKontextEigenschaft = "hilfeKontext";
inline constexpr const char* HilfeThemaEigenschaft = "hilfeThema";
// Set on a window that handles F1 itself (the splash closes on any key).
inline constexpr const char* HilfeOhneF1Eigenschaft = "hilfeOhneF1";

class THilfeFenster : public QWidget {
    Q_OBJECT
public:
    explicit THilfeFenster(QWidget* eltern = nullptr);

    void Zeige(const QUrl& seite);
    QUrl Seite() const;
    QTextBrowser* Browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void TitelNachfuehren();

    QTextBrowser* browser_;
    QPushButton* zurueck_;
    QPushButton* vorwaerts_;
};

class THilfe {
public:
    // Where a topic or context number is explained. Unknown ones lead to the
    // table of contents, so a missing page never leaves the user stranded.
    static QUrl SeiteZuThema(const QString& thema);
    static QUrl SeiteZuKontext(int kontext);
    static bool IstBekanntesThema(const QString& thema);
    static bool IstBekannterKontext(int kontext);
    static QStringList Themen();
    static QList<int> Kontexte();
    // The page for a widget or action: its own topic or number, else that of
    // its nearest parent that has one, else the table of contents.
    static QUrl SeiteFuer(const QObject* o);

    static void ZeigeThema(const QString& thema);
    static void ZeigeKontext(int kontext);
    static void ZeigeSeite(const QUrl& seite);
    static void ZeigeHilfeVerwenden();
    // Closes the help window; called when the main window goes.
    static void Beenden();
    // The help window while it exists.
    static THilfeFenster* Fenster();

    static void SetzeThema(QObject* o, const QString& thema);
    static void SetzeKontext(QObject* o, int kontext);

    // Makes F1 show help everywhere in the application: in an open menu for
    // the highlighted item, elsewhere for the focused widget or its window.
    static void InstalliereF1(QApplication& app);
    // What F1 would show if pressed with the given widget receiving keys.
    static QUrl SeiteFuerF1(QObject* empfaenger);

private:
    static QPointer<THilfeFenster> fenster_;
};

} // namespace kalvorin
