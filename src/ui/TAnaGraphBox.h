#pragma once
// The 3D view of a document window: a scrollable paint surface that shows the
// logical window of the document's world mapping with equal scale in both
// directions, turns the view while the left button drags, and reports clicks
// that did not move.

#include "ui/Geraeteabbildung.h"
#include "view/Zeichenflaeche.h"
#include "view/qt/Bandzeichnen.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <vector>

namespace kalvorin {

class TDokument;
struct TZeichenOptionen;

// Option bits of a graph box.
enum TGraphBoxOption : int {
    GraphBoxNeuAbbildenBeiGroesse =
        2,                     // recompute the mapping on resize, keep relative scroll positions
    GraphBoxGrauesFenster = 4, // fill the logical window grey with a black frame
    GraphBoxSeitenrahmen = 8,  // frame round the page
};

class tAnaGraphBox : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit tAnaGraphBox(QWidget* eltern = nullptr);

    void SetzeDokument(TDokument* dokument);
    TDokument* Dokument() const { return dokument_; }

    int Optionen() const { return optionen_; }
    void SetzeOptionen(int optionen);

    // Where the logical window lies on the paint surface now, scroll
    // positions included.
    TGeraeteAbbildung Abbildung() const;
    TLogPunkt LogischAusGeraet(QPointF flaechenPunkt) const {
        return Abbildung().Logisch(flaechenPunkt);
    }
    QPointF GeraetAusLogisch(TLogPunkt p) const { return Abbildung().Geraet(p); }

    // Draws everything again (through the off-screen image) and shows it.
    void Neuzeichnen();
    // The same at once as a step of a drag (in bands), for a dragged point.
    void ZiehbildZeigen();
    // Back to the view's own position: the scroll bars to the middle.
    void AnsichtZuruecksetzen();

    // The drawing of the view onto any painter, the device rectangle given:
    // the white page with its frame, the sphere outline when asked for, the
    // names, then the scene. The marks are drawn only for the screen
    // (mitMarkierungen); every other output shows the figure without them.
    void Zeichnen(QPainter& painter, const QRectF& geraet, bool mitMarkierungen = false) const;

    // The element with the focus ring (its serial number; 0: none). Drawn on
    // the screen only.
    void SetzeFokus(int nummer);
    int Fokus() const { return fokus_; }

    // The screen's display filter of "Schrittweise zeigen": the elements of
    // these serial numbers are left out of the picture (not out of prints).
    void SetzeVerborgen(std::vector<int> nummern);
    // "Vollbild": the screen draws as with the setting "Präsentation".
    void SetzePraesentation(bool an);

    bool Zieht() const { return ziehen_; }
    // How often the scene was drawn into the off-screen image (for tests of
    // what a drag costs).
    int Bildaufbauten() const { return bildaufbauten_; }

signals:
    // Left button released without any movement since it was pressed.
    void Klick(kalvorin::TLogPunkt wo, bool doppelklick, bool strg);
    // The view was turned by a drag step.
    void Gedreht();
    // The first time the view was painted on the screen.
    void ErstmalsGezeichnet();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void Druecken(QMouseEvent* e);
    // A drag step (ziehbild) is drawn in bands on all cores, every other
    // picture with one painter.
    void BildAufbauen(bool ziehbild = false);
    // What the view asks of the one drawing: sphere, frame and grey window
    // as set, the marks for the screen only.
    TZeichenOptionen Optionen(bool mitMarkierungen) const;
    void BildlaufleistenSetzen();

    TDokument* dokument_ = nullptr;
    int optionen_ = GraphBoxNeuAbbildenBeiGroesse | GraphBoxSeitenrahmen;
    int teilungX_ = 20, teilungY_ = 15;
    QImage bild_;
    // Where the last drag frame's work lay, for cutting the next one's bands.
    TBandteilung bandteilung_;
    bool vollNeu_ = true;
    bool ziehen_ = false, bewegt_ = false, doppel_ = false;
    bool gezeichnet_ = false;
    TLogPunkt letzte_{};
    int beschaeftigt_ = 0;
    // Wheel turning not yet used up: a zoom step per notch, however finely
    // the device reports it.
    int rad_ = 0;
    int bildaufbauten_ = 0;
    int fokus_ = 0;
    std::vector<int> verborgen_;
    bool praesentation_ = false;
};

// The view as a screen reader sees it: one entry per visible element with
// the sentence of the scene text. Installed once.
void AnsichtZugangEinrichten();

} // namespace kalvorin
