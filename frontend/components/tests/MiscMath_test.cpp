#include <gtest/gtest.h>

#include <cmath>

#include "MiscMath.hpp"

namespace quvex {
namespace {

const std::string kPrefix = "Entry could not be evaluated:\r";

struct TEvalCase {
    const char* text;
    long double value; // expected value when `error` is empty
    const char* error; // reason after the prefix, or "" for a value
};

class EvaluateCases : public testing::TestWithParam<TEvalCase> {};

TEST_P(EvaluateCases, ValueOrMessage) {
    const TEvalCase& c = GetParam();
    if (*c.error == '\0') {
        long double v = Evaluate(c.text);
        EXPECT_NEAR(static_cast<double>(v), static_cast<double>(c.value),
                    1e-12 * std::max(1.0, std::fabs(static_cast<double>(c.value))))
            << "<" << c.text << ">";
        return;
    }
    try {
        Evaluate(c.text);
        ADD_FAILURE() << "<" << c.text << "> was accepted";
    } catch (const EAssignError& e) {
        EXPECT_EQ(e.what(), kPrefix + c.error) << "<" << c.text << ">";
    }
}

const char* const kInvalidChars = "invalid character(s) in expression";

INSTANTIATE_TEST_SUITE_P(
    Texts, EvaluateCases,
    testing::Values(
        TEvalCase{"2+3*4", 14, ""}, TEvalCase{"(2+3)*4", 20, ""}, TEvalCase{"2^3^2", 64, ""},
        TEvalCase{"10-4-3", 3, ""}, TEvalCase{"-2^2", 4, ""}, TEvalCase{"7%3", 1, ""},
        TEvalCase{"-7%3", -1, ""}, TEvalCase{"7.9%3.2", 1, ""}, TEvalCase{"1=1", 1, ""},
        TEvalCase{"1&0", 0, ""}, TEvalCase{"0|2", 1, ""}, TEvalCase{"2*(-3)", -6, ""},
        TEvalCase{"5--3", 8, ""}, TEvalCase{"1.5E-3*2", 0.003L, ""}, TEvalCase{" 1 2 ", 12, ""},
        TEvalCase{"1\t2", 12, ""}, TEvalCase{"PI", 3.14159265358979323851L, ""},
        TEvalCase{"Sqrt(16)", 4, ""}, TEvalCase{"3!", 6, ""}, TEvalCase{"0!", 1, ""},
        TEvalCase{"(-3)!", -6, ""},
        TEvalCase{"2.5!", 0, "! (factoral) applicable to integers only"}, TEvalCase{"$ff", 255, ""},
        TEvalCase{"$1F", 31, ""}, TEvalCase{"$xyz", 0, "invalid use of $ (hex function)"},
        TEvalCase{"$", 0, "invalid use of $ (hex function)"},
        TEvalCase{"2+", 0, "invalid expression"}, TEvalCase{"+2", 0, kInvalidChars},
        TEvalCase{"2++3", 0, kInvalidChars}, TEvalCase{"(2+3", 0, kInvalidChars},
        TEvalCase{"2+3)", 0, "() (parentheses) do not match"},
        TEvalCase{"", 0, "entry cannot be blank"}, TEvalCase{"()", 0, "entry cannot be blank"},
        TEvalCase{"round(2.5)", 2, ""}, TEvalCase{"round(3.5)", 4, ""},
        TEvalCase{"round(-2.5)", -2, ""}, TEvalCase{"e-1", 0, kInvalidChars},
        TEvalCase{"e+(-1)", 1.71828182845904524L, ""}, TEvalCase{"abc", 0, kInvalidChars},
        // functions take the rest of their operand
        TEvalCase{"sin2*3", 3 * std::sin(2.0L), ""}, TEvalCase{"sqrtsqrt16", 2, ""},
        TEvalCase{"sinpi", std::sin(3.14159265358979323851L), ""},
        TEvalCase{"sin(-1)", std::sin(-1.0L), ""}, TEvalCase{"2*sin(-1)", 0, kInvalidChars},
        TEvalCase{"-sqrt(4)", 0, kInvalidChars}, TEvalCase{"-pi", -3.14159265358979323851L, ""},
        TEvalCase{"--5", 5, ""}, TEvalCase{"pi*0.5^2", 3.14159265358979323851L / 4, ""},
        TEvalCase{"sqrt(2)/2", std::sqrt(2.0L) / 2, ""}, TEvalCase{"12*3.5", 42, ""},
        TEvalCase{"cosec(1)", 1 / std::sin(1.0L), ""}, TEvalCase{"sec0", 1, ""},
        TEvalCase{"frac(-2.75)", -0.75L, ""}, TEvalCase{"int(-2.75)", -2, ""},
        TEvalCase{"ceil(2.1)", 3, ""}, TEvalCase{"floor(-2.1)", -3, ""},
        TEvalCase{"log1000", 3, ""}, TEvalCase{"ln(e)", 1, ""}, TEvalCase{"abs(-4)", 4, ""},
        // a small intermediate result is written back in exponent form
        TEvalCase{"(1/100000)*2", 2e-5L, ""}, TEvalCase{"(1/3)*3", 1, ""},
        // arithmetic faults are refused instead of giving Inf or NaN
        TEvalCase{"1/0", 0, "division by zero"}, TEvalCase{"7%0.5", 0, "division by zero"},
        TEvalCase{"sqrt(-1)", 0, "invalid floating point operation"},
        TEvalCase{"ln0", 0, "division by zero"}, TEvalCase{"10^5000", 0, "floating point overflow"},
        TEvalCase{"1E5000", 0, "floating point overflow"},
        TEvalCase{"3000!", 0, "floating point overflow"},
        TEvalCase{"ceil(1E10)", 0, "floating point overflow"},
        TEvalCase{"1\x1F"
                  "2",
                  0, kInvalidChars}));

TEST(EvaluateErrors, ArithmeticFaultsAreAssignErrors) {
    EXPECT_THROW(Evaluate("1/0"), EMathError);
    EXPECT_THROW(Evaluate("1/0"), EAssignError);
}

TEST(IsFunctionName, ExactLowerCasedNames) {
    for (const char* name : {"arctanh", "SIN", "Cosec", "!", "$", "sqrt", "floor"})
        EXPECT_TRUE(IsFunctionName(name)) << name;
    for (const char* name : {"si", "sine", "pi", "e", "exp", ""})
        EXPECT_FALSE(IsFunctionName(name)) << name;
}

TEST(FormatGeneral, ShortestTextWithExponentWithoutPlus) {
    EXPECT_EQ(FormatGeneral(6, 18), "6");
    EXPECT_EQ(FormatGeneral(0.5L, 18), "0.5");
    EXPECT_EQ(FormatGeneral(1e-5L, 18), "1E-5");
    EXPECT_EQ(FormatGeneral(1e20L, 18), "1E20");
    EXPECT_EQ(FormatGeneral(4.788025888L, 8), "4.7880259");
    EXPECT_EQ(FormatGeneral(-3, 8), "-3");
}

} // namespace
} // namespace quvex
