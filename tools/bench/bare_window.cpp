// The yardstick for start-up measurements: a bare Qt Widgets window of the main window's
// size, reporting when it is first painted exactly as the program does.
#include "platform/qt/StartupProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(338, 417);
    ReportWhenShown(&window);
    window.show();
    return app.exec();
}
