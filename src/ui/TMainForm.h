#pragma once

#include <QMainWindow>

namespace kalvorin {

// The program's frame window.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
};

} // namespace kalvorin
