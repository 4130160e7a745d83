#include "tools/DataFileBuilder.h"

#include "data/LineCipher.h"
#include "platform/FileIo.h"
#include "platform/text/Cp1251.h"

#include <cstdio>
#include <vector>

namespace {

std::string CodePointName(char32_t cp)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    return buf;
}

} // namespace

DataFileError::DataFileError(const std::string& file, int line, int column, const std::string& text)
    : std::runtime_error(file + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " + text),
      file_(file), line_(line), column_(column)
{
}

namespace {

// The source's lines in Windows-1251, each checked against the byte rules and the format.
// The source is split on LF alone, not by the readers' rules: a Ctrl+Z or a lone CR in it
// would otherwise cut or join lines without a word.
std::vector<std::string> SourceLines(std::string_view source, const std::string& fileName,
                                     SourceFormat format)
{
    if (source.substr(0, 3) == "\xEF\xBB\xBF")
        source.remove_prefix(3);
    const auto checker = MakeFormatChecker(format, fileName);

    std::vector<std::string> lines;
    int lineNo = 0;
    for (std::size_t start = 0; start < source.size();) {
        std::size_t end = source.find('\n', start);
        if (end == std::string_view::npos)
            end = source.size();
        std::string_view line = source.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++lineNo;

        std::string bytes;
        bytes.reserve(line.size());
        std::u32string text;
        std::size_t pos = 0;
        char32_t cp = 0;
        int column = 0;
        while (NextCodePoint(line, pos, cp)) {
            ++column;
            if (cp == 0xFFFD)
                throw DataFileError(fileName, lineNo, column, "not valid UTF-8");
            if (cp == '\r')
                throw DataFileError(fileName, lineNo, column, "a CR that does not end the line");
            const auto byte = Cp1251FromCodePoint(cp);
            if (!byte)
                throw DataFileError(fileName, lineNo, column,
                                    CodePointName(cp) + " has no Windows-1251 form");
            bytes.push_back(static_cast<char>(*byte));
            text.push_back(cp);
        }
        if (!bytes.empty() && bytes[0] == 26)
            throw DataFileError(fileName, lineNo, 1, "a line may not begin with Ctrl+Z (byte 26)");
        if (checker)
            checker->Line(lineNo, text);
        lines.push_back(std::move(bytes));
    }
    if (checker)
        checker->Finish(lineNo);
    return lines;
}

void WriteThroughPartial(const std::filesystem::path& output, const std::string& bytes)
{
    std::filesystem::path partial = output;
    partial += ".partial";
    try {
        File out = File::CreateWrite(partial);
        out.Write(bytes);
        out.Close();
        std::filesystem::rename(partial, output);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        throw;
    }
}

} // namespace

std::string ScrambleSource(std::string_view source, std::string_view key, const std::string& fileName,
                           SourceFormat format)
{
    std::string out;
    out.reserve(source.size() + source.size() / 8);
    int lineNo = 0;
    for (std::string& bytes : SourceLines(source, fileName, format)) {
        ++lineNo;
        ScrambleLine(bytes, key);
        for (std::size_t j = 0; j < bytes.size(); ++j) {
            const auto b = static_cast<unsigned char>(bytes[j]);
            const int col = static_cast<int>(j) + 1;
            if (b == '\n' || b == '\r')
                throw DataFileError(fileName, lineNo, col,
                                    std::string("enciphers to ") + (b == '\n' ? "LF" : "CR") +
                                        ", which would break the line");
            if (j == 0 && b == 26)
                throw DataFileError(fileName, lineNo, col, "enciphers to Ctrl+Z at the start of the line");
        }
        out += bytes;
        out += "\r\n";
    }
    return out;
}

std::string PlainSource(std::string_view source, const std::string& fileName)
{
    std::string out;
    for (const std::string& bytes : SourceLines(source, fileName, SourceFormat::Lines)) {
        out += bytes;
        out += "\r\n";
    }
    return out;
}

void BuildDataFile(const std::filesystem::path& source, const std::filesystem::path& output,
                   std::string_view key, SourceFormat format)
{
    WriteThroughPartial(output,
                        ScrambleSource(File::OpenRead(source).ReadAll(), key, Utf8FromPath(source), format));
}

void BuildPlainFile(const std::filesystem::path& source, const std::filesystem::path& output)
{
    WriteThroughPartial(output, PlainSource(File::OpenRead(source).ReadAll(), Utf8FromPath(source)));
}
