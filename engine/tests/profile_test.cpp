#include "analysed_project.hpp"

#include <gtest/gtest.h>

namespace quvex::methods {
namespace {

using test::analyse;
using test::layerOf;
using test::Project;

// Clay: Su 1000 psf; sand: Ko 0.8, γ' 60 pcf, φ 30, Nq 20.
test::Layer clay(double top, double bottom, double unitWeight = 50) {
    return layerOf(top, bottom, 2, {0, unitWeight, 0, 0}, {0, 0, 1000, 500, 1, 20, 0, 0, 0, 1, 1});
}
test::Layer sand(double top, double bottom, double phi = 30, double n = 0, double unitWeight = 60) {
    return layerOf(top, bottom, 1, {0.8, unitWeight, phi, 20}, {0, 0, 0, n, 0, 0, 0, 0, 0, 1, 1});
}

TEST(Profile, SegmentsTakeTheLayerTheirTopLiesIn) {
    Project p;
    p.layers = {clay(0, 10), sand(10, 60)};
    const auto a = analyse(p);
    ASSERT_EQ(a.profile.count(), 60);
    EXPECT_EQ(a.profile.segment(10).type, 2); // 9-10 ft
    EXPECT_EQ(a.profile.segment(11).type, 1); // 10-11 ft: the contact interval is never used
    EXPECT_DOUBLE_EQ(a.profile.segment(11).frictionAngle, 30.0);
    // Stress adds γ'·t: 10 ft of clay at 50 pcf then sand at 60 pcf, in ksf.
    EXPECT_NEAR(a.profile.bottom(10), 0.5, 1e-12);
    EXPECT_NEAR(a.profile.bottom(12), 0.62, 1e-12);
    EXPECT_NEAR(a.profile.top(13), 0.62, 1e-12);
}

TEST(Profile, PropertiesAreInterpolatedAtTheSegmentMiddle) {
    Project p;
    p.layers = {clay(0, 60)};
    io::InputData d;
    io::readDataFile(p.text(), "x", d);
    d.points[1].su = 4.0; // Su rising from 1 to 4 ksf over 60 ft
    const Profile prof = buildProfile(d, d.points, 60);
    EXPECT_NEAR(prof.segment(6).su, 1.0 + 3.0 * 5.5 / 60.0, 1e-12); // middle at 5.5 ft
    EXPECT_NEAR(prof.segment(60).su, 1.0 + 3.0 * 59.5 / 60.0, 1e-12);
}

TEST(Profile, ThinLayersSnapToTheIncrement) {
    // Layers 0.4 and 0.7 increments thick at 10 ft with Δz = 1 ft.
    Project p;
    p.layers = {clay(0, 10), sand(10, 10.4, 34), clay(10.4, 20), sand(20, 20.7, 36), clay(20.7, 60)};
    auto a = analyse(p);
    const auto& pts = a.data.points;
    EXPECT_DOUBLE_EQ(pts[3].depth, 10.0); // the 0.4 ft sand vanishes
    EXPECT_DOUBLE_EQ(pts[7].depth, 21.0); // the 0.7 ft sand grows to 1 ft
    EXPECT_DOUBLE_EQ(pts[8].depth, 21.0); // and the clay below starts 0.3 ft lower
    EXPECT_EQ(a.profile.segment(11).type, 2);
    EXPECT_EQ(a.profile.segment(21).type, 1); // 20-21 ft is the sand
    EXPECT_DOUBLE_EQ(a.profile.segment(21).frictionAngle, 36.0);
    EXPECT_EQ(a.profile.segment(22).type, 2);
}

TEST(Profile, MissingValuesAreCompleted) {
    Project p;
    // φ 0 with N 20 at shallow stress; φ 0 with N 0 stays 0; clay Su 0 with qc 300.
    p.layers = {sand(0, 10, 0, 20), sand(10, 20, 0, 0),
                layerOf(20, 60, 2, {0, 50, 0, 0}, {0, 0, 0, 0, 1, 20, 300, 0, 0, 1, 1})};
    auto a = analyse(p);
    // Segment 1 bottom: 0.06 ksf = 60 / 144 psi = 0.41667 psi; N 20 in band 1:
    // 36 + (20 - 0.41667) * 9 / 20.
    EXPECT_NEAR(a.profile.segment(1).frictionAngle, 36.0 + (20.0 - 60.0 / 144.0) * 9.0 / 20.0,
                1e-9);
    EXPECT_DOUBLE_EQ(a.profile.segment(15).frictionAngle, 0.0);
    EXPECT_NEAR(a.profile.segment(30).su, 0.02, 1e-12); // 300 psf / 15 in ksf

    p.units = 2;
    p.od = 610;
    p.id = 584;
    EXPECT_NEAR(analyse(p).profile.segment(30).su, 20.0, 1e-12); // 300 kPa / 15
}

TEST(Profile, CriticalDepthLimitsSandStress) {
    Project p;
    p.od = 12;
    p.id = 11;
    p.layers = {sand(0, 60, 32)};
    p.criticalOption = 0; // φ 32 < 33: 10 diameters = 10 ft
    auto a = analyse(p);
    const double atCritical = 0.06 * 10.0;
    EXPECT_NEAR(a.profile.limitedStress[2 * 9], 0.06 * 9.0, 1e-12);
    EXPECT_NEAR(a.profile.limitedStress[2 * 10], atCritical, 1e-12);
    EXPECT_NEAR(a.profile.limitedStress[2 * 40], atCritical, 1e-12);
    EXPECT_NEAR(a.profile.limitedStress[2 * 40 + 1], atCritical, 1e-12);
    EXPECT_NEAR(a.profile.stress[2 * 40], 0.06 * 40.0, 1e-12);

    p.criticalOption = 2;
    p.criticalDepth = 25.5;
    a = analyse(p);
    EXPECT_NEAR(a.profile.limitedStress[2 * 30], 0.06 * 25.5, 1e-12);
    EXPECT_NEAR(a.profile.limitedStress[2 * 25], 0.06 * 25.0, 1e-12);

    // 3.5 ksf is passed at the bottom of segment 59 (3.54 ksf) only.
    p.criticalOption = 1;
    a = analyse(p);
    EXPECT_TRUE(a.profile.hasCriticalDepth);
    EXPECT_DOUBLE_EQ(a.profile.criticalDepth, 59.0);
    p.layers = {sand(0, 60, 32, 0, 50)}; // 3.0 ksf at 60 ft: never reached
    a = analyse(p);
    EXPECT_FALSE(a.profile.hasCriticalDepth);
    EXPECT_EQ(a.profile.limitedStress, a.profile.stress);
}

TEST(Profile, DepthPointsTakeTheSegmentAbove) {
    Project p;
    p.layers = {sand(0, 60)};
    const auto a = analyse(p);
    std::vector<double> top(61), bottom(61);
    for (int j = 1; j <= 60; ++j) {
        top[j] = j * 10.0;
        bottom[j] = j * 10.0 + 5.0;
    }
    EXPECT_EQ(a.profile.segmentAt(0.0), 1);
    EXPECT_EQ(a.profile.segmentAt(3.0), 3);
    EXPECT_EQ(a.profile.segmentAt(3.0000001), 3); // within 1e-6 of the boundary
    EXPECT_EQ(a.profile.segmentAt(3.1), 4);
    EXPECT_DOUBLE_EQ(a.profile.atDepth(top, bottom, 0.0), 10.0); // top of segment 1
    EXPECT_DOUBLE_EQ(a.profile.atDepth(top, bottom, 3.0), 35.0); // bottom of segment 3
    EXPECT_DOUBLE_EQ(a.profile.atDepth(top, bottom, 3.5), 42.5);
}

TEST(Profile, UserValuesAreInKsfAndReducedInTension) {
    Project p;
    p.layers = {layerOf(0, 60, 2, {0, 50, 0, 0}, {0, 0, 1000, 500, 1, 20, 0, 800, 40000, 1, 1})};
    auto a = analyse(p);
    EXPECT_DOUBLE_EQ(a.profile.segment(5).userFriction, 0.8);
    EXPECT_DOUBLE_EQ(a.profile.segment(5).userEndBearing, 40.0);
    p.loadDirection = 1;
    p.tensionFactor = 0.5;
    a = analyse(p);
    EXPECT_DOUBLE_EQ(a.profile.segment(5).userFriction, 0.4);
    p.units = 2;
    p.od = 610;
    a = analyse(p);
    EXPECT_DOUBLE_EQ(a.profile.segment(5).userFriction, 400.0); // kPa, reduced too
}

} // namespace
} // namespace quvex::methods
