#include "platform/widgets/FormTopmost.h"

#include <QWidget>

FormTopmost::FormTopmost(QWidget* window) : QObject(window), window_(window)
{
}

bool FormTopmost::isTopmost() const
{
    return window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void FormTopmost::setTopmost(bool topmost)
{
    if (topmost == isTopmost())
        return;
    const bool wasVisible = window_->isVisible();
    const QPoint position = window_->pos();
    window_->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (wasVisible) {
        window_->move(position);
        window_->show();
    }
    emit topmostChanged(topmost);
}
