#include "io/fixed_format.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace quvex::io {
namespace {

struct RealCase {
    double value;
    int width;
    int decimals;
    const char* expected;
};

TEST(FixedFormat, FFieldRoundsFromTheBinaryValueAndOverflowsToAsterisks) {
    const RealCase cases[] = {
        {36.9138, 10, 2, "     36.91"}, {0.0244, 10, 2, "      0.02"},
        {2.675, 6, 2, "  2.67"},   // 2.67499999... in binary
        {0.125, 6, 2, "  0.12"},   // exact tie: round half to even as printf does
        {-0.001, 7, 2, "  -0.00"}, // a negative value rounding to zero keeps its sign
        {1234.5, 6, 1, "1234.5"},       {12345.6, 6, 1, "******"},
        {-999.99, 7, 2, "-999.99"},     {-1000.0, 7, 2, "*******"},
        {std::nan(""), 5, 1, "*****"},  {std::numeric_limits<double>::infinity(), 8, 2, "********"},
        {1e308, 10, 2, "**********"},
    };
    for (const RealCase& c : cases)
        EXPECT_EQ(fieldF(c.value, c.width, c.decimals), c.expected) << c.value;
}

TEST(FixedFormat, EFieldWritesAZeroPointMantissa) {
    const RealCase cases[] = {
        {9999999.0, 8, 2, "0.10E+08"},
        {29e6, 10, 3, " 0.290E+08"},
        {0.0, 10, 3, " 0.000E+00"},
        {6.0, 10, 3, " 0.600E+01"},
        {0.000123456, 10, 3, " 0.123E-03"},
        {9.9996, 9, 3, "0.100E+02"}, // rounding carries into the exponent
        {1.7, 8, 2, "0.17E+01"},
        {-29e6, 10, 3, "-0.290E+08"},
        {-29e6, 9, 3, "-.290E+08"}, // one column short: the leading 0 goes
        {29e6, 8, 3, ".290E+08"},
        {-29e6, 8, 3, "********"},     // two columns short
        {1e-120, 10, 3, " 0.100-119"}, // three-digit exponent gives up the E
        {std::nan(""), 9, 2, "*********"},
    };
    for (const RealCase& c : cases)
        EXPECT_EQ(fieldE(c.value, c.width, c.decimals), c.expected) << c.value;
}

TEST(FixedFormat, IntegerFields) {
    EXPECT_EQ(fieldI(526, 4), " 526");
    EXPECT_EQ(fieldI(1234, 4), "1234");
    EXPECT_EQ(fieldI(12345, 4), "****");
    EXPECT_EQ(fieldI(-12, 3), "-12");
    EXPECT_EQ(fieldI(-123, 3), "***");
    EXPECT_EQ(fieldI(5, 2, 2), "05");
    EXPECT_EQ(fieldI(0, 2, 2), "00");
    EXPECT_EQ(fieldI(7, 4, 2), "  07");
    EXPECT_EQ(fieldI(123, 2, 2), "**");
}

TEST(FixedFormat, TextFieldsAreCutOrPadded) {
    EXPECT_EQ(fieldA("FT.", 5), "FT.  ");
    EXPECT_EQ(fieldA("ABCDEFG", 3), "ABC");
    EXPECT_EQ(fieldA("", 2), "  ");
}

TEST(FixedFormat, LineBuildsFieldsLeftToRight) {
    const Line line = Line().x(10).t("AREA =").f(36.9138, 10, 2).x(1).a("IN2", 3);
    EXPECT_EQ(line.str(), "          AREA =     36.91 IN2");
    TextOut out;
    out.empty(2).line(Line().rep('=', 3)).raw(">");
    EXPECT_EQ(out.text(), "\n\n===\n>");
}

} // namespace
} // namespace quvex::io

namespace quvex::io {
namespace {

// The fields round exactly as the C library's printf: compare with it over
// many values of every magnitude, including exact ties.
TEST(FixedFormat, RoundsAsPrintfDoes) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    for (int i = 0; i < 200000; ++i) {
        double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        if (i % 10 == 0) v = std::round(v * 1000.0) / 1000.0 + 0.0005;     // near ties
        if (i % 17 == 0) v = std::ldexp(std::round(std::ldexp(v, 3)), -3); // exact ties
        const int decimals = i % 5;
        char expected[400];
        std::snprintf(expected, sizeof expected, "%.*f", decimals, v);
        ASSERT_EQ(fieldF(v, 40, decimals), std::string(40 - std::strlen(expected), ' ') + expected)
            << v;
        const int digits = 1 + i % 4;
        std::snprintf(expected, sizeof expected, "%.*e", digits - 1, std::fabs(v));
        const std::string e = fieldE(v, 20, digits);
        // Same significant digits as printf's: 0.DDD against D.DD.
        std::string printfDigits;
        for (const char* p = expected; *p && *p != 'e'; ++p)
            if (*p != '.') printfDigits += *p;
        ASSERT_NE(e.find("0." + printfDigits), std::string::npos) << v << " " << e;
    }
}

} // namespace
} // namespace quvex::io
