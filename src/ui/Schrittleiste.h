#pragma once
// The bar of "Schrittweise zeigen" under the view of a document window:
// "Schritt zurück", "Schritt vor" and "Schritt k von n".

#include <QWidget>

class QLabel;
class QPushButton;

namespace kalvorin {

class TSchrittleiste : public QWidget {
    Q_OBJECT
public:
    explicit TSchrittleiste(QWidget* eltern = nullptr);

    // Step k of n: the label, and the buttons enabled where there is a step.
    void Anzeigen(int k, int n);
    QString Text() const;

    QPushButton* ZurueckButton = nullptr;
    QPushButton* VorButton = nullptr;
    QLabel* Anzeige = nullptr;

signals:
    void Zurueck();
    void Vor();
};

} // namespace kalvorin
