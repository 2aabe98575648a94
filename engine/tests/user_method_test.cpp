#include "analysed_project.hpp"

#include "methods/user_method.hpp"

#include <gtest/gtest.h>

namespace quvex::methods {
namespace {

using test::analyse;
using test::layerOf;
using test::Project;

constexpr double kPi = 3.14159;

// Clay whose user unit friction is fu psf and unit end bearing qu psf.
test::Layer userLayer(double top, double bottom, double fu, double qu) {
    return layerOf(top, bottom, 2, {0, 50, 0, 0}, {0, 0, 1000, 500, 1, 20, 0, fu, qu, 1, 1});
}

Project twelveInchPile() {
    Project p;
    p.od = 12;
    p.id = 11;
    p.totalLength = 30;
    p.profileBottom = 40;
    p.method = 5;
    p.flags[4] = 1;
    return p;
}

TEST(UserSpecified, UniformFrictionAddsPiTimesDepth) {
    Project p = twelveInchPile();
    p.layers = {userLayer(0, 40, 1000, 40000)};
    auto a = analyse(p);
    MethodResult r;
    runUserSpecified(r, a.profile, a.data, 30);
    for (int k : {0, 1, 7, 30}) {
        EXPECT_NEAR(r.friction.cumulative[k], kPi * k, 1e-5 * (k + 1)) << k;
        EXPECT_NEAR(r.tip[k], 40.0 * 0.7853975, 1e-5) << k; // qu times π/4·(1 ft)²
        EXPECT_NEAR(r.ultimate[k], kPi * k + 40.0 * 0.7853975, 1e-4) << k;
        EXPECT_EQ(r.plug[k], 1);
    }
}

TEST(UserSpecified, ADepthPointOnABoundaryUsesTheSegmentAbove) {
    Project p = twelveInchPile();
    p.layers = {userLayer(0, 10, 1000, 10000), userLayer(10, 40, 2000, 20000)};
    auto a = analyse(p);
    MethodResult r;
    runUserSpecified(r, a.profile, a.data, 30);
    EXPECT_NEAR(r.friction.cumulative[10] - r.friction.cumulative[9], kPi, 1e-5);
    EXPECT_NEAR(r.friction.cumulative[11] - r.friction.cumulative[10], 2 * kPi, 1e-5);
    EXPECT_NEAR(r.tip[10], 10.0 * 0.7853975, 1e-5);
    EXPECT_NEAR(r.tip[11], 20.0 * 0.7853975, 1e-5);
}

TEST(UserSpecified, NoncircularTipAreaIsUsedAsGiven) {
    Project p = twelveInchPile();
    p.materialType = 3;
    p.perimeter = 37.7;
    p.tipArea = 288; // 2 ft²
    p.layers = {userLayer(0, 40, 1000, 7000)};
    auto a = analyse(p);
    MethodResult r;
    runUserSpecified(r, a.profile, a.data, 30);
    EXPECT_NEAR(r.tip[30], 2.0 * 7.0, 1e-9);
}

TEST(UserSpecified, FrictionFactorAppliesPerSegment) {
    Project p = twelveInchPile();
    p.layers = {userLayer(0, 40, 1000, 0)};
    p.layers[0].b[9] = 0.5; // LRFD factor on unit friction
    auto a = analyse(p);
    MethodResult r;
    runUserSpecified(r, a.profile, a.data, 30);
    EXPECT_NEAR(r.friction.cumulative[30], 0.5 * kPi * 30, 1e-4);
}

} // namespace
} // namespace quvex::methods
