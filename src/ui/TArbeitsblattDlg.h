#pragma once
// "Arbeitsblatt speichern...": the title and the class line of the worksheet
// and the questions it asks in a small dialog, then the file (PDF or LaTeX);
// the task with the given elements on the first page, the solution from a
// new page on.

#include "ausgabe/Arbeitsblatt.h"
#include "ausgabe/ArbeitsblattAuswahl.h"
#include "ui/Dateidialog.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace kalvorin {

class tGrafChildForm;

class TArbeitsblattDlg : public QDialog {
    Q_OBJECT
public:
    // The questions start from the document's choice; the measurement
    // button adds those of the document's marked elements.
    TArbeitsblattDlg(const TArbeitsblattEingabe& start, const TDokument& d,
                     QWidget* eltern = nullptr);

    QLineEdit* TitelEdit = nullptr;
    QLineEdit* KlasseEdit = nullptr;
    QListWidget* FragenListe = nullptr; // one checkable row a question
    QPushButton* MessungBtn = nullptr;
    QPlainTextEdit* ZeilenEdit = nullptr; // free lines of the task
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

    TArbeitsblattEingabe Eingabe() const;
    TArbeitsblattAuswahl Auswahl() const;
    // Closes the dialog when the entries can be used; else the message.
    void OKBtnClick();
    // Adds the measurements of the marked elements to the questions.
    void MessungBtnClick();
    void HelpBtnClick();

    // Shows the dialog modally; true after "O&k". Tests answer it here
    // instead of a modal loop.
    static std::function<bool(TArbeitsblattDlg&)> Zeigen;

private:
    // The list of questions, the measurement button and the free lines.
    void FragenteilBauen(QVBoxLayout& haupt, const TDokument& d);
    void FragenZeigen(const TArbeitsblattAuswahl& a);

    const TListe& liste_;
    std::vector<TArbeitsblattfrage> fragen_; // per row of FragenListe
};

// The file dialog's filters for the worksheet, PDF first.
inline const QString ArbeitsblattPdfFilter = QStringLiteral("PDF-Dokument (*.pdf)");
inline const QString ArbeitsblattTexFilter = QStringLiteral("LaTeX-Datei (*.tex)");

// The whole command for the document of the window; messages go through
// Meldungen(). The title and class of the last worksheet are proposed
// again during the run; the questions chosen are the document's and are
// stored in it on "O&k", as one undoable change.
void ArbeitsblattSpeichern(QWidget* eltern, tGrafChildForm& fenster,
                           const TDateiDialog& dateiDialog);

// The worksheet of the document into the file (by its extension, .pdf or
// .tex) through the atomic replace. Empty, or the German message.
QString ArbeitsblattSchreiben(const TDokument& d, const TArbeitsblattEingabe& e,
                              const QString& datei);

} // namespace kalvorin
