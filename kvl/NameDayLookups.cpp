#include "kvl/NameDayLookups.h"

#include "platform/text/Cp1251.h"
#include "platform/text/TextReader.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace {

constexpr std::string_view::size_type kNone = std::string_view::npos;

const std::array<std::string, 12>& MonthNames()
{
    static const std::array<std::string, 12> names = [] {
        const char* const utf8[] = {"января", "февраля", "марта",    "апреля",  "мая",    "июня",
                                    "июля",   "августа", "сентября", "октября", "ноября", "декабря"};
        std::array<std::string, 12> cp1251;
        for (std::size_t i = 0; i < cp1251.size(); ++i)
            cp1251[i] = Utf8ToCp1251(utf8[i]);
        return cp1251;
    }();
    return names;
}

// Characters up to the blank (control characters included) are not part of a name.
std::string_view Trimmed(std::string_view text)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The part before the first tab; a line without a tab has no date text.
std::string_view DateText(std::string_view line)
{
    const auto tab = line.find('\t');
    return tab == kNone ? std::string_view() : line.substr(0, tab);
}

// The part after the first tab; a line without a tab is all names.
std::string_view NamesPart(std::string_view line)
{
    const auto tab = line.find('\t');
    return tab == kNone ? line : line.substr(tab + 1);
}

// Splits a names part the way the file has always been read: a piece ends at a comma, and
// the comma takes the next character (the blank of ", ") with it. A names part ending in
// ", " thus ends with an empty piece. `take` returns false to stop early.
template <class Take>
bool SplitNames(std::string_view rest, Take&& take)
{
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        if (comma != kNone) {
            if (!take(rest.substr(0, comma)))
                return false;
            rest.remove_prefix(std::min(rest.size(), comma + 2));
        }
        if (rest.find(',') == kNone) {
            if (!take(rest))
                return false;
            rest = {};
        }
    }
    return true;
}

} // namespace

std::string DateKey(unsigned day, unsigned month)
{
    std::string key = std::to_string(day) + ' ';
    if (month >= 1 && month <= 12)
        key += MonthNames()[month - 1];
    return key;
}

std::vector<std::string> NamesOfDay(ByteSource& plain, std::string_view key, std::size_t limit)
{
    TextLineReader reader(plain);
    std::string line, match;
    bool matched = false;
    while (reader.Next(line)) {
        if (DateText(line) == key) {
            match.swap(line);
            matched = true;
        }
    }
    std::vector<std::string> names;
    if (matched)
        SplitNames(NamesPart(match), [&](std::string_view name) {
            if (names.size() == limit)
                return false;
            names.emplace_back(name);
            return true;
        });
    return names;
}

std::vector<std::string> DaysOfName(ByteSource& plain, std::string_view name, std::size_t limit)
{
    TextLineReader reader(plain);
    const std::string_view wanted = Trimmed(name);
    std::vector<std::string> dates;
    std::string line;
    while (dates.size() < limit && reader.Next(line)) {
        if (!wanted.empty() && Trimmed(NamesPart(line)).find(wanted) != kNone)
            dates.emplace_back(DateText(line));
    }
    return dates;
}

std::vector<std::string> AllNames(ByteSource& plain, std::size_t limit)
{
    TextLineReader reader(plain);
    std::vector<std::string> names;
    std::unordered_set<std::string_view> seen;
    // The set looks into the strings of `names`; reserving keeps them where they are.
    names.reserve(limit);
    std::string line;
    bool room = limit > 0;
    while (room && reader.Next(line)) {
        room = SplitNames(NamesPart(line), [&](std::string_view piece) {
            const std::string_view name = Trimmed(piece);
            if (seen.count(name) == 0) {
                names.emplace_back(name);
                seen.insert(names.back());
            }
            return names.size() < limit;
        });
    }
    return names;
}
