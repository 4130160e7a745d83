#include "platform/widgets/FormMagnet.h"
#include "platform/widgets/FormRoller.h"
#include "platform/widgets/FormTopmost.h"
#include "platform/widgets/ShowHideAnimation.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failures for the Qt geometry types (found by argument-dependent lookup).
void PrintTo(const QPoint& point, std::ostream* out)
{
    *out << "(" << point.x() << ", " << point.y() << ")";
}

void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << "(" << rect.x() << ", " << rect.y() << " " << rect.width() << "x" << rect.height() << ")";
}

namespace {

constexpr int WindowWidth = 338;
constexpr int WindowHeight = 417;
constexpr int WaitMs = 5000;

// A fixed-size window like the main one, with a status strip along its bottom.
struct RollWindow {
    RollWindow()
    {
        window.setFixedSize(WindowWidth, WindowHeight);
        auto* body = new QLabel(QStringLiteral("Данные"), &window);
        body->setGeometry(0, 0, WindowWidth, WindowHeight - 20);
        status = new QLabel(QStringLiteral("Готово"), &window);
        status->setGeometry(0, WindowHeight - 20, WindowWidth, 20);
        window.show();
    }
    QWidget window;
    QLabel* status;
};

struct RollRow {
    const char* name;
    int speed;
    int rolledHeight;
    bool keepStatus;
    int expectedHeight;
};

class FormRollerTest : public ::testing::TestWithParam<RollRow> {};

TEST_P(FormRollerTest, TogglesToTheRolledHeightAndBackWithoutChangingWidth)
{
    const RollRow& row = GetParam();
    RollWindow w;
    FormRoller roller(&w.window);
    roller.setAnimateSpeed(row.speed);
    roller.setRolledHeight(row.rolledHeight);
    if (row.keepStatus)
        roller.setKeepVisible(w.status);
    QSignalSpy changes(&roller, &FormRoller::rolledChanged);

    // Every step is watched, not just the end: the width must hold throughout.
    bool widthHeld = true;
    auto settledAt = [&](int height) {
        return QTest::qWaitFor(
            [&] {
                widthHeld = widthHeld && w.window.width() == WindowWidth;
                return !roller.isAnimating() && w.window.height() == height;
            },
            WaitMs);
    };

    EXPECT_EQ(roller.commandHint(), QStringLiteral("Начальник идет?"));
    roller.toggle();
    EXPECT_TRUE(roller.isRolled());
    EXPECT_EQ(roller.commandHint(), QStringLiteral("Ну что, ушел?"));
    if (row.speed == 0) {
        EXPECT_FALSE(roller.isAnimating());
        EXPECT_EQ(w.window.height(), row.expectedHeight);
    } else {
        EXPECT_TRUE(roller.isAnimating());
        EXPECT_EQ(w.window.height(), WindowHeight) << "a timed roll must not jump";
    }
    ASSERT_TRUE(settledAt(row.expectedHeight));
    EXPECT_EQ(w.window.minimumHeight(), row.expectedHeight);
    EXPECT_EQ(w.window.maximumHeight(), row.expectedHeight);
    if (row.keepStatus) {
        EXPECT_EQ(w.status->geometry(), QRect(0, row.rolledHeight, WindowWidth, 20));
        EXPECT_EQ(w.window.childAt(5, row.rolledHeight + 5), w.status) << "the kept strip lies on top";
    }

    roller.toggle();
    EXPECT_FALSE(roller.isRolled());
    ASSERT_TRUE(settledAt(WindowHeight));
    EXPECT_EQ(w.window.minimumSize(), QSize(WindowWidth, WindowHeight));
    EXPECT_EQ(w.window.maximumSize(), QSize(WindowWidth, WindowHeight));
    EXPECT_EQ(w.status->geometry(), QRect(0, WindowHeight - 20, WindowWidth, 20));
    EXPECT_TRUE(widthHeld);
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes[0][0].toBool(), true);
    EXPECT_EQ(changes[1][0].toBool(), false);
}

