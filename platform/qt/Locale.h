#pragma once

#include <optional>
#include <string>

// The decimal separator of the user's regional settings, as the result texts write numbers.
std::string DecimalSeparator();
// Tests fix the separator; nullopt returns to the regional settings.
void SetDecimalSeparator(std::optional<std::string> separator);

// The thousands separator of the user's regional settings; tests fix it like the decimal one.
std::string ThousandsSeparator();
void SetThousandsSeparator(std::optional<std::string> separator);

// A date in the short date format of the user's regional settings.
std::string ShortDateText(int year, unsigned month, unsigned day);
