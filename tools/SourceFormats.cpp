#include "tools/SourceFormats.h"

#include "app/Version.h"
#include "platform/text/Cp1251.h"
#include "tools/DataFileBuilder.h"

#include <array>
#include <map>
#include <set>
#include <string>

namespace {

std::string Utf8(std::u32string_view text)
{
    std::string out;
    for (const char32_t cp : text)
        AppendUtf8(out, cp);
    return out;
}

std::u32string U32(std::string_view utf8)
{
    std::u32string out;
    std::size_t pos = 0;
    char32_t cp = 0;
    while (NextCodePoint(utf8, pos, cp))
        out.push_back(cp);
    return out;
}

bool IsDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

// The decimal number that makes up the whole text, written without leading zeros;
// nothing for any other text or a number too big to matter here.
std::optional<int> PlainNumber(std::u32string_view text)
{
    if (text.empty() || text.size() > 6 || text[0] == U'0')
        return std::nullopt;
    int value = 0;
    for (const char32_t c : text) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + static_cast<int>(c - U'0');
    }
    return value;
}

class SignChecker final : public SourceFormatChecker {
public:
    explicit SignChecker(std::string file) : file_(std::move(file)) {}

    void Line(int lineNo, std::u32string_view line) override
    {
        // The window has controls for lines 2 to 29 only; a longer file is not a sign file.
        if (lineNo > kSignFileLines)
            throw DataFileError(file_, lineNo, 1,
                                "a sign file has at most " + std::to_string(kSignFileLines) + " lines");
        // Without the tab the reader would show the key together with the value.
        if (line.find(U'\t') == std::u32string_view::npos)
            throw DataFileError(file_, lineNo, 1, "no tab between the key and the value");
    }

    void Finish(int) override {}

private:
    std::string file_;
};

// The reader looks for the first line that starts with the number k and takes the line
// after it as the phrase, cutting as many characters as k has digits, plus one. Every line
// it passes must start with a number, so the phrase lines carry their number too.
class PhraseChecker final : public SourceFormatChecker {
public:
    explicit PhraseChecker(std::string file) : file_(std::move(file)) {}

    void Line(int lineNo, std::u32string_view line) override
    {
        if (line.empty())
            throw DataFileError(file_, lineNo, 1, "an empty line: the phrase reader would lose its place");
        if (next_ > PhraseCount)
            throw DataFileError(file_, lineNo, 1, "phrase numbers end at " + std::to_string(PhraseCount));
        const std::u32string number = U32(std::to_string(next_));
        if (!numberSeen_) {
            const auto n = PlainNumber(line);
            if (!n)
                throw DataFileError(file_, lineNo, 1,
                                    "expected the phrase number " + std::to_string(next_) +
                                        " alone on its line");
            if (*n < next_)
                throw DataFileError(file_, lineNo, 1, "phrase number " + std::to_string(*n) + " twice");
            if (*n > next_)
                throw DataFileError(file_, lineNo, 1, "phrase number " + std::to_string(next_) + " missing");
            numberSeen_ = true;
            return;
        }
        const std::u32string prefix = number + U' ';
        if (line.substr(0, prefix.size()) != prefix)
            throw DataFileError(file_, lineNo, 1,
                                "the phrase line must begin with " + std::to_string(next_) +
                                    " and one blank");
        if (line.size() == prefix.size())
            throw DataFileError(file_, lineNo, static_cast<int>(prefix.size()) + 1,
                                "phrase " + std::to_string(next_) + " is empty");
        if (line[prefix.size()] == U' ')
            throw DataFileError(file_, lineNo, static_cast<int>(prefix.size()) + 1,
                                "only one blank may follow the phrase number");
        numberSeen_ = false;
        ++next_;
    }

    void Finish(int lineCount) override
    {
        if (numberSeen_)
            throw DataFileError(file_, lineCount + 1, 1,
                                "phrase " + std::to_string(next_) + " has no phrase line");
        if (next_ <= PhraseCount)
            throw DataFileError(file_, lineCount + 1, 1,
                                "phrase number " + std::to_string(next_) + " missing");
    }

private:
    std::string file_;
    int next_ = 1;
    bool numberSeen_ = false;
};

struct Month {
    const char* genitive;
    int days; // 29 for February: name days are kept for the leap day too
};
constexpr std::array<Month, 12> kMonths{{{"января", 31},
                                         {"февраля", 29},
                                         {"марта", 31},
                                         {"апреля", 30},
                                         {"мая", 31},
                                         {"июня", 30},
                                         {"июля", 31},
                                         {"августа", 31},
                                         {"сентября", 30},
                                         {"октября", 31},
                                         {"ноября", 30},
                                         {"декабря", 31}}};

