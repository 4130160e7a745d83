// Hints: the application's hint service and the balloon hints of a window.
#include "platform/widgets/Hints.h"

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

const QString kLongHint =
    QStringLiteral("Введите дату рождения полностью: день, месяц и год, как в паспорте. "
                   "Подсказка длинная, чтобы перенестись на несколько строк.");

constexpr int kWaitMs = 3000;

bool WaitForToolTipGone()
{
    QToolTip::hideText();
    return QTest::qWaitFor([] { return !QToolTip::isVisible(); }, kWaitMs);
}

// A shown window with one hinted control and one unhinted control inside a hinted panel.
class HintsTest : public testing::Test {
protected:
    void SetUp() override
    {
        service.setHintPause(500);
        service.setHintHidePause(2500);
        ASSERT_TRUE(WaitForToolTipGone());

        window.resize(400, 300);
        hinted->setGeometry(20, 20, 120, 40);
        HintService::setHint(hinted, kLongHint);
        panel->setGeometry(20, 100, 200, 100);
        HintService::setHint(panel, QStringLiteral("Панель"));
        plain->setGeometry(10, 10, 80, 30);
        // Each test starts with the mouse off the window, as a window shown under it is entered at once.
        QCursor::setPos(QPoint(790, 790));
        window.move(0, 0);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void TearDown() override { EXPECT_TRUE(WaitForToolTipGone()); }

    // What Qt sends when the mouse has rested on `widget` at `pos`.
    static void AskForHint(QWidget* widget, QPoint pos = QPoint(5, 5))
    {
        QHelpEvent help(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
        QApplication::sendEvent(widget, &help);
    }

    HintService& service = HintService::Instance();
    QWidget window;
    QWidget* hinted = new QWidget(&window);
    QWidget* panel = new QWidget(&window);
    QWidget* plain = new QWidget(panel);
};

} // namespace

TEST_F(HintsTest, SetHintFillsBothTheToolTipAndTheStatusTip)
{
    EXPECT_EQ(hinted->toolTip(), kLongHint);
    EXPECT_EQ(hinted->statusTip(), kLongHint);
}

TEST_F(HintsTest, WithoutBalloonsTheStandardToolTipShowsTheHint)
{
    AskForHint(hinted);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), kLongHint);
}

TEST_F(HintsTest, AControlWithoutAHintShowsItsParentsHint)
{
    AskForHint(plain);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Панель"));
}

TEST_F(HintsTest, AStandardHintStaysUpForTheHidePause)
{
    service.setHintHidePause(50);
    AskForHint(hinted);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, kWaitMs));
}

TEST_F(HintsTest, InactiveBalloonsLeaveTheStandardToolTip)
{
    BalloonHints balloons(&window);
    balloons.setHintActive(false);
    AskForHint(hinted);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(balloons.currentBalloon(), nullptr);
}

TEST_F(HintsTest, ActiveBalloonsShowTheHintInABalloonInsteadOfAToolTip)
{
    auto* balloons = new BalloonHints(&window);
    balloons->setHintActive(true);
    const QPoint mouse = hinted->mapToGlobal(QPoint(30, 10));
    AskForHint(hinted, QPoint(30, 10));

    QWidget* balloon = balloons->currentBalloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_TRUE(balloon->isVisible());
    EXPECT_FALSE(QToolTip::isVisible());
    EXPECT_EQ(balloons->currentText(), kLongHint);
    EXPECT_EQ(balloon->width(), 250);
    // The long hint wraps: the balloon is taller than one line plus its pointer.
    EXPECT_GT(balloon->height(), 2 * QFontMetrics(balloons->font()).height());
    // Its shape is cut out: rounded corners and a pointer whose tip is just by the mouse point.
    const QRegion shape = balloon->mask();
    EXPECT_FALSE(shape.contains(QPoint(0, balloon->height() - 1)));
    EXPECT_FALSE(shape.contains(QPoint(balloon->width() - 1, balloon->height() - 1)));
    EXPECT_TRUE(shape.contains(QPoint(balloon->width() / 2, balloon->height() / 2)));
    const QPoint tip = balloon->mapFromGlobal(mouse);
    EXPECT_TRUE(shape.intersects(QRect(tip - QPoint(6, 6), QSize(13, 13))));
}

