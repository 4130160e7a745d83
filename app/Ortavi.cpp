#include "app/Entry.h"
#include "app/StartupTable.h"
#include "app/main.h"
#include "platform/qt/Application.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/StartupProbe.h"
#include "platform/widgets/Hints.h"
#include "platform/widgets/SingleInstance.h"

int main(int argc, char** argv)
{
    OrtaviApplication app(argc, argv);
    InstallFontSubstitutes();
    QtServices services;

    // A second start only brings the running program to the front.
    SingleInstance instance(QStringLiteral("Ortavi"));
    if (!instance.isPrimary())
        return 0;
    // The hint service wraps the application's style; doing it before any window exists
    // spares a restyle of the windows made during start-up.
    HintService::Instance();

    QWidget* mainWindow = StartUp(LongLivedWindows());
    if (mainWindow == nullptr)
        return 1;
    if (Form1) {
        Form1->AttachSingleInstance(&instance);
        // The program ends when the user agrees to leave the main window, not when its last
        // window goes: hidden in the tray, the main window is not on screen, and closing a
        // window opened from the tray icon must not end the program.
        app.setQuitOnLastWindowClosed(false);
        QObject::connect(Form1, &TForm1::closeAccepted, &app, &QCoreApplication::quit);
    }
    ReportWhenShown(mainWindow);
    mainWindow->show();
    const int code = app.exec();
    DestroyLongLivedWindows();
    return code;
}
