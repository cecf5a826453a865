#pragma once
// "Szene beschreiben": the scene of a document in words, one line per
// visible element, in a window whose text can be selected, copied and read
// aloud. It follows the document while it is open.

#include <QDialog>
#include <QPointer>

class QPlainTextEdit;
class QPushButton;

namespace kalvorin {

class tGrafChildForm;

class TSzenenbeschreibung : public QDialog {
    Q_OBJECT
public:
    explicit TSzenenbeschreibung(tGrafChildForm* fenster, QWidget* eltern = nullptr);

    QString Text() const;
    // The text again from the document.
    void Aktualisieren();
    // The whole text to the clipboard.
    void KopierenClick();

private:
    QPointer<tGrafChildForm> fenster_;
    QPlainTextEdit* text_;
    QPushButton* kopieren_;
    QPushButton* schliessen_;
};

} // namespace kalvorin
