// Fugro 2004 method: expected values worked out by hand from the method's
// formulas (pa = 100 kPa in S.I. runs, 2.1168 ksf for the English tip).
#include "offshore_fixture.hpp"
#include "run_fixture.hpp"

#include "methods/fugro.hpp"

#include <gtest/gtest.h>

namespace quvex {
namespace {

using test::offshorePile;

struct FrictionCase {
    const char* what;
    bool tension;
    double h; // mm above the tip; R* = 500 mm
    double expected;
};

// Closed 1000 mm pile, qc 10000 kPa at σ'v = pa, so the stress term is 1.
TEST(FugroSand, FrictionByDistanceToTheTip) {
    const FrictionCase cases[] = {
        {"r = 10", false, 5000, 800 * 0.1258925},      // 0.08·qc·10^-0.9
        {"r = 4: second form", false, 2000, 229.7397}, // 0.08·qc·4^-0.9·(4/4)
        {"r = 2: second form", false, 1000, 214.3547}, // 0.08·qc·2^-0.9·(2/4)
        {"tension, r = 10", true, 5000, 63.56419},     // 0.045·qc·10^-0.85
        {"tension, r = 2 uses 4", true, 1000, 138.5037}, {"tension, r = 4", true, 2000, 138.5037},
    };
    for (const FrictionCase& c : cases) {
        io::InputData d = offshorePile(false, 1000, 0);
        d.tension = c.tension;
        EXPECT_NEAR(methods::fugroSandFriction(10000, 100, c.h, d), c.expected, 1e-3) << c.what;
    }
    // The stress term: (σ'v/pa)^0.05 in compression, ^0.15 in tension.
    io::InputData d = offshorePile(false, 1000, 0);
    EXPECT_NEAR(methods::fugroSandFriction(10000, 200, 5000, d), 800 * 0.1258925 * 1.035265, 1e-3);
    d.tension = true;
    EXPECT_NEAR(methods::fugroSandFriction(10000, 200, 5000, d), 63.56419 * 1.109569, 1e-3);
}

TEST(FugroSand, EndBearingByAreaRatio) {
    // Closed end: Ar = 1, q = 8.5·√(pa·qc).
    EXPECT_NEAR(methods::fugroSandEndBearing(10000, offshorePile(false, 610, 0)), 8500.0, 1e-6);
    EXPECT_NEAR(methods::fugroSandEndBearing(200, offshorePile(true, 24, 0)), 174.8936, 1e-3);
    // Open 610/560 mm: Ar = 1 − (560/610)² = 0.157216, Ar^0.25 = 0.629686.
    EXPECT_NEAR(methods::fugroSandEndBearing(10000, offshorePile(false, 610, 560)), 5352.331, 1e-2);
}

TEST(FugroSand, EndBearingIsLimitedByTheLayer) {
    methods::Segment sand = test::sandSegment(10000);
    sand.qmax = 5000;
    const methods::Profile p = test::layeredProfile(false, 1.0, {{4, sand}});
    const std::vector<double> q = methods::fugroUnitEndBearing(p, offshorePile(false, 610, 0));
    EXPECT_DOUBLE_EQ(q[1], 5000.0);
    EXPECT_DOUBLE_EQ(q[8], 5000.0);
}

// Whole pile (see wholePile) as an open pipe of 560 mm inside diameter,
// plugged: R* = 305·√(1 − (560/610)²) = 120.934 mm, so r ≥ 8.27 all along and
// the first form holds; the clay follows the shared rule with the same R*
// (δ 20°, YSR 2, Su/Sr 2.5); the tip takes q = 8.5·100·√150·Ar^0.25 on the
// full 610 mm section.
TEST(FugroWholePile, PluggedOpenPipeInClayOverSand) {
    const test::RunOutput out = test::runProject("fugro-whole", test::wholePile(io::kFugro, 560));
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    ASSERT_EQ(out.result.methods.size(), 1u);
    const CapacityRow& tip = out.result.methods[0].rows.at(20);
    EXPECT_NEAR(tip.skinFriction, 1172.788, 1.17);
    EXPECT_NEAR(tip.tip, 1915.745, 1.9);
    EXPECT_NEAR(tip.ultimate, 3088.533, 3.1);
    EXPECT_NE(out.report.find("*    FUGRO 2004 (FUGRO) METHOD    *"), std::string::npos);
}

} // namespace
} // namespace quvex
