// NGI method: expected values worked out by hand from the method's formulas
// (pa = 100 kPa in S.I. runs).
#include "offshore_fixture.hpp"
#include "run_fixture.hpp"

#include "methods/cone_resistance.hpp"
#include "methods/ngi.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace quvex {
namespace {

using methods::MethodResult;
using test::claySegment;
using test::layeredProfile;
using test::offshorePile;
using test::sandSegment;

double relative(double expected) {
    return 1e-5 * std::abs(expected);
}

// Sand under a closed 610 mm pile 4 m long in compression, qc 10000 kPa,
// γ' 10 kN/m³: the segment at the surface (zt = 0) carries no friction; the
// next one (zt/L = 1/4, σ'v 10 and 20 kPa) has Dr = 0.4·ln(10000/(22·√(σ'v·100)))
// and f = 0.25·100·2.1·(Dr − 0.1)^1.7·(σ'v/100)^0.25·1.6·1.3.
TEST(NgiSand, FrictionGrowsWithTheDepthRatioFromNoneAtTheSurface) {
    methods::Profile p = layeredProfile(false, 1.0, {{6, sandSegment(10000)}});
    const io::InputData d = offshorePile(false, 610, 0);
    test::ContextFor c(4.0, 1.0);
    MethodResult r;
    methods::runNgi(r, p, d, c.context);
    EXPECT_EQ(r.frictionTop[1], 0.0);
    EXPECT_EQ(r.frictionBottom[1], 0.0);
    EXPECT_NEAR(r.frictionTop[2], 57.9178, 1e-3);
    EXPECT_NEAR(r.frictionBottom[2], 52.9322, 1e-3);
    EXPECT_EQ(r.transferFirst[2], r.frictionTop[2]);
    EXPECT_EQ(r.transferSecond[2], r.frictionBottom[2]);
    // The top of the surface segment was lifted off zero in the shared stresses.
    EXPECT_NEAR(p.stress[1], 1.0e-8, 1e-12);
}

struct FactorCase {
    const char* what;
    double dt;
    bool tension;
    int material;
    double expected;
};

TEST(NgiSand, TipLoadAndMaterialFactors) {
    const FactorCase cases[] = {
        {"closed, compression", 0, false, 1, 1.6 * 1.3},
        {"open, tension", 23, true, 1, 1.0},
        {"open, compression", 23, false, 1, 1.3},
        {"closed, tension", 0, true, 1, 1.6},
        {"closed concrete, compression", 0, false, 3, 1.6 * 1.3 * 1.2},
        {"open timber, tension", 23, true, 2, 1.2},
    };
    for (const FactorCase& c : cases) {
        io::InputData d = offshorePile(true, 24, c.dt);
        d.tension = c.tension;
        d.materialType = c.material;
        EXPECT_NEAR(methods::ngiSandFactors(d), c.expected, 1e-6) << c.what;
    }
    io::InputData flagged = offshorePile(true, 24, 23);
    flagged.closedEnd = true; // declared closed: the wall's inside diameter does not open it
    EXPECT_NEAR(methods::ngiSandFactors(flagged), 2.08, 1e-6);
}

struct ClayCase {
    const char* what;
    bool english;
    double dt, su, sr, pi, stress;
    double friction, transferFirst;
};

TEST(NgiClay, FrictionByStrengthRatio) {
    const ClayCase cases[] = {
        // ψ = 0.25, PI 12 → 12.000001: middle rule, α = αnc = 0.32·2.000001^0.3,
        // f_lim = 0.06·(1e-6)^0.33·100 ≈ 0.06 is far below; the pair starts at α·Sr.
        {"psi 0.25, PI 12", false, 0, 25, 10, 12, 100, 9.84916, 3.93966},
        // ψ = 4: α = 0.5·4^-0.3 = 0.32988, F_tip 1 in S.I. runs.
        {"psi 4, S.I. open", false, 560, 400, 100, 30, 100, 131.9508, 32.98770},
        // English open end: F_tip = 0.8 + 0.2·√4 = 1.2.
        {"psi 4, English open", true, 23, 4, 1, 30, 1, 1.583409, 0.395852},
        {"psi 4, English closed", true, 0, 4, 1, 30, 1, 1.319508, 0.329877},
        // ψ = 0.1: f = 0.08·(30 − 10)^0.3·100, and the pair starts at f itself.
        {"psi 0.1", false, 0, 10, 3, 30, 100, 19.65165, 19.65165},
        // ψ = 0.5, PI 60: α = 1.03471 + 0.25·(0.61557 − 1.03471)/0.75 = 0.89503,
        // f = 44.75; α·Sr = 4.48 is raised to f_lim = 0.06·48^0.33·100 = 21.53.
        {"psi 0.5, f_lim", false, 0, 50, 5, 60, 100, 44.75164, 21.52588},
    };
    for (const ClayCase& c : cases) {
        const io::InputData d = offshorePile(c.english, c.english ? 24 : 610, c.dt);
        const methods::NgiClayFriction f = methods::ngiClayFriction(c.su, c.sr, c.pi, c.stress, d);
        EXPECT_NEAR(f.friction, c.friction, relative(c.friction)) << c.what;
        EXPECT_NEAR(f.transferFirst, c.transferFirst, relative(c.transferFirst)) << c.what;
    }
    // A plasticity index at or below 10 is raised to 10.000001 in the low range.
    const io::InputData d = offshorePile(false, 610, 0);
    EXPECT_NEAR(methods::ngiClayFriction(10, 3, 5, 100, d).friction,
                0.08 * std::pow(10.000001f - 10.0, 0.3) * 100, 1e-6);
}

TEST(NgiEndBearing, SandByRelativeDensityClayByStrength) {
    // qc 10000 kPa at σ'v = 100 kPa: Dr = 0.4·ln(10000/2200) = 0.605651.
    const io::InputData closed = offshorePile(false, 610, 0);
    const io::InputData open = offshorePile(false, 610, 560);
    EXPECT_NEAR(methods::ngiSandEndBearing(10000, 100, closed), 5853.031, 5e-3);
    EXPECT_NEAR(methods::ngiSandEndBearing(10000, 100, open), 3332.635, 5e-3);
    EXPECT_EQ(methods::ngiSandEndBearing(0, 100, closed), 0.0);
    EXPECT_EQ(methods::ngiSandEndBearing(10000, 0, closed), 0.0);

    // 10 m of sand over clay: the sand is limited by its qmax, the clay gets 9·Su.
    methods::Segment sand = sandSegment(10000);
    sand.qmax = 3000;
    methods::Profile p = layeredProfile(false, 1.0, {{10, sand}, {2, claySegment(40, 10, 1, 20)}});
    const std::vector<double> q = methods::ngiUnitEndBearing(p, closed);
    EXPECT_DOUBLE_EQ(q[20], 3000.0);
    EXPECT_DOUBLE_EQ(q[21], 360.0);
    EXPECT_DOUBLE_EQ(q[25], 360.0); // the point below the last segment
}

struct ConeCase {
    const char* what;
    bool english;
    double segmentQc;
    bool withCpt;
    double expected;
};

// The cone resistance a segment hands to the cone-based rules. CPT points at
// 0.5 m (8000) and 2.5 m (12000): the segment top at 1.0 m reads 9000.
TEST(SegmentConeResistance, OwnValueThenCptTableThenBlowCount) {
    const std::vector<io::CptPoint> cpt{{0.5, 8000}, {2.5, 12000}};
    const std::vector<io::CptPoint> none;
    const ConeCase cases[] = {
        {"own value", false, 15000, true, 15000},
        {"CPT table at the top", false, 0, true, 9000},
        {"CPT table in psf, English", true, 0, true, 9.0},
        {"own value in psf, English", true, 15000, true, 15.0},
        {"blow count 20, S.I.", false, 0, false, 2.8 * 100 * 20},
        {"blow count 20, English: no division", true, 0, false, 2.8 * 2.1168 * 20},
    };
    for (const ConeCase& c : cases) {
        methods::Segment s = sandSegment(c.segmentQc);
        s.n = 20;
        const methods::Profile p = layeredProfile(c.english, 1.0, {{3, s}});
        const double pa = c.english ? 2.1168 : 100.0;
        EXPECT_NEAR(methods::segmentConeResistance(p, 2, c.withCpt ? cpt : none, pa), c.expected,
                    1e-4 * c.expected)
            << c.what;
    }
    // Above the first point and below the last the end values hold.
    EXPECT_EQ(methods::cptAtDepth(cpt, 0.0), 8000);
    EXPECT_EQ(methods::cptAtDepth(cpt, 9.0), 12000);
}

TEST(NgiEndBearing, TakesTheCptTableWhenTheSegmentHasNoCone) {
    io::InputData d = offshorePile(false, 610, 0);
    d.cpt = {{0.0, 10000}, {20.0, 10000}};
    const methods::Profile p = layeredProfile(false, 1.0, {{12, sandSegment(0)}});
    const std::vector<double> q = methods::ngiUnitEndBearing(p, d);
    // σ'v = 100 kPa at the bottom of segment 10.
    EXPECT_NEAR(q[20], 5853.031, 5e-3);
}

// Whole pile (see wholePile): clay 0-8 m with ψ = 50/σ'v > 1, α = 0.5·ψ^-0.3,
// sand below with the closed-end factors; friction summed over the 1 m
// increments with P = 3.14159·0.61; the tip averages At·q over 20 ± 0.915 m,
// q = 0.8·15000/(1 + Dr²) varying with σ'v from 174 to 194 kPa.
TEST(NgiWholePile, ClosedPipeInClayOverSand) {
    const test::RunOutput out = test::runProject("ngi-whole", test::wholePile(io::kNgi));
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    ASSERT_EQ(out.result.methods.size(), 1u);
    const CapacityRow& tip = out.result.methods[0].rows.at(20);
    EXPECT_NEAR(tip.skinFriction, 3331.295, 3.3);
    EXPECT_NEAR(tip.tip, 2474.338, 2.5);
    EXPECT_NEAR(tip.ultimate, 5805.633, 5.8);
    EXPECT_FALSE(tip.plugged);
    // The plot block's last column is the unit friction F(20), the bottom value
    // of the tip segment: Dr = 0.4·ln(15000/(22·√(184·100))) = 0.645884,
    // 0.95·100·2.1·(Dr − 0.1)^1.7·1.84^0.25·2.08 = 172.696 kPa.
    EXPECT_NE(out.plot.find("\n    20.00    3331.3    2474.3     5805.6    172.696\n"),
              std::string::npos);
    EXPECT_NE(out.report.find("*  NORWEIGIAN GEOTECHNICAL INSTITUTE (NGI) METHOD  *"),
              std::string::npos);
}

} // namespace
} // namespace quvex
