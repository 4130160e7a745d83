#include "app/CommandRules.h"

std::vector<std::string> SplitOnBlanks(std::string_view text)
{
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (true) {
        const std::size_t start = text.find_first_not_of(" \t", pos);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = text.find_first_of(" \t", start);
        words.emplace_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            break;
        pos = end;
    }
    return words;
}
