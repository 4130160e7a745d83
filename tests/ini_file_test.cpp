#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/ini/IniFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

const char* const kDefault = "<default>";

// Windows-1251 bytes of the Russian words the rows use.
const std::string kOkno = "\xCE\xEA\xED\xEE";               // Окно
const std::string kCvet = "\xD6\xE2\xE5\xF2";               // Цвет
const std::string kKrasny = "\xCA\xF0\xE0\xF1\xED\xFB\xE9"; // Красный
const std::string kYolka = "\xA8\xEB\xEA\xE0";              // Ёлка
const std::string kYizhak = "\xAF\xE6\xE0\xEA";             // Їжак

class IniFileTest : public ::testing::Test {
protected:
    TempDir dir;
    // A Cyrillic file name, so the UTF-8 name really goes through to the system.
    fs::path path = dir / fs::path(u8"настройки.ini");
    IniFile ini{Utf8FromPath(path)};
};

TEST_F(IniFileTest, ReadString)
{
    struct Row {
        const char* what;
        std::optional<std::string> file; // nothing: no file at all
        const char* section;
        const char* key;
        std::string expected;
    };
    const Row rows[] = {
        {"plain key", "[Main]\r\nLeft=10\r\n", "Main", "Left", "10"},
        {"names in another letter case", "[MAIN]\r\nleft=10\r\n", "main", "LEFT", "10"},
        {"Cyrillic names in another letter case, value in UTF-8",
         "[" + kOkno + "]\r\n" + kCvet + "=" + kKrasny + "\r\n", "ОКНО", "цвет", "Красный"},
        {"Ё and ё are one letter", "[" + kYolka + "]\r\nk=1\r\n", "ёЛКА", "K", "1"},
        {"Ї and ї are one letter", "[" + kYizhak + "]\r\nk=1\r\n", "їЖАК", "k", "1"},
        {"LF lines", "[Main]\nLeft=10\nTop=20\n", "Main", "Top", "20"},
        {"last line without a break", "[Main]\r\nLeft=10", "Main", "Left", "10"},
        {"a stray CR before CR LF", "[Main]\r\r\nLeft=10\r\r\n", "Main", "Left", "10"},
        {"blanks around names and value", "  [ Main ]  \r\n  Left  =  10  \r\n", "Main", "Left", "10"},
        {"tabs around names and value", "[Main]\r\n\tLeft\t=\t10\t\r\n", "Main", "Left", "10"},
        {"blanks around the asked names", "[Main]\r\nLeft=10\r\n", " Main ", "\tLeft ", "10"},
        {"double quotes removed, blanks inside kept", "[Main]\r\nLeft=\" a b \"\r\n", "Main", "Left",
         " a b "},
        {"single quotes removed", "[Main]\r\nLeft='x'\r\n", "Main", "Left", "x"},
        {"mismatched quotes kept", "[Main]\r\nLeft=\"x'\r\n", "Main", "Left", "\"x'"},
        {"a lone quote kept", "[Main]\r\nLeft=\"\r\n", "Main", "Left", "\""},
        {"empty value is not the default", "[Main]\r\nLeft=\r\n", "Main", "Left", ""},
        {"value holding =", "[Main]\r\nLeft=a=b\r\n", "Main", "Left", "a=b"},
        {"missing file", std::nullopt, "Main", "Left", kDefault},
        {"empty file", "", "Main", "Left", kDefault},
        {"missing section", "[Other]\r\nLeft=1\r\n", "Main", "Left", kDefault},
        {"missing key", "[Main]\r\nTop=1\r\n", "Main", "Left", kDefault},
        {"key of the next section", "[Main]\r\nTop=1\r\n[Other]\r\nLeft=2\r\n", "Main", "Left", kDefault},
        {"key before any section", "Left=1\r\n[Main]\r\n", "Main", "Left", kDefault},
        {"line without = ignored", "[Main]\r\nLeft\r\nLeft=5\r\n", "Main", "Left", "5"},
        {"comment line ignored", "[Main]\r\n;Left=1\r\nLeft=2\r\n", "Main", "Left", "2"},
        {"indented comment is still a comment", "[Main]\r\n  ;Left=1\r\n", "Main", "Left", kDefault},
        {"first key wins", "[Main]\r\nLeft=1\r\nleft=2\r\n", "Main", "Left", "1"},
        {"first section wins", "[Main]\r\nLeft=1\r\n[main]\r\nLeft=2\r\n", "Main", "Left", "1"},
        {"only the first section is searched", "[Main]\r\nTop=1\r\n[main]\r\nLeft=2\r\n", "Main", "Left",
         kDefault},
        {"prefix of a name is not the name", "[Main]\r\nLeftX=1\r\n", "Main", "Left", kDefault},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        fs::remove(path);
        if (r.file)
            WriteBytes(path, *r.file);
        EXPECT_EQ(ini.ReadString(r.section, r.key, kDefault), r.expected);
    }
}

