#pragma once
// "Festlegen einer Ebene": a plane in any of its eight ways, by numbers or
// from points, vectors and lines named in combo boxes; every complete way
// can be viewed as the normal form.

#include "eingabe/EbenenEingabe.h"
#include "ui/TElementDLG.h"

#include <array>
#include <vector>

class QComboBox;
class QPlainTextEdit;
class QRadioButton;
class QStackedWidget;

namespace kalvorin {

class TEbenenDLG : public TElementDialog<TEbenenEingabe> {
    Q_OBJECT
public:
    explicit TEbenenDLG(QWidget* eltern = nullptr);

    void EbeneDialogNeu(TDokument& dokument) { DialogNeu(dokument); }
    void EbeneDialogAusElement(TDokument& dokument, int position) {
        DialogAusElement(dokument, position);
    }

    // The radio buttons and the groups of the eight ways, by mode.
    std::array<QRadioButton*, AnzahlEbenenWege> Knoepfe{};
    QStackedWidget* Wege = nullptr;

protected:
    QPixmap Muster(bool dick, TFarbe farbe) const override;

private:
    // A named point or vector of a way: its combo and edits, and where the
    // model keeps it.
    struct TTeilFeld {
        QComboBox* Combo = nullptr;
        TEdits Edits{};
        int Weg = 0;
        std::uint32_t Arten = 0;
        TTeilEingabe& (*Teil)(TEbenenEingabe&) = nullptr;
    };
    // A drop-down list of lines.
    struct TGeradenFeld {
        QComboBox* Liste = nullptr;
        int Weg = 0;
        std::string& (*Name)(TEbenenEingabe&) = nullptr;
    };

    QWidget* WegSeite(std::initializer_list<QWidget*> gruppen);
    QGroupBox* Teil(const QString& titel, const QString& praefix, int weg, std::uint32_t arten,
                    TTeilEingabe& (*teil)(TEbenenEingabe&));
    QGroupBox* GeradenGruppe(const QString& titel, const QString& name, int weg,
                             std::string& (*name_)(TEbenenEingabe&));
    void Zeigen() override;
    void Sammeln(TEbenenEingabe& e) const override;
    void FeldGeaendert(int weg);
    void NameGewaehlt(const TTeilFeld& f);
    void KnopfGeklickt(int weg);

    TEdits parPunkt_{}, parRichtung1_{}, parRichtung2_{};
    std::array<QLineEdit*, 4> normalenform_{};
    std::vector<TTeilFeld> teile_;
    std::vector<TGeradenFeld> geraden_;
    std::vector<std::string> punkteGezeigt_, vektorenGezeigt_, geradenGezeigt_;
};

} // namespace kalvorin
