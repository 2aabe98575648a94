#include "methods/fhwa.hpp"
#include "methods/fhwa_charts.hpp"
#include "methods/fhwa_friction_table.hpp"

#include "analysed_project.hpp"
#include "run_fixture.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace quvex::methods {
namespace {

using test::layerOf;

struct Reading {
    std::function<double()> read;
    double expected;
    const char* how; // the reading done by hand
};

void expectReadings(const std::vector<Reading>& readings) {
    for (const Reading& r : readings)
        // The charts hold single-precision values.
        EXPECT_NEAR(r.read(), r.expected, 1e-6 * std::max(1.0, std::abs(r.expected))) << r.how;
}

TEST(FhwaCharts, FrictionAngleRatioAndCorrectionFactor) {
    expectReadings({
        {[] { return fhwaFrictionAngleRatio(1, 0.1254); }, 0.342, "type 1 flat below V 0.3"},
        {[] { return fhwaFrictionAngleRatio(1, 0.05); }, 0.342, "below the chart: first column"},
        {[] { return fhwaFrictionAngleRatio(6, 0.25); }, 0.85725, "(0.827 + 0.8875) / 2"},
        {[] { return fhwaFrictionAngleRatio(2, 0.46); }, 0.4965, "0.466 + 0.061 * 0.5"},
        {[] { return fhwaFrictionAngleRatio(5, 2.5); }, 1.27, "beyond V 1.9: last column"},
        {[] { return fhwaCorrectionFactor(30, 1.0); }, 1.0, "delta = phi"},
        {[] { return fhwaCorrectionFactor(30, 0.342); }, 0.6581, "0.58 + 0.11 * 0.142 / 0.2"},
        {[] { return fhwaCorrectionFactor(28, 0.5); }, 0.775,
         "row 0.4 at 28: 0.715, row 0.6 at 28: 0.835, halfway"},
        {[] { return fhwaCorrectionFactor(50, 0.1); }, 0.24, "clamped to row 0.2, phi 45"},
        {[] { return fhwaCorrectionFactor(16, 1.4); }, 1.025, "row 1.4 between 1.02 and 1.03"},
    });
}

TEST(FhwaCharts, EarthPressureCoefficientAcrossVolumeTaperAndPhi) {
    expectReadings({
        {[] { return fhwaEarthPressureCoefficient(27.5, 0, 1, true); }, 1.0,
         "halfway between phi 25 (0.85) and phi 30 (1.15) at V 1"},
        {[] { return fhwaEarthPressureCoefficient(25, 0, 0.05, true); }, 0.7,
         "V below 0.1 uses the 0.1 curve"},
        {[] { return fhwaEarthPressureCoefficient(30, 0, 5.5, true); }, 1.30,
         "1.15 + 0.30 * 4.5 / 9 between V 1 and V 10"},
        {[] { return fhwaEarthPressureCoefficient(30, 0, 20, true); }, 1.45, "V above 10"},
        {[] { return fhwaEarthPressureCoefficient(25, 0.7, 1, true); }, 1.711,
         "omega 0.7 between 1.536 and 1.886"},
        {[] { return fhwaEarthPressureCoefficient(35, 0.25, 1, true); }, 2.98,
         "phi 35 chart has its own omega list"},
        {[] { return fhwaEarthPressureCoefficient(37.5, 0.1, 0.1, true); }, 3.295,
         "(1.47 + 5.12) / 2 between the phi 35 and 40 charts"},
        {[] { return fhwaEarthPressureCoefficient(20, 0, 1, true); }, 0.85, "phi below 25"},
        {[] { return fhwaEarthPressureCoefficient(45, 0, 1, true); }, 3.0, "phi above 40"},
    });
}

TEST(FhwaCharts, AdhesionAndSandTip) {
    expectReadings({
        {[] { return fhwaAdhesionFactor(1, 15, 2.5); }, 0.9375, "case 1: 1 to 0.875, halfway"},
        {[] { return fhwaAdhesionFactor(1, 30, 1); }, 0.95, "case 1: r 20 (1) to r 40 (0.9)"},
        {[] { return fhwaAdhesionFactor(1, 5, 4); }, 1.0, "case 1, r <= 10: all 1"},
        {[] { return fhwaAdhesionFactor(2, 5, 0.25); }, 0.6095, "case 2, r <= 10: 0.7 to 0.519"},
        {[] { return fhwaAdhesionFactor(2, 15, 1); }, 0.572, "case 2: (0.398 + 0.746) / 2"},
        {[] { return fhwaAdhesionFactor(3, 25, 3); }, 0.4025, "case 3: (0.303 + 0.502) / 2"},
        {[] { return fhwaAdhesionFactor(3, 40, 6); }, 0.299, "Su above 4.5 ksf"},
        {[] { return fhwaAdhesionFactor(0, 25, 1); }, 0.0, "no case: no adhesion"},
        {[] { return fhwaTipCoefficient(45, 60); }, 0.8, "ratio >= 45: third curve"},
        {[] { return fhwaTipCoefficient(30, 25); }, 0.55, "(0.58 + 0.52) / 2"},
        {[] { return fhwaTipCoefficient(25, 37.5); }, 0.3535, "(0.389 + 0.318) / 2"},
        {[] { return fhwaTipCoefficient(21.5, 10); }, 0.3955, "first curve, 0.375 to 0.416"},
        {[] { return fhwaBearingFactor(45); }, 475, "last point"},
        {[] { return fhwaBearingFactor(31.25); }, 36.5, "(30 + 43) / 2"},
        {[] { return fhwaBearingFactor(10); }, 4.8, "below the chart"},
        {[] { return fhwaLimitingTipResistanceTsf(45); }, 368.8, "beyond 43.75"},
        {[] { return fhwaLimitingTipResistanceTsf(33.125); }, 26.25, "(20 + 32.5) / 2"},
        {[] { return fhwaLimitingTipResistanceTsf(25); }, 6.66, "below 30"},
    });
}

io::InputData pipe(double od, double id) {
    io::InputData d;
    d.outerDiameter = od;
    d.innerDiameter = id;
    d.endSectionInnerDiameter = id; // no enhanced end section
    d.endSectionLength = 50;
    return d;
}

TEST(FhwaDisplacedVolume, SectionsPlugStatesAndEndSections) {
    struct Case {
        io::InputData d;
        int state;
        double bottom;
        double volume;
        const char* why;
    };
    io::InputData closedTaper = pipe(12, 0);
    closedTaper.materialType = 2;
    closedTaper.taperAngle = 0.25;
    io::InputData hPile = pipe(14, 0);
    hPile.materialType = 6;
    hPile.tipArea = 0.5;
    io::InputData si = pipe(304.8, 279.4);
    si.units = io::UnitSystem::SI;
    const Case cases[] = {
        {pipe(12, 11), 0, 10, 0.12545, "annulus: pi/4 * 23 / 144"},
        {pipe(12, 11), 2, 10, 0.12545, "open annulus"},
        {pipe(12, 11), 1, 10, 0.78540, "plugged: the full section"},
        {pipe(12, 0), 0, 10, 0.78540, "closed end section: full section"},
        {closedTaper, 1, 10, 0.65432, "pi/4 * (1 - 20 tan 0.25 deg)^2 = 0.785398 * 0.912749^2"},
        {hPile, 1, 10, 0.5, "H-pile keeps its own area"},
        {si, 0, 10, 0.12545, "m^2 / 0.0929: 0.0116542 / 0.0929"},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(fhwaDisplacedVolume(c.d, c.state, c.bottom), c.volume, 1e-3 * c.volume)
            << c.why;
    EXPECT_NEAR(fhwaFrictionAngleRatio(1, fhwaDisplacedVolume(pipe(12, 11), 0, 10)), 0.342, 1e-6);
}

test::Project clayProject() {
    test::Project p;
    p.od = 24;
    p.id = 0;
    p.closedEnd = 1;
    p.totalLength = 20;
    p.profileBottom = 40;
    p.flags[0] = 1;
    p.flags[3] = 0;
    p.method = 1;
    return p;
}

TEST(FhwaTomlinson, CaseComesFromTheSegmentAboveAndHoldsUntilSand) {
    test::Project project = clayProject();
    project.layers = {
        layerOf(0, 3, 2, {0, 50, 0, 0}, {0, 0, 1000, 500, 0, 20, 0, 0, 0, 1, 1}),
        layerOf(3, 5, 1, {1, 60, 30, 20}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}),
        layerOf(5, 9, 2, {0, 50, 0, 0}, {0, 0, 500, 200, 0, 20, 0, 0, 0, 1, 1}),
        layerOf(9, 40, 2, {0, 50, 0, 0}, {0, 0, 3000, 1000, 0, 20, 0, 0, 0, 1, 1}),
    };
    test::Analysed a = test::analyse(project);
    TomlinsonClay clay(a.profile, a.data, a.context.embeddedLength);
    // Segment by segment: 1 has no segment above (no case), 2 and 3 sit
    // under a 1 ksf clay (case 3), 4 and 5 are sand, 6 on sits under sand
    // (case 1) and keeps case 1 into the soft and then the stiff clay.
    const int expected[] = {0, 3, 3, 0, 0, 1, 1, 1, 1, 1, 1, 1};
    for (int j = 1; j <= 12; ++j) {
        if (a.profile.segment(j).sand())
            clay.sand();
        else
            clay.alpha(j);
        EXPECT_EQ(clay.tomlinsonCase(), expected[j - 1]) << "segment " << j;
    }

    test::Project soft = clayProject();
    soft.layers = {
        layerOf(0, 3, 2, {0, 50, 0, 0}, {0, 0, 500, 200, 0, 20, 0, 0, 0, 1, 1}),
        layerOf(3, 40, 2, {0, 50, 0, 0}, {0, 0, 2000, 800, 0, 20, 0, 0, 0, 1, 1}),
    };
    test::Analysed b = test::analyse(soft);
    TomlinsonClay softClay(b.profile, b.data, b.context.embeddedLength);
    for (int j = 1; j <= 10; ++j)
        softClay.alpha(j);
    EXPECT_EQ(softClay.tomlinsonCase(), 2) << "0.5 ksf above segment 2: soft over stiff";
}

TEST(FhwaTomlinson, PenetrationRatioAddsTheStrataReachedSoFar) {
    test::Project project = clayProject();
    project.od = 12;
    project.totalLength = 15;
    project.layers = {
        layerOf(0, 4, 2, {0, 50, 0, 0}, {0, 0, 1000, 500, 0, 20, 0, 0, 0, 1, 1}),
        layerOf(4, 8, 1, {1, 60, 30, 20}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}),
        layerOf(8, 40, 2, {0, 50, 0, 0}, {0, 0, 1000, 500, 0, 20, 0, 0, 0, 1, 1}),
    };
    test::Analysed a = test::analyse(project);
    TomlinsonClay clay(a.profile, a.data, a.context.embeddedLength);
    // D = 1 ft. Segment 2: stratum 0-4, S = 0: r = 4. Segment 4 ends within
    // 0.95 ft of the stratum bottom: S = 4, r = 8. Segment 9: stratum 8-40
    // cut at the 15 ft pile: r = 15 + 4 - 8 = 11.
    const std::pair<int, double> ratios[] = {{2, 4}, {3, 4}, {4, 8}, {9, 11}, {10, 11}};
    for (int j = 1; j <= 10; ++j) {
        if (a.profile.segment(j).sand()) {
            clay.sand();
            continue;
        }
        clay.alpha(j);
        for (auto [segment, ratio] : ratios) {
            if (segment == j) {
                EXPECT_NEAR(clay.penetrationRatio(), ratio, 1e-9) << "segment " << j;
            }
        }
    }
}

