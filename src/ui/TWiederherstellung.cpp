#include "ui/TWiederherstellung.h"

#include "ui/TAnaGraphBox.h"
#include "ui/TGrafChildForm.h"
#include "ui/TMainForm.h"

#include "model/Meldungen.h"

#include <QMdiSubWindow>

#include <algorithm>
#include <chrono>

namespace kalvorin {

TWiederherstellung::TWiederherstellung(TMainForm& haupt, const std::string& ordner)
    : QObject(&haupt), haupt_(haupt), ablage_(std::make_unique<TWiederherstellungsablage>(ordner)),
      plan_(std::make_unique<TWiederherstellungsplan>(*ablage_)) {
    zeitgeber_.setSingleShot(true);
    connect(&zeitgeber_, &QTimer::timeout, this, [this] { plan_->Schreiben(); });
    plan_->PlanGeaendert = [this] { ZeitgeberStellen(); };
}

TWiederherstellung::~TWiederherstellung() {
    plan_->PlanGeaendert = nullptr;
    zeitgeber_.stop();
}

void TWiederherstellung::ZeitgeberStellen() {
    const auto naechste = plan_->Naechste();
    if (!naechste) {
        zeitgeber_.stop();
        return;
    }
    using namespace std::chrono;
    // "At once" is the earliest time there is; subtracting from it would overflow.
    const auto jetzt = steady_clock::now();
    const long long warten =
        *naechste <= jetzt ? 0 : duration_cast<milliseconds>(*naechste - jetzt).count();
    zeitgeber_.start(int(std::min<long long>(warten, TWiederherstellungsplan::Abstand.count())));
}

void TWiederherstellung::Anmelden(tGrafChildForm* fenster) {
    TDokument* d = &fenster->Dokument();
    plan_->Anmelden(*d, [fenster] { return fenster->Beschriftung().toStdString(); });
    // A window that goes without being closed (the main window is torn
    // down) keeps its copy for the next start.
    connect(fenster, &QObject::destroyed, this, [this, d] { plan_->Vergessen(d); });
}

void TWiederherstellung::Abmelden(tGrafChildForm* fenster) {
    plan_->Abmelden(fenster->Dokument());
}

void TWiederherstellung::Beenden() {
    if (const std::vector<std::string> geblieben = plan_->Aufraeumen(); !geblieben.empty())
        Meldungen().Meldung(NichtEntferntMeldung(geblieben), TMeldungsart::Warnung);
}

int TWiederherstellung::Anbieten(const std::function<void()>& vorDerFrage) {
    TWiederherstellungsangebot angebot(*plan_);
    if (angebot.Leer()) return 0;
    if (vorDerFrage) vorDerFrage();
    int geoeffnet = 0;
    for (const TVerwaisteKopie& k : angebot.Fragen()) {
        tGrafChildForm* f = haupt_.NeuesFenster();
        if (!angebot.Oeffnen(f->Dokument(), k)) {
            // Left empty and unmodified: the window goes without a question.
            if (auto* w = qobject_cast<QMdiSubWindow*>(f->parentWidget())) w->close();
            continue;
        }
        if (const int nummer = NeuNummer(k.Angaben.Beschriftung); nummer > 0)
            f->SetzeNeuNummer(nummer);
        f->Ansicht()->AnsichtZuruecksetzen();
        ++geoeffnet;
    }
    haupt_.UpdateMenuItems();
    return geoeffnet;
}

} // namespace kalvorin
