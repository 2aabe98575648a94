#include "TextOut.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "WordRead.hpp"

namespace quvex {

std::string FormatExp(double value, int digits, int expDigits) {
    if (!std::isfinite(value)) value = 0.0;
    std::array<char, 64> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::scientific, digits - 1);
    std::string s(buf.data(), ec == std::errc() ? end : buf.data());
    const std::size_t e = s.find('e');
    if (e == std::string::npos) return s;
    std::string mantissa = s.substr(0, e);
    char sign = s[e + 1];
    std::string exponent = s.substr(e + 2);
    exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
    if (static_cast<int>(exponent.size()) < expDigits)
        exponent =
            std::string(static_cast<std::size_t>(expDigits) - exponent.size(), '0') + exponent;
    std::string out = mantissa;
    out.push_back('E');
    out.push_back(sign);
    out.append(exponent);
    return out;
}

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) value = 0.0;
    std::array<char, 400> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::fixed, decimals);
    return std::string(buf.data(), ec == std::errc() ? end : buf.data());
}

void TAtomicTextFile::Commit() const {
    namespace fs = std::filesystem;
    const fs::path target(path_);
    fs::path folder = target.parent_path();
    std::random_device rd;
    const fs::path temp =
        (folder.empty() ? fs::path(".") : folder) / (std::string(".")
                                                         .append(target.filename().string())
                                                         .append(".tmp")
                                                         .append(std::to_string(rd() % 1000000u)));
    auto fail = [&](const std::string& why) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw EInOutError("Cannot write file \"" + path_ + "\": " + why, path_);
    };
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) fail("the file cannot be created");
        out.write(text_.data(), static_cast<std::streamsize>(text_.size()));
        out.flush();
        if (!out) fail("writing failed");
        out.close();
        if (!out) fail("closing failed");
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) fail(ec.message());
}

} // namespace quvex