INSTANTIATE_TEST_SUITE_P(Rows, FormRollerTest,
                         ::testing::Values(RollRow{"InstantToTheBareStrip", 0, 30, false, 30},
                                           RollRow{"InstantKeepingTheStatusBar", 0, 0, true, 20},
                                           RollRow{"TimedKeepingTheStatusBar", 2, 0, true, 20},
                                           RollRow{"TimedWithStripAndStatusBar", 3, 40, true, 60},
                                           RollRow{"RolledHeightAboveTheWindowStaysPut", 0, 1000, false,
                                                   WindowHeight}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormRollerBehaviour, TurningRoundMidWayEndsAtTheOriginalHeight)
{
    RollWindow w;
    FormRoller roller(&w.window);
    roller.setAnimateSpeed(FormRoller::MaxSpeed);
    roller.setKeepVisible(w.status);
    roller.roll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.window.height() < WindowHeight - 100; }, WaitMs));
    ASSERT_TRUE(roller.isAnimating());
    roller.unroll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !roller.isAnimating(); }, WaitMs));
    EXPECT_EQ(w.window.height(), WindowHeight);
    EXPECT_EQ(w.window.minimumHeight(), WindowHeight);
    EXPECT_EQ(w.status->y(), WindowHeight - 20);
    // Rolling again starts from the true full height, not from where it turned.
    roller.setAnimateSpeed(0);
    roller.roll();
    roller.unroll();
    EXPECT_EQ(w.window.height(), WindowHeight);
}

TEST(FormRollerBehaviour, ALaidOutWindowKeepsItsChildrenUnsqueezed)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* top = new QPushButton(QStringLiteral("Верх"), &window);
    auto* bottom = new QPushButton(QStringLiteral("Низ"), &window);
    layout->addWidget(top);
    layout->addWidget(bottom);
    window.setFixedSize(200, 200);
    window.show();
    const QRect bottomPlace = bottom->geometry();

    FormRoller roller(&window);
    roller.setRolledHeight(10);
    roller.roll();
    EXPECT_EQ(window.height(), 10);
    QApplication::processEvents();
    EXPECT_EQ(bottom->geometry(), bottomPlace);

    roller.unroll();
    QApplication::processEvents();
    EXPECT_EQ(window.height(), 200);
    EXPECT_EQ(bottom->geometry(), bottomPlace);
    EXPECT_TRUE(layout->isEnabled());
}

TEST(FormRollerBehaviour, SpeedIsClampedToItsRange)
{
    QWidget window;
    FormRoller roller(&window);
    for (const auto& [given, kept] : {std::pair{-3, 0}, {0, 0}, {7, 7}, {10, 10}, {42, 10}}) {
        roller.setAnimateSpeed(given);
        EXPECT_EQ(roller.animateSpeed(), kept) << given;
    }
}

TEST(FormTopmostTest, AHiddenWindowStaysHidden)
{
    QWidget window;
    FormTopmost topmost(&window);
    QSignalSpy changes(&topmost, &FormTopmost::topmostChanged);
    EXPECT_FALSE(topmost.isTopmost());

    topmost.setTopmost(true);
    EXPECT_TRUE(topmost.isTopmost());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window.isVisible());
    topmost.setTopmost(true);
    ASSERT_EQ(changes.count(), 1) << "setting the same value again is no change";
    EXPECT_TRUE(changes[0][0].toBool());
}

TEST(FormTopmostTest, AVisibleWindowStaysVisibleWhereItWas)
{
    QWidget window;
    window.resize(200, 100);
    window.move(120, 80);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint place = window.pos();
    FormTopmost topmost(&window);
    QSignalSpy changes(&topmost, &FormTopmost::topmostChanged);

    for (const bool on : {true, false}) {
        topmost.setTopmost(on);
        EXPECT_EQ(topmost.isTopmost(), on);
        EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
        EXPECT_TRUE(window.isVisible()) << on;
        EXPECT_EQ(window.pos(), place) << on;
    }
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes[1][0].toBool(), false);
}

struct SnapRow {
    const char* name;
    QRect window;
    QList<QRect> others;
    int distance;
    bool glue;
    QPoint expected;
};

