#pragma once
// The file dialogs of the document commands behind one function object, so
// that tests answer them without a modal loop.

#include <QString>

#include <functional>

class QWidget;

namespace kalvorin {

enum class TDateiDialogArt { Oeffnen, Speichern };

struct TDateiAnfrage {
    TDateiDialogArt Art = TDateiDialogArt::Oeffnen;
    QString Titel;
    QString Filter;         // "DreiD-Grafik-Objekte(*.kvr)"; several joined by ";;"
    QString Ordner;         // initial folder; empty: the current one
    QString Dateiname;      // proposed name
    QString Standardendung; // without the dot
};

struct TDateiAntwort {
    QString Datei;                  // empty: the dialog was cancelled
    bool Schreibgeschuetzt = false; // the read-only box was ticked
    QString Filter = {};            // the filter chosen last
};

using TDateiDialog = std::function<TDateiAntwort(const TDateiAnfrage&)>;

inline const QString KvrFilter = QStringLiteral("DreiD-Grafik-Objekte(*.kvr)");

// The real dialogs (modal).
TDateiAntwort QtDateiDialog(QWidget* eltern, const TDateiAnfrage& anfrage);

} // namespace kalvorin