TEST_F(HintsTest, BalloonsShowTheParentsHintForAControlWithoutOne)
{
    BalloonHints balloons(&window);
    AskForHint(plain);
    ASSERT_NE(balloons.currentBalloon(), nullptr);
    EXPECT_EQ(balloons.currentText(), QStringLiteral("Панель"));
}

TEST_F(HintsTest, BalloonsDefaultToTheProgramsLook)
{
    BalloonHints balloons(&window);
    EXPECT_TRUE(balloons.hintActive());
    EXPECT_EQ(balloons.cornerRadius(), 18);
    EXPECT_EQ(balloons.balloonWidth(), 250);
    EXPECT_EQ(balloons.hintPauseTime(), 3000);
    EXPECT_TRUE(balloons.font().italic());
    EXPECT_EQ(balloons.font().family(), QStringLiteral("Arial"));
}

struct PlacementRow {
    const char* name;
    Qt::Corner corner;
    int inset;
    friend void PrintTo(const PlacementRow& row, std::ostream* os) { *os << row.name; }
};

class BalloonPlacement : public HintsTest, public testing::WithParamInterface<PlacementRow> {};

// Wherever the mouse is, the balloon stays on the screen and its pointer ends by the mouse point.
TEST_P(BalloonPlacement, StaysOnScreenPointingAtTheMouse)
{
    const PlacementRow& row = GetParam();
    BalloonHints balloons(&window);
    const QRect screen = window.screen()->availableGeometry();
    const QRect inner = screen.adjusted(row.inset, row.inset, -row.inset, -row.inset);
    const QPoint mouse = row.corner == Qt::TopLeftCorner      ? inner.topLeft()
                         : row.corner == Qt::TopRightCorner   ? inner.topRight()
                         : row.corner == Qt::BottomLeftCorner ? inner.bottomLeft()
                                                              : inner.bottomRight();
    QHelpEvent help(QEvent::ToolTip, hinted->mapFromGlobal(mouse), mouse);
    QApplication::sendEvent(hinted, &help);

    QWidget* balloon = balloons.currentBalloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_TRUE(screen.contains(balloon->geometry()));
    const QPoint tip = balloon->mapFromGlobal(mouse);
    EXPECT_TRUE(balloon->mask().intersects(QRect(tip - QPoint(6, 6), QSize(13, 13))));
    // The pointer sticks out of the body, so the mask reaches the mouse's row but not the far corner there.
    EXPECT_FALSE(balloon->mask().contains(QPoint(tip.x() < balloon->width() / 2 ? balloon->width() - 1 : 0,
                                                 qBound(0, tip.y(), balloon->height() - 1))));
}

INSTANTIATE_TEST_SUITE_P(, BalloonPlacement,
                         testing::Values(PlacementRow{"TopLeft", Qt::TopLeftCorner, 40},
                                         PlacementRow{"TopRight", Qt::TopRightCorner, 40},
                                         PlacementRow{"BottomLeft", Qt::BottomLeftCorner, 40},
                                         PlacementRow{"BottomRight", Qt::BottomRightCorner, 40},
                                         PlacementRow{"TightInTheBottomRightCorner", Qt::BottomRightCorner,
                                                      2},
                                         PlacementRow{"TightInTheTopLeftCorner", Qt::TopLeftCorner, 2}),
                         testing::PrintToStringParamName());

struct DismissRow {
    const char* name;
    int showTime;
    std::function<void(QWidget& window)> act;
    friend void PrintTo(const DismissRow& row, std::ostream* os) { *os << row.name; }
};

class BalloonDismissal : public HintsTest, public testing::WithParamInterface<DismissRow> {};

