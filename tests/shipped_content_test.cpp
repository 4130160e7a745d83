// The data files the build put into the program folder, read back with the program's own
// readers: a file that decodes but does not parse completely would show empty pages or an
// empty greeting to a person, not an error.
#include "data/SignFile.h"
#include "data/Tools.h"
#include "extras/PhraseFile.h"
#include "nameday/KVL_Interface.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

const fs::path kProgramFolder = ORTAVI_PROGRAM_FOLDER;

// Characters, not bytes: the texts are UTF-8.
std::size_t Length(const std::string& text)
{
    std::size_t n = 0;
    for (const unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

class ShippedSignFile : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedSignFile, FillsEveryShownEntry)
{
    const std::string name = GetParam();
    TempDir temp;
    DecodeFile((kProgramFolder / "Data" / (name + ".dat")).string(), (temp / name).string(), kSignFileKey);
    const SignTexts entries = ReadSignFile((temp / name).string());

    for (int n = 1; n <= 29; ++n)
        EXPECT_FALSE(entries[n].empty()) << name << " entry " << n;
    // The memo pages are meant to be read at length; the general facts sit in two-line labels.
    for (const int n : {15, 16, 17, 20, 21})
        EXPECT_GE(Length(entries[n]), 600u) << name << " entry " << n;
    for (int n = 2; n <= 13; ++n)
        EXPECT_LE(Length(entries[n]), 100u) << name << " entry " << n;
}

INSTANTIATE_TEST_SUITE_P(AllSigns, ShippedSignFile,
                         ::testing::Values("Oven", "Telets", "Twins", "Rak", "Lev", "Deva", "Vesi", "Scorpion",
                                           "Strelets", "Kozerog", "Vodoley", "Ribi"));

// Every number the window can pick finds its phrase, and the phrases are all different.
TEST(ShippedPhrases, EveryNumberThatCanBePickedHasItsOwnPhrase)
{
    TempDir temp;
    DecodeFile((kProgramFolder / "Prikol.dat").string(), (temp / "kemel.txt").string(), kSignFileKey);
    const std::string plain = ReadBytes(temp / "kemel.txt");

    std::set<std::string> phrases;
    for (int k = 1; k <= 999; ++k) {
        MemorySource source(plain);
        const std::string phrase = CutPhrasePrefix(FindPhrase(source, k, "kemel.txt"), k);
        EXPECT_FALSE(phrase.empty()) << "phrase " << k;
        // About 140 characters fit the phrase label (one byte a character in the file).
        EXPECT_LE(phrase.size(), 140u) << "phrase " << k;
        phrases.insert(phrase);
    }
    EXPECT_EQ(phrases.size(), 999u);
}

// The library opens names.dat from the current folder, as the program does from its own.
class ShippedNameDays : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy_file(kProgramFolder / "names.dat", folder / "names.dat");
        fs::current_path(folder.Path());
        ASSERT_TRUE(InitNameDays());
    }
    void TearDown() override
    {
        KVL_Done();
        fs::current_path(previous);
    }

    TempDir folder;
    fs::path previous = fs::current_path();
};

TEST_F(ShippedNameDays, ListsEveryNameOnceAndEveryDateOfTheYear)
{
    const std::vector<std::string> names = ListNames();
    EXPECT_EQ(names.size(), 999u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());

    // Every day of a leap year has its line: a name on it finds the day back.
    const char* const months[] = {"января", "февраля", "марта",    "апреля",  "мая",    "июня",
                                  "июля",   "августа", "сентября", "октября", "ноября", "декабря"};
    const unsigned lengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int daysWithNames = 0;
    for (unsigned month = 1; month <= 12; ++month)
        for (unsigned day = 1; day <= lengths[month - 1]; ++day) {
            const std::vector<std::string> onDay = DayToNames(day, month);
            if (onDay.empty())
                continue;
            ++daysWithNames;
            const std::string date = std::to_string(day) + " " + months[month - 1];
            const std::vector<std::string> dates = NameToDays(onDay.front());
            if (dates.size() == KVL_DATE_ENTRIES - 1)
                continue; // a name found inside longer names fills the list before reaching this day
            EXPECT_NE(std::find(dates.begin(), dates.end(), date), dates.end()) << onDay.front() << " on " << date;
        }
    // 19 January (the Theophany) is the one day of the calendar without a name day.
    EXPECT_EQ(daysWithNames, 365);
    EXPECT_TRUE(DayToNames(19, 1).empty());
}

} // namespace
