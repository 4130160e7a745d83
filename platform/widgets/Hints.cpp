#include "platform/widgets/Hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

namespace {

class HintStyle final : public QProxyStyle {
public:
    HintStyle(QStyle* base, const HintService* service) : QProxyStyle(base), service_(service) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay && service_)
            return service_->hintPause();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QPointer<const HintService> service_;
};

constexpr int kPointerLength = 14;
constexpr int kPointerBase = 16;
// Room between the mouse point and the pointer's tip, so the cursor does not hide the tip.
constexpr int kTipGap = 4;
constexpr int kPaddingY = 6;
const QColor kBalloonFill(255, 255, 225);
const QColor kBalloonBorder(64, 64, 64);

} // namespace

// The balloon window. It is an input-transparent tool-tip window, so the mouse passes through it and
// the control under it keeps its Enter/Leave; a mask cuts it to shape without needing a compositor.
class HintBalloon final : public QWidget {
public:
    explicit HintBalloon(QWidget* window)
        : QWidget(window, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                              Qt::WindowDoesNotAcceptFocus)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        hideTimer_.setSingleShot(true);
        hideTimer_.callOnTimeout(this, &QWidget::hide);
    }

    QString text() const { return text_; }
    QWidget* target() const { return target_; }

    void present(QWidget* target, const QPoint& globalPos, const QString& text, const BalloonHints& look)
    {
        target_ = target;
        text_ = text;
        setFont(look.font());
        setAccessibleName(text);
        layOut(globalPos, look.balloonWidth(), look.cornerRadius());
        hideTimer_.start(look.hintPauseTime());
        if (!isVisible()) {
            qApp->installEventFilter(this);
            show();
        }
        raise();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kBalloonBorder, 1));
        painter.setBrush(kBalloonFill);
        painter.drawPath(outline_);
        painter.setPen(Qt::black);
        painter.drawText(textRect_, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, text_);
    }

    void hideEvent(QHideEvent* event) override
    {
        qApp->removeEventFilter(this);
        hideTimer_.stop();
        QWidget::hideEvent(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::Wheel:
        case QEvent::KeyPress:
            hide();
            break;
        case QEvent::Leave:
        case QEvent::Hide:
            if (watched == target_)
                hide();
            break;
        case QEvent::MouseMove:
            if (target_ && !mouseOnTarget(static_cast<QMouseEvent*>(event)->globalPosition().toPoint()))
                hide();
            break;
        default:
            break;
        }
        if (!target_)
            hide();
        return false;
    }

private:
    bool mouseOnTarget(const QPoint& globalPos) const
    {
        return target_->rect().contains(target_->mapFromGlobal(globalPos));
    }

    // The balloon hangs below and to the right of the mouse point, with its pointer at the upper
    // left; it goes above or to the left where the screen ends there, and when even that does not
    // fit, the pointer slides along the edge to keep its tip at the point.
    void layOut(const QPoint& globalPos, int width, int radius)
    {
        const int padX = qMax(8, radius / 2 + 2);
        const QFontMetrics metrics(font());
        const QRect textBounds =
            metrics.boundingRect(QRect(0, 0, width - 2 * padX, 100000), Qt::TextWordWrap, text_);
        const int bodyHeight = qMax(textBounds.height() + 2 * kPaddingY, 2 * radius);
        const int height = bodyHeight + kPointerLength;
        const int tipOffset = qMax(radius, 8);

        const QScreen* screen = QGuiApplication::screenAt(globalPos);
        if (!screen)
            screen = target_ ? target_->screen() : QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect(globalPos, QSize(width, height));

        QPoint tip = globalPos + QPoint(0, kTipGap);
        const bool above = tip.y() + height > available.bottom() + 1;
        if (above)
            tip = globalPos - QPoint(0, kTipGap);
        const bool mirrored = tip.x() - tipOffset + width > available.right() + 1;
        int left = mirrored ? tip.x() - (width - 1 - tipOffset) : tip.x() - tipOffset;
        int top = above ? tip.y() - height + 1 : tip.y();
        left = qBound(available.left(), left, qMax(available.left(), available.right() + 1 - width));
        top = qBound(available.top(), top, qMax(available.top(), available.bottom() + 1 - height));
        const int tipX = qBound(2, tip.x() - left, width - 3);

        auto shape = [&](qreal inset) {
            QPainterPath body;
            body.addRoundedRect(
                QRectF(inset, kPointerLength + inset, width - 2 * inset, bodyHeight - 2 * inset),
                radius - inset, radius - inset);
            // The base ends inside the body, so the union leaves one clean outline.
            const qreal baseY = kPointerLength + radius / 2.0;
            const int away = mirrored ? -1 : 1;
            QPainterPath pointer;
            pointer.moveTo(tipX + 0.5, inset * 2.5);
            pointer.lineTo(tipX + 0.5 + away * 2, baseY);
            pointer.lineTo(tipX + 0.5 + away * (2 + kPointerBase), baseY);
            pointer.closeSubpath();
            const QTransform flip = above ? QTransform(1, 0, 0, -1, 0, height) : QTransform();
            return flip.map(body.united(pointer));
        };
        outline_ = shape(0.5);
        const QRect body =
            above ? QRect(0, 0, width, bodyHeight) : QRect(0, kPointerLength, width, bodyHeight);
        textRect_ = body.adjusted(padX, kPaddingY, -padX, -kPaddingY);

        setGeometry(left, top, width, height);
        setMask(QRegion(shape(0).toFillPolygon().toPolygon()));
    }

    QString text_;
    QPointer<QWidget> target_;
    QPainterPath outline_;
    QRect textRect_;
    QTimer hideTimer_;
};

