// Arbitrary bytes as the decoded phrase file. The search must end, return either nothing or
// one whole line of the file, or refuse the file with the invalid-numeric-input error; the
// cut phrase is never longer than the line it was cut from.
#include "extras/PhraseFile.h"
#include "platform/Errors.h"
#include "platform/text/TextReader.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int k = 1 + (data[0] << 8 | data[1]) % 999;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    MemorySource source(text);
    std::string phrase;
    try {
        phrase = FindPhrase(source, k, "kemel.txt");
    } catch (const IoError& error) {
        if (error.Code() != kInvalidNumericInput)
            std::abort();
        return 0;
    }
    if (!phrase.empty()) {
        bool isLine = false;
        for (const std::string& line : SplitTextLines(text))
            isLine = isLine || line == phrase;
        if (!isLine)
            std::abort();
    }
    if (CutPhrasePrefix(phrase, k).size() > phrase.size())
        std::abort();
    return 0;
}
