#include "io/capacity_report.hpp"
#include "run_fixture.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace quvex {
namespace {

using test::Project;
using ::testing::HasSubstr;
using ::testing::Not;

TEST(CapacityTable, RowsAtThePrintInterval) {
    using io::printedIncrements;
    EXPECT_EQ(printedIncrements(101, 10, true).size(), 11u);
    EXPECT_EQ(printedIncrements(101, 10, true).back(), 101);
    const auto extra = printedIncrements(105, 10, true);
    EXPECT_EQ(extra.size(), 12u);
    EXPECT_EQ(extra[10], 101);
    EXPECT_EQ(extra[11], 105);
    EXPECT_EQ(printedIncrements(105, 10, false).size(), 11u);
    EXPECT_EQ(printedIncrements(7, 1, true), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(io::plotRowsPerBlock(101, 10), 11);
    EXPECT_EQ(io::plotRowsPerBlock(105, 10), 12);
}

// A 12 in closed pipe 104 ft long (n = 105 increments) in clay with user values.
Project longPile() {
    Project p;
    p.od = 12;
    p.id = 11;
    p.closedEnd = 1;
    p.totalLength = 104;
    p.profileBottom = 110;
    p.printInterval = 10;
    p.layers = {test::Layer{0, 110}};
    p.layers[0].b[7] = 1000; // user unit friction, psf
    p.layers[0].b[8] = 9000; // user unit end bearing
    p.flags[4] = 1;          // user-specified, with API
    return p;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(CapacityTable, ReportAndPlotBlocks) {
    const auto out = test::runProject("tables", longPile());
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    EXPECT_THAT(out.report, HasSubstr("\n\n\n                             ******************\n"
                                      "                             * GENERAL METHOD *\n"
                                      "                             ******************\n\n"
                                      "             PILE       TOTAL SKIN       END       ULTIMATE\n"
                                      "          PENETRATION   FRICTION       BEARING     CAPACITY\n"
                                      "              FT.          KIP           KIP          KIP\n"));
    EXPECT_THAT(out.report, HasSubstr("                            *  API RP-2A (1994)  *\n"));
    // User method: friction π·k kips at k ft, tip 9 ksf on π/4 ft².
    const double tip = 9.0 * 0.7853975;
    auto row = [&](double depth) {
        char text[120];
        std::snprintf(text, sizeof text, "\n           %7.2f      %8.1f      %8.1f    %9.1f\n",
                      depth, 3.14159 * depth, tip, 3.14159 * depth + tip);
        return std::string(text);
    };
    // Increment 105 follows 101 as an extra last row.
    EXPECT_THAT(out.report, HasSubstr(row(100.0) + row(104.0).substr(1)));
    EXPECT_THAT(out.report, HasSubstr("\n            100.00         314.2           7.1        321.2\n"));

    const auto plot = linesOf(out.plot);
    ASSERT_GE(plot.size(), 1u + 2 * 12);
    EXPECT_EQ(plot[0], " 2 12 1 4");
    EXPECT_EQ(plot[1], "     0.00       0.0       7.1        7.1      1.000");
    EXPECT_EQ(plot[12], "   104.00     326.7       7.1      333.8      1.000");
    EXPECT_EQ(plot[13].substr(0, 11), "     0.00  "); // the API block follows
}

TEST(CapacityTable, TensionHeadingsAndSelfWeight) {
    Project p = longPile();
    p.loadDirection = 1;
    const auto out = test::runProject("tension", p);
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    const auto api = out.report.find("API RP-2A (1994)");
    ASSERT_NE(api, std::string::npos);
    EXPECT_THAT(out.report.substr(api),
                HasSubstr("             PILE       TOTAL SKIN       SELF      ULTIMATE\n"
                          "          PENETRATION   FRICTION        WEIGHT     CAPACITY\n"));
    EXPECT_THAT(out.report.substr(0, api),
                HasSubstr("          PENETRATION   FRICTION       BEARING     CAPACITY\n"));
}

TEST(CapacityTable, PlugMarkStandsAfterTheEndBearing) {
    Project p;
    p.printInterval = 10; // a 24/23 in open pipe in soft clay: plug-controlled at first
    const auto out = test::runProject("plug-mark", p);
    ASSERT_EQ(out.result.status, 0);
    EXPECT_THAT(out.report, ::testing::ContainsRegex("\n +10\\.00 +[0-9.]+ +[0-9.]+\\*   +[0-9.]+\n"));
    EXPECT_THAT(out.report, Not(HasSubstr("* GENERAL METHOD *")));
}

TEST(CapacityTable, UserFlagWithoutUserValuesWritesAZeroBlock) {
    Project p;
    p.flags[4] = 1;
    p.printInterval = 25; // 51 increments: rows 1, 26, 51
    const auto out = test::runProject("zero-block", p);
    ASSERT_EQ(out.result.status, 0);
    EXPECT_THAT(out.report, Not(HasSubstr("GENERAL METHOD")));
    const auto plot = linesOf(out.plot);
    EXPECT_EQ(plot[0], " 2 3 1 4");
    EXPECT_EQ(plot[1], "     0.00       0.0       0.0        0.0      0.000");
    EXPECT_EQ(plot[3], "    50.00       0.0       0.0        0.0      0.000");
}

// Whole piles whose capacity at the tip has a closed form.
TEST(WholePile, UniformClayAndUniformSand) {
    Project clay;
    clay.od = 12;
    clay.id = 11;
    clay.closedEnd = 1;
    clay.totalLength = 30;
    clay.profileBottom = 40;
    clay.layers = {test::Layer{0, 40}};
    clay.layers[0].b[2] = 1000; // Su 1 ksf, γ' 50 pcf
    // Segment j: ψ = 20 / j, α_j = 0.5 (j/20)^0.25 below 20 and 0.5 (j/20)^0.5 from 20.
    // Q = Σ 0.5 (α_{k-1} + α_k) π with α_0 = α_1: 42.7997 kips; tip 9 · π/4 = 7.0686.
    auto out = test::runProject("whole-clay", clay);
    ASSERT_EQ(out.result.status, 0);
    ASSERT_EQ(out.result.methods.size(), 1u);
    EXPECT_NEAR(out.result.methods[0].rows.back().ultimate, 49.8682, 49.8682 * 0.0005);

    Project sand = clay;
    sand.layers = {test::Layer{0, 40, 1}};
    const double a[4] = {0.8, 60, 30, 20};
    const double b[11] = {2000, 100000, 0, 20, 0, 0, 0, 0, 0, 1, 1};
    std::copy(a, a + 4, sand.layers[0].a);
    std::copy(b, b + 11, sand.layers[0].b);
    // f = 0.8 · 0.06 z · tan 25° = 0.0223828 z ksf, never at 2 ksf:
    // Q = 0.0223828 · 30² / 2 · π = 31.6429; q = 20 · 0.06 z, averaged at 30 ft:
    // 1.2 · 30 · π/4 = 28.2743.
    out = test::runProject("whole-sand", sand);
    ASSERT_EQ(out.result.status, 0);
    EXPECT_NEAR(out.result.methods[0].rows.back().skinFriction, 31.6429, 31.6429 * 0.0005);
    EXPECT_NEAR(out.result.methods[0].rows.back().tip, 28.2743, 28.2743 * 0.0005);
    EXPECT_NEAR(out.result.methods[0].rows.back().ultimate, 59.9172, 59.9172 * 0.0005);
}

} // namespace
} // namespace quvex
