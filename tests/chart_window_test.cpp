// The biorhythm chart window: what it shows, on the rendered image, and how its date moves.
#include "chart/aboutbio.h"

#include "app/main.h"
#include "platform/widgets/DatePanel.h"
#include "platform/widgets/FlatButton.h"
#include "platform/widgets/Hints.h"
#include "support/QtTestSupport.h"

#include <QElapsedTimer>
#include <QImage>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using namespace std::chrono;

constexpr int w2 = kChartWidth / 2;
constexpr int h2 = kChartHeight / 2;

// The row of a marker, worked out here from the rhythm itself.
int MarkerRow(std::int32_t D, int period)
{
    const long double pi = 3.141592653589793238462643383279502884L;
    return static_cast<int>(std::trunc((1 - std::sin(D * (2 * pi) / period)) * h2));
}

class ChartWindowTest : public ::testing::Test {
protected:
    ChartWindowTest()
    {
        CurrentProfile = ProfileRecord{};
        CurrentProfile.Year = 1990;
        CurrentProfile.Month = 5;
        CurrentProfile.Day = 10;
        CurrentCalcState = CalcState{};
        chart = std::make_unique<TBio>();
        chart->show();
        // Becoming active sets the date to today; let that happen before a test sets its own.
        activated = QTest::qWaitForWindowActive(chart.get());
        face = chart->palette().color(QPalette::Button).rgb();
    }
    ~ChartWindowTest() override
    {
        chart.reset();
        CurrentProfile = ProfileRecord{};
    }

    void Choose(year_month_day date) { chart->abfDatePanel1->setDate(date); }
    year_month_day Chosen() const { return chart->abfDatePanel1->date(); }

    // The window as the screen shows it, and a pixel of the chart within it.
    void Shoot() { shot = chart->grab().toImage(); }
    QRgb Chart(int x, int y) const
    {
        const QPoint origin = chart->PaintBox1->mapTo(chart.get(), QPoint(0, 0));
        return shot.pixel(origin.x() + x, origin.y() + y) | 0xFF000000;
    }

    WindowTestEnvironment env{At(2026, 12, 11, 9, 30, 0)};
    std::unique_ptr<TBio> chart;
    QImage shot;
    QRgb face = 0;
    bool activated = false;
};

TEST_F(ChartWindowTest, TheAxisRunsAcrossTheWholeImage)
{
    Choose(1990y / 5 / 10);
    Shoot();
    int black = 0;
    for (int x = 0; x < kChartWidth; ++x) {
        EXPECT_NE(Chart(x, h2), face) << "column " << x;
        black += Chart(x, h2) == kChartBlack;
    }
    EXPECT_GT(black, kChartWidth * 3 / 4);
    EXPECT_EQ(Chart(100, h2 - 5), face) << "one row only";
}

TEST_F(ChartWindowTest, TheChosenDayIsADashedLineThroughTheCentreColumn)
{
    // On the birthday all curves and markers cross the centre column near the axis, so the
    // dashes are clear elsewhere: six rows drawn, six left, from the top down.
    Choose(1990y / 5 / 10);
    Shoot();
    for (int y = 0; y < kChartHeight; ++y) {
        if (y >= h2 - 3 && y <= h2 + 3)
            continue;
        const bool dash = (y / 6) % 2 == 0;
        EXPECT_EQ(Chart(w2, y), dash ? kChartBlack : face) << "row " << y;
    }
    EXPECT_EQ(Chart(w2 - 1, 3), face);
    EXPECT_EQ(Chart(w2 + 1, 3), face);
}

TEST_F(ChartWindowTest, MarkersStandOnTheCentreColumnAtTheirRhythmsValues)
{
    const auto birth = sys_days(1990y / 5 / 10);
    const std::int32_t D = 10000;
    Choose(year_month_day(birth + days(D)));
    Shoot();
    struct Row {
        const char* rhythm;
        int period;
        Rgb colour;
    };
    for (const Row& row : {Row{"intellectual", 33, kChartRed}, Row{"emotional", 28, kChartBlue},
                           Row{"physical", 23, kChartGreen}}) {
        const int y = MarkerRow(D, row.period);
        EXPECT_EQ(Chart(w2, y), row.colour) << row.rhythm << " at row " << y;
        EXPECT_EQ(Chart(w2 - 5, y), face) << row.rhythm << ": a small dot, not a band";
    }
}

TEST_F(ChartWindowTest, WhereMarkersOverlapTheGreenOneIsOnTop)
{
    Choose(1990y / 5 / 10); // every rhythm is at zero on the birthday
    Shoot();
    EXPECT_EQ(Chart(w2, h2), kChartGreen);
    EXPECT_EQ(Chart(w2 + 1, h2 - 1), kChartGreen);
}

TEST_F(ChartWindowTest, TheLegendHasASolidSquareInEachCurvesColour)
{
    Shoot();
    struct Row {
        int left, top;
        Rgb colour;
    };
    for (const Row& row : {Row{80, 210, kChartRed}, Row{80, 230, kChartGreen}, Row{280, 210, kChartBlue},
                           Row{280, 230, kChartBlack}}) {
        for (int y = row.top; y < row.top + 10; ++y)
            for (int x = row.left; x < row.left + 10; ++x)
                ASSERT_EQ(shot.pixel(x, y) | 0xFF000000, row.colour) << x << "," << y;
        EXPECT_NE(shot.pixel(row.left + 10, row.top) | 0xFF000000, row.colour);
        EXPECT_NE(shot.pixel(row.left, row.top + 10) | 0xFF000000, row.colour);
    }
}

