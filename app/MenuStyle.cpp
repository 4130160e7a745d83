#include "app/MenuStyle.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

namespace {

constexpr int kTextLeft = 23;
constexpr int kTextTop = 3;
constexpr int kShortCutRightGap = 10;
constexpr int kBarTextLeft = 7;
constexpr int kBarTextTop = 2;
const char* const kShortCutProperty = "menuShortCut";

struct ItemTexts {
    QString caption;
    QString shortcut;
};

ItemTexts SplitItemText(const QString& text)
{
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    if (tab < 0)
        return {text, QString()};
    return {text.left(tab), text.mid(tab + 1)};
}

// The key after the tab, written as OwnerDrawnMenu writes it or as Qt writes a shortcut.
ShortCut ItemShortCut(const ItemTexts& texts)
{
    return ShortCutOf(QKeySequence::fromString(texts.shortcut, QKeySequence::PortableText));
}

// Text drawn the way TextOut draws it: from the top of its cell, on its own background
// unless told to leave the background alone.
void DrawText(QPainter& painter, int x, int y, const QString& text, const QColor& colour, const QColor* background)
{
    const QFontMetrics metrics = painter.fontMetrics();
    if (background != nullptr)
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), *background);
    painter.setPen(colour);
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

void DrawOutlinedRect(QPainter& painter, const QRect& rect, const QColor& fill)
{
    painter.setPen(QPen(MenuColour::Outline, 0));
    painter.setBrush(fill);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.setBrush(Qt::NoBrush);
}

// The picture as it is stored, neither scaled nor tinted (a disabled item's is greyed).
void DrawPicture(QPainter& painter, const QIcon& icon, QPoint at, bool enabled)
{
    if (icon.isNull())
        return;
    const QSize stored = icon.availableSizes().value(0, QSize(16, 16));
    painter.drawPixmap(at, icon.pixmap(stored, enabled ? QIcon::Normal : QIcon::Disabled));
}

void DrawSubMenuArrow(QPainter& painter, const QRect& rect, const QColor& colour)
{
    const int x = rect.right() - 8;
    const int y = rect.top() + rect.height() / 2;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygon{QPoint(x, y - 4), QPoint(x + 4, y), QPoint(x, y + 4)});
    painter.setBrush(Qt::NoBrush);
}

} // namespace

OwnerDrawnMenuStyle::OwnerDrawnMenuStyle(QWidget* mainWindow) : mainWindow_(mainWindow) {}

int OwnerDrawnMenuStyle::MeasureWidth(std::string_view text) const
{
    const QFont font = mainWindow_ ? mainWindow_->font() : QFont();
    return QFontMetrics(font).horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

QSize OwnerDrawnMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                                            const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr || (type != CT_MenuItem && type != CT_MenuBarItem))
        return QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
    const TextWidth width = [this](std::string_view text) { return MeasureWidth(text); };
    // Windows gives an owner-drawn item two average characters of the menu font beyond the
    // width it is measured at; the drawing relies on that room (without it a caption would
    // run into its shortcut text).
    const int systemExtra = 2 * item->fontMetrics.averageCharWidth();
    if (type == CT_MenuBarItem) {
        const QSize base = QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
        return {MeasureMainItem(item->text.toStdString(), width) + systemExtra, base.height()};
    }
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return {1, kMenuSeparatorHeight}; // an empty size would leave the separator out
    const ItemTexts texts = SplitItemText(item->text);
    const ShortCut key = ItemShortCut(texts);
    return {MeasureItem(texts.caption.toStdString(), key, width) + systemExtra, kMenuItemHeight};
}

void OwnerDrawnMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    switch (element) {
    case CE_MenuItem:
        if (item != nullptr)
            return DrawMenuItem(*item, *painter);
        break;
    case CE_MenuBarItem:
        if (item != nullptr)
            return DrawMenuBarItem(*item, *painter);
        break;
    case CE_MenuBarEmptyArea:
        painter->fillRect(option->rect, option->palette.color(QPalette::Button));
        return;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void OwnerDrawnMenuStyle::DrawMenuItem(const QStyleOptionMenuItem& item, QPainter& painter) const
{
    painter.save();
    painter.setFont(item.font);
    painter.setClipRect(item.rect, Qt::IntersectClip);
    const QRect& r = item.rect;
    const int left = r.left();
    const int top = r.top();
    const int right = r.left() + r.width(); // excluded, as the rules count
    const QRect column(left, top, kMenuColumnWidth, kMenuColumnWidth);

    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        painter.fillRect(r, MenuColour::Body);
        painter.fillRect(column, MenuColour::Column);
        // The far end lies beyond any menu's right edge, so the line runs to the edge.
        const int farEnd = (mainWindow_ ? mainWindow_->width() : 0) + 130;
        painter.setPen(QPen(MenuColour::Column, 0));
        painter.drawLine(left + kTextLeft, top + 1, farEnd, top);
        painter.restore();
        return;
    }

    const ItemTexts texts = SplitItemText(item.text);
    const QString caption = QString::fromStdString(MenuCaptionText(texts.caption.toStdString()));
    const QString keyText = QString::fromStdString(ShortCutText(ItemShortCut(texts)));
    const int keyX = right - kShortCutRightGap - MeasureWidth(keyText.toStdString());
    const bool enabled = item.state & State_Enabled;
    const bool selected = enabled && (item.state & State_Selected);
    const QColor disabledText = item.palette.color(QPalette::Disabled, QPalette::WindowText);

    if (selected) {
        DrawOutlinedRect(painter, r, MenuColour::Highlight);
        DrawText(painter, left + kTextLeft, top + kTextTop, caption, MenuColour::HotText, &MenuColour::Highlight);
        if (!keyText.isEmpty())
            DrawText(painter, keyX, top + kTextTop, keyText, MenuColour::HotText, &MenuColour::Highlight);
        DrawPicture(painter, item.icon, QPoint(left + 1, top + 1), true);
    } else {
        const QColor text = enabled ? MenuColour::Text : disabledText;
        painter.fillRect(r, MenuColour::Body);
        DrawText(painter, left + kTextLeft, top + kTextTop, caption, text, &MenuColour::Body);
        painter.fillRect(column, MenuColour::Column);
        DrawPicture(painter, item.icon, QPoint(left + 2, top + 2), enabled);
        if (!keyText.isEmpty())
            DrawText(painter, keyX, top + kTextTop, keyText, text, nullptr);
    }
    if (item.menuItemType == QStyleOptionMenuItem::SubMenu)
        DrawSubMenuArrow(painter, r, selected ? MenuColour::HotText : MenuColour::Text);
    painter.restore();
}

void OwnerDrawnMenuStyle::DrawMenuBarItem(const QStyleOptionMenuItem& item, QPainter& painter) const
{
    painter.save();
    painter.setFont(item.font);
    const bool hot = MenuBarItemIsHot(item.state & State_Selected, item.state & State_Sunken);
    const QColor background = hot ? MenuColour::Highlight : item.palette.color(QPalette::Button);
    if (hot)
        DrawOutlinedRect(painter, item.rect, background);
    else
        painter.fillRect(item.rect, background);
    const QColor text = !(item.state & State_Enabled) ? item.palette.color(QPalette::Disabled, QPalette::ButtonText)
                        : hot                         ? MenuColour::HotText
                                                      : MenuColour::Text;
    DrawText(painter, item.rect.left() + kBarTextLeft, item.rect.top() + kBarTextTop, item.text, text, &background);
    painter.restore();
}

OwnerDrawnMenu::OwnerDrawnMenu(const QString& title, QWidget* parent, QStyle* style) : QMenu(title, parent)
{
    setStyle(style);
}

void OwnerDrawnMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const
{
    QMenu::initStyleOption(option, action);
    const ShortCut key = MenuShortCut(action);
    if (!key.Empty())
        option->text += QLatin1Char('\t') + QString::fromStdString(ShortCutText(key));
}

void SetMenuShortCut(QAction* item, const ShortCut& key)
{
    item->setProperty(kShortCutProperty, QVariant::fromValue(key));
}

ShortCut MenuShortCut(const QAction* item)
{
    return item != nullptr ? item->property(kShortCutProperty).value<ShortCut>() : ShortCut{};
}

QKeySequence KeySequenceOf(const ShortCut& key)
{
    if (key.Empty())
        return {};
    Qt::KeyboardModifiers modifiers;
    if (key.modifiers & ShortCut::Shift)
        modifiers |= Qt::ShiftModifier;
    if (key.modifiers & ShortCut::Ctrl)
        modifiers |= Qt::ControlModifier;
    if (key.modifiers & ShortCut::Alt)
        modifiers |= Qt::AltModifier;
    const Qt::Key code = key.letter != 0 ? Qt::Key(Qt::Key_A + (key.letter - 'A'))
                                         : Qt::Key(Qt::Key_F1 + (key.function - 1));
    return QKeySequence(QKeyCombination(modifiers, code));
}

ShortCut ShortCutOf(const QKeySequence& keys)
{
    if (keys.count() != 1)
        return {};
    const QKeyCombination combination = keys[0];
    ShortCut key;
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    if (modifiers & Qt::ShiftModifier)
        key.modifiers |= ShortCut::Shift;
    if (modifiers & Qt::ControlModifier)
        key.modifiers |= ShortCut::Ctrl;
    if (modifiers & Qt::AltModifier)
        key.modifiers |= ShortCut::Alt;
    const int code = combination.key();
    if (code >= Qt::Key_A && code <= Qt::Key_Z)
        key.letter = static_cast<char>('A' + (code - Qt::Key_A));
    else if (code >= Qt::Key_F1 && code <= Qt::Key_F24)
        key.function = code - Qt::Key_F1 + 1;
    else
        return {};
    return key;
}
