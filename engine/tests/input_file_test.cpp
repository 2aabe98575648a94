#include "io/input_file.hpp"
#include "test_project.hpp"

#include <gtest/gtest.h>

namespace quvex::io {
namespace {

using test::Layer;
using test::Project;

InputData read(const std::string& text) {
    InputData d;
    readDataFile(text, "pile.qx6d", d);
    return d;
}

InputData read(const Project& p) {
    return read(p.text());
}

Layer layer(double top, double bottom, int type, std::initializer_list<double> a,
            std::initializer_list<double> b) {
    Layer l{top, bottom, type};
    std::copy(a.begin(), a.end(), l.a);
    std::copy(b.begin(), b.end(), l.b);
    return l;
}

TEST(DataFile, TitleLinesKeepTheirFirst72Characters) {
    Project p;
    p.title = std::string(70, 'T') + "12345";
    p.designer = "A. Designer   ";
    const InputData d = read(p);
    EXPECT_EQ(d.title, std::string(70, 'T') + "12");
    EXPECT_EQ(d.designer, "A. Designer   ");
}

TEST(DataFile, ARecordOnTwoLinesReadsAsOnOne) {
    const Project p;
    std::string text = p.text();
    const std::string oneLine = "1 1 2 0\n";
    ASSERT_NE(text.find(oneLine), std::string::npos);
    text.replace(text.find(oneLine), oneLine.size(), "1 1\n2 0\n");
    const InputData a = read(p), b = read(text);
    EXPECT_EQ(b.printInterval, a.printInterval);
    EXPECT_EQ(b.points.size(), 2u);
    EXPECT_EQ(b.closedEnd, a.closedEnd);
    EXPECT_DOUBLE_EQ(b.outerDiameter, 24.0); // record 5 still starts on its own line
}

TEST(DataFile, SectionRules) {
    Project circular;
    const InputData c = read(circular);
    EXPECT_DOUBLE_EQ(c.outerDiameter, 24.0);
    EXPECT_DOUBLE_EQ(c.innerDiameter, 23.0);
    // No enhanced end section: it spans the pile, 1.0E-7 short, with the pile's ID.
    EXPECT_NEAR(c.endSectionLength, 49.9999999, 1e-9);
    EXPECT_DOUBLE_EQ(c.endSectionInnerDiameter, 23.0);
    EXPECT_FALSE(c.hasEndSection);

    Project square;
    square.perimeter = 37.7;
    square.tipArea = 144.0;
    square.materialType = 3;
    const InputData s = read(square);
    EXPECT_NEAR(s.outerDiameter, 12.0003, 5e-5); // 37.7 / 3.1416
    EXPECT_DOUBLE_EQ(s.innerDiameter, 0.0);
    EXPECT_DOUBLE_EQ(s.tipArea, 1.0); // 144 in^2 is 1 ft^2
    EXPECT_DOUBLE_EQ(s.tipAreaAsRead, 144.0);

    square.units = 2;
    EXPECT_DOUBLE_EQ(read(square).tipArea, 144.0); // m^2 stay m^2

    Project enhanced;
    enhanced.endSectionLength = 10.0;
    enhanced.endSectionId = 22.0;
    const InputData e = read(enhanced);
    EXPECT_TRUE(e.hasEndSection);
    EXPECT_DOUBLE_EQ(e.endSectionLength, 10.0);
    EXPECT_DOUBLE_EQ(e.endSectionInnerDiameter, 22.0);
}

TEST(DataFile, SoilPointRules) {
    Project p;
    p.layers = {
        // clay: B1 = 2000 psf, B2 = 0 (no limit), Su 1200, Sr 600, YSR 2
        layer(0, 10, 2, {0, 120, 0, 0}, {2000, 0, 1200, 600, 2, 30, 20000, 500, 40000, 0.9, 0.8}),
        // sand written with 0.0, 25, 0.0 in B3-B5
        layer(10, 30, 1, {0.8, 60, 32, 25}, {0, 100000, 0.0, 25, 0.0, 0, 150000, 0, 0, 1, 1}),
        // silt carries its blow count in B4 too
        layer(30, 60, 3, {0.8, 55, 28, 0}, {0, 0, 800, 12, 0, 0, 0, 0, 0, 1, 1}),
    };
    const InputData d = read(p);
    ASSERT_EQ(d.points.size(), 6u);
    const SoilPoint& clay = d.points[0];
    EXPECT_DOUBLE_EQ(clay.maxFriction, 2.0);
    EXPECT_FALSE(clay.unlimitedFriction);
    EXPECT_DOUBLE_EQ(clay.maxEndBearing, kNoLimit);
    EXPECT_TRUE(clay.unlimitedBearing);
    EXPECT_DOUBLE_EQ(clay.su, 1.2);
    EXPECT_DOUBLE_EQ(clay.b4, 0.6);
    EXPECT_DOUBLE_EQ(clay.b5, 2.0);
    EXPECT_DOUBLE_EQ(clay.plasticityIndex, 30.0);
    EXPECT_DOUBLE_EQ(clay.qc, 20000.0);         // cone resistance stays as read
    EXPECT_DOUBLE_EQ(clay.userFriction, 500.0); // user values stay in psf here
    EXPECT_DOUBLE_EQ(clay.lrfdEndBearing, 0.8);

    const SoilPoint& sand = d.points[2];
    EXPECT_EQ(sand.type, 1);
    EXPECT_DOUBLE_EQ(sand.b4, 0.0);
    EXPECT_DOUBLE_EQ(sand.b5, 25.0);
    EXPECT_DOUBLE_EQ(sand.maxFriction, kNoLimit);
    EXPECT_DOUBLE_EQ(sand.maxEndBearing, 100.0);

    const SoilPoint& silt = d.points[4];
    EXPECT_DOUBLE_EQ(silt.b4, 0.0);
    EXPECT_DOUBLE_EQ(silt.b5, 12.0);
    EXPECT_DOUBLE_EQ(silt.su, 0.8);

    // The first point lighter than 75 pcf marks the submergence depth.
    EXPECT_DOUBLE_EQ(d.submergenceDepth, 10.0);
}

TEST(DataFile, SIStressesStayAsRead) {
    Project p;
    p.units = 2;
    p.od = 610;
    p.id = 584;
    p.layers = {layer(0, 5, 2, {0, 19, 0, 0}, {40, 0, 50, 20, 1, 20, 800, 0, 0, 1, 1}),
                layer(5, 60, 2, {0, 11.5, 0, 0}, {40, 0, 50, 20, 1, 20, 800, 0, 0, 1, 1})};
    const InputData d = read(p);
    EXPECT_DOUBLE_EQ(d.points[0].maxFriction, 40.0);
    EXPECT_DOUBLE_EQ(d.points[0].su, 50.0);
    EXPECT_DOUBLE_EQ(d.points[0].b4, 20.0);
    EXPECT_DOUBLE_EQ(d.submergenceDepth, 5.0); // 11.5 kN/m3 is below 12

    p.layers[1].a[1] = 12.0;
    EXPECT_DOUBLE_EQ(read(p).submergenceDepth, kNoSubmergence);
}

TEST(DataFile, ConditionalRecords) {
    Project p; // area option 0 with two rows, as a new project writes it
    p.criticalOption = 2;
    p.criticalDepth = 25.5;
    InputData d = read(p);
    EXPECT_EQ(d.areaRows.size(), 2u);
    EXPECT_DOUBLE_EQ(d.areaRows[1].area, 31.0);
    EXPECT_EQ(d.criticalDepthOption, 2);
    EXPECT_DOUBLE_EQ(d.criticalDepth, 25.5);
    EXPECT_FALSE(d.extraTzCurves);
    EXPECT_TRUE(d.extraTzDepths.empty());

    p.areaRowCount = 1; // no row follows record 14
    p.extraTz = {12.5, 30.0};
    d = read(p);
    EXPECT_TRUE(d.areaRows.empty());
    EXPECT_EQ(d.criticalDepthOption, 2);
    EXPECT_EQ(d.extraTzDepths, (std::vector<double>{12.5, 30.0}));

    // Anything after record 15 is ignored.
    EXPECT_NO_THROW(read(p.text() + "trailing words\n1 2 3\n"));
}

TEST(DataFile, MethodsAndOptions) {
    Project p;
    p.flags[0] = 1;
    p.flags[6] = 1;
    p.loadDirection = 1;
    p.tensionFactor = 0.8;
    p.clayDrained = 1;
    p.plug = 2;
    p.reduced = 1;
    const InputData d = read(p);
    EXPECT_EQ(d.selectedMethodCount(), 3);
    EXPECT_TRUE(d.methodSelected[kFhwa]);
    EXPECT_TRUE(d.methodSelected[kIcp]);
    EXPECT_TRUE(d.tension);
    EXPECT_DOUBLE_EQ(d.tensionReductionFactor, 0.8);
    EXPECT_TRUE(d.clayDrained);
    EXPECT_EQ(d.plugCondition, 2);
    EXPECT_TRUE(d.reducedResistance);
}

TEST(CptFile, ReadsItsPointsFreeFormat) {
    InputData d;
    readCptFile(" 1 3\n  5.00E-01  1.03E+04\n1.0,10500\n1.0 11000 extra\n", "pile.cpt", d);
    ASSERT_EQ(d.cpt.size(), 3u);
    EXPECT_DOUBLE_EQ(d.cpt[0].depth, 0.5);
    EXPECT_DOUBLE_EQ(d.cpt[0].qc, 10300.0);
    EXPECT_DOUBLE_EQ(d.cpt[2].qc, 11000.0); // equal depths are allowed
    readCptFile(" 2 0\n", "pile.cpt", d);
    EXPECT_TRUE(d.cpt.empty());
}

} // namespace
} // namespace quvex::io
