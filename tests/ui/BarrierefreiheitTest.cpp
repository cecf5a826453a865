// Working without a mouse and with a screen reader: the Abitur construction
// by keys alone, every dialog's Tab chain and mnemonics, the accessible names
// of every control, the scene as text, and the "Präsentation" pictures.

#include "Dialogtest.h"

#include "ausgabe/Szenentext.h"
#include "ausgabe/Zeichnen.h"
#include "document/Dokument.h"
#include "document/Testzugang.h"
#include "geometry/Auswertung.h"
#include "storage/Einstellungen.h"
#include "ui/Barrierefreiheit.h"
#include "ui/QtMeldungen.h"
#include "ui/TAboutDlg.h"
#include "ui/TAnaGraphBox.h"
#include "ui/TAusgabeDlg.h"
#include "ui/TDreieckDLG.h"
#include "ui/TEbenenDLG.h"
#include "ui/TEinstDLG.h"
#include "ui/TGeradenDLG.h"
#include "ui/TKoordDLGForm.h"
#include "ui/TPfeilDLG.h"
#include "ui/TPunktDLG.h"
#include "ui/TPyramide3DLG.h"
#include "ui/TStreckenDLG.h"
#include "ui/TStreckungsDLG.h"
#include "ui/TSzenenbeschreibung.h"
#include "ui/TVektorDLG.h"
#include "view/qt/Bildausgabe.h"
#include "zahlen/Zahlen.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>

using namespace kalvorin;
using namespace kalvorin::test;

namespace {

QWidget* Fokus() {
    return QApplication::focusWidget();
}

Qt::Key Buchstabe(char c) {
    return static_cast<Qt::Key>(Qt::Key_A + (c - 'a'));
}

// ------------------------------------------------ the Abitur construction

class OhneMaus : public THauptfensterTest {
protected:
    void SetUp() override {
        THauptfensterTest::SetUp();
        ZugangsHelferEinrichten();
        haupt->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(haupt.get()));
        // The new window's view has the keyboard, as after "Neu" by the menu.
        f->setFocus();
        QApplication::processEvents();
    }

