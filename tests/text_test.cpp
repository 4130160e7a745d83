#include "platform/Errors.h"
#include "platform/text/Cp1251.h"
#include "platform/text/TextReader.h"
#include "platform/text/WholeNumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(Cp1251Test, RussianAlphabetAndPunctuation)
{
    EXPECT_EQ(Utf8ToCp1251("Аня"), "\xC0\xED\xFF");
    EXPECT_EQ(Utf8ToCp1251("Ёё№«»—"), "\xA8\xB8\xB9\xAB\xBB\x97");
    EXPECT_EQ(Cp1251ToUtf8("\xC0\xED\xFF"), "Аня");
    EXPECT_EQ(Utf8ToCp1251("abc\t1"), "abc\t1");
}

TEST(Cp1251Test, EveryByteRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        ASSERT_EQ(Utf8ToCp1251(Cp1251ToUtf8(one)), one) << b;
    }
    EXPECT_EQ(CodePointFromCp1251(0x98), 0x98u);
    EXPECT_EQ(CodePointFromCp1251(0x88), 0x20ACu); // euro sign
    EXPECT_EQ(CodePointFromCp1251(0xFF), 0x044Fu);
}

TEST(Cp1251Test, MissingCharactersAndBrokenUtf8BecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ToCp1251("é😀漢"), "???");
    EXPECT_EQ(Utf8ToCp1251("a\xFF" "b"), "a?b");
    EXPECT_EQ(Utf8ToCp1251("\xD0"), "?");           // cut sequence
    EXPECT_EQ(Utf8ToCp1251("\xC0\x80"), "??");      // overlong form of NUL
    EXPECT_EQ(Utf8ToCp1251("\xED\xA0\x80"), "???"); // a surrogate
    EXPECT_FALSE(Cp1251FromCodePoint(0x00E9).has_value());
}

TEST(WholeNumberTest, TheConversionRule)
{
    struct Row {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Row rows[] = {
        {"0", 0},
        {"31", 31},
        {"007", 7},
        {"  12", 12},
        {"+5", 5},
        {"-5", -5},
        {"$A", 10},
        {"$a", 10},
        {"xFF", 255},
        {"XfF", 255},
        {"0x10", 16},
        {"0X10", 16},
        {"-$A", -10},
        {" +0x1f", 31},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"$7FFFFFFF", INT32_MAX},
        {"2147483648", std::nullopt},
        {"$80000000", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"ab", std::nullopt},
        {"12 ", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
        {"\t5", std::nullopt},
        {"--5", std::nullopt},
        {"$G", std::nullopt},
        {"１２", std::nullopt}, // full-width digits are not digits here
    };
    for (const Row& r : rows) {
        EXPECT_EQ(TryParseWholeNumber(r.text), r.value) << "«" << r.text << "»";
        if (r.value)
            EXPECT_EQ(ParseWholeNumber(r.text), *r.value);
        else
            EXPECT_THROW(ParseWholeNumber(r.text), ConvertError) << "«" << r.text << "»";
    }
}

TEST(TextReaderTest, LineRules)
{
    struct Row {
        const char* what;
        std::string bytes;
        Lines lines;
    };
    const Row rows[] = {
        {"empty", "", {}},
        {"one line without a break", "abc", {"abc"}},
        {"one line with a break", "abc\r\n", {"abc"}},
        {"bare LF", "a\nb\n", {"a", "b"}},
        {"mixed breaks", "a\r\nb\nc", {"a", "b", "c"}},
        {"empty lines", "\r\n\r\n", {"", ""}},
        {"line then empty line", "abc\r\n\r\n", {"abc", ""}},
        {"lone CR is dropped", "a\rb\r\nc", {"ab", "c"}},
        {"CR at the very end", "ab\r", {"ab"}},
        {"CR CR LF", "a\r\r\nb", {"a", "b"}},
        {"Ctrl+Z at a line start ends the text", "a\r\n\x1A" "b\r\nc", {"a"}},
        {"Ctrl+Z as the first byte", "\x1A" "abc", {}},
        {"Ctrl+Z inside a line is kept", "a\x1A" "b\r\nc", {"a\x1A" "b", "c"}},
        {"NUL bytes are ordinary", std::string("a\0b", 3), {std::string("a\0b", 3)}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(SplitTextLines(r.bytes), r.lines) << r.what;
}

// Hands out at most a few bytes per read, so CR LF pairs and Ctrl+Z fall across refills.
class TricklingSource final : public ByteSource {
public:
    TricklingSource(std::string bytes, std::size_t step) : bytes_(std::move(bytes)), step_(step) {}
    std::size_t Read(char* buffer, std::size_t size) override
    {
        const std::size_t n = std::min({size, step_, bytes_.size() - pos_});
        bytes_.copy(buffer, n, pos_);
        pos_ += n;
        return n;
    }

private:
    std::string bytes_;
    std::size_t step_;
    std::size_t pos_ = 0;
};

TEST(TextReaderTest, LinesSplitAcrossReadsAndLongLines)
{
    const std::string text = "one\r\ntwo\rX\r\n\r\nthree\n\x1A" "rest";
    for (std::size_t step : {1u, 2u, 3u, 5u}) {
        TricklingSource source(text, step);
        TextLineReader reader(source);
        Lines lines;
        std::string line;
        while (reader.Next(line))
            lines.push_back(line);
        EXPECT_EQ(lines, (Lines{"one", "twoX", "", "three"})) << "step " << step;
    }
    const std::string longLine(300000, 'z');
    EXPECT_EQ(SplitTextLines(longLine + "\r\nend"), (Lines{longLine, "end"}));
}

} // namespace
