#include "platform/widgets/FormMagnet.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// The nearest of the offered positions on one axis that lies within the limit.
class Nearest {
public:
    Nearest(int current, int limit) : current_(current), best_(current), limit_(limit) {}
    void offer(int candidate)
    {
        const int gap = std::abs(candidate - current_);
        if (gap <= limit_ && gap < gap_) {
            gap_ = gap;
            best_ = candidate;
        }
    }
    int best() const { return best_; }

private:
    int current_;
    int best_;
    int limit_;
    int gap_ = INT_MAX;
};

// Whether two spans [a, a + aLength) and [b, b + bLength) overlap or are less than `gap` apart.
bool Beside(int a, int aLength, int b, int bLength, int gap)
{
    return a < b + bLength + gap && b < a + aLength + gap;
}

} // namespace

FormMagnet::FormMagnet(QWidget* window) : QObject(window), window_(window)
{
    window_->installEventFilter(this);
}

void FormMagnet::setActive(bool active)
{
    active_ = active;
}

void FormMagnet::setGlue(bool glue)
{
    glue_ = glue;
}

void FormMagnet::setFormDragable(bool dragable)
{
    dragable_ = dragable;
    if (!dragable)
        endDrag();
}

void FormMagnet::setSnapDistance(int distance)
{
    distance_ = std::max(0, distance);
}

QPoint FormMagnet::SnapPosition(QRect window, QRect screen, const QList<QRect>& others, int distance,
                                bool glue)
{
    distance = std::max(0, distance);
    const int width = window.width();
    const int height = window.height();
    Nearest x(window.x(), distance);
    Nearest y(window.y(), distance);
    x.offer(screen.x());
    x.offer(screen.x() + screen.width() - width);
    y.offer(screen.y());
    y.offer(screen.y() + screen.height() - height);
    if (glue) {
        for (const QRect& other : others) {
            if (Beside(window.y(), height, other.y(), other.height(), distance)) {
                x.offer(other.x() + other.width());
                x.offer(other.x() - width);
                x.offer(other.x());
                x.offer(other.x() + other.width() - width);
            }
            if (Beside(window.x(), width, other.x(), other.width(), distance)) {
                y.offer(other.y() + other.height());
                y.offer(other.y() - height);
                y.offer(other.y());
                y.offer(other.y() + other.height() - height);
            }
        }
    }
    return {x.best(), y.best()};
}

bool FormMagnet::eventFilter(QObject* watched, QEvent* event)
{
    // While dragging this filter also sits on the application, because the moves go to
    // whichever child was pressed.
    const bool ours = watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window_;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == window_ && dragable_ && !dragging_ && mouse->button() == Qt::LeftButton &&
            !(window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
            beginDrag(mouse->globalPosition().toPoint());
            return true;
        }
        break;
    }
    case QEvent::MouseMove: {
        if (!dragging_ || !ours)
            break;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // The release went elsewhere (another program took the mouse).
        if (!(mouse->buttons() & Qt::LeftButton)) {
            endDrag();
            break;
        }
        dragTo(mouse->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!dragging_ || !ours || mouse->button() != Qt::LeftButton)
            break;
        dragTo(mouse->globalPosition().toPoint());
        endDrag();
        return true;
    }
    case QEvent::Hide:
        if (watched == window_)
            endDrag();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FormMagnet::beginDrag(QPoint globalPos)
{
    dragging_ = true;
    pressGlobal_ = globalPos;
    pressWindowPos_ = window_->pos();
    qApp->installEventFilter(this);
}

void FormMagnet::dragTo(QPoint globalPos)
{
    QPoint position = pressWindowPos_ + (globalPos - pressGlobal_);
    if (active_) {
        const QScreen* screen = QGuiApplication::screenAt(globalPos);
        if (!screen)
            screen = window_->screen();
        QList<QRect> others;
        if (glue_) {
            for (const QWidget* other : QApplication::topLevelWidgets()) {
                const Qt::WindowType type = other->windowType();
                if (other != window_ && other->isVisible() && !other->isMinimized() &&
                    (type == Qt::Window || type == Qt::Dialog))
                    others.append(other->frameGeometry());
            }
        }
        position = SnapPosition(QRect(position, window_->frameGeometry().size()), screen->availableGeometry(),
                                others, distance_, glue_);
    }
    if (position != window_->pos())
        window_->move(position);
}

void FormMagnet::endDrag()
{
    if (!dragging_)
        return;
    dragging_ = false;
    qApp->removeEventFilter(this);
}
