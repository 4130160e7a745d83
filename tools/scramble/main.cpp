// ortavi-scramble [--format lines|sign|phrases|names] --key KEY SOURCE OUTPUT
// ortavi-scramble --plain SOURCE OUTPUT
// Builds a scrambled data file from its UTF-8 source, checking the line format its reader
// expects, or (--plain) only converts the source to Windows-1251 with CR LF line ends. The
// first problem is printed as SOURCE:LINE:COLUMN: text, and the command exits with 1.
#include "platform/FileIo.h"
#include "tools/DataFileBuilder.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

int Usage()
{
    std::fputs("usage: ortavi-scramble [--format lines|sign|phrases|names] --key KEY SOURCE OUTPUT\n"
               "       ortavi-scramble --plain SOURCE OUTPUT\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    SourceFormat format = SourceFormat::Lines;
    std::optional<std::string> key;
    bool plain = false;
    std::size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
        if (args[i] == "--plain") {
            plain = true;
        } else if (args[i] == "--key" && i + 1 < args.size() && !args[i + 1].empty()) {
            key = args[++i];
        } else if (args[i] == "--format" && i + 1 < args.size()) {
            const auto f = SourceFormatFromName(args[++i]);
            if (!f)
                return Usage();
            format = *f;
        } else {
            return Usage();
        }
    }
    if (args.size() - i != 2 || plain == key.has_value())
        return Usage();

    try {
        const auto source = PathFromUtf8(args[i]);
        const auto output = PathFromUtf8(args[i + 1]);
        if (plain)
            BuildPlainFile(source, output);
        else
            BuildDataFile(source, output, *key, format);
    } catch (const DataFileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ortavi-scramble: %s\n", e.what());
        return 1;
    }
    return 0;
}
