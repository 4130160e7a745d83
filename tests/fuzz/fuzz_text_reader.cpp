// Arbitrary bytes through the Windows text reader and DecodeFile. Besides not crashing, the
// buffered reader must agree with a plain one-byte-at-a-time reading of the rules, whatever
// the size of its reads, and the file decoder must write exactly the decoded lines joined by
// CR LF.
#include "data/LineCipher.h"
#include "platform/FileIo.h"
#include "platform/text/TextReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> Reference(std::string_view s)
{
    std::vector<std::string> lines;
    std::size_t i = 0;
    while (i < s.size() && s[i] != 26) {
        std::string line;
        while (i < s.size() && s[i] != '\n') {
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
                ++i;
                break;
            }
            if (s[i] != '\r')
                line.push_back(s[i]);
            ++i;
        }
        if (i < s.size() && s[i] == '\n')
            ++i;
        lines.push_back(line);
    }
    return lines;
}

class Chunked final : public ByteSource {
public:
    Chunked(std::string_view bytes, std::size_t step) : bytes_(bytes), step_(step) {}
    std::size_t Read(char* buffer, std::size_t size) override
    {
        const std::size_t n = std::min({size, step_, bytes_.size()});
        bytes_.copy(buffer, n);
        bytes_.remove_prefix(n);
        return n;
    }

private:
    std::string_view bytes_;
    std::size_t step_;
};

const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = [] {
        auto p = std::filesystem::temp_directory_path() / ("ortavi-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t step = data[0] % 7 + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::vector<std::string> expected = Reference(bytes);
    Chunked source(bytes, step);
    TextLineReader reader(source);
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line))
        lines.push_back(line);
    if (lines != expected)
        std::abort();

    const auto in = Folder() / "in.dat";
    const auto out = Folder() / "out.txt";
    {
        File f = File::CreateWrite(in);
        f.Write(bytes);
        f.Close();
    }
    const std::string key = "Wimbervex";
    DecodeLines(in, out, key);
    std::string want;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        std::string l = expected[i];
        ScrambleLine(l, key);
        want += l;
        if (i + 1 < expected.size())
            want += "\r\n";
    }
    if (File::OpenRead(out).ReadAll() != want)
        std::abort();
    return 0;
}
