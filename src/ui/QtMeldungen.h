#pragma once
// The message interface of the core shown with Qt message boxes.

#include "model/Meldungen.h"

#include <QMessageBox>
#include <QString>

#include <memory>

namespace kalvorin {

class QtMeldungen : public IMeldungen {
public:
    QtMeldungen() = default;
    ~QtMeldungen() override;
    QtMeldungen(const QtMeldungen&) = delete;
    QtMeldungen& operator=(const QtMeldungen&) = delete;

    void Meldung(const std::string& text, TMeldungsart art, const std::string& titel) override;
    TAntwort Frage(const std::string& text, TFrageKnoepfe knoepfe,
                   const std::string& titel) override;
    void WarteCursor(bool an) override;

    int CursorTiefe() const { return cursorTiefe_; }

    // The boxes as they will be shown, without running them (the tests look
    // at them; Meldung and Frage run them modally).
    static std::unique_ptr<QMessageBox> MeldungsBox(const std::string& text, TMeldungsart art,
                                                    const std::string& titel,
                                                    QWidget* eltern = nullptr);
    static std::unique_ptr<QMessageBox> FrageBox(const std::string& text, TFrageKnoepfe knoepfe,
                                                 const std::string& titel,
                                                 QWidget* eltern = nullptr);
    // The answer for the button a question box was closed with; closing the
    // box without a button counts as "Nein" or, where offered, "Abbrechen".
    static TAntwort AntwortFuer(int knopf, TFrageKnoepfe knoepfe);

    // Messages use "\r\n" between lines; a label wants plain line feeds.
    static QString AnzeigeText(const std::string& text);

private:
    int cursorTiefe_ = 0;
};

} // namespace kalvorin
