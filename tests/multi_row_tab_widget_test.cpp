// Pages under tabs that wrap into rows.
#include "platform/widgets/MultiRowTabWidget.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

namespace {

class MultiRowTabWidgetTest : public ::testing::Test {
protected:
    MultiRowTabWidgetTest()
    {
        tabs.resize(400, 300);
        for (const char* caption : {"Общая информация", "Знак", "Характеристика личности", "Здоровье", "Черты",
                                    "Экономика любви", "Партнеры", "Под этим знаком родились", "Вопросы"})
            tabs.addPage(new QLabel(QString::fromUtf8(caption)), QString::fromUtf8(caption));
        tabs.show();
    }

    // The tabs of each row, keyed by the row's top.
    std::map<int, std::vector<QRect>> Rows() const
    {
        std::map<int, std::vector<QRect>> rows;
        for (int i = 0; i < tabs.count(); ++i)
            rows[tabs.tabRect(i).top()].push_back(tabs.tabRect(i));
        return rows;
    }

    MultiRowTabWidget tabs;
};

TEST_F(MultiRowTabWidgetTest, TabsWrapIntoRowsThatEachFillTheWidth)
{
    const auto rows = Rows();
    ASSERT_GT(rows.size(), 1u);
    EXPECT_EQ(int(rows.size()), tabs.rowCount());
    for (const auto& [top, row] : rows) {
        EXPECT_EQ(row.front().left(), 0) << "row at " << top;
        EXPECT_EQ(row.back().right(), tabs.width() - 1) << "row at " << top;
        for (std::size_t i = 1; i < row.size(); ++i)
            EXPECT_EQ(row[i].left(), row[i - 1].right() + 1) << "row at " << top;
    }
    EXPECT_GT(tabs.pageRect().top(), rows.rbegin()->second.front().bottom());
}

TEST_F(MultiRowTabWidgetTest, ClickingATabShowsItsPageAndBringsItsRowNextToThePages)
{
    QSignalSpy changed(&tabs, &MultiRowTabWidget::currentChanged);
    const int last = tabs.count() - 1;
    const int bottomRowTop = Rows().rbegin()->first;
    ASSERT_LT(tabs.tabRect(last).top(), bottomRowTop) << "the last tab starts away from the pages";

    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(last).center());

    EXPECT_EQ(tabs.currentIndex(), last);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(tabs.page(last)->isVisible());
    EXPECT_FALSE(tabs.page(0)->isVisible());
    EXPECT_EQ(tabs.tabRect(last).top(), bottomRowTop);
    EXPECT_NE(tabs.tabRect(0).top(), bottomRowTop) << "the first row went round to the top";
}

} // namespace
