#include "io/fixed_format.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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