    // When a dialog has gone, the window manager gives the main window the
    // keyboard back (the offscreen platform does not do it by itself).
    void Aktivieren() {
        if (QApplication::activeWindow() != haupt.get()) {
            haupt->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(haupt.get()));
        }
        // and with it the focus to the document window it had before.
        if (!Fokus() || Fokus()->window() != haupt.get()) f->setFocus();
    }

    // Keys to the widget that has the focus, as the keyboard sends them.
    void Taste(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        if (!QApplication::activeModalWidget()) Aktivieren();
        // The offscreen platform may leave no focus widget after a dialog; the
        // keys then go to the document window, where the focus would be.
        QWidget* w = Fokus() ? Fokus() : f;
        ASSERT_NE(w, nullptr);
        QTest::keyClick(w, k, m);
    }

    // Alt+the menu's letter, then the items' letters. The last one may run a
    // dialog: dialog gets it while it is open.
    void Menue(const std::string& buchstaben,
               const std::function<void(QDialog&)>& dialog = nullptr) {
        Aktivieren();
        QTest::keyClick(haupt.get(), Buchstabe(buchstaben[0]), Qt::AltModifier);
        // The menu bar takes Alt+letter itself when the shortcut went astray.
        if (!QApplication::activePopupWidget())
            QTest::keyClick(haupt->menuBar(), Buchstabe(buchstaben[0]), Qt::AltModifier);
        for (std::size_t i = 1; i < buchstaben.size(); ++i) {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(popup, nullptr)
                << buchstaben << " at " << i
                << " bar active: " << (haupt->menuBar()->activeAction() ? "ja" : "nein")
                << " menus: " << [&] {
                       std::string t;
                       for (QAction* a : haupt->menuBar()->actions())
                           t += a->text().toStdString() + (a->isEnabled() ? "+ " : "- ");
                       return t;
                   }();
            const bool letzte = i + 1 == buchstaben.size();
            if (letzte && dialog) {
                MitDialog<QDialog>([&] { QTest::keyClick(popup, Buchstabe(buchstaben[i])); },
                                   [&](QDialog& d) { ImDialog(d, dialog); });
            } else {
                QTest::keyClick(popup, Buchstabe(buchstaben[i]));
            }
        }
        QApplication::processEvents();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << buchstaben;
    }

    // The steps once the dialog has the keyboard; a dialog that a failed
    // step left open is closed, so that the test goes on.
    static void ImDialog(QDialog& d, const std::function<void(QDialog&)>& schritte) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        for (int i = 0; i < 50 && !d.isAncestorOf(Fokus()); ++i)
            QTest::qWait(10);
        schritte(d);
        if (d.isVisible()) {
            ADD_FAILURE() << "dialog left open";
            d.reject();
        }
    }

    // Tab in the dialog until the control has the focus.
    static void TabBis(const char* name) {
        for (int i = 0; i < 40 && Fokus() && Fokus()->objectName() != QLatin1String(name); ++i)
            QTest::keyClick(Fokus(), Qt::Key_Tab);
        ASSERT_NE(Fokus(), nullptr);
        ASSERT_EQ(Fokus()->objectName(), QLatin1String(name));
    }

    void Punkt(const char* name, const char* x, const char* y, const char* z) {
        Menue("enp", [&](QDialog&) {
            ASSERT_EQ(Fokus()->objectName(), QStringLiteral("Name"));
            QTest::keyClick(Fokus(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(Fokus(), name);
            TabBis("Editx");
            QTest::keyClicks(Fokus(), x);
            QTest::keyClick(Fokus(), Qt::Key_Tab);
            QTest::keyClicks(Fokus(), y);
            QTest::keyClick(Fokus(), Qt::Key_Tab);
            QTest::keyClicks(Fokus(), z);
            QTest::keyClick(Fokus(), Qt::Key_Return);
        });
        ASSERT_NE(Element(name), nullptr) << name;
    }

    TDreiDBasisElement* Element(const std::string& name) const {
        return f->Dokument().Liste().ElementMitName(name);
    }

    // Tab in the view until the element is the current one.
    void TabZu(const std::string& name) {
        for (int i = 0; i < 30; ++i) {
            if (f->AktuellesElement() && f->AktuellesElement()->Name == name) return;
            Taste(Qt::Key_Tab);
        }
        FAIL() << name << " not reached by Tab";
    }
    void Markieren(std::initializer_list<std::string> namen) {
        bool erstes = true;
        for (const std::string& n : namen) {
            TabZu(n);
            Taste(Qt::Key_Space, erstes ? Qt::NoModifier : Qt::ControlModifier);
            erstes = false;
        }
        const TListe& l = f->Dokument().Liste();
        for (int i = 1; i <= l.Anzahl(); ++i)
            EXPECT_EQ(l[i]->markiert,
                      std::find(namen.begin(), namen.end(), l[i]->Name) != namen.end())
                << l[i]->Name;
    }
    std::string Neuestes() const {
        const TListe& l = f->Dokument().Liste();
        return l[l.Anzahl()]->Name;
    }
};

// Records what the screen reader is told.
std::vector<std::pair<QAccessible::Event, QString>> Ansagen;
void AnsagenMerken(QAccessibleEvent* e) {
    if (e->type() == QAccessible::DescriptionChanged || e->type() == QAccessible::Alert) {
        const auto* w = qobject_cast<const QWidget*>(e->object());
        Ansagen.emplace_back(e->type(), w ? w->accessibleDescription() : QString());
    }
}

TEST_F(OhneMaus, AbiturConstructionByKeysAlone) {
    Punkt("A", "2", "0", "0");
    Punkt("B", "0", "4", "0");
    Punkt("C", "0", "0", "3");
    Punkt("S", "4", "4", "5");

    // The plane through the three marked points.
    Markieren({"A", "B", "C"});
    Menue("eme");
    const std::string ebene = Neuestes();
    ASSERT_EQ(Element(ebene)->Art, TElementart::DEbene);
    EXPECT_EQ(Koordinatenform(*Element(ebene)), "6 x 1 plus 3 x 2 plus 4 x 3 gleich 12");

    // The perpendicular from S, and where it meets the plane.
    Markieren({"S", ebene});
    Menue("kl");
    const std::string lot = Neuestes();
    ASSERT_EQ(Element(lot)->Entstehung.Art, TEntstehungsart::LotPE);
    Markieren({lot, ebene});
    Menue("ks");
    const std::string fuss = Neuestes();
    ASSERT_EQ(Element(fuss)->Entstehung.Art, TEntstehungsart::Schnitt);
    TTripel p;
    ASSERT_EQ(PunktAuswerten(*Element(fuss), p), 0);
    EXPECT_NEAR(static_cast<double>(p.x), -20.0 / 61, 1e-12);
    EXPECT_NEAR(static_cast<double>(p.y), 112.0 / 61, 1e-12);
    EXPECT_NEAR(static_cast<double>(p.z), 129.0 / 61, 1e-12);

    // The distance of S from the plane: 44 / sqrt(61).
    Markieren({"S", fuss});
    meldungen.Eintraege.clear();
    QAccessible::installUpdateHandler(AnsagenMerken);
    Ansagen.clear();
    Menue("ma");
    QAccessible::installUpdateHandler(nullptr);
    ASSERT_EQ(meldungen.Eintraege.size(), 1u);
    EXPECT_NE(meldungen.Eintraege[0].Text.find(FormatMeasure(44 / std::sqrt(61.0L))),
              std::string::npos)
        << meldungen.Eintraege[0].Text;

    // Enter opens the current element's dialog; Escape leaves it unchanged.
    TabZu("S");
    MitDialog<TPunktDLG>([this] { Taste(Qt::Key_Return); },
                         [](TPunktDLG& d) {
                             EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
                             EXPECT_EQ(W(d, "Name")->text(), QStringLiteral("S"));
                             QTest::keyClick(Fokus(), Qt::Key_Escape);
                             if (d.isVisible()) d.reject();
                         });
    EXPECT_EQ(f->Dokument().Liste().Anzahl(), 7);

    // For looking at: the window as it is and with "Präsentation", when a
    // folder is named (run once with QT_SCALE_FACTOR=1 and once with 2).
    if (const char* ordner = std::getenv("KALVORIN_BILDORDNER")) {
        const QString basis = QString::fromLocal8Bit(ordner) + QStringLiteral("/abitur_");
        f->Neuzeichnen();
        haupt->grab().save(basis + QStringLiteral("normal.png"));
        Einstellungen().Praesentation = true;
        f->Neuzeichnen();
        haupt->grab().save(basis + QStringLiteral("praesentation.png"));
        Einstellungen().Praesentation = false;
    }
}

TEST_F(OhneMaus, MarksAreAnnouncedAndTheViewTurnsAndZooms) {
    Punkt("A", "2", "0", "0");
    QAccessible::installUpdateHandler(AnsagenMerken);
    Ansagen.clear();
    TabZu("A");
    Taste(Qt::Key_Space);
    QAccessible::installUpdateHandler(nullptr);
    EXPECT_TRUE(Element("A")->markiert);
    // What the screen reader is told: the view's description.
    EXPECT_EQ(f->Ansicht()->accessibleDescription(), QStringLiteral("A markiert"));
    EXPECT_EQ(f->Ansicht()->Fokus(), Element("A")->Nummer);

    // Arrows turn the figure: the point's picture moves, and back again.
    const auto bild = [&] { return f->Ansicht()->grab().toImage(); };
    const QImage vorher = bild();
    Taste(Qt::Key_Right);
    const QImage gedreht = bild();
    EXPECT_NE(gedreht, vorher);
    Taste(Qt::Key_Left);
    Taste(Qt::Key_Up);
    Taste(Qt::Key_Down);
    EXPECT_EQ(bild(), vorher);

    // + shows a smaller range, - a larger one, by the menu's steps.
    const auto h = [&] { return f->Dokument().Szene().Halbseite(); };
    const Real h0 = h();
    Taste(Qt::Key_Plus);
    EXPECT_NEAR(static_cast<double>(h() / h0), static_cast<double>(ZoomVerkleinern), 1e-9);
    Taste(Qt::Key_Minus);
    EXPECT_LT(std::fabs(static_cast<double>(h() / h0) - 1), 0.02);

    // Escape takes the ring away; the marks stay.
    Taste(Qt::Key_Escape);
    EXPECT_EQ(f->Ansicht()->Fokus(), 0);
    EXPECT_TRUE(Element("A")->markiert);
}

// ------------------------------------------------ dialogs by keyboard

struct TDialogFall {
    const char* Name;
    std::function<std::unique_ptr<QDialog>(TDokument&)> Bauen;
    const char* Erstes; // the control that has the focus first
};

std::vector<TDialogFall> Dialoge() {
    static TFensterAusgabe eigene;
    return {
        {"Punkt", [](TDokument&) { return std::make_unique<TPunktDLG>(); }, "Name"},
        {"Gerade", [](TDokument&) { return std::make_unique<TGeradenDLG>(); }, "Name"},
        {"Ebene", [](TDokument&) { return std::make_unique<TEbenenDLG>(); }, "Name"},
        {"Strecke", [](TDokument&) { return std::make_unique<TStreckenDLG>(); }, "Name"},
        {"Pfeil", [](TDokument&) { return std::make_unique<TPfeilDLG>(); }, "Name"},
        {"Vektor", [](TDokument&) { return std::make_unique<TVektorDLG>(); }, "Name"},
        {"Dreieck", [](TDokument&) { return std::make_unique<TDreieckDLG>(); }, "Name"},
        {"Pyramide", [](TDokument&) { return std::make_unique<TPyramide3DLG>(); }, "Name"},
        {"KoordinatenAchsen", [](TDokument& d) { return std::make_unique<TKoordDLGForm>(d, 0); },
         nullptr},
        {"KoordinatenEbenen", [](TDokument& d) { return std::make_unique<TKoordDLGForm>(d, 1); },
         nullptr},
        {"Einstellungen", [](TDokument&) { return std::make_unique<TEinstDLG>(); }, nullptr},
        {"Streckung", [](TDokument& d) { return std::make_unique<TStreckungsDLG>(d); }, nullptr},
        {"Ausgabe",
         [](TDokument&) { return std::make_unique<TAusgabeDlg>(eigene, TAusgabeMass{}); }, nullptr},
        {"Info", [](TDokument&) { return std::make_unique<TAboutDlg>(); }, nullptr},
    };
}

// The letter after a single '&' in a text, 0 when there is none.
QChar Mnemonik(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

bool Erreichbar(QWidget* w, QWidget* fenster) {
    return w->isVisibleTo(fenster) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
           !w->focusProxy();
}

class DialogTastatur : public ::testing::TestWithParam<TDialogFall> {
protected:
    void SetUp() override {
        ZugangsHelferEinrichten();
        d = GetParam().Bauen(dokument);
        d->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(d.get()));
        d->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    }
    TEinstellungenSichern sichern;
    TDokument dokument;
    std::unique_ptr<QDialog> d;
};

// Every page: Tab visits every control that can take the focus once, in
// reading order, and comes back.
TEST_P(DialogTastatur, TabChainInReadingOrderOnEveryPage) {
    if (const char* erstes = GetParam().Erstes) {
        ASSERT_NE(Fokus(), nullptr);
        EXPECT_TRUE(Fokus()->objectName().endsWith(QLatin1String(erstes)))
            << Fokus()->objectName().toStdString();
    }
    QTabWidget* seiten = d->findChild<QTabWidget*>();
    const int anzahl = seiten ? seiten->count() : 1;
    for (int s = 0; s < anzahl; ++s) {
        if (seiten) seiten->setCurrentIndex(s);
        QApplication::processEvents();
        QWidget* seite = seiten ? seiten->currentWidget() : d.get();
        std::set<QWidget*> soll;
        for (QWidget* w : seite->findChildren<QWidget*>()) {
            // A group of radio buttons is one stop, at its checked button;
            // the arrow keys move within it.
            if (qobject_cast<QRadioButton*>(w)) continue;
            if (Erreichbar(w, d.get())) soll.insert(w);
        }
        // A page that only shows (the equations of a line or plane) has no
        // chain of its own.
        if (soll.empty()) continue;
        QWidget* start = nullptr;
        for (QWidget* w : d->findChildren<QWidget*>())
            if (soll.count(w) && !start) start = w;
        ASSERT_NE(start, nullptr) << GetParam().Name << " page " << s;
        start->setFocus(Qt::TabFocusReason);
        // From the first control of the page, in the chain's order.
        std::vector<QWidget*> kette;
        for (int i = 0; i < 200; ++i) {
            QWidget* w = Fokus();
            if (!w || (i > 0 && w == kette.front())) break;
            kette.push_back(w);
            QTest::keyClick(w, Qt::Key_Tab);
        }
        ASSERT_FALSE(kette.empty());
        EXPECT_EQ(Fokus(), kette.front()) << GetParam().Name << ": Tab does not come round";
        std::set<QWidget*> besucht;
        for (QWidget* w : kette) {
            EXPECT_TRUE(besucht.insert(w).second)
                << GetParam().Name << ": twice in the chain: " << w->objectName().toStdString();
        }
        for (QWidget* w : soll)
            EXPECT_TRUE(besucht.count(w))
                << GetParam().Name << " page " << s
                << ": not reached by Tab: " << w->metaObject()->className() << " "
                << w->objectName().toStdString() << " " << w->accessibleName().toStdString();
        // Each group of radio buttons is reached at one of its buttons.
        for (QGroupBox* g : seite->findChildren<QGroupBox*>()) {
            bool hatKnopf = false, erreicht = false;
            for (QRadioButton* r : g->findChildren<QRadioButton*>()) {
                if (!Erreichbar(r, d.get())) continue;
                hatKnopf = true;
                erreicht = erreicht || besucht.count(r);
            }
            EXPECT_TRUE(!hatKnopf || erreicht)
                << GetParam().Name
                << ": radio group not reached: " << g->objectName().toStdString();
        }
        // Reading order within the page: rows top to bottom; a control lower
        // down never comes before one clearly above it in the same column.
        QWidget* vorher = nullptr;
        for (QWidget* w : kette) {
            if (!soll.count(w)) continue;
            if (vorher) {
                const QRect a(vorher->mapTo(d.get(), QPoint(0, 0)), vorher->size());
                const QRect b(w->mapTo(d.get(), QPoint(0, 0)), w->size());
                const bool gleicheSpalte = a.left() < b.right() && b.left() < a.right();
                EXPECT_FALSE(gleicheSpalte && b.bottom() < a.top())
                    << GetParam().Name << " page " << s << ": " << w->objectName().toStdString()
                    << " above " << vorher->objectName().toStdString() << " comes after it";
            }
            vorher = w;
        }
    }
}

// Within one dialog no letter is underlined twice among what is in sight
// together (one page and the dialog's own buttons), and Alt+letter gets
// there.
TEST_P(DialogTastatur, MnemonicsAreUniqueAndReachTheirControl) {
    QTabWidget* seiten = d->findChild<QTabWidget*>();
    const int anzahl = seiten ? seiten->count() : 1;
    for (int s = 0; s < anzahl; ++s) {
        if (seiten) seiten->setCurrentIndex(s);
        QApplication::processEvents();
        std::map<QChar, QWidget*> ziele;
        const auto merke = [&](QChar c, QWidget* ziel, QWidget* quelle) {
            if (c.isNull() || !ziel) return;
            const auto [it, neu] = ziele.emplace(c, ziel);
            EXPECT_TRUE(neu) << GetParam().Name << " page " << s << ": '&"
                             << QString(c).toStdString()
                             << "' twice: " << quelle->objectName().toStdString() << " and "
                             << it->second->objectName().toStdString();
        };
        for (QWidget* w : d->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(d.get())) continue;
            if (auto* b = qobject_cast<QAbstractButton*>(w)) merke(Mnemonik(b->text()), b, b);
            if (auto* l = qobject_cast<QLabel*>(w)) merke(Mnemonik(l->text()), l->buddy(), l);
            if (auto* g = qobject_cast<QGroupBox*>(w)) merke(Mnemonik(g->title()), g, g);
        }
        if (seiten)
            for (int t = 0; t < seiten->count(); ++t)
                merke(Mnemonik(seiten->tabText(t)), seiten->tabBar(), seiten->tabBar());
        // Alt+letter on a label moves the focus to its field.
        for (const auto& [c, ziel] : ziele) {
            if (qobject_cast<QAbstractButton*>(ziel) || qobject_cast<QGroupBox*>(ziel) ||
                qobject_cast<QTabBar*>(ziel) || !ziel->isEnabled())
                continue;
            QTest::keyClick(Fokus() ? Fokus() : d.get(), Buchstabe(c.toLatin1()), Qt::AltModifier);
            EXPECT_TRUE(Fokus() == ziel || ziel->isAncestorOf(Fokus()))
                << GetParam().Name << ": Alt+" << c.toLatin1() << " does not reach "
                << ziel->objectName().toStdString();
        }
    }
}

