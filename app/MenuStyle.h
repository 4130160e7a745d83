#pragma once
// The main window's menus are painted and sized by the program itself: white items with a
// grey-beige picture column on the left, a light blue-grey highlight with blue text, and
// menu-bar items that light up only under the mouse. The widths follow app/MenuRules.h,
// measured with the main window's font; the texts are drawn in the menu's own font.

#include "app/MenuRules.h"

#include <QKeySequence>
#include <QMenu>
#include <QMetaType>
#include <QPointer>
#include <QProxyStyle>

Q_DECLARE_METATYPE(ShortCut)

namespace MenuColour {
inline const QColor Highlight(182, 189, 210);
inline const QColor Column(219, 216, 209);
inline const QColor Body(255, 255, 255);
inline const QColor HotText(0, 0, 255);
inline const QColor Text(0, 0, 0);
// The pen a highlighted item is outlined with.
inline const QColor Outline(0, 0, 0);
} // namespace MenuColour

class OwnerDrawnMenuStyle final : public QProxyStyle {
public:
    // `mainWindow` lends its font to every measurement and its width to the separators' line.
    explicit OwnerDrawnMenuStyle(QWidget* mainWindow);

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

private:
    int MeasureWidth(std::string_view text) const;
    void DrawMenuItem(const class QStyleOptionMenuItem& item, QPainter& painter) const;
    void DrawMenuBarItem(const QStyleOptionMenuItem& item, QPainter& painter) const;

    QPointer<QWidget> mainWindow_;
};

// A menu whose items are painted by OwnerDrawnMenuStyle. An item's key is kept with the item
// (SetMenuShortCut) and written the menus' way; Qt then reserves no room of its own for it,
// so the item is exactly as wide as the rules measure it.
class OwnerDrawnMenu final : public QMenu {
public:
    OwnerDrawnMenu(const QString& title, QWidget* parent, QStyle* style);

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

// The key written in a menu item. Only the writing: the key itself is bound by whoever owns
// the command.
void SetMenuShortCut(QAction* item, const ShortCut& key);
ShortCut MenuShortCut(const QAction* item);

QKeySequence KeySequenceOf(const ShortCut& key);
// A key sequence of one key with modifiers, as a menu writes it; anything else gives none.
ShortCut ShortCutOf(const QKeySequence& keys);
