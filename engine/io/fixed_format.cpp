#include "fixed_format.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace quvex::io {
namespace {

void appendStars(std::string& out, int width) {
    out.append(static_cast<std::size_t>(width), '*');
}

void appendRightAligned(std::string& out, const char* text, std::size_t length, int width) {
    if (static_cast<int>(length) > width) return appendStars(out, width);
    const std::size_t start = out.size();
    const std::size_t blanks = static_cast<std::size_t>(width) - length;
    out.resize(start + static_cast<std::size_t>(width));
    char* field = out.data() + start;
    std::memset(field, ' ', blanks);
    std::memcpy(field + blanks, text, length);
}

} // namespace

// std::to_chars with a precision formats exactly as printf's "%.*f" and "%.*e"
// do: rounded from the exact binary value, ties to even.

void appendI(std::string& out, long long value, int width, int minDigits) {
    char digits[32];
    const bool negative = value < 0;
    const auto end = std::to_chars(digits, digits + sizeof digits,
                                   negative ? -static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value));
    const std::size_t count = static_cast<std::size_t>(end.ptr - digits);
    char text[64];
    std::size_t length = 0;
    if (negative) text[length++] = '-';
    for (std::size_t z = count; z < static_cast<std::size_t>(minDigits) && length < 32; ++z)
        text[length++] = '0';
    for (std::size_t i = 0; i < count; ++i)
        text[length++] = digits[i];
    appendRightAligned(out, text, length, width);
}

// value·10^decimals rounded to the nearest integer, ties to even, from the
// exact product; false when the product is too large for an exact fraction.
bool scaledRound(double value, int decimals, unsigned long long& rounded) {
    static constexpr double kPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    if (decimals < 0 || decimals > 6) return false;
    const double scale = kPowers[decimals];
    const double product = value * scale;
    if (!(product < 0x1p52)) return false;
    // The exact product is product + error (error found with a fused multiply-add).
    const double error = std::fma(value, scale, -product);
    const double whole = std::floor(product);
    const double fromHalf = (product - whole - 0.5) + error;
    rounded = static_cast<unsigned long long>(whole);
    if (fromHalf > 0.0 || (fromHalf == 0.0 && rounded % 2 == 1)) ++rounded;
    return true;
}

void appendF(std::string& out, double value, int width, int decimals) {
    // Values far beyond any field width need no formatting at all.
    if (!std::isfinite(value) || std::fabs(value) >= 1e300) return appendStars(out, width);
    unsigned long long rounded = 0;
    if (scaledRound(std::fabs(value), decimals, rounded)) {
        // The rounded digits, zero-padded to one digit before the point.
        char digits[32];
        const std::size_t needed = static_cast<std::size_t>(decimals) + 1;
        const auto end = std::to_chars(digits, digits + sizeof digits, rounded);
        const std::size_t count = static_cast<std::size_t>(end.ptr - digits);
        char text[48];
        std::size_t length = 0;
        if (std::signbit(value)) text[length++] = '-';
        for (std::size_t z = count; z < needed; ++z)
            text[length++] = '0';
        for (std::size_t i = 0; i < count; ++i)
            text[length++] = digits[i];
        // The point goes before the last `decimals` digits.
        if (decimals > 0) {
            const std::size_t point = length - static_cast<std::size_t>(decimals);
            for (std::size_t i = length; i > point; --i)
                text[i] = text[i - 1];
            text[point] = '.';
            ++length;
        }
        return appendRightAligned(out, text, length, width);
    }
    char text[400];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    appendRightAligned(out, text, static_cast<std::size_t>(end.ptr - text), width);
}

void appendE(std::string& out, double value, int width, int decimals) {
    if (!std::isfinite(value)) return appendStars(out, width);
    char text[64];
    std::size_t length = 0;
    if (std::signbit(value)) text[length++] = '-';
    text[length++] = '0';
    text[length++] = '.';
    int exponent = 0;
    if (value == 0.0) {
        for (int i = 0; i < decimals; ++i)
            text[length++] = '0';
    } else {
        // d.ddd...e+xx with `decimals` significant digits, the point then moved
        // one place left.
        char sci[64];
        const int significant = decimals > 0 ? decimals : 1;
        const auto end = std::to_chars(sci, sci + sizeof sci, std::fabs(value),
                                       std::chars_format::scientific, significant - 1);
        const char* p = sci;
        int written = 0;
        while (p < end.ptr && *p != 'e') {
            if (*p != '.' && written < decimals) {
                text[length++] = *p;
                ++written;
            }
            ++p;
        }
        for (; written < decimals; ++written)
            text[length++] = '0';
        int parsed = 0;
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end.ptr, parsed);
        exponent = parsed + 1;
    }
    const int magnitude = std::abs(exponent);
    // Three-digit exponents give up the letter, as fixed-field output does.
    if (magnitude <= 99) text[length++] = 'E';
    text[length++] = exponent < 0 ? '-' : '+';
    if (magnitude > 99) text[length++] = static_cast<char>('0' + magnitude / 100);
    text[length++] = static_cast<char>('0' + magnitude / 10 % 10);
    text[length++] = static_cast<char>('0' + magnitude % 10);
    if (static_cast<int>(length) == width + 1) {
        // One column short: the leading 0 goes.
        const std::size_t zero = text[0] == '-' ? 1 : 0;
        for (std::size_t i = zero; i + 1 < length; ++i)
            text[i] = text[i + 1];
        --length;
    }
    appendRightAligned(out, text, length, width);
}

std::string fieldI(long long value, int width) {
    std::string out;
    appendI(out, value, width, 0);
    return out;
}

std::string fieldI(long long value, int width, int minDigits) {
    std::string out;
    appendI(out, value, width, minDigits);
    return out;
}

std::string fieldF(double value, int width, int decimals) {
    std::string out;
    appendF(out, value, width, decimals);
    return out;
}

std::string fieldE(double value, int width, int decimals) {
    std::string out;
    appendE(out, value, width, decimals);
    return out;
}

std::string fieldA(std::string_view text, int width) {
    std::string out(text.substr(0, static_cast<std::size_t>(width)));
    out.resize(static_cast<std::size_t>(width), ' ');
    return out;
}

} // namespace quvex::io
