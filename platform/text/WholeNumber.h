#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The whole-number text rule of the date fields: leading blanks, an optional sign, then
// decimal digits or a hexadecimal number after "$", "x", "X", "0x" or "0X"; nothing may
// follow, and the value must fit a signed 32-bit integer.
std::optional<std::int32_t> TryParseWholeNumber(std::string_view text);

// The same rule; a text that does not convert raises ConvertError.
std::int32_t ParseWholeNumber(std::string_view text);
