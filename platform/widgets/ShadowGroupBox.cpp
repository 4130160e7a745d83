#include "platform/widgets/ShadowGroupBox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <algorithm>

ShadowGroupBox::ShadowGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent)
{
}

void ShadowGroupBox::setShadowColor(const QColor& color)
{
    shadowColor_ = color;
    update();
}

void ShadowGroupBox::setShadowWidth(int pixels)
{
    shadowWidth_ = qMax(0, pixels);
    update();
}

void ShadowGroupBox::paintEvent(QPaintEvent*)
{
    // The box is drawn that much smaller so that its shadow stays inside the widget.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.rect.adjust(0, 0, -shadowWidth_, -shadowWidth_);
    QPainter painter(this);
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
    if (shadowWidth_ == 0)
        return;
    const QRect frame = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    const QRect title = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    // Styles draw the frame's top edge through the title or under it: the shadow starts
    // below the title either way.
    const int top = std::max(frame.top(), title.bottom() + 1) + shadowWidth_;
    painter.fillRect(QRect(frame.right() + 1, top, shadowWidth_, frame.bottom() + 1 - top), shadowColor_);
    painter.fillRect(QRect(frame.left() + shadowWidth_, frame.bottom() + 1, frame.width(), shadowWidth_),
                     shadowColor_);
}
