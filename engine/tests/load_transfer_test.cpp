// t-z and Q-w curves: curve points, tmax, curve shapes, the tip curve, the
// depth walk of the solution and the curve section of the report and plot file.
#include "plot_sections.hpp"
#include "run_fixture.hpp"
#include "settlement/load_transfer_curves.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quvex {
namespace {

using namespace settlement;
using ::testing::HasSubstr;
using ::testing::Not;

using test::point;

CurveSetting english(double diameter = 24.0, bool usace = false, double stickup = 0.0) {
    return {true, usace, diameter, stickup};
}

CurveSetting si(double diameter = 0.6, bool usace = false, double stickup = 0.0) {
    return {false, usace, diameter, stickup};
}

// ---------------------------------------------------------------- chosen method

TEST(ChosenMethod, MethodNumbersMapToAssemblyCodes) {
    // Input numbering 1 FHWA ... 5 user, 6 NGI ... 9 UWA; assembly 5 NGI ... 9 user.
    const int codes[] = {0, 1, 2, 3, 4, 9, 5, 6, 7, 8, 0};
    for (int number = 0; number <= 10; ++number)
        EXPECT_EQ(methodCodeOf(number), codes[number]) << "method number " << number;
}

TEST(ChosenMethod, CopiesSettlementFrictionAndUnfactoredTipOneIncrementOn) {
    methods::MethodResult r;
    r.friction.settlement = {0, 1, 3};
    r.friction.cumulative = {0, 5, 7}; // factored: not for the settlement
    r.tipUnfactored = {10, 11, 12};
    r.tip = {20, 21, 22};
    // Four increments, but the method stops at depth point 2: the rest is zero.
    const TransferInputs in = copyChosenMethod(r, 4, 0.5);
    ASSERT_EQ(in.count(), 4);
    EXPECT_EQ(in.sideResistance, (std::vector<double>{0, 0, 1, 3, 0}));
    EXPECT_EQ(in.tipResistance, (std::vector<double>{0, 10, 11, 12, 0}));
    EXPECT_DOUBLE_EQ(in.depth(3), 1.0);
    // A method that produced nothing gives zeros.
    const TransferInputs none = copyChosenMethod(methods::MethodResult{}, 3, 1.0);
    EXPECT_EQ(none.sideResistance, (std::vector<double>{0, 0, 0, 0}));
}

// ---------------------------------------------------------------- curve points

struct PointsCase {
    const char* what;
    std::vector<io::SoilPoint> points;
    CurveSetting setting;
    std::vector<double> depths; // in creation order
};

void PrintTo(const PointsCase& c, std::ostream* os) {
    *os << c.what;
}

class CurvePoints : public ::testing::TestWithParam<PointsCase> {};

TEST_P(CurvePoints, AreCreatedTopBottomMiddlePerInterval) {
    const PointsCase& c = GetParam();
    const std::vector<TzCurve> curves = curvePoints(c.points, c.setting);
    ASSERT_EQ(curves.size(), c.depths.size());
    for (std::size_t i = 0; i < curves.size(); ++i)
        EXPECT_NEAR(curves[i].depth, c.depths[i], 1e-6) << "curve point " << i;
}

INSTANTIATE_TEST_SUITE_P(Intervals, CurvePoints,
                         ::testing::Values(
                             // Two touching layers: the zero-thickness contact gives no points.
                             PointsCase{"two touching layers, English",
                                        {point(0, 2), point(10, 2), point(10, 1), point(60, 1)},
                                        english(),
                                        {0, 119.5, 60.3, 120, 719.5, 420.3}},
                             // The middle uses 1.1 in: (120 + 719.5 + 1.1) / 2.
                             PointsCase{"two layers apart, English",
                                        {point(0, 2), point(10, 2), point(12, 1), point(60, 1)},
                                        english(),
                                        {0, 119.5, 60.3, 120, 143.5, 132.3, 144, 719.5, 432.3}},
                             PointsCase{"S.I.",
                                        {point(0, 2), point(10, 2), point(10, 1), point(30, 1)},
                                        si(),
                                        {0, 9.9, 5.0, 10, 29.9, 20.0}},
                             // 0.1 is under 0.11 and gives no points; 0.11 does.
                             PointsCase{"thin intervals, S.I.",
                                        {point(0, 2), point(5, 2), point(5.1, 1), point(5.21, 1)},
                                        si(),
                                        {0, 4.9, 2.5, 5.1, 5.11, 5.155}},
                             // 10 ft stickup: 0, 60 and 119.9 in, then the soil shifted by 120 in.
                             PointsCase{"stickup, English",
                                        {point(0, 2), point(10, 2)},
                                        english(24, false, 10),
                                        {0, 60, 119.9, 120, 239.5, 180.3}},
                             PointsCase{"stickup, S.I.",
                                        {point(0, 2), point(10, 2)},
                                        si(0.6, false, 2),
                                        {0, 1, 1.9, 2, 11.9, 7}}),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

TEST(CurvePoints, KindAndFrictionAngleFollowTheBoundingSoilPoints) {
    const std::vector<TzCurve> curves = curvePoints(
        {point(0, 1, 30), point(10, 1, 34), point(10, 3, 28), point(20, 1, 36)}, english());
    ASSERT_EQ(curves.size(), 6u);
    // Sand on both points gives sand curves; silt gives clay curves.
    for (int i : {0, 1, 2})
        EXPECT_EQ(curves[i].kind, kSandCurve);
    for (int i : {3, 4, 5})
        EXPECT_EQ(curves[i].kind, kClayCurve);
    EXPECT_DOUBLE_EQ(curves[0].frictionAngle, 30);
    EXPECT_DOUBLE_EQ(curves[1].frictionAngle, 34);
    EXPECT_DOUBLE_EQ(curves[2].frictionAngle, 32);
    EXPECT_DOUBLE_EQ(curves[5].frictionAngle, 32);
}

// ---------------------------------------------------------------- tmax

// F at increments 1..5 (depths 0..4 ft): 0, 0, 2, 5, 9 kips.
TransferInputs frictionRamp() {
    TransferInputs in;
    in.increment = 1.0;
    in.sideResistance = {0, 0, 0, 2, 5, 9};
    in.tipResistance.assign(6, 0.0);
    return in;
}

struct SlopeCase {
    double depth; // below the ground, ft or m
    double slope; // kips/ft or kN/m, worked by hand from the ramp
};

void PrintTo(const SlopeCase& c, std::ostream* os) {
    *os << "depth " << c.depth << ", slope " << c.slope;
}

class UltimateUnitTransfer : public ::testing::TestWithParam<SlopeCase> {};

TEST_P(UltimateUnitTransfer, IsTheFrictionSlopeOverThePerimeter) {
    const SlopeCase& c = GetParam();
    // English: OD 12 in, tmax = s * 1000 / (12 * 12 * 3.1416) psi.
    EXPECT_NEAR(ultimateUnitTransfer(frictionRamp(), c.depth, english(12)),
                c.slope * 1000 / (144 * 3.1416), 1e-4);
    // S.I.: OD 0.5 m, tmax = s / (0.5 * 3.1416) kPa.
    EXPECT_NEAR(ultimateUnitTransfer(frictionRamp(), c.depth, si(0.5)), c.slope / (0.5 * 3.1416),
                1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Slopes, UltimateUnitTransfer,
    ::testing::Values(SlopeCase{0.0, 2.0},  // j = 2, F(1) = 0: forward (F(3) - F(2))
                      SlopeCase{1.5, 3.0},  // j = 3, F(2) = 0: forward (F(4) - F(3))
                      SlopeCase{2.0, 3.5},  // j = 4, F(3) > 0: central (F(5) - F(3)) / 2
                      SlopeCase{3.5, 4.0},  // j = n: backward (F(5) - F(4))
                      SlopeCase{10.0, 4.0}) // below the pile: j = n
);

TEST(UltimateUnitTransfer, WorkedValueAtTheSurface) {
    // s = 2 kips/ft, OD 12 in: 2000 / (144 * 3.1416) = 4.421 psi.
    EXPECT_NEAR(ultimateUnitTransfer(frictionRamp(), 0.0, english(12)), 4.421, 5e-4);
}

TEST(UltimateUnitTransfer, PileWithoutSlopeOrShaftGivesZero) {
    TransferInputs single;
    single.sideResistance = {0, 5};
    single.tipResistance = {0, 0};
    EXPECT_EQ(ultimateUnitTransfer(single, 0.0, english()), 0.0);
    EXPECT_EQ(ultimateUnitTransfer(frictionRamp(), 0.0, english(0.0)), 0.0);
}

// ---------------------------------------------------------------- shapes

struct StiffnessCase {
    double phi;
    double k;
};

void PrintTo(const StiffnessCase& c, std::ostream* os) {
    *os << "phi " << c.phi << ", K " << c.k;
}

class UsaceSandStiffness : public ::testing::TestWithParam<StiffnessCase> {};

TEST_P(UsaceSandStiffness, FollowsTheFrictionAngleBands) {
    EXPECT_NEAR(usaceSandStiffness(GetParam().phi), GetParam().k, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Bands, UsaceSandStiffness,
                         ::testing::Values(StiffnessCase{20, 6000}, StiffnessCase{28, 6000},
                                           StiffnessCase{30, 8666.6}, StiffnessCase{31, 9999.9},
                                           StiffnessCase{31.5, 10000}, StiffnessCase{34, 12666.6},
                                           StiffnessCase{34.5, 14000}, StiffnessCase{36, 15333.3},
                                           StiffnessCase{38.5, 18000}));

struct ShapeCase {
    const char* what;
    int kind;
    CurveSetting setting;
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << c.what;
}

class ZeroTmax : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ZeroTmax, GivesNoLoadTransferAnywhere) {
    TzCurve c;
    c.kind = GetParam().kind;
    c.frictionAngle = 33;
    c.tmax = 0.0;
    shapeCurve(c, GetParam().setting);
    for (double t : c.t)
        EXPECT_EQ(t, 0.0);
    EXPECT_GT(c.z.back(), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ZeroTmax,
                         ::testing::Values(ShapeCase{"USACE sand", kSandCurve, english(24, true)},
                                           ShapeCase{"USACE clay", kClayCurve, english(24, true)},
                                           ShapeCase{"API sand", kSandCurve, english()},
                                           ShapeCase{"API clay", kClayCurve, si()}));

TEST(ApiClayCurve, ScalesMovementsByTheDiameter) {
    TzCurve c;
    c.kind = kClayCurve;
    c.tmax = 5.0;
    shapeCurve(c, english(24));
    EXPECT_NEAR(c.z[1], 0.0384, 1e-6); // 0.0016 * 24
    EXPECT_NEAR(c.t[1], 1.5, 1e-6);    // 0.3 * tmax
    EXPECT_NEAR(c.z[5], 0.24, 1e-6);   // t = tmax at z/OD = 0.01
    EXPECT_NEAR(c.t[5], 5.0, 1e-6);
    EXPECT_NEAR(c.z[9], 4.8, 1e-6); // 0.2 * 24
    EXPECT_NEAR(c.t[9], 4.5, 1e-6); // 0.9 * tmax
}

TEST(ApiSandCurve, ReachesTmaxAtATenthOfAnInchAndIsInMetresInSI) {
    TzCurve c;
    c.kind = kSandCurve;
    c.tmax = 40.0;
    shapeCurve(c, si());
    EXPECT_NEAR(c.z[7], 0.1 / 39.37, 1e-7);
    EXPECT_NEAR(c.t[7], 40.0, 1e-6);
    EXPECT_NEAR(c.z[9], 2.0 / 39.37, 1e-7);
    EXPECT_NEAR(c.t[3], 16.0, 1e-6); // 0.4 * tmax at 0.04 in
}

TEST(UsaceSandCurve, IsHyperbolicInInchesAndPoundsPerSquareFoot) {
    // phi 30: K = 8666.6; tmax 10 psi: T = 1440;
    // t = z / (1/K + z/T) / 144: z = 0.01 gives 0.5677, z = 0.16 gives 4.906.
    TzCurve c;
    c.kind = kSandCurve;
    c.frictionAngle = 30;
    c.tmax = 10;
    shapeCurve(c, english(24, true));
    EXPECT_NEAR(c.t[1], 0.5677, 5e-4);
    EXPECT_NEAR(c.t[7], 4.906, 5e-3);
    EXPECT_NEAR(c.z[9], 10.0, 1e-6);
    // S.I.: phi 32 (K = 10000), tmax 50 kPa, Cu = 20.89: z = 0.01 in gives 4.369 kPa at 0.000254 m.
    TzCurve s;
    s.kind = kSandCurve;
    s.frictionAngle = 32;
    s.tmax = 50;
    shapeCurve(s, si(0.6, true));
    EXPECT_NEAR(s.t[1], 4.369, 5e-3);
    EXPECT_NEAR(s.z[1], 0.000254, 1e-8);
}

TEST(UsaceClayCurve, PeaksAtTmaxAndSoftensTo093) {
    TzCurve c;
    c.kind = kClayCurve;
    c.tmax = 2.0;
    shapeCurve(c, english(24, true));
    EXPECT_NEAR(c.t[5], 2.0, 1e-6);
    EXPECT_NEAR(c.z[5], 0.08, 1e-7);
    EXPECT_NEAR(c.t[9], 1.86, 1e-6);
}

// ---------------------------------------------------------------- tip curve

TEST(ApiTipCurve, ScalesMovementsByTheDiameterInMetres) {
    const TipCurve tip = tipCurve(1000.0, 1, 35, si(0.6));
    const double w[] = {0, 0.0003, 0.0006, 0.0012, 0.0078, 0.0252, 0.0438, 0.06, 0.09, 0.12};
    const double q[] = {0, 62.5, 125, 250, 500, 750, 900, 1000, 1000, 1000};
    for (int i = 0; i < kCurvePoints; ++i) {
        EXPECT_NEAR(tip.w[i], w[i], 1e-8) << i;
        EXPECT_NEAR(tip.q[i], q[i], 1e-4) << i;
    }
}

TEST(UsaceTipCurve, SandGrowsWithThePowerOfMovementUpToTheUltimate) {
    // OD 24 in: wc = 1.2 in; phi 30 gives the square root.
    const TipCurve sand = tipCurve(100.0, 1, 30, english(24, true));
    EXPECT_NEAR(sand.w[4], 0.05, 1e-7);
    EXPECT_NEAR(sand.q[4], 100 * 0.2041, 0.01); // sqrt(0.05 / 1.2)
    // At 1 in, sqrt(1 / 1.2) = 0.9129; at 2 in, beyond wc, the tip load stays at the ultimate.
    EXPECT_NEAR(sand.q[8], 91.29, 0.01);
    EXPECT_DOUBLE_EQ(sand.q[9], 100.0);
    // phi 35: exponent 0.333; silt follows the sand rule.
    const TipCurve silt = tipCurve(100.0, 3, 35, english(24, true));
    EXPECT_NEAR(silt.q[4], 100 * 0.3470, 0.01); // (0.05 / 1.2)^0.333
    // phi 40: exponent 0.25.
    EXPECT_NEAR(tipCurve(100.0, 1, 40, english(24, true)).q[4], 100 * 0.4518, 0.01);
}

TEST(UsaceTipCurve, ClayRisesWithTheSquareRootAndCapsAtTheUltimate) {
    // 0.5 * sqrt(0.05 / 0.24) = 0.2282; from w = 1 in the cap holds.
    const TipCurve clay = tipCurve(100.0, 2, 0, english(24, true));
    EXPECT_NEAR(clay.q[4], 22.82, 0.01);
    EXPECT_DOUBLE_EQ(clay.q[8], 100.0);
    EXPECT_DOUBLE_EQ(clay.q[0], 0.0);
}

TEST(TipSoilType, IsTheFirstPointAtOrBelowTheTip) {
    const std::vector<io::SoilPoint> pts = {point(0, 2), point(10, 2), point(10, 1), point(30, 1)};
    EXPECT_EQ(tipSoilType(pts, 5), 2);
    EXPECT_EQ(tipSoilType(pts, 10), 2);
    EXPECT_EQ(tipSoilType(pts, 20), 1);
    EXPECT_EQ(tipSoilType(pts, 40), 1); // none at or below: the last point
}

// ---------------------------------------------------------------- depth walk

TzCurve flatCurve(double depth, double t) {
    TzCurve c;
    c.depth = depth;
    for (int i = 0; i < kCurvePoints; ++i) {
        c.z[i] = i;
        c.t[i] = t;
    }
    return c;
}

TEST(UnitTransferAt, WalksTheCurvesInCreationOrder) {
    // One interval 0 - 10 ft (top, bottom, middle) and the next top at 120 in.
    const std::vector<TzCurve> curves = {flatCurve(0, 1), flatCurve(119.5, 3), flatCurve(60.3, 100),
                                         flatCurve(120, 5)};
    // Between the top and the bottom the middle is not used.
    EXPECT_NEAR(unitTransferAt(curves, 30, 2), 1 + 2 * 30 / 119.5, 1e-9);
    // Past the bottom, the first deeper curve is the next top and the one
    // created before it is the middle.
    EXPECT_NEAR(unitTransferAt(curves, 119.7, 2), 100 + (5 - 100) * (119.7 - 60.3) / (120 - 60.3),
                1e-9);
    EXPECT_DOUBLE_EQ(unitTransferAt(curves, 120, 2), 5);
    EXPECT_DOUBLE_EQ(unitTransferAt(curves, 0, 2), 1);
    // Below every curve the deepest holds.
    EXPECT_DOUBLE_EQ(unitTransferAt(curves, 500, 2), 5);
    EXPECT_DOUBLE_EQ(unitTransferAt({}, 10, 2), 0);
}

TEST(TransferAt, InterpolatesBetweenPointsAndHoldsTheLastBeyond) {
    TzCurve c;
    c.kind = kSandCurve;
    c.tmax = 10;
    shapeCurve(c, english());
    EXPECT_NEAR(transferAt(c, 0.05), 5.0, 1e-6);
    EXPECT_NEAR(transferAt(c, 3.0), 10.0, 1e-6);
    EXPECT_NEAR(transferAt(c, 0.0), 0.0, 1e-12);
}

// ---------------------------------------------------------------- report and plot

test::Project twoLayerProject() {
    test::Project p;
    test::Layer clay{0.0, 10.0};
    test::Layer sand{12.0, 60.0, 1};
    sand.a[0] = 0.8;
    sand.a[1] = 60;
    sand.a[2] = 32;
    sand.a[3] = 20;
    sand.b[2] = 0;
    sand.b[3] = 20; // blow count
    sand.b[4] = 0;
    p.layers = {clay, sand};
    return p;
}

int pileSegments(const test::Project& p) {
    // One per capacity-table row, print interval 1: n = embedded length / increment + 1.
    return static_cast<int>((p.totalLength - p.stickup) / p.increment) + 1;
}

TEST(TzCurveSection, NumbersTheNineCurvesOfTwoLayersApart) {
    const test::Project p = twoLayerProject();
    const auto out = test::runProject("tz-two-layers", p);
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    EXPECT_THAT(out.report,
                HasSubstr("        T-Z CURVE   NO. OF   DEPTH TO CURVE   LOAD TRANSFER   PILE "
                          "MOVEMENT\n           NO.      POINTS        FT.              PSI      "
                          "       IN.\n\n            1         10      0.0000E+00\n"));
    EXPECT_THAT(out.report, HasSubstr("\n            9         10  "));
    EXPECT_THAT(out.report, Not(HasSubstr("\n           10         10  ")));
    const test::PlotSections s = test::plotSections(out.plot, pileSegments(p));
    ASSERT_TRUE(s.complete);
    EXPECT_EQ(s.tzCurves.front(), " 9");
    EXPECT_EQ(s.tzCurves[1], "            1         10      0.0000E+00");
    EXPECT_EQ(s.tzCurves[2], std::string(47, ' ') + "0.0000E+00      0.0000E+00");
}

TEST(TzCurveSection, LeavesTheStickupCurvesOut) {
    test::Project p = twoLayerProject();
    p.stickup = 10;
    p.totalLength = 60;
    const auto out = test::runProject("tz-stickup", p);
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    const test::PlotSections s = test::plotSections(out.plot, pileSegments(p));
    ASSERT_TRUE(s.complete);
    EXPECT_EQ(s.tzCurves.front(), " 9");
    // The first reported curve is the top of the soil, 0 ft below the ground.
    EXPECT_EQ(s.tzCurves[1], "            1         10      0.0000E+00");
    EXPECT_THAT(out.report, HasSubstr("\n            9         10  "));
    EXPECT_THAT(out.report, Not(HasSubstr("\n           10         10  ")));
}

TEST(TipCurveSection, PrintsKipsAndInches) {
    const auto out = test::runProject("tz-tip", twoLayerProject());
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    EXPECT_THAT(out.report, HasSubstr("\n\n\n        TIP   LOAD        TIP MOVEMENT\n"
                                      "            KIP               IN.\n\n"
                                      "        0.0000E+00         0.0000E+00\n"));
    // API tip curve, OD 24 in: the second point at 0.0005 * 24 = 0.012 in.
    EXPECT_THAT(out.report, ::testing::ContainsRegex(
                                "\n        0\\.[0-9]{4}E\\+[0-9]{2}         0\\.1200E-01\n"));
}

} // namespace
} // namespace quvex
