// What the main window's menu items and buttons do, and the tray icon.
#include "app/main.h"

#include "app/CommandRules.h"
#include "data/Tools.h"
#include "platform/ini/IniFile.h"
#include "platform/qt/Application.h"
#include "platform/services/Dialogs.h"
#include "platform/services/Power.h"
#include "platform/services/Processes.h"
#include "platform/services/Shell.h"
#include "platform/widgets/FormTopmost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QSlider>

void TForm1::N29Click()
{
    Edit2->clear();
    Edit1->clear();
    Edit3->clear();
    TrackBar1->setValue(20);
    TrackBar2->setValue(100);
    CheckBox1->setChecked(false);
    CheckBox2->setChecked(false);
    ComboBox1->setCurrentIndex(-1);
}

void TForm1::EscapeExecute()
{
    close();
}

bool TForm1::FormCloseQuery()
{
    if (!CurrentDialogs().Confirm(CommandText::kExitQuestion))
        return false;
    RemoveTrayIcon();
    return true;
}

void TForm1::SpeedButton3Click()
{
    CurrentShell().Open(CommandText::kHelpFile, Shell::Show::Maximized);
}

void TForm1::ReadMe1Click()
{
    CurrentShell().Open(CommandText::kLicenceFile);
}

void TForm1::N15Click()
{
    CurrentShell().Open(CommandText::kAuthorSite);
}

void TForm1::N23Click()
{
    CurrentShell().Open(CommandText::kAuthorMail);
}

void TForm1::SpeedButton6Click()
{
    // Each word of the name is an argument of its own, as the unquoted command line always
    // gave it; no shell ever reads the name.
    CurrentProcesses().Start(ProgramFilePath(CommandText::kValderin), SplitOnBlanks(NameText()));
}

void TForm1::N9Click()
{
    CurrentPower().Perform(PowerAction::PowerOff);
}

void TForm1::N10Click()
{
    CurrentPower().Perform(PowerAction::Restart);
}

void TForm1::N33Click()
{
    CurrentPower().Perform(PowerAction::LogOff);
}

void TForm1::CdEjectClick(const CdDrive& drive)
{
    CurrentCdDrives().OpenDoor(drive);
}

void TForm1::CdCloseClick(const CdDrive& drive)
{
    CurrentCdDrives().CloseDoor(drive);
}

void TForm1::AddTrayIcon()
{
    CurrentTray().Show(CommandText::kTrayTip);
}

void TForm1::RemoveTrayIcon()
{
    CurrentTray().Hide();
}

void TForm1::ApplicationIdle()
{
    if (trayIconWanted_)
        AddTrayIcon();
}

void TForm1::TrayIconNotify(Tray::Click click)
{
    switch (click) {
    case Tray::Click::Left:
        showNormal();
        raise();
        activateWindow();
        // Above the other windows now, but not kept there, whatever "TopMost" says.
        acFormTopmost1->setTopmost(true);
        acFormTopmost1->setTopmost(false);
        break;
    case Tray::Click::Right:
        PopupMenu1->popup(QCursor::pos());
        break;
    }
}

void TForm1::ApplicationEvents1Minimize()
{
    const IniFile settings(ProgramFilePath(CommandText::kSettingsFile));
    // Leaving the task bar is safe only with an icon to come back through: a desktop without
    // a tray would leave the program with no way back.
    if (IsTrueText(settings.ReadString("Options", "Icon", "")) && CurrentTray().IsShown())
        hide();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event)
{
    PopupMenu1->popup(event->globalPos());
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Handled once the minimizing is over: showMinimized() shows the window again after
    // changing its state, which would undo hiding it here.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isMinimized())
                    RunGuarded([this] { ApplicationEvents1Minimize(); });
            },
            Qt::QueuedConnection);
}
