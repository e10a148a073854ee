#pragma once
// Number <-> text conversions that do not depend on the user's locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tundeck {

// Optional leading blanks, optional sign, decimal digits and nothing else, within 32 bits;
// anything else raises "'<text>' is not a valid integer value".
std::int32_t StrToInt(std::string_view text);

// The same grammar without the error: nothing when the text is no such number.
std::optional<std::int32_t> TryStrToInt(std::string_view text);

// Optional leading blanks, optional sign, digits with an optional "." and digits, and an
// optional exponent; "." is the decimal point whatever the locale.
std::optional<double> TryStrToReal(std::string_view text);

// The value rounded to `decimals` places with a "." and right-aligned in `width` characters.
std::string FormatFixed(double value, int decimals, int width);

} // namespace tundeck
