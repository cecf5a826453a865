#pragma once
// The one way the core talks to the user: messages, questions and the wait
// cursor. The core never opens a window; the user interface installs an
// implementation with message boxes, tests install TMeldungsProtokoll.

#include <string>
#include <vector>

namespace kalvorin {

enum class TMeldungsart {
    Warnung,     // refusals, elements that cannot be shown: one OK button
    Information, // results of measurements and intersections
    Fehler,
};

enum class TFrageKnoepfe { JaNein, JaNeinAbbrechen };
enum class TAntwort { Ok, Ja, Nein, Abbrechen };

class IMeldungen {
public:
    virtual ~IMeldungen() = default;
    // Texts are UTF-8; line breaks inside a message are "\r\n".
    virtual void Meldung(const std::string& text, TMeldungsart art,
                         const std::string& titel = "Kalvorin") = 0;
    virtual TAntwort Frage(const std::string& text, TFrageKnoepfe knoepfe,
                           const std::string& titel = "Kalvorin") = 0;
    // Nested calls are counted: the cursor returns when every "an" is matched.
    virtual void WarteCursor(bool an) = 0;
};

// The installed implementation; a silent one until the program installs its own.
IMeldungen& Meldungen();
// Installs m (not owned); null restores the silent default.
void SetzeMeldungen(IMeldungen* m);

// Shows the wait cursor for the lifetime of the object.
class TWarteCursor {
public:
    TWarteCursor() { Meldungen().WarteCursor(true); }
    ~TWarteCursor() { Meldungen().WarteCursor(false); }
    TWarteCursor(const TWarteCursor&) = delete;
    TWarteCursor& operator=(const TWarteCursor&) = delete;
};

// Records what was said and answers questions from a prepared queue (Ja
// when the queue is empty). Installs itself for its lifetime.
class TMeldungsProtokoll : public IMeldungen {
public:
    struct Eintrag {
        std::string Text;
        std::string Titel;
        TMeldungsart Art = TMeldungsart::Warnung;
        bool IstFrage = false;
        TFrageKnoepfe Knoepfe = TFrageKnoepfe::JaNein;
    };

    TMeldungsProtokoll();
    ~TMeldungsProtokoll() override;

    void Meldung(const std::string& text, TMeldungsart art, const std::string& titel) override;
    TAntwort Frage(const std::string& text, TFrageKnoepfe knoepfe,
                   const std::string& titel) override;
    void WarteCursor(bool an) override;

    std::vector<Eintrag> Eintraege;
    std::vector<TAntwort> Antworten; // answered front first
    int CursorTiefe = 0;
    int CursorAufrufe = 0;

private:
    IMeldungen* vorher_;
};

} // namespace kalvorin
