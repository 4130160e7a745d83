#include "support/QtTestSupport.h"

#include "platform/qt/Application.h"
#include "platform/qt/Locale.h"
#include "platform/qt/Modal.h"
#include "platform/qt/QtServices.h"
#include "platform/services/Clipboard.h"

#include <QDialog>

WindowTestEnvironment::WindowTestEnvironment(LocalTime now)
    : clock(now), dialogs_(log), shell_(log), paths_(std::make_unique<FixedPaths>(folder.Path().string(),
                                                                                  folder.Path().string())),
      clipboard_(std::make_unique<QtClipboard>()), previousFolder_(std::filesystem::current_path())
{
    std::filesystem::current_path(folder.Path());
    SetDialogs(&dialogs_);
    SetShell(&shell_);
    SetClock(&clock);
    SetPaths(paths_.get());
    SetClipboard(clipboard_.get());
    SetProcesses(&processes);
    SetPower(&power);
    SetCdDrives(&cdDrives);
    SetTray(&tray);
    SetDecimalSeparator(",");
    SetApplicationTitle(QStringLiteral("Ortavi"));
    SetModalRunner([this](QDialog& dialog) {
        log.push_back("modal:" + dialog.objectName().toStdString());
        if (onModal)
            onModal(dialog);
        return 0;
    });
}

WindowTestEnvironment::~WindowTestEnvironment()
{
    SetModalRunner({});
    SetDecimalSeparator(std::nullopt);
    SetTray(nullptr);
    SetCdDrives(nullptr);
    SetPower(nullptr);
    SetProcesses(nullptr);
    SetClipboard(nullptr);
    SetPaths(nullptr);
    SetClock(nullptr);
    SetShell(nullptr);
    SetDialogs(nullptr);
    std::error_code ignored;
    std::filesystem::current_path(previousFolder_, ignored);
}

std::string WindowTestEnvironment::ProgramFile(const char* name) const
{
    return (folder.Path() / name).string();
}
