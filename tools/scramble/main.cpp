// ortavi-scramble --key KEY SOURCE OUTPUT
// Builds a scrambled data file from its UTF-8 source, or names the first bad character.
#include "platform/FileIo.h"
#include "tools/DataFileBuilder.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    File in = File::OpenRead(path);
    std::string data;
    char buf[65536];
    for (std::size_t n; (n = in.Read(buf, sizeof buf)) != 0;)
        data.append(buf, n);
    return data;
}

int Usage()
{
    std::fputs("usage: ortavi-scramble --key KEY SOURCE OUTPUT\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5 || std::string(argv[1]) != "--key" || argv[2][0] == '\0')
        return Usage();
    const std::string key = argv[2];
    const std::filesystem::path source = PathFromUtf8(argv[3]);
    const std::filesystem::path output = PathFromUtf8(argv[4]);
    try {
        const std::string bytes = ScrambleSource(ReadAll(source), key, argv[3]);
        // Written beside the target and renamed over it, so a failed build never leaves
        // half a data file behind.
        std::filesystem::path partial = output;
        partial += ".partial";
        File out = File::CreateWrite(partial);
        out.Write(bytes);
        out.Close();
        std::filesystem::rename(partial, output);
    } catch (const DataFileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ortavi-scramble: %s\n", e.what());
        return 1;
    }
    return 0;
}
