// The library KVL through its five exported functions, loaded as the program loads it.
extern "C" {
#include "kvl/KVL.h"
}

#include "platform/FileIo.h"
#include "platform/TempFolder.h"
#include "platform/text/Cp1251.h"
#include "support/NameDaysFixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// An entry as the caller sees it: empty (null) or a text, here in UTF-8.
using Entry = std::optional<std::string>;
using Entries = std::vector<Entry>;

const char kSentinel[] = "untouched";

template <std::size_t N>
Entries ListOf(const char* const (&entries)[N])
{
    Entries list;
    for (const char* entry : entries) {
        if (entry == nullptr)
            break;
        list.emplace_back(Cp1251ToUtf8(entry));
    }
    return list;
}

Entries Texts(std::initializer_list<const char*> texts)
{
    Entries list;
    for (const char* text : texts)
        list.emplace_back(text);
    return list;
}

fs::path PlainCopy()
{
    return PathFromUtf8(SystemTempFolder() + "suxx.txt");
}

class KvlTest : public ::testing::Test {
protected:
    TempDir folder;
    fs::path previous = fs::current_path();

    KvlTest() { fs::current_path(folder.Path()); }
    ~KvlTest() override
    {
        KVL_Done();
        fs::current_path(previous);
    }

    // Writes names.dat with these lines and has the library decode it.
    void Load(std::string_view lines)
    {
        WriteNameDays(folder / "names.dat", lines);
        ASSERT_EQ(KVL_Init("names.dat"), 1);
    }

    Entries Day(unsigned day, unsigned month)
    {
        KVL_NameArray names;
        EXPECT_EQ(KVL_DayToNames(static_cast<unsigned char>(day), static_cast<unsigned char>(month), names), 0);
        return ListOf(names);
    }

    Entries Dates(const std::string& utf8Name)
    {
        KVL_DateArray dates;
        EXPECT_EQ(KVL_NameToDays(Utf8ToCp1251(utf8Name).c_str(), dates), 0);
        return ListOf(dates);
    }

    Entries All()
    {
        KVL_NameArray names;
        EXPECT_EQ(KVL_ListNames(names), 0);
        return ListOf(names);
    }
};

