#include "platform/services/Paths.h"

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::string WithSeparator(std::string folder)
{
    if (folder.empty() || (folder.back() != kSeparator && folder.back() != '/'))
        folder += kSeparator;
    return folder;
}

} // namespace

FixedPaths::FixedPaths(std::string programFolder, std::string tempFolder)
    : program_(WithSeparator(std::move(programFolder))), temp_(WithSeparator(std::move(tempFolder)))
{
}

std::string JoinProgramPath(std::string_view folder, std::string_view name)
{
    std::string path = WithSeparator(std::string(folder));
    for (char c : name)
        path += (c == '\\' || c == '/') ? kSeparator : c;
    return path;
}
