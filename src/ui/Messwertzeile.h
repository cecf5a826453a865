#pragma once
// A read-only line "caption value" for a measure that a dialog computes
// while the input is typed: the length of a segment, the area and angles of
// a triangle, the volume of a pyramid. The text comes ready from the
// dialog's input model (FormatMeasure and its unit); an empty text leaves
// the value blank. The value keeps its room, so the dialog does not jump.

#include <QString>
#include <QWidget>

#include <string>

class QLabel;

namespace kalvorin {

class TMesswertzeile : public QWidget {
    Q_OBJECT
public:
    // titel: "Länge der Strecke: "; wertName: the value label's object name;
    // muster: the longest value expected, for the room it keeps.
    TMesswertzeile(const QString& titel, const QString& wertName,
                   const QString& muster = QStringLiteral("-88888,88 LE"),
                   QWidget* eltern = nullptr);

    void SetzeWert(const std::string& text);
    QString Wert() const;

    QLabel* Titel = nullptr;
    QLabel* WertLabel = nullptr;

protected:
    void changeEvent(QEvent* e) override;

private:
    void Platz();
    QString muster_;
};

} // namespace kalvorin