TEST_F(KvlTest, DayAndMonthBecomeTheDateTextOfALine)
{
    Load("01 января\tНоль\n"
         "1 января\tАнна\n"
         "09 мая\tНоль\n"
         "9 мая\tВиктор\n"
         "19 мая\tИов\n"
         "31 декабря\tМелания\n");
    struct Row {
        const char* what;
        unsigned day, month;
        Entries expected;
    } rows[] = {
        {"1 January is «1 января»", 1, 1, Texts({"Анна"})},
        {"day 9 is «9 », never «09 »", 9, 5, Texts({"Виктор"})},
        {"the last day of the year", 31, 12, Texts({"Мелания"})},
        {"a date with no line", 2, 1, {}},
        {"month 13 names no month", 1, 13, {}},
        {"month 0 names no month", 1, 0, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Day(row.day, row.month), row.expected) << row.what;
}

TEST_F(KvlTest, TheLaterOfTwoLinesOfADateAnswersForTheDayOnly)
{
    Load("1 января\tАнна, Иван\n"
         "2 января\tПётр\n"
         "1 января\tМария\n");
    EXPECT_EQ(Day(1, 1), Texts({"Мария"}));
    EXPECT_EQ(Dates("Анна"), Texts({"1 января"}));
    EXPECT_EQ(Dates("Мария"), Texts({"1 января"}));
    EXPECT_EQ(All(), Texts({"Анна", "Иван", "Пётр", "Мария"}));
}

TEST_F(KvlTest, TheNamesOfADayAreSplitAtEachCommaAndTheCharacterAfterIt)
{
    struct Row {
        const char* names;
        Entries expected;
    } rows[] = {
        {"Анна, Мария", Texts({"Анна", "Мария"})},
        {"Анна,Мария", Texts({"Анна", "ария"})},
        {"Анна, ", Texts({"Анна", ""})}, // an empty text, not an empty entry
        {" Анна ,  Мария ", Texts({" Анна ", " Мария "})},
        {"Анна", Texts({"Анна"})},
        {"", {}},
    };
    for (const Row& row : rows) {
        Load(std::string("1 января\t") + row.names + "\n");
        EXPECT_EQ(Day(1, 1), row.expected) << "«" << row.names << "»";
    }
}

TEST_F(KvlTest, ListNamesGivesEachNameOnceTrimmedInOrderOfFirstOccurrence)
{
    Load("1 января\tАнна, Иван\n"
         "2 января\tИван, Пётр\n");
    EXPECT_EQ(All(), Texts({"Анна", "Иван", "Пётр"}));

    Load("1 января\t Анна , Иван, \n"
         "2 января\tАнна, \n"
         "3 января\tОльга\n");
    EXPECT_EQ(All(), Texts({"Анна", "Иван", "", "Ольга"}));
}

TEST_F(KvlTest, NameToDaysFindsTheNameInsideTheNamesOfEachLine)
{
    Load("1 января\tАнна, Иван\n"
         "2 января\tАнтон\n"
         "3 января\tПётр\n"
         "4 января\tМарианна\n"
         "Анна без даты\n");
    struct Row {
        const char* name;
        Entries expected;
    } rows[] = {
        {"Ан", Texts({"1 января", "2 января", ""})},
        {"Анна", Texts({"1 января", ""})},
        {"  Анна\t", Texts({"1 января", ""})},
        {"анна", Texts({"4 января"})}, // only inside «Марианна»: case counts
        {"Иван, Пётр", {}},
        {"", {}},
        {"   ", {}},
        {"Ольга", {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Dates(row.name), row.expected) << "«" << row.name << "»";
}

TEST_F(KvlTest, WithoutItsFileTheLibraryAnswersFileNotFoundAndLeavesTheArrayAlone)
{
    Load("1 января\tАнна\n");
    ASSERT_TRUE(fs::exists(PlainCopy()));
    fs::remove(folder / "names.dat");

    // An older plain copy must not answer for data that is gone.
    EXPECT_EQ(KVL_Init("names.dat"), 0);
    EXPECT_FALSE(fs::exists(PlainCopy()));

    KVL_NameArray names;
    KVL_DateArray dates;
    std::fill(std::begin(names), std::end(names), kSentinel);
    std::fill(std::begin(dates), std::end(dates), kSentinel);
    EXPECT_EQ(KVL_DayToNames(1, 1, names), ENOENT);
    EXPECT_EQ(KVL_NameToDays("x", dates), ENOENT);
    EXPECT_EQ(KVL_ListNames(names), ENOENT);
    for (const char* entry : names)
        ASSERT_EQ(entry, kSentinel);
    for (const char* entry : dates)
        ASSERT_EQ(entry, kSentinel);
}

TEST_F(KvlTest, DoneDeletesThePlainCopyAndTheLookupsFailAfterIt)
{
    Load("1 января\tАнна\n");
    ASSERT_EQ(Day(1, 1), Texts({"Анна"}));
    KVL_Done();
    EXPECT_FALSE(fs::exists(PlainCopy()));
    KVL_NameArray names;
    EXPECT_EQ(KVL_DayToNames(1, 1, names), ENOENT);

    // A second Init decodes afresh.
    ASSERT_EQ(KVL_Init("names.dat"), 1);
    EXPECT_EQ(Day(1, 1), Texts({"Анна"}));
}

TEST_F(KvlTest, ADataFileThatCannotBeReadIsAnErrorAndLeavesNoCopy)
{
    Load("1 января\tАнна\n");
    fs::remove(folder / "names.dat");
    fs::create_directory(folder / "names.dat");
    EXPECT_LT(KVL_Init("names.dat"), 0);
    EXPECT_FALSE(fs::exists(PlainCopy()));
}

TEST_F(KvlTest, TextsStayValidUntilTheSameLookupRunsAgain)
{
    Load("1 января\tАнна, Иван\n"
         "2 января\tПётр\n");
    KVL_NameArray day, list;
    KVL_DateArray dates;
    ASSERT_EQ(KVL_DayToNames(1, 1, day), 0);
    ASSERT_EQ(KVL_NameToDays(Utf8ToCp1251("Пётр").c_str(), dates), 0);
    ASSERT_EQ(KVL_ListNames(list), 0);
    EXPECT_EQ(ListOf(day), Texts({"Анна", "Иван"}));
    KVL_NameArray again;
    ASSERT_EQ(KVL_DayToNames(2, 1, again), 0);
    EXPECT_EQ(ListOf(again), Texts({"Пётр"}));
    EXPECT_EQ(ListOf(dates), Texts({"2 января"}));
    EXPECT_EQ(ListOf(list), Texts({"Анна", "Иван", "Пётр"}));
}

TEST_F(KvlTest, DataBeyondTheArraysIsDroppedAndTheLastEntryStaysEmpty)
{
    // 1500 distinct names on one day, and «Анна» on 40 days.
    std::string lines = "1 января\t";
    const std::string letters[] = {"а", "б", "в", "г", "д", "е", "ж", "з", "и", "к", "л", "м", "н", "о", "п", "р"};
    for (int i = 0; i < 1500; ++i)
        lines += (i ? ", " : "") + std::string("Имя") + letters[i / 256] + letters[i / 16 % 16] + letters[i % 16];
    lines += "\n";
    for (int day = 1; day <= 40; ++day)
        lines += std::to_string(day) + (day <= 31 ? " марта" : " апреля") + "\tАнна\n";
    Load(lines);

    KVL_NameArray names;
    ASSERT_EQ(KVL_DayToNames(1, 1, names), 0);
    EXPECT_EQ(Cp1251ToUtf8(names[998]), "Имягпж"); // the 999th name: 998 = 3 * 256 + 14 * 16 + 6
    EXPECT_EQ(names[999], nullptr);

    ASSERT_EQ(KVL_ListNames(names), 0);
    EXPECT_NE(names[998], nullptr);
    EXPECT_EQ(names[999], nullptr);

    KVL_DateArray dates;
    ASSERT_EQ(KVL_NameToDays(Utf8ToCp1251("Анна").c_str(), dates), 0);
    EXPECT_EQ(Cp1251ToUtf8(dates[28]), "29 марта");
    EXPECT_EQ(dates[29], nullptr);
}

TEST_F(KvlTest, MissingArgumentsAreRefusedNotFollowed)
{
    Load("1 января\tАнна\n");
    EXPECT_LT(KVL_Init(nullptr), 0);
    EXPECT_NE(KVL_DayToNames(1, 1, nullptr), 0);
    EXPECT_NE(KVL_NameToDays("Анна", nullptr), 0);
    EXPECT_NE(KVL_ListNames(nullptr), 0);
    KVL_DateArray dates;
    EXPECT_EQ(KVL_NameToDays(nullptr, dates), 0);
    EXPECT_EQ(dates[0], nullptr);
}

#ifndef _WIN32
TEST_F(KvlTest, ThePlainCopyIsPrivateAndNeverReachedThroughALink)
{
    Load("1 января\tАнна\n");
    EXPECT_EQ(fs::status(PlainCopy()).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);

    const fs::path elsewhere = folder / "elsewhere.txt";
    WriteBytes(elsewhere, "1 января\tЧужой");
    fs::remove(PlainCopy());
    fs::create_symlink(elsewhere, PlainCopy());
    KVL_NameArray names;
    EXPECT_EQ(KVL_DayToNames(1, 1, names), ELOOP);

    EXPECT_EQ(KVL_Init("names.dat"), -ELOOP);
    EXPECT_EQ(ReadBytes(elsewhere), "1 января\tЧужой");
}
#endif

} // namespace