TEST(FhwaSideFriction, SurfaceClayHasNoFrictionInItsFirstSegment) {
    test::Project project = clayProject();
    project.totalLength = 50;
    project.profileBottom = 60;
    project.layers = {layerOf(0, 60, 2, {0, 50, 0, 0}, {0, 0, 1000, 400, 0, 20, 0, 0, 0, 1, 1})};
    test::Analysed a = test::analyse(project);
    MethodResult r;
    runFhwa(r, a.profile, a.data, a.context);
    EXPECT_EQ(r.frictionTop[1], 0.0);
    EXPECT_EQ(r.frictionBottom[1], 0.0);
    // Case 3 (clay above), stratum 0-60 cut at 50 ft, D = 2 ft: r = 25;
    // Su = 1 ksf: 0.923 at r 10, 1 at r 40, so alpha = 0.9615.
    EXPECT_NEAR(r.frictionTop[2], 0.9615, 1e-6);
    EXPECT_NEAR(r.transferFirst[2], 0.9615 * 0.4, 1e-6);
    EXPECT_NEAR(r.friction.unitFriction[1], 0.0, 1e-12) << "depth point 1 ends segment 1";
}

TEST(FhwaSideFriction, SandReadsThePlugStateOfTheLastAssembly) {
    test::Project project = clayProject();
    project.od = 12;
    project.id = 11;
    project.closedEnd = 0;
    project.layers = {layerOf(0, 40, 1, {1, 100, 30, 20}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1})};
    test::Analysed a = test::analyse(project);
    const int n = a.context.lastDepthPoint;
    // Segment 10 ends at 1 ksf; f = K_delta * CF * sin(delta) * 1 ksf.
    // Open annulus: V = 0.125445, delta/phi 0.342, CF = 0.6581, K_delta =
    // 0.85 + 0.3 * 0.025445 / 0.9 = 0.858482, delta = 10.26 deg: 0.100629.
    // Plugged: the full section, as in the whole-pile case below: 0.265035.
    struct Case {
        int state;
        double friction;
    };
    for (const Case c : {Case{2, 0.100629}, Case{1, 0.265035}, Case{0, 0.100629}}) {
        MethodResult r;
        if (c.state != 0) r.plug.assign(static_cast<std::size_t>(n) + 1, c.state);
        runFhwa(r, a.profile, a.data, a.context);
        EXPECT_NEAR(r.frictionBottom[10], c.friction, 1e-3 * c.friction) << "state " << c.state;
    }
}

