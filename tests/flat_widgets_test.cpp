// The painted stand-ins: the flat button, the 3-D label and the gradient progress bar.
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/GradientProgressBar.h"
#include "platform/widgets/Label3D.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

// Without anti-aliasing every text pixel has exactly the colour it was drawn in.
QFont CrispFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The smallest rectangle holding every pixel of `color`; empty when there is none.
// Pixels are compared as RGB values: QColor's own equality also compares the colour model.
QRect BoxOf(const QImage& image, QColor color)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color.rgb())
                box |= QRect(x, y, 1, 1);
    return box;
}

int CountOf(const QImage& image, QColor color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == color.rgb();
    return count;
}

QImage Render(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A window holding a line edit and a flat button, shown and active so focus and hover work.
struct ButtonWindow {
    ButtonWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(button);
        layout->addSpacing(40);
        button->setFont(CrispFont(14));
        // A window shown under the mouse hovers its button at once; start with the mouse elsewhere.
        QCursor::setPos(QPoint(790, 790));
        window.move(0, 0);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QPoint Outside() const { return QPoint(window.width() / 2, window.height() - 5); }

    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    FlatButton* button = new FlatButton(QStringLiteral("Расчёт"), &window);
};

} // namespace

TEST(FlatButton, IsFlatUntilTheMouseIsOverIt)
{
    ButtonWindow w;
    ASSERT_FALSE(w.button->isHovered());
    const QImage flat = Render(*w.button);

    QTest::mouseMove(w.button, w.button->rect().center());
    ASSERT_TRUE(w.button->isHovered());
    EXPECT_NE(Render(*w.button), flat);

    QTest::mouseMove(&w.window, w.Outside());
    ASSERT_FALSE(w.button->isHovered());
    EXPECT_EQ(Render(*w.button), flat);
}

TEST(FlatButton, PressedLooksDifferentFromHovered)
{
    ButtonWindow w;
    QTest::mouseMove(w.button, w.button->rect().center());
    const QImage hovered = Render(*w.button);
    w.button->setDown(true);
    EXPECT_NE(Render(*w.button), hovered);
}

TEST(FlatButton, LeavesTheBackgroundUnpaintedWhenFlat)
{
    QWidget window;
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(10, 200, 30));
    window.setPalette(palette);
    auto* button = new FlatButton(QStringLiteral("Расчёт"), &window);
    button->resize(button->sizeHint());

    const QImage image = Render(window);
    EXPECT_EQ(image.pixelColor(1, 1), QColor(10, 200, 30));
    EXPECT_EQ(image.pixelColor(button->width() - 2, button->height() - 2), QColor(10, 200, 30));
}

TEST(FlatButton, DrawsTheCaptionInTheTextColourAndGreysItWhenDisabled)
{
    FlatButton button(QStringLiteral("Расчёт"));
    button.setFont(CrispFont(14));
    button.resize(button.sizeHint());
    const QColor red(255, 0, 0);
    button.setTextColor(red);

    EXPECT_GT(CountOf(Render(button), red), 20);
    button.setEnabled(false);
    const QImage disabled = Render(button);
    EXPECT_EQ(CountOf(disabled, red), 0);
    EXPECT_GT(CountOf(disabled, button.palette().color(QPalette::Active, QPalette::Dark)), 20);
}

TEST(FlatButton, SizeHintGrowsWithTheCaptionAndFitsIt)
{
    FlatButton shortButton(QStringLiteral("Да"));
    FlatButton longButton(QStringLiteral("Рассчитать всё заново"));
    const QFontMetrics metrics(longButton.font());
    EXPECT_GT(longButton.sizeHint().width(), shortButton.sizeHint().width());
    EXPECT_GE(longButton.sizeHint().width(), metrics.horizontalAdvance(longButton.text()));
    EXPECT_GE(longButton.sizeHint().height(), metrics.height());
}

TEST(FlatButton, IsReachedByTabButKeepsTheFocusAwayOnAClick)
{
    ButtonWindow w;
    w.edit->setFocus();
    QTest::mouseClick(w.button, Qt::LeftButton);
    EXPECT_TRUE(w.edit->hasFocus());

    QTest::keyClick(w.edit, Qt::Key_Tab);
    EXPECT_TRUE(w.button->hasFocus());
}

