#include "ui/Hilfe.h"

#include "befehle/Befehlstabelle.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <string>

// The pages are compiled into the static GUI library; its resource table has
// to be registered by hand (outside any namespace).
static void LadeHilfeRessourcen() {
    static const bool geladen = [] {
        Q_INIT_RESOURCE(hilfe);
        return true;
    }();
    (void)geladen;
}

namespace kalvorin {

QPointer<THilfeFenster> THilfe::fenster_;

namespace {

const QString Basis = QStringLiteral("qrc:/hilfe/");
const QString InhaltSeite = QStringLiteral("inhalt.html");

struct TEintrag {
    const char* Seite;
    const char* Anker; // empty: top of the page
};

const std::map<QString, TEintrag>& ThemenTabelle() {
    static const std::map<QString, TEintrag> tabelle = {
        {"IDH_Inhalt", {"inhalt.html", ""}},
        {"IDH_Hilfe_verwenden", {"hilfe_verwenden.html", ""}},
        {"IDH_Menue_Datei", {"datei.html", ""}},
        {"IDH_Menue_Bearbeiten", {"bearbeiten.html", ""}},
        {"IDH_Menue_Festlegen", {"festlegen.html", ""}},
        {"IDH_Menue_Konstruieren", {"konstruieren.html", ""}},
        {"IDH_Menue_Abbilden", {"abbilden.html", ""}},
        {"IDH_Menue_Messen", {"messen.html", ""}},
        {"IDH_Menue_Ansicht", {"ansicht.html", ""}},
        {"IDH_Menue_Fenster", {"fenster.html", ""}},
        {"IDH_Menue_Hilfe", {"hilfe.html", ""}},
        {"IDH_Objektliste", {"objektliste.html", ""}},
        {"IDH_Grafikfenster", {"grafikfenster.html", ""}},
        {"IDH_Wiederherstellung", {"wiederherstellung.html", ""}},
        {"IDH_Rueckgaengig", {"rueckgaengig.html", ""}},
        {"IDH_Punkte_ziehen", {"punkte_ziehen.html", ""}},
        {"IDH_Dialog_Punkt_Bestimmung", {"punkt.html", "bestimmung"}},
        {"IDH_Dialog_Punkt_Eigenschaften", {"punkt.html", "eigenschaften"}},
        {"IDH_Dialog_Gerade_Bestimmung", {"gerade.html", "bestimmung"}},
        {"IDH_Dialog_Gerade_Eigenschaften", {"gerade.html", "eigenschaften"}},
        {"IDH_Dialog_Ebene_Bestimmung", {"ebene.html", "bestimmung"}},
        {"IDH_Dialog_Ebene_Eigenschaften", {"ebene.html", "eigenschaften"}},
        {"IDH_Dialog_Strecke_Bestimmung", {"strecke.html", "bestimmung"}},
        {"IDH_Dialog_Strecke_Eigenschaften", {"strecke.html", "eigenschaften"}},
        {"IDH_Dialog_Pfeil_Bestimmung", {"pfeil.html", "bestimmung"}},
        {"IDH_Dialog_Pfeil_Eigenschaften", {"pfeil.html", "eigenschaften"}},
        {"IDH_Dialog_Vektor", {"vektor.html", ""}},
        {"IDH_Dialog_Dreieck_Bestimmung", {"dreieck.html", "bestimmung"}},
        {"IDH_Dialog_Dreieck_Eigenschaften", {"dreieck.html", "eigenschaften"}},
        {"IDH_Dialog_Pyramide_Bestimmung", {"pyramide.html", "bestimmung"}},
        {"IDH_Dialog_Pyramide_Eigenschaften", {"pyramide.html", "eigenschaften"}},
        {"IDH_Dialog_Kugel_Bestimmung", {"kugel.html", "bestimmung"}},
        {"IDH_Dialog_Kugel_Eigenschaften", {"kugel.html", "eigenschaften"}},
        {"IDH_Dialog_Kreis_Bestimmung", {"kreis.html", "bestimmung"}},
        {"IDH_Dialog_Kreis_Eigenschaften", {"kreis.html", "eigenschaften"}},
        {"IDH_Dialog_Viereck_Bestimmung", {"viereck.html", "bestimmung"}},
        {"IDH_Dialog_Viereck_Eigenschaften", {"viereck.html", "eigenschaften"}},
        {"IDH_Dialog_Pyramide4_Bestimmung", {"pyramide4.html", "bestimmung"}},
        {"IDH_Dialog_Pyramide4_Eigenschaften", {"pyramide4.html", "eigenschaften"}},
        {"IDH_Dialog_Koordinatenelement", {"festlegen.html", "koordinaten"}},
        {"IDH_Dialog_Koordinatensystem_Achsen", {"koordinatensystem.html", "achsen"}},
        {"IDH_Dialog_Koordinatensystem_Ebenen", {"koordinatensystem.html", "ebenen"}},
        {"IDH_Dialog_Einstellungen_Allgemein", {"einstellungen.html", "allgemein"}},
        {"IDH_Dialog_Einstellungen_Punkte", {"einstellungen.html", "punkte"}},
        {"IDH_Dialog_Einstellungen_Geraden", {"einstellungen.html", "geraden"}},
        {"IDH_Dialog_Einstellungen_Ebenen", {"einstellungen.html", "ebenen"}},
        {"IDH_Dialog_Einstellungen_Hilfslinien", {"einstellungen.html", "hilfslinien"}},
        {"IDH_Dialog_Einstellungen_KSystem", {"einstellungen.html", "ksystem"}},
        {"IDH_Dialog_Einstellungen_Zahlenausgabe", {"einstellungen.html", "zahlenausgabe"}},
        {"IDH_Dialog_Ausgabe", {"ausgabe.html", ""}},
        {"IDH_Dialog_Streckung", {"streckung.html", ""}},
        {"IDH_Loesungsweg", {"loesungsweg.html", ""}},
        {"IDH_Ohne_Maus", {"ohne_maus.html", ""}},
        {"IDH_Dialog_Arbeitsblatt", {"arbeitsblatt.html", ""}},
        {"IDH_Schrittweise", {"schrittweise.html", ""}},
    };
    return tabelle;
}

// The help context numbers: the menu items' own, each with the page its row
// of the command table names, and the two document-related windows.
const std::map<int, std::string>& KontextTabelle() {
    static const std::map<int, std::string> tabelle = [] {
        std::map<int, std::string> t = {
            {1200, "objektliste.html"},
            {1300, "grafikfenster.html"},
        };
        for (const TBefehlszeile& z : Befehlstabelle())
            if (z.Hilfe > 0 && *z.Hilfeseite) t.emplace(z.Hilfe, z.Hilfeseite);
        return t;
    }();
    return tabelle;
}

QUrl Url(const TEintrag& e) {
    QUrl url(Basis + QString::fromLatin1(e.Seite));
    if (*e.Anker) url.setFragment(QString::fromLatin1(e.Anker));
    return url;
}

QUrl Inhalt() {
    return QUrl(Basis + InhaltSeite);
}

// Looks at one object's own help properties.
bool EigeneSeite(const QObject* o, QUrl& seite) {
    const QVariant thema = o->property(HilfeThemaEigenschaft);
    if (thema.isValid() && !thema.toString().isEmpty()) {
        seite = THilfe::SeiteZuThema(thema.toString());
        return true;
    }
    const QVariant kontext = o->property(HilfeKontextEigenschaft);
    if (kontext.isValid() && kontext.toInt() > 0) {
        seite = THilfe::SeiteZuKontext(kontext.toInt());
        return true;
    }
    return false;
}

class TF1Filter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override {
        if (e->type() != QEvent::KeyPress) return false;
        auto* taste = static_cast<QKeyEvent*>(e);
        if (taste->key() != Qt::Key_F1 || taste->modifiers() != Qt::NoModifier) return false;
        if (!ziel->isWidgetType()) return false;
        if (static_cast<QWidget*>(ziel)->window()->property(HilfeOhneF1Eigenschaft).toBool())
            return false;
        const QUrl seite = THilfe::SeiteFuerF1(ziel);
        // An open menu would keep the keyboard and hide the help window.
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        THilfe::ZeigeSeite(seite);
        return true;
    }
};

} // namespace

