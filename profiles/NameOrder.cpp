#include "profiles/NameOrder.h"

#include "platform/text/Cp1251.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace {

// Small Cyrillic letters in the order they are sorted; «ё» is not here, it sorts as «е».
constexpr std::array<char32_t, 44> kCyrillicOrder = {
    U'а', U'б', U'в', U'г', U'ґ', U'ѓ', U'д', U'ђ', U'е', U'є', U'ж', U'з', U'ѕ', U'и', U'і',
    U'ї', U'й', U'ј', U'к', U'ќ', U'л', U'љ', U'м', U'н', U'њ', U'о', U'п', U'р', U'с', U'т',
    U'ћ', U'у', U'ў', U'ф', U'х', U'ц', U'ч', U'џ', U'ш', U'щ', U'ъ', U'ы', U'ь', U'э',
};
// Past the table: «ю» and «я».
constexpr char32_t kAfterTable[] = {U'ю', U'я'};

enum Band : int { kSymbols = 0, kDigits = 1, kLatin = 2, kCyrillic = 3 };

struct Weight {
    int primary;
    int accent; // 1 for «ё», which follows «е» only when nothing else differs
    int upper;  // 1 for a capital
};

char32_t SmallLetter(char32_t c, bool& upper)
{
    upper = true;
    if (c >= U'A' && c <= U'Z')
        return c + 0x20;
    if (c >= U'А' && c <= U'Я')
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) // Ѐ..Џ
        return c + 0x50;
    if (c == U'Ґ')
        return U'ґ';
    upper = false;
    return c;
}

Weight WeightOf(char32_t c)
{
    constexpr int kBand = 0x110000; // above every code point
    bool upper = false;
    const char32_t small = SmallLetter(c, upper);
    const int up = upper ? 1 : 0;
    if (small >= U'0' && small <= U'9')
        return {kDigits * kBand + static_cast<int>(small - U'0'), 0, 0};
    if (small >= U'a' && small <= U'z')
        return {kLatin * kBand + static_cast<int>(small - U'a'), 0, up};
    if (small == U'ё')
        return {WeightOf(U'е').primary, 1, up};
    for (std::size_t i = 0; i < kCyrillicOrder.size(); ++i)
        if (kCyrillicOrder[i] == small)
            return {kCyrillic * kBand + static_cast<int>(i), 0, up};
    for (std::size_t i = 0; i < std::size(kAfterTable); ++i)
        if (kAfterTable[i] == small)
            return {kCyrillic * kBand + static_cast<int>(kCyrillicOrder.size() + i), 0, up};
    return {kSymbols * kBand + static_cast<int>(c), 0, 0};
}

std::vector<char32_t> CodePoints(std::string_view utf8)
{
    std::vector<char32_t> out;
    std::size_t pos = 0;
    char32_t cp = 0;
    while (NextCodePoint(utf8, pos, cp))
        out.push_back(cp);
    return out;
}

template <class Key> int CompareBy(const std::vector<char32_t>& a, const std::vector<char32_t>& b, Key key)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ka = key(a[i]);
        const auto kb = key(b[i]);
        if (ka != kb)
            return ka < kb ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return 0;
}

} // namespace

bool NameLess(std::string_view a, std::string_view b)
{
    const std::vector<char32_t> ca = CodePoints(a);
    const std::vector<char32_t> cb = CodePoints(b);
    if (int c = CompareBy(ca, cb, [](char32_t x) { return WeightOf(x).primary; }))
        return c < 0;
    if (int c = CompareBy(ca, cb, [](char32_t x) { return WeightOf(x).accent; }))
        return c < 0;
    if (int c = CompareBy(ca, cb, [](char32_t x) { return WeightOf(x).upper; }))
        return c < 0;
    return a < b;
}
