#include "nameday/NameDayRules.h"

#include "platform/text/Cp1251.h"

#include <cmath>

namespace {

std::string_view Trimmed(std::string_view text)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string LatinLower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// Letters of one kind compare alike: both cases of Latin and Russian letters, and «ё» with «е».
char32_t SortKey(char32_t cp)
{
    if (cp >= U'A' && cp <= U'Z')
        return cp - U'A' + U'a';
    if (cp >= U'А' && cp <= U'Я')
        return cp - U'А' + U'а';
    if (cp == U'Ё' || cp == U'ё')
        return U'е';
    return cp;
}

} // namespace

std::string GreetingText(const std::vector<std::string>& names)
{
    std::string text;
    const std::size_t n = names.size();
    for (std::size_t i = 1; i <= n; ++i) {
        text += names[i - 1];
        if (i + 1 < n)
            text += ", ";
        else if (i + 1 == n)
            text += " и ";
    }
    return text;
}

int CentredLeft(int left, int otherWidth, int width)
{
    return static_cast<int>(std::trunc(left + otherWidth / 2.0 - width / 2.0));
}

bool PointInsideRect(int x, int y, int left, int top, int right, int bottom)
{
    return left < x && x < right && top < y && y < bottom;
}

std::vector<std::string> CommonDates(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    std::vector<std::string> keysOfB;
    keysOfB.reserve(b.size());
    for (const std::string& date : b)
        keysOfB.push_back(LatinLower(Trimmed(date)));
    std::vector<std::string> common;
    for (const std::string& date : a) {
        const std::string key = LatinLower(Trimmed(date));
        for (const std::string& other : keysOfB)
            if (other == key)
                common.push_back(date);
    }
    return common;
}

bool ShowsNamePrompt(std::string_view text)
{
    return text.substr(0, std::string_view("Имя").size()) == "Имя";
}

std::string AllItemsText(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += item + "\r\n";
    return text;
}

bool NameOrderLess(std::string_view a, std::string_view b)
{
    std::size_t i = 0, j = 0;
    char32_t x = 0, y = 0;
    for (;;) {
        const bool moreA = NextCodePoint(a, i, x);
        const bool moreB = NextCodePoint(b, j, y);
        if (!moreA || !moreB) {
            if (moreA != moreB)
                return moreB;
            break;
        }
        if (SortKey(x) != SortKey(y))
            return SortKey(x) < SortKey(y);
    }
    // Alike but for case or «ё»: any fixed order will do, so the list does not depend on
    // the order the names came in.
    return a < b;
}
