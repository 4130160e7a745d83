#include "app/MenuStyle.h"

#include "platform/widgets/FlatButton.h"

#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

QColor PixelAt(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

bool IsBlue(QColor c)
{
    return c.blue() > 150 && c.red() < 110 && c.green() < 110;
}

bool IsInk(QColor c)
{
    return c.red() < 160 && c.green() < 160 && c.blue() < 160;
}

int CountPixels(const QImage& image, const QRect& rect, bool (*test)(QColor))
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += test(PixelAt(image, x, y)) ? 1 : 0;
    return count;
}

// The mouse moving over a widget without a button down. (QTest::mouseMove only moves the
// cursor on the offscreen platform; the widget hears nothing of it.)
void MoveMouse(QWidget& widget, QPoint to)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(to), QPointF(widget.mapToGlobal(to)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// A picture whose top-left pixel is red and the rest green, to see where it lands.
QIcon MarkedPicture()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(0, 160, 0));
    image.setPixelColor(0, 0, QColor(255, 0, 0));
    return QIcon(QPixmap::fromImage(image));
}

// A stand-in for the main window: its font measures, its width ends the separators' line.
class MenuStyleTest : public ::testing::Test {
protected:
    MenuStyleTest()
    {
        window.setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
        window.resize(338, 417);
    }

    // A menu drawn in the window's font, as the program's are, or in a font of its own.
    std::unique_ptr<OwnerDrawnMenu> Menu(int fontPixels = 11)
    {
        auto menu = std::make_unique<OwnerDrawnMenu>(QStringLiteral("Меню"), &window, &style);
        menu->setFont(PixelFont(QStringLiteral("MS Sans Serif"), fontPixels));
        return menu;
    }

    // Shows the menu with `active` highlighted (or none) and takes its picture.
    QImage Render(QMenu& menu, QAction* active = nullptr)
    {
        menu.popup(QPoint(50, 50));
        menu.setActiveAction(active);
        QApplication::processEvents();
        const QImage image = menu.grab().toImage();
        menu.hide();
        return image;
    }

    int WindowWidth(const char* text) const
    {
        return QFontMetrics(window.font()).horizontalAdvance(QString::fromUtf8(text));
    }

    QWidget window;
    OwnerDrawnMenuStyle style{&window};
};

TEST_F(MenuStyleTest, ItemsAreMeasuredInTheWindowsFontAsCaptionPlusThirtyPlusShortcut)
{
    // A larger menu font shows that it is not the one measured with.
    auto menu = Menu(15);
    QAction* plain = menu->addAction(QStringLiteral("Таймер"));
    const int extra = 2 * QFontMetrics(menu->font()).averageCharWidth(); // what Windows adds
    menu->popup(QPoint(50, 50));
    QApplication::processEvents();
    EXPECT_EQ(menu->actionGeometry(plain).width(), WindowWidth("Таймер") + 30 + extra)
        << "an item without a shortcut";
    EXPECT_EQ(menu->actionGeometry(plain).height(), kMenuItemHeight);
    menu->hide();

    QAction* keyed = menu->addAction(QStringLiteral("Перезагрузить компьютер"));
    SetMenuShortCut(keyed, FunctionKey(12, ShortCut::Shift | ShortCut::Ctrl));
    const QImage image = Render(*menu);
    const QRect item = menu->actionGeometry(keyed);
    EXPECT_EQ(item.width(), WindowWidth("Перезагрузить компьютер") + 30 + WindowWidth("Shift+Ctrl+F12") + extra);
    EXPECT_EQ(menu->actionGeometry(plain).width(), item.width()) << "a menu's items share the widest width";
}

TEST_F(MenuStyleTest, ShortcutTextEndsTenPixelsBeforeTheRightEdge)
{
    auto menu = Menu();
    QAction* keyed = menu->addAction(QStringLiteral("Выключить компьютер"));
    SetMenuShortCut(keyed, FunctionKey(11, ShortCut::Shift | ShortCut::Ctrl));
    const QImage image = Render(*menu);
    const QRect item = menu->actionGeometry(keyed);
    int rightmostInk = -1;
    for (int x = item.left(); x <= item.right(); ++x)
        for (int y = item.top(); y <= item.bottom(); ++y)
            if (IsInk(PixelAt(image, x, y)))
                rightmostInk = x;
    const int edge = item.left() + item.width();
    EXPECT_LT(rightmostInk, edge - 10);
    EXPECT_GE(rightmostInk, edge - 10 - 3);
}

