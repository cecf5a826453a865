#pragma once
// "Festlegen eines Vektors": a free vector by its three components, or an
// existing vector shown with how it is defined (and renamed).

#include "eingabe/VektorEingabe.h"
#include "ui/TElementDLG.h"

namespace kalvorin {

// The arrow over a vector's name, drawn with the painter so that it looks
// the same with every font: a line over the name's width with a head at
// its right end. It follows the text and font of the label below it.
class TVektorpfeil : public QWidget {
    Q_OBJECT
public:
    explicit TVektorpfeil(QLabel* name, QWidget* eltern = nullptr);
    // The text the arrow stands over (the name without " =").
    void SetzeText(const QString& text);
    // Where the arrow runs, in the widget's own coordinates.
    QLineF Linie() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QLabel* name_;
    QString text_;
};

class TVektorDLG : public TElementDialog<TVektorEingabe> {
    Q_OBJECT
public:
    explicit TVektorDLG(QWidget* eltern = nullptr);

    void VektorDialogNeu(TDokument& dokument) { DialogNeu(dokument); }
    void VektorDialogAusElement(TDokument& dokument, int position) {
        DialogAusElement(dokument, position);
    }

    QLabel* AusgabeName = nullptr;
    TVektorpfeil* PfeilLabel = nullptr;
    QLineEdit* Editx = nullptr;
    QLineEdit* Edity = nullptr;
    QLineEdit* Editz = nullptr;

protected:
    TEingabePruefung Pruefen(TDokument& dokument) override;
    QPixmap Muster(bool, TFarbe) const override { return {}; }
    void NameGeaendert(const QString& name) override;

private:
    void Zeigen() override;
    void Sammeln(TVektorEingabe& e) const override;
};

} // namespace kalvorin
