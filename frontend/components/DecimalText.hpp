// Reading a plain decimal number written with "." whatever the locale:
// optional sign, digits with an optional point, optional exponent.
#pragma once

#include <charconv>
#include <string_view>

namespace quvex {

enum class TDecimalRead { Ok, NotANumber, Overflow };

inline bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// A value too small for T reads as zero; one too large is an overflow.
template <class T> TDecimalRead ReadDecimal(std::string_view s, T& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t start = i;
    std::size_t digits = 0;
    while (i < s.size() && IsDecimalDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDecimalDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0) return TDecimalRead::NotANumber;
    bool negativeExponent = false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
        std::size_t exponentDigits = 0;
        while (i < s.size() && IsDecimalDigit(s[i]))
            ++i, ++exponentDigits;
        if (exponentDigits == 0) return TDecimalRead::NotANumber;
    }
    if (i != s.size()) return TDecimalRead::NotANumber;
    T v = 0;
    const auto [ptr, ec] = std::from_chars(s.data() + start, s.data() + s.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // from_chars reports underflow the same way: a tiny value is zero.
        if (!negativeExponent) return TDecimalRead::Overflow;
        v = 0;
    } else if (ec != std::errc() || ptr != s.data() + s.size()) {
        return TDecimalRead::NotANumber;
    }
    value = negative ? -v : v;
    return TDecimalRead::Ok;
}

} // namespace quvex
