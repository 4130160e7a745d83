#pragma once

#include <optional>
#include <string>

// The decimal separator of the user's regional settings, as the result texts write numbers.
std::string DecimalSeparator();
// Tests fix the separator; nullopt returns to the regional settings.
void SetDecimalSeparator(std::optional<std::string> separator);