TEST_F(MenuStyleTest, AcceleratorMarkIsDrawnWithoutTheMarkButMeasuredWithIt)
{
    auto marked = Menu();
    auto unmarked = Menu();
    QAction* withMark = marked->addAction(QStringLiteral("&Таймер"));
    QAction* withoutMark = unmarked->addAction(QStringLiteral("Таймер"));
    const QImage a = Render(*marked);
    const QImage b = Render(*unmarked);
    const QRect itemA = marked->actionGeometry(withMark);
    const QRect itemB = unmarked->actionGeometry(withoutMark);
    EXPECT_EQ(itemA.width() - itemB.width(), WindowWidth("&Таймер") - WindowWidth("Таймер"));

    const QRect text(0, 0, itemB.width() - 12, itemB.height());
    const QImage drawnA = a.copy(text.translated(itemA.topLeft()));
    const QImage drawnB = b.copy(text.translated(itemB.topLeft()));
    EXPECT_GT(CountPixels(drawnB, drawnB.rect(), IsInk), 20) << "the caption is there";
    EXPECT_EQ(drawnA, drawnB) << "no '&' and no underline";
}

TEST_F(MenuStyleTest, HighlightedItemShowsItsPictureOnePixelUpAndLeftAndNoColumn)
{
    auto menu = Menu();
    QAction* item = menu->addAction(MarkedPicture(), QStringLiteral("Часики"));
    menu->addAction(QStringLiteral("О системе"));

    const QImage plain = Render(*menu);
    QRect r = menu->actionGeometry(item);
    EXPECT_EQ(PixelAt(plain, r.left() + 2, r.top() + 2), QColor(255, 0, 0)) << "picture at (L+2, T+2)";
    EXPECT_EQ(PixelAt(plain, r.left() + 1, r.top() + 1), MenuColour::Column);
    EXPECT_EQ(PixelAt(plain, r.left() + 19, r.top() + 10), MenuColour::Column) << "the 20-pixel column";
    EXPECT_EQ(PixelAt(plain, r.left() + 20, r.top() + 10), MenuColour::Body);
    EXPECT_EQ(CountPixels(plain, r, IsBlue), 0);

    const QImage lit = Render(*menu, item);
    r = menu->actionGeometry(item);
    EXPECT_EQ(PixelAt(lit, r.left() + 1, r.top() + 1), QColor(255, 0, 0)) << "picture at (L+1, T+1)";
    EXPECT_EQ(PixelAt(lit, r.left() + 16, r.top() + 16), QColor(0, 160, 0));
    EXPECT_EQ(PixelAt(lit, r.left() + 17, r.top() + 17), MenuColour::Highlight);
    EXPECT_EQ(PixelAt(lit, r.left() + 19, r.top() + 10), MenuColour::Highlight) << "no column colour";
    EXPECT_EQ(PixelAt(lit, r.left() + 60, r.top() + 1), MenuColour::Highlight);
    EXPECT_EQ(PixelAt(lit, r.left(), r.top()), MenuColour::Outline);
    EXPECT_EQ(PixelAt(lit, r.right(), r.bottom()), MenuColour::Outline);
    EXPECT_GT(CountPixels(lit, r, IsBlue), 20) << "blue text";
}

