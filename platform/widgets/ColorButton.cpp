#include "platform/widgets/ColorButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <qdrawutil.h>

ColorButton::ColorButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

ColorButton::ColorButton(const QString& text, QWidget* parent) : ColorButton(parent)
{
    setText(text);
}

void ColorButton::setFaceColor(const QColor& color)
{
    faceColor_ = color;
    update();
}

void ColorButton::setTextColor(const QColor& color)
{
    textColor_ = color;
    update();
}

QSize ColorButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextSingleLine, QAbstractButton::text());
    const QSize glyph = icon().isNull() ? QSize() : iconSize();
    return {qMax(text.width(), glyph.width()) + 16, qMax(text.height(), glyph.height()) + 10};
}

void ColorButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPalette pal = palette();
    pal.setColor(QPalette::Button, faceColor_);
    const bool sunken = isDown() || isChecked();
    // The bevel's light and dark edges come from the face colour, so a white button still has
    // an edge on a pale window.
    pal.setColor(QPalette::Light, faceColor_.lighter(110));
    pal.setColor(QPalette::Midlight, faceColor_.darker(105));
    pal.setColor(QPalette::Mid, faceColor_.darker(140));
    pal.setColor(QPalette::Dark, faceColor_.darker(170));
    pal.setColor(QPalette::Shadow, Qt::black);
    QBrush face(faceColor_);
    qDrawWinButton(&painter, rect(), pal, sunken, &face);

    QRect content = rect().adjusted(3, 3, -3, -3);
    if (sunken)
        content.translate(1, 1);
    if (!icon().isNull()) {
        const QPixmap glyph =
            icon().pixmap(iconSize(), devicePixelRatio(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
        const QSize size = glyph.deviceIndependentSize().toSize();
        painter.drawPixmap(content.left() + (content.width() - size.width()) / 2,
                           content.top() + (content.height() - size.height()) / 2, glyph);
    }
    if (!text().isEmpty()) {
        painter.setPen(isEnabled() ? textColor_ : faceColor_.darker(160));
        painter.drawText(content, Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextSingleLine, text());
    }
    if (hasFocus()) {
        QPen pen(textColor_);
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}

void ColorButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

ColorButton* PlaceColorButton(QWidget* parent, const char* objectName, const QString& caption, QRect place,
                              const QFont& font, const QColor& textColor)
{
    auto* button = new ColorButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setGeometry(place);
    button->setFont(font);
    button->setTextColor(textColor);
    return button;
}
