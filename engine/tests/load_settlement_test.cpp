// The load-settlement solution: pile segments, axial stiffness, the march up
// the pile, and its report and plot file sections.
#include "plot_sections.hpp"
#include "run_fixture.hpp"
#include "settlement/load_settlement.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

namespace quvex {
namespace {

using namespace settlement;
using ::testing::HasSubstr;
using ::testing::Not;

// ---------------------------------------------------------------- the pile

struct SegmentCountCase {
    int increments;
    int printInterval;
    int segments;
};

void PrintTo(const SegmentCountCase& c, std::ostream* os) {
    *os << "n " << c.increments << ", p " << c.printInterval;
}

class PileSegmentCount : public ::testing::TestWithParam<SegmentCountCase> {};

TEST_P(PileSegmentCount, IsTheRowCountOfACapacityTable) {
    EXPECT_EQ(pileSegmentCount(GetParam().increments, GetParam().printInterval),
              GetParam().segments);
}

INSTANTIATE_TEST_SUITE_P(Rows, PileSegmentCount,
                         ::testing::Values(SegmentCountCase{61, 1, 61},
                                           SegmentCountCase{61, 10, 7}, // 1, 11, ..., 61
                                           SegmentCountCase{65, 10, 8}  // 1 ... 61 and 65
                                           ));

io::InputData pipe24() {
    io::InputData d;
    d.outerDiameter = 24;
    d.innerDiameter = 23;
    d.elasticModulus = 29000000;
    d.stickupLength = 0;
    d.printInterval = 1;
    return d;
}

TEST(AxialStiffness, SteelPipeFromItsSection) {
    // (24² - 23²) * 3.1416 / 4 = 36.9138 in²; EA = 36.9138 * 29000000 lb.
    const io::InputData d = pipe24();
    EXPECT_NEAR(sectionArea(d), 36.9138, 1e-4);
    const std::vector<StiffnessEntry> table = axialStiffnessTable(d, 720);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_DOUBLE_EQ(table[0].depth, 0);
    EXPECT_DOUBLE_EQ(table[1].depth, 720);
    EXPECT_NEAR(table[0].ea / 1.0e9, 36.9138 * 0.029, 1e-5);
    EXPECT_NEAR(stiffnessAt(table, 333) / 1.0e9, 36.9138 * 0.029, 1e-5);
}

TEST(AxialStiffness, ConstantAreaThenTipAreaComeFirst) {
    io::InputData d = pipe24();
    d.constantArea = 40.5;
    EXPECT_DOUBLE_EQ(sectionArea(d), 40.5);
    d.constantArea = 0;
    d.tipArea = 0.25; // ft² as held in English runs: 36 in²
    EXPECT_DOUBLE_EQ(sectionArea(d), 36);
    d.units = io::UnitSystem::SI;
    d.tipArea = 0;
    d.outerDiameter = 610;
    d.innerDiameter = 584;
    // (0.61² - 0.584²) * 3.1416 / 4 = 0.024382 m²
    EXPECT_NEAR(sectionArea(d), 0.024382, 1e-6);
}

TEST(AxialStiffness, AreaTableHoldsItsEndValuesBeyondIt) {
    io::InputData d = pipe24();
    d.elasticModulus = 1000;
    d.areaOption = 2;
    d.areaRows = {{10, 30}, {20, 40}}; // ft below the pile head, in²
    const std::vector<StiffnessEntry> table = axialStiffnessTable(d, 600);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_DOUBLE_EQ(table[0].depth, 120);
    EXPECT_DOUBLE_EQ(stiffnessAt(table, 60), 30000); // above the first entry
    EXPECT_DOUBLE_EQ(stiffnessAt(table, 120), 30000);
    EXPECT_DOUBLE_EQ(stiffnessAt(table, 180), 35000); // halfway
    EXPECT_DOUBLE_EQ(stiffnessAt(table, 500), 40000); // below the last entry
}

TEST(AssumedTipMovements, AreInchesOrTheirMetres) {
    const auto english = assumedTipMovements(true);
    EXPECT_NEAR(english[0], 0.0001, 1e-9);
    EXPECT_NEAR(english[8], 2.0, 1e-9);
    const auto si = assumedTipMovements(false);
    EXPECT_NEAR(si[0], 2.54e-6, 1e-10); // 0.0001 / 39.37
    EXPECT_NEAR(si[8], 0.0508, 1e-6);
}

// ---------------------------------------------------------------- the march

CurveSetting api12() {
    return {true, false, 12.0, 0.0};
}

TzCurve apiSand(double depth, double tmax) {
    TzCurve c;
    c.depth = depth;
    c.kind = kSandCurve;
    c.tmax = tmax;
    shapeCurve(c, api12());
    return c;
}

TEST(LoadSettlement, SegmentLengthAndFirstMiddle) {
    // No stickup, 60 ft, 60 segments: h = 12 in, the tip segment's middle at 714 in.
    PileModel pile{720, 60, 24, {{0, 1e9}, {720, 1e9}}};
    LoadTransferCurves curves;
    curves.curves = {apiSand(0, 1), apiSand(800, 1)};
    SolutionNotes notes;
    const SettlementRow row = solveForTipMovement(pile, curves, 0.01, notes);
    EXPECT_DOUBLE_EQ(pile.segmentLength(), 12);
    ASSERT_EQ(row.segments.size(), 60u);
    EXPECT_DOUBLE_EQ(row.segments[0].depth, 714);
    EXPECT_DOUBLE_EQ(row.segments[59].depth, 6);
}

TEST(LoadSettlement, WithoutShaftFrictionTheHeadCarriesTheTipLoadOverTheShortening) {
    // tmax = 0 everywhere: top load = tip load, top movement = wt + Qt * Lp / EA.
    const double ea = 36.9138 * 29000000;
    const PileModel pile{720, 6, 24, {{0, ea}, {720, ea}}};
    LoadTransferCurves curves;
    curves.curves = {apiSand(0, 0), apiSand(400, 0), apiSand(800, 0)};
    curves.tip = tipCurve(500000, 1, 35, {true, false, 24, 0});
    SolutionNotes notes;
    const std::vector<SettlementRow> rows = loadSettlementCurve(pile, curves, true, notes);
    ASSERT_EQ(rows.size(), 9u);
    for (const SettlementRow& r : rows) {
        EXPECT_DOUBLE_EQ(r.topLoad, r.tipLoad);
        EXPECT_NEAR(r.topMovement, r.tipMovement + r.tipLoad * 720 / ea, 1e-12);
    }
    // wt = 2 in: w/OD = 0.08333 lies between 0.073 (0.9 Qt) and 0.1 (Qt): 0.93827 Qt.
    EXPECT_NEAR(rows[8].tipLoad, 469136, 1);
    EXPECT_EQ(notes.unconverged, 0);
}

// Two segments checked by hand. English: OD 12 in, Lp = 240 in, h = 120 in,
// EA = 1e8 lb. API sand curves at 0 in (tmax 2 psi) and 300 in (tmax 6 psi):
// below 0.1 in, t = 10 * tmax(y) * w with tmax(y) = 2 + 4 y / 300, so 4.4 psi at
// the tip segment's middle (180 in) and 2.8 psi at the upper one (60 in).
// API tip curve, Qt = 50000 lb: Q = 50000 * 0.0625 * w / 0.006 below 0.006 in.
//
// wt = 0.005 in: Q0 = 2604.17 lb.
//  Segment 1 (y = 180), dQ = 12 * 3.1416 * 120 * 44 * w = 199051.8 * w:
//    w = 0.005      -> dQ = 995.26, w' = 0.005 + (2 * 2604.17 + 995.26 / 2) * 120 / 4e8 = 0.0067118
//    w = 0.0067118  -> dQ = 1335.99, w' = 0.0067629 (change 5.1e-5 < 1e-4: accepted)
//    Qu = 3940.16, Qa = 3272.16, Wu = 0.005 + 120 * 3272.16 / 1e8 = 0.0089266
//  Segment 2 (y = 60), dQ = 12 * 3.1416 * 120 * 28 * w = 126669.3 * w, from (3940.16, 0.0089266):
//    two estimates, accepted w' = 0.0115084; Qu = 5391.83, Qa = 4665.99,
//    Wu = 0.0089266 + 120 * 4665.99 / 1e8 = 0.0145258
struct HandCase {
    int row;            // assumed tip movement
    double tipLoad;     // lb
    double topLoad;     // lb
    double topMovement; // in
    double lowerMiddle; // movement of the tip segment's middle, in
};

void PrintTo(const HandCase& c, std::ostream* os) {
    *os << "tip movement " << c.row + 1;
}

class TwoSegmentPile : public ::testing::TestWithParam<HandCase> {};

TEST_P(TwoSegmentPile, AgreesWithTheHandSolution) {
    const HandCase& c = GetParam();
    const PileModel pile{240, 2, 12, {{0, 1e8}, {240, 1e8}}};
    LoadTransferCurves curves;
    curves.curves = {apiSand(0, 2), apiSand(300, 6)};
    curves.tip = tipCurve(50000, 1, 35, api12());
    SolutionNotes notes;
    const std::vector<SettlementRow> rows = loadSettlementCurve(pile, curves, true, notes);
    const SettlementRow& r = rows[static_cast<std::size_t>(c.row)];
    auto agrees = [](double got, double want) { return std::fabs(got / want - 1) < 5e-5; };
    EXPECT_PRED2(agrees, r.tipLoad, c.tipLoad);
    EXPECT_PRED2(agrees, r.topLoad, c.topLoad);
    EXPECT_PRED2(agrees, r.topMovement, c.topMovement);
    EXPECT_PRED2(agrees, r.segments[0].movement, c.lowerMiddle);
    EXPECT_EQ(notes.unconverged, 0);
}

INSTANTIATE_TEST_SUITE_P(TipMovements, TwoSegmentPile,
                         ::testing::Values(HandCase{0, 52.0833, 94.0851, 0.000274087, 0.000134236},
                                           HandCase{1, 520.833, 1078.37, 0.00290516, 0.00135258},
                                           HandCase{2, 2604.17, 5391.83, 0.0145258, 0.00676290},
                                           HandCase{3, 5208.33, 10807.1, 0.0290901, 0.0135289},
                                           HandCase{4, 14962.1, 38868.6, 0.114772, 0.0607921}));

TEST(LoadSettlement, ZeroStiffnessIsTakenAsRigidAndStaysFinite) {
    const PileModel pile{240, 2, 12, {{0, 0}, {240, 0}}};
    LoadTransferCurves curves;
    curves.curves = {apiSand(0, 2), apiSand(300, 6)};
    curves.tip = tipCurve(50000, 1, 35, api12());
    SolutionNotes notes;
    const SettlementRow row = solveForTipMovement(pile, curves, 0.05, notes);
    EXPECT_DOUBLE_EQ(row.topMovement, 0.05);
    EXPECT_TRUE(std::isfinite(row.topLoad));
    EXPECT_EQ(notes.rigid, 2);
}

TEST(LoadSettlement, StopsAfterAHundredEstimates) {
    // A curve that drops from 1000 psi to nothing at 1 in: with OD 12 in, h = 240 in and
    // EA = 1e8 lb, an estimate below 1 in gives w' = 0.0001 + 0.0027143 * 1000 = 2.71 in,
    // which gives t = 0 and w' = 0.0001 again. The estimates never agree.
    TzCurve cliff;
    cliff.z = {0, 0.0001, 1, 1.0001, 2, 3, 4, 5, 6, 7};
    cliff.t = {1000, 1000, 1000, 0, 0, 0, 0, 0, 0, 0};
    cliff.depth = 0;
    TzCurve deep = cliff;
    deep.depth = 300;
    const PileModel pile{240, 1, 12, {{0, 1e8}, {240, 1e8}}};
    LoadTransferCurves curves;
    curves.curves = {cliff, deep};
    SolutionNotes notes;
    const SettlementRow row = solveForTipMovement(pile, curves, 0.0001, notes);
    EXPECT_EQ(notes.unconverged, 1);
    EXPECT_TRUE(std::isfinite(row.topMovement));
    // Odd estimates start low and even ones high: the hundredth starts from 2.71 in,
    // finds t = 0 and its w' = 0.0001 in is kept, with no load transferred.
    EXPECT_NEAR(row.segments[0].movement, 0.0001, 1e-12);
    EXPECT_EQ(row.topLoad, 0.0);
}

// ---------------------------------------------------------------- report and plot

TEST(LoadSettlementSection, ReportOrderAndRows) {
    test::Project p;
    p.printInterval = 10; // 51 increments: 6 rows, 51 ends them, m = 6
    const auto out = test::runProject("settle-english", p);
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    const std::string& r = out.report;
    const std::size_t notes = r.find("\n\n\n            NOTES:\n"
                                     "            - AN ASTERISK IS PLACED IN THE END-BEARING "
                                     "COLUMN\n");
    const std::size_t banner =
        r.find("\n\n\n                *************************************************\n"
               "                * COMPUTE LOAD-DISTRIBUTION AND LOAD-SETTLEMENT *\n"
               "                * CURVES FOR AXIAL LOADING                      *\n"
               "                *************************************************\n\n"
               "        T-Z CURVE");
    const std::size_t tip = r.find("        TIP   LOAD        TIP MOVEMENT\n");
    const std::size_t curve =
        r.find("\n\n\n                      LOAD VERSUS SETTLEMENT CURVE\n"
               "                      ****************************\n\n\n\n"
               "        TOP  LOAD     TOP MOVEMENT       TIP  LOAD      TIP MOVEMENT\n"
               "           KIP             IN.              KIP            IN.\n");
    ASSERT_NE(notes, std::string::npos);
    ASSERT_NE(banner, std::string::npos);
    ASSERT_NE(tip, std::string::npos);
    ASSERT_NE(curve, std::string::npos);
    EXPECT_LT(notes, banner);
    EXPECT_LT(banner, tip);
    EXPECT_LT(tip, curve);
    EXPECT_THAT(r, Not(HasSubstr("BOUYANCY")));

    const test::PlotSections s = test::plotSections(out.plot, 6);
    ASSERT_TRUE(s.complete);
    ASSERT_EQ(s.loadDistribution.size(), 54u);
    // Each group runs from the tip segment up: middles at 50 - 50/12 ft first.
    EXPECT_NEAR(test::numbersOn(s.loadDistribution[0])[0], 45.8, 0.05);
    EXPECT_NEAR(test::numbersOn(s.loadDistribution[5])[0], 4.17, 0.005);
    // The report rows and the plot rows are the same lines.
    for (const std::string& line : s.loadSettlement) {
        EXPECT_THAT(r, HasSubstr("\n" + line + "\n"));
        EXPECT_EQ(test::numbersOn(line).size(), 4u);
    }
    EXPECT_EQ(s.loadSettlement.front().substr(49), "      0.1000E-03");
}

TEST(LoadSettlementSection, TensionAddsTheSelfWeightNote) {
    test::Project p;
    p.loadDirection = 1;
    p.tensionFactor = 0.8;
    const auto out = test::runProject("settle-tension", p);
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    EXPECT_THAT(out.report, HasSubstr("  OF SOIL PLUG INSIDE AN OPEN-ENDED PIPE PILE.\n\n"
                                      "            - A NEGATIVE SELF-WEIGHT VALUE IS DUE TO THE\n"
                                      "              BOUYANCY EFFECT.\n"));
}

TEST(LoadSettlementSection, SIRunsPrintKilonewtonsAndMetres) {
    test::Project p;
    p.units = 2;
    p.od = 610;
    p.id = 584;
    p.modulus = 2e8;
    p.totalLength = 15;
    p.profileBottom = 20;
    p.layers = {test::Layer{0.0, 20.0}};
    p.layers[0].a[1] = 8;
    p.layers[0].b[2] = 50;
    p.layers[0].b[3] = 20;
    const auto out = test::runProject("settle-si", p);
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    EXPECT_THAT(out.report,
                HasSubstr("           KN.             M.               KN.            M. \n"));
    EXPECT_THAT(out.report, HasSubstr("      0.2540E-05\n"));
}

// Whatever method carries the unit load transfers, and whether or not it has
// produced values, every section is written and no value is undefined.
class EveryChosenMethod : public ::testing::TestWithParam<int> {};

TEST_P(EveryChosenMethod, CompletesAllSections) {
    test::Project p;
    p.method = GetParam();
    p.printInterval = 5;
    p.extraTz = {20};
    const auto out = test::runProject("settle-method-" + std::to_string(GetParam()), p);
    ASSERT_EQ(out.result.status, 0) << out.result.failure;
    const test::PlotSections s = test::plotSections(out.plot, 11); // 51 increments by 5
    EXPECT_TRUE(s.complete);
    EXPECT_EQ(s.verification.size(), 12u);
    for (const std::string* text : {&out.report, &out.plot}) {
        EXPECT_THAT(*text, Not(HasSubstr("nan")));
        EXPECT_THAT(*text, Not(HasSubstr("inf")));
    }
}

INSTANTIATE_TEST_SUITE_P(Methods, EveryChosenMethod, ::testing::Range(1, 10));

} // namespace
} // namespace quvex
