#include "view/qt/Arbeitsblattausgabe.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <algorithm>

namespace kalvorin {

namespace {

constexpr int Aufloesung = 600; // dots per inch of the page's coordinates
constexpr double Rand = 20;     // mm, every side
constexpr double Einzug = 8;    // mm, displayed formulas
constexpr double Kaestchen = 5; // mm, the squares of the room to work

class TSetzer {
public:
    TSetzer(QPdfWriter& pdf, QPainter& p) : pdf_(pdf), p_(p) {
        const QRect seite = pdf.pageLayout().fullRectPixels(pdf.resolution());
        links_ = Mm(Rand);
        rechts_ = seite.width() - Mm(Rand);
        oben_ = Mm(Rand);
        unten_ = seite.height() - Mm(Rand);
        y_ = oben_;
    }

    void SetzeGrundschrift(double punkte) { grund_ = punkte; }

    double Mm(double mm) const { return mm * pdf_.resolution() / 25.4; }

    void NeueSeite() {
        pdf_.newPage();
        y_ = oben_;
    }

    void Kopf(const TArbeitsblattInhalt& b, const std::string& ueberschrift) {
        Schrift(18, true);
        Textzeile(QString::fromStdString(b.Titel), links_);
        y_ += Mm(2);
        Schrift(11, false);
        const QFontMetricsF fm(p_.font(), &pdf_);
        const double grund = y_ + fm.ascent();
        const QString klasse = QStringLiteral("Klasse: ") + QString::fromStdString(b.Klasse);
        p_.drawText(QPointF(links_, grund), klasse);
        if (b.Klasse.empty()) Strich(links_ + fm.horizontalAdvance(klasse), grund, Mm(20));
        const double mitte = links_ + (rechts_ - links_) * 0.35;
        const QString name = QStringLiteral("Name: ");
        p_.drawText(QPointF(mitte, grund), name);
        Strich(mitte + fm.horizontalAdvance(name), grund, Mm(55));
        const QString datum = QStringLiteral("Datum: ");
        const double d = rechts_ - Mm(30) - fm.horizontalAdvance(datum);
        p_.drawText(QPointF(d, grund), datum);
        Strich(rechts_ - Mm(30), grund, Mm(30));
        y_ += fm.height() + Mm(6);
        Schrift(14, true);
        Textzeile(QString::fromStdString(ueberschrift), links_);
        y_ += Mm(2);
    }

    void Zeile(const TTextzeile& z) {
        const bool ueberschrift = z.Art == TTextzeilenart::Ueberschrift;
        Schrift(ueberschrift ? grund_ + 1 : grund_, ueberschrift);
        if (ueberschrift) y_ += Mm(1.5);
        const double x = links_ + (z.Art == TTextzeilenart::Formel ? Mm(Einzug) : 0);
        if (!HatSpalten(z)) {
            QString text;
            for (const TTextstueck& s : z.Stuecke)
                text += QString::fromStdString(s.Text);
            const QRectF raum(x, y_, rechts_ - x, unten_ - oben_);
            const QRectF noetig = p_.boundingRect(raum, Qt::TextWordWrap, text);
            Platz(noetig.height());
            p_.drawText(QRectF(x, y_, rechts_ - x, noetig.height()), Qt::TextWordWrap, text);
            y_ += noetig.height() + Mm(1);
            return;
        }
        const QFontMetricsF fm(p_.font(), &pdf_);
        const double zeile = fm.height();
        Platz(3 * zeile);
        const double grund = y_ + zeile + fm.ascent();
        const double klammer = fm.horizontalAdvance(QStringLiteral("(")) * 1.2;
        double cx = x;
        for (const TTextstueck& s : z.Stuecke) {
            if (!s.Spalte) {
                const QString t = QString::fromStdString(s.Text);
                p_.drawText(QPointF(cx, grund), t);
                cx += fm.horizontalAdvance(t);
                continue;
            }
            double breite = 0;
            for (const TSpalteneintrag& e : *s.Spalte)
                breite = std::max(breite, fm.horizontalAdvance(QString::fromStdString(e.Text)));
            Klammer(cx, y_ + zeile * 0.1, y_ + zeile * 2.9, klammer, true);
            cx += klammer;
            for (int i = 0; i < 3; ++i) {
                const QString e =
                    QString::fromStdString((*s.Spalte)[static_cast<std::size_t>(i)].Text);
                p_.drawText(
                    QPointF(cx + breite - fm.horizontalAdvance(e), y_ + i * zeile + fm.ascent()),
                    e);
            }
            cx += breite;
            Klammer(cx, y_ + zeile * 0.1, y_ + zeile * 2.9, klammer, false);
            cx += klammer;
        }
        y_ += 3 * zeile + Mm(1.5);
    }