// Lines of "1 января", a tab and the names joined by ", ". The library splits the names
// at each comma and drops the one character after it, keeps only the last line of a date,
// and can return at most 999 names and 29 dates of a name.
class NameDayChecker final : public SourceFormatChecker {
public:
    explicit NameDayChecker(std::string file) : file_(std::move(file)) {}

    void Line(int lineNo, std::u32string_view line) override
    {
        const std::size_t tab = line.find(U'\t');
        if (tab == std::u32string_view::npos)
            throw DataFileError(file_, lineNo, 1, "no tab after the date");
        const std::u32string_view date = line.substr(0, tab);
        CheckDate(lineNo, date);

        const std::u32string_view names = line.substr(tab + 1);
        if (names.empty())
            return; // a day without name days
        std::set<std::string> onThisLine;
        for (std::size_t start = 0;;) {
            const std::size_t comma = names.find(U',', start);
            const std::size_t end = comma == std::u32string_view::npos ? names.size() : comma;
            const std::u32string_view name = names.substr(start, end - start);
            const int column = static_cast<int>(tab + 2 + start);
            if (name.empty())
                throw DataFileError(file_, lineNo, column, "an empty name");
            if (name.front() <= U' ' || name.back() <= U' ')
                throw DataFileError(file_, lineNo, column, "a blank at the start or end of a name");
            AddName(lineNo, column, Utf8(name), onThisLine);
            if (comma == std::u32string_view::npos)
                break;
            if (comma + 1 >= names.size() || names[comma + 1] != U' ')
                throw DataFileError(file_, lineNo, static_cast<int>(tab + 2 + comma),
                                    "a comma must be followed by one blank");
            start = comma + 2;
        }
    }

    void Finish(int) override {}

private:
    void CheckDate(int lineNo, std::u32string_view date)
    {
        const std::string text = Utf8(date);
        const std::size_t blank = date.find(U' ');
        const auto day =
            blank == std::u32string_view::npos ? std::nullopt : PlainNumber(date.substr(0, blank));
        int month = 0;
        if (day) {
            const std::string genitive = Utf8(date.substr(blank + 1));
            for (std::size_t m = 0; m < kMonths.size(); ++m)
                if (genitive == kMonths[m].genitive)
                    month = static_cast<int>(m) + 1;
        }
        if (!day || month == 0)
            throw DataFileError(
                file_, lineNo, 1,
                "bad date \"" + text +
                    "\": the day without leading zeros, one blank, the month in the genitive");
        if (*day > kMonths[month - 1].days)
            throw DataFileError(file_, lineNo, 1, "bad date \"" + text + "\": the month has no such day");
        const auto [it, added] = dates_.emplace(text, lineNo);
        if (!added)
            throw DataFileError(file_, lineNo, 1,
                                "bad date \"" + text + "\": already on line " + std::to_string(it->second) +
                                    ", and a search by date sees only the last line");
    }

    void AddName(int lineNo, int column, const std::string& name, std::set<std::string>& onThisLine)
    {
        if (!onThisLine.insert(name).second)
            throw DataFileError(file_, lineNo, column, "\"" + name + "\" twice on one date");
        auto [it, added] = dateCounts_.emplace(name, 0);
        if (added && static_cast<int>(dateCounts_.size()) > kNameDayMaxNames)
            throw DataFileError(file_, lineNo, column,
                                "more than " + std::to_string(kNameDayMaxNames) + " names: \"" + name +
                                    "\" is one too many");
        if (++it->second > kNameDayMaxDates)
            throw DataFileError(file_, lineNo, column,
                                "\"" + name + "\" on more than " + std::to_string(kNameDayMaxDates) +
                                    " dates");
    }

    std::string file_;
    std::map<std::string, int> dates_;      // date text -> its line
    std::map<std::string, int> dateCounts_; // name -> number of its dates
};

} // namespace

std::optional<SourceFormat> SourceFormatFromName(std::string_view name)
{
    if (name == "lines")
        return SourceFormat::Lines;
    if (name == "sign")
        return SourceFormat::Sign;
    if (name == "phrases")
        return SourceFormat::Phrases;
    if (name == "names")
        return SourceFormat::Names;
    return std::nullopt;
}

std::unique_ptr<SourceFormatChecker> MakeFormatChecker(SourceFormat format, const std::string& fileName)
{
    switch (format) {
    case SourceFormat::Sign:
        return std::make_unique<SignChecker>(fileName);
    case SourceFormat::Phrases:
        return std::make_unique<PhraseChecker>(fileName);
    case SourceFormat::Names:
        return std::make_unique<NameDayChecker>(fileName);
    case SourceFormat::Lines:
        break;
    }
    return nullptr;
}
