#include "framework/convert.h"

#include "framework/error.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <limits>
#include <system_error>

namespace tundeck {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    return text.substr(i);
}

// Counts the digits at the front of `text`.
std::size_t DigitRun(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() && IsDigit(text[n])) {
        ++n;
    }
    return n;
}

} // namespace

std::optional<std::int32_t> TryStrToInt(std::string_view text) {
    std::string_view rest = SkipBlanks(text);
    bool negative = false;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        negative = rest[0] == '-';
        rest.remove_prefix(1);
    }
    if (rest.empty() || DigitRun(rest) != rest.size()) {
        return std::nullopt;
    }
    const std::int64_t limit = negative ? -std::int64_t{std::numeric_limits<std::int32_t>::min()}
                                        : std::int64_t{std::numeric_limits<std::int32_t>::max()};
    std::int64_t value = 0;
    for (char c : rest) {
        value = value * 10 + (c - '0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t StrToInt(std::string_view text) {
    if (std::optional<std::int32_t> value = TryStrToInt(text)) {
        return *value;
    }
    throw Error("'" + std::string(text) + "' is not a valid integer value");
}

std::optional<double> TryStrToReal(std::string_view text) {
    std::string_view rest = SkipBlanks(text);
    const bool negative = !rest.empty() && rest[0] == '-';
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        rest.remove_prefix(1);
    }
    // Check the grammar ourselves: from_chars would also take "inf", "nan" and the like.
    std::size_t pos = DigitRun(rest);
    std::size_t digits = pos;
    if (pos < rest.size() && rest[pos] == '.') {
        const std::size_t fraction = DigitRun(rest.substr(pos + 1));
        digits += fraction;
        pos += 1 + fraction;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (pos < rest.size() && (rest[pos] == 'e' || rest[pos] == 'E')) {
        std::size_t exp = pos + 1;
        if (exp < rest.size() && (rest[exp] == '+' || rest[exp] == '-')) {
            ++exp;
        }
        const std::size_t expDigits = DigitRun(rest.substr(exp));
        if (expDigits == 0) {
            return std::nullopt;
        }
        pos = exp + expDigits;
    }
    if (pos != rest.size()) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (ec != std::errc() || end != rest.data() + rest.size()) {
        return std::nullopt; // out of the type's range
    }
    return negative ? -value : value;
}

// Rounds the value as it reads: its shortest decimal form, with a tie going away from zero
// (0.53125 gives 0.5313), where rounding the binary value would send it to the even digit.
std::string FormatFixed(double value, int decimals, int width) {
    char buffer[400];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::string("0");
    const bool negative = !text.empty() && text[0] == '-';
    std::string digits = text.substr(negative ? 1 : 0);
    if (!digits.empty() && std::isdigit(static_cast<unsigned char>(digits[0]))) {
        const std::size_t point = std::min(digits.find('.'), digits.size());
        std::string whole = digits.substr(0, point) + digits.substr(std::min(point + 1, digits.size()));
        whole.resize(point + static_cast<std::size_t>(decimals) + 1, '0');
        const bool up = whole.back() >= '5';
        whole.pop_back();
        for (std::size_t i = whole.size(); up && i-- > 0;) {
            whole[i] = whole[i] == '9' ? '0' : static_cast<char>(whole[i] + 1);
            if (whole[i] != '0') {
                break;
            }
            if (i == 0) {
                whole.insert(0, 1, '1');
            }
        }
        const std::size_t integers = whole.size() - static_cast<std::size_t>(decimals);
        text = (negative ? "-" : "") + whole.substr(0, integers) +
               (decimals > 0 ? "." + whole.substr(integers) : std::string());
    }
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

} // namespace tundeck
