#include "data/LineCipher.h"
#include "data/Tools.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace {

const std::string kKey = "Wimbervex";

// Test lines are Windows-1251 Cyrillic where they go through a file: a byte of 0xC0 or more
// XOR-ed with a Latin key letter keeps its high bit, so it never enciphers to a line break or
// to Ctrl+Z. (Latin text may: "c" ^ "i" is LF.)
std::string Scrambled(std::string line, const std::string& key = kKey)
{
    ScrambleLine(line, key);
    return line;
}

const std::string kFirst = "\xCF\xE5\xF0\xE2\xE0\xFF \xF1\xF2\xF0\xEE\xEA\xE0"; // "Первая строка"
const std::string kSecond = "\xC2\xF2\xEE\xF0\xE0\xFF";                             // "Вторая"

class DecodeFileTest : public ::testing::Test {
protected:
    // Writes the scrambled bytes, decodes them through the shared helper and returns the plain copy.
    std::string Decode(const std::string& scrambled, const std::string& key = kKey)
    {
        WriteBytes(in, scrambled);
        DecodeFile(Utf8FromPath(in), Utf8FromPath(out), key);
        return ReadBytes(out);
    }

    TempDir dir;
    std::filesystem::path in = dir / "Oven.dat";
    std::filesystem::path out = dir / "plain.txt";
};

TEST(LineCipherTest, PairingStartsAtTheSecondKeyCharacterAndWraps)
{
    // Zero bytes show the key itself: positions 1..9 pair with "imbervexW", then "i" again.
    EXPECT_EQ(Scrambled(std::string(10, '\0')), "imbervexWi");
    EXPECT_EQ(Scrambled(std::string(3, '\0'), "ZEBROLM"), "EBR");
    EXPECT_EQ(Scrambled(std::string(8, '\0'), "ZEBROLM"), "EBROLMZE");
    EXPECT_EQ(Scrambled(Scrambled("Овен: огонь")), "Овен: огонь");
    EXPECT_EQ(Scrambled(""), "");
    std::string line = "x";
    EXPECT_THROW(ScrambleLine(line, ""), std::invalid_argument);
}

TEST_F(DecodeFileTest, LineStructureOfThePlainCopy)
{
    const std::string a = Scrambled(kFirst);
    const std::string b = Scrambled(kSecond);
    const std::string& F = kFirst;
    const std::string& S = kSecond;
    struct Row {
        const char* what;
        std::string scrambled;
        std::string plain;
    };
    const Row rows[] = {
        {"empty file", "", ""},
        {"one line without a break", a, F},
        {"one line with a break", a + "\r\n", F},
        {"a line and an empty line", a + "\r\n\r\n", F + "\r\n"},
        {"two lines", a + "\r\n" + b + "\r\n", F + "\r\n" + S},
        {"bare LF reads as CR LF", a + "\n" + b, F + "\r\n" + S},
        {"a lone CR is dropped", a.substr(0, 4) + "\r" + a.substr(4), F},
        {"Ctrl+Z at a line start ends the file", a + "\r\n\x1A" + b, F},
        {"identical lines decode identically", a + "\r\n" + a, F + "\r\n" + F},
        {"empty lines in between", "\r\n" + a + "\r\n\r\n" + b, "\r\n" + F + "\r\n\r\n" + S},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Decode(r.scrambled), r.plain) << r.what;
}

TEST_F(DecodeFileTest, KeyPositionRestartsOnEveryLine)
{
    // Decoding with the key offset carried over from line to line would garble the second line.
    const std::string line = kFirst + kSecond; // 19 bytes, longer than the key
    EXPECT_EQ(Decode(Scrambled(line) + "\r\n" + Scrambled(line) + "\r\n" + Scrambled("\xDF")),
              line + "\r\n" + line + "\r\n\xDF");
    EXPECT_EQ(Decode(std::string(10, '\0')), "imbervexWi");
}

TEST_F(DecodeFileTest, OverwritesAnOldPlainCopy)
{
    WriteBytes(out, std::string(5000, 'o'));
    EXPECT_EQ(Decode(Scrambled(kSecond)), kSecond);
}

TEST_F(DecodeFileTest, MissingInputRaisesAndLeavesNoOutput)
{
    try {
        DecodeFile(Utf8FromPath(dir / "absent.dat"), Utf8FromPath(out), kKey);
        FAIL() << "no error raised";
    } catch (const IoError& e) {
        EXPECT_EQ(e.Code(), 2); // ENOENT and ERROR_FILE_NOT_FOUND alike
        EXPECT_NE(std::string(e.what()).find("Файл не найден"), std::string::npos) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(DecodeFileTest, UnreadableInputRaisesAndKeepsTheOldPlainCopy)
{
    std::filesystem::create_directory(in);
    WriteBytes(out, "old plain copy");
    EXPECT_THROW(DecodeFile(Utf8FromPath(in), Utf8FromPath(out), kKey), IoError);
    EXPECT_EQ(ReadBytes(out), "old plain copy");
}

TEST_F(DecodeFileTest, UnwritableOutputRaises)
{
    WriteBytes(in, Scrambled(kFirst));
    EXPECT_THROW(DecodeFile(Utf8FromPath(in), Utf8FromPath(dir / "no such folder" / "x.txt"), kKey), IoError);
    std::filesystem::create_directory(dir / "folder");
    EXPECT_THROW(DecodeFile(Utf8FromPath(in), Utf8FromPath(dir / "folder"), kKey), IoError);
}

TEST_F(DecodeFileTest, NamesOutsideAsciiWork)
{
    const std::filesystem::path folder = dir / PathFromUtf8("Данные");
    std::filesystem::create_directory(folder);
    WriteBytes(folder / PathFromUtf8("Рак.dat"), Scrambled("\xD0\xE0\xEA"));
    DecodeFile(Utf8FromPath(folder / PathFromUtf8("Рак.dat")), Utf8FromPath(folder / PathFromUtf8("Рак.txt")), kKey);
    EXPECT_EQ(ReadBytes(folder / PathFromUtf8("Рак.txt")), "\xD0\xE0\xEA");
}

#ifndef _WIN32
TEST_F(DecodeFileTest, PlainCopyDoesNotFollowALinkInItsPlace)
{
    const std::filesystem::path victim = dir / "victim.txt";
    WriteBytes(victim, "keep me");
    std::filesystem::create_symlink(victim, out);
    WriteBytes(in, Scrambled(kFirst));
    try {
        DecodeFile(Utf8FromPath(in), Utf8FromPath(out), kKey);
        FAIL() << "a link was followed";
    } catch (const IoError& e) {
        EXPECT_EQ(e.Code(), ELOOP);
    }
    EXPECT_EQ(ReadBytes(victim), "keep me");
}

TEST_F(DecodeFileTest, NewPlainCopyIsPrivateToItsOwner)
{
    Decode(Scrambled(kFirst));
    const auto perms = std::filesystem::status(out).permissions();
    EXPECT_EQ(perms & (std::filesystem::perms::group_all | std::filesystem::perms::others_all),
              std::filesystem::perms::none);
}
#endif

TEST_F(DecodeFileTest, LargeFileWithLongLines)
{
    std::string scrambled, plain;
    for (int i = 0; i < 2000; ++i) {
        const std::string line(i * 7 % 1500, static_cast<char>(0xC0 + i % 64));
        scrambled += Scrambled(line) + (i % 2 ? "\n" : "\r\n");
        plain += line + (i + 1 < 2000 ? "\r\n" : "");
    }
    EXPECT_EQ(Decode(scrambled), plain);
}

} // namespace