// Every control that takes the focus has a name for the screen reader.
TEST_P(DialogTastatur, EveryFocusableControlHasAnAccessibleName) {
    QTabWidget* seiten = d->findChild<QTabWidget*>();
    const int anzahl = seiten ? seiten->count() : 1;
    for (int s = 0; s < anzahl; ++s) {
        if (seiten) seiten->setCurrentIndex(s);
        QApplication::processEvents();
        for (QWidget* w : d->findChildren<QWidget*>()) {
            if (!Erreichbar(w, d.get())) continue;
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(i, nullptr);
            EXPECT_FALSE(i->text(QAccessible::Name).trimmed().isEmpty())
                << GetParam().Name << ": " << w->metaObject()->className() << " "
                << w->objectName().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AlleDialoge, DialogTastatur, ::testing::ValuesIn(Dialoge()),
                         [](const auto& info) { return std::string(info.param.Name); });

// ------------------------------------------------ the main window and the view

TEST_F(OhneMaus, MainWindowAndViewHaveNamesAndTheSceneAsText) {
    Punkt("A", "2", "0", "0");
    Punkt("B", "0", "4", "0");
    Punkt("C", "0", "0", "3");
    Markieren({"A", "B", "C"});
    Menue("eme");
    Element("B")->sichtbar = false;
    for (QWidget* fenster : {static_cast<QWidget*>(haupt.get()), static_cast<QWidget*>(f)}) {
        ZugaenglicheNamenSetzen(fenster);
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            if (!Erreichbar(w, fenster->window())) continue;
            QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(i, nullptr);
            EXPECT_FALSE(i->text(QAccessible::Name).trimmed().isEmpty())
                << w->metaObject()->className() << " " << w->objectName().toStdString();
        }
    }
    // The view: one entry per visible element, with the object list's words.
    QAccessibleInterface* ansicht = QAccessible::queryAccessibleInterface(f->Ansicht());
    ASSERT_NE(ansicht, nullptr);
    QStringList eintraege;
    for (int k = 0; k < ansicht->childCount(); ++k)
        if (QAccessibleInterface* c = ansicht->child(k); c && c->role() == QAccessible::ListItem)
            eintraege << c->text(QAccessible::Name);
    QStringList soll;
    for (const TDreiDBasisElement* e : SichtbareElemente(f->Dokument().Liste()))
        soll << QString::fromStdString(ElementSatz(*e));
    EXPECT_EQ(eintraege, soll);
    ASSERT_EQ(eintraege.size(), 3);
    EXPECT_TRUE(eintraege[0].startsWith(QStringLiteral("Punkt A, Koordinaten 2, 0, 0")));
    EXPECT_TRUE(eintraege[2].contains(
        QStringLiteral("durch A, B und C, Koordinatenform 6 x 1 plus 3 x 2 plus 4 x 3 gleich 12")));
    EXPECT_TRUE(ansicht->text(QAccessible::Description).contains(eintraege[1]));

    // "Szene beschreiben" shows the same text, to be copied.
    Menue("sb");
    auto* fenster = haupt->findChild<TSzenenbeschreibung*>();
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->Text(), QString::fromStdString(SzenentextGanz(f->Dokument().Liste())));
    fenster->KopierenClick();
    EXPECT_EQ(QApplication::clipboard()->text(), fenster->Text());
    ZugaenglicheNamenSetzen(fenster);
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!Erreichbar(w, fenster)) continue;
        QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(w);
        EXPECT_FALSE(zugang->text(QAccessible::Name).trimmed().isEmpty())
            << w->objectName().toStdString();
    }
    fenster->close();
}

