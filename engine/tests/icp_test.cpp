// ICP/MTD method and the clay rules it shares with Fugro 2004 and UWA:
// expected values worked out by hand from the method's formulas.
#include "offshore_fixture.hpp"
#include "run_fixture.hpp"

#include "methods/cone_clay.hpp"
#include "methods/icp.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace quvex {
namespace {

using methods::MethodResult;
using test::claySegment;
using test::countOf;
using test::layeredProfile;
using test::offshorePile;
using test::sandSegment;

const std::string kNoPlasticity = " ERROR - NO DATA FOUND FOR PLASTIC INDEX.\n";
const std::string kShortEmbedment = " WARNING - h/R SHOULD BE GREATER THAN 8.\n";

// Closed 1000 mm pile (R* = 500 mm) 6 m into sand with qc 10000 kPa, γ' 10,
// φ 35°: h/R* = 12 for the top segment, and the tip segment (h = 1000 mm,
// h/R* = 2) uses 8. σ'rc = 0.029·qc·(σ'v/100)^0.13·(h/R*)^-0.38 at each point,
// the dilation 2·G·0.02/500 from the bottom point, f = σ'rf·tan 30°.
TEST(IcpSand, SlendernessIsAtLeastEightNearTheTip) {
    methods::Profile p = layeredProfile(false, 1.0, {{8, sandSegment(10000)}});
    const io::InputData d = offshorePile(false, 1000, 0);
    test::ContextFor c(6.0, 1.0);
    MethodResult r;
    methods::runIcp(r, p, d, c.context);
    EXPECT_NEAR(r.frictionTop[1], 1.571103, 1e-5);
    EXPECT_NEAR(r.frictionBottom[1], 49.84902, 1e-4);
    EXPECT_NEAR(r.frictionTop[6], 72.28872, 1e-4);
    EXPECT_NEAR(r.frictionBottom[6], 73.95392, 1e-4);
    EXPECT_EQ(c.messages.text(), ""); // the sand rule never warns
}

TEST(IcpSand, FailureStressByLoadingAndPileEnd) {
    io::InputData d = offshorePile(false, 610, 560);
    EXPECT_DOUBLE_EQ(methods::icpFailureStress(100, 20, d), 120.0);
    d.tension = true;
    EXPECT_NEAR(methods::icpFailureStress(100, 20, d), 0.9 * (80 + 20), 1e-4);
    d = offshorePile(false, 610, 0);
    d.tension = true;
    EXPECT_NEAR(methods::icpFailureStress(100, 20, d), 80 + 20, 1e-4);
}

TEST(IcpSand, DilationNeedsAPositiveModulus) {
    const io::InputData d = offshorePile(false, 1000, 0);
    // η = 10000/√(100·100) = 100: G = 10000/(0.0203 + 0.125 − 0.01216).
    EXPECT_NEAR(methods::icpDilation(10000, 100, 100, d), 2 * 75108.91 * 0.02 / 500, 1e-3);
    // η = 10000/√(0.5·100) = 1414 lies past the correlation's root: no dilation.
    EXPECT_EQ(methods::icpDilation(10000, 0.5, 100, d), 0.0);
    EXPECT_EQ(methods::icpDilation(10000, 0.0, 100, d), 0.0);
}

struct TipCase {
    const char* what;
    double od, dt;
    int plug;
    double expected; // qc = 200 ksf
};

TEST(IcpSand, EndBearingByDiameterAndPileEnd) {
    const TipCase cases[] = {
        // 914.4 mm: 1 − 0.5·log10(25.4) = 0.2976, raised to 0.3.
        {"36 in closed", 36, 0, 0, 60},
        // 609.6 mm: 1 − 0.5·log10(16.933) = 0.38563.
        {"24 in closed", 24, 0, 0, 77.12575},
        // 0.5 − 0.25·log10(25.4) = 0.1488, raised to 0.15.
        {"36 in open", 36, 34, 0, 30},
        {"36 in open, unplugged", 36, 34, 2, 200},
        {"24 in open", 24, 22, 0, 38.56288},
    };
    for (const TipCase& c : cases) {
        io::InputData d = offshorePile(true, c.od, c.dt);
        d.plugCondition = c.plug;
        EXPECT_NEAR(methods::icpSandEndBearing(200, d), c.expected, 1e-4) << c.what;
    }
}

TEST(ConeClay, StressRatio) {
    // Su/Sr = 10, YSR 1, h/R* 8: (2 − 0.625)·8^-0.2.
    EXPECT_NEAR(methods::clayStressRatio(10, 1, 1, 8), 0.907162, 1e-5);
    // No remolded strength, or no strength: the sensitivity term is left out.
    EXPECT_NEAR(methods::clayStressRatio(10, 0, 1, 8), 1.319508, 1e-5);
    EXPECT_NEAR(methods::clayStressRatio(0, 0, 1, 8), 1.319508, 1e-5);
    EXPECT_EQ(methods::clayStressRatio(10, 1, -1, 8), 0.0);
}

TEST(ConeClay, InterfaceAngleChart) {
    EXPECT_DOUBLE_EQ(methods::clayInterfaceAngle(-5), 34.0);
    EXPECT_DOUBLE_EQ(methods::clayInterfaceAngle(0), 34.0);
    EXPECT_DOUBLE_EQ(methods::clayInterfaceAngle(22.5), 23.5);
    EXPECT_NEAR(methods::clayInterfaceAngle(47.5), 14.95, 1e-5);
    EXPECT_NEAR(methods::clayInterfaceAngle(72), 9.68, 1e-5);
    EXPECT_DOUBLE_EQ(methods::clayInterfaceAngle(120), 8.5);
}

// Closed 1000 mm pile 6 m into clay (γ' 8, Su 50, Sr 20, YSR 2), 8 segments of
// 1 m: h/R* is 12, 10, 8 for the top three segments and below 8 from the
// fourth down, including the two segments below the tip.
// Kc = (2 − 0.625·log10(2.5))·2^0.42·(h/R*)^-0.2, f = 0.8·Kc·σ'v·tan δ.
TEST(ConeClay, MessagesOncePerOffendingSegmentInSegmentOrder) {
    methods::Profile p = layeredProfile(
        false, 1.0, {{2, claySegment(50, 20, 2, -5)}, {6, claySegment(50, 20, 2, 20)}});
    const io::InputData d = offshorePile(false, 1000, 0);
    test::ContextFor c(6.0, 1.0);
    MethodResult r;
    methods::runIcp(r, p, d, c.context);
    EXPECT_EQ(c.messages.text(), kNoPlasticity + kNoPlasticity + kShortEmbedment + kShortEmbedment +
                                     kShortEmbedment + kShortEmbedment + kShortEmbedment);
    // A missing plasticity index takes δ = 34°.
    EXPECT_NEAR(r.frictionBottom[2], 12.76402, 1e-4);
    EXPECT_EQ(r.frictionTop[1], 0.0);
    // Short embedment uses h/R* = 8; PI 20 gives δ = 24.5°.
    const double tan245 = std::tan(24.5 / 57.2958);
    EXPECT_NEAR(r.frictionBottom[5], 33.36641 * tan245 / std::tan(34 / 57.2958), 1e-4);
    EXPECT_EQ(r.transferFirst[5], r.frictionTop[5]);
    EXPECT_EQ(r.transferSecond[5], r.frictionBottom[5]);
}

struct ClayTipCase {
    const char* what;
    double dt;
    int plug;
    bool drained;
    double expected; // Su 50, qc 1000
};

TEST(ConeClay, EndBearingByPileEndPlugAndDrainage) {
    const ClayTipCase cases[] = {
        {"open, plug calculated", 560, 0, true, 450},
        {"open, unplugged, drained", 560, 2, true, 1600},
        {"open, unplugged, undrained", 560, 2, false, 1000},
        {"open, plugged, drained", 560, 1, true, 650},
        {"open, plugged, undrained", 560, 1, false, 400},
        {"closed, drained", 0, 0, true, 1300},
        {"closed, undrained", 0, 0, false, 800},
        {"closed, plugged, undrained", 0, 1, false, 400},
    };
    for (const ClayTipCase& c : cases) {
        io::InputData d = offshorePile(false, 610, c.dt);
        d.plugCondition = c.plug;
        d.clayDrained = c.drained;
        EXPECT_NEAR(methods::coneClayEndBearing(50, 1000, d), c.expected, 1e-3) << c.what;
    }
}

// Whole pile (see wholePile): clay 0-8 m with h/R* = (20 − zt)/0.305 ≥ 39,
// Kc = (2 − 0.625·log10 2.5)·2^0.42·(h/R*)^-0.2 and δ = 20° (PI 30);
// sand below with σ'rc, the dilation from the bottom stress, h/R* ≥ 8 and
// tan 30°; the tip q = 15000·(1 − 0.5·log10(610/36)) on the full 610 mm
// section, constant over the averaging window.
TEST(IcpWholePile, ClosedPipeInClayOverSand) {
    const test::RunOutput out = test::runProject("icp-whole", test::wholePile(io::kIcp));
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    ASSERT_EQ(out.result.methods.size(), 1u);
    const CapacityRow& tip = out.result.methods[0].rows.at(20);
    EXPECT_NEAR(tip.skinFriction, 2205.212, 2.2);
    EXPECT_NEAR(tip.tip, 1689.855, 1.7);
    EXPECT_NEAR(tip.ultimate, 3895.067, 3.9);
    EXPECT_EQ(out.report.find("WARNING"), std::string::npos);
}

// A thick-walled open pipe (1000/600 mm), plugged, in uniform sand with qc
// 10000 kPa: the annulus carries qc on 0.7853975·(1 − 0.36) m², more than the
// open-end rule's 0.15·qc on the full section, and the ICP/MTD tip is raised
// to it; UWA keeps its own q = (0.15 + 0.45·(1 − (0.4)^0.2·0.36))·qc.
TEST(IcpWholePile, FullSectionTipRaisedToTheAnnulusForce) {
    struct Case {
        int method;
        double tip;
    };
    for (const Case c : {Case{io::kIcp, 5026.544}, Case{io::kUwa, 3653.13}}) {
        test::Project project = test::wholePile(c.method, 600);
        project.od = 1000;
        project.totalLength = 10;
        project.profileBottom = 15;
        project.layers = {
            test::layerOf(0.0, 15.0, 1, {0.8, 10, 35, 20}, {0, 0, 0, 0, 0, 0, 10000, 0, 0, 1, 1})};
        const test::RunOutput out = test::runProject("icp-raised", project);
        ASSERT_EQ(out.result.status, 0) << out.result.failure;
        EXPECT_NEAR(out.result.methods.at(0).rows.at(10).tip, c.tip, 1e-3 * c.tip) << c.method;
    }
}

// A clay at the pile tip: the messages stand in the report right before the
// method's table.
TEST(IcpReport, MessagesPrecedeTheTable) {
    test::Project project = test::wholePile(io::kIcp);
    project.layers[1].type = 2; // the lower layer becomes clay too
    project.layers[1].b[2] = 80;
    project.layers[1].b[3] = 30;
    project.layers[1].b[4] = 1;
    project.layers[1].b[5] = -1;
    const test::RunOutput out = test::runProject("icp-messages", project);
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    const std::size_t title = out.report.find("*  IMPERIAL COLLEGE (MTD) METHOD  *");
    ASSERT_NE(title, std::string::npos);
    const std::size_t warning = out.report.find(kShortEmbedment);
    const std::size_t error = out.report.find(kNoPlasticity);
    ASSERT_NE(warning, std::string::npos);
    ASSERT_NE(error, std::string::npos);
    EXPECT_LT(error, warning);
    EXPECT_LT(out.report.rfind(kShortEmbedment), title);
    // 17 clay segments below 8 m, each missing its plasticity index.
    EXPECT_EQ(test::countOf(out.report, kNoPlasticity), 17);
}

} // namespace
} // namespace quvex
