// Arbitrary plain name-day files through the library KVL's three lookups, as the library
// loads them from its temporary folder. Every lookup must succeed, keep the last entry of its
// array empty, and agree with a plain reading of the file's rules over the whole file in memory.
extern "C" {
#include "kvl/KVL.h"
}

#include "platform/FileIo.h"
#include "platform/TempFolder.h"
#include "platform/text/Cp1251.h"
#include "platform/text/TextReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
constexpr std::size_t kNone = std::string::npos;

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

std::string Trim(const std::string& s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32)
        --e;
    return s.substr(b, e - b);
}

std::string DateOf(const std::string& line)
{
    const auto tab = line.find('\t');
    return tab == kNone ? std::string() : line.substr(0, tab);
}

std::string NamesOf(const std::string& line)
{
    const auto tab = line.find('\t');
    return tab == kNone ? line : line.substr(tab + 1);
}

Texts Split(std::string rest)
{
    Texts pieces;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        if (comma != kNone) {
            pieces.push_back(rest.substr(0, comma));
            rest.erase(0, std::min(rest.size(), comma + 2));
        }
        if (rest.find(',') == kNone) {
            pieces.push_back(rest);
            rest.clear();
        }
    }
    return pieces;
}

// At most `limit` texts, each as the caller reads a C text: up to its first zero byte.
Texts Limited(Texts texts, std::size_t limit)
{
    if (texts.size() > limit)
        texts.resize(limit);
    for (std::string& text : texts)
        text = text.c_str();
    return texts;
}

Texts ExpectedDay(const Texts& lines, unsigned day, unsigned month)
{
    static const char* const months[] = {"января", "февраля", "марта",    "апреля",  "мая",    "июня",
                                         "июля",   "августа", "сентября", "октября", "ноября", "декабря"};
    const std::string key =
        std::to_string(day) + " " + (month >= 1 && month <= 12 ? Utf8ToCp1251(months[month - 1]) : "");
    const std::string* match = nullptr;
    for (const std::string& line : lines)
        if (DateOf(line) == key)
            match = &line;
    return match == nullptr ? Texts{} : Limited(Split(NamesOf(*match)), KVL_NAME_ENTRIES - 1);
}

Texts ExpectedDates(const Texts& lines, const std::string& name)
{
    const std::string wanted = Trim(name);
    Texts dates;
    for (const std::string& line : lines)
        if (!wanted.empty() && Trim(NamesOf(line)).find(wanted) != kNone)
            dates.push_back(DateOf(line));
    return Limited(dates, KVL_DATE_ENTRIES - 1);
}

Texts ExpectedAll(const Texts& lines)
{
    Texts names;
    for (const std::string& line : lines)
        for (const std::string& piece : Split(NamesOf(line))) {
            const std::string name = Trim(piece);
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(name);
        }
    return Limited(names, KVL_NAME_ENTRIES - 1);
}

template <std::size_t N>
Texts Answer(const char* const (&entries)[N])
{
    Check(entries[N - 1] == nullptr);
    Texts texts;
    std::size_t i = 0;
    for (; i < N && entries[i] != nullptr; ++i)
        texts.emplace_back(entries[i]);
    for (; i < N; ++i)
        Check(entries[i] == nullptr);
    return texts;
}

const std::filesystem::path& PlainCopy()
{
    static const std::filesystem::path path = PathFromUtf8(SystemTempFolder() + "suxx.txt");
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    {
        File plain = File::CreateWrite(PlainCopy());
        plain.Write(bytes);
        plain.Close();
    }
    const Texts lines = SplitTextLines(bytes);

    // The questions come from the input too: its last three bytes say where the name asked
    // for starts, the day and the month. (The seeds keep them after a Ctrl+Z, which ends the
    // text for the reader.)
    const unsigned month = size > 0 ? data[size - 1] % 14 : 1;
    const unsigned day = size > 1 ? data[size - 2] % 40 : 1;
    const std::size_t from = size > 2 ? data[size - 3] % size : 0;
    const std::string cName = std::string(bytes.substr(from, 8)).c_str(); // a C text ends at a zero byte

    KVL_NameArray names;
    KVL_DateArray dates;
    Check(KVL_DayToNames(static_cast<unsigned char>(day), static_cast<unsigned char>(month), names) == 0);
    Check(Answer(names) == ExpectedDay(lines, day, month));
    Check(KVL_NameToDays(cName.c_str(), dates) == 0);
    Check(Answer(dates) == ExpectedDates(lines, cName));
    Check(KVL_ListNames(names) == 0);
    Check(Answer(names) == ExpectedAll(lines));
    return 0;
}