TEST_P(BalloonDismissal, TheBalloonGoes)
{
    // Qt's own hint timer stays out of the way, so only the balloon decides when it goes.
    service.setHintPause(60000);
    BalloonHints balloons(&window);
    balloons.setHintPauseTime(GetParam().showTime);
    QTest::mouseMove(hinted, QPoint(10, 10));
    AskForHint(hinted, QPoint(10, 10));
    ASSERT_NE(balloons.currentBalloon(), nullptr);

    GetParam().act(window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return balloons.currentBalloon() == nullptr; }, kWaitMs));
}

INSTANTIATE_TEST_SUITE_P(
    , BalloonDismissal,
    // Rows other than the time's own keep the balloon up far longer than the test waits.
    testing::Values(DismissRow{"WhenItsTimeRunsOut", 200, [](QWidget&) {}},
                    DismissRow{"OnAMousePress", 60000,
                               [](QWidget& window) {
                                   QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(300, 250));
                               }},
                    DismissRow{"WhenTheMouseLeavesTheControl", 60000,
                               [](QWidget& window) { QTest::mouseMove(&window, QPoint(300, 250)); }},
                    DismissRow{"WhenTurnedOff", 60000,
                               [](QWidget& window) { BalloonHints::of(&window)->setHintActive(false); }}),
    testing::PrintToStringParamName());

TEST_F(HintsTest, ABalloonStaysWhileTheMouseMovesOnTheControlAndItsTimeLasts)
{
    service.setHintPause(60000);
    BalloonHints balloons(&window);
    QTest::mouseMove(hinted, QPoint(10, 10));
    AskForHint(hinted, QPoint(10, 10));
    QTest::mouseMove(hinted, QPoint(60, 30));
    QTest::qWait(300);
    EXPECT_NE(balloons.currentBalloon(), nullptr);
}

TEST_F(HintsTest, TheStyleReportsTheHintPauseAsTheToolTipDelay)
{
    for (int pause : {100, 1234}) {
        service.setHintPause(pause);
        EXPECT_EQ(service.hintPause(), pause);
        EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), pause);
        EXPECT_EQ(hinted->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, hinted), pause);
    }
}

TEST_F(HintsTest, TheStyleKeepsTheOtherAnswersOfTheStyleItWraps)
{
    auto* proxy = qobject_cast<QProxyStyle*>(QApplication::style());
    ASSERT_NE(proxy, nullptr);
    QStyle* base = proxy->baseStyle();
    EXPECT_EQ(proxy->styleHint(QStyle::SH_ToolTip_FallAsleepDelay),
              base->styleHint(QStyle::SH_ToolTip_FallAsleepDelay));
    EXPECT_EQ(proxy->pixelMetric(QStyle::PM_ButtonMargin), base->pixelMetric(QStyle::PM_ButtonMargin));
}

TEST_F(HintsTest, AReplacedApplicationStyleLearnsTheHintPauseToo)
{
    service.setHintPause(100);
    auto pauseApplies = [] {
        return QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay) == 100;
    };
    for (const char* style : {"Windows", "Fusion"}) {
        ASSERT_NE(QApplication::setStyle(QString::fromLatin1(style)), nullptr);
        EXPECT_TRUE(QTest::qWaitFor(pauseApplies, kWaitMs)) << style;
    }
}

// The real path: Qt's own wake-up timer, started by the mouse resting on the control, waits for the
// hint pause. Qt's default wait (700 ms) would show the first hint; the second shows at once.
TEST_F(HintsTest, TheMouseRestingOnAControlShowsItsHintAfterTheHintPause)
{
    // A click ends Qt's grace period in which a recent hint makes the next one appear at once.
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(300, 250));
    service.setHintPause(60000);
    QTest::mouseMove(hinted, QPoint(10, 10));
    QTest::qWait(1200);
    EXPECT_FALSE(QToolTip::isVisible());

    service.setHintPause(0);
    QTest::mouseMove(hinted, QPoint(12, 12));
    ASSERT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, kWaitMs));
    EXPECT_EQ(QToolTip::text(), kLongHint);
}
