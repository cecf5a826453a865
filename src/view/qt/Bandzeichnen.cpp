#include "view/qt/Bandzeichnen.h"

#include "view/qt/QtZeichenflaeche.h"

#include <QPainter>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace kalvorin {

namespace {

// Below this many rows a band costs more in going through the whole scene
// than its share of the pixels saves.
constexpr int MindestBandhoehe = 256;

// What the threads of one picture share: the next band to take and how
// many are done. Held by every thread, so a thread that starts only after
// the picture is finished still finds it, takes nothing and ends.
struct TBandarbeit {
    std::atomic<int> naechstes{0};
    int fertig = 0;
    std::mutex m;
    std::condition_variable alleFertig;
};

void BandWeissFuellen(QImage& bild, uchar* daten, int von, int bis) {
    QImage band(daten + von * bild.bytesPerLine(), bild.width(), bis - von, bild.bytesPerLine(),
                bild.format());
    band.fill(Qt::white);
}

void BandMalen(QImage& bild, uchar* daten, int von, int bis, const TLogRechteck& fenster,
               const QRectF& ziel, const TMalen& malen) {
    BandWeissFuellen(bild, daten, von, bis);
    // A painter of its own on the whole image, not on a piece of it: every
    // coordinate stays exactly what one painter alone would compute.
    QImage ganz(daten, bild.width(), bild.height(), bild.bytesPerLine(), bild.format());
    ganz.setDevicePixelRatio(bild.devicePixelRatio());
    QPainter p(&ganz);
    // The clip in device pixels, whatever the pixel ratio: each row belongs
    // to exactly one band.
    const double dpr = bild.devicePixelRatio();
    p.setTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
    p.setClipRect(QRect(0, von, bild.width(), bis - von));
    p.resetTransform();
    TQtZeichenflaeche flaeche(p, fenster, ziel);
    malen(flaeche);
}

} // namespace

std::vector<int> Bandgrenzen(const QImage& bild, int baender) {
    if (baender <= 0)
        baender = std::clamp(bild.height() / MindestBandhoehe, 1,
                             std::max(1, QThread::idealThreadCount()));
    baender = std::clamp(bild.height(), 1, baender);
    std::vector<int> grenzen;
    for (int i = 0; i < baender; ++i)
        grenzen.push_back(static_cast<int>(static_cast<long long>(bild.height()) * i / baender));
    return grenzen;
}

std::vector<int> AusgeglicheneGrenzen(const std::vector<int>& grenzen,
                                      const std::vector<double>& dauer, int hoehe) {
    const int n = static_cast<int>(grenzen.size());
    if (n < 2 || dauer.size() != grenzen.size() || grenzen.front() != 0 || hoehe < 2 * n)
        return grenzen;
    double gesamt = 0;
    for (int i = 0; i < n; ++i) {
        const int bis = i + 1 < n ? grenzen[i + 1] : hoehe;
        if (bis <= grenzen[i] || !(dauer[i] > 0)) return grenzen;
        gesamt += dauer[i];
    }
    const int mindestens = std::max(1, hoehe / (4 * n));
    std::vector<int> neu{0};
    double bisher = 0; // the time of the bands before band i
    int i = 0;
    for (int k = 1; k < n; ++k) {
        const double ziel = gesamt * k / n;
        while (bisher + dauer[i] < ziel && i + 1 < n)
            bisher += dauer[i++];
        const int von = grenzen[i], bis = i + 1 < n ? grenzen[i + 1] : hoehe;
        const double zeile = von + (ziel - bisher) / dauer[i] * (bis - von);
        const int schnitt = static_cast<int>(std::lround((grenzen[k] + zeile) / 2));
        neu.push_back(std::clamp(schnitt, neu.back() + mindestens, hoehe - (n - k) * mindestens));
    }
    return neu;
}

void InBaendernMalen(QImage& bild, const TLogRechteck& fenster, const QRectF& ziel,
                     const TMalen& malen, int baender, TBandteilung* teilung) {
    if (bild.isNull()) return;
    std::vector<int> grenzen = Bandgrenzen(bild, baender);
    const int n = static_cast<int>(grenzen.size());
    if (teilung && teilung->Hoehe == bild.height() && teilung->Grenzen.size() == grenzen.size())
        grenzen = AusgeglicheneGrenzen(teilung->Grenzen, teilung->Dauer, bild.height());
    std::vector<double> dauer(grenzen.size(), 0.0);
    // Detaches once here, before any thread writes into the pixels.
    uchar* daten = bild.bits();
    const auto band = [&](int i) {
        const auto anfang = std::chrono::steady_clock::now();
        BandMalen(bild, daten, grenzen[i], i + 1 < n ? grenzen[i + 1] : bild.height(), fenster,
                  ziel, malen);
        dauer[i] = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    };
    // Once every band is drawn (the threads have handed their times over).
    const auto merken = [&] {
        if (!teilung) return;
        teilung->Hoehe = bild.height();
        teilung->Grenzen = grenzen;
        teilung->Dauer = dauer;
    };
    if (n == 1) {
        band(0);
        merken();
        return;
    }
    // The bands go to the threads of Qt's global pool, which Qt's own
    // drawing uses to split large fills into pieces for other threads. On
    // a thread of that pool it fills alone, so every band is drawn straight
    // through, without handing each fill out and waiting for it; the
    // calling thread only waits. Called on a thread of the pool itself, it
    // draws the bands one after the other there instead of waiting for its
    // own pool.
    QThreadPool* faeden = QThreadPool::globalInstance();
    if (faeden->contains(QThread::currentThread())) {
        for (int i = 0; i < n; ++i)
            band(i);
        merken();
        return;
    }
    auto arbeit = std::make_shared<TBandarbeit>();
    const auto nehmen = [arbeit, n, &band] {
        for (int i; (i = arbeit->naechstes.fetch_add(1)) < n;) {
            band(i);
            std::lock_guard sperre(arbeit->m);
            if (++arbeit->fertig == n) arbeit->alleFertig.notify_all();
        }
    };
    for (int i = 0; i < std::min(n, std::max(1, faeden->maxThreadCount())); ++i)
        faeden->start(nehmen);
    std::unique_lock sperre(arbeit->m);
    arbeit->alleFertig.wait(sperre, [&] { return arbeit->fertig == n; });
    merken();
}

} // namespace kalvorin
