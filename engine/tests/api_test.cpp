#include "analysed_project.hpp"

#include "methods/api.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace quvex::methods {
namespace {

using test::analyse;
using test::layerOf;
using test::Project;

constexpr double kPerimeter12In = 3.14159; // π·1 ft for a 12 in pile

TEST(Api, LimitsBySandFrictionAngle) {
    struct Row {
        double phi;
        bool english;
        double friction;
        double bearing;
    };
    const Row rows[] = {
        {15, true, 1.0, 40},     {20, true, 1.0, 40},     {22.5, true, 1.2, 50},
        {32.5, true, 1.85, 150}, {45, true, 2.4, 250},    {30, false, 83.1, 4800},
        {32.5, false, 89.3, 7200}, {40, false, 114.8, 12000},
    };
    for (const Row& r : rows) {
        EXPECT_NEAR(apiMaxUnitFriction(r.phi, r.english), r.friction, 1e-5) << r.phi;
        EXPECT_NEAR(apiEndBearingLimit(r.phi, r.english), r.bearing, 1e-3) << r.phi;
    }
}

TEST(Api, SandWithoutFrictionAngleGetsNoFriction) {
    // δ = φ - 5 would be negative below 5 degrees and pull the pile out.
    EXPECT_DOUBLE_EQ(sandInterfaceTan(0.0), 0.0);
    EXPECT_DOUBLE_EQ(sandInterfaceTan(3.0), 0.0);
    EXPECT_NEAR(sandInterfaceTan(35.0), std::tan(30.0 * std::numbers::pi / 180.0), 1e-5);
}

TEST(Api, ClayAdhesionFactor) {
    EXPECT_DOUBLE_EQ(apiAlpha(0.5, 2.0), 1.0);                  // ψ 0.25: 0.5 / 0.5 = 1, capped
    EXPECT_NEAR(apiAlpha(4.0, 1.0), 0.5 / std::sqrt(2.0), 1e-12); // ψ 4: 0.5 · 4^-0.25
    EXPECT_NEAR(apiAlpha(1.0, 1.0), 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(apiAlpha(0.0, 1.0), 1.0); // no strength: ψ floored, α capped
}

// Uniform clay, Su 1 ksf, γ' 50 pcf, 12 in pile, Δz 1 ft: segment j has
// σ'v(bottom) = 0.05·j ksf, ψ = 20 / j and α_j = 0.5·(j / 20)^0.25 while j < 20.
Project uniformClay() {
    Project p;
    p.od = 12;
    p.id = 11;
    p.totalLength = 30;
    p.profileBottom = 40;
    p.layers = {layerOf(0, 40, 2, {0, 50, 0, 0}, {0, 0, 1000, 500, 1, 20, 0, 0, 0, 1, 1})};
    return p;
}

double clayAlpha(int j) { return 0.5 * std::pow(j / 20.0, j < 20 ? 0.25 : 0.5); }

TEST(Api, ClayFrictionAboveAndBelowTheZeroFrictionLength) {
    Project p = uniformClay();
    p.zeroFriction = 3.5;
    auto a = analyse(p);
    MethodResult r;
    runApi(r, a.profile, a.data, a.context);
    const FrictionTable& t = r.friction;
    EXPECT_DOUBLE_EQ(t.unitFriction[3], 0.0);
    EXPECT_NEAR(t.unitFriction[4], clayAlpha(4), 1e-12);
    EXPECT_DOUBLE_EQ(t.increment[3], 0.0);
    // The first interval below averages the zero above with the value below.
    EXPECT_NEAR(t.increment[4], 0.5 * clayAlpha(4) * kPerimeter12In, 1e-6);
    EXPECT_NEAR(t.increment[5], 0.5 * (clayAlpha(4) + clayAlpha(5)) * kPerimeter12In, 1e-6);
    // Clay transfers α·Sr first and α·Su second.
    EXPECT_NEAR(r.transferFirst[4], clayAlpha(4) * 0.5, 1e-12);
    EXPECT_NEAR(r.transferSecond[4], clayAlpha(4), 1e-12);
    // Unit end bearing 9·Su at both points.
    EXPECT_DOUBLE_EQ(r.endBearing[7], 9.0);
    EXPECT_DOUBLE_EQ(r.endBearing[8], 9.0);
}

TEST(Api, TensionReducesEveryUnitFriction) {
    Project p = uniformClay();
    auto compression = analyse(p);
    p.loadDirection = 1;
    p.tensionFactor = 0.8;
    auto tension = analyse(p);
    MethodResult c, t;
    runApi(c, compression.profile, compression.data, compression.context);
    runApi(t, tension.profile, tension.data, tension.context);
    for (int k = 0; k <= 30; ++k) {
        EXPECT_NEAR(t.friction.unitFriction[k], 0.8 * c.friction.unitFriction[k], 1e-12) << k;
        EXPECT_NEAR(t.friction.cumulative[k], 0.8 * c.friction.cumulative[k], 1e-9) << k;
    }
    EXPECT_DOUBLE_EQ(t.endBearing[10], c.endBearing[10]); // the end bearing is not scaled
}

// Uniform sand: K 0.8, γ' 60 pcf, φ 30 (δ 25), Nq 20, friction 0.048·tan 25°·z ksf.
Project uniformSand(double maxFrictionPsf) {
    Project p = uniformClay();
    p.layers = {layerOf(0, 40, 1, {0.8, 60, 30, 20},
                        {maxFrictionPsf, 0, 0, 20, 0, 0, 0, 0, 0, 1, 1})};
    return p;
}

TEST(Api, MaximumUnitFrictionLimitsTheIncrement) {
    auto a = analyse(uniformSand(500));
    MethodResult r;
    runApi(r, a.profile, a.data, a.context);
    const double f = 0.048 * std::tan(25.0 * std::numbers::pi / 180.0);
    EXPECT_NEAR(r.friction.unitFriction[10], f * 10, 1e-5);
    EXPECT_NEAR(r.friction.increment[10], 0.5 * (9 + 10) * f * kPerimeter12In, 1e-4);
    // Beyond 0.5 / f = 22.3 ft both ends exceed 0.5 ksf: the limit's average.
    EXPECT_NEAR(r.friction.increment[30], 0.5 * kPerimeter12In, 1e-6);
    EXPECT_DOUBLE_EQ(r.friction.limitedFriction[30], 0.5);

    // Left at zero, a sand layer gets the API limit for φ 30: 1.7 ksf.
    auto b = analyse(uniformSand(0));
    MethodResult unlimited;
    runApi(unlimited, b.profile, b.data, b.context);
    EXPECT_NEAR(unlimited.friction.maxFriction[12], 1.7, 1e-6);
}

TEST(Api, SandEndBearingIsLimited) {
    Project p = uniformSand(0);
    p.layers[0].a[2] = 32.5;  // φ
    p.layers[0].a[3] = 1000;  // Nq
    auto a = analyse(p);
    const std::vector<double> q = apiUnitEndBearing(a.profile, a.data);
    EXPECT_NEAR(q[1], 0.0, 1e-12);             // Nq·0 at the surface
    EXPECT_NEAR(q[2], 1000 * 0.06, 1e-9);      // 60 ksf at 1 ft
    EXPECT_NEAR(q[20], 150.0, 1e-4);           // limited: 150 ksf at φ 32.5
    p.layers[0].b[1] = 80000;                  // a limit of the user's: 80 ksf
    a = analyse(p);
    EXPECT_NEAR(apiUnitEndBearing(a.profile, a.data)[20], 80.0, 1e-9);
}

} // namespace
} // namespace quvex::methods
