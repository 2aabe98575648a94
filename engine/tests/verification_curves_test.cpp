// t-z curves at listed depths: range, kind and friction angle, and their
// section of the report and the plot data file.
#include "plot_sections.hpp"
#include "run_fixture.hpp"
#include "settlement/verification_curves.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quvex {
namespace {

using namespace settlement;
using ::testing::HasSubstr;
using ::testing::Not;

using test::point;

// Clay 0 - 10 ft, sand 10 - 20 ft (phi 30 to 34), a thin sand sliver 20 - 20.05 ft.
const std::vector<io::SoilPoint> kProfile = {point(0, 2), point(10, 2), point(10, 1, 30),
                                             point(20, 1, 34), point(20.05, 1, 34)};

struct ClassifyCase {
    double depth;
    int kind;
    double phi;
};

void PrintTo(const ClassifyCase& c, std::ostream* os) {
    *os << "depth " << c.depth;
}

class ClassifyAtDepth : public ::testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyAtDepth, TakesTheFirstIntervalReachingTheDepth) {
    TzCurve c;
    classifyAtDepth(kProfile, GetParam().depth, c);
    EXPECT_EQ(c.kind, GetParam().kind);
    EXPECT_NEAR(c.frictionAngle, GetParam().phi, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, ClassifyAtDepth,
    ::testing::Values(ClassifyCase{5, kClayCurve, 0},
                      ClassifyCase{10, kClayCurve, 0},  // a boundary belongs to the upper layer
                      ClassifyCase{15, kSandCurve, 32}, // phi halfway between 30 and 34
                      ClassifyCase{20, kSandCurve, 34},
                      ClassifyCase{20.03, kSandCurve, 34})); // in the sliver: the last thick one

TransferInputs ramp() {
    // 1 kip per ft of penetration all the way down: 0, 1, 2, ... at 0, 1, 2, ... ft.
    TransferInputs in;
    in.increment = 1.0;
    in.sideResistance.push_back(0);
    for (int k = 1; k <= 41; ++k)
        in.sideResistance.push_back(k - 1);
    in.tipResistance.assign(in.sideResistance.size(), 0.0);
    return in;
}

TEST(VerificationCurves, RangeIsTheSoilProfileWithBothEnds) {
    const CurveSetting s{true, false, 24, 0};
    const auto curves = verificationCurves({-1, 0, 20.05, 20.06}, kProfile, ramp(), s);
    ASSERT_EQ(curves.size(), 4u);
    EXPECT_FALSE(curves[0].inRange);
    EXPECT_TRUE(curves[1].inRange);
    EXPECT_TRUE(curves[2].inRange); // the last soil point's depth
    EXPECT_FALSE(curves[3].inRange);
    EXPECT_EQ(curves[3].number, 4);
}

TEST(VerificationCurves, UsaceSandFollowsTheInterpolatedFrictionAngle) {
    // At 15 ft phi = 32, K = 10000; slope 1 kip/ft over OD 24 in:
    // tmax = 1000 / (24 * 12 * 3.1416) = 1.10524 psi, T = 144 tmax = 159.155;
    // t(0.01 in) = 0.01 / (1e-4 + 0.01 / 159.155) / 144 = 0.42646 psi.
    const CurveSetting s{true, true, 24, 0};
    const auto curves = verificationCurves({15}, kProfile, ramp(), s);
    ASSERT_TRUE(curves[0].inRange);
    EXPECT_EQ(curves[0].curve.kind, kSandCurve);
    EXPECT_NEAR(curves[0].curve.tmax, 1.10524, 1e-4);
    EXPECT_NEAR(curves[0].curve.t[1], 0.42646, 1e-4);
    EXPECT_DOUBLE_EQ(curves[0].curve.depth, 180);
}

test::Project profile120() {
    test::Project p;
    p.profileBottom = 120;
    p.layers = {test::Layer{0.0, 120.0}};
    return p;
}

TEST(VerificationSection, PrintsCurvesInRangeAndNamesTheOthers) {
    test::Project p = profile120();
    p.extraTz = {10, 200, -1};
    const auto out = test::runProject("verify-range", p);
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    const std::string& r = out.report;
    const std::size_t banner =
        r.find("\n\n\n                *************************************************\n"
               "                * COMPUTE INTERNALLY-GENERATED LOAD-TRANSFER    *\n"
               "                * (t-z) CURVES FOR VERIFICATION                 *\n"
               "                *************************************************\n\n"
               "        T-Z CURVE   NO. OF   DEPTH TO CURVE   LOAD TRANSFER   PILE MOVEMENT\n"
               "           NO.      POINTS        FT.              PSI             IN.\n\n"
               "            1         10      0.1000E+02\n");
    ASSERT_NE(banner, std::string::npos);
    EXPECT_LT(r.find("LOAD VERSUS SETTLEMENT CURVE"), banner);
    const std::string rest = r.substr(banner);
    EXPECT_THAT(rest,
                HasSubstr("\n            2         10      0.2000E+03\n"
                          "               CURVE NOT PRINTED SINCE DEPTH OUTSIDE SOIL RANGE\n"
                          "            3         10     -0.1000E+01\n"
                          "               CURVE NOT PRINTED SINCE DEPTH OUTSIDE SOIL RANGE\n"));
    const test::PlotSections s = test::plotSections(out.plot, 51);
    ASSERT_TRUE(s.complete);
    ASSERT_EQ(s.verification.size(), 12u);
    EXPECT_EQ(s.verification[0], " 1");
    EXPECT_EQ(s.verification[1], "            1         10      0.1000E+02");
}

TEST(VerificationSection, AbsentWithoutListedDepths) {
    const auto out = test::runProject("verify-none", profile120());
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    EXPECT_THAT(out.report, Not(HasSubstr("FOR VERIFICATION")));
    const test::PlotSections s = test::plotSections(out.plot, 51);
    EXPECT_TRUE(s.complete);
    EXPECT_TRUE(s.verification.empty());
}

TEST(VerificationSection, StickupDoesNotShiftTheListedDepth) {
    // The same 50 ft embedded in the same soil, with and without 5 ft of stickup.
    test::Project ground = profile120();
    ground.extraTz = {10};
    test::Project raised = ground;
    raised.stickup = 5;
    raised.totalLength = 55;
    const auto a = test::runProject("verify-ground", ground);
    const auto b = test::runProject("verify-stickup", raised);
    ASSERT_EQ(a.result.status, 0) << a.result.failure;
    ASSERT_EQ(b.result.status, 0) << b.result.failure;
    const test::PlotSections sa = test::plotSections(a.plot, 51);
    const test::PlotSections sb = test::plotSections(b.plot, 51);
    ASSERT_TRUE(sa.complete);
    ASSERT_TRUE(sb.complete);
    EXPECT_EQ(sb.verification[1], "            1         10      0.1000E+02");
    EXPECT_EQ(sa.verification, sb.verification);
}

} // namespace
} // namespace quvex