TEST_F(MenuStyleTest, SeparatorIsWhiteWithTheColumnSquareAndAThinLine)
{
    auto menu = Menu();
    menu->addAction(QStringLiteral("Таймер"));
    QAction* separator = menu->addSeparator();
    menu->addAction(QStringLiteral("Часики"));
    const QImage image = Render(*menu);
    const QRect r = menu->actionGeometry(separator);
    ASSERT_EQ(r.height(), kMenuSeparatorHeight);
    const int l = r.left(), t = r.top();
    EXPECT_EQ(PixelAt(image, l, t + 5), MenuColour::Column);
    EXPECT_EQ(PixelAt(image, l + 19, t + 5), MenuColour::Column);
    EXPECT_EQ(PixelAt(image, l + 20, t + 5), MenuColour::Body);
    EXPECT_EQ(PixelAt(image, l + 22, t + 1), MenuColour::Body) << "the line starts 23 pixels in";
    EXPECT_EQ(PixelAt(image, l + 23, t + 1), MenuColour::Column);
    // One pixel thin all the way to the menu's edge, in the top two rows (it slopes up by one
    // pixel over its full length, which ends past the edge).
    for (int x = l + 23; x <= r.right(); ++x) {
        const int inLine = (PixelAt(image, x, t) == MenuColour::Column) + (PixelAt(image, x, t + 1) == MenuColour::Column);
        ASSERT_EQ(inLine, 1) << "x " << x - l;
        for (int y = t + 2; y <= r.bottom(); ++y)
            ASSERT_EQ(PixelAt(image, x, y), MenuColour::Body) << "x " << x - l << " y " << y - t;
    }
}

TEST_F(MenuStyleTest, MenuBarItemIsBlueOnTheHighlightOnlyWhileTheMouseIsOverIt)
{
    QMenuBar bar(&window);
    bar.setNativeMenuBar(false);
    bar.setStyle(&style);
    bar.setFont(window.font());
    QMenu* file = bar.addMenu(QStringLiteral("Файл"));
    file->addAction(QStringLiteral("Новый профиль"));
    bar.addMenu(QStringLiteral("Экстра"));
    bar.setGeometry(0, 0, 338, bar.sizeHint().height());
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QRect item = bar.actionGeometry(file->menuAction());
    EXPECT_EQ(item.width(), WindowWidth("Файл") + 2 * QFontMetrics(bar.font()).averageCharWidth());
    const QColor buttonFace = bar.palette().color(QPalette::Button);
    const QPoint inside = item.topLeft() + QPoint(2, 1);

    MoveMouse(bar, QPoint(300, 5));
    QImage image = bar.grab().toImage();
    EXPECT_EQ(PixelAt(image, inside.x(), inside.y()), buttonFace) << "not hot";
    EXPECT_EQ(CountPixels(image, item, IsBlue), 0);

    MoveMouse(bar, item.center());
    image = bar.grab().toImage();
    EXPECT_EQ(PixelAt(image, inside.x(), inside.y()), MenuColour::Highlight) << "hot";
    EXPECT_EQ(PixelAt(image, item.left(), item.top()), MenuColour::Outline);
    EXPECT_GT(CountPixels(image, item, IsBlue), 10);

    QTest::mouseClick(&bar, Qt::LeftButton, {}, item.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return file->isVisible(); }, 2000));
    image = bar.grab().toImage();
    EXPECT_EQ(PixelAt(image, inside.x(), inside.y()), buttonFace) << "its menu is open: plain";
    EXPECT_EQ(CountPixels(image, item, IsBlue), 0);
    file->hide();
}

TEST(MenuKeysTest, ShortcutsConvertBetweenTheMenusAndQt)
{
    const ShortCut shutdown = FunctionKey(11, ShortCut::Shift | ShortCut::Ctrl);
    EXPECT_EQ(KeySequenceOf(shutdown), QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F11));
    EXPECT_EQ(ShortCutOf(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F11)), shutdown);
    EXPECT_EQ(ShortCutOf(QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_E)),
              LetterKey('E', ShortCut::Shift | ShortCut::Alt));
    EXPECT_TRUE(KeySequenceOf(ShortCut{}).isEmpty());
    EXPECT_TRUE(ShortCutOf(QKeySequence(Qt::CTRL | Qt::Key_Home)).Empty()) << "not a key the menus write";
    EXPECT_TRUE(ShortCutOf(QKeySequence(QStringLiteral("Ctrl+K, Ctrl+C"))).Empty()) << "two keys";

    QAction item;
    SetMenuShortCut(&item, shutdown);
    EXPECT_EQ(MenuShortCut(&item), shutdown);
    EXPECT_TRUE(item.shortcut().isEmpty()) << "writing a key binds nothing";
}

} // namespace
