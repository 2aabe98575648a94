// Reading the plot data file into the ten plot descriptions and the result cache.
#include <gtest/gtest.h>

#include <cstdio>

#include "AppTestSupport.hpp"
#include "ResultLoader.hpp"

namespace quvex {
namespace {
using namespace testing_support;

// A plot data file in the engine's layout with values that follow simple
// rules, so that each one read can be told apart:
//   method curve c, point j: depth 10j, skin 100c + j, tip 200c + j,
//     total 300c + j, unit skin 0.1c + 0.01j
//   t-z curve c: depth 5 + 10c; point j: t = 10c + j, z = 0.01j
//   load distribution curve c, point j: depth 60 - 20j, load 100c + j
//   load-settlement row r = 1..9: 10r, 0.1r, r, 0.01r
struct TPlotFile {
    int k = 2, n = 3, units = 1, governing = 1;
    int tzCurves = 2;
    int extraCurves = -1; // -1: no extra block
    int cutAfter = 0;     // 0: complete; 3: stop after the t-z block

    std::string Text() const {
        std::string t;
        char buf[160];
        std::snprintf(buf, sizeof buf, " %d %d %d %d\n", k, n, units, governing);
        t += buf;
        for (int c = 0; c < k; ++c)
            for (int j = 0; j < n; ++j) {
                std::snprintf(buf, sizeof buf, "  %7.2f  %8.1f  %8.1f  %9.1f  %9.3f\n", 10.0 * j,
                              100.0 * c + j, 200.0 * c + j, 300.0 * c + j, 0.1 * c + 0.01 * j);
                t += buf;
            }
        auto tz = [&](int count) {
            t += ' ';
            t += std::to_string(count);
            t += '\n';
            for (int c = 0; c < count; ++c) {
                std::snprintf(buf, sizeof buf, "        %5d%11d%16.4E\n", c + 1, 10, 5.0 + 10 * c);
                t += buf;
                for (int j = 0; j < 10; ++j) {
                    std::snprintf(buf, sizeof buf, "%40s%17.4E%16.4E\n", "", 10.0 * c + j,
                                  0.01 * j);
                    t += buf;
                }
            }
        };
        tz(tzCurves);
        if (cutAfter == 3) return t;
        for (int c = 0; c < 9; ++c)
            for (int j = 0; j < n; ++j) {
                std::snprintf(buf, sizeof buf, "   %10.3E   %10.3E   %10.3E\n", 60.0 - 20 * j,
                              100.0 * c + j, 0.001);
                t += buf;
            }
        for (int r = 1; r <= 9; ++r) {
            std::snprintf(buf, sizeof buf, "%17.4E%16.4E%16.4E%16.4E\n", 10.0 * r, 0.1 * r, 1.0 * r,
                          0.01 * r);
            t += buf;
        }
        if (extraCurves >= 0) tz(extraCurves);
        return t;
    }
};

class ResultLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildTwoLayerProject(project);
        path = folder.File("pile.qx6p");
    }
    TLoadOutcome Load(const TPlotFile& file) {
        WriteText(path, file.Text());
        return LoadResults(project, path);
    }
    static double X(const TGraphPlot& p, int c, int j) {
        return static_cast<double>(p.CurvePoint(c, j).X);
    }
    static double Y(const TGraphPlot& p, int c, int j) {
        return static_cast<double>(p.CurvePoint(c, j).Y);
    }
    TScratchFolder folder;
    TProject project;
    std::string path;
};

TEST_F(ResultLoaderTest, OnlyApiSelectedAndGoverning) {
    TPlotFile file;
    file.k = 1;
    file.governing = 4;
    const TLoadOutcome outcome = Load(file);
    ASSERT_TRUE(outcome.Ok) << outcome.Detail;
    for (TGraphPlot* p :
         {&project.pltSkin, &project.pltUSkin, &project.pltTip, &project.pltTotal}) {
        ASSERT_EQ(p->CurveCount(), 1) << p->Caption;
        EXPECT_EQ(p->Curve(0).Name, "API");
        EXPECT_EQ(p->PointCount(), 3);
    }
    EXPECT_EQ(project.pltAxial.Curve(0).Name, "API");
    // Combined plot: copies of the governing curve of skin, tip and total.
    ASSERT_EQ(project.pltCombine.CurveCount(), 3);
    EXPECT_EQ(project.pltCombine.Curve(0).Name, "Skin Friction");
    EXPECT_EQ(project.pltCombine.Curve(1).Name, "Tip Resistance");
    EXPECT_EQ(project.pltCombine.Curve(2).Name, "Total Capacity");
    EXPECT_EQ(X(project.pltCombine, 0, 2), 2);
    EXPECT_EQ(X(project.pltCombine, 2, 1), 1);
    EXPECT_EQ(Y(project.pltCombine, 1, 2), 20);
    EXPECT_EQ(project.Data().ResultCount, 3);
    EXPECT_EQ(project.Data().ResultUnitSkin[2], 0.02);
}