    void Bild(const TLogRechteck& fenster, TAusgabeMass groesse, const TMalen& malen) {
        const double b = Mm(groesse.Breite / 100.0), h = Mm(groesse.Hoehe / 100.0);
        Platz(h);
        const QRectF ziel((links_ + rechts_ - b) / 2, y_ + Mm(2), b, h);
        // The canvas sets the painter's transformation itself, so the figure
        // gets its place in page coordinates.
        const QRectF aufSeite = p_.transform().mapRect(ziel);
        p_.save();
        p_.resetTransform();
        p_.setClipRect(aufSeite);
        Malen(p_, fenster, aufSeite, malen);
        p_.restore();
        y_ += h + Mm(4);
    }

    // Squared paper down to the bottom margin.
    void Arbeitsraum() {
        const double k = Mm(Kaestchen);
        const double anfang = y_ + Mm(2);
        if (unten_ - anfang < 2 * k) return;
        p_.save();
        p_.setPen(QPen(QColor(190, 190, 190), Mm(0.15)));
        const int spalten = static_cast<int>((rechts_ - links_) / k);
        const int zeilen = static_cast<int>((unten_ - anfang) / k);
        const double x0 = links_ + ((rechts_ - links_) - spalten * k) / 2;
        for (int i = 0; i <= spalten; ++i)
            p_.drawLine(QPointF(x0 + i * k, anfang), QPointF(x0 + i * k, anfang + zeilen * k));
        for (int j = 0; j <= zeilen; ++j)
            p_.drawLine(QPointF(x0, anfang + j * k), QPointF(x0 + spalten * k, anfang + j * k));
        p_.restore();
        y_ = unten_;
    }

private:
    void Schrift(double punkte, bool fett) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(punkte);
        f.setBold(fett);
        p_.setFont(f);
        p_.setPen(Qt::black);
    }

    void Textzeile(const QString& t, double x) {
        const QFontMetricsF fm(p_.font(), &pdf_);
        Platz(fm.height());
        p_.drawText(QPointF(x, y_ + fm.ascent()), t);
        y_ += fm.height();
    }

    void Strich(double x, double grund, double laenge) {
        p_.save();
        p_.setPen(QPen(Qt::black, Mm(0.2)));
        p_.drawLine(QPointF(x, grund + Mm(0.5)), QPointF(x + laenge, grund + Mm(0.5)));
        p_.restore();
    }

    void Klammer(double x, double oben, double unten, double breite, bool links) {
        QPainterPath pfad;
        const double innen = links ? x + breite * 0.8 : x + breite * 0.2;
        const double aussen = links ? x + breite * 0.2 : x + breite * 0.8;
        pfad.moveTo(innen, oben);
        pfad.cubicTo(aussen, oben + (unten - oben) * 0.2, aussen, unten - (unten - oben) * 0.2,
                     innen, unten);
        p_.save();
        p_.setPen(QPen(Qt::black, Mm(0.25)));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(pfad);
        p_.restore();
    }

    void Platz(double h) {
        if (y_ + h > unten_ && y_ > oben_) NeueSeite();
    }

    QPdfWriter& pdf_;
    QPainter& p_;
    double links_ = 0, rechts_ = 0, oben_ = 0, unten_ = 0, y_ = 0;
    double grund_ = 11; // points, the text's size
};

void Seite(TSetzer& s, const TArbeitsblattInhalt& b, const TBlattSeite& seite,
           const TLogRechteck& fenster, TAusgabeMass groesse, const TMalen& malen) {
    s.Kopf(b, seite.Ueberschrift);
    for (const TTextzeile& z : seite.VorBild)
        s.Zeile(z);
    s.Bild(fenster, groesse, malen);
    for (const TTextzeile& z : seite.NachBild)
        s.Zeile(z);
    if (seite.Arbeitsraum) s.Arbeitsraum();
}

} // namespace

QByteArray ArbeitsblattPdf(const TArbeitsblattInhalt& blatt, const TArbeitsblattBilder& bilder) {
    const TLogRechteck& fenster = bilder.Fenster;
    const TAusgabeMass aufgabeGroesse = bilder.AufgabeGroesse;
    const TAusgabeMass loesungGroesse = bilder.LoesungGroesse;
    const TMalen& aufgabe = bilder.Aufgabe;
    const TMalen& loesung = bilder.Loesung;
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setCreator(QStringLiteral("Kalvorin"));
        pdf.setTitle(QString::fromStdString(blatt.Titel));
        pdf.setResolution(Aufloesung);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter p;
        if (!p.begin(&pdf)) return {};
        TSetzer s(pdf, p);
        Seite(s, blatt, blatt.Aufgabe, fenster, ImSeitenverhaeltnis(aufgabeGroesse, fenster),
              aufgabe);
        // The solution starts on a new page and runs on over as many pages
        // as it needs, in its own size: a sheet scaled down to fit would
        // be hard to read.
        s.NeueSeite();
        s.SetzeGrundschrift(10);
        Seite(s, blatt, blatt.Loesung, fenster, ImSeitenverhaeltnis(loesungGroesse, fenster),
              loesung);
        if (!p.end()) return {};
    }
    return daten;
}

} // namespace kalvorin