struct ClickRow {
    const char* name;
    std::function<void(FlatButton&)> act;
    friend void PrintTo(const ClickRow& row, std::ostream* os) { *os << row.name; }
};

class FlatButtonClick : public testing::TestWithParam<ClickRow> {};

TEST_P(FlatButtonClick, EmitsClickedOnceWhenEnabledAndNeverWhenDisabled)
{
    for (const bool enabled : {true, false}) {
        ButtonWindow w;
        w.button->setEnabled(enabled);
        w.button->setFocus(Qt::TabFocusReason);
        QSignalSpy clicked(w.button, &FlatButton::clicked);
        GetParam().act(*w.button);
        EXPECT_EQ(clicked.count(), enabled ? 1 : 0) << (enabled ? "enabled" : "disabled");
    }
}

INSTANTIATE_TEST_SUITE_P(
    , FlatButtonClick,
    testing::Values(ClickRow{"Mouse", [](FlatButton& b) { QTest::mouseClick(&b, Qt::LeftButton); }},
                    ClickRow{"Space", [](FlatButton& b) { QTest::keyClick(&b, Qt::Key_Space); }},
                    ClickRow{"Return", [](FlatButton& b) { QTest::keyClick(&b, Qt::Key_Return); }},
                    ClickRow{"KeypadEnter",
                             [](FlatButton& b) { QTest::keyClick(&b, Qt::Key_Enter, Qt::KeypadModifier); }}),
    testing::PrintToStringParamName());

namespace {

const QColor kText(0, 0, 255);
const QColor kShadow(255, 0, 0);

QImage RenderLabel(Label3D::Direction direction, int depth, Label3D::ShadowStyle style = Label3D::Solid)
{
    Label3D label(QStringLiteral("Version 6.04"));
    label.setFont(CrispFont(16));
    label.setTextColor(kText);
    label.setShadowColor(kShadow);
    label.setDepth(depth);
    label.setDirection(direction);
    label.setShadowStyle(style);
    label.resize(label.sizeHint() + QSize(20, 20));
    label.setAlignment(Qt::AlignCenter);
    return Render(label);
}

struct DirectionRow {
    const char* name;
    Label3D::Direction direction;
    int dx, dy;
    friend void PrintTo(const DirectionRow& row, std::ostream* os) { *os << row.name; }
};

} // namespace

class Label3DDirection : public testing::TestWithParam<DirectionRow> {};

// The farthest shadow stamp sticks out exactly `depth` pixels on the shadow's sides, and no stamp
// reaches past the text on the other sides.
TEST_P(Label3DDirection, ShadowFallsOnlyTowardTheDirection)
{
    const DirectionRow& row = GetParam();
    const int depth = 7;
    const QImage image = RenderLabel(row.direction, depth);
    const QRect text = BoxOf(image, kText);
    const QRect shadow = BoxOf(image, kShadow);
    ASSERT_FALSE(text.isEmpty());
    ASSERT_FALSE(shadow.isEmpty());

    if (row.dx > 0) {
        EXPECT_EQ(shadow.right() - text.right(), depth);
        EXPECT_GT(shadow.left(), text.left());
    } else {
        EXPECT_EQ(text.left() - shadow.left(), depth);
        EXPECT_LT(shadow.right(), text.right());
    }
    if (row.dy > 0) {
        EXPECT_EQ(shadow.bottom() - text.bottom(), depth);
        EXPECT_GT(shadow.top(), text.top());
    } else {
        EXPECT_EQ(text.top() - shadow.top(), depth);
        EXPECT_LT(shadow.bottom(), text.bottom());
    }
}

INSTANTIATE_TEST_SUITE_P(, Label3DDirection,
                         testing::Values(DirectionRow{"LowerRight", Label3D::LowerRight, 1, 1},
                                         DirectionRow{"LowerLeft", Label3D::LowerLeft, -1, 1},
                                         DirectionRow{"UpperRight", Label3D::UpperRight, 1, -1},
                                         DirectionRow{"UpperLeft", Label3D::UpperLeft, -1, -1}),
                         testing::PrintToStringParamName());

