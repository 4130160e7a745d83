#include "extras/PhraseFile.h"

#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/services/Paths.h"
#include "platform/text/Cp1251.h"
#include "support/TestSupport.h"
#include "tools/DataFileBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

// The plain file as the reader sees it: Windows-1251 lines joined by CR LF.
std::string Plain(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines) {
        if (!text.empty())
            text += "\r\n";
        text += Utf8ToCp1251(line);
    }
    return text;
}

std::string Find(const std::string& plain, int k)
{
    MemorySource source(plain);
    return Cp1251ToUtf8(FindPhrase(source, k, "kemel.txt"));
}

TEST(PhraseFileTest, PrefixOfTheNumberAndItsBlankIsCut)
{
    struct Row {
        const char* name;
        int k;
        const char* line;
        const char* phrase;
    } rows[] = {
        {"one digit: two characters", 7, "7 Семь раз отмерь.", "Семь раз отмерь."},
        {"two digits: three characters", 42, "42 Ответ найден.", "Ответ найден."},
        {"three digits: four characters", 512, "512 Полкило байтов.", "Полкило байтов."},
        {"a line as long as the prefix", 512, "512 ", ""},
        {"a line shorter than the prefix", 512, "51", ""},
        {"an empty line", 7, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Cp1251ToUtf8(CutPhrasePrefix(Utf8ToCp1251(row.line), row.k)), row.phrase);
    }
}

TEST(PhraseFileTest, SearchReadsTheNumberOfEveryLineItPasses)
{
    const std::string plain = Plain(
        {"1", "1 Первая.", "", "  ", "2", "2 Вторая.", "\t3\tхвост", "3 Третья.", "4", "4 Четвёртая.", "5"});
    struct Row {
        const char* name;
        int k;
        const char* phrase;
    } rows[] = {
        {"the line after the first line with the number", 1, "1 Первая."},
        {"blank lines are skipped", 2, "2 Вторая."},
        {"a number ended by a tab, the rest ignored", 3, "3 Третья."},
        {"no line with the number", 7, ""},
        {"the matching line is the last", 5, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Find(plain, row.k), row.phrase);
    }
}

TEST(PhraseFileTest, ALineWithoutANumberBeforeTheMatchIsAnError)
{
    struct Row {
        const char* name;
        std::string plain;
        const char* error;
    } rows[] = {
        {"words", Plain({"1", "1 Первая.", "Без номера", "2", "2 Вторая."}),
         "Строка 3 файла «kemel.txt» не начинается с числа"},
        {"digits run into letters", Plain({"1", "1 Первая.", "2б", "2 Вторая."}),
         "Строка 3 файла «kemel.txt» не начинается с числа"},
        {"a number beyond 32 bits", Plain({"99999999999", "2", "2 Вторая."}),
         "Строка 1 файла «kemel.txt» не начинается с числа"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            Find(row.plain, 2);
            ADD_FAILURE() << "no error";
        } catch (const IoError& error) {
            EXPECT_EQ(error.Code(), kInvalidNumericInput);
            EXPECT_STREQ(error.what(), row.error);
        }
    }
    // Past the match nothing more is read.
    EXPECT_EQ(Find(Plain({"1", "1 Первая.", "Без номера"}), 1), "1 Первая.");
}

TEST(PhraseFileTest, PickIsUniformOverOneToNineHundredNinetyNine)
{
    std::set<int> seen;
    for (std::uint64_t seed = 0; seed < 20000; ++seed) {
        const int k = PickPhraseNumber(seed);
        ASSERT_GE(k, 1);
        ASSERT_LE(k, 999) << "the last phrase is never picked";
        seen.insert(k);
    }
    EXPECT_EQ(seen.size(), 999u) << "20000 picks reach every number";
    EXPECT_NE(PickPhraseNumber(1702300000000), PickPhraseNumber(1702300000001))
        << "a millisecond later, another pick";
}

class PhraseOfTheDayTest : public ::testing::Test {
  protected:
    PhraseOfTheDayTest() { previous_ = SetPaths(&paths_); }
    ~PhraseOfTheDayTest() override { SetPaths(previous_); }

    // A scrambled phrase file, made the way the build makes Prikol.dat.
    void WritePhraseFile(const std::string& source)
    {
        WriteBytes(program / "Prikol.dat", ScrambleSource(source, "Wimbervex", "phrases.txt"));
    }

    TempDir program;
    TempDir temp;

  private:
    FixedPaths paths_{program.Path().string(), temp.Path().string()};
    Paths* previous_ = nullptr;
};

TEST_F(PhraseOfTheDayTest, DecodesFindsCutsAndDeletesThePlainCopy)
{
    WritePhraseFile("41\n41 Не та.\n42\n42 Ответ на главный вопрос.\n43\n43 Тоже не та.\n");
    EXPECT_EQ(ReadPhraseOfTheDay(42), "Ответ на главный вопрос.");
    EXPECT_FALSE(std::filesystem::exists(temp / "kemel.txt"));
    EXPECT_EQ(ReadPhraseOfTheDay(43), "Тоже не та.");
    EXPECT_EQ(ReadPhraseOfTheDay(7), "");
}

TEST_F(PhraseOfTheDayTest, ErrorsReachTheCaller)
{
    try {
        ReadPhraseOfTheDay(1);
        ADD_FAILURE() << "a missing phrase file must be an error";
    } catch (const IoError& error) {
        EXPECT_NE(std::string(error.what()).find("Prikol.dat"), std::string::npos) << error.what();
    }
    EXPECT_FALSE(std::filesystem::exists(temp / "kemel.txt")) << "nothing decoded, nothing written";

    WritePhraseFile("1\n1 Первая.\nБез номера\n2\n2 Вторая.\n");
    EXPECT_THROW(ReadPhraseOfTheDay(2), IoError);
    EXPECT_TRUE(std::filesystem::exists(temp / "kemel.txt")) << "the plain copy stays after a failed search";
}

} // namespace
