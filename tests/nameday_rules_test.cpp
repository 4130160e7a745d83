#include "nameday/NameDayRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

TEST(NameDayRulesTest, GreetingJoinsTheLastTwoNamesWithAnd)
{
    struct Row {
        const char* what;
        Texts names;
        const char* expected;
    } rows[] = {
        {"no names", {}, ""},
        {"one name alone", {"Анна"}, "Анна"},
        {"two names", {"Анна", "Мария"}, "Анна и Мария"},
        {"three names", {"Анна", "Ирина", "Мария"}, "Анна, Ирина и Мария"},
        {"four names", {"А", "Б", "В", "Г"}, "А, Б, В и Г"},
        {"an empty last name keeps its joint", {"Анна", ""}, "Анна и "},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GreetingText(row.names), row.expected) << row.what;
}

TEST(NameDayRulesTest, CentringCutsTheFractionTowardZero)
{
    struct Row {
        const char* what;
        int left, otherWidth, width, expected;
    } rows[] = {
        {"even widths", 10, 100, 40, 40},
        {"half a pixel right is cut", 10, 101, 50, 35},
        {"half a pixel left is cut", 10, 100, 51, 34},
        {"an empty label stands in the middle", 8, 337, 0, 176},
        {"a negative edge is cut toward zero", 0, 10, 21, -5},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CentredLeft(row.left, row.otherWidth, row.width), row.expected) << row.what;
}

TEST(NameDayRulesTest, APointOnAnEdgeIsOutside)
{
    struct Row {
        const char* what;
        int x, y;
        bool inside;
    } rows[] = {
        {"middle", 50, 15, true},        {"just inside the corner", 1, 11, true},
        {"left edge", 0, 15, false},     {"right edge", 100, 15, false},
        {"top edge", 50, 10, false},     {"bottom edge", 50, 20, false},
        {"below", 50, 25, false},        {"just inside bottom right", 99, 19, true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PointInsideRect(row.x, row.y, 0, 10, 100, 20), row.inside) << row.what;
}

TEST(NameDayRulesTest, CommonDatesComeOnceForEachMatchInTheSecondList)
{
    struct Row {
        const char* what;
        Texts a, b, expected;
    } rows[] = {
        {"the same name in both boxes", {"1 января", "7 мая"}, {"1 января", "7 мая"}, {"1 января", "7 мая"}},
        {"a date twice in the second list", {"1 января"}, {"1 января", "1 января"}, {"1 января", "1 января"}},
        {"blanks and Latin capitals ignored, the first list's text kept",
         {" 1 January "},
         {"1 january"},
         {" 1 January "}},
        {"Russian letter case counts", {"1 Января"}, {"1 января"}, {}},
        {"nothing in common", {"1 января"}, {"2 января"}, {}},
        {"an empty list", {}, {"1 января"}, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(CommonDates(row.a, row.b), row.expected) << row.what;
}

TEST(NameDayRulesTest, OnlyTheNamePromptIsCleared)
{
    EXPECT_TRUE(ShowsNamePrompt("Имя1"));
    EXPECT_TRUE(ShowsNamePrompt("Имя2"));
    EXPECT_TRUE(ShowsNamePrompt("Имя"));
    EXPECT_FALSE(ShowsNamePrompt("Им"));
    EXPECT_FALSE(ShowsNamePrompt("имя1"));
    EXPECT_FALSE(ShowsNamePrompt("Анна"));
    EXPECT_FALSE(ShowsNamePrompt(""));
}

TEST(NameDayRulesTest, CopyAllEndsEveryItemWithCrLf)
{
    EXPECT_EQ(AllItemsText({"1 января", "7 мая"}), "1 января\r\n7 мая\r\n");
    EXPECT_EQ(AllItemsText({}), "");
}

TEST(NameDayRulesTest, SortedListsFollowTheAlphabet)
{
    Texts names = {"Яков", "анна", "Фёкла", "Ёлка", "Елена", "Федор", "Анна", "Жанна", "Ева"};
    std::stable_sort(names.begin(), names.end(), NameOrderLess);
    EXPECT_EQ(names, (Texts{"Анна", "анна", "Ева", "Елена", "Ёлка", "Жанна", "Федор", "Фёкла", "Яков"}));
}

} // namespace