TEST_F(ResultLoaderTest, UserSpecifiedAndFhwaWithFhwaGoverning) {
    project.Data().MethodSelected = {false, true,  false, false, false,
                                     true,  false, false, false, false};
    const TLoadOutcome outcome = Load(TPlotFile{});
    ASSERT_TRUE(outcome.Ok) << outcome.Detail;
    const TProgramData& p = project.Data();
    EXPECT_EQ(project.pltSkin.Curve(0).Name, "User Spec.");
    EXPECT_EQ(project.pltSkin.Curve(1).Name, "FHWA");
    EXPECT_EQ(project.pltTotal.Curve(1).Name, "FHWA");
    // Four plots from one row: depth 10, skin 101, tip 201, total 301, unit skin 0.11.
    EXPECT_EQ(X(project.pltSkin, 1, 1), 101);
    EXPECT_EQ(X(project.pltTip, 1, 1), 201);
    EXPECT_EQ(X(project.pltTotal, 1, 1), 301);
    EXPECT_DOUBLE_EQ(X(project.pltUSkin, 1, 1), 0.11);
    EXPECT_EQ(Y(project.pltUSkin, 1, 1), 10);
    // The cache takes the second curve.
    ASSERT_EQ(p.ResultCount, 3);
    EXPECT_EQ(p.ResultDepth[2], 20);
    EXPECT_DOUBLE_EQ(p.ResultUnitSkin[1], 0.11);
    EXPECT_EQ(p.ResultTip[1], 201);
    EXPECT_EQ(X(project.pltCombine, 1, 0), 200) << "combined tip copies FHWA";
    EXPECT_EQ(project.pltAxial.Curve(0).Name, "FHWA");
    EXPECT_DOUBLE_EQ(p.Perimeter, 24 * 3.1416) << "perimeter from the diameter";
}

TEST_F(ResultLoaderTest, TzLoadDistributionAndSettlementCurves) {
    ASSERT_TRUE(Load(TPlotFile{}).Ok);
    const TGraphPlot& tz = project.pltTZcurves;
    ASSERT_EQ(tz.CurveCount(), 2);
    EXPECT_EQ(tz.Curve(0).Name, "5 ft");
    EXPECT_EQ(tz.Curve(1).Name, "15 ft");
    EXPECT_EQ(tz.PointCount(), 10);
    EXPECT_EQ(Y(tz, 1, 3), 13) << "t is y";
    EXPECT_DOUBLE_EQ(X(tz, 1, 3), 0.03) << "z is x";

    const TGraphPlot& load = project.pltLoad;
    ASSERT_EQ(load.CurveCount(), 9);
    EXPECT_EQ(load.PointCount(), 3);
    EXPECT_EQ(X(load, 8, 2), 802);
    EXPECT_EQ(Y(load, 8, 2), 20);

    for (const TGraphPlot* p : {&project.pltAxial, &project.PltQw}) {
        ASSERT_EQ(p->PointCount(), 10) << p->Caption;
        EXPECT_EQ(X(*p, 0, 0), 0) << "starts at the origin";
        EXPECT_EQ(Y(*p, 0, 0), 0);
        EXPECT_EQ(p->YCaption, "Settlement, in.");
        EXPECT_TRUE(p->XOnTop);
    }
    EXPECT_EQ(X(project.pltAxial, 0, 1), 10);
    EXPECT_DOUBLE_EQ(Y(project.pltAxial, 0, 9), 0.9);
    EXPECT_EQ(X(project.PltQw, 0, 9), 9);
    EXPECT_DOUBLE_EQ(Y(project.PltQw, 0, 1), 0.01);

    // One band per layer: clay 0-20 ft, sand 20-80 ft.
    for (TGraphPlot* p : {&project.pltUSkin, &project.pltSkin, &project.pltTip, &project.pltTotal,
                          &project.pltLoad, &project.pltCombine}) {
        ASSERT_EQ(p->LayerCount(), 2) << p->Caption;
        EXPECT_EQ(p->Layer(0).Name, " CLAY ");
        EXPECT_EQ(p->LayerPoint(0, 0).X, 1.0L);
        EXPECT_EQ(p->LayerPoint(0, 0).Y, 20);
        EXPECT_EQ(p->Layer(1).Name, " SAND ");
        EXPECT_EQ(p->LayerPoint(1, 0).X, 7.0L);
        EXPECT_EQ(p->LayerPoint(1, 0).Y, 80);
    }
    EXPECT_EQ(project.pltAxial.LayerCount(), 0);
}

