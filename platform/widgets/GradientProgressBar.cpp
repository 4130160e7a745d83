#include "platform/widgets/GradientProgressBar.h"

#include <QLinearGradient>
#include <QPainter>
#include <qdrawutil.h>

namespace {

constexpr int kFrame = 2;

QColor Mix(const QColor& from, const QColor& to, double t)
{
    auto channel = [t](int a, int b) { return qRound(a + (b - a) * t); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

GradientProgressBar::GradientProgressBar(QWidget* parent) : QWidget(parent)
{
}

void GradientProgressBar::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = qMax(minimum, maximum);
    const int old = value_;
    value_ = qBound(minimum_, value_, maximum_);
    update();
    if (value_ != old)
        emit valueChanged(value_);
}

void GradientProgressBar::setValue(int value)
{
    value = qBound(minimum_, value, maximum_);
    if (value_ == value)
        return;
    value_ = value;
    update();
    emit valueChanged(value_);
}

void GradientProgressBar::setStartColor(const QColor& color)
{
    startColor_ = color;
    update();
}

void GradientProgressBar::setEndColor(const QColor& color)
{
    endColor_ = color;
    update();
}

void GradientProgressBar::setShowPercentage(bool show)
{
    showPercentage_ = show;
    update();
}

int GradientProgressBar::percent() const
{
    const qint64 span = qint64(maximum_) - minimum_;
    if (span == 0)
        return 0;
    return int((qint64(value_) - minimum_) * 100 / span);
}

QString GradientProgressBar::percentText() const
{
    return QString::number(percent()) + QLatin1Char('%');
}

QSize GradientProgressBar::sizeHint() const
{
    return {150, fontMetrics().height() + 2 * (kFrame + 2)};
}

QSize GradientProgressBar::minimumSizeHint() const
{
    return {fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 2 * (kFrame + 2),
            fontMetrics().height() + 2 * kFrame};
}

void GradientProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    qDrawWinPanel(&painter, rect(), pal, true);

    const QRect inner = rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
    if (inner.isEmpty())
        return;
    // A textured window brush would not line up with the window's own tiling, so fall back to a plain face.
    const QBrush& window = pal.window();
    painter.fillRect(inner,
                     window.style() == Qt::SolidPattern ? window.color() : pal.color(QPalette::Button));

    const qint64 span = qint64(maximum_) - minimum_;
    const int filledWidth = span == 0 ? 0 : int(inner.width() * (qint64(value_) - minimum_) / span);
    const QRect filled(inner.left(), inner.top(), filledWidth, inner.height());
    QLinearGradient shade(inner.left(), 0, inner.left() + inner.width(), 0);
    shade.setColorAt(0, startColor_);
    shade.setColorAt(1, endColor_);
    painter.fillRect(filled, shade);

    if (!showPercentage_)
        return;
    // The text is always centred, so the shade behind it is always the middle of the gradient.
    const QColor middle = Mix(startColor_, endColor_, 0.5);
    const QColor onFilled = middle.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
    const QString text = percentText();
    painter.setClipRect(filled);
    painter.setPen(onFilled);
    painter.drawText(inner, Qt::AlignCenter, text);
    painter.setClipRect(QRect(filled.right() + 1, inner.top(), inner.width() - filledWidth, inner.height()));
    painter.setPen(pal.color(QPalette::WindowText));
    painter.drawText(inner, Qt::AlignCenter, text);
}
