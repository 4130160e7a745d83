#include "data/SignFile.h"

#include "platform/FileIo.h"
#include "platform/text/Cp1251.h"
#include "platform/text/TextReader.h"

namespace {

struct SignFile {
    std::string_view Sign;
    const char* File;
};

constexpr SignFile kSignFiles[12] = {
    {"Овен", "Oven.dat"},      {"Телец", "Telets.dat"},     {"Близнецы", "Twins.dat"},
    {"Рак", "Rak.dat"},        {"Лев", "Lev.dat"},          {"Дева", "Deva.dat"},
    {"Весы", "Vesi.dat"},      {"Скорпион", "Scorpion.dat"}, {"Стрелец", "Strelets.dat"},
    {"Козерог", "Kozerog.dat"}, {"Водолей", "Vodoley.dat"},   {"Рыбы", "Ribi.dat"},
};

} // namespace

std::string SignFileNameFor(std::string_view signName)
{
    for (const SignFile& row : kSignFiles)
        if (row.Sign == signName)
            return row.File;
    return {};
}

std::string_view SignLineValue(std::string_view line)
{
    const std::size_t tab = line.find('\t');
    return tab == std::string_view::npos ? line : line.substr(tab + 1);
}

SignTexts ReadSignLines(ByteSource& plain)
{
    SignTexts lines;
    TextLineReader reader(plain);
    std::string line;
    // A longer file is damaged; its extra lines have no place in the window and are left unread.
    for (int n = 1; n <= SignTexts::kCount && reader.Next(line); ++n)
        lines[n] = Cp1251ToUtf8(SignLineValue(line));
    return lines;
}

SignTexts ReadSignFile(const std::string& path)
{
    File file = File::OpenRead(PathFromUtf8(path));
    SignTexts lines = ReadSignLines(file);
    file.Close();
    return lines;
}

std::string BreakSeductionText(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        out += c;
        if (c == ';' || c == ':')
            out += "\r\n";
        else if (c == '.')
            out += "\r\n\r\n";
    }
    return out;
}
