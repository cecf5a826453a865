#include "view/qt/Bildausgabe.h"

#include "view/Emf.h"
#include "view/Metadatei.h"
#include "view/Svg.h"
#include "view/Tikz.h"
#include "view/qt/QtZeichenflaeche.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QPageSize>
#include <QPdfWriter>

#include <array>
#include <cmath>

namespace kalvorin {

namespace {

// PDF: the resolution of the painter's coordinates.
constexpr int PdfAufloesung = 1200;

int Pixel(std::int32_t hundertstelMillimeter, double dpi) {
    return std::max(1, static_cast<int>(std::lround(InPixel(hundertstelMillimeter, dpi))));
}

const std::array<TGrafikformat, 6> Formate = {{
    {"wmf", "Windows-Grafikdatei (*.wmf)", &MetadateiDaten},
    {"emf", "Erweiterte Windows-Grafikdatei (*.emf)", &EmfDaten},
    {"svg", "SVG-Grafik (*.svg)", &SvgDaten},
    {"pdf", "PDF-Dokument (*.pdf)", &PdfDaten},
    {"png", "PNG-Bild (*.png)", &PngDaten},
    {"tex", "LaTeX/TikZ (*.tex)", &TikzDaten},
}};

} // namespace

void Malen(QPainter& painter, const TLogRechteck& fenster, const QRectF& ziel,
           const TMalen& malen) {
    painter.save();
    painter.fillRect(ziel, Qt::white);
    {
        TQtZeichenflaeche flaeche(painter, fenster, ziel);
        malen(flaeche);
    }
    painter.restore();
}

void MalenMitMischung(QPainter& painter, const TLogRechteck& fenster, const QRectF& ziel,
                      const TMalen& malen) {
    painter.save();
    painter.fillRect(ziel, Qt::white);
    {
        TQtZeichenflaeche flaeche(painter, fenster, ziel, TQtZeichenflaeche::TMaskenArt::Kennung);
        malen(flaeche);
    }
    painter.restore();
}

void MassstabAnwenden(TGrafikAuftrag& a, const TWeltRechteck& welt, bool heft, int schriftPunkt,
                      double cmProLE) {
    const TMassstabBild b = MassstabBild(a.Fenster, welt, heft, a.Malen, schriftPunkt, cmProLE);
    a.Fenster = b.Fenster;
    a.Groesse = a.Metadateigroesse = b.Groesse;
    a.Malen = [malen = a.Malen, grund = b.Grundzelle, ziel = b.Schriftzelle](TZeichenflaeche& z) {
        TSchriftFlaeche schrift(z, grund, ziel);
        malen(schrift);
    };
}

std::span<const TGrafikformat> Grafikformate() {
    return Formate;
}

const TGrafikformat* GrafikformatMitEndung(const QString& endung) {
    for (const TGrafikformat& f : Formate)
        if (endung.compare(QLatin1String(f.Endung), Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

const TGrafikformat* GrafikformatMitFilter(const QString& filter) {
    for (const TGrafikformat& f : Formate)
        if (filter == QString::fromUtf8(f.Filter)) return &f;
    return nullptr;
}

QString GrafikFilter() {
    QStringList filter;
    for (const TGrafikformat& f : Formate)
        filter << QString::fromUtf8(f.Filter);
    return filter.join(QStringLiteral(";;"));
}

namespace {
// Either metafile: the white page, as on every other target (it also gives
// the picture its full extent in programs that measure what is drawn), then
// the drawing.
template <class TFlaeche> QByteArray MetafileDaten(const TGrafikAuftrag& a) {
    TFlaeche flaeche(a.Fenster, a.Metadateigroesse);
    flaeche.SetzeStift({Weiss, 0, TStiftStil::Unsichtbar});
    flaeche.SetzePinsel({TPinselArt::Voll, Weiss, SchraffurKeine, {}});
    flaeche.Rechteck(a.Fenster);
    a.Malen(flaeche);
    const std::string datei = flaeche.Datei();
    return QByteArray(datei.data(), static_cast<qsizetype>(datei.size()));
}
} // namespace

QByteArray MetadateiDaten(const TGrafikAuftrag& a) {
    return MetafileDaten<TMetadateiFlaeche>(a);
}

QByteArray EmfDaten(const TGrafikAuftrag& a) {
    return MetafileDaten<TEmfFlaeche>(a);
}

QByteArray TikzDaten(const TGrafikAuftrag& a) {
    TTikzFlaeche flaeche(a.Fenster, a.Groesse);
    a.Malen(flaeche);
    const std::string datei = flaeche.Datei();
    return QByteArray(datei.data(), static_cast<qsizetype>(datei.size()));
}

QByteArray SvgDaten(const TGrafikAuftrag& a) {
    // Plain SVG from the canvas of its own, on the white page as every
    // other target.
    TSvgFlaeche flaeche(a.Fenster, a.Groesse);
    flaeche.SetzeStift({Weiss, 0, TStiftStil::Unsichtbar});
    flaeche.SetzePinsel({TPinselArt::Voll, Weiss, SchraffurKeine, {}});
    flaeche.Rechteck(a.Fenster);
    a.Malen(flaeche);
    const std::string datei = flaeche.Datei();
    return QByteArray(datei.data(), static_cast<qsizetype>(datei.size()));
}

QByteArray PdfDaten(const TGrafikAuftrag& a) {
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setCreator(QStringLiteral("Kalvorin"));
        pdf.setResolution(PdfAufloesung);
        pdf.setPageSize(QPageSize(QSizeF(a.Groesse.Breite / 100.0, a.Groesse.Hoehe / 100.0),
                                  QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter p;
        if (!p.begin(&pdf)) return {};
        // The page is a whole number of points; the picture keeps its own
        // size, so that it stays true to scale.
        const QSizeF genau(InPixel(a.Groesse.Breite, PdfAufloesung),
                           InPixel(a.Groesse.Hoehe, PdfAufloesung));
        MalenMitMischung(p, a.Fenster, QRectF(QPointF(0, 0), genau), a.Malen);
        if (!p.end()) return {};
    }
    PdfMischungEintragen(daten);
    return daten;
}

QImage Rasterbild(const TGrafikAuftrag& a) {
    QImage bild(Pixel(a.Groesse.Breite, a.Aufloesung), Pixel(a.Groesse.Hoehe, a.Aufloesung),
                QImage::Format_RGB32);
    if (bild.isNull()) return bild;
    const int proMeter = static_cast<int>(std::lround(a.Aufloesung / 0.0254));
    bild.setDotsPerMeterX(proMeter);
    bild.setDotsPerMeterY(proMeter);
    QPainter p(&bild);
    Malen(p, a.Fenster, QRectF(QPointF(0, 0), bild.size()), a.Malen);
    return bild;
}

QByteArray PngDaten(const TGrafikAuftrag& a) {
    const QImage bild = Rasterbild(a);
    if (bild.isNull()) return {};
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    if (!bild.save(&puffer, "PNG")) return {};
    return daten;
}

std::string GrafikSchreiben(const std::string& datei, const TGrafikformat& format,
                            const TGrafikAuftrag& a) {
    const QByteArray daten = format.Erzeugen(a);
    if (daten.isEmpty()) return "Die Grafik für die Datei " + datei + " kann nicht erzeugt werden.";
    return GrafikDateiSchreiben(datei,
                                std::string_view(daten.constData(), std::size_t(daten.size())));
}

QString GrafikSchreiben(const QString& datei, const TGrafikformat& format,
                        const TGrafikAuftrag& a) {
    return QString::fromStdString(
        GrafikSchreiben(QFile::encodeName(datei).toStdString(), format, a));
}

QMimeData* GrafikMimeDaten(const TGrafikAuftrag& a) {
    auto* daten = new QMimeData;
    daten->setImageData(Rasterbild(a));
    daten->setData(QString::fromLatin1(SvgMimeTyp), SvgDaten(a));
    daten->setData(QString::fromLatin1(WmfMimeTyp), MetadateiDaten(a));
    daten->setData(QString::fromLatin1(EmfMimeTyp), EmfDaten(a));
    return daten;
}

bool AlsBildSpeichern(const QString& datei, int n, const TLogRechteck& fenster, const TMalen& malen,
                      QString& fehler) {
    std::string text;
    const bool ok =
        AlsBildSpeichern(QFile::encodeName(datei).toStdString(), n, fenster, malen, text);
    fehler = QString::fromStdString(text);
    return ok;
}

bool AlsBildSpeichern(const std::string& datei, int n, const TLogRechteck& fenster,
                      const TMalen& malen, std::string& fehler) {
    const TGrafikformat* format = GrafikformatMitEndung(
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(datei))).suffix());
    if (!format) {
        std::string endungen;
        for (const TGrafikformat& f : Grafikformate())
            endungen += (endungen.empty() ? "." : ", .") + std::string(f.Endung);
        fehler = "Unbekanntes Bildformat: " + datei + " (erlaubt sind " + endungen + ")";
        return false;
    }
    constexpr double Bildschirm = 96;
    const auto seite = static_cast<std::int32_t>(std::lround(n * 2540.0 / Bildschirm));
    TGrafikAuftrag a;
    a.Fenster = fenster;
    a.Malen = malen;
    a.Groesse = a.Metadateigroesse = ImSeitenverhaeltnis({seite, seite}, fenster);
    a.Aufloesung = Bildschirm;
    fehler = GrafikSchreiben(datei, *format, a);
    return fehler.empty();
}

} // namespace kalvorin
