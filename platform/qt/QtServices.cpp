#include "platform/qt/QtServices.h"

#include "platform/qt/Application.h"
#include "platform/services/CdDrives.h"
#include "platform/services/Power.h"
#include "platform/services/Processes.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

void ShowBox(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace

void QtDialogs::Message(const std::string& text)
{
    ShowBox(QMessageBox::NoIcon, ApplicationTitle(), Q(text));
}

void QtDialogs::TitledMessage(const std::string& title, const std::string& text)
{
    ShowBox(QMessageBox::NoIcon, Q(title), Q(text));
}

bool QtDialogs::Confirm(const std::string& text)
{
    QMessageBox box(QMessageBox::Question, ApplicationTitle(), Q(text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::unique_ptr<QMessageBox> MakeInformationBox(const std::string& text)
{
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    box->setObjectName(QStringLiteral("acInfoBox1"));
    box->setIcon(QMessageBox::Information);
    box->setWindowTitle(ApplicationTitle());
    box->setText(Q(text));
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(11);
    box->setFont(font);
    box->setStyleSheet(QStringLiteral("QLabel { color: blue; }"));
    QPushButton* ok = box->addButton(QStringLiteral("Угу"), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    return box;
}

void QtDialogs::Information(const std::string& text)
{
    MakeInformationBox(text)->exec();
}

void QtDialogs::Error(const std::string& text)
{
    ShowBox(QMessageBox::Critical, ApplicationTitle(), Q(text));
}

void QtDialogs::Beep()
{
    QApplication::beep();
}

void QtShell::Open(const std::string& target, Show)
{
    // A maximized first window is the opened program's own business on Linux; the desktop
    // gives no way to ask for it.
    const QString text = Q(target);
    const QUrl url = text.contains(QLatin1Char(':')) && !QFileInfo(text).isAbsolute()
                         ? QUrl(text)
                         : QUrl::fromLocalFile(QFileInfo(QDir::current(), text).absoluteFilePath());
    QDesktopServices::openUrl(url);
}

void QtClipboard::SetText(const std::string& utf8)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(Q(utf8));
}

std::string QtClipboard::Text() const
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr ? clipboard->text().toStdString() : std::string();
}

QtServices::QtServices()
{
    SetDialogs(&dialogs_);
    SetShell(&shell_);
    SetClipboard(&clipboard_);
    SetTray(&tray_);
    SetProcesses(&SystemProcesses());
    SetPower(&SystemPower());
    SetCdDrives(&SystemCdDrives());
}

QtServices::~QtServices()
{
    // Leave services that someone installed after us in place.
    if (Dialogs* current = SetDialogs(nullptr); current != &dialogs_)
        SetDialogs(current);
    if (Shell* current = SetShell(nullptr); current != &shell_)
        SetShell(current);
    if (Clipboard* current = SetClipboard(nullptr); current != &clipboard_)
        SetClipboard(current);
    if (Tray* current = SetTray(nullptr); current != &tray_)
        SetTray(current);
    if (Processes* current = SetProcesses(nullptr); current != &SystemProcesses())
        SetProcesses(current);
    if (Power* current = SetPower(nullptr); current != &SystemPower())
        SetPower(current);
    if (CdDrives* current = SetCdDrives(nullptr); current != &SystemCdDrives())
        SetCdDrives(current);
}
