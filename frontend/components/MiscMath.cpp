#include "MiscMath.hpp"

#include "DecimalText.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

namespace quvex {
namespace {

constexpr long double kPi = 3.14159265358979323851L;
constexpr long double kE = 2.71828182845904524L;

// Marks a "-" that means subtraction.  A control character: entries with it
// are refused before any rewriting, so no user text can fake it.
constexpr char kBinaryMinus = '\x1F';
constexpr std::string_view kOperators = "^*/%+&|=\x1F";

constexpr int kTextDigits = 18;

[[noreturn]] void Fail(const char* reason) {
    throw EAssignError(std::string("Entry could not be evaluated:\r") + reason);
}

[[noreturn]] void MathFail(const char* reason) {
    throw EMathError(std::string("Entry could not be evaluated:\r") + reason);
}

// Every result passes through here so no NaN or Inf escapes.
long double Checked(long double v) {
    if (std::isnan(v)) MathFail("invalid floating point operation");
    if (std::isinf(v)) MathFail("floating point overflow");
    return v;
}

long double Reciprocal(long double v) {
    if (v == 0.0L) MathFail("division by zero");
    return Checked(1.0L / v);
}

long double Logarithm(long double v, bool base10) {
    if (v == 0.0L) MathFail("division by zero");
    if (v < 0.0L) MathFail("invalid floating point operation");
    return base10 ? std::log10(v) : std::log(v);
}

long double RoundHalfEven(long double v) {
    long double whole = std::trunc(v);
    long double rest = v - whole;
    if (std::fabs(rest) != 0.5L) return std::round(v);
    // a half: go to the even neighbour
    return std::fmod(whole, 2.0L) == 0.0L ? whole : whole + (v > 0 ? 1.0L : -1.0L);
}

long double Int32Result(long double v) {
    if (v < -2147483648.0L || v > 2147483647.0L) MathFail("floating point overflow");
    return v;
}

std::string Lower(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

// Optional sign, digits with an optional decimal point, optional exponent.
bool ParseDecimal(std::string_view s, long double& value) {
    const TDecimalRead read = ReadDecimal(s, value);
    if (read == TDecimalRead::Overflow) MathFail("floating point overflow");
    return read == TDecimalRead::Ok;
}

long double Hexadecimal(std::string_view digits) {
    std::uint64_t v = 0;
    if (digits.empty()) Fail("invalid use of $ (hex function)");
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v, 16);
    if (ec != std::errc() || ptr != digits.data() + digits.size())
        Fail("invalid use of $ (hex function)");
    return static_cast<long double>(v);
}

long double Factorial(long double n) {
    if (std::trunc(n) != n) Fail("! (factoral) applicable to integers only");
    long double m = std::fabs(n);
    if (m > 2000.0L) MathFail("floating point overflow"); // beyond the number range anyway
    long double r = 1.0L;
    for (long double k = 2.0L; k <= m; k += 1.0L)
        r *= k;
    return Checked(n < 0 ? -r : r);
}

struct TFunction {
    std::string_view name;
    long double (*apply)(long double);
};

// Tested in this order against the start of an operand; the first match
// takes the rest of the operand as its argument.
const std::array<TFunction, 25> kFunctions{{
    {"arctanh", [](long double x) { return std::atanh(x); }},
    {"arctan", [](long double x) { return std::atan(x); }},
    {"cotan", [](long double x) { return Reciprocal(std::tan(x)); }},
    {"tanh", [](long double x) { return std::tanh(x); }},
    {"tan", [](long double x) { return std::tan(x); }},
    {"arccosh", [](long double x) { return std::acosh(x); }},
    {"arccos", [](long double x) { return std::acos(x); }},
    {"cosh", [](long double x) { return std::cosh(x); }},
    {"cosec", [](long double x) { return Reciprocal(std::sin(x)); }},
    {"cos", [](long double x) { return std::cos(x); }},
    {"sec", [](long double x) { return Reciprocal(std::cos(x)); }},
    {"arcsinh", [](long double x) { return std::asinh(x); }},
    {"arcsin", [](long double x) { return std::asin(x); }},
    {"sinh", [](long double x) { return std::sinh(x); }},
    {"sin", [](long double x) { return std::sin(x); }},
    {"csc", [](long double x) { return Reciprocal(std::sin(x)); }},
    {"abs", [](long double x) { return std::fabs(x); }},
    {"frac", [](long double x) { return x - std::trunc(x); }},
    {"int", [](long double x) { return std::trunc(x); }},
    {"ln", [](long double x) { return Logarithm(x, false); }},
    {"round", [](long double x) { return RoundHalfEven(x); }},
    {"ceil", [](long double x) { return Int32Result(std::ceil(x)); }},
    {"floor", [](long double x) { return Int32Result(std::floor(x)); }},
    {"log", [](long double x) { return Logarithm(x, true); }},
    {"sqrt", [](long double x) { return std::sqrt(x); }},
}};

std::string Text(long double v) {
    return FormatGeneral(Checked(v), kTextDigits);
}

bool IsSignPosition(const std::string& s, std::size_t i) {
    if (i == 0) return true;
    if (IsFunctionName(s.substr(0, i))) return true;
    return std::string_view("%&*+/=E^e|-\x1F").find(s[i - 1]) != std::string_view::npos;
}

long double Apply(const std::string& left, char op, const std::string& right) {
    long double a = EvaluateOperand(left);
    long double b = EvaluateOperand(right);
    switch (op) {
    case '^':
        return Checked(std::pow(a, b));
    case '*':
        return Checked(a * b);
    case '/':
        if (b == 0.0L) MathFail("division by zero");
        return Checked(a / b);
    case '%': {
        long double ta = std::trunc(a), tb = std::trunc(b);
        constexpr long double kLimit = 9223372036854775807.0L;
        if (std::fabs(ta) > kLimit || std::fabs(tb) > kLimit) MathFail("floating point overflow");
        auto ia = static_cast<std::int64_t>(ta), ib = static_cast<std::int64_t>(tb);
        if (ib == 0) MathFail("division by zero");
        if (ib == -1) return 0.0L; // avoids INT64_MIN % -1
        return static_cast<long double>(ia % ib);
    }
    case '&':
        return (a != 0.0L && b != 0.0L) ? 1.0L : 0.0L;
    case '+':
        return Checked(a + b);
    case kBinaryMinus:
        return Checked(a - b);
    case '|':
        return (a != 0.0L || b != 0.0L) ? 1.0L : 0.0L;
    default:
        return a == b ? 1.0L : 0.0L; // '='
    }
}

} // namespace

std::string FormatGeneral(long double value, int digits) {
    std::array<char, 80> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::general, digits);
    std::string s(buf.data(), ec == std::errc() ? end : buf.data());
    std::size_t e = s.find('e');
    if (e == std::string::npos) return s;
    std::string mantissa = s.substr(0, e);
    std::string exponent = s.substr(e + 1);
    bool negative = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && (exponent[0] == '-' || exponent[0] == '+')) exponent.erase(0, 1);
    exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
    return mantissa + "E" + (negative ? "-" : "") + exponent;
}

