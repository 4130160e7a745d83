#include "platform/widgets/FlatButton.h"

#include "platform/widgets/Hints.h"

#include <QColor>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <qdrawutil.h>

namespace {

constexpr int kBevel = 1;
constexpr int kPaddingX = 6;
constexpr int kPaddingY = 3;
constexpr int kGlyphSpacing = 4;
constexpr int kTextFlags = Qt::TextShowMnemonic | Qt::TextSingleLine;

} // namespace

FlatButton::FlatButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

FlatButton::FlatButton(const QString& text, QWidget* parent) : FlatButton(parent)
{
    setText(text);
}

void FlatButton::setTextColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Active, foregroundRole(), color);
    pal.setColor(QPalette::Inactive, foregroundRole(), color);
    setPalette(pal);
}

QSize FlatButton::sizeHint() const
{
    const QSize textSize = text().isEmpty() ? QSize() : fontMetrics().size(kTextFlags, text());
    const QSize glyph = icon().isNull() ? QSize() : iconSize();
    const int spacing = (!glyph.isEmpty() && !textSize.isEmpty()) ? kGlyphSpacing : 0;
    const int width = glyph.width() + spacing + textSize.width();
    const int height = qMax(glyph.height(), textSize.isEmpty() ? fontMetrics().height() : textSize.height());
    return {width + 2 * (kBevel + kPaddingX), height + 2 * (kBevel + kPaddingY)};
}

QSize FlatButton::minimumSizeHint() const
{
    return sizeHint();
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    // A checked button stays sunken, as a latched speed button does.
    const bool sunken = isDown() || isChecked();
    if (sunken)
        qDrawShadePanel(&painter, rect(), pal, true, kBevel);
    else if (hovered_ && isEnabled())
        qDrawShadePanel(&painter, rect(), pal, false, kBevel);

    QRect content = rect().adjusted(kBevel + 1, kBevel + 1, -(kBevel + 1), -(kBevel + 1));
    if (sunken)
        content.translate(1, 1);

    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap glyph = icon().isNull() ? QPixmap() : icon().pixmap(iconSize(), devicePixelRatio(), mode);
    const QSize glyphSize = glyph.isNull() ? QSize(0, 0) : glyph.deviceIndependentSize().toSize();
    const QSize textSize = text().isEmpty() ? QSize(0, 0) : fontMetrics().size(kTextFlags, text());
    const int spacing = (glyphSize.width() > 0 && textSize.width() > 0) ? kGlyphSpacing : 0;
    const int groupWidth = glyphSize.width() + spacing + textSize.width();
    const int left = content.left() + (content.width() - groupWidth) / 2;

    if (!glyph.isNull())
        painter.drawPixmap(left, content.top() + (content.height() - glyphSize.height()) / 2, glyph);

    if (textSize.width() > 0) {
        const QRect textRect(left + glyphSize.width() + spacing, content.top(), textSize.width(),
                             content.height());
        const int flags = kTextFlags | Qt::AlignLeft | Qt::AlignVCenter;
        if (isEnabled()) {
            painter.setPen(pal.color(foregroundRole()));
            painter.drawText(textRect, flags, text());
        } else {
            // The engraved look of a disabled Windows caption: a light copy under a grey one.
            painter.setPen(pal.color(QPalette::Active, QPalette::Light));
            painter.drawText(textRect.translated(1, 1), flags, text());
            painter.setPen(pal.color(QPalette::Active, QPalette::Dark));
            painter.drawText(textRect, flags, text());
        }
    }

    if (hasFocus()) {
        QPen pen(pal.color(foregroundRole()));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(kBevel + 1, kBevel + 1, -(kBevel + 2), -(kBevel + 2)));
    }
}

void FlatButton::enterEvent(QEnterEvent* event)
{
    setHovered(true);
    QAbstractButton::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent* event)
{
    setHovered(false);
    QAbstractButton::leaveEvent(event);
}

void FlatButton::hideEvent(QHideEvent* event)
{
    // A hidden widget gets no Leave, so it would come back still looking hovered.
    setHovered(false);
    QAbstractButton::hideEvent(event);
}

void FlatButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void FlatButton::setHovered(bool hovered)
{
    if (hovered_ == hovered)
        return;
    hovered_ = hovered;
    update();
}

FlatButton* PlaceFlatButton(QWidget* parent, const char* objectName, const QString& caption, const QString& hint,
                            QRect place, const QFont& font, const QColor& textColor)
{
    auto* button = new FlatButton(parent);
    button->setObjectName(QLatin1String(objectName));
    button->setText(caption);
    button->setFont(font);
    if (textColor.isValid())
        button->setTextColor(textColor);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(place);
    const int room = place.width() - 4;
    if (const int advance = button->fontMetrics().horizontalAdvance(caption); advance > room && advance > 0) {
        QFont narrowed = font;
        narrowed.setStretch(100 * room / advance);
        button->setFont(narrowed);
    }
    HintService::setHint(button, hint);
    return button;
}

QFont PixelFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void SetTextColor(QWidget* widget, const QColor& color)
{
    // A palette, not a style sheet: style sheets make every window slower to create.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}
