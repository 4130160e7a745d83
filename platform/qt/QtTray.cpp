#include "platform/qt/QtTray.h"

#include <QApplication>
#include <QStyle>
#include <QSystemTrayIcon>

QtTray::QtTray() = default;

QtTray::~QtTray() = default;

void QtTray::Show(const std::string& tip)
{
    const QString text = QString::fromStdString(tip);
    if (!icon_) {
        icon_ = std::make_unique<QSystemTrayIcon>();
        QObject::connect(icon_.get(), &QSystemTrayIcon::activated, [this](QSystemTrayIcon::ActivationReason reason) {
            if (!handler_)
                return;
            if (reason == QSystemTrayIcon::Trigger)
                handler_(Click::Left);
            else if (reason == QSystemTrayIcon::Context)
                handler_(Click::Right);
        });
    }
    QIcon picture = QApplication::windowIcon();
    if (picture.isNull())
        picture = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    if (icon_->icon().cacheKey() != picture.cacheKey())
        icon_->setIcon(picture);
    if (icon_->toolTip() != text)
        icon_->setToolTip(text);
    if (!icon_->isVisible())
        icon_->show();
}

void QtTray::Hide()
{
    if (icon_)
        icon_->hide();
}

bool QtTray::IsShown() const
{
    return icon_ && icon_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTray::SetClickHandler(std::function<void(Click)> handler)
{
    handler_ = std::move(handler);
}
