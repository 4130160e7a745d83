#include "data/LineCipher.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/text/Cp1251.h"
#include "support/TestSupport.h"
#include "tools/DataFileBuilder.h"

#include <gtest/gtest.h>

namespace {

const std::string kKey = "Wimbervex";

struct Problem {
    int line = 0, column = 0;
    std::string what;
};

Problem ProblemOf(const std::string& source, const std::string& key = kKey,
                  SourceFormat format = SourceFormat::Lines)
{
    try {
        ScrambleSource(source, key, "signs/Oven.txt", format);
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.File(), "signs/Oven.txt");
        return {e.Line(), e.Column(), e.what()};
    }
    return {};
}

TEST(DataFileBuilderTest, ScrambledFileDecodesBackToTheSourceInWindows1251)
{
    const std::string source = "\xEF\xBB\xBFОвен — огонь\n\tвторая строка\r\n\nпоследняя";
    TempDir dir;
    WriteBytes(dir / "Oven.dat", ScrambleSource(source, kKey, "Oven.txt"));
    DecodeLines(dir / "Oven.dat", dir / "Oven.txt", kKey);
    EXPECT_EQ(ReadBytes(dir / "Oven.txt"), Utf8ToCp1251("Овен — огонь\r\n\tвторая строка\r\n\r\nпоследняя"));
}

TEST(DataFileBuilderTest, EveryLineEndsWithCrLf)
{
    std::string line = Utf8ToCp1251("Рыбы");
    ScrambleLine(line, kKey);
    EXPECT_EQ(ScrambleSource("Рыбы", kKey, "x"), line + "\r\n");
    EXPECT_EQ(ScrambleSource("", kKey, "x"), "");
}

TEST(DataFileBuilderTest, ProblemsNameLineAndColumn)
{
    struct Row {
        const char* what;
        std::string source;
        int line, column;
        const char* mentions;
    };
    // With this key the first byte pairs with 'i' and the second with 'm':
    // 'c' ^ 'i' is LF, '`' ^ 'm' is CR, 's' ^ 'i' is Ctrl+Z.
    const Row rows[] = {
        {"character outside Windows-1251", "Овен\nдва é", 2, 5, "U+00E9"},
        {"emoji after Cyrillic", "аб😀", 1, 3, "U+1F600"},
        {"broken UTF-8", "ok\nx\xFFy", 2, 2, "UTF-8"},
        {"enciphers to LF", "Лев\nc", 2, 1, "LF"},
        {"enciphers to CR", "a`", 1, 2, "CR"},
        {"enciphers to Ctrl+Z at the start", "\n\nsun", 3, 1, "Ctrl+Z"},
        {"plain Ctrl+Z at the start", "ok\n\x1A" "abc", 2, 1, "Ctrl+Z"},
        {"lone CR", "ab\rcd\r\n", 1, 3, "CR"},
    };
    for (const Row& r : rows) {
        const Problem p = ProblemOf(r.source);
        EXPECT_EQ(p.line, r.line) << r.what;
        EXPECT_EQ(p.column, r.column) << r.what;
        EXPECT_NE(p.what.find(r.mentions), std::string::npos) << r.what << ": " << p.what;
        EXPECT_EQ(p.what.rfind("signs/Oven.txt:" + std::to_string(r.line) + ":" + std::to_string(r.column) + ": ", 0), 0u)
            << p.what;
    }
    // Ctrl+Z inside a line, or an 's' that is not first, is fine.
    EXPECT_EQ(ProblemOf("a\x1A" "b\nas").line, 0);
}

