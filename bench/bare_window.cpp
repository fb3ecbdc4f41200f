// The yardstick for start-up: an empty main window of the birth-data form's size, nothing else.

#include <QApplication>
#include <QMainWindow>

#include "ui/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quorvane v1.35"));
    window.setCentralWidget(new QWidget);
    window.setFixedSize(436, 465);
    quorvane::ExitAfterFirstPaint::InstallIfAsked(&window);
    window.show();
    return QApplication::exec();
}
