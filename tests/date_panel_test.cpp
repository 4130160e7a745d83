#include "platform/widgets/DatePanel.h"

#include "support/QtTestSupport.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono;

class DatePanelTest : public ::testing::Test {
protected:
    WindowTestEnvironment env{At(2026, 12, 11, 14, 25, 54)};
    DatePanel panel;
    QSpinBox* day = panel.findChild<QSpinBox*>(QStringLiteral("Day"));
    QComboBox* month = panel.findChild<QComboBox*>(QStringLiteral("Month"));
    QSpinBox* year = panel.findChild<QSpinBox*>(QStringLiteral("Year"));
};

TEST_F(DatePanelTest, StartsAtTodayWithMonthsInTheGenitive)
{
    ASSERT_TRUE(day && month && year);
    EXPECT_EQ(panel.date(), 2026y / December / 11d);
    EXPECT_EQ(day->value(), 11);
    EXPECT_EQ(month->currentText(), QStringLiteral("Декабря"));
    EXPECT_EQ(year->value(), 2026);
    EXPECT_EQ(month->itemText(0), QStringLiteral("Января"));
    EXPECT_EQ(month->count(), 12);
}

TEST_F(DatePanelTest, EveryChangeIsReportedOnceAndTheDayKeptWithinTheMonth)
{
    QSignalSpy changed(&panel, &DatePanel::changed);
    struct Row {
        const char* what;
        std::function<void()> change;
        year_month_day expected;
        int reports;
    } rows[] = {
        {"set by the program", [&] { panel.setDate(2024y / January / 31d); }, 2024y / January / 31d, 1},
        {"the same date again", [&] { panel.setDate(2024y / January / 31d); }, 2024y / January / 31d, 0},
        {"a month too short for the day", [&] { month->setCurrentIndex(1); }, 2024y / February / 29d, 1},
        {"a year without 29 February", [&] { year->setValue(2025); }, 2025y / February / 28d, 1},
        {"the day typed", [&] { day->setValue(3); }, 2025y / February / 3d, 1},
        {"a day past the month's end given", [&] { panel.setDate(2025y / April / 31d); }, 2025y / April / 30d, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        changed.clear();
        row.change();
        EXPECT_EQ(panel.date(), row.expected);
        EXPECT_EQ(changed.count(), row.reports);
        EXPECT_EQ(day->value(), static_cast<int>(static_cast<unsigned>(row.expected.day())));
        EXPECT_EQ(month->currentIndex(), static_cast<int>(static_cast<unsigned>(row.expected.month())) - 1);
    }
}

} // namespace