TEST(FhwaEndBearing, SandTipLimitedByQlAndQmax) {
    test::Project project = clayProject();
    project.od = 12;
    project.totalLength = 60;
    project.profileBottom = 70;
    project.layers = {
        layerOf(0, 30, 1, {1, 100, 45, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}),
        layerOf(30, 50, 1, {1, 100, 45, 0}, {0, 300000, 0, 0, 0, 0, 0, 0, 0, 1, 1}),
        layerOf(50, 70, 2, {0, 50, 0, 0}, {0, 0, 2000, 500, 0, 20, 0, 0, 0, 1, 1}),
    };
    test::Analysed a = test::analyse(project);
    const std::vector<double> q = fhwaUnitEndBearing(a.profile, a.data);
    // L/D = 60: alpha_t 0.8, N'q 475: q = 380 * stress, qL = 368.8 tsf = 737.6 ksf.
    EXPECT_NEAR(q[2 * 10], 380.0 * 1.0, 1e-3) << "10 ft, 1 ksf";
    EXPECT_NEAR(q[2 * 10 + 1], 380.0 * 1.0, 1e-3) << "next top carries the same stress";
    EXPECT_NEAR(q[2 * 20], 737.6, 1e-3) << "2 ksf would give 760";
    EXPECT_NEAR(q[2 * 40], 300.0, 1e-9) << "qmax 300 ksf below qL";
    EXPECT_NEAR(q[2 * 60], 18.0, 1e-9) << "clay: 9 Su";
}