TEST(FormMagnetTest, SnapPositionTable)
{
    const QRect screen(0, 30, 1000, 770); // a panel along the top
    const QRect other(400, 300, 200, 100);
    const SnapRow rows[] = {
        {"far from every edge stays", QRect(200, 200, 100, 80), {}, 10, false, {200, 200}},
        {"left edge pulled to the screen", QRect(7, 200, 100, 80), {}, 10, false, {0, 200}},
        {"outside the left edge pulled back", QRect(-9, 200, 100, 80), {}, 10, false, {0, 200}},
        {"top edge pulled below the panel", QRect(200, 38, 100, 80), {}, 10, false, {200, 30}},
        {"right edge pulled to the screen", QRect(895, 200, 100, 80), {}, 10, false, {900, 200}},
        {"bottom edge pulled to the screen", QRect(200, 725, 100, 80), {}, 10, false, {200, 720}},
        {"corner snaps on both axes", QRect(4, 722, 100, 80), {}, 10, false, {0, 720}},
        {"exactly at the distance snaps", QRect(10, 200, 100, 80), {}, 10, false, {0, 200}},
        {"one past the distance stays", QRect(11, 200, 100, 80), {}, 10, false, {11, 200}},
        {"nearest of two edges wins", QRect(4, 200, 990, 80), {}, 10, false, {0, 200}},
        {"distance 0 leaves a near window", QRect(3, 200, 100, 80), {}, 0, false, {3, 200}},
        {"negative distance counts as 0", QRect(3, 200, 100, 80), {}, -5, false, {3, 200}},
        {"without glue other windows do not pull", QRect(606, 340, 100, 80), {other}, 10, false, {606, 340}},
        {"glue: left edge to the other's right", QRect(606, 340, 100, 80), {other}, 10, true, {600, 340}},
        {"glue: right edge to the other's left", QRect(292, 345, 100, 80), {other}, 10, true, {300, 345}},
        {"glue: below it, lined up on the left", QRect(405, 407, 100, 80), {other}, 10, true, {400, 400}},
        {"glue: above it, lined up on the right", QRect(497, 215, 100, 80), {other}, 10, true, {500, 220}},
        {"glue: not beside it vertically", QRect(606, 500, 100, 80), {other}, 10, true, {606, 500}},
        {"glue: side by side, tops lined up", QRect(606, 307, 100, 80), {other}, 10, true, {600, 300}},
        {"glue: the nearer of two windows",
         QRect(606, 340, 100, 80),
         {other, QRect(709, 300, 50, 200)},
         10,
         true,
         {609, 340}},
    };
    for (const SnapRow& row : rows)
        EXPECT_EQ(FormMagnet::SnapPosition(row.window, screen, row.others, row.distance, row.glue),
                  row.expected)
            << row.name;
}

// A window with one of each kind of control, placed well away from the screen's edges.
class MagnetWindow {
public:
    MagnetWindow() : magnet(&window)
    {
        window.setFixedSize(300, 240);
        auto place = [&](QWidget* child, const char* name, QRect geometry) {
            child->setObjectName(QLatin1String(name));
            child->setGeometry(geometry);
        };
        place(new QLabel(QStringLiteral("Имя"), &window), "label", {10, 10, 80, 20});
        auto* box = new QGroupBox(QStringLiteral("Данные"), &window);
        place(box, "groupBox", {10, 40, 280, 120});
        place(new QPushButton(QStringLiteral("Рассчитать"), box), "button", {10, 25, 100, 28});
        place(new QLineEdit(box), "edit", {120, 25, 100, 24});
        place(new QSlider(Qt::Horizontal, box), "slider", {10, 60, 120, 24});
        auto* combo = new QComboBox(box);
        combo->addItems({QStringLiteral("Январь"), QStringLiteral("Февраль")});
        place(combo, "combo", {140, 60, 120, 24});
        place(new QCheckBox(QStringLiteral("Женский"), box), "checkBox", {10, 90, 120, 22});
        window.move(250, 200);
        window.show();
        magnet.setFormDragable(true);
    }

    QWidget* child(const QString& name)
    {
        return name.isEmpty() ? &window : window.findChild<QWidget*>(name);
    }

    QWidget window;
    FormMagnet magnet;
};

// Presses at `local` on `on`, moves the mouse by `delta` in a few steps and lets go, as the
// platform would deliver it: every move and the release go to the widget pressed.
void Drag(QWidget* on, QPoint local, QPoint delta)
{
    const QPoint start = on->mapToGlobal(local);
    QTest::mousePress(on, Qt::LeftButton, {}, local);
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(on, on->mapFromGlobal(start + delta * step / 4));
    QTest::mouseRelease(on, Qt::LeftButton, {}, on->mapFromGlobal(start + delta));
}

TEST(FormMagnetTest, DragsByTheBodyButLeavesControlsTheirPresses)
{
    struct Row {
        const char* child;
        QPoint at;
        bool moves;
    };
    const Row rows[] = {
        {"", {150, 225}, true},         // the window's own background
        {"label", {10, 10}, true},      // a label without links ignores the mouse
        {"groupBox", {270, 110}, true}, // the group box's empty background
        {"button", {20, 14}, false},    {"edit", {20, 12}, false},    {"slider", {60, 12}, false},
        {"combo", {30, 12}, false},     {"checkBox", {8, 11}, false},
    };
    for (const Row& row : rows) {
        MagnetWindow w;
        QWidget* target = w.child(QLatin1String(row.child));
        ASSERT_NE(target, nullptr) << row.child;
        const QPoint before = w.window.pos();
        Drag(target, row.at, {60, 40});
        EXPECT_EQ(w.window.pos(), row.moves ? before + QPoint(60, 40) : before) << row.child;
        EXPECT_FALSE(w.magnet.isDragging()) << row.child;
        if (auto* combo = qobject_cast<QComboBox*>(target))
            combo->hidePopup();
    }
}