HintService& HintService::Instance()
{
    Q_ASSERT(qApp);
    static QPointer<HintService> instance;
    if (!instance)
        instance = new HintService(qApp);
    return *instance;
}

HintService::HintService(QObject* parent) : QObject(parent)
{
    qApp->installEventFilter(this);
    ensureStyle();
}

void HintService::setHint(QWidget* widget, const QString& text)
{
    widget->setToolTip(text);
    widget->setStatusTip(text);
}

void HintService::setHintPause(int ms)
{
    hintPause_ = qMax(0, ms);
    ensureStyle();
}

void HintService::ensureStyle()
{
    styleCheckPending_ = false;
    QStyle* current = QApplication::style();
    if (current->styleHint(QStyle::SH_ToolTip_WakeUpDelay) == hintPause_)
        return;
    // Wrapping the style of an application style sheet would leave Qt free to delete it under the
    // proxy on the next change. A sheet set after the proxy wraps the proxy, which is safe, so the
    // service must start before any application style sheet is set.
    if (!qApp->styleSheet().isEmpty())
        return;
    // The proxy takes the current style as its child, so replacing the style does not delete it.
    QApplication::setStyle(new HintStyle(current, this));
}

bool HintService::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        // A widget without a hint of its own is passed over: Qt then offers the event to its parent,
        // up to the window, and this filter sees it again there.
        auto* widget = watched->isWidgetType() ? static_cast<QWidget*>(watched) : nullptr;
        if (!widget || widget->toolTip().isEmpty())
            return false;
        showHint(widget, *static_cast<QHelpEvent*>(event));
        event->accept();
        return true;
    }
    case QEvent::StyleChange:
        // Someone replaced the application style; the replacement must learn the hint pause too.
        if (!styleCheckPending_) {
            styleCheckPending_ = true;
            QTimer::singleShot(0, this, &HintService::ensureStyle);
        }
        return false;
    default:
        return false;
    }
}

void HintService::showHint(QWidget* widget, const QHelpEvent& event)
{
    BalloonHints* balloons = BalloonHints::of(widget->window());
    if (balloons && balloons->hintActive()) {
        QToolTip::hideText();
        balloons->showBalloon(widget, event.globalPos(), widget->toolTip());
    } else {
        QToolTip::showText(event.globalPos(), widget->toolTip(), widget, widget->rect(), hintHidePause_);
    }
}

BalloonHints::BalloonHints(QWidget* window) : QObject(window), font_(QApplication::font())
{
    font_.setFamilies({QStringLiteral("Arial")});
    font_.setItalic(true);
    // Everything that shows a hint goes through the service, so placing balloons on a window wakes it.
    HintService::Instance();
}

BalloonHints::~BalloonHints()
{
    delete balloon_;
}

BalloonHints* BalloonHints::of(const QWidget* window)
{
    return window ? window->findChild<BalloonHints*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void BalloonHints::setHintActive(bool active)
{
    active_ = active;
    if (!active)
        hideBalloon();
}

void BalloonHints::showBalloon(QWidget* widget, const QPoint& globalPos, const QString& text)
{
    if (!balloon_)
        balloon_ = new HintBalloon(qobject_cast<QWidget*>(parent()));
    // Qt repeats the tool-tip event while the mouse rests; the balloon already up keeps its time.
    if (balloon_->isVisible() && balloon_->target() == widget && balloon_->text() == text)
        return;
    balloon_->present(widget, globalPos, text, *this);
}

void BalloonHints::hideBalloon()
{
    if (balloon_)
        balloon_->hide();
}

QWidget* BalloonHints::currentBalloon() const
{
    return balloon_ && balloon_->isVisible() ? balloon_.data() : nullptr;
}

QString BalloonHints::currentText() const
{
    return currentBalloon() ? balloon_->text() : QString();
}