// ---------------------------------------------------------------------------

THilfeFenster::THilfeFenster(QWidget* eltern) : QWidget(eltern, Qt::Window) {
    LadeHilfeRessourcen();
    setObjectName(QStringLiteral("Hilfefenster"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setProperty(HilfeThemaEigenschaft, QStringLiteral("IDH_Hilfe_verwenden"));

    auto* inhalt = new QPushButton(QStringLiteral("&Inhalt"), this);
    zurueck_ = new QPushButton(QStringLiteral("&Zurück"), this);
    vorwaerts_ = new QPushButton(QStringLiteral("&Vorwärts"), this);
    auto* verwenden = new QPushButton(QStringLiteral("&Hilfe verwenden"), this);
    auto* schliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    inhalt->setObjectName(QStringLiteral("HilfeInhalt"));
    zurueck_->setObjectName(QStringLiteral("HilfeZurueck"));
    vorwaerts_->setObjectName(QStringLiteral("HilfeVorwaerts"));
    verwenden->setObjectName(QStringLiteral("HilfeVerwendenKnopf"));
    schliessen->setObjectName(QStringLiteral("HilfeSchliessen"));
    for (QPushButton* b : {inhalt, zurueck_, vorwaerts_, verwenden, schliessen})
        b->setAutoDefault(false);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HilfeBrowser"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(inhalt);
    knoepfe->addWidget(zurueck_);
    knoepfe->addWidget(vorwaerts_);
    knoepfe->addWidget(verwenden);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(knoepfe);
    layout->addWidget(browser_, 1);

    connect(inhalt, &QPushButton::clicked, this, [this] { Zeige(Inhalt()); });
    connect(zurueck_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(vorwaerts_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(verwenden, &QPushButton::clicked, this,
            [this] { Zeige(THilfe::SeiteZuThema(QStringLiteral("IDH_Hilfe_verwenden"))); });
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vorwaerts_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { TitelNachfuehren(); });
    zurueck_->setEnabled(false);
    vorwaerts_->setEnabled(false);

    // Beside the work, not over it: a third of the screen, at the right.
    QRect bereich(0, 0, 1024, 768);
    if (const QScreen* s = QApplication::primaryScreen()) bereich = s->availableGeometry();
    const int breite =
        std::min(std::max({420, bereich.width() / 3, minimumSizeHint().width()}), bereich.width());
    const int hoehe = std::min(std::max(360, bereich.height() * 2 / 3), bereich.height());
    const int links = std::max(bereich.left(), bereich.right() + 1 - breite - 20);
    setGeometry(links, bereich.top() + std::min(60, bereich.height() - hoehe), breite, hoehe);
    TitelNachfuehren();
}

void THilfeFenster::Zeige(const QUrl& seite) {
    // Same page, other anchor: setSource alone would not scroll there.
    if (browser_->source().adjusted(QUrl::RemoveFragment) == seite.adjusted(QUrl::RemoveFragment) &&
        browser_->source() != seite && !seite.fragment().isEmpty()) {
        browser_->setSource(seite);
        browser_->scrollToAnchor(seite.fragment());
        return;
    }
    browser_->setSource(seite);
}

QUrl THilfeFenster::Seite() const {
    return browser_->source();
}

void THilfeFenster::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void THilfeFenster::TitelNachfuehren() {
    const QString titel = browser_->documentTitle();
    setWindowTitle(titel.isEmpty() ? QStringLiteral("Kalvorin-Hilfe")
                                   : QStringLiteral("Kalvorin-Hilfe – ") + titel);
}

// ---------------------------------------------------------------------------

QUrl THilfe::SeiteZuThema(const QString& thema) {
    const auto& t = ThemenTabelle();
    const auto it = t.find(thema);
    return it == t.end() ? Inhalt() : Url(it->second);
}

QUrl THilfe::SeiteZuKontext(int kontext) {
    const auto& t = KontextTabelle();
    const auto it = t.find(kontext);
    return it == t.end() ? Inhalt() : QUrl(Basis + QString::fromLatin1(it->second));
}

bool THilfe::IstBekanntesThema(const QString& thema) {
    return ThemenTabelle().count(thema) > 0;
}

bool THilfe::IstBekannterKontext(int kontext) {
    return KontextTabelle().count(kontext) > 0;
}

QStringList THilfe::Themen() {
    QStringList namen;
    for (const auto& [name, eintrag] : ThemenTabelle())
        namen << name;
    return namen;
}

QList<int> THilfe::Kontexte() {
    QList<int> nummern;
    for (const auto& [nummer, eintrag] : KontextTabelle())
        nummern << nummer;
    return nummern;
}

QUrl THilfe::SeiteFuer(const QObject* o) {
    for (; o; o = o->parent()) {
        QUrl seite;
        if (EigeneSeite(o, seite)) return seite;
    }
    return Inhalt();
}

QUrl THilfe::SeiteFuerF1(QObject* empfaenger) {
    // In an open menu: the highlighted item, else the menu itself.
    if (auto* menue = qobject_cast<QMenu*>(empfaenger)) {
        QUrl seite;
        if (QAction* a = menue->activeAction(); a && EigeneSeite(a, seite)) return seite;
        if (EigeneSeite(menue->menuAction(), seite)) return seite;
        return SeiteFuer(menue);
    }
    if (auto* leiste = qobject_cast<QMenuBar*>(empfaenger)) {
        QUrl seite;
        if (QAction* a = leiste->activeAction(); a && EigeneSeite(a, seite)) return seite;
    }
    // Keys go to the focused widget, so the receiver is where the user is.
    return SeiteFuer(empfaenger);
}

void THilfe::ZeigeSeite(const QUrl& seite) {
    LadeHilfeRessourcen();
    // A help window outside a modal dialog could not be used while the
    // dialog is open; it is shown as the dialog's own window then.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && fenster_ && fenster_->parentWidget() != modal) {
        const QRect lage = fenster_->geometry();
        fenster_->setParent(modal, Qt::Window);
        fenster_->setGeometry(lage);
    } else if (!modal && fenster_ && fenster_->parentWidget()) {
        const QRect lage = fenster_->geometry();
        fenster_->setParent(nullptr, Qt::Window);
        fenster_->setGeometry(lage);
    }
    if (!fenster_) {
        fenster_ = new THilfeFenster(modal);
        fenster_->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    fenster_->Zeige(seite);
    fenster_->show();
    fenster_->raise();
    fenster_->activateWindow();
}

void THilfe::ZeigeThema(const QString& thema) {
    ZeigeSeite(SeiteZuThema(thema));
}

void THilfe::ZeigeKontext(int kontext) {
    ZeigeSeite(SeiteZuKontext(kontext));
}

void THilfe::ZeigeHilfeVerwenden() {
    ZeigeThema(QStringLiteral("IDH_Hilfe_verwenden"));
}

void THilfe::Beenden() {
    delete fenster_.data();
}

THilfeFenster* THilfe::Fenster() {
    return fenster_.data();
}

void THilfe::SetzeThema(QObject* o, const QString& thema) {
    if (o) o->setProperty(HilfeThemaEigenschaft, thema);
}

void THilfe::SetzeKontext(QObject* o, int kontext) {
    if (o) o->setProperty(HilfeKontextEigenschaft, kontext);
}

void THilfe::InstalliereF1(QApplication& app) {
    static TF1Filter* filter = nullptr;
    if (!filter) {
        filter = new TF1Filter(&app);
        app.installEventFilter(filter);
    }
}

} // namespace kalvorin
