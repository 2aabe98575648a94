// The project object: new project, unit switch, modified flag, the user
// value columns.
#include <gtest/gtest.h>

#include "AppTestSupport.hpp"
#include "ResultLoader.hpp"

namespace quvex {
namespace {
using namespace testing_support;

double Val(const TGridTable& t, int col, int row) {
    return static_cast<double>(t.Cell(col, row).AsFloat());
}

TEST(Project, NewProjectHasTheDefaultsAndMinimumRows) {
    TProject project;
    const TProgramData& p = project.Data();
    EXPECT_EQ(p.UnitSystem, 1);
    EXPECT_EQ(p.DataFileName, "NewQUVEX.qx6d");
    EXPECT_EQ(p.Title, "New Pile");
    EXPECT_EQ(p.Method, 4);
    EXPECT_EQ(p.Increment, 1.0);
    EXPECT_EQ(p.TensionReductionFactor, 1.0);
    EXPECT_TRUE(p.CircularSection);
    for (int m = 1; m <= 9; ++m)
        EXPECT_EQ(p.MethodSelected[static_cast<std::size_t>(m)], m == 4);
    struct Rows {
        TGridTable* table;
        int rows, max;
        const char* caption;
    };
    for (Rows r :
         {Rows{&project.D(), 1, 40, "Soil Properties"},
          Rows{&project.TblTZDepth(), 1, 100, "Depths for Internally-generated t-z curves"},
          Rows{&project.Sectionaldata(), 2, 100, "Cross Section Area"},
          Rows{&project.tblDataSand(), 2, 2, "Sand"}}) {
        EXPECT_EQ(r.table->RowCount(), r.rows) << r.caption;
        EXPECT_EQ(r.table->MaxRows, r.max) << r.caption;
        EXPECT_EQ(r.table->Caption, r.caption);
    }
    EXPECT_EQ(project.D().ColumnCount(), 7);
    EXPECT_EQ(Val(project.D(), 5, 0), 1.0) << "reduction factors default to 1";
    EXPECT_EQ(project.LayerData(0).RowCount(), 2);
    EXPECT_EQ(project.LayerData(0).TopLeft, "Location, 1=Top, 2=Bottom");
    EXPECT_FALSE(project.Modified());
}

TEST(Project, NewReplacesAnEditedSIProject) {
    TProject project;
    BuildTwoLayerProject(project);
    project.SwitchUnits(2);
    project.Data().DataFileName = "/tmp/x.qx6d";
    project.Data().CptPointCount = 5;
    project.MotionInput.SetPointCount(5);
    project.SetModified(true);
    int before = 0, after = 0;
    project.OnBeforeReplace = [&](TProject&) { ++before; };
    project.OnReplaced = [&](TProject&) { ++after; };
    project.New();
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
    EXPECT_EQ(project.Data().UnitSystem, 1);
    EXPECT_EQ(project.Data().CptPointCount, 0);
    EXPECT_EQ(project.MotionInput.PointCount(), 0);
    EXPECT_EQ(project.LayerCount(), 1);
    EXPECT_EQ(project.SoilType(0), stSand);
    for (TGridTable* t : project.Tables())
        EXPECT_EQ(t->Units(), 1) << t->Caption;
    EXPECT_EQ(project.LayerData(0).Units(), 1);
    EXPECT_FALSE(project.Modified());
}

TEST(Project, UnitSwitchConvertsFieldsAndTablesAndBack) {
    TProject project;
    BuildTwoLayerProject(project);
    TProgramData& p = project.Data();
    p.TipArea = 144;
    p.StickupLength = 2;
    p.TaperAngle = 0.5;
    p.CriticalDepth = 12;
    project.TblTZDepth().Cell(0, 0).SetFloat(10);
    project.Sectionaldata().Cell(1, 0).SetFloat(144);
    const TProgramData english = p;
    int notified = 0;
    project.OnUnitsChanged = [&](TProject&) { ++notified; };

    project.SwitchUnits(2);
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(p.UnitSystem, 2);
    struct Field {
        double value, expected;
        const char* name;
    };
    for (Field f :
         {Field{p.OuterDiameter, 609.6, "OD mm"}, Field{p.InnerDiameter, 584.2, "ID mm"},
          Field{p.TotalLength, 18.288, "TL m"}, Field{p.StickupLength, 0.6096, "PSL m"},
          Field{p.Increment, 0.3048, "increment m"}, Field{p.TipArea, 0.09290304, "tip area m2"},
          Field{p.ConstantArea, 0.023812856, "area m2"},
          Field{p.ElasticModulus, 199947961.6, "E kN/m2"},
          Field{p.TaperAngle, 0.5, "taper unchanged"},
          Field{p.CriticalDepth, 12, "critical depth unchanged"},
          Field{Val(project.D(), 1, 0), 6.096, "layer bottom m"},
          Field{Val(project.D(), 3, 1), 81.3964, "max side friction kPa"},
          Field{Val(project.LayerData(1), 0, 0), 9.42525, "unit weight kN/m3"},
          Field{Val(project.LayerData(0), 1, 0), 23.9401, "Su kPa"},
          Field{Val(project.TblTZDepth(), 0, 0), 3.048, "t-z depth m"},
          Field{Val(project.Sectionaldata(), 1, 0), 0.09290304, "section area m2"}})
        EXPECT_NEAR(f.value, f.expected, std::abs(f.expected) * 1e-5) << f.name;
    EXPECT_EQ(project.tblDataSand().Units(), 2);

    project.SwitchUnits(0); // clamped into 1..2: English
    EXPECT_EQ(p.UnitSystem, 1);
    for (Field f : {Field{p.OuterDiameter, english.OuterDiameter, "OD"},
                    Field{p.TotalLength, english.TotalLength, "TL"},
                    Field{p.TipArea, english.TipArea, "tip area"},
                    Field{p.ElasticModulus, english.ElasticModulus, "E"},
                    Field{p.Increment, english.Increment, "increment"},
                    Field{Val(project.D(), 3, 1), 1700, "max side friction"},
                    Field{Val(project.LayerData(1), 0, 0), 60, "unit weight"}})
        EXPECT_NEAR(f.value, f.expected, std::abs(f.expected) * 1e-9) << f.name;
}

TEST(Project, ModifiedCombinesItsFlagWithEveryTable) {
    TProject project;
    std::vector<bool> events;
    project.OnModifiedChanged = [&](TProject&, bool m) { events.push_back(m); };
    EXPECT_FALSE(project.Modified());
    project.Sectionaldata().SetChanged(true);
    EXPECT_TRUE(project.Modified()) << "a table's change flag";
    project.SetModified(false);
    EXPECT_FALSE(project.Modified());
    project.LayerData(0).SetChanged(true);
    EXPECT_TRUE(project.Modified()) << "a layer's data table inside D";
    project.SetModified(true);
    project.SetModified(false);
    EXPECT_FALSE(project.LayerData(0).IsChanged()) << "clearing reaches the sub-tables";
    EXPECT_EQ(events, (std::vector<bool>{true, false}));
}

TEST(Project, UserValueColumnsAreShownOnlyForTheUserSpecifiedMethod) {
    TProject project;
    project.D().SetRowCount(2);
    project.SetSoilType(1, stClay);
    for (int method : {5, 4}) {
        project.Data().Method = method;
        project.UpdateTableColumns();
        for (TGridTable* t : {&project.tblDataSand(), &project.tblDataClay(),
                              &project.tblDataSilt(), &project.LayerData(0), &project.LayerData(1)})
            for (int c = 0; c < 8; ++c)
                EXPECT_EQ(t->Column(c).Visible, c < 6 || method == 5)
                    << t->Caption << " column " << c << " method " << method;
    }
}

TEST(Project, MethodNamesAndPlotOrder) {
    EXPECT_EQ(MethodShortName(5), "User Spec.");
    EXPECT_EQ(MethodShortName(7), "MTD");
    EXPECT_EQ(MethodShortName(0), "");
    TProgramData p;
    p.MethodSelected = {false, true, false, true, true, true, false, true, false, true};
    EXPECT_EQ(PlottedMethods(p), (std::vector<int>{5, 1, 3, 4, 7, 9}));
}

} // namespace
} // namespace quvex
