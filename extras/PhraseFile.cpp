#include "extras/PhraseFile.h"

#include "app/Version.h"
#include "data/Tools.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/text/Cp1251.h"
#include "platform/text/TextReader.h"

#include <filesystem>
#include <random>
#include <system_error>

namespace {

// The key of the program's own data files.
constexpr const char* kDataKey = "Wimbervex";

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsBlankLine(std::string_view line)
{
    for (char c : line)
        if (!IsBlank(c))
            return false;
    return true;
}

// The whole number at the start of the line, after blanks; nothing when the first word is
// not one or does not fit 32 bits.
std::optional<std::int32_t> LeadingNumber(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size() && IsBlank(line[i]))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-'))
        negative = line[i++] == '-';
    const std::size_t digits = i;
    std::int64_t value = 0;
    for (; i < line.size() && !IsBlank(line[i]); ++i) {
        if (line[i] < '0' || line[i] > '9')
            return std::nullopt;
        value = value * 10 + (line[i] - '0');
        if (value > (std::int64_t{1} << 31))
            return std::nullopt;
    }
    if (i == digits || (!negative && value > INT32_MAX))
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace

int PickPhraseNumber(std::uint64_t seed)
{
    std::mt19937_64 generator(seed);
    return std::uniform_int_distribution<int>(1, PhraseCount - 1)(generator);
}

std::string FindPhrase(ByteSource& plain, int k, const std::string& fileName)
{
    TextLineReader reader(plain);
    int lineNumber = 0;
    while (!reader.AtEnd()) {
        std::string line = reader.ReadLine();
        ++lineNumber;
        if (IsBlankLine(line))
            continue;
        const auto number = LeadingNumber(line);
        if (!number)
            throw IoError(kInvalidNumericInput, "Строка " + std::to_string(lineNumber) + " файла «" +
                                                    fileName + "» не начинается с числа");
        if (*number == k)
            return reader.AtEnd() ? std::string() : reader.ReadLine();
    }
    return {};
}

std::string CutPhrasePrefix(std::string_view line, int k)
{
    const std::size_t prefix = std::to_string(k).size() + 1;
    return line.size() <= prefix ? std::string() : std::string(line.substr(prefix));
}

std::string ReadPhraseOfTheDay(int k)
{
    const std::string plain = TempFolderPath() + "kemel.txt";
    DecodeFile(ProgramFilePath("Prikol.dat"), plain, kDataKey);
    std::string phrase;
    {
        File file = File::OpenRead(PathFromUtf8(plain));
        phrase = FindPhrase(file, k, "kemel.txt");
    }
    std::error_code ignored;
    std::filesystem::remove(PathFromUtf8(plain), ignored);
    return Cp1251ToUtf8(CutPhrasePrefix(phrase, k));
}
