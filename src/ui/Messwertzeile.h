#pragma once
// The live values the element dialogs compute while the input is typed: the
// length of a segment, the area and angles of a triangle, the volume of a
// pyramid. The texts come ready from the input models (FormatMeasure and its
// unit); an empty text leaves the value blank. A value keeps the room of the
// longest text expected, so the dialog does not jump while the user types.

#include <QLabel>
#include <QString>
#include <QWidget>

#include <string>

namespace kalvorin {

// A value framed like a read-only field: something to read, not to type.
class TMesswertLabel : public QLabel {
    Q_OBJECT
public:
    explicit TMesswertLabel(const QString& objektName,
                            const QString& muster = QStringLiteral("-8888888,88 FE"),
                            QWidget* eltern = nullptr);
    void SetzeWert(const std::string& text);

protected:
    void changeEvent(QEvent* e) override;

private:
    void Platz();
    QString muster_;
};

// "caption value" on one line, e.g. "Länge der Strecke: 5 LE".
class TMesswertzeile : public QWidget {
    Q_OBJECT
public:
    TMesswertzeile(const QString& titel, const QString& wertName,
                   const QString& muster = QStringLiteral("-88888,88 LE"),
                   QWidget* eltern = nullptr);

    void SetzeWert(const std::string& text) { WertLabel->SetzeWert(text); }
    QString Wert() const { return WertLabel->text(); }

    QLabel* Titel = nullptr;
    TMesswertLabel* WertLabel = nullptr;
};

} // namespace kalvorin
