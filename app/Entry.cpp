#include "app/Entry.h"

#include "app/Version.h"
#include "app/main.h"
#include "calc/Analyz.h"
#include "calc/Unit2.h"
#include "extras/Loading.h"
#include "platform/qt/Application.h"
#include "platform/widgets/GradientProgressBar.h"
#include "platform/widgets/Label3D.h"

#include <QApplication>

#include <memory>

QWidget* StartUp(const std::vector<StartupWindow>& windows)
{
    auto splash = std::make_unique<TLOADD>();
    LOADD = splash.get();
    splash->show();
    splash->dxfLabel1->setText(QLatin1String(VersionText));
    QApplication::processEvents();

    splash->dxfProgressBar1->setValue(kStartupFirstProgress);
    SetApplicationTitle(QStringLiteral("Ortavi"));
    RunStartup(windows, [&](int progress) { splash->dxfProgressBar1->setValue(progress); });
    splash.reset();

    for (QWidget* window : std::initializer_list<QWidget*>{Form1, result, Analys})
        if (window != nullptr)
            return window;
    return nullptr;
}
