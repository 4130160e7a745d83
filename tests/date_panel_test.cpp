// The date panel: one change signal after every change, and a day that always fits its month.
#include "platform/widgets/DatePanel.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace {

using namespace std::chrono;

TEST(DatePanelTest, EveryChangeIsReportedOnceAndTheDayFitsTheMonth)
{
    struct Row {
        const char* what;
        year_month_day from;
        std::function<void(DatePanel&)> change;
        year_month_day expected;
    };
    const Row rows[] = {
        {"a date set by the program", 2004y / 6 / 27, [](DatePanel& p) { p.setDate(1977y / 7 / 23); },
         1977y / 7 / 23},
        {"the same date set again", 2004y / 6 / 27, [](DatePanel& p) { p.setDate(2004y / 6 / 27); },
         2004y / 6 / 27},
        {"a day past the month's end set by the program", 2004y / 6 / 27,
         [](DatePanel& p) { p.setDate(2023y / 2 / 31); }, 2023y / 2 / 28},
        {"a year set by the program keeps day and month", 2004y / 6 / 27, [](DatePanel& p) { p.setYear(1990); },
         1990y / 6 / 27},
        {"29 February set into a common year", 2024y / 2 / 29, [](DatePanel& p) { p.setYear(2023); },
         2023y / 2 / 28},
        {"a month chosen from the list", 2021y / 1 / 31, [](DatePanel& p) { p.monthBox()->setCurrentIndex(3); },
         2021y / 4 / 30},
        {"February of a leap year chosen", 2024y / 3 / 31, [](DatePanel& p) { p.monthBox()->setCurrentIndex(1); },
         2024y / 2 / 29},
        {"a day stepped up with the arrow key", 2004y / 6 / 27,
         [](DatePanel& p) { QTest::keyClick(p.dayBox(), Qt::Key_Up); }, 2004y / 6 / 28},
        {"a year typed and confirmed", 2024y / 2 / 29,
         [](DatePanel& p) {
             QTest::keyClick(p.yearBox(), Qt::Key_A, Qt::ControlModifier);
             QTest::keyClicks(p.yearBox(), "1985");
             QTest::keyClick(p.yearBox(), Qt::Key_Return);
         },
         1985y / 2 / 28},
        {"a step past the calendar's last day", 9999y / 12 / 31,
         [](DatePanel& p) { p.setDate(sys_days(p.date()) + days(1)); }, 9999y / 12 / 31},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        DatePanel panel;
        panel.setDate(row.from);
        QSignalSpy changed(&panel, &DatePanel::changed);
        row.change(panel);
        EXPECT_EQ(changed.count(), 1);
        EXPECT_EQ(panel.date(), row.expected);
    }
}

TEST(DatePanelTest, ATypedNumberCountsOnlyWhenTheEditIsFinished)
{
    DatePanel panel;
    panel.setDate(2004y / 6 / 27);
    QSignalSpy changed(&panel, &DatePanel::changed);
    QTest::keyClick(panel.dayBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(panel.dayBox(), "15");
    EXPECT_EQ(changed.count(), 0);
    QTest::keyClick(panel.dayBox(), Qt::Key_Return);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(panel.date(), 2004y / 6 / 15);
}

TEST(DatePanelTest, TheMonthListNamesTheTwelveMonths)
{
    DatePanel panel;
    const QStringList names = panel.monthNames();
    ASSERT_EQ(names.size(), 12);
    EXPECT_EQ(names.front(), QStringLiteral("Январь"));
    EXPECT_EQ(names.back(), QStringLiteral("Декабрь"));
    panel.setDate(2004y / 6 / 27);
    EXPECT_EQ(panel.monthBox()->currentText(), QStringLiteral("Июнь"));
}

} // namespace
