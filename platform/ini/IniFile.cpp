#include "platform/ini/IniFile.h"

#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/text/Cp1251.h"
#include "platform/text/WholeNumber.h"

#include <array>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

namespace {

// Names are compared in the file's own bytes, so one table covers every letter the file
// can hold.
constexpr std::array<unsigned char, 256> MakeFoldTable()
{
    std::array<unsigned char, 256> fold{};
    for (int c = 0; c < 256; ++c)
        fold[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        fold[c] = static_cast<unsigned char>(c + 0x20);
    for (int c = 0xC0; c <= 0xDF; ++c) // А..Я
        fold[c] = static_cast<unsigned char>(c + 0x20);
    // The Cyrillic capitals outside the main block, each with its small letter.
    constexpr unsigned char pairs[][2] = {
        {0xA8, 0xB8}, {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C},
        {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC},
        {0xA5, 0xB4}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
    };
    for (const auto& p : pairs)
        fold[p[0]] = p[1];
    return fold;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (kFold[static_cast<unsigned char>(a[i])] != kFold[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}

// A stray CR (one not followed by LF) is part of its line; it counts as a blank so that a
// line from a file with doubled CRs still reads.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string WithoutLineBreaks(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != '\r' && c != '\n')
            out += c;
    return out;
}

// A name as the file holds it: Windows-1251, single-line, trimmed.
std::string NameInFile(std::string_view utf8)
{
    return std::string(Trim(Utf8ToCp1251(WithoutLineBreaks(utf8))));
}

// Content is [begin, end); the line break, if any, runs from end to next.
struct Line {
    std::size_t begin;
    std::size_t end;
    std::size_t next;
};

std::vector<Line> SplitLines(std::string_view bytes)
{
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t lf = bytes.find('\n', pos);
        if (lf == std::string_view::npos) {
            lines.push_back({pos, bytes.size(), bytes.size()});
            break;
        }
        const std::size_t end = (lf > pos && bytes[lf - 1] == '\r') ? lf - 1 : lf;
        lines.push_back({pos, end, lf + 1});
        pos = lf + 1;
    }
    return lines;
}

enum class Kind { Other, Section, Key };

struct Parsed {
    Kind kind = Kind::Other;
    std::string_view name;
    std::string_view value;
};

Parsed ParseLine(std::string_view content)
{
    const std::string_view text = Trim(content);
    if (text.empty() || text.front() == ';')
        return {};
    if (text.front() == '[') {
        const std::size_t close = text.find(']', 1);
        return {Kind::Section, Trim(text.substr(1, close == std::string_view::npos ? close : close - 1)), {}};
    }
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos)
        return {};
    return {Kind::Key, Trim(text.substr(0, eq)), Trim(text.substr(eq + 1))};
}

std::string_view Unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Where a key stands: only the first section of that name counts, as on Windows.
struct Place {
    std::optional<std::size_t> section; // the header line
    std::optional<std::size_t> key;     // the key's line
    std::size_t lastOfSection = 0;      // the last key line of the section, or its header
    std::string_view keyName;           // as the file spells it
    std::string_view value;
};

Place Locate(std::string_view bytes, const std::vector<Line>& lines, std::string_view section,
             std::string_view key)
{
    Place place;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Parsed p = ParseLine(bytes.substr(lines[i].begin, lines[i].end - lines[i].begin));
        if (p.kind == Kind::Section) {
            if (place.section)
                break;
            if (SameName(p.name, section))
                place.section = place.lastOfSection = i;
        } else if (p.kind == Kind::Key && place.section) {
            place.lastOfSection = i;
            if (!place.key && SameName(p.name, key)) {
                place.key = i;
                place.keyName = p.name;
                place.value = p.value;
            }
        }
    }
    return place;
}

std::optional<std::string> ReadValue(const std::string& fileName, std::string_view section,
                                     std::string_view key)
{
    std::string bytes;
    try {
        bytes = File::OpenRead(PathFromUtf8(fileName)).ReadAll();
    } catch (const IoError&) {
        // An unreadable file reads as a missing one, as GetPrivateProfileString does.
        return std::nullopt;
    }
    const Place place = Locate(bytes, SplitLines(bytes), NameInFile(section), NameInFile(key));
    if (!place.key)
        return std::nullopt;
    return std::string(Unquoted(place.value));
}

std::string WithKey(const std::string& bytes, const std::string& section, const std::string& key,
                    const std::string& value)
{
    const std::vector<Line> lines = SplitLines(bytes);
    const Place place = Locate(bytes, lines, section, key);
    if (place.key) {
        // Only the value changes; the name keeps the spelling the file gave it.
        const Line& l = lines[*place.key];
        return bytes.substr(0, l.begin) + std::string(place.keyName) + "=" + value + "\r\n" +
               bytes.substr(l.next);
    }
    const std::string keyLine = key + "=" + value;
    if (place.section) {
        const Line& l = lines[place.lastOfSection];
        std::string out = bytes.substr(0, l.next);
        if (l.next == l.end) // the file's last line, without a break
            out += "\r\n";
        return out + keyLine + "\r\n" + bytes.substr(l.next);
    }
    std::string out = bytes;
    if (!out.empty()) {
        if (out.back() != '\n')
            out += "\r\n";
        out += "\r\n";
    }
    return out + "[" + section + "]\r\n" + keyLine + "\r\n";
}

std::string ReadForUpdate(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::status(path, ec).type() == std::filesystem::file_type::not_found)
        return {};
    return File::OpenRead(path).ReadAll();
}

} // namespace

IniFile::IniFile(std::string fileNameUtf8) : fileName_(std::move(fileNameUtf8))
{
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    const std::optional<std::string> value = ReadValue(fileName_, section, key);
    return value ? Cp1251ToUtf8(*value) : std::string(def);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const
{
    const std::optional<std::string> value = ReadValue(fileName_, section, key);
    if (!value)
        return def;
    return TryParseWholeNumber(*value).value_or(def);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string name = NameInFile(key);
    const std::string bytes = Utf8ToCp1251(WithoutLineBreaks(value));
    const std::filesystem::path path = PathFromUtf8(fileName_);
    const std::filesystem::path temp = PathFromUtf8(fileName_ + ".tmp");
    try {
        const std::string content = WithKey(ReadForUpdate(path), NameInFile(section), name, bytes);
        // Whatever is in the temporary file's place is not ours until this succeeds.
        File out = File::CreateWrite(temp);
        try {
            out.Write(content);
            out.Close();
            RenameFile(temp, path);
        } catch (const IoError&) {
            try {
                out.Close();
            } catch (const IoError&) {
            }
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            throw;
        }
    } catch (const IoError& e) {
        throw IoError(e.Code(), "Unable to write to " + fileName_);
    }
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value)
{
    WriteString(section, key, std::to_string(value));
}