// ------------------------------------------------ pictures

QImage Bild(TDokument& d, const TZeichenOptionen& o, int seite) {
    QImage bild(seite, seite, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    Malen(p, d.Abbildung().LogischesFenster(), QRectF(0, 0, seite, seite),
          [&](TZeichenflaeche& fl) { DokumentZeichnen(d, fl, o); });
    return bild;
}

int Farbige(const QImage& b) {
    int n = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            n += b.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

TEST(Praesentation, WiderLinesLargerNamesFocusOnlyOnTheScreen) {
    TEinstellungenSichern sichern;
    TDokument d;
    TListe& l = TDokumentTestzugang::Liste(d);
    auto* a = l.Neu<TfrPunkt>();
    a->Name = "A";
    a->Koordinaten = {2, 0, 0};
    auto* g = l.Neu<TGerade>();
    g->Name = "g";
    g->Punkt = {0, 0, 0};
    g->Richtung = {1, 1, 1};
    d.Neuaufbau();

    TZeichenOptionen aus;
    const QImage normal = Bild(d, aus, 400);
    TZeichenOptionen an;
    an.Praesentation = true;
    const QImage gross = Bild(d, an, 400);
    EXPECT_GT(Farbige(gross), Farbige(normal));
    // The option alone changes the picture; off, it is the one it was.
    EXPECT_EQ(Bild(d, aus, 400), normal);

    // The focus ring only where asked for: the screen.
    TZeichenOptionen fokus;
    fokus.Fokus = a->Nummer;
    EXPECT_NE(Bild(d, fokus, 400), normal);

    EXPECT_EQ(PraesentationsStift({Schwarz, 1, TStiftStil::Durchgezogen}).Breite,
              2 * PraesentationMindestbreite);
    EXPECT_EQ(PraesentationsStift({Schwarz, 150, TStiftStil::Durchgezogen}).Breite, 300);
    EXPECT_EQ(VolleFarbe(RGB(200, 200, 255)), RGB(0, 0, 255));
    EXPECT_EQ(VolleFarbe(RGB(128, 128, 128)), Schwarz);
    // Strong enough against white: yellow becomes a dark yellow.
    const TFarbe gelb = KontrastFarbe(RGB(255, 255, 0));
    EXPECT_LT(Rot(gelb), 160);
    EXPECT_EQ(Blau(gelb), 0);
}

TEST(Praesentation, TheViewFollowsTheSetting) {
    TEinstellungenSichern sichern;
    TDokument d;
    tAnaGraphBox box;
    auto* a = TDokumentTestzugang::Liste(d).Neu<TfrPunkt>();
    a->Name = "A";
    a->Koordinaten = {2, 0, 0};
    d.Neuaufbau();
    box.SetzeDokument(&d);
    box.resize(300, 300);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    box.Neuzeichnen();
    const QImage normal = box.grab().toImage();
    Einstellungen().Praesentation = true;
    box.Neuzeichnen();
    EXPECT_GT(Farbige(box.grab().toImage()), Farbige(normal));
    Einstellungen().Praesentation = false;
    box.Neuzeichnen();
    EXPECT_EQ(box.grab().toImage(), normal);
}

// The desktop's font scaling: with a larger application font the view's
// names and lines grow (and every name is still drawn); at the usual font
// the picture is exactly the one without the factor.
TEST(Schriftskalierung, TheViewFollowsTheApplicationFont) {
    TEinstellungenSichern sichern;
    const QFont alt = QApplication::font();
    TDokument d;
    auto* a = TDokumentTestzugang::Liste(d).Neu<TfrPunkt>();
    a->Name = "A";
    a->Koordinaten = {2, 0, 0};
    d.Neuaufbau();
    EXPECT_EQ(AnsichtSchriftfaktor(), 1.0) << DesktopSchriftfaktor();
    TZeichenOptionen eins;
    eins.Schriftfaktor = 1;
    EXPECT_EQ(Bild(d, eins, 400), Bild(d, TZeichenOptionen{}, 400));

    tAnaGraphBox box;
    box.SetzeDokument(&d);
    box.resize(300, 300);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    box.Neuzeichnen();
    const QImage normal = box.grab().toImage();
    QFont gross = alt;
    gross.setPixelSize(24);
    QApplication::setFont(gross);
    EXPECT_DOUBLE_EQ(DesktopSchriftfaktor(), 2.0);
    EXPECT_DOUBLE_EQ(AnsichtSchriftfaktor(), 2.0);
    box.Neuzeichnen();
    const QImage doppelt = box.grab().toImage();
    QApplication::setFont(alt);
    EXPECT_GT(Farbige(doppelt), Farbige(normal));
    // The name is there, twice as high: its dark pixels grow.
    const auto dunkle = [](const QImage& b) {
        int n = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                n += qGray(b.pixel(x, y)) < 60;
        return n;
    };
    EXPECT_GT(dunkle(doppelt), dunkle(normal));
    TZeichenOptionen zwei;
    zwei.Schriftfaktor = 2;
    EXPECT_NE(Bild(d, zwei, 400), Bild(d, TZeichenOptionen{}, 400));
    box.Neuzeichnen();
    EXPECT_EQ(box.grab().toImage(), normal);
}

// A result message is told to the screen reader where the user works: the
// focused widget's accessible description becomes the result (what a screen
// reader reads out on the change), a warning leaves it alone. Where the
// platform has an active accessibility bridge the events themselves are
// recorded too (the offscreen platform has none, so there they are not sent).
TEST(Ansage, ResultsAreAnnouncedWhereTheFocusIs) {
    QLineEdit feld;
    feld.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&feld));
    feld.activateWindow();
    feld.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&feld));
    for (int i = 0; i < 50 && Fokus() != &feld; ++i)
        QTest::qWait(10);
    ASSERT_EQ(Fokus(), &feld);
    Ansagen.clear();
    QAccessible::installUpdateHandler(AnsagenMerken);
    QtMeldungen m;
    const auto schliessen = [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    };
    QTimer::singleShot(0, schliessen);
    m.Meldung("Abstand: 5,63", TMeldungsart::Information, "Kalvorin");
    QTimer::singleShot(0, schliessen);
    m.Meldung("Das geht nicht.", TMeldungsart::Warnung, "Kalvorin");
    QAccessible::installUpdateHandler(nullptr);
    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(&feld);
    ASSERT_NE(zugang, nullptr);
    EXPECT_EQ(zugang->text(QAccessible::Description), QStringLiteral("Abstand: 5,63"));
    if (QAccessible::isActive()) {
        const auto gesagt = [&](const QString& text) {
            return std::any_of(Ansagen.begin(), Ansagen.end(),
                               [&](const auto& a) { return a.second == text; });
        };
        EXPECT_TRUE(gesagt(QStringLiteral("Abstand: 5,63")));
        EXPECT_FALSE(gesagt(QStringLiteral("Das geht nicht.")));
    }
}

} // namespace

namespace {

TEST(Praesentation, SwitchedOnInTheSettingsDialog) {
    TEinstellungenSichern sichern;
    TEinstDLG d;
    auto* c = W<QCheckBox>(d, "CheckBoxPraesentation");
    ASSERT_NE(c, nullptr);
    EXPECT_FALSE(c->isChecked());
    EXPECT_FALSE(c->accessibleName().isEmpty() && c->text().isEmpty());
    QTest::keyClick(c, Qt::Key_Space);
    W<QPushButton>(d, "BitBtnOK")->click();
    EXPECT_TRUE(Einstellungen().Praesentation);
    TEinstDLG wieder;
    EXPECT_TRUE(W<QCheckBox>(wieder, "CheckBoxPraesentation")->isChecked());
}

} // namespace