TEST(FhwaFrictionTable, SurfaceKeepsItsFrictionInTensionAndLimitsCarryOver) {
    test::Project project = clayProject();
    project.totalLength = 4;
    project.increment = 1;
    project.layers = {
        layerOf(0, 2, 2, {0, 50, 0, 0}, {1000, 0, 1000, 500, 0, 20, 0, 0, 0, 1, 1}),
        layerOf(2, 40, 2, {0, 50, 0, 0}, {0, 0, 1000, 500, 0, 20, 0, 0, 0, 1, 1}),
    };
    test::Analysed a = test::analyse(project);
    const int ns = a.profile.count();
    MethodResult r;
    r.frictionTop.assign(ns + 1, 2.0);
    r.frictionBottom.assign(ns + 1, 2.0);
    const double p = 3.14159f * 2; // D = 24 in
    auto constantPerimeter = [p](int) { return p; };

    // Compression: G = 1 ksf for depth points 0 and 1 (segments 1 and 2).
    // Increment 1: min(2, 1) * P; increment 2 averages the limited F(1) = 1
    // with F(2) = 2 (G(2) has no limit): 1.5 * P.
    accumulateLimitedFriction(r, a.profile, a.data, 4, constantPerimeter);
    EXPECT_NEAR(r.friction.increment[1], 1.0 * p, 1e-9);
    EXPECT_NEAR(r.friction.increment[2], 1.5 * p, 1e-9);
    EXPECT_NEAR(r.friction.cumulative[4], (1.0 + 1.5 + 2.0 + 2.0) * p, 1e-9);
    EXPECT_NEAR(r.friction.limitedFriction[0], 1.0, 1e-12);

    // Tension with 0.25: F(0) stays 2, F(k) = 0.5 below the limits.
    a.data.tension = true;
    a.data.tensionReductionFactor = 0.25;
    accumulateLimitedFriction(r, a.profile, a.data, 4, constantPerimeter);
    EXPECT_NEAR(r.friction.unitFriction[0], 2.0, 1e-12);
    EXPECT_NEAR(r.friction.increment[1], 1.0 * p, 1e-9) << "(2 + 0.5) / 2 > G: limited to 1";
    EXPECT_NEAR(r.friction.increment[2], 0.5 * p, 1e-9);
}

