#include "profiles/NameOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(NameOrderTest, NamesSortAsARussianReaderExpects)
{
    const std::vector<std::string> expected = {
        " Пробел", "007",  "alex", "Boris", "Zoe",  "анна", "Анна", "Ева", "Ёва", "Егор",
        "Ёжик",    "ёлка", "Жора", "Иван",  "Іван", "Йорк", "Эдик", "Юля", "Яна",
    };
    std::vector<std::string> names = expected;
    std::reverse(names.begin(), names.end());
    std::stable_sort(names.begin(), names.end(), NameLess);
    EXPECT_EQ(names, expected);
}

TEST(NameOrderTest, IsAStrictOrder)
{
    const std::vector<std::string> names = {"Ёж", "Еж", "еж", "ёж", "Е", "Ё", "", "e", "E", "Ж"};
    for (const std::string& a : names) {
        EXPECT_FALSE(NameLess(a, a)) << a;
        for (const std::string& b : names) {
            if (a != b) {
                EXPECT_NE(NameLess(a, b), NameLess(b, a)) << a << " / " << b;
            }
        }
    }
    EXPECT_TRUE(NameLess("Еж", "Ёж")) << "«Ё» after «Е» when nothing else differs";
    EXPECT_TRUE(NameLess("Ёж", "Ежи")) << "but only then";
    EXPECT_TRUE(NameLess("еж", "Еж")) << "the small letter first";
}

} // namespace
