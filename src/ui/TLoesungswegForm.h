#pragma once
// The window "Lösungsweg": the worked solution for the marked elements of
// the active document, chosen among the tasks they offer, shown as rich
// text (column vectors, lines that wrap); it copies the plain text or the
// LaTeX and saves a ".tex" file.

#include "exakt/Loesungsweg.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QTextBrowser;
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

    // The plain text (columns drawn with bracket characters) of the task shown.
    QString Text() const;
    QString Latex() const;
    // Writes the LaTeX file (UTF-8) through the atomic replace; the user's
    // message (Schreibmeldung), empty on success.
    QString Speichern(const QString& datei) const;

    QComboBox* Aufgabe = nullptr;
    QTextBrowser* Anzeige = nullptr;
    QPushButton* KopierenText = nullptr;
    QPushButton* KopierenLatex = nullptr;
    QPushButton* SpeichernKnopf = nullptr;

private:
    void Waehlen(int index);

    std::vector<exakt::TLoesungsweg> wege_;
};

} // namespace kalvorin