TEST(FhwaFrictionTable, TaperedTimberPileNarrowsWithDepth) {
    io::InputData d = pipe(12, 0);
    d.materialType = 2;
    d.taperAngle = 0.25;
    // pi * (1 - 2 z tan(0.25 * 0.01745)): tan = 0.00436253.
    EXPECT_NEAR(fhwaPerimeterAt(d, 0), 3.14159, 1e-5);
    EXPECT_NEAR(fhwaPerimeterAt(d, 20), 3.14159 * (1 - 40 * 0.00436253), 1e-5);
    EXPECT_EQ(fhwaPerimeterAt(d, 200), 0.0) << "closed by the taper: no shaft left";
    d.taperAngle = 0;
    EXPECT_NEAR(fhwaPerimeterAt(d, 20), 3.14159, 1e-5);
}

const MethodCapacity& methodRows(const test::RunOutput& out, int number) {
    for (const MethodCapacity& m : out.result.methods)
        if (m.method == number) return m;
    ADD_FAILURE() << "no table for method " << number;
    static const MethodCapacity none;
    return none;
}

// Closed steel pipe, D = 12 in, 25 ft in sand (0-6 ft, phi 30, 100 pcf) over
// clay (Su 2 ksf), increments of 1 ft.
//
// Sand, Nordlund: V = 3.1416/4 = 0.7854 ft^3/ft (closed end). delta/phi for
// type 1 between V 0.6 (0.516) and 0.8 (0.593): 0.587379; delta = 17.6214 deg.
// CF at phi 30 between rows 0.4 (0.69) and 0.6 (0.82): 0.811796. K_delta at
// phi 30, omega 0, between V 0.1 (0.85) and 1 (1.15): 1.078467. Unit friction
// c * stress with c = K_delta * CF * sin(delta) = 0.265035.
// Clay, Tomlinson: case 1 (sand above), stratum 6-40 cut at 25 ft, r = 19;
// Su 2 ksf: 1 at r 10, 0.95 at r 20: alpha = 0.955, f = 1.91 ksf.
// Q(6) = P * c * 0.1 * 36 / 2 = P * 1.8 c; Q(25) = P * (1.8 c + (0.6 c +
// 1.91) / 2 + 18 * 1.91), P = 3.14159 ft: Q(6) = 1.498734, Q(25) = 112.7566.
// Tip in clay: 9 Su = 18 ksf over the whole window, * 0.7853975 ft^2 = 14.13716.
TEST(FhwaWholePile, SandOverClayClosedPipe) {
    test::Project project = clayProject();
    project.od = 12;
    project.totalLength = 25;
    project.layers = {
        layerOf(0, 6, 1, {1, 100, 30, 20}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}),
        layerOf(6, 40, 2, {0, 50, 0, 0}, {0, 0, 2000, 800, 0, 20, 0, 0, 0, 1, 1}),
    };
    const test::RunOutput out = test::runProject("fhwa-whole-pile", project);
    ASSERT_EQ(out.result.status, 0);
    const MethodCapacity& fhwa = methodRows(out, io::kFhwa);
    ASSERT_EQ(fhwa.rows.size(), 26u);
    EXPECT_NEAR(fhwa.rows[6].skinFriction, 1.498734, 1e-3 * 1.498734);
    const CapacityRow& tip = fhwa.rows[25];
    EXPECT_NEAR(tip.skinFriction, 112.7566, 1e-3 * 112.7566);
    EXPECT_NEAR(tip.tip, 14.13716, 1e-3 * 14.13716);
    EXPECT_NEAR(tip.ultimate, 126.8938, 1e-3 * 126.8938);
    EXPECT_FALSE(tip.plugged);
    EXPECT_NE(out.report.find("*  FED. HWY. METHOD  *"), std::string::npos);
}

} // namespace
} // namespace quvex::methods
