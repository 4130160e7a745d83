#include "platform/widgets/Label3D.h"

#include <QPainter>
#include <QStyle>

namespace {

// How far toward white the far end of a fun shadow goes: light enough to read as a fade, dark
// enough that the last step still shows on a pale window.
constexpr double kFunFade = 0.65;

QColor Mix(const QColor& from, const QColor& to, double t)
{
    auto channel = [t](int a, int b) { return qRound(a + (b - a) * t); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()), channel(from.alpha(), to.alpha()));
}

} // namespace

Label3D::Label3D(QWidget* parent) : QWidget(parent)
{
}

Label3D::Label3D(const QString& text, QWidget* parent) : Label3D(parent)
{
    setText(text);
}

void Label3D::setText(const QString& text)
{
    if (text_ == text)
        return;
    text_ = text;
    changeLook();
}

void Label3D::setDepth(int depth)
{
    depth = qMax(0, depth);
    if (depth_ == depth)
        return;
    depth_ = depth;
    changeLook();
}

void Label3D::setDirection(Direction direction)
{
    direction_ = direction;
    update();
}

void Label3D::setShadowStyle(ShadowStyle style)
{
    shadowStyle_ = style;
    update();
}

void Label3D::setShadowColor(const QColor& color)
{
    shadowColor_ = color;
    update();
}

void Label3D::setTextColor(const QColor& color)
{
    textColor_ = color;
    update();
}

void Label3D::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

QColor Label3D::shadowColorAt(int step) const
{
    if (shadowStyle_ == Solid || depth_ <= 1)
        return shadowColor_;
    const QColor farEnd = Mix(shadowColor_, QColor(Qt::white), kFunFade);
    return Mix(shadowColor_, farEnd, double(qBound(1, step, depth_) - 1) / (depth_ - 1));
}

QSize Label3D::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return fontMetrics().size(0, text_) +
           QSize(depth_ + margins.left() + margins.right(), depth_ + margins.top() + margins.bottom());
}

QSize Label3D::minimumSizeHint() const
{
    return sizeHint();
}

void Label3D::paintEvent(QPaintEvent*)
{
    if (text_.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());

    const QSize textSize = fontMetrics().size(0, text_);
    const QRect block =
        QStyle::alignedRect(layoutDirection(), alignment_, textSize + QSize(depth_, depth_), contentsRect());
    const int dx = (direction_ == LowerRight || direction_ == UpperRight) ? 1 : -1;
    const int dy = (direction_ == LowerRight || direction_ == LowerLeft) ? 1 : -1;
    // The text sits in the corner of the block opposite to where its shadow falls.
    const QRect textRect(block.topLeft() + QPoint(dx < 0 ? depth_ : 0, dy < 0 ? depth_ : 0), textSize);
    const int flags = int(alignment_ & Qt::AlignHorizontal_Mask) | Qt::AlignTop;

    for (int step = depth_; step >= 1; --step) {
        painter.setPen(shadowColorAt(step));
        painter.drawText(textRect.translated(dx * step, dy * step), flags, text_);
    }
    painter.setPen(textColor_);
    painter.drawText(textRect, flags, text_);
}

void Label3D::changeLook()
{
    updateGeometry();
    update();
}
