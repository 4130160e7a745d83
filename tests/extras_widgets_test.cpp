// Our stand-ins used by the extras: the colour button, the shadowed group box, the rolling
// credits, the drum timer display and the shape and dragging of borderless windows.
#include "platform/widgets/BorderlessWindow.h"
#include "platform/widgets/ColorButton.h"
#include "platform/widgets/DrumTimer.h"
#include "platform/widgets/ScrollingCredits.h"
#include "platform/widgets/ShadowTitleGroupBox.h"

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QImage Render(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int CountOf(const QImage& image, QColor color, QRect area = QRect())
{
    if (area.isNull())
        area = image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == color.rgb();
    return count;
}

// The topmost row holding a pixel of `color`, or -1.
int FirstRowOf(const QImage& image, QColor color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color.rgb())
                return y;
    return -1;
}

QFont Crisp(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

TEST(ColorButtonTest, FaceColourCaptionAndKeys)
{
    QWidget window;
    auto* button = PlaceColorButton(&window, "dxfColorButton1", QStringLiteral("START"), {10, 10, 81, 33},
                                    Crisp(12), Qt::blue);
    button->setFaceColor(QColor(255, 255, 240));
    window.resize(120, 60);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage image = Render(*button);
    EXPECT_GT(CountOf(image, QColor(255, 255, 240)), 81 * 33 / 2) << "the face is the button's own colour";
    EXPECT_GT(CountOf(image, Qt::blue), 20) << "the caption in the text colour";

    QSignalSpy clicked(button, &ColorButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 3);
}

TEST(ShadowTitleGroupBoxTest, TitleOverItsShadowOnePixelLowerRight)
{
    ShadowTitleGroupBox box(QStringLiteral("Память"));
    box.setFont(Crisp(14));
    box.setTitleColor(QColor(128, 0, 128));
    box.setShadowColor(QColor(128, 128, 0));
    box.resize(200, 60);
    const QImage image = Render(box);
    const int title = FirstRowOf(image, QColor(128, 0, 128));
    const int shadow = FirstRowOf(image, QColor(128, 128, 0));
    ASSERT_GE(title, 0);
    ASSERT_GE(shadow, 0);
    EXPECT_EQ(shadow, title + 1);
    EXPECT_GT(CountOf(image, QColor(128, 0, 128)), 30);
}

TEST(ScrollingCreditsTest, TextRisesFromTheBottomAndComesRound)
{
    ScrollingCredits credits;
    credits.resize(200, 100);
    credits.setFillColor(QColor(0, 128, 0));
    credits.setEntries({{QStringLiteral("Здравствуйте!!!"), Crisp(16), Qt::yellow},
                        {QStringLiteral("Второй абзац, подлиннее, чтобы перенестись на другую строку."),
                         Crisp(12), Qt::white}});
    EXPECT_EQ(credits.interval(), 25);
    EXPECT_EQ(CountOf(Render(credits), Qt::yellow), 0) << "the text starts below the bottom edge";

    for (int i = 0; i < 40; ++i)
        credits.step();
    const int at40 = FirstRowOf(Render(credits), Qt::yellow);
    credits.step();
    credits.step();
    const int at42 = FirstRowOf(Render(credits), Qt::yellow);
    ASSERT_GE(at40, 0);
    EXPECT_EQ(at42, at40 - 2) << "a pixel up per step";

    const int round = credits.height() + credits.contentHeight();
    credits.setOffset(round);
    EXPECT_EQ(CountOf(Render(credits), Qt::white) + CountOf(Render(credits), Qt::yellow), 0)
        << "all gone at the top";
    credits.step();
    EXPECT_EQ(credits.offset(), 0) << "and in again from the bottom";

    credits.setScrolling(true);
    EXPECT_TRUE(credits.isScrolling());
    QTRY_VERIFY_WITH_TIMEOUT(credits.offset() >= 3, 2000);
}

TEST(DrumTimerTest, TheDisplayDrivesTheCountAndStopsItselfAtTheEnd)
{
    DrumTimer drum;
    QSignalSpy ended(&drum, &DrumTimer::endOfTime);
    ASSERT_TRUE(drum.setEndSecond(2));
    drum.start();
    EXPECT_TRUE(drum.isRunning());
    drum.tick();
    EXPECT_EQ(drum.text(), QStringLiteral("00:00:01"));
    drum.reset();
    EXPECT_TRUE(drum.isRunning()) << "RESET zeroes and keeps counting";
    EXPECT_EQ(drum.text(), QStringLiteral("00:00:00"));
    drum.tick();
    drum.tick();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(drum.isRunning());
    drum.tick();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(drum.text(), QStringLiteral("00:00:02"));
    drum.start();
    EXPECT_EQ(drum.text(), QStringLiteral("00:00:00")) << "a new count after the end";
    drum.stop();
    EXPECT_FALSE(drum.isRunning());
}

TEST(DrumTimerTest, DrumsInTheFaceColourInsideTheBorder)
{
    DrumTimer drum;
    drum.resize(249, 41);
    drum.setTurnDuration(1);
    drum.setFaceColor(QColor(0, 128, 0));
    drum.setBorderColor(QColor(255, 255, 0));
    drum.setDigitColor(QColor(255, 255, 255));
    QFont font = Crisp(21);
    drum.setFont(font);
    const QImage image = Render(drum);
    EXPECT_EQ(image.pixel(0, 0), QColor(255, 255, 0).rgb());
    EXPECT_EQ(image.pixel(248, 40), QColor(255, 255, 0).rgb());
    int green = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            green += c.green() > c.red() + 40 && c.green() > c.blue() + 40;
        }
    EXPECT_GT(green, 249 * 41 / 3) << "the drums in shades of the face colour";
    EXPECT_GT(CountOf(image, Qt::white), 100) << "the digits";
}

TEST(BorderlessWindowTest, RoundedCornersOfFortyByForty)
{
    QWidget window;
    window.resize(283, 159);
    ClipToRoundedRect(window, 40, 40);
    const QRegion mask = window.mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(3, 3)));
    EXPECT_FALSE(mask.contains(QPoint(282, 158)));
    EXPECT_TRUE(mask.contains(QPoint(20, 0)));
    EXPECT_TRUE(mask.contains(QPoint(0, 20)));
    EXPECT_TRUE(mask.contains(QPoint(8, 8)));
    EXPECT_TRUE(mask.contains(QPoint(141, 79)));
    EXPECT_TRUE(mask.contains(QPoint(262, 0)));
}

TEST(BorderlessWindowTest, DraggedByItsBodyNotByAPanel)
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(300, 200);
    auto* label = new QLabel(QStringLiteral("ярлык"), &window);
    label->setGeometry(10, 150, 100, 20);
    auto* panel = new QFrame(&window);
    panel->setGeometry(150, 10, 140, 100);
    panel->setAttribute(Qt::WA_NoMousePropagation);
    BodyDrag drag(&window);
    window.move(100, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const QPoint start = window.pos();
    QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_TRUE(drag.isDragging());
    QTest::mouseMove(&window, QPoint(80, 70));
    QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(80, 70));
    EXPECT_FALSE(drag.isDragging());
    EXPECT_EQ(window.pos(), start + QPoint(30, 20));

    const QPoint second = window.pos();
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(label, QPoint(15, 5));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(15, 5));
    EXPECT_EQ(window.pos(), second + QPoint(10, 0)) << "a label passes the press on";

    const QPoint third = window.pos();
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(drag.isDragging());
    QTest::mouseMove(panel, QPoint(45, 45));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(45, 45));
    EXPECT_EQ(window.pos(), third) << "a panel keeps its presses";
}

} // namespace