bool IsFunctionName(const std::string& text) {
    static constexpr std::array<std::string_view, 27> kNames{
        "arctanh", "arctan",  "cotan",  "tanh", "tan",   "arccosh", "arccos", "cosh", "cos",
        "sec",     "arcsinh", "arcsin", "sinh", "sin",   "cosec",   "csc",    "abs",  "frac",
        "int",     "ln",      "round",  "ceil", "floor", "log",     "sqrt",   "!",    "$"};
    std::string lower = Lower(text);
    return std::find(kNames.begin(), kNames.end(), lower) != kNames.end();
}

long double EvaluateOperand(const std::string& text) {
    std::string s = text;
    for (std::size_t pos; (pos = s.find("--")) != std::string::npos;)
        s.erase(pos, 2);
    std::string lower = Lower(s);
    if (lower == "pi") return kPi;
    if (lower == "-pi") return -kPi;
    if (lower == "e") return kE;
    if (lower == "-e") return -kE;
    for (const TFunction& f : kFunctions)
        if (lower.starts_with(f.name))
            return Checked(f.apply(EvaluateOperand(s.substr(f.name.size()))));
    if (!s.empty() && s.back() == '!') return Factorial(EvaluateOperand(s.substr(0, s.size() - 1)));
    if (!s.empty() && s[0] == '$') return Hexadecimal(std::string_view(s).substr(1));
    long double v = 0;
    if (!ParseDecimal(s, v)) Fail("invalid character(s) in expression");
    return v;
}

long double Evaluate(const std::string& text) {
    if (text.empty()) Fail("entry cannot be blank");
    if (text.find(kBinaryMinus) != std::string::npos) Fail("invalid character(s) in expression");
    std::string s;
    for (char c : text)
        if (c != ' ') s += c;
    std::erase(s, '\t');

    // Parentheses, innermost first: "sqrt(9)" becomes "sqrt9".
    for (std::size_t close; (close = s.find(')')) != std::string::npos;) {
        std::size_t open = s.rfind('(', close);
        if (open == std::string::npos) Fail("() (parentheses) do not match");
        std::string inner = Text(Evaluate(s.substr(open + 1, close - open - 1)));
        s.replace(open, close - open + 1, inner);
    }

    // Minus signs: a sign stays "-", a subtraction becomes the binary mark.
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == '-' && !IsSignPosition(s, i)) s[i] = kBinaryMinus;

    std::vector<std::string> operands;
    std::vector<char> operators;
    for (std::size_t start = 0; start < s.size();) {
        std::size_t op = s.find_first_of(kOperators, start);
        if (op == std::string::npos) {
            operands.push_back(s.substr(start));
            break;
        }
        operands.push_back(s.substr(start, op - start));
        operators.push_back(s[op]);
        start = op + 1;
    }
    if (operands.size() != operators.size() + 1) Fail("invalid expression");

    for (std::string_view level : {"^", "*/%&", "+|\x1F", "="}) {
        for (std::size_t i = 0; i < operators.size();) {
            if (level.find(operators[i]) == std::string_view::npos) {
                ++i;
                continue;
            }
            operands[i] = Text(Apply(operands[i], operators[i], operands[i + 1]));
            operands.erase(operands.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            operators.erase(operators.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    return Checked(EvaluateOperand(operands[0]));
}

} // namespace quvex
