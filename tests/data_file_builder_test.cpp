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

Problem ProblemOf(const std::string& source, const std::string& key = kKey)
{
    try {
        ScrambleSource(source, key, "signs/Oven.txt");
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

} // namespace
