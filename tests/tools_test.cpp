#include "data/Tools.h"
#include "platform/services/Clipboard.h"
#include "platform/services/Paths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

#ifdef _WIN32
const std::string S = "\\";
const std::string kProgram = "C:\\Ortavi";
const std::string kTemp = "C:\\Temp";
#else
const std::string S = "/";
const std::string kProgram = "/opt/Ortavi";
const std::string kTemp = "/tmp/ortavi-test";
#endif

class RecordingClipboard final : public Clipboard {
public:
    void SetText(const std::string& utf8) override { texts.push_back(utf8); }
    std::string Text() const override { return texts.empty() ? std::string() : texts.back(); }

    std::vector<std::string> texts;
};

class ToolsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousPaths = SetPaths(&paths);
        previousClipboard = SetClipboard(&clipboard);
    }
    void TearDown() override
    {
        SetPaths(previousPaths);
        SetClipboard(previousClipboard);
    }

    FixedPaths paths{kProgram, kTemp};
    RecordingClipboard clipboard;
    Paths* previousPaths = nullptr;
    Clipboard* previousClipboard = nullptr;
};

TEST_F(ToolsTest, FilesOfTheProgramFolderAndTheTemporaryFolder)
{
    EXPECT_EQ(ProgramFilePath("names.dat"), kProgram + S + "names.dat");
    EXPECT_EQ(ProgramFilePath("Data\\Oven.dat"), kProgram + S + "Data" + S + "Oven.dat");
    EXPECT_EQ(TempFolderPath(), kTemp + S);

    SetPaths(nullptr);
    EXPECT_EQ(ProgramFilePath("Data\\Oven.dat"), SystemPaths().ProgramFolder() + "Data" + S + "Oven.dat");
    EXPECT_EQ(TempFolderPath(), SystemPaths().TempFolder());
}

TEST_F(ToolsTest, CopyTextToClipboardKeepsWhatWindows1251Holds)
{
    struct Row {
        const char* what;
        std::string text;
        std::string copied;
    };
    const Row rows[] = {
        {"Latin text", "BMI = 22.5", "BMI = 22.5"},
        {"Russian text and line breaks", "Имя: Ёжик\r\nВес: 60 кг", "Имя: Ёжик\r\nВес: 60 кг"},
        {"punctuation of the code page", "«№ 5» — €", "«№ 5» — €"},
        {"letters the code page lacks", "café ß", "caf? ?"},
        {"a character beyond the BMP", "ok 😀", "ok ?"},
        {"broken UTF-8", "a\xFF-b", "a?-b"},
        {"empty text", "", ""},
    };
    for (const Row& r : rows) {
        clipboard.texts.clear();
        CopyTextToClipboard(r.text);
        EXPECT_EQ(clipboard.texts, std::vector<std::string>{r.copied}) << r.what;
    }
}

TEST_F(ToolsTest, CopyTextToClipboardWithoutAClipboardDoesNothing)
{
    SetClipboard(nullptr);
    EXPECT_NO_THROW(CopyTextToClipboard("text"));
    EXPECT_TRUE(clipboard.texts.empty());
}

TEST(IsTrueTextTest, Rows)
{
    struct Row {
        const char* text;
        bool expected;
    };
    const Row rows[] = {
        {"TRUE", true},   {"true", true}, {"True", true},  {"tRuE", true},   {"FALSE", false},
        {"1", false},     {"yes", false}, {"", false},     {" TRUE", false}, {"TRUE ", false},
        {"TRUEX", false}, {"TRU", false}, {"ТRUE", false}, // Cyrillic Т
    };
    for (const Row& r : rows)
        EXPECT_EQ(IsTrueText(r.text), r.expected) << '"' << r.text << '"';
}

} // namespace
