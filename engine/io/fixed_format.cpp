#include "fixed_format.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quvex::io {
namespace {

std::string stars(int width) {
    return std::string(static_cast<std::size_t>(width), '*');
}

std::string rightAligned(const std::string& s, int width) {
    if (static_cast<int>(s.size()) > width) return stars(width);
    return std::string(static_cast<std::size_t>(width) - s.size(), ' ') + s;
}

} // namespace

std::string fieldI(long long value, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld", value);
    return rightAligned(buf, width);
}

std::string fieldI(long long value, int width, int minDigits) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*lld", minDigits, value);
    return rightAligned(buf, width);
}

std::string fieldF(double value, int width, int decimals) {
    if (!std::isfinite(value)) return stars(width);
    // Values far beyond any field width need no formatting at all.
    if (std::fabs(value) >= 1e300) return stars(width);
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return rightAligned(buf, width);
}

std::string fieldE(double value, int width, int decimals) {
    if (!std::isfinite(value)) return stars(width);
    std::string out;
    const bool negative = std::signbit(value);
    std::string digits;
    int exponent = 0;
    if (value == 0.0) {
        digits.assign(static_cast<std::size_t>(decimals), '0');
    } else {
        // %e gives d.ddd...e+xx with `decimals` significant digits once the
        // point is moved one place left.
        char buf[64];
        const int sig = decimals > 0 ? decimals : 1;
        std::snprintf(buf, sizeof buf, "%.*e", sig - 1, std::fabs(value));
        const char* p = buf;
        digits.push_back(*p++);
        if (*p == '.') ++p;
        while (*p != 'e')
            digits.push_back(*p++);
        ++p;
        exponent = std::atoi(p) + 1;
        digits.resize(static_cast<std::size_t>(decimals), '0');
    }
    if (negative) out.push_back('-');
    out += "0.";
    out += digits;
    char expo[16];
    const int absExp = std::abs(exponent);
    if (absExp <= 99)
        std::snprintf(expo, sizeof expo, "E%c%02d", exponent < 0 ? '-' : '+', absExp);
    else // three-digit exponents give up the letter, as fixed-field output does
        std::snprintf(expo, sizeof expo, "%c%03d", exponent < 0 ? '-' : '+', absExp);
    out += expo;
    if (static_cast<int>(out.size()) == width + 1) {
        const std::size_t zero = negative ? 1 : 0;
        out.erase(zero, 1);
    }
    return rightAligned(out, width);
}

std::string fieldA(std::string_view text, int width) {
    std::string out(text.substr(0, static_cast<std::size_t>(width)));
    out.resize(static_cast<std::size_t>(width), ' ');
    return out;
}

} // namespace quvex::io