TEST_F(IniFileTest, ReadIntegerAndBool)
{
    struct Row {
        const char* what;
        const char* line; // the line under [Main]
        int integer;      // read with default -1
        bool boolFromFalse;
        bool boolFromTrue;
    };
    const Row rows[] = {
        {"decimal", "N=10", 10, true, true},
        {"zero", "N=0", 0, false, false},
        {"negative", "N=-7", -7, true, true},
        {"hex after $", "N=$1F", 31, true, true},
        {"hex after 0x", "N=0x10", 16, true, true},
        {"quoted number", "N='12'", 12, true, true},
        {"blanks around", "N=  12  ", 12, true, true},
        {"trailing letters", "N=12abc", -1, false, true},
        {"a word", "N=true", -1, false, true},
        {"empty value", "N=", -1, false, true},
        {"beyond 32 bits", "N=2147483648", -1, false, true},
        {"missing key", "M=1", -1, false, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        WriteBytes(path, std::string("[Main]\r\n") + r.line + "\r\n");
        EXPECT_EQ(ini.ReadInteger("main", "n", -1), r.integer);
        EXPECT_EQ(ini.ReadBool("main", "n", false), r.boolFromFalse);
        EXPECT_EQ(ini.ReadBool("main", "n", true), r.boolFromTrue);
    }
}

TEST_F(IniFileTest, EveryReadSeesTheFileAsItIsNow)
{
    WriteBytes(path, "[Main]\r\nLeft=1\r\n");
    IniFile other(Utf8FromPath(path));
    EXPECT_EQ(ini.ReadString("Main", "Left", ""), "1");
    other.WriteInteger("Main", "Left", 2);
    EXPECT_EQ(ini.ReadInteger("Main", "Left", 0), 2);
    WriteBytes(path, "[Main]\r\nLeft=3\r\n");
    EXPECT_EQ(ini.ReadString("Main", "Left", ""), "3");
    fs::remove(path);
    EXPECT_EQ(ini.ReadString("Main", "Left", "gone"), "gone");
}

TEST_F(IniFileTest, WriteString)
{
    struct Row {
        const char* what;
        std::optional<std::string> before; // nothing: no file yet
        std::string section;
        std::string key;
        std::string value;
        std::string after;
    };
    const Row rows[] = {
        {"first write creates the file", std::nullopt, "Main", "Left", "10", "[Main]\r\nLeft=10\r\n"},
        {"empty file gets no leading empty line", "", "Main", "Left", "10", "[Main]\r\nLeft=10\r\n"},
        {"update in place keeps the name's spelling and every other byte",
         "; head\n[Main]\nleft = 1\nTop=2\n", "MAIN", "Left", "10", "; head\n[Main]\nleft=10\r\nTop=2\n"},
        {"update of the last line without a break", "[Main]\r\nLeft=1", "Main", "Left", "10",
         "[Main]\r\nLeft=10\r\n"},
        {"update in the first of two same-named sections", "[Main]\r\nLeft=1\r\n[Main]\r\nLeft=2\r\n", "Main",
         "Left", "10", "[Main]\r\nLeft=10\r\n[Main]\r\nLeft=2\r\n"},
        {"append after the last key of the section", "[Main]\r\nA=1\r\nB=2\r\n\r\n[Other]\r\nC=3\r\n", "main",
         "Left", "10", "[Main]\r\nA=1\r\nB=2\r\nLeft=10\r\n\r\n[Other]\r\nC=3\r\n"},
        {"append under a header without keys", "[Main]\r\n\r\n[Other]\r\n", "Main", "Left", "10",
         "[Main]\r\nLeft=10\r\n\r\n[Other]\r\n"},
        {"a comment is not a key line", "[Main]\r\n;Left=1\r\n", "Main", "Left", "10",
         "[Main]\r\nLeft=10\r\n;Left=1\r\n"},
        {"append after a last line without a break", "[Main]\r\nA=1", "Main", "Left", "10",
         "[Main]\r\nA=1\r\nLeft=10\r\n"},
        {"new section after an empty line", "[Other]\r\nC=3\r\n", "Main", "Left", "10",
         "[Other]\r\nC=3\r\n\r\n[Main]\r\nLeft=10\r\n"},
        {"new section when the last line has no break", "[Other]\r\nC=3", "Main", "Left", "10",
         "[Other]\r\nC=3\r\n\r\n[Main]\r\nLeft=10\r\n"},
        {"Russian names and value in Windows-1251", std::nullopt, "Окно", "Цвет", "Красный",
         "[" + kOkno + "]\r\n" + kCvet + "=" + kKrasny + "\r\n"},
        {"a character Windows-1251 lacks becomes ?", std::nullopt, "Main", "Left", "café",
         "[Main]\r\nLeft=caf?\r\n"},
        {"line breaks dropped from every text", std::nullopt, "Ma\nin", "Le\r\nft", "a\r\nb\nc\r",
         "[Main]\r\nLeft=abc\r\n"},
        {"blanks around names dropped, value kept as given", "[Main]\r\nLeft=1\r\n", " Main ", " Left ",
         " 10 ", "[Main]\r\nLeft= 10 \r\n"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        fs::remove(path);
        if (r.before)
            WriteBytes(path, *r.before);
        ini.WriteString(r.section, r.key, r.value);
        EXPECT_EQ(ReadBytes(path), r.after);
        EXPECT_FALSE(fs::exists(Utf8FromPath(path) + ".tmp"));
    }
}

TEST_F(IniFileTest, WrittenValuesReadBack)
{
    ini.WriteString("Окно", "Цвет", "Красный");
    ini.WriteInteger("Main", "Left", -5);
    ini.WriteString("Main", "Name", "\"quoted\"");
    ini.WriteInteger("окно", "ЦВЕТ", 7);
    EXPECT_EQ(ini.ReadInteger("Main", "Left", 0), -5);
    EXPECT_EQ(ini.ReadString("Main", "Name", ""), "quoted");
    EXPECT_EQ(ini.ReadInteger("Окно", "Цвет", 0), 7);
    EXPECT_EQ(ReadBytes(path),
              "[" + kOkno + "]\r\n" + kCvet + "=7\r\n\r\n[Main]\r\nLeft=-5\r\nName=\"quoted\"\r\n");
}

std::set<fs::path> Listing(const fs::path& folder)
{
    std::set<fs::path> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.insert(entry.path());
    return names;
}

// True when the process can create files in a folder whose write permission is gone
// (root on Linux; Windows ignores the read-only mark of a folder).
bool WritesIgnoreFolderPermissions(const fs::path& folder)
{
    const fs::path probe = folder / "probe";
    const bool created = static_cast<bool>(std::ofstream(probe));
    fs::remove(probe);
    return created;
}

TEST(IniFileFailureTest, FailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    const std::string old = "[Main]\r\nLeft=1\r\n";
    struct Row {
        const char* what;
        fs::path target; // relative to the test folder
        bool readOnlyFolder;
        const char* inTempPlace; // a folder made where the temporary file goes
    };
    const Row rows[] = {
        {"read-only folder", "sub/settings.ini", true, nullptr},
        {"missing folder", "missing/settings.ini", false, nullptr},
        {"a folder in the temporary file's place", "sub/settings.ini", false, "sub/settings.ini.tmp"},
        {"the file is a folder", "sub/folder.ini", false, nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        TempDir dir;
        fs::create_directory(dir / "sub");
        const fs::path target = dir / r.target;
        if (r.target.filename() == "folder.ini")
            fs::create_directory(target);
        else if (fs::exists(target.parent_path()))
            WriteBytes(target, old);
        if (r.inTempPlace != nullptr)
            fs::create_directory(dir / r.inTempPlace);
        if (r.readOnlyFolder) {
            fs::permissions(dir / "sub", fs::perms::owner_read | fs::perms::owner_exec);
            if (WritesIgnoreFolderPermissions(dir / "sub")) {
                fs::permissions(dir / "sub", fs::perms::owner_all);
                std::cout << "[  SKIPPED ] " << r.what << ": this process writes into read-only folders\n";
                continue;
            }
        }
        const auto before = Listing(dir.Path());

        IniFile ini(Utf8FromPath(target));
        try {
            ini.WriteString("Main", "Left", "2");
            ADD_FAILURE() << "no IoError";
        } catch (const IoError& e) {
            EXPECT_STREQ(e.what(), ("Unable to write to " + Utf8FromPath(target)).c_str());
            EXPECT_NE(e.Code(), 0);
        }

        fs::permissions(dir / "sub", fs::perms::owner_all);
        EXPECT_EQ(Listing(dir.Path()), before);
        if (fs::is_regular_file(target)) {
            EXPECT_EQ(ReadBytes(target), old);
        }
    }
}

} // namespace
