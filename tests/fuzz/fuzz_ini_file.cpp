// Arbitrary bytes as an ini file. Names and a value are taken from the input itself, so
// that writes land in existing sections and on existing keys as often as in new ones.
// Besides not crashing: the written value reads back, the written line ends with CR LF,
// every other line stays as it was (only the last line may gain the break it lacked), and
// a key read before the write reads the same afterwards unless it is the written one.
#include "FuzzFolder.h"
#include "platform/FileIo.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Cp1251.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path& Folder()
{
    return FuzzFolder("ini");
}

struct Line {
    std::string text;
    std::string end; // "\r\n", "\n" or "" for a last line without a break
};

std::vector<Line> Lines(std::string_view bytes)
{
    std::vector<Line> lines;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        if (lf == std::string_view::npos) {
            lines.push_back({std::string(bytes), ""});
            break;
        }
        const bool crlf = lf > 0 && bytes[lf - 1] == '\r';
        lines.push_back({std::string(bytes.substr(0, crlf ? lf - 1 : lf)), crlf ? "\r\n" : "\n"});
        bytes.remove_prefix(lf + 1);
    }
    return lines;
}

// A name that can be written: no line break, nothing that would make its line a section
// header, a comment or split it at the wrong "=".
std::string NameFrom(std::string_view bytes, const char* fallback)
{
    std::string name;
    for (char c : bytes)
        if (c != '\r' && c != '\n' && c != '[' && c != ']' && c != '=' && c != ';')
            name += c;
    const auto first = name.find_first_not_of(" \t\r\v\f");
    if (first == std::string::npos)
        return fallback;
    return Cp1251ToUtf8(name.substr(first, name.find_last_not_of(" \t\r\v\f") - first + 1));
}

std::string_view Between(std::string_view s, char open, char close)
{
    const std::size_t a = s.find(open);
    if (a == std::string_view::npos)
        return {};
    const std::size_t b = s.find_first_of(std::string{close, '\n'}, a + 1);
    return s.substr(a + 1, b == std::string_view::npos ? b : b - a - 1);
}

// The name part of the first key-looking line after the first section header.
std::string_view KeyText(std::string_view s)
{
    const std::size_t close = s.find(']');
    const std::size_t eq = s.find('=', close == std::string_view::npos ? 0 : close);
    if (eq == std::string_view::npos)
        return {};
    const std::size_t lf = s.rfind('\n', eq);
    const std::size_t start = lf == std::string_view::npos ? 0 : lf + 1;
    return s.substr(start, eq - start);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const fs::path path = Folder() / "settings.ini";
    fs::remove(path);
    if (!bytes.empty()) {
        File f = File::CreateWrite(path);
        f.Write(bytes);
        f.Close();
    }

    const std::string section = NameFrom(Between(bytes, '[', ']'), "Main");
    const std::string key = NameFrom(KeyText(bytes), "Key");
    // "v" in front and "." behind: the value is never blank-trimmed nor unquoted on reading.
    std::string middle;
    for (char c : bytes.substr(bytes.size() - std::min<std::size_t>(bytes.size(), 12)))
        if (c != '\r' && c != '\n')
            middle += c;
    const std::string value = "v" + Cp1251ToUtf8(middle) + ".";

    IniFile ini(Utf8FromPath(path));
    struct Probe {
        std::string section, key;
    };
    const Probe probes[] = {{section, "Key"}, {"Main", key}, {section + "x", key}, {section, key + "x"}};
    std::vector<std::string> before;
    for (const Probe& p : probes) {
        before.push_back(ini.ReadString(p.section, p.key, "\x01"));
        (void)ini.ReadInteger(p.section, p.key, 0);
        (void)ini.ReadBool(p.section, p.key, false);
    }

    ini.WriteString(section, key, value);

    if (ini.ReadString(section, key, "\x01") != value)
        std::abort();
    for (std::size_t i = 0; i < before.size(); ++i) {
        const std::string now = ini.ReadString(probes[i].section, probes[i].key, "\x01");
        if (now != before[i] && now != value)
            std::abort();
    }

    const std::vector<Line> oldLines = Lines(bytes);
    const std::string written = File::OpenRead(path).ReadAll();
    const std::vector<Line> newLines = Lines(written);
    const std::size_t m = oldLines.size(), n = newLines.size();
    auto same = [&](std::size_t o, std::size_t w) {
        const Line& a = oldLines[o];
        const Line& b = newLines[w];
        return a.text == b.text && (a.end == b.end || (o + 1 == m && a.end.empty() && b.end == "\r\n"));
    };
    std::size_t p = 0;
    while (p < m && p < n && same(p, p))
        ++p;
    std::size_t s = 0;
    while (s < m - p && s < n - p && same(m - 1 - s, n - 1 - s))
        ++s;
    const std::size_t oldMiddle = m - p - s, newMiddle = n - p - s;
    // One line replaced, one inserted, a section of up to three lines appended, or nothing
    // changed when the line already said so.
    if (oldMiddle > 1 || newMiddle > 3 || (oldMiddle == 1 && newMiddle != 1))
        std::abort();
    const std::string valueBytes = "=" + Utf8ToCp1251(value);
    const std::string header = "[" + Utf8ToCp1251(section) + "]";
    int keyLines = 0;
    for (std::size_t i = p; i < p + newMiddle; ++i) {
        const Line& l = newLines[i];
        if (l.end != "\r\n")
            std::abort();
        const bool isKey =
            l.text.size() >= valueBytes.size() &&
            l.text.compare(l.text.size() - valueBytes.size(), valueBytes.size(), valueBytes) == 0;
        keyLines += isKey;
        if (!isKey && l.text != header && !l.text.empty())
            std::abort();
    }
    if (newMiddle != 0 && keyLines != 1)
        std::abort();
    return 0;
}
