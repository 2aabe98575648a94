#include "methods/revised_lambda.hpp"

#include "analysed_project.hpp"
#include "io/fixed_format.hpp"
#include "run_fixture.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace quvex::methods {
namespace {

using test::layerOf;

TEST(RevisedLambda, CoefficientFromFlexibility) {
    struct Case {
        double flexibility;
        LambdaMeans means;
        double lambda;
        const char* why;
    };
    const Case cases[] = {
        {0.01, {1, 1}, 0.232 + 0.032 * 4.6051702, "uniform clay: 0.232 - 0.032 ln 0.01"},
        {1.0, {1, 1}, 0.232, "ln 1 = 0"},
        {std::exp(2.0), {1, 1}, 0.168, "0.232 - 0.064"},
        {1000.0, {1, 1}, 0.14, "0.232 - 0.221 is raised to 0.14"},
        {std::exp(1.0), {1, 0.2}, 0.162, "cm / stress 0.2 < 0.4: 0.178 - 0.016"},
        {std::exp(1.0), {1, 0.41}, 0.2, "cm / stress 0.41: the stiff branch"},
        {0.0, {1, 1}, 0.0, "no flexibility: no friction"},
        {0.5, {0, 1}, 0.232 + 0.032 * 0.6931472, "strength without stress"},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(lambdaCoefficient(c.flexibility, c.means), c.lambda, 1e-6) << c.why;
}

TEST(RevisedLambda, StiffnessTakesTheTipAreaInSectionUnits) {
    io::InputData d;
    d.outerDiameter = 24;
    d.endSectionInnerDiameter = 23;
    d.elasticModulus = 29.0e6;
    // 0.25 * 3.14159 * (576 - 529) = 36.913683 in^2.
    EXPECT_NEAR(lambdaStiffness(d), 0.1 * 36.913683 * 29.0e6, 1e-6 * 0.1 * 36.913683 * 29.0e6);
    d.tipArea = 1.0; // ft^2 as held: 144 in^2
    EXPECT_NEAR(lambdaStiffness(d), 0.1 * 144 * 29.0e6, 1e-6 * 0.1 * 144 * 29.0e6);
    d.units = io::UnitSystem::SI;
    d.tipArea = 0.01; // m^2: 10^4 mm^2
    d.elasticModulus = 2.0e8;
    EXPECT_NEAR(lambdaStiffness(d), 2.54 * 1.0e4 * 2.0e8, 1e-6 * 2.54 * 1.0e4 * 2.0e8);
}

test::Project lambdaProject() {
    test::Project p;
    p.od = 12;
    p.id = 0;
    p.closedEnd = 1;
    p.totalLength = 10;
    p.profileBottom = 30;
    p.flags[2] = 1;
    p.flags[3] = 0;
    p.method = 3;
    p.layers = {layerOf(0, 30, 2, {0, 50, 0, 0}, {0, 0, 1000, 500, 0, 20, 0, 0, 0, 1, 1})};
    return p;
}

TEST(RevisedLambda, NoStrengthWithinTheZeroFrictionLength) {
    test::Project project = lambdaProject();
    project.zeroFriction = 3;
    test::Analysed a = test::analyse(project);
    MethodResult r;
    runRevisedLambda(r, a.profile, a.data, a.context);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(r.friction.cumulative[k], 0.0) << "depth point " << k;
    EXPECT_GT(r.friction.cumulative[4], 0.0);
    EXPECT_GT(r.friction.limitedFriction[4], 0.0);
}

MethodResult runLambda(const test::Project& project) {
    test::Analysed a = test::analyse(project);
    MethodResult r;
    runRevisedLambda(r, a.profile, a.data, a.context);
    return r;
}

TEST(RevisedLambda, TensionScalesTheCumulativeFriction) {
    // Uniform clay, Su 1 ksf, 50 pcf: at 10 ft cm = 1, stress mean 0.25 ksf;
    // AE = 0.1 * 0.25 * 3.14159 * 144 * 29e6 = 3.279816e8;
    // flexibility 1000 * 3.14159 * 12 * 100 / AE = 0.0114943; lambda =
    // 0.232 - 0.032 ln 0.0114943 = 0.374909; Q = 3.14159 * 10 * lambda * 2.25.
    const double formula = 3.14159 * 10 * 0.374909 * 2.25;
    // With a 0.5 ksf limit every increment adds 0.5 * P.
    const double limited = 10 * 0.5 * 3.14159;
    struct Case {
        double fmaxPsf;
        double atTip;
    };
    for (const Case c : {Case{0, formula}, Case{500, limited}}) {
        test::Project project = lambdaProject();
        project.layers[0].b[0] = c.fmaxPsf;
        const MethodResult compression = runLambda(project);
        EXPECT_NEAR(compression.friction.cumulative[10], c.atTip, 1e-4 * c.atTip);
        project.loadDirection = 1;
        project.tensionFactor = 0.8;
        const MethodResult tension = runLambda(project);
        for (int k = 1; k <= 10; ++k) {
            EXPECT_NEAR(tension.friction.cumulative[k], 0.8 * compression.friction.cumulative[k],
                        1e-9)
                << "fmax " << c.fmaxPsf << " psf, depth point " << k;
            EXPECT_NEAR(tension.friction.limitedFriction[k],
                        0.8 * compression.friction.limitedFriction[k], 1e-9);
        }
    }
}

TEST(RevisedLambda, SandWithoutEarthPressureGetsOne) {
    test::Project project = lambdaProject();
    project.layers = {
        layerOf(0, 4, 1, {0, 100, 30, 20}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}),
        layerOf(4, 30, 2, {0, 50, 0, 0}, {0, 0, 1000, 500, 0, 20, 0, 0, 0, 1, 1}),
    };
    test::Analysed a = test::analyse(project);
    fixZeroEarthPressure(a.profile);
    EXPECT_EQ(a.profile.segment(1).k, 1.0);
    EXPECT_EQ(a.profile.segment(5).k, 0.0) << "clay keeps its K";
}

// Closed steel pipe, D = 12 in, E = 29e6 psi, 10 ft: sand 0-4 ft (phi 30,
// K 0 taken as 1, 100 pcf) over clay (Su 1 ksf, 50 pcf), increments of 1 ft.
// At 10 ft: stress 0.1 z to 0.4 ksf at 4 ft, then + 0.05 per ft.
// Stress integral to 10 ft: 0.8 + 6 * 0.4 + 0.025 * 36 = 4.1; mean 0.41 ksf.
// Strength integral: sand K tan 30 * mean stress = 0.577350 * 0.8 = 0.461880,
// clay 6; mean cm = 0.646188. AE = 3.279816e8; flexibility
// 1000 * 3.14159 * 12 * 100 * 0.646188 / AE = 0.00742745; cm / stress >= 0.4:
// lambda = 0.232 - 0.032 ln 0.00742745 = 0.388882.
// Q(10) = 3.14159 * 10 * 0.388882 * (0.41 + 2 * 0.646188) = 20.79808 kips.
// Tip as API: clay 9 Su = 9 ksf over the window: 9 * 0.7853975 = 7.068578.
TEST(RevisedLambdaWholePile, SandOverClay) {
    test::Project project = lambdaProject();
    project.layers = {
        layerOf(0, 4, 1, {0, 100, 30, 20}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}),
        layerOf(4, 30, 2, {0, 50, 0, 0}, {0, 0, 1000, 500, 0, 20, 0, 0, 0, 1, 1}),
    };
    const test::RunOutput out = test::runProject("lambda-whole-pile", project);
    ASSERT_EQ(out.result.status, 0);
    ASSERT_EQ(out.result.methods.size(), 1u);
    const MethodCapacity& lambda = out.result.methods[0];
    ASSERT_EQ(lambda.method, io::kLambda);
    const CapacityRow& tip = lambda.rows.at(10);
    EXPECT_NEAR(tip.skinFriction, 20.79808, 1e-3 * 20.79808);
    EXPECT_NEAR(tip.tip, 7.068578, 1e-3 * 7.068578);
    EXPECT_NEAR(tip.ultimate, 27.86666, 1e-3 * 27.86666);
    // At 1 ft (inside the first segment): stress mean 0.05, cm = tan 30 * 0.05;
    // flexibility 3.318104e-6; lambda 0.635716; Q = 3.14159 * 0.635716 * 0.107735.
    EXPECT_NEAR(lambda.rows.at(1).skinFriction, 0.215164, 1e-3 * 0.215164);
}

