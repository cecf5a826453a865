#pragma once
// "Arbeitsblatt speichern...": the title and the class line of the worksheet
// in a small dialog, then the file (PDF or LaTeX); page 1 the task with the
// given elements, page 2 the solution.

#include "document/Arbeitsblatt.h"
#include "ui/Dateidialog.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

namespace kalvorin {

class tGrafChildForm;

class TArbeitsblattDlg : public QDialog {
    Q_OBJECT
public:
    explicit TArbeitsblattDlg(const TArbeitsblattEingabe& start, QWidget* eltern = nullptr);

    QLineEdit* TitelEdit = nullptr;
    QLineEdit* KlasseEdit = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;

    TArbeitsblattEingabe Eingabe() const;
    // Closes the dialog when the entries can be used; else the message.
    void OKBtnClick();
    void HelpBtnClick();

    // Shows the dialog modally; true after "O&k". Tests answer it here
    // instead of a modal loop.
    static std::function<bool(TArbeitsblattDlg&)> Zeigen;
};

// The file dialog's filters for the worksheet, PDF first.
inline const QString ArbeitsblattPdfFilter = QStringLiteral("PDF-Dokument (*.pdf)");
inline const QString ArbeitsblattTexFilter = QStringLiteral("LaTeX-Datei (*.tex)");

// The whole command for the document of the window; messages go through
// Meldungen(). The title and class of the last worksheet are proposed
// again during the run.
void ArbeitsblattSpeichern(QWidget* eltern, tGrafChildForm& fenster,
                           const TDateiDialog& dateiDialog);

// The worksheet of the document into the file (by its extension, .pdf or
// .tex) through the atomic replace. Empty, or the German message.
QString ArbeitsblattSchreiben(const TDokument& d, const TArbeitsblattEingabe& e,
                              const QString& datei);

} // namespace kalvorin
