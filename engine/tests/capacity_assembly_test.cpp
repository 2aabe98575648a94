#include "analysed_project.hpp"

#include "methods/api.hpp"
#include "methods/capacity_assembly.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace quvex::methods {
namespace {

using test::analyse;
using test::layerOf;
using test::Project;

// A 24/23 in steel pipe, 30 ft in uniform clay: Su 1 ksf, Sr 0.5 ksf, γ' 50 pcf.
Project pipeInClay() {
    Project p;
    p.od = 24;
    p.id = 23;
    p.totalLength = 30;
    p.profileBottom = 40;
    p.layers = {layerOf(0, 40, 2, {0, 50, 0, 0}, {0, 0, 1000, 500, 1, 20, 0, 0, 0, 1, 1})};
    return p;
}

// API in clay: α_j = 0.5·(j / 20)^0.25 with ψ = 20 / j.
double clayAlpha(int j) { return 0.5 * std::pow(j / 20.0, j < 20 ? 0.25 : 0.5); }

// Soil-plug friction inside the 23 in pipe down to depth point k: α·Sr over π·23/12 per ft.
double plugFriction(int from, int to) {
    double a = 0;
    for (int j = from; j <= to; ++j) a += 3.14159 * 23.0 / 12.0 * clayAlpha(j) * 0.5;
    return a;
}

struct Assembled {
    test::Analysed a;
    MethodResult r;
};

Assembled assembleApi(const Project& p) {
    Assembled s{analyse(p), {}};
    runApi(s.r, s.a.profile, s.a.data, s.a.context);
    const PileGeometry g{s.a.context.embeddedLength, s.a.context.lastDepthPoint};
    assembleCapacity(kCodeApi, s.r, s.r.endBearing, s.a.profile, s.a.data, g);
    return s;
}

// 9 ksf on the annulus of a 24/23 in pipe: π/4·(24² - 23²)/144 ft².
const double kAnnulus = 9.0 * 0.7853975 * 47.0 / 144.0;
// 9 ksf on the full 2 ft section.
const double kFullTip = 9.0 * 0.7853975 * 4.0;

TEST(CapacityAssembly, OpenPipeTakesTheSmallerOfPlugAndFullSection) {
    const Assembled s = assembleApi(pipeInClay());
    // Shallow: the annulus and the plug friction over the whole penetration.
    EXPECT_NEAR(s.r.tip[5], kAnnulus + plugFriction(1, 5), 1e-4);
    EXPECT_EQ(s.r.plug[5], 2);
    // Deep: the plug friction passes the full section, which then governs.
    EXPECT_GT(kAnnulus + plugFriction(1, 25), kFullTip);
    EXPECT_NEAR(s.r.tip[25], kFullTip, 1e-4);
    EXPECT_EQ(s.r.plug[25], 1);
}

TEST(CapacityAssembly, EnhancedEndSectionCountsItsOwnPlugOnly) {
    Project p = pipeInClay();
    p.endSectionLength = 3;
    p.endSectionId = 23;
    const Assembled s = assembleApi(p);
    EXPECT_NEAR(s.r.tip[20], kAnnulus + plugFriction(18, 20), 1e-4);
    EXPECT_EQ(s.r.plug[20], 2);
}

TEST(CapacityAssembly, PlugOptionsForceTheTip) {
    Project p = pipeInClay();
    p.plug = 1;
    Assembled s = assembleApi(p);
    EXPECT_NEAR(s.r.tip[5], kFullTip, 1e-4);
    EXPECT_EQ(s.r.plug[5], 1);
    p.plug = 2; // unplugged: annulus only, always marked
    s = assembleApi(p);
    for (int k : {5, 25}) {
        EXPECT_NEAR(s.r.tip[k], kAnnulus, 1e-5) << k;
        EXPECT_EQ(s.r.plug[k], 2) << k;
    }
}

TEST(CapacityAssembly, ClosedPileIsNeverMarkedAndAveragesAroundTheTip) {
    Project p = pipeInClay();
    p.closedEnd = 1;
    const Assembled s = assembleApi(p);
    for (int k = 0; k <= 30; ++k) EXPECT_EQ(s.r.plug[k], 1) << k;
    EXPECT_NEAR(s.r.tip[20], kFullTip, 1e-5);
    // At the surface only the half of the 3·D window below ground counts.
    EXPECT_NEAR(s.r.tip[0], kFullTip / 2.0, 1e-5);
    EXPECT_NEAR(s.r.tip[1], kFullTip * 4.0 / 6.0, 1e-5); // 1 + 3 ft of the 6 ft window
}

TEST(CapacityAssembly, TaperedTipArea) {
    Project p;
    p.od = 16;
    p.totalLength = 40;
    p.taper = 0.5;
    p.materialType = 2;
    io::InputData d;
    io::readDataFile(p.text(), "x", d);
    // 16/12 - 2·40·tan(0.5°) = 0.6352 ft.
    const double tip = 16.0 / 12.0 - 80.0 * std::tan(0.5 * 0.01745);
    EXPECT_NEAR(tip, 0.635, 0.001);
    EXPECT_NEAR(fullTipArea(d, 40.0), 0.7853975 * tip * tip, 1e-5);
}

TEST(CapacityAssembly, SelfWeightInTension) {
    Project p = pipeInClay();
    // Dry 110 pcf to 10 ft, submerged below: the water level is 10 ft.
    p.layers = {layerOf(0, 10, 2, {0, 110, 0, 0}, {0, 0, 1000, 500, 1, 20, 0, 0, 0, 1, 1}),
                layerOf(10, 40, 2, {0, 50, 0, 0}, {0, 0, 1000, 500, 1, 20, 0, 0, 0, 1, 1})};
    p.loadDirection = 1;
    const double steel = 0.7853975 * 47.0 / 144.0; // ft² of steel
    io::InputData d;
    io::readDataFile(p.text(), "x", d);
    EXPECT_NEAR(selfWeight(d, 10.0, 8.0), 0.49 * steel * 8.0, 1e-6);
    EXPECT_NEAR(selfWeight(d, 10.0, 20.0), 0.49 * steel * 10.0 + (0.49 - 0.0624) * steel * 10.0,
                1e-6);
    // A closed pipe of given area displaces its whole section below the water.
    p.closedEnd = 1;
    p.constantArea = 36.91;
    d = io::InputData{};
    io::readDataFile(p.text(), "x", d);
    const double w20 = 0.49 * 36.91 / 144.0 * 20.0 - 0.0624 * 0.7853975 * 4.0 * 10.0;
    EXPECT_NEAR(selfWeight(d, 10.0, 20.0), w20, 1e-6);
    EXPECT_LT(selfWeight(d, 10.0, 20.0), selfWeight(d, 10.0, 10.0));
    // A water level above 1 ft is taken at 0.1 ft.
    EXPECT_NEAR(selfWeight(d, 0.5, 0.1), 0.49 * 36.91 / 144.0 * 0.1, 1e-5);

    const Assembled s = assembleApi(p);
    EXPECT_NEAR(s.r.tip[20], w20, 1e-6);
    EXPECT_EQ(s.r.plug[20], 1);
}

TEST(CapacityAssembly, UltimateAddsTheFactoredTip) {
    Project p = pipeInClay();
    p.closedEnd = 1;
    p.layers[0].b[10] = 0.5; // LRFD factor on unit end bearing
    Assembled s = assembleApi(p);
    formUltimate(kCodeApi, s.r, s.a.profile, 30);
    EXPECT_NEAR(s.r.tip[20], 0.5 * kFullTip, 1e-5);
    EXPECT_NEAR(s.r.tipUnfactored[20], kFullTip, 1e-5);
    EXPECT_NEAR(s.r.ultimate[20], s.r.friction.cumulative[20] + 0.5 * kFullTip, 1e-5);
}

} // namespace
} // namespace quvex::methods
