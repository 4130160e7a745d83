#include "platform/widgets/ShadowTitleGroupBox.h"

#include <QPainter>

namespace {
constexpr int kTitleLeft = 8;
constexpr int kTitlePadding = 2;
} // namespace

ShadowTitleGroupBox::ShadowTitleGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent)
{
}

void ShadowTitleGroupBox::setTitleColor(const QColor& color)
{
    titleColor_ = color;
    update();
}

void ShadowTitleGroupBox::setShadowColor(const QColor& color)
{
    shadowColor_ = color;
    update();
}

void ShadowTitleGroupBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics fm(font());
    const int top = fm.height() / 2;
    const int titleWidth = title().isEmpty() ? 0 : fm.horizontalAdvance(title()) + 1 + 2 * kTitlePadding;
    const int gapFrom = kTitleLeft - kTitlePadding;
    const int gapTo = gapFrom + titleWidth;
    const int right = width() - 2;
    const int bottom = height() - 2;

    // The etched frame: a dark line with a light one beside it, broken where the title stands.
    const QColor dark = palette().color(QPalette::Mid);
    const QColor light = palette().color(QPalette::Light);
    for (int pass = 0; pass < 2; ++pass) {
        painter.setPen(pass == 0 ? dark : light);
        const int d = pass;
        painter.drawLine(d, top + d, d, bottom + d);
        painter.drawLine(d, bottom + d, right + d, bottom + d);
        painter.drawLine(right + d, top + d, right + d, bottom + d);
        if (titleWidth == 0) {
            painter.drawLine(d, top + d, right + d, top + d);
        } else {
            painter.drawLine(d, top + d, gapFrom, top + d);
            painter.drawLine(gapTo, top + d, right + d, top + d);
        }
    }

    if (title().isEmpty())
        return;
    const QRect titleRect(kTitleLeft, 0, titleWidth, fm.height());
    painter.setFont(font());
    painter.setPen(shadowColor_);
    painter.drawText(titleRect.translated(1, 1), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title());
    painter.setPen(isEnabled() ? titleColor_ : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title());
}
