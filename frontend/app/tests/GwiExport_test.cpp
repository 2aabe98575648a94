// The driving-analysis file (.gwi).
#include <gtest/gtest.h>

#include "AppTestSupport.hpp"
#include "GwiExport.hpp"
#include "TextOut.hpp"

namespace quvex {
namespace {
using namespace testing_support;

// The two-layer project (clay to 20 ft, sand to 80 ft) with a cache of three points.
void GoldenProject(TProject& project) {
    BuildTwoLayerProject(project);
    TProgramData& p = project.Data();
    p.Title = "Golden pile";
    p.ResultCount = 3;
    const double depth[] = {0, 10, 25}, skin[] = {0.1, 0.25, 0.75}, tip[] = {1.5, 12.5, 40};
    for (int i = 0; i < 3; ++i) {
        p.ResultDepth[static_cast<std::size_t>(i)] = depth[i];
        p.ResultUnitSkin[static_cast<std::size_t>(i)] = skin[i];
        p.ResultTip[static_cast<std::size_t>(i)] = tip[i];
    }
}

void FillCache(TProgramData& p, int n) {
    p.ResultCount = n;
    for (int i = 0; i < n; ++i) {
        p.ResultDepth[static_cast<std::size_t>(i)] = i;
        p.ResultUnitSkin[static_cast<std::size_t>(i)] = 0.01 * i;
        p.ResultTip[static_cast<std::size_t>(i)] = 2.0 * i;
    }
}

TEST(NumberFormats, ExponentFormsWithOneOrTwoExponentDigits) {
    struct Case {
        double v;
        int exp;
        const char* text;
    };
    for (Case c : {Case{12.5, 2, "1.25E+01"}, Case{12.5, 1, "1.25E+1"}, Case{0, 2, "0.00E+00"},
                   Case{0.05, 1, "5.00E-2"}, Case{-36.9138, 2, "-3.69E+01"},
                   Case{1.5e120, 2, "1.50E+120"}, Case{18.75, 2, "1.88E+01"}})
        EXPECT_EQ(FormatExp(c.v, 3, c.exp), c.text) << c.v;
    EXPECT_EQ(FormatFixed(0.28646, 3), "0.286");
}

TEST(GwiExport, GoldenFileOfASmallProject) {
    TScratchFolder folder;
    TProject project;
    GoldenProject(project);
    project.Data().DataFileName = folder.File("golden.qx6d");
    WriteGwiFile(project);
    EXPECT_EQ(project.Data().GwiFileName, folder.File("golden.gwi"));
    EXPECT_EQ(ReadText(folder.File("golden.gwi")), ReadText(Fixture("golden.gwi")));
    EXPECT_DOUBLE_EQ(project.Data().Perimeter, 24 * 3.1416) << "kept in the project";
}

TEST(GwiExport, TitleIsCutOrPaddedToForty) {
    const std::string forty = "1234567890123456789012345678901234567890";
    struct Case {
        std::string title, start;
    };
    for (const Case& c : {Case{forty, forty}, Case{forty + "xyz", forty},
                          Case{"Short", "Short" + std::string(35, ' ')}}) {
        TProject project;
        GoldenProject(project);
        project.Data().Title = c.title;
        EXPECT_EQ(Lines(GwiFileText(project))[0], c.start + "  VER. 2000 1 0");
    }
}

TEST(GwiExport, SIUnitsChangeTheFixedTextsAndScales) {
    TProject project;
    GoldenProject(project);
    project.SwitchUnits(2); // OD 609.6 mm, ID 584.2 mm, E 199947961.6 kPa
    const std::vector<std::string> lines = Lines(GwiFileText(project));
    EXPECT_EQ(lines[0].substr(40), "  VER. 2000 0 0");
    EXPECT_EQ(lines[2], "    9.8100    9.8100");
    // area (609.6^2 - 584.2^2) x 0.7854 / 100 = 238.15 cm2; E/1000 = 199948 MN/m2;
    // perimeter 609.6 x 3.1416 / 1000 = 1.915 m
    EXPECT_EQ(lines[5], "  2.50E+01  2.38E+02  2.00E+05  7.73E+01  1.92E+00"
                        "     4.000     1.000     0.010");
    EXPECT_EQ(
        lines[10],
        " 0.00E+0 1.00E-1 1.50E+0   2.540   2.500   6.50E-1   0.150   2.00E+0    1.50    1.00");
    EXPECT_EQ(
        lines[12],
        " 2.50E+1 7.50E-1 4.00E+1   2.540   2.500   1.60E-1   0.150   1.20E+0    1.50    1.00");
}

TEST(GwiExport, UnitWeightByMaterial) {
    struct Case {
        int material;
        int units;
        std::string weight;
    };
    for (const Case& c : {Case{3, 1, "1.50E+02"}, Case{2, 1, "5.00E+01"}, Case{6, 1, "4.92E+02"},
                          Case{3, 2, "2.36E+01"}, Case{2, 2, "7.90E+00"}, Case{1, 2, "7.73E+01"}}) {
        TProject project;
        GoldenProject(project);
        if (c.units == 2) project.SwitchUnits(2);
        project.Data().MaterialType = c.material;
        EXPECT_EQ(Words(Lines(GwiFileText(project))[5])[3], c.weight) << c.material;
    }
}

TEST(GwiExport, LongTablesAreThinned) {
    struct Case {
        int n;
        std::size_t lines;
        int first, second, beforeLast, last;
    };
    for (const Case& c : {Case{99, 99, 1, 2, 98, 99}, Case{100, 51, 1, 3, 99, 100},
                          Case{250, 84, 1, 4, 247, 250}, Case{501, 84, 1, 7, 493, 501}}) {
        const std::vector<int> points = GwiTablePoints(c.n);
        ASSERT_EQ(points.size(), c.lines) << c.n;
        EXPECT_EQ(points[0], c.first);
        EXPECT_EQ(points[1], c.second);
        EXPECT_EQ(points[points.size() - 2], c.beforeLast);
        EXPECT_EQ(points.back(), c.last);

        TProject project;
        BuildTwoLayerProject(project);
        FillCache(project.Data(), c.n);
        const std::vector<std::string> lines = Lines(GwiFileText(project));
        EXPECT_EQ(lines.size(), 10 + c.lines + 7) << c.n;
        // The table's last line is point n: depth n - 1, tip 2(n - 1).
        const std::vector<std::string> last = Words(lines[10 + c.lines - 1]);
        EXPECT_EQ(last[0], FormatExp(c.n - 1, 3, 1));
        EXPECT_EQ(last[2], FormatExp(2.0 * (c.n - 1), 3, 1));
    }
}

TEST(GwiExport, TheClosingLineKeepsTheSoilOfThePointBeforeIt) {
    TProject project;
    BuildTwoLayerProject(project);
    project.D().Cell(1, 0).SetFloat(98.5); // clay to 98.5 ft: point 100 (99 ft) is in the sand
    project.D().Cell(1, 1).SetFloat(150);
    FillCache(project.Data(), 100);
    const std::vector<std::string> lines = Lines(GwiFileText(project));
    const std::vector<std::string> before = Words(lines[10 + 49]), last = Words(lines[10 + 50]);
    EXPECT_EQ(before[0], "9.80E+1");
    EXPECT_EQ(last[0], "9.90E+1");
    EXPECT_EQ(last[5], "2.00E-1") << "clay values of point 99";
    EXPECT_EQ(last[7], "2.00E+0");
}

TEST(GwiExport, PointsBelowTheLastLayerUseTheLastLayer) {
    TProject project;
    BuildTwoLayerProject(project); // bottom at 80 ft
    FillCache(project.Data(), 90);
    const std::vector<std::string> lines = Lines(GwiFileText(project));
    EXPECT_EQ(Words(lines[10 + 89])[5], "5.00E-2") << "sand, the last layer";
}

TEST(GwiExport, NoResultsNoFile) {
    TScratchFolder folder;
    TProject project;
    project.Data().DataFileName = folder.File("empty.qx6d");
    EXPECT_THROW(WriteGwiFile(project), EGwiError);
    EXPECT_FALSE(std::filesystem::exists(folder.File("empty.gwi")));
    EXPECT_EQ(project.Data().GwiFileName, "");
}

} // namespace
} // namespace quvex