TEST(FormMagnetTest, ALockedWindowDoesNotMove)
{
    MagnetWindow w;
    w.magnet.setFormDragable(false);
    const QPoint before = w.window.pos();
    Drag(w.child("label"), {10, 10}, {60, 40});
    EXPECT_EQ(w.window.pos(), before);
}

TEST(FormMagnetTest, ADraggedWindowSnapsToTheScreenOnlyWhileActive)
{
    for (const bool active : {true, false}) {
        MagnetWindow w;
        w.magnet.setActive(active);
        const QRect screen = w.window.screen()->availableGeometry();
        // Bring the left edge to 6 px inside the screen's left edge.
        const int dx = screen.left() + 6 - w.window.frameGeometry().left();
        Drag(w.child("label"), {10, 10}, {dx, 0});
        EXPECT_EQ(w.window.frameGeometry().left(), active ? screen.left() : screen.left() + 6) << active;
    }
}

TEST(FormMagnetTest, GlueSnapsToTheProgramsOtherWindows)
{
    for (const bool glue : {true, false}) {
        QWidget neighbour;
        neighbour.setFixedSize(150, 150);
        neighbour.move(50, 200);
        neighbour.show();
        MagnetWindow w;
        w.magnet.setGlue(glue);
        // Bring the left edge to 5 px right of the neighbour's right edge.
        const int neighbourRight = neighbour.frameGeometry().x() + neighbour.frameGeometry().width();
        const int dx = neighbourRight + 5 - w.window.frameGeometry().left();
        Drag(w.child("label"), {10, 10}, {dx, 0});
        EXPECT_EQ(w.window.frameGeometry().left(), glue ? neighbourRight : neighbourRight + 5) << glue;
    }
}

using Effect = ShowHideAnimation::Effect;

// A 338 x 417 window with some controls in it.
class AnimatedWindow {
public:
    AnimatedWindow() : animation(&window)
    {
        window.setFixedSize(WindowWidth, WindowHeight);
        auto* box = new QGroupBox(QStringLiteral("Данные"), &window);
        box->setGeometry(10, 10, 318, 150);
        auto* edit = new QLineEdit(QStringLiteral("Аня"), box);
        edit->setGeometry(10, 30, 200, 24);
        // A blinking caret would make two pictures of the same window differ.
        edit->setFocusPolicy(Qt::NoFocus);
        (new QCheckBox(QStringLiteral("Женский"), box))->setGeometry(10, 70, 200, 22);
        (new QPushButton(QStringLiteral("Рассчитать"), &window))->setGeometry(20, 200, 140, 32);
        auto* picture = new QLabel(&window);
        picture->setGeometry(10, 260, 318, 140);
        picture->setStyleSheet(QStringLiteral("background: #2050a0"));
    }

    QWidget* overlay() const
    {
        return window.findChild<QWidget*>(QStringLiteral("ShowHideAnimationOverlay"));
    }
    QImage picture() { return window.grab().toImage(); }

    QWidget window;
    ShowHideAnimation animation;
};

TEST(ShowHideAnimationTest, WithoutAnimateOnShowNothingRuns)
{
    AnimatedWindow w;
    w.window.show();
    EXPECT_FALSE(w.animation.isRunning());
    EXPECT_EQ(w.overlay(), nullptr);
}

TEST(ShowHideAnimationTest, AnimateOnShowCoversTheWindowUntilFinished)
{
    AnimatedWindow w;
    w.animation.setAnimateOnShow(true);
    QSignalSpy finished(&w.animation, &ShowHideAnimation::finished);
    w.window.show();

    ASSERT_TRUE(w.animation.isRunning());
    QWidget* overlay = w.overlay();
    ASSERT_NE(overlay, nullptr);
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->geometry(), w.window.rect());
    for (const QPoint at : {QPoint(1, 1), QPoint(100, 210), QPoint(WindowWidth - 2, WindowHeight - 2)})
        EXPECT_EQ(w.window.childAt(at), overlay) << at.x() << "," << at.y();

    ASSERT_TRUE(finished.wait(WaitMs));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(w.animation.isRunning());
    EXPECT_EQ(w.overlay(), nullptr);

    // Coming back from minimized is not a fresh appearance.
    QShowEvent restored;
    QSpontaneKeyEvent::setSpontaneous(&restored);
    qApp->notify(&w.window, &restored);
    EXPECT_FALSE(w.animation.isRunning());
}

