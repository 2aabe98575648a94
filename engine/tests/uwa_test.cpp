// UWA method: expected values worked out by hand from the method's formulas
// (pa = 100 kPa, Δr = 0.02 mm in S.I. runs).
#include "offshore_fixture.hpp"
#include "run_fixture.hpp"

#include "methods/uwa.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace quvex {
namespace {

using test::offshorePile;

struct RatioCase {
    const char* what;
    bool english;
    double od, dt;
    double filling, area;
};

TEST(UwaArea, FillingAndEffectiveAreaRatios) {
    const RatioCase cases[] = {
        {"closed", false, 610, 0, 0, 1},
        {"Dt 1.5 m", false, 1600, 1500, 1, 1 - 0.8789063},       // (1500/1600)²
        {"Dt 2 m: capped", false, 2100, 2000, 1, 1 - 0.9070295}, // (2000/2100)²
        {"Dt 0.75 m", false, 800, 750, 0.8705506, 1 - 0.8705506 * 0.8789063},
        {"Dt 30 in", true, 32, 30, 0.8733187, 1 - 0.8733187 * 0.8789063},
    };
    for (const RatioCase& c : cases) {
        const io::InputData d = offshorePile(c.english, c.od, c.dt);
        EXPECT_NEAR(methods::uwaFillingRatio(d), c.filling, 1e-6) << c.what;
        EXPECT_NEAR(methods::uwaEffectiveAreaRatio(d), c.area, 1e-6) << c.what;
    }
}

TEST(UwaSand, RadialStressUsesAtLeastTwoDiameters) {
    const io::InputData d = offshorePile(false, 1000, 0);
    // 0.03·qc·max(h/D, 2)^-0.5 with qc 10000 kPa.
    EXPECT_NEAR(methods::uwaRadialStress(10000, 8000, d), 106.0660, 1e-3);
    EXPECT_NEAR(methods::uwaRadialStress(10000, 2000, d), 212.1320, 1e-3);
    EXPECT_NEAR(methods::uwaRadialStress(10000, 1000, d), 212.1320, 1e-3);
    EXPECT_NEAR(methods::uwaRadialStress(10000, 1.0e-5, d), 212.1320, 1e-3);
}

TEST(UwaSand, DilationFromTheNormalisedCone) {
    const io::InputData d = offshorePile(false, 1000, 0);
    // qc1N = 100/√1 = 100, G = 185·10000·100^-0.75, Δσ'rd = 4·G·0.02/1000.
    EXPECT_NEAR(methods::uwaDilation(10000, 100, d), 4.680171, 1e-5);
    // σ'v/pa is raised to 1e-7 at the surface: qc1N = 100/√1e-7.
    EXPECT_NEAR(methods::uwaDilation(10000, 0, d), 4.680171 * std::pow(1.0e-7f, 0.375), 1e-5);
    EXPECT_EQ(methods::uwaDilation(0, 100, d), 0.0);
}

// Tension gives 0.75 times the compression friction at every sand stress point.
TEST(UwaSand, TensionIsThreeQuartersOfCompression) {
    const io::InputData compression = offshorePile(false, 610, 560);
    io::InputData tension = compression;
    tension.tension = true;
    methods::Profile p = test::layeredProfile(false, 1.0, {{12, test::sandSegment(12000)}});
    test::ContextFor c(10.0, 1.0);
    methods::MethodResult push, pull;
    methods::uwaUnitSideFriction(push, p, compression, c.context);
    methods::uwaUnitSideFriction(pull, p, tension, c.context);
    for (int j = 1; j <= 12; ++j) {
        EXPECT_GT(push.frictionTop[j], 0.0);
        EXPECT_NEAR(pull.frictionTop[j], 0.75 * push.frictionTop[j], 1e-7 * push.frictionTop[j]);
        EXPECT_NEAR(pull.frictionBottom[j], 0.75 * push.frictionBottom[j],
                    1e-7 * push.frictionBottom[j]);
    }
}

TEST(UwaSand, EndBearing) {
    // Closed: Ar,eff = 1, q = (0.15 + 0.45)·qc.
    EXPECT_NEAR(methods::uwaSandEndBearing(10000, offshorePile(false, 610, 0)), 6000, 1e-3);
    // Open 610/560 mm: Ar,eff = 0.307953, q = 0.288578·qc, above the 0.15·qc floor...
    io::InputData open = offshorePile(false, 610, 560);
    EXPECT_NEAR(methods::uwaSandEndBearing(10000, open), 2885.787, 1e-2);
    // ... but below the 0.3·qc floor of a plugged pile.
    open.plugCondition = 1;
    EXPECT_NEAR(methods::uwaSandEndBearing(10000, open), 3000, 1e-3);
}

// Whole pile (see wholePile) as an open pipe of 560 mm inside diameter,
// plugged: FFR = (0.56/1.5)^0.2 = 0.821144, Ar,eff = 0.307953; sand friction
// (0.03·15000·Ar,eff^0.3·max(h/D, 2)^-0.5 + 4·G·0.02/610)·tan 30° with
// G = 185·15000·qc1N^-0.75; the clay follows the shared rule (R* = 120.934 mm,
// δ 20°); the tip takes 0.3·15000 on the full 610 mm section.
TEST(UwaWholePile, PluggedOpenPipeInClayOverSand) {
    const test::RunOutput out = test::runProject("uwa-whole", test::wholePile(io::kUwa, 560));
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    ASSERT_EQ(out.result.methods.size(), 1u);
    const CapacityRow& tip = out.result.methods[0].rows.at(20);
    EXPECT_NEAR(tip.skinFriction, 1643.266, 1.6);
    EXPECT_NEAR(tip.tip, 1315.109, 1.3);
    EXPECT_NEAR(tip.ultimate, 2958.375, 2.9);
    EXPECT_NE(out.report.find("*  UNIV. OF WESTERN AUSTRALIA (UWA) METHOD  *"), std::string::npos);
}

} // namespace
} // namespace quvex