TEST(Label3D, DepthZeroDrawsNoShadow)
{
    const QImage image = RenderLabel(Label3D::LowerRight, 0);
    EXPECT_GT(CountOf(image, kText), 20);
    EXPECT_EQ(CountOf(image, kShadow), 0);
}

TEST(Label3D, FunShadowFadesFromTheShadowColourToALighterTone)
{
    const int depth = 7;
    const QImage image = RenderLabel(Label3D::LowerRight, depth, Label3D::Fun);
    Label3D label;
    label.setShadowColor(kShadow);
    label.setDepth(depth);
    label.setShadowStyle(Label3D::Fun);
    const QColor nearest = label.shadowColorAt(1);
    const QColor farthest = label.shadowColorAt(depth);

    EXPECT_EQ(nearest, kShadow);
    EXPECT_GT(farthest.lightness(), nearest.lightness());
    EXPECT_EQ(farthest.hue(), nearest.hue());
    // Each step is its own tone, and every one of them reaches the screen.
    for (int step = 1; step <= depth; ++step) {
        if (step > 1) {
            EXPECT_GT(label.shadowColorAt(step).lightness(), label.shadowColorAt(step - 1).lightness());
        }
        EXPECT_GT(CountOf(image, label.shadowColorAt(step)), 0) << "step " << step;
    }
    // The outermost pixels belong to the farthest stamp.
    const QRect text = BoxOf(image, kText);
    const QRect far = BoxOf(image, farthest);
    EXPECT_EQ(far.right(), text.right() + depth);
    EXPECT_EQ(far.bottom(), text.bottom() + depth);
}

namespace {

constexpr int kFrame = 2;

QImage RenderBar(int minimum, int maximum, int value, int width = 204)
{
    GradientProgressBar bar;
    bar.setShowPercentage(false);
    bar.setRange(minimum, maximum);
    bar.setValue(value);
    bar.resize(width, 20);
    return Render(bar);
}

// Pixels of the middle row, inside the frame, that are not the window colour.
int FilledWidth(const QImage& image)
{
    const QColor window = QApplication::palette().color(QPalette::Window);
    int filled = 0;
    for (int x = kFrame; x < image.width() - kFrame; ++x)
        filled += image.pixel(x, image.height() / 2) != window.rgb();
    return filled;
}

struct FillRow {
    const char* name;
    int minimum, maximum, value;
    double fraction;
    friend void PrintTo(const FillRow& row, std::ostream* os) { *os << row.name; }
};

} // namespace

class GradientProgressBarFill : public testing::TestWithParam<FillRow> {};

TEST_P(GradientProgressBarFill, FillsTheShareOfTheWidth)
{
    const FillRow& row = GetParam();
    const int inner = 204 - 2 * kFrame;
    EXPECT_NEAR(FilledWidth(RenderBar(row.minimum, row.maximum, row.value)), row.fraction * inner, 1.0);
}

INSTANTIATE_TEST_SUITE_P(, GradientProgressBarFill,
                         testing::Values(FillRow{"Empty", 0, 100, 0, 0.0}, FillRow{"Half", 0, 100, 50, 0.5},
                                         FillRow{"Full", 0, 100, 100, 1.0},
                                         FillRow{"QuarterOfAnOffsetRange", 200, 600, 300, 0.25},
                                         FillRow{"AboveTheRangeIsFull", 0, 10, 99, 1.0},
                                         FillRow{"EmptyRange", 5, 5, 5, 0.0}),
                         testing::PrintToStringParamName());

TEST(GradientProgressBar, ShadesFromNavyToWhiteAcrossTheWholeBar)
{
    const QImage half = RenderBar(0, 100, 50);
    const QImage full = RenderBar(0, 100, 100);
    const int y = full.height() / 2;
    // A point has one colour whatever the value: the value uncovers the shading, it does not squeeze it.
    for (int x : {kFrame, 40, 90})
        EXPECT_EQ(half.pixelColor(x, y), full.pixelColor(x, y)) << "x " << x;
    const QColor left = full.pixelColor(kFrame, y);
    EXPECT_LE(left.red(), 2);
    EXPECT_NEAR(left.blue(), 128, 2);
    const QColor middle = full.pixelColor(full.width() / 2, y);
    EXPECT_NEAR(middle.red(), 128, 3);
    EXPECT_NEAR(middle.blue(), 192, 3);
    const QColor right = full.pixelColor(full.width() - kFrame - 1, y);
    EXPECT_GE(right.red(), 252);
    EXPECT_GE(right.blue(), 252);
}

