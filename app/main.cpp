#include "ui/TMainForm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kalvorin::TMainForm hauptfenster;
    hauptfenster.show();
    return app.exec();
}
