#pragma once
// The main window's part in recovery copies: the timer that writes them when
// the core's plan says they are due, the document windows handed to the
// plan, and the offer at start.

#include "document/Wiederherstellung.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace kalvorin {

class TMainForm;
class tGrafChildForm;

class TWiederherstellung : public QObject {
    Q_OBJECT
public:
    // ordner: where the copies live (StandardWiederherstellungsordner()).
    TWiederherstellung(TMainForm& haupt, const std::string& ordner);
    ~TWiederherstellung() override;

    // At start: asks about the copies a program that did not end properly
    // left behind and opens the ones the user wants back, each in a window
    // of its own. vorDerFrage runs before the first question or message
    // (the splash must not cover it). Returns the number of windows opened.
    int Anbieten(const std::function<void()>& vorDerFrage = {});

    // A new document window: its changes are copied from now on.
    void Anmelden(tGrafChildForm* fenster);
    // The window has been closed by the user: its copy goes.
    void Abmelden(tGrafChildForm* fenster);

    // At a normal end, after every window has closed: tells the user once
    // about copies that could not be removed.
    void Beenden();

    TWiederherstellungsplan& Plan() { return *plan_; }
    const QTimer& Zeitgeber() const { return zeitgeber_; }

private:
    void ZeitgeberStellen();

    TMainForm& haupt_;
    std::unique_ptr<TWiederherstellungsablage> ablage_;
    std::unique_ptr<TWiederherstellungsplan> plan_;
    QTimer zeitgeber_;
};

} // namespace kalvorin
