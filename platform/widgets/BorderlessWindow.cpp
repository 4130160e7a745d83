#include "platform/widgets/BorderlessWindow.h"

#include <QMouseEvent>
#include <QRegion>
#include <QWidget>
#include <QWindow>

void ClipToRoundedRect(QWidget& window, int ellipseWidth, int ellipseHeight)
{
    const int w = window.width();
    const int h = window.height();
    const int ew = qMin(ellipseWidth, w);
    const int eh = qMin(ellipseHeight, h);
    QRegion region(ew / 2, 0, w - ew / 2 * 2, h);
    region += QRegion(0, eh / 2, w, h - eh / 2 * 2);
    region += QRegion(0, 0, ew, eh, QRegion::Ellipse);
    region += QRegion(w - ew, 0, ew, eh, QRegion::Ellipse);
    region += QRegion(0, h - eh, ew, eh, QRegion::Ellipse);
    region += QRegion(w - ew, h - eh, ew, eh, QRegion::Ellipse);
    window.setMask(region);
}

BodyDrag::BodyDrag(QWidget* window) : QObject(window), window_(window)
{
    window->installEventFilter(this);
}

bool BodyDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        // The window manager moves the window where it can (Wayland allows nothing else);
        // elsewhere the window follows the mouse itself.
        if (QWindow* handle = window_->windowHandle(); handle != nullptr && handle->startSystemMove())
            return true;
        grab_ = mouse->globalPosition().toPoint() - window_->frameGeometry().topLeft();
        dragging_ = true;
        return true;
    }
    case QEvent::MouseMove:
        if (dragging_) {
            window_->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - grab_);
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (dragging_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            dragging_ = false;
            return true;
        }
        return false;
    default:
        return false;
    }
}