TEST(GradientProgressBar, ShowsThePercentageOnlyWhenAsked)
{
    GradientProgressBar bar;
    bar.setFont(CrispFont(12));
    bar.resize(200, 20);
    bar.setValue(0);
    const QColor text = bar.palette().color(QPalette::WindowText);
    EXPECT_GT(CountOf(Render(bar), text), 0);
    bar.setShowPercentage(false);
    EXPECT_EQ(CountOf(Render(bar), text), 0);
}

struct ClampRow {
    const char* name;
    int minimum, maximum, value, expected;
    friend void PrintTo(const ClampRow& row, std::ostream* os) { *os << row.name; }
};

class GradientProgressBarClamp : public testing::TestWithParam<ClampRow> {};

TEST_P(GradientProgressBarClamp, KeepsTheValueInRangeAndReportsTheChange)
{
    const ClampRow& row = GetParam();
    GradientProgressBar bar;
    bar.setRange(row.minimum, row.maximum);
    QSignalSpy changed(&bar, &GradientProgressBar::valueChanged);
    const int before = bar.value();
    bar.setValue(row.value);
    EXPECT_EQ(bar.value(), row.expected);
    ASSERT_EQ(changed.count(), row.expected == before ? 0 : 1);
    if (changed.count() == 1) {
        EXPECT_EQ(changed.at(0).at(0).toInt(), row.expected);
    }
    bar.setValue(row.value);
    EXPECT_EQ(changed.count(), row.expected == before ? 0 : 1) << "setting the same value again";
}

INSTANTIATE_TEST_SUITE_P(, GradientProgressBarClamp,
                         testing::Values(ClampRow{"Inside", 0, 100, 42, 42},
                                         ClampRow{"Above", 0, 100, 150, 100},
                                         ClampRow{"Below", 0, 100, -5, 0},
                                         ClampRow{"BelowAnOffsetRange", 10, 20, 3, 10},
                                         ClampRow{"Unchanged", 0, 100, 0, 0}),
                         testing::PrintToStringParamName());

TEST(GradientProgressBar, NarrowingTheRangeClampsTheValue)
{
    GradientProgressBar bar;
    bar.setValue(80);
    QSignalSpy changed(&bar, &GradientProgressBar::valueChanged);
    bar.setRange(0, 50);
    EXPECT_EQ(bar.value(), 50);
    EXPECT_EQ(changed.count(), 1);
    bar.setRange(60, 40);
    EXPECT_EQ(bar.minimum(), 60);
    EXPECT_EQ(bar.maximum(), 60);
    EXPECT_EQ(bar.value(), 60);
}

struct PercentRow {
    const char* name;
    int minimum, maximum, value;
    const char* text;
    friend void PrintTo(const PercentRow& row, std::ostream* os) { *os << row.name; }
};

class GradientProgressBarPercent : public testing::TestWithParam<PercentRow> {};

TEST_P(GradientProgressBarPercent, WritesTheWholePercentDone)
{
    const PercentRow& row = GetParam();
    GradientProgressBar bar;
    bar.setRange(row.minimum, row.maximum);
    bar.setValue(row.value);
    EXPECT_EQ(bar.percentText(), QString::fromUtf8(row.text));
}

INSTANTIATE_TEST_SUITE_P(, GradientProgressBarPercent,
                         testing::Values(PercentRow{"Start", 0, 100, 0, "0%"},
                                         PercentRow{"End", 0, 100, 100, "100%"},
                                         PercentRow{"OffsetRange", 50, 250, 100, "25%"},
                                         PercentRow{"RoundsDown", 0, 3, 2, "66%"},
                                         PercentRow{"NegativeRange", -10, 10, 0, "50%"},
                                         PercentRow{"SmallRangeEnd", 0, 58, 58, "100%"},
                                         PercentRow{"WideRangeNoOverflow", 0, 2000000000, 1999999999, "99%"},
                                         PercentRow{"EmptyRange", 7, 7, 7, "0%"}),
                         testing::PrintToStringParamName());
