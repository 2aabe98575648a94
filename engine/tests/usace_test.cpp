#include "methods/usace.hpp"

#include "analysed_project.hpp"
#include "run_fixture.hpp"

#include <gtest/gtest.h>

namespace quvex::methods {
namespace {

using test::layerOf;

TEST(UsaceSideFriction, InterfaceAngleByPileType) {
    struct Case {
        int type;
        double delta;
        const char* pile;
    };
    const Case cases[] = {
        {2, 27.0, "timber: 0.9 phi"},   {1, 22.5, "steel pipe: 0.75 phi"},
        {7, 22.5, "tapered monotube"},  {6, 26.25, "H-pile: 0.875 phi"},
        {3, 28.5, "precast: 0.95 phi"}, {8, 25.0, "any other code: phi - 5"},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(usaceInterfaceAngle(c.type, 30.0), c.delta, 1e-5) << c.pile;
}

TEST(UsaceSideFriction, EarthPressureCoefficient) {
    struct Case {
        double k;
        bool tension;
        bool api;
        double expected;
    };
    const Case cases[] = {
        {0.0, false, false, 1.25}, {0.0, true, false, 0.6},  {0.8, false, true, 1.25},
        {0.8, true, true, 0.6},    {0.8, false, false, 0.8},
    };
    for (const Case& c : cases) {
        io::InputData d;
        d.tension = c.tension;
        d.methodSelected[io::kApi] = c.api;
        EXPECT_NEAR(usaceEarthPressureCoefficient(c.k, d), c.expected, 1e-6)
            << "K " << c.k << (c.tension ? " tension" : " compression")
            << (c.api ? " with API" : "");
    }
}

TEST(UsaceSideFriction, AdhesionFactorBetweenItsBounds) {
    struct Case {
        double su;
        bool english;
        double alpha;
    };
    const Case cases[] = {
        {0.2, true, 1.0},   {0.5, true, 1.0},  {1.0, true, 0.75}, {1.5, true, 0.5},
        {3.0, true, 0.5},   {24, false, 1.0},  {48, false, 0.75}, {72, false, 0.5},
        {60, false, 0.625}, {100, false, 0.5},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(usaceAdhesionFactor(c.su, c.english), c.alpha, 1e-9)
            << "Su " << c.su << (c.english ? " ksf" : " kPa");
}

TEST(UsaceEndBearing, BearingFactorChart) {
    const std::pair<double, double> readings[] = {{32, 30},    {34, 43},    {35, 49.5},
                                                  {42.5, 144}, {55, 415.1}, {-2, 1}};
    for (auto [phi, nq] : readings)
        EXPECT_NEAR(usaceBearingFactor(phi), nq, 1e-4) << "phi " << phi;
}

test::Project usaceProject() {
    test::Project p;
    p.od = 12;
    p.id = 0;
    p.closedEnd = 1;
    p.totalLength = 20;
    p.profileBottom = 40;
    p.flags[1] = 1;
    p.flags[3] = 0;
    p.method = 2;
    return p;
}

test::Layer sand(double top, double bottom, double phi, double unitWeight) {
    return layerOf(top, bottom, 1, {1, unitWeight, phi, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1});
}

TEST(UsaceSideFriction, SiltIsFrictionalAndCohesive) {
    test::Project project = usaceProject();
    project.layers = {layerOf(0, 40, 3, {1, 100, 30, 0}, {0, 0, 1000, 500, 0, 20, 0, 0, 0, 1, 1})};
    test::Analysed a = test::analyse(project);
    MethodResult r;
    runUsace(r, a.profile, a.data, a.context);
    // Segment 20 ends at 2 ksf: 1 * 2 * tan 22.5 + 0.75 * 1 = 1.578427.
    EXPECT_NEAR(r.frictionBottom[20], 1.578427, 1e-5);
    EXPECT_NEAR(r.frictionTop[20], 1.9 * 0.4142136 + 0.75, 1e-5);
    EXPECT_NEAR(r.transferSecond[20], r.frictionTop[20], 1e-12);
}

TEST(UsaceEndBearing, TipStressFreezesBelowTenDiameters) {
    test::Project project = usaceProject();
    project.layers = {sand(0, 40, 32, 100)};
    test::Analysed a = test::analyse(project);
    const std::vector<double> q = usaceUnitEndBearing(a.profile, a.data);
    // D = 1 ft, phi 32: T10 = 11 ft. Segment 13 is the first whose top is
    // deeper; its limited stress is that at the 10 ft critical depth, 1 ksf.
    // Nq(32) = 30.
    EXPECT_NEAR(q[2 * 12], 30 * 1.2, 1e-9) << "segment 12 still follows the stress";
    EXPECT_NEAR(q[2 * 13 - 1], 30 * 1.0, 1e-9);
    EXPECT_NEAR(q[2 * 13], 30 * 1.0, 1e-9);
    EXPECT_NEAR(q[2 * 30], 30 * 1.0, 1e-9);
}

TEST(UsaceEndBearing, OptionOneWithoutCriticalDepthFreezesNothing) {
    test::Project project = usaceProject();
    project.criticalOption = 1;
    project.profileBottom = 60;
    project.layers = {sand(0, 60, 32, 50)}; // 3 ksf at the bottom, never 3.5
    test::Analysed a = test::analyse(project);
    MethodResult r;
    runUsace(r, a.profile, a.data, a.context);
    EXPECT_FALSE(a.profile.hasCriticalDepth);
    const std::vector<double> q = usaceUnitEndBearing(a.profile, a.data);
    EXPECT_NEAR(q[2 * 2], 30 * 0.1, 1e-9);
    EXPECT_NEAR(q[2 * 50], 30 * 2.5, 1e-9);
}

TEST(UsaceEndBearing, OptionOneCriticalDepthComesFromTheSandOnceTheMethodRan) {
    test::Project project = usaceProject();
    project.criticalOption = 1;
    project.profileBottom = 60;
    project.layers = {
        layerOf(0, 20, 2, {0, 200, 0, 0}, {0, 0, 2000, 800, 0, 20, 0, 0, 0, 1, 1}),
        sand(20, 60, 32, 100),
    };
    test::Analysed a = test::analyse(project);
    // The stress profile: 3.6 ksf at 18 ft in the clay; the stress limited
    // there is 3.6 ksf in all the sand below.
    ASSERT_TRUE(a.profile.hasCriticalDepth);
    ASSERT_NEAR(a.profile.criticalDepth, 18, 1e-9);
    std::vector<double> q = usaceUnitEndBearing(a.profile, a.data);
    EXPECT_NEAR(q[2 * 21], 30 * 3.6, 1e-9) << "segment 21 starts below 18 ft";

    MethodResult r;
    runUsace(r, a.profile, a.data, a.context);
    // The method's own: the first sand segment past 3.5 ksf ends at 21 ft.
    EXPECT_NEAR(a.profile.criticalDepth, 21, 1e-9);
    q = usaceUnitEndBearing(a.profile, a.data);
    EXPECT_NEAR(q[2 * 21], 30 * 4.1, 1e-9);
    EXPECT_NEAR(q[2 * 22], 30 * 4.2, 1e-9) << "top at 21 ft is not deeper than 21 ft";
    EXPECT_NEAR(q[2 * 23], 30 * 3.6, 1e-9);
}

TEST(UsaceEndBearing, ClassStressFoundInAnEarlierAssemblyHolds) {
    test::Project project = usaceProject();
    project.profileBottom = 60;
    project.layers = {sand(0, 20, 38, 100), sand(20, 60, 35, 100)};
    test::Analysed a = test::analyse(project);
    const std::vector<double> q = usaceUnitEndBearing(a.profile, a.data);
    // D = 1 ft: T15 = 16 ft, T20 = 21 ft. The medium-dense class stress is
    // found at segment 21 (phi 35, top 20 ft): its stress limited at 15 D,
    // 1.5 ksf. The assembly before the method found it already, so the dense
    // segments 18 to 20 (tops 17 to 19 ft, above T20) are frozen at it.
    // Nq(38) = 68, Nq(35) = 49.5.
    EXPECT_NEAR(q[2 * 17], 68 * 1.7, 1e-9) << "top 16 ft is not deeper than T15";
    EXPECT_NEAR(q[2 * 18], 68 * 1.5, 1e-9);
    EXPECT_NEAR(q[2 * 21], 49.5 * 1.5, 1e-9);
}

// Closed steel pipe, D = 12 in, 10 ft in sand (phi 30, K 1, 100 pcf),
// user-specified critical depth 5 ft, increments of 1 ft.
//
// Side: delta = 22.5 deg, tan = 0.4142134; the limited stress is 0.1 z up to
// 5 ft and 0.5 ksf below. Q(5) = P tan (0.05 + 0.15 + ... + 0.45) = P tan 1.25,
// Q(10) = P tan (1.25 + 5 * 0.5) = P tan 3.75, P = 3.14159 ft: 1.626611 and
// 4.879833 kips.
// Tip: Nq(30) = 23; segments from 7 on (tops deeper than 5 ft) are frozen at
// 0.5 ksf: q = 11.5 ksf. At 10 ft the window 8.5-11.5 ft is all frozen:
// 11.5 * 0.7853975 = 9.032072. At 5 ft the window 3.5-6.5 ft holds 2.3 z up to
// 6 ft then 11.5: (27.3125 + 5.75) / 3 * 0.7853975 = 8.655735.
TEST(UsaceWholePile, ClosedPipeInSandWithUserCriticalDepth) {
    test::Project project = usaceProject();
    project.totalLength = 10;
    project.profileBottom = 30;
    project.criticalOption = 2;
    project.criticalDepth = 5;
    project.layers = {sand(0, 30, 30, 100)};
    const test::RunOutput out = test::runProject("usace-whole-pile", project);
    ASSERT_EQ(out.result.status, 0);
    ASSERT_EQ(out.result.methods.size(), 1u);
    const MethodCapacity& usace = out.result.methods[0];
    ASSERT_EQ(usace.method, io::kUsace);
    ASSERT_EQ(usace.rows.size(), 11u);
    EXPECT_NEAR(usace.rows[5].skinFriction, 1.626611, 1e-3 * 1.626611);
    EXPECT_NEAR(usace.rows[5].tip, 8.655735, 1e-3 * 8.655735);
    EXPECT_NEAR(usace.rows[10].skinFriction, 4.879833, 1e-3 * 4.879833);
    EXPECT_NEAR(usace.rows[10].tip, 9.032072, 1e-3 * 9.032072);
    EXPECT_NEAR(usace.rows[10].ultimate, 13.911904, 1e-3 * 13.911904);
    EXPECT_NE(out.report.find("* ARMY CORPS METHOD  *"), std::string::npos);
}

} // namespace
} // namespace quvex::methods
