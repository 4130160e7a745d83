// ortavi-scramble --key KEY SOURCE OUTPUT
// Builds a scrambled data file from its UTF-8 source, or names the first bad character
// as SOURCE:LINE:COLUMN and exits with 1.
#include "platform/FileIo.h"
#include "tools/DataFileBuilder.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 5 || std::string(argv[1]) != "--key" || argv[2][0] == '\0') {
        std::fputs("usage: ortavi-scramble --key KEY SOURCE OUTPUT\n", stderr);
        return 2;
    }
    try {
        BuildDataFile(PathFromUtf8(argv[3]), PathFromUtf8(argv[4]), argv[2]);
    } catch (const DataFileError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "ortavi-scramble: %s\n", e.what());
        return 1;
    }
    return 0;
}
