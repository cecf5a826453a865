#pragma once
// "Programm-Info": what the program is, its version and who made it.

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace kalvorin {

class TAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit TAboutDlg(QWidget* eltern = nullptr);

    QLabel* ProgrammName = nullptr;
    QLabel* Beschreibung = nullptr;
    QLabel* Version = nullptr;
    QListWidget* Mitwirkende = nullptr;
    QPushButton* OKButton = nullptr;
};

} // namespace kalvorin
