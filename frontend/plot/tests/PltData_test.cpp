#include <gtest/gtest.h>

#include "PltData.hpp"

// g++ 12 warns that a short string assigned to a member "may be used
// uninitialized" (a known false positive of its string inlining).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace quvex {
namespace {

struct TCountingWindow : TPlotWindow {
    int* shows;
    explicit TCountingWindow(int* s) : shows(s) {}
    void Show() override { ++*shows; }
};

TEST(PlotDescription, NewDescriptionHasTheDesignedSettings) {
    TGraphPlot p;
    EXPECT_EQ(p.CurveName, "Curve #");
    EXPECT_TRUE(p.ShowLegend);
    EXPECT_FALSE(p.ShowLayers);
    EXPECT_TRUE(p.ShowFontWidth);
    EXPECT_EQ(p.Markers, 1);
    EXPECT_EQ(p.SizeFont, 10);
    EXPECT_EQ(p.LegendFont, 11);
    EXPECT_EQ(p.WidthLine, 1);
    EXPECT_EQ(p.Units(), 1);
    EXPECT_TRUE(p.XOnTop);
    EXPECT_TRUE(p.LimitActive);
    EXPECT_EQ(p.CurveCount(), 0);
    EXPECT_EQ(p.PointCount(), 0);
}

TEST(PlotDescription, NewCurvesTakeThePointCountOfTheFirst) {
    TGraphPlot p;
    p.SetCurveCount(3);
    p.SetPointCount(10);
    ASSERT_EQ(p.CurveCount(), 3);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(p.Curve(i).PointCount(), 10);
        EXPECT_EQ(p.CurvePoint(i, 9).X, 0);
        EXPECT_EQ(p.CurvePoint(i, 9).Y, 0);
    }
    p.CurvePoint(0, 2) = {1.5L, -2.0L};
    p.SetCurveCount(4);
    EXPECT_EQ(p.Curve(3).PointCount(), 10);
    EXPECT_EQ(p.CurvePoint(0, 2).X, 1.5L) << "existing points are kept";
    p.SetCurveCount(2);
    EXPECT_EQ(p.CurveCount(), 2);
    p.SetPointCount(-5);
    EXPECT_EQ(p.Curve(0).PointCount(), 0);
    EXPECT_EQ(p.Curve(1).PointCount(), 0);
    p.SetCurveCount(-1);
    EXPECT_EQ(p.CurveCount(), 0);
    EXPECT_THROW(p.Curve(0), EPlotIndexError);
}

TEST(PlotDescription, LayerSetResizesOnItsOwn) {
    TGraphPlot p;
    p.SetCurveCount(2);
    p.SetPointCount(7);
    p.SetLayerCount(3);
    p.SetLayerPointCount(1);
    EXPECT_EQ(p.LayerCount(), 3);
    EXPECT_EQ(p.Layer(2).PointCount(), 1);
    EXPECT_EQ(p.Curve(1).PointCount(), 7);
    EXPECT_THROW(p.LayerPoint(0, 1), EPlotIndexError);
}

TEST(PlotDescription, UnitsAreClampedIntoOneToThree) {
    struct Case {
        int set, read;
    };
    for (Case c : {Case{0, 1}, Case{-4, 1}, Case{1, 1}, Case{2, 2}, Case{3, 3}, Case{7, 3}}) {
        TGraphPlot p;
        p.SetUnits(c.set);
        EXPECT_EQ(p.Units(), c.read) << c.set;
    }
}

TEST(PlotDescription, CurveLabelPrefersNameThenDefaultNameThenNumber) {
    TGraphPlot p;
    p.SetCurveCount(3);
    EXPECT_EQ(p.CurveLabel(p.Curve(0)), "Curve #1");
    EXPECT_EQ(p.CurveLabel(p.Curve(2)), "Curve #3");
    p.DefaultNames = {"first"};
    EXPECT_EQ(p.CurveLabel(p.Curve(0)), "first");
    EXPECT_EQ(p.CurveLabel(p.Curve(1)), "Curve #2");
    p.Curve(1).Name = "API";
    EXPECT_EQ(p.CurveLabel(p.Curve(1)), "API");
    p.CurveName = "Depth ";
    EXPECT_EQ(p.CurveLabel(p.Curve(2)), "Depth 3");
    // A curve made after two were removed numbers from the count at creation.
    p.SetCurveCount(1);
    p.SetCurveCount(2);
    EXPECT_EQ(p.CurveLabel(p.Curve(1)), "Depth 2");
    p.OnGetCaption = [](TGraphPlot&, int index, std::string& value) {
        value += " [" + std::to_string(index) + "]";
    };
    EXPECT_EQ(p.LegendText(1), "Depth 2 [1]");
}

TEST(PlotDescription, AxisUnitsFollowThePlotForm) {
    TGraphPlot p;
    p.XUnits = "F1";
    p.YUnits = "L2";
    EXPECT_EQ(p.XUnitsText(), "kips");
    EXPECT_EQ(p.YUnitsText(), "ft");
    p.SetUnits(2);
    EXPECT_EQ(p.XUnitsText(), "kN");
    EXPECT_EQ(p.YUnitsText(), "m");
    p.SetUnits(3);
    EXPECT_EQ(p.XUnitsText(), "F1");
}

TEST(PlotDescription, ShowCreatesOneWindowAndAppliesTheActiveLimit) {
    int created = 0, shows = 0;
    TGraphPlot::SetWindowFactory([&](TGraphPlot&) {
        ++created;
        return std::make_unique<TCountingWindow>(&shows);
    });
    TGraphPlot p;
    p.SetCurveCount(25);
    p.Curve(3).Active = false; // active flags do not persist
    p.Show();
    p.Show();
    EXPECT_EQ(created, 1);
    EXPECT_EQ(shows, 2);
    EXPECT_TRUE(p.WindowExists());
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(p.Curve(i).Active, i < 20) << "curve " << i + 1;

    p.CloseWindow();
    EXPECT_FALSE(p.WindowExists());
    p.LimitActive = false;
    p.Show();
    EXPECT_EQ(created, 2) << "closing frees the window; the next Show makes a fresh one";
    EXPECT_TRUE(p.Curve(24).Active);
    TGraphPlot::SetWindowFactory({});
}

TEST(PlotDescription, ShowWithoutAUserInterfaceDoesNothing) {
    TGraphPlot::SetWindowFactory({});
    TGraphPlot p;
    p.Show();
    EXPECT_FALSE(p.WindowExists());
}

} // namespace
} // namespace quvex
