#include "data/LineCipher.h"

#include "platform/FileIo.h"
#include "platform/text/TextReader.h"

#include <stdexcept>

namespace {
constexpr std::size_t kFlushAt = 64 * 1024;
}

void ScrambleLine(std::string& line, std::string_view key)
{
    if (key.empty())
        throw std::invalid_argument("empty cipher key");
    const std::size_t n = key.size();
    std::size_t k = 1 % n;
    for (char& c : line) {
        c = static_cast<char>(c ^ key[k]);
        if (++k == n)
            k = 0;
    }
}

void DecodeLines(const std::filesystem::path& input, const std::filesystem::path& output,
                 std::string_view key)
{
    if (key.empty())
        throw std::invalid_argument("empty cipher key");
    File in = File::OpenRead(input);
    File out = File::CreateWrite(output);
    TextLineReader reader(in);
    std::string pending;
    std::string line;
    while (reader.Next(line)) {
        ScrambleLine(line, key);
        pending += line;
        if (!reader.AtEnd())
            pending += "\r\n";
        if (pending.size() >= kFlushAt) {
            out.Write(pending);
            pending.clear();
        }
    }
    out.Write(pending);
    in.Close();
    out.Close();
}