TEST_F(ResultLoaderTest, TensionAndSIChangeCaptionsAndNames) {
    struct Case {
        int units;
        int direction;
        std::string axial, qw, second, tzName;
        bool onTop;
    };
    const Case cases[] = {
        {1, 1, "Uplift, in.", "Settlement, in.", "Self Weight", "5 ft", false},
        {2, 1, "Uplift, m", "Settlement, m", "Self Weight", "5 m", false},
        {2, 0, "Settlement, m", "Settlement, m", "Tip Resistance", "5 m", true},
    };
    for (const Case& c : cases) {
        project.Data().LoadDirection = c.direction;
        TPlotFile file;
        file.units = c.units;
        ASSERT_TRUE(Load(file).Ok);
        EXPECT_EQ(project.pltAxial.YCaption, c.axial);
        EXPECT_EQ(project.PltQw.YCaption, c.qw);
        EXPECT_EQ(project.pltCombine.Curve(1).Name, c.second);
        EXPECT_EQ(project.pltTZcurves.Curve(0).Name, c.tzName);
        EXPECT_EQ(project.pltAxial.XOnTop, c.onTop);
        EXPECT_EQ(project.PltQw.XOnTop, c.onTop);
        for (TGraphPlot* p : project.ResultPlots())
            EXPECT_EQ(p->Units(), c.units) << p->Caption;
    }
}

TEST_F(ResultLoaderTest, TheExtraBlockIsReadOnlyWhenAskedFor) {
    TPlotFile file;
    file.extraCurves = 1;
    ASSERT_TRUE(Load(file).Ok) << "one more block in the file is left unread";
    EXPECT_EQ(project.PltExtraTZ.CurveCount(), 0);

    project.Data().ExtraTzCurves = 1;
    ASSERT_TRUE(Load(file).Ok);
    ASSERT_EQ(project.PltExtraTZ.CurveCount(), 1);
    EXPECT_EQ(project.PltExtraTZ.Curve(0).Name, "5 ft");
    EXPECT_EQ(Y(project.PltExtraTZ, 0, 9), 9);

    file.extraCurves = -1;
    const TLoadOutcome outcome = Load(file);
    EXPECT_FALSE(outcome.Ok) << "asked for but missing";
}

TEST_F(ResultLoaderTest, DamagedFilesFailWithTheMessage) {
    struct Case {
        std::string what;
        std::string text;
    };
    TPlotFile cut;
    cut.cutAfter = 3;
    TPlotFile tooMany;
    tooMany.n = 600;
    const Case cases[] = {
        {"cut short after the t-z block", cut.Text()},
        {"empty file of a stopped run", ""},
        {"more depth points than the cache holds", tooMany.Text()},
        {"a word that is no number", "1 3 1 4\n0 0 x 0 0\n"},
    };
    for (const Case& c : cases) {
        WriteText(path, c.text);
        const TLoadOutcome outcome = LoadResults(project, path);
        EXPECT_FALSE(outcome.Ok) << c.what;
        EXPECT_EQ(outcome.Message, "An error occured in running the main program.") << c.what;
        EXPECT_NE(outcome.Detail.find(path), std::string::npos) << c.what << ": " << outcome.Detail;
    }
    // Cut after the t-z block: the t-z curves were read, the rest was not.
    project.pltLoad.SetCurveCount(0);
    WriteText(path, cut.Text());
    EXPECT_FALSE(LoadResults(project, path).Ok);
    EXPECT_EQ(project.pltTZcurves.CurveCount(), 2);
    ASSERT_EQ(project.pltLoad.CurveCount(), 9);
    EXPECT_EQ(X(project.pltLoad, 8, 2), 0) << "load distribution left unread";
    EXPECT_EQ(project.pltLoad.LayerCount(), 0);
}

TEST_F(ResultLoaderTest, TheProjectsOwnPlotFileIsReadWhenPresent) {
    project.Data().DataFileName = folder.File("pile.qx6d");
    EXPECT_FALSE(LoadProjectResults(project)) << "no plot data file yet";
    TPlotFile file;
    file.k = 1;
    file.governing = 4;
    WriteText(path, file.Text());
    EXPECT_TRUE(LoadProjectResults(project));
    EXPECT_EQ(project.Data().ResultCount, 3);
}

TEST_F(ResultLoaderTest, AGoverningMethodWithoutACurveLeavesNoResultsToExport) {
    TPlotFile file;
    file.k = 1;
    file.governing = 1; // FHWA governs, only API was reported
    ASSERT_TRUE(Load(file).Ok);
    EXPECT_EQ(project.Data().ResultCount, 0);
    EXPECT_EQ(project.pltSkin.Curve(0).Name, "API");
}

} // namespace
} // namespace quvex
