#include "app/CommandRules.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

TEST(SplitOnBlanksTest, SplitsTheWayACommandLineIsSplit)
{
    struct Row {
        const char* name;
        const char* text;
        Words words;
    };
    const Row rows[] = {
        {"empty", "", {}},
        {"only blanks", "  \t ", {}},
        {"one name", "Иван", {"Иван"}},
        {"two names", "Анна Мария", {"Анна", "Мария"}},
        {"runs of blanks and tabs", "  Анна \t  Мария  ", {"Анна", "Мария"}},
        {"quotes are letters", "\"Анна Мария\"", {"\"Анна", "Мария\""}},
        {"shell characters are letters", "$(rm) ;x", {"$(rm)", ";x"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SplitOnBlanks(row.text), row.words) << row.name;
}

} // namespace