// The line right under the revised Lambda table's last row.
std::string lineAfterLambdaTable(const std::string& report) {
    const std::size_t title = report.find("*  LAMBDA 2 METHOD   *");
    if (title == std::string::npos) return "";
    const std::size_t headings = report.find("\n\n", title) + 2;
    std::size_t end = report.find("\n\n", headings);
    if (end == std::string::npos) end = report.size() - 1;
    const std::size_t begin = report.rfind('\n', end - 1) + 1;
    return report.substr(begin, end - begin);
}

TEST(RevisedLambdaReport, LastIncrementOfTheThreeMethodsFollowsTheTable) {
    test::Project project = lambdaProject();
    project.flags[0] = project.flags[1] = project.flags[2] = 1;
    project.printInterval = 3; // rows 1, 4, 7, 10: increment 11 (10 ft) left out
    const test::RunOutput out = test::runProject("lambda-last-line", project);
    ASSERT_EQ(out.result.status, 0);
    ASSERT_EQ(out.result.methods.size(), 3u);
    std::string expected = "     " + io::fieldF(10.0, 6, 1);
    for (const MethodCapacity& m : out.result.methods) {
        const CapacityRow& row = m.rows.at(10);
        expected += io::fieldF(row.skinFriction, 7, 1) + io::fieldF(row.tip, 8, 1) +
                    io::fieldF(row.ultimate, 8, 1);
    }
    EXPECT_EQ(lineAfterLambdaTable(out.report), expected);
    EXPECT_EQ(out.report.find("\n" + expected + "\n"), out.report.rfind("\n" + expected + "\n"))
        << "written once";

    project.printInterval = 2; // rows 1, 3, ..., 11: the table reaches 10 ft
    const test::RunOutput whole = test::runProject("lambda-no-last-line", project);
    EXPECT_EQ(whole.report.find(expected), std::string::npos);
}

} // namespace
} // namespace quvex::methods
