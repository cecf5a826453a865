#pragma once
// Driving the element dialogs by their object names: alone, and modally from
// the main window with its object list.

#include "model/Meldungen.h"
#include "storage/EinstellungenSichern.h"
#include "ui/ObjektlistenAnbindung.h"
#include "ui/TElementDLG.h"
#include "ui/TGrafChildForm.h"
#include "ui/TListenformular.h"
#include "ui/TMainForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kalvorin::test {

template <class T = QLineEdit> T* W(QWidget& d, const std::string& name) {
    T* w = d.findChild<T*>(QString::fromStdString(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline bool Ok(TElementDLG& d) {
    W<QPushButton>(d, "OK")->click();
    return d.Akzeptiert;
}

inline std::vector<std::string> Texte(const TMeldungsProtokoll& p) {
    std::vector<std::string> t;
    for (const auto& e : p.Eintraege)
        t.push_back(e.Text);
    return t;
}

// A new document in the main window, its object list attached.
class THauptfensterTest : public ::testing::Test {
protected:
    void SetUp() override {
        haupt = std::make_unique<TMainForm>();
        liste = new TListenformular(haupt.get());
        ObjektlisteAnbinden(*haupt, *liste);
        haupt->resize(1000, 800);
        haupt->show();
        liste->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(haupt.get()));
        haupt->NeuClick();
        QApplication::processEvents();
        f = haupt->AktivesFenster();
        ASSERT_NE(f, nullptr);
    }
    void TearDown() override { haupt.reset(); }

    QTableWidget* Gitter() const {
        return liste->findChild<QTableWidget*>(QStringLiteral("Listengitter"));
    }
    QStringList Zeilen() const {
        QStringList namen;
        for (int r = 0; r < Gitter()->rowCount(); ++r)
            namen << Gitter()->item(r, 1)->text();
        return namen;
    }
    void Doppelklick(int zeile) const {
        const QPoint zelle = Gitter()->visualRect(Gitter()->model()->index(zeile, 1)).center();
        QTest::mouseClick(Gitter()->viewport(), Qt::LeftButton, Qt::NoModifier, zelle);
        QTest::mouseDClick(Gitter()->viewport(), Qt::LeftButton, Qt::NoModifier, zelle);
    }
    // Runs steps on the dialog that opens modally while oeffnen runs.
    template <class Dialog, class Oeffnen, class Schritte>
    void MitDialog(Oeffnen oeffnen, Schritte schritte) {
        bool gelaufen = false;
        QTimer warten;
        warten.setSingleShot(true);
        QObject::connect(&warten, &QTimer::timeout, [&] {
            auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            schritte(*d);
            gelaufen = true;
        });
        warten.start(0);
        oeffnen();
        EXPECT_TRUE(gelaufen);
    }

    TEinstellungenSichern sichern;
    TMeldungsProtokoll meldungen;
    std::unique_ptr<TMainForm> haupt;
    TListenformular* liste = nullptr;
    tGrafChildForm* f = nullptr;
};

} // namespace kalvorin::test
