#pragma once
// The window "Lösungsweg": the worked solution for the marked elements of
// the active document, chosen among the tasks they offer, shown as plain
// text; it copies the text or its LaTeX and saves a ".tex" file.

#include "exakt/Loesungsweg.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace kalvorin {

class TDokument;

// The tasks the marked elements of the document offer, in menu order.
std::vector<exakt::TLoesungsart> AngeboteneLoesungswege(const TDokument& d);
// "Schnitt", "Lot", "Spiegelung", "Winkel", ...
QString LoesungsartName(exakt::TLoesungsart art);

class TLoesungswegForm : public QDialog {
    Q_OBJECT
public:
    explicit TLoesungswegForm(QWidget* eltern = nullptr);

    // Shows the solutions for the document's marked elements; false (and
    // nothing shown) when they offer none.
    bool Zeigen(const TDokument& d);

    QString Text() const;
    QString Latex() const;
    // Writes the LaTeX file (UTF-8); an error text, empty on success.
    QString Speichern(const QString& datei) const;

    QComboBox* Aufgabe = nullptr;
    QPlainTextEdit* Anzeige = nullptr;
    QPushButton* KopierenText = nullptr;
    QPushButton* KopierenLatex = nullptr;
    QPushButton* SpeichernKnopf = nullptr;

private:
    void Waehlen(int index);

    std::vector<exakt::TLoesungsweg> wege_;
};

} // namespace kalvorin