TEST(DataFileBuilderTest, BuildingAFileLeavesTheOldOneWhenTheSourceIsBad)
{
    TempDir dir;
    WriteBytes(dir / "good.txt", "Овен\nРак");
    BuildDataFile(dir / "good.txt", dir / "Oven.dat", kKey);
    DecodeLines(dir / "Oven.dat", dir / "plain.txt", kKey);
    EXPECT_EQ(ReadBytes(dir / "plain.txt"), Utf8ToCp1251("Овен\r\nРак"));

    const std::string built = ReadBytes(dir / "Oven.dat");
    WriteBytes(dir / "bad.txt", "Овен\nRé");
    try {
        BuildDataFile(dir / "bad.txt", dir / "Oven.dat", kKey);
        ADD_FAILURE() << "no error raised";
    } catch (const DataFileError& e) {
        EXPECT_EQ(e.Line(), 2);
        EXPECT_EQ(e.Column(), 2);
        EXPECT_EQ(e.File(), Utf8FromPath(dir / "bad.txt"));
    }
    EXPECT_EQ(ReadBytes(dir / "Oven.dat"), built);
    std::filesystem::path partial = dir / "Oven.dat";
    partial += ".partial";
    EXPECT_FALSE(std::filesystem::exists(partial));
    EXPECT_THROW(BuildDataFile(dir / "absent.txt", dir / "Oven.dat", kKey), IoError);
}

// Numbered phrases 1..count in the phrase file's layout.
std::string Phrases(int count)
{
    std::string text;
    for (int k = 1; k <= count; ++k)
        text += std::to_string(k) + "\n" + std::to_string(k) + " Фраза номер " + std::to_string(k) + ".\n";
    return text;
}

// Name-day lines for the days of January from `firstDay`, each with the given names.
std::string JanuaryLines(int firstDay, int days, const std::string& names)
{
    std::string text;
    for (int d = firstDay; d < firstDay + days; ++d)
        text += std::to_string(d) + " января\t" + names + "\n";
    return text;
}

// `count` distinct two-letter names ("Ааа", "Ааб", ...), `perLine` to a date from 1 January.
std::string ManyNames(int count, int perLine)
{
    const std::u32string letters = U"абвгдежзийклмнопрстуфхцчшщъыьэюя";
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i % perLine == 0)
            text += (i ? "\n" : "") + std::to_string(i / perLine + 1) + " января\t";
        else
            text += ", ";
        std::string name = "А";
        AppendUtf8(name, letters[(i / 32) % 32]);
        AppendUtf8(name, letters[i % 32]);
        text += name;
    }
    return text;
}

TEST(DataFileBuilderTest, WellFormedSourcesOfEachKindPass)
{
    std::string sign;
    for (int n = 1; n <= 30; ++n)
        sign += "ключ " + std::to_string(n) + "\tзначение\tс второй табуляцией\n";
    EXPECT_EQ(ProblemOf(sign, kKey, SourceFormat::Sign).line, 0);
    EXPECT_EQ(ProblemOf(Phrases(1000), kKey, SourceFormat::Phrases).line, 0);

    const std::string names = "29 февраля\tКассиан\n"
                              "19 января\t\n" // a day without name days
                              "31 декабря\tАнна, Мария, Модест\n" +
                              JanuaryLines(1, 18, "Иван") + JanuaryLines(20, 11, "Иван");
    const Problem p = ProblemOf(names, "ZEBROLM", SourceFormat::Names);
    EXPECT_EQ(p.line, 0) << p.what;
    EXPECT_EQ(ProblemOf(ManyNames(999, 100), "ZEBROLM", SourceFormat::Names).line, 0);
}

