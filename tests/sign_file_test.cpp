// The sign files' reader: values by line number, at most thirty of them, and the line breaks
// of the seduction entry.
#include "data/SignFile.h"

#include "platform/Errors.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

SignTexts Read(const std::string& bytes)
{
    MemorySource source(bytes);
    return ReadSignLines(source);
}

TEST(SignFileTest, AValueIsWhatFollowsTheFirstTab)
{
    struct Row {
        const char* what;
        std::string line;
        std::string value;
    };
    const Row rows[] = {
        {"key and value", "Металл\tзолото", "золото"},
        {"a second tab stays in the value", "Цвета\tзолотой\tалый", "золотой\tалый"},
        {"no tab: the whole line", "просто текст", "просто текст"},
        {"a tab first", "\tзначение", "значение"},
        {"nothing after the tab", "Ключ\t", ""},
        {"an empty line", "", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SignLineValue(row.line), row.value) << row.what;
}

TEST(SignFileTest, LinesFillTheEntriesByNumberFromWindows1251)
{
    // "Лев" and "золото" in Windows-1251, lines ended as Windows and Linux end them.
    const SignTexts lines = Read("Знак\t\xCB\xE5\xE2\r\nМеталл\t\xE7\xEE\xEB\xEE\xF2\xEE\n\r\n");
    EXPECT_EQ(lines[1], "Лев");
    EXPECT_EQ(lines[2], "золото");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[30], "");
}

TEST(SignFileTest, AFileOfMoreThanThirtyLinesFillsThirtyEntriesAndTheRestIsIgnored)
{
    std::string bytes;
    for (int n = 1; n <= 45; ++n)
        bytes += "k" + std::to_string(n) + "\tv" + std::to_string(n) + "\r\n";
    const SignTexts lines = Read(bytes);
    EXPECT_EQ(lines[1], "v1");
    EXPECT_EQ(lines[30], "v30");
}

TEST(SignFileTest, AFileOfFewerLinesLeavesTheRestEmpty)
{
    const SignTexts lines = Read("a\t1\r\nb\t2\r\nc\t3");
    EXPECT_EQ(lines[3], "3");
    for (int n = 4; n <= SignTexts::kCount; ++n)
        EXPECT_EQ(lines[n], "") << n;
}

TEST(SignFileTest, AMissingFileIsAnIoError)
{
    TempDir dir;
    EXPECT_THROW(ReadSignFile((dir / "Oven.dat").string()), IoError);
}

TEST(SignFileTest, TheSeductionTextBreaksAfterEverySeparator)
{
    struct Row {
        const char* what;
        std::string text;
        std::string shown;
    };
    const Row rows[] = {
        {"a blank after a semicolon starts the next line", "смотрите; улыбайтесь",
         "смотрите;\r\n улыбайтесь"},
        {"a colon", "совет:молчите", "совет:\r\nмолчите"},
        {"a full stop leaves an empty line, the blank after it kept", "Раз. Два",
         "Раз.\r\n\r\n Два"},
        {"a separator at the end still breaks", "Конец.", "Конец.\r\n\r\n"},
        {"separators in a row each break", "а;:.", "а;\r\n:\r\n.\r\n\r\n"},
        {"no separators", "просто слова, и всё!", "просто слова, и всё!"},
        {"empty", "", ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(BreakSeductionText(row.text), row.shown) << row.what;
}

TEST(SignFileTest, OnlyTheTwelveSignNamesHaveFiles)
{
    EXPECT_EQ(SignFileNameFor("Овен"), "Oven.dat");
    EXPECT_EQ(SignFileNameFor("Рыбы"), "Ribi.dat");
    for (const char* other : {"", "овен", "Овен ", "Змееносец"})
        EXPECT_EQ(SignFileNameFor(other), "") << other;
}

} // namespace