class ShowHideEffectTest : public ::testing::TestWithParam<Effect> {};

TEST_P(ShowHideEffectTest, FramesAssembleTheWindowsPicture)
{
    AnimatedWindow w;
    w.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    const QImage final = w.picture();
    QImage blank(final.size(), final.format());
    blank.fill(w.window.palette().color(QPalette::Window));

    w.animation.setEffect(GetParam());
    w.animation.setDelay(20);
    w.animation.playShow();
    EXPECT_EQ(w.animation.playedEffect(), GetParam());

    QList<QImage> frames;
    for (const double reached : {0.2, 0.6}) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.animation.progress() >= reached; }, WaitMs));
        ASSERT_TRUE(w.animation.isRunning());
        frames.append(w.picture());
        EXPECT_NE(frames.last(), final) << "at " << reached;
        EXPECT_NE(frames.last(), blank) << "at " << reached;
    }
    EXPECT_NE(frames[0], frames[1]) << "the picture must move between frames";

    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.animation.isRunning(); }, WaitMs));
    EXPECT_EQ(w.picture(), final);
}

INSTANTIATE_TEST_SUITE_P(Effects, ShowHideEffectTest,
                         ::testing::Values(Effect::Spin, Effect::Vortex, Effect::ScatterGather, Effect::Spike,
                                           Effect::Fireworks),
                         [](const auto& info) {
                             return std::string(QMetaEnum::fromType<Effect>().valueToKey(int(info.param)));
                         });

TEST(ShowHideAnimationTest, HideCallsDoneExactlyOnce)
{
    AnimatedWindow w;
    w.window.show();
    int calls = 0;
    auto done = [&] {
        ++calls;
        w.window.hide();
    };

    w.animation.playHide(done);
    EXPECT_EQ(calls, 1) << "without the hide animation done comes at once";
    EXPECT_FALSE(w.animation.isRunning());

    w.animation.setAnimateOnHide(true);
    w.animation.playHide(done);
    EXPECT_EQ(calls, 2) << "a hidden window has nothing to animate";

    calls = 0;
    w.window.show();
    QSignalSpy finished(&w.animation, &ShowHideAnimation::finished);
    w.animation.playHide(done);
    EXPECT_TRUE(w.animation.isRunning());
    EXPECT_NE(w.overlay(), nullptr);
    EXPECT_EQ(calls, 0);
    ASSERT_TRUE(finished.wait(WaitMs));
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_EQ(w.overlay(), nullptr);
    QTest::qWait(5 * w.animation.frameInterval());
    EXPECT_EQ(calls, 1);

    // A hide cut short by a show still lets the window go, once.
    calls = 0;
    w.window.show();
    w.animation.playHide(done);
    w.animation.playShow();
    EXPECT_EQ(calls, 1);
    QTest::qWait(ShowHideAnimation::FrameCount * w.animation.frameInterval() + 100);
    EXPECT_EQ(calls, 1);
}

TEST(ShowHideAnimationTest, RandomResolvesToOneOfTheFiveEachTime)
{
    AnimatedWindow w;
    w.window.show();
    w.animation.setEffect(Effect::Random);
    QSet<Effect> seen;
    for (int play = 0; play < 40; ++play) {
        w.animation.playShow(); // each play ends the one before
        const Effect played = w.animation.playedEffect();
        ASSERT_GE(int(played), int(Effect::Spin));
        ASSERT_LE(int(played), int(Effect::Fireworks));
        seen.insert(played);
    }
    // Forty draws all alike would happen by chance about once in 10^27 runs.
    EXPECT_GT(seen.size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.animation.isRunning(); }, WaitMs));
}

TEST(ShowHideAnimationTest, DelayIsClampedAndLengthensThePlay)
{
    AnimatedWindow w;
    for (const auto& [given, kept] : {std::pair{-5, 0}, {0, 0}, {250, 250}, {65535, 65535}, {70000, 65535}}) {
        w.animation.setDelay(given);
        EXPECT_EQ(w.animation.delay(), kept) << given;
    }

    w.window.show();
    QSignalSpy finished(&w.animation, &ShowHideAnimation::finished);
    w.animation.setDelay(40);
    QElapsedTimer clock;
    clock.start();
    w.animation.playShow();
    ASSERT_TRUE(finished.wait(WaitMs));
    // Timers never fire early, so this bound holds however busy the machine is.
    EXPECT_GE(clock.elapsed(), ShowHideAnimation::FrameCount * (ShowHideAnimation::BaseFrameMs + 40) - 20);
}

} // namespace
