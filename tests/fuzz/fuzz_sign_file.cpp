// The sign-file reader on any bytes: at most thirty entries whatever the file holds, none with
// a line break in it, and the seduction entry's breaks are the only thing its formatting adds.
#include "data/SignFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MemorySource source(std::string_view(reinterpret_cast<const char*>(data), size));
    const SignTexts lines = ReadSignLines(source);
    for (int n = 1; n <= SignTexts::kCount; ++n)
        if (lines[n].find_first_of("\r\n") != std::string::npos)
            __builtin_trap();

    std::string unbroken = BreakSeductionText(lines[kSeductionEntry]);
    for (std::size_t at; (at = unbroken.find("\r\n")) != std::string::npos;)
        unbroken.erase(at, 2);
    if (unbroken != lines[kSeductionEntry])
        __builtin_trap();
    return 0;
}
