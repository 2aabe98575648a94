#include "methods/friction_angle_chart.hpp"

#include <gtest/gtest.h>

namespace quvex::methods {
namespace {

struct ChartCase {
    double n;
    double stressPsi;
    double angle;
    const char* why;
};

TEST(FrictionAngleChart, WorkedValuesAndBandEdges) {
    const ChartCase cases[] = {
        {1, 0, 16, "0 psi curve halfway between N 0 and 2"},
        {10, 10, 35, "38 - (10/20)(38 - 32)"},
        {30, 30, 37.5, "39 - (10/20)(39 - 36)"},
        {60, 30, 42.5, "40 + (10/20)(45 - 40)"},
        {25, 50, 35, "40 psi curve"},
        {20, 0, 45, "N = 20 in band 1: 36 + 20 * 9 / 20"},
        {20, 10, 40.5, "36 + 10 * 9 / 20"},
        {20, 20, 36, "36 + 0"},
        {55, 30, 42, "45 - 10 * 6 / 20"},
        {10, 20, 32, "20 psi belongs to band 1: the 20 psi curve"},
        {25, 40, 35, "40 psi belongs to band 3"},
        {8, 25, 31, "band 2 below N 10 ignores the stress"},
        {8, 35, 31, "band 2 below N 10 ignores the stress"},
        {4, 30, 30, "band 2, N <= 6"},
        {10, 30, 31.5, "32 - (30 - 20) / 20"},
        {95, 30, 50, "band 2, N >= 90"},
        {4, 10, 32, "34 - (10/20)(34 - 30)"},
        {60, 10, 45, "band 1 past the 20 psi curve"},
        {5, 50, 30, "band 3, N <= 6"},
        {8, 50, 31, "band 3: 30 + 0.5 * 2"},
        {10, 50, 31, "band 3 at N 10: first point of the 40 psi curve"},
        {90, 50, 50, "band 3 at N 90"},
        {62.5, 45, 40.5, "40 psi curve between 60 and 65"},
    };
    for (const ChartCase& c : cases) {
        EXPECT_NEAR(frictionAngleFromBlowCount(c.n, c.stressPsi), c.angle, 1e-9)
            << "N " << c.n << ", " << c.stressPsi << " psi: " << c.why;
    }
}

} // namespace
} // namespace quvex::methods