TEST_F(ChartWindowTest, BecomingActiveShowsTodayAndWritesTheDayCount)
{
    Choose(2001y / 1 / 1);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(chart.get(), &activate);
    EXPECT_EQ(Chosen(), 2026y / 12 / 11);
    EXPECT_EQ(CurrentCalcState.DaysLived, (sys_days(2026y / 12 / 11) - sys_days(1990y / 5 / 10)).count());
}

TEST_F(ChartWindowTest, TheBirthYearIsTheEarliestYear)
{
    struct Row {
        const char* what;
        year_month_day from;
        std::function<void(TBio&)> act;
        year_month_day expected;
        std::int32_t daysLived;
    };
    const Row rows[] = {
        {"a step back from 1 January stays in the birth year", 1990y / 1 / 1,
         [](TBio& c) {
             QTest::mousePress(c.SpeedButton2, Qt::LeftButton);
             QTest::mouseRelease(c.SpeedButton2, Qt::LeftButton);
         },
         1990y / 12 / 31, 235},
        {"a year typed before the birth year snaps to it", 2000y / 3 / 15,
         [](TBio& c) {
             QSpinBox* year = c.abfDatePanel1->yearBox();
             year->setFocus();
             QTest::keyClick(year, Qt::Key_A, Qt::ControlModifier);
             QTest::keyClicks(year, "1985");
             QTest::keyClick(year, Qt::Key_Return);
         },
         1990y / 3 / 15, -56},
        {"a date before the birthday counts back", 1990y / 6 / 1,
         [](TBio& c) { c.abfDatePanel1->setDate(1990y / 3 / 15); }, 1990y / 3 / 15, -56},
        {"29 February moved into a common birth year", 1992y / 2 / 29,
         [](TBio& c) { c.abfDatePanel1->setYear(1989); }, 1990y / 2 / 28, -71},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Choose(row.from);
        row.act(*chart);
        EXPECT_EQ(Chosen(), row.expected);
        EXPECT_EQ(CurrentCalcState.DaysLived, row.daysLived);
    }
}

TEST_F(ChartWindowTest, HoldingTheForwardButtonStepsAtOnceAndEveryTwoHundredMilliseconds)
{
    ASSERT_TRUE(activated);
    Choose(2020y / 2 / 27);
    QElapsedTimer held;
    QTest::mousePress(chart->SpeedButton1, Qt::LeftButton);
    held.start();
    EXPECT_EQ(Chosen(), 2020y / 2 / 28) << "the first step comes with the press";
    QTest::qWait(500);
    QTest::mouseRelease(chart->SpeedButton1, Qt::LeftButton);
    const qint64 ms = held.elapsed();
    ASSERT_LT(ms, 600) << "the machine was too busy to hold the button for half a second";
    EXPECT_EQ(Chosen(), 2020y / 3 / 1) << "three steps in " << ms << " ms";
    QTest::qWait(450);
    EXPECT_EQ(Chosen(), 2020y / 3 / 1) << "the steps stop with the release";
}

TEST_F(ChartWindowTest, EitherMouseButtonSteps)
{
    Choose(2020y / 3 / 1);
    QTest::mousePress(chart->SpeedButton2, Qt::RightButton);
    QTest::mouseRelease(chart->SpeedButton2, Qt::RightButton);
    EXPECT_EQ(Chosen(), 2020y / 2 / 29);
    QTest::mousePress(chart->SpeedButton1, Qt::MiddleButton);
    QTest::mouseRelease(chart->SpeedButton1, Qt::MiddleButton);
    EXPECT_EQ(Chosen(), 2020y / 3 / 1);
    EXPECT_FALSE(chart->BioTimerInc->isActive());
    EXPECT_FALSE(chart->BioTimerDec->isActive());
}

TEST_F(ChartWindowTest, PrintOnlyBeepsAndSaysItIsComingSoon)
{
    QTest::mouseClick(chart->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(env.log, (EventLog{"beep", "message:Coming Soon..."}));
}

TEST_F(ChartWindowTest, HintsStayUpLongWhileAChartExistsAndShortAfterOneClosed)
{
    HintService& hints = HintService::Instance();
    EXPECT_EQ(hints.hintHidePause(), 30000);
    chart->close();
    EXPECT_EQ(hints.hintHidePause(), 3000);
    EXPECT_TRUE(chart->BioBitmap.isNull());
    TBio another;
    EXPECT_EQ(hints.hintHidePause(), 30000);
}

TEST_F(ChartWindowTest, ARepaintIsFarQuickerThanAStep)
{
    Choose(2026y / 12 / 11);
    std::vector<double> ms;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        chart->FormPaint();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("one repaint of the chart (draw, legend, copy to the screen): median %.3f ms, slowest %.3f ms\n",
                median, ms.back());
    EXPECT_LT(median, 50.0) << "a step comes every 200 ms";
}

} // namespace