TEST(DataFileBuilderTest, FormatProblemsNameLineAndColumn)
{
    struct Row {
        const char* what;
        SourceFormat format;
        std::string source;
        int line, column;
        const char* mentions;
    };
    std::string signOf31;
    for (int n = 1; n <= 31; ++n)
        signOf31 += "ключ\tзначение\n";
    const auto S = SourceFormat::Sign;
    const auto P = SourceFormat::Phrases;
    const auto N = SourceFormat::Names;
    const Row rows[] = {
        {"sign file of 31 lines", S, signOf31, 31, 1, "at most 30 lines"},
        {"sign value line without its tab", S, "Овен\tзаголовок\nДата 21 марта", 2, 1, "no tab"},

        {"phrase line where a number line belongs", P, "1\n1 Первая.\n2 Вторая.", 3, 1, "number 2 alone"},
        {"phrase number missing", P, "1\n1 Первая.\n3\n3 Третья.", 3, 1, "phrase number 2 missing"},
        {"phrase number twice", P, "1\n1 Первая.\n1\n1 Снова.", 3, 1, "phrase number 1 twice"},
        {"number with a leading zero", P, "01\n01 Первая.", 1, 1, "number 1 alone"},
        {"phrase line with another number", P, "1\n1 Первая.\n2\n3 Вторая.", 4, 1,
         "begin with 2 and one blank"},
        {"no blank after the number", P, "1\n1Первая.", 2, 1, "begin with 1 and one blank"},
        {"two blanks after the number", P, "1\n1  Первая.", 2, 3, "only one blank"},
        {"empty phrase", P, "1\n1 ", 2, 3, "phrase 1 is empty"},
        {"empty line", P, "1\n1 Первая.\n\n2\n2 Вторая.", 3, 1, "empty line"},
        {"file ends before the last phrase", P, Phrases(999), 1999, 1, "phrase number 1000 missing"},
        {"number line without its phrase at the end", P, "1\n1 Первая.\n2\n", 4, 1,
         "phrase 2 has no phrase line"},
        {"more than 1000 phrases", P, Phrases(1000) + "1001\n1001 Лишняя.", 2001, 1, "end at 1000"},

        {"name-day line without a tab", N, "1 января Иван", 1, 1, "no tab"},
        {"day with a leading zero", N, "01 января\tИван", 1, 1, "bad date"},
        {"month in the nominative", N, "1 январь\tИван", 1, 1, "bad date"},
        {"month with a capital", N, "1 Января\tИван", 1, 1, "bad date"},
        {"two blanks in the date", N, "1  января\tИван", 1, 1, "bad date"},
        {"no such day", N, "31 апреля\tИван", 1, 1, "no such day"},
        {"30 February", N, "30 февраля\tИван", 1, 1, "no such day"},
        {"date twice", N, "1 января\tИван\n2 января\tПётр\n1 января\tАнна", 3, 1, "already on line 1"},
        {"comma not followed by a blank", N, "1 января\tАнна,Мария", 1, 14, "comma"},
        {"names ending with a comma", N, "1 января\tАнна, Мария,", 1, 21, "comma"},
        {"names ending with a comma and a blank", N, "1 января\tАнна, ", 1, 16, "empty name"},
        {"two blanks after a comma", N, "1 января\tАнна,  Мария", 1, 16, "blank at the start"},
        {"name twice on one date", N, "1 января\tАнна, Иван, Анна", 1, 22, "twice on one date"},
        {"name on 30 dates", N, JanuaryLines(1, 29, "Иван") + "30 января\tПётр, Иван", 30, 17,
         "\"Иван\" on more than 29 dates"},
        {"1000 names", N, ManyNames(1000, 100), 10, 11 + 99 * 5, "more than 999 names"},
    };
    for (const Row& r : rows) {
        const Problem p = ProblemOf(r.source, r.format == N ? "ZEBROLM" : kKey, r.format);
        EXPECT_EQ(p.line, r.line) << r.what << ": " << p.what;
        EXPECT_EQ(p.column, r.column) << r.what << ": " << p.what;
        EXPECT_NE(p.what.find(r.mentions), std::string::npos) << r.what << ": " << p.what;
    }
}

TEST(DataFileBuilderTest, PlainSourceIsWindows1251WithCrLf)
{
    EXPECT_EQ(PlainSource("\xEF\xBB\xBF<p>Ёжик</p>\nвторая\r\n", "help.html"),
              Utf8ToCp1251("<p>Ёжик</p>\r\nвторая\r\n"));
    try {
        PlainSource("ok\n<p>☺</p>", "help.html");
        ADD_FAILURE() << "no error raised";
    } catch (const DataFileError& e) {
        EXPECT_STREQ(e.what(), "help.html:2:4: U+263A has no Windows-1251 form");
    }
}

} // namespace
