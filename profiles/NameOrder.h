#pragma once

#include <string_view>

// The order a Russian reader expects of a list of names (UTF-8): letter case does not
// count until everything else is equal (then the small letter comes first), «Ё» sorts with
// «Е» (after it only when the names are otherwise the same), Cyrillic letters follow the
// alphabet (Ukrainian and Belarusian letters beside their neighbours), Latin letters come
// before Cyrillic ones, digits before letters, and blanks and punctuation before digits.
// Names that differ only in their bytes still get a fixed order.
bool NameLess(std::string_view a, std::string_view b);
