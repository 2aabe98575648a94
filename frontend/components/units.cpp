#include "units.hpp"

#include <array>
#include <cmath>
#include <string_view>

namespace quvex {
namespace {

struct TUnitCode {
    std::string_view code;
    std::string_view english;
    std::string_view si;
    std::string_view generic;
};

// Texts are case-sensitive; none of them holds an upper-case F or L except the
// generic letters, which are codes of their own.
constexpr std::array<TUnitCode, 10> kCodes{{
    {"F", "lbs", "kN", "F"},
    {"F1", "kips", "kN", "F"},
    {"F2", "tons", "kN", "F"},
    {"F4", "lb-sec2/in", "Mg", "M"},
    {"F5", "sec", "sec", "T"},
    {"F6", "slug", "Mg", "F"},
    {"L", "in", "m", "L"},
    {"L1", "in", "mm", "L"},
    {"L2", "ft", "m", "L"},
    {"L3", "rad", "rad", "L"},
}};

const TUnitCode& Code(std::string_view code) {
    for (const auto& c : kCodes)
        if (c.code == code) return c;
    return kCodes[0]; // unreachable: callers pass codes of the table
}

// Systems other than 1 and 2 behave as 3 (no substitution / generic letters).
std::string_view TextOf(std::string_view code, int system) {
    const TUnitCode& c = Code(code);
    if (system == usEnglish) return c.english;
    if (system == usSI) return c.si;
    return c.generic;
}

// Replace every occurrence from left to right, resuming after the inserted text.
void ReplaceAll(std::string& s, std::string_view code, std::string_view text) {
    std::size_t pos = 0;
    while ((pos = s.find(code, pos)) != std::string::npos) {
        s.replace(pos, code.size(), text);
        pos += text.size();
    }
}

// First-present rule: the first code of `order` found anywhere in the string
// is replaced wherever it occurs; the other codes of the family stay.
void ReplaceFirstPresent(std::string& s, std::initializer_list<std::string_view> order,
                         int system) {
    for (std::string_view code : order) {
        if (s.find(code) == std::string::npos) continue;
        std::string_view text = TextOf(code, system);
        std::size_t pos;
        while ((pos = s.find(code)) != std::string::npos)
            s.replace(pos, code.size(), text);
        return;
    }
}

bool Substitutes(int system) {
    return system == usEnglish || system == usSI;
}

long double ForceFactor(char digit) {
    switch (digit) {
    case '0':
        return 224.8089237L; // lbs per kN
    case '1':
        return 0.2248089237L; // kips per kN
    case '4':
        return 5.7101483L; // lb-sec2/in per Mg
    case '5':
        return 1.0L; // time
    case '6':
        return 68.364249L; // slug per Mg
    default:
        return 0.1124044745L; // tons per kN
    }
}

long double LengthFactor(char digit) {
    switch (digit) {
    case '0':
        return 39.37007874L; // in per m
    case '1':
        return 0.03937007874L; // in per mm
    case '3':
        return 1.0L; // angle
    default:
        return 3.280839895L; // ft per m
    }
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A power written after a code: a digit, or the superscript two or three
// (UTF-8 "²" C2 B2, "³" C2 B3) as in "L²".
int SuperscriptPower(std::string_view rest) {
    if (rest.size() >= 2 && static_cast<unsigned char>(rest[0]) == 0xC2) {
        if (static_cast<unsigned char>(rest[1]) == 0xB2) return 2;
        if (static_cast<unsigned char>(rest[1]) == 0xB3) return 3;
    }
    return 0;
}

long double PartFactor(std::string part) {
    long double force = 1.0L;
    if (!part.empty() && part[0] == 'F') {
        char next = part.size() > 1 ? part[1] : '\0';
        if (!(next >= '0' && next <= '2') && !(next >= '4' && next <= '6'))
            part.insert(part.begin() + 1, '0');
        int power = 1;
        std::size_t consumed = 3;
        if (part.size() > 3 && part[2] == '^') {
            power = IsDigit(part[3]) ? part[3] - '0' : 1;
            consumed = 5;
        } else if (int sup = SuperscriptPower(std::string_view(part).substr(2))) {
            power = sup;
            consumed = 5;
        }
        force = std::pow(ForceFactor(part[1]), static_cast<long double>(power));
        part.erase(0, std::min(consumed, part.size()));
    }
    long double length = 1.0L;
    if (!part.empty() && part[0] == 'L') {
        char next = part.size() > 1 ? part[1] : '\0';
        if (!(next >= '0' && next <= '3')) part.insert(part.begin() + 1, '0');
        int power = 1;
        if (part.size() >= 4 && IsDigit(part[3]))
            power = part[3] - '0';
        else if (int sup = SuperscriptPower(std::string_view(part).substr(2)))
            power = sup;
        length = std::pow(LengthFactor(part[1]), static_cast<long double>(power));
    }
    return force * length;
}

} // namespace

std::string EntryUnitsText(const std::string& units, int system) {
    if (!Substitutes(system)) return units;
    std::string s = units;
    ReplaceFirstPresent(s, {"F6", "F5", "F4", "F2", "F1", "F"}, system);
    ReplaceFirstPresent(s, {"L2", "L1", "L3", "L"}, system);
    return s;
}

std::string PlotUnitsText(const std::string& units, int system) {
    if (!Substitutes(system)) return units;
    std::string s = units;
    ReplaceFirstPresent(s, {"F2", "F1", "F"}, system);
    ReplaceFirstPresent(s, {"L2", "L1", "L"}, system);
    return s;
}

std::string ComboUnitsText(const std::string& units, int system) {
    if (!Substitutes(system)) return units;
    std::string s = units;
    ReplaceAll(s, "F", TextOf("F", system));
    ReplaceAll(s, "L", TextOf("L", system));
    return s;
}

std::string ColumnUnitsText(const std::string& units, int system) {
    std::string s = units;
    for (std::string_view code : {"F2", "F1", "F4", "F5", "F6", "F", "L3", "L2", "L1", "L"})
        ReplaceAll(s, code, TextOf(code, system));
    return s;
}

long double ConversionFactor(int from, int to, const std::string& units) {
    int exponent = 0;
    if (from == usEnglish && to == usSI)
        exponent = -1;
    else if (from == usSI && to == usEnglish)
        exponent = 1;
    if (exponent == 0 || units.empty()) return 1.0L;
    std::size_t slash = units.find('/');
    std::string numerator = units.substr(0, slash);
    std::string denominator = slash == std::string::npos ? std::string() : units.substr(slash + 1);
    long double ratio = PartFactor(numerator) / PartFactor(denominator);
    return exponent > 0 ? ratio : 1.0L / ratio;
}

} // namespace quvex
