#include <gtest/gtest.h>

#include "MiscMath.hpp"
#include "Table.hpp"
#include "TableFixtures.hpp"

namespace quvex {
namespace {

using namespace testing_support;

template <class C> C& Add(TGridTable& t) {
    return static_cast<C&>(t.AddColumn(std::make_unique<C>(t)));
}

std::vector<long double> Floats(const TGridTable& t, int col) {
    std::vector<long double> v;
    for (int r = 0; r < t.RowCount(); ++r)
        v.push_back(t.Cell(col, r).AsFloat());
    return v;
}

using V = std::vector<long double>;

TEST(GridTableRows, GroupsAreDeletedAndInsertedWhole) {
    TGridTable t;
    t.SetRowGroup(2);
    Add<TFloatColumn>(t).Default = -1;
    t.SetRowCount(4);
    for (int r = 0; r < 4; ++r)
        t.Cell(0, r).SetFloat(r);
    t.DeleteGroup(3);
    EXPECT_EQ(Floats(t, 0), (V{0, 1}));
    t.InsertGroup(1);
    EXPECT_EQ(Floats(t, 0), (V{-1, -1, 0, 1}));
    t.AddGroup();
    EXPECT_EQ(t.RowCount(), 6);
    t.SetRowCount(3); // appends whole groups only when growing
    EXPECT_EQ(t.RowCount(), 3);
    t.SetRowCount(-5);
    EXPECT_EQ(t.RowCount(), 0);
}

TEST(GridTableRows, GroupedColumnWritesTheWholeGroup) {
    TGridTable t;
    t.SetRowGroup(2);
    auto& c = Add<TIntColumn>(t);
    c.Grouped = true;
    t.SetRowCount(4);
    std::vector<std::pair<int, int>> seen;
    t.OnCellChanged = [&](TGridTable&, int col, int row) { seen.emplace_back(col, row); };
    t.Cell(0, 3).SetInteger(7);
    EXPECT_EQ(c.AsInteger(1), 0);
    EXPECT_EQ(c.AsInteger(2), 7);
    EXPECT_EQ(c.AsInteger(3), 7);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 2}, {0, 3}}));
}

class LinkedDepths : public testing::Test {
protected:
    void SetUp() override {
        auto& top = Add<TFloatColumn>(t);
        top.TopDepth = true;
        Add<TFloatColumn>(t);
        t.SetRowCount(3);
        // bottoms first: each also sets the top of the row below
        t.Cell(1, 0).SetFloat(10);
        t.Cell(1, 1).SetFloat(20);
        t.Cell(1, 2).SetFloat(30);
    }
    TGridTable t;
};

TEST_F(LinkedDepths, TopAndBottomStayContiguous) {
    ASSERT_EQ(Floats(t, 0), (V{0, 10, 20}));
    std::vector<std::pair<int, int>> seen;
    t.OnCellChanged = [&](TGridTable&, int col, int row) { seen.emplace_back(col, row); };
    t.Cell(0, 1).SetFloat(12);
    EXPECT_EQ(Floats(t, 1), (V{12, 20, 30}));
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 1}, {1, 0}}));
    t.DeleteGroup(1);
    EXPECT_EQ(Floats(t, 0), (V{0, 12}));
    EXPECT_EQ(Floats(t, 1), (V{12, 30}));
}

TEST_F(LinkedDepths, InsertedLayerStartsAndEndsAtTheBoundary) {
    t.InsertGroup(1);
    EXPECT_EQ(Floats(t, 0), (V{0, 10, 10, 20}));
    EXPECT_EQ(Floats(t, 1), (V{10, 10, 20, 30}));
    t.AddGroup(); // no row below: the new bottom takes the default
    EXPECT_EQ(Floats(t, 0).back(), 30);
    EXPECT_EQ(Floats(t, 1).back(), 0);
}

TEST(LinkedDepthsMisdesigned, TopColumnNeedsAFloatColumnNext) {
    TGridTable t;
    Add<TFloatColumn>(t).TopDepth = true;
    Add<TIntColumn>(t);
    try {
        t.AddGroup();
        FAIL();
    } catch (const EGridError& e) {
        EXPECT_STREQ(e.what(),
                     "If column if a topdepth then the next column must be a float column");
    }
    // refused before any column changed
    EXPECT_EQ(t.RowCount(), 0);
    EXPECT_EQ(t.Column(0).RowCount(), 0);
    EXPECT_EQ(t.Column(1).RowCount(), 0);
}

TEST(GridTableEntry, NumbersGoThroughTheEvaluator) {
    TGridTable t;
    auto& f = Add<TFloatColumn>(t);
    auto& e = Add<TEnumColumn>(t);
    auto& s = Add<TStringColumn>(t);
    s.Default = "none";
    t.SetRowCount(1);
    f.SetCellText(0, "100*0.047880263112");
    EXPECT_EQ(f.CellText(0), "4.7880263");
    EXPECT_EQ(s.CellText(0), "none");
    s.SetCellText(0, " 1+1 ");
    EXPECT_EQ(s.CellText(0), " 1+1 ");
    e.SetCellText(0, "6/2");
    EXPECT_EQ(e.AsInteger(0), 3);
    struct {
        TColumn* column;
        const char* text;
        std::string message;
    } refused[] = {
        {&e, "1.5", "Value must be an integer."},
        {&e, "3E10", "Value must be an integer."},
        {&f, "abc", "Entry could not be evaluated:\rinvalid character(s) in expression"},
        {&f, "1/0", "Entry could not be evaluated:\rdivision by zero"},
    };
    for (const auto& c : refused) {
        try {
            c.column->SetCellText(0, c.text);
            ADD_FAILURE() << c.text;
        } catch (const EAssignError& err) {
            EXPECT_EQ(err.what(), c.message) << c.text;
        }
    }
    EXPECT_EQ(e.AsInteger(0), 3);
    EXPECT_EQ(f.CellText(0), "4.7880263");
}

TEST(GridTableEntry, IntegerRangeIsCheckedWhileTheWindowIsOpen) {
    TGridTable t;
    auto& c = Add<TIntColumn>(t);
    c.Minimum = 0;
    c.Maximum = 100;
    c.CaptionLines() = {"Blow Counts"};
    t.SetRowCount(1);
    c.SetCellText(0, "150"); // no window: stored as entered
    EXPECT_EQ(c.AsInteger(0), 150);
    ASSERT_NE(OpenWindow(t), nullptr);
    struct {
        const char* text;
        const char* message;
    } cases[] = {{"150", "Entry must be between 0 and 100."},
                 {"-1", "Entry must be between 0 and 100."},
                 {"2.5", "Entry must be an integer."}};
    for (const auto& k : cases) {
        try {
            c.SetCellText(0, k.text);
            ADD_FAILURE() << k.text;
        } catch (const EAssignError& e) {
            EXPECT_STREQ(e.what(), k.message) << k.text;
        }
    }
    c.SetCellText(0, "50.00000000001"); // a fraction within 1e-10 is rounded off
    EXPECT_EQ(c.AsInteger(0), 50);
    t.CloseWindow();
    EXPECT_THROW(c.SetCellText(0, "1E10"), EAssignError); // never wraps around
    EXPECT_EQ(c.AsInteger(0), 50);
}

TEST(GridTableErrors, ProgrammingErrorsHaveTheirMessages) {
    TGridTable t;
    Add<TStringColumn>(t).Visible = false;
    Add<TIntColumn>(t);
    t.SetRowCount(1);
    EXPECT_EQ(t.VisibleColumnCount(), 1);
    EXPECT_EQ(&t.VisibleColumn(0), &t.Column(1));
    auto message = [](auto&& f) {
        try {
            f();
        } catch (const std::exception& e) {
            return std::string(e.what());
        }
        return std::string("(no error)");
    };
    EXPECT_EQ(message([&] { t.VisibleColumn(1); }), "Index out of bounds");
    EXPECT_THROW(t.VisibleColumn(-1), EListError);
    EXPECT_EQ(message([&] { t.Cell(1, 0).AsFloat(); }), "Data of wrong type");
    EXPECT_THROW(t.Cell(0, 0).AsTable(), EInvalidCast);
    EXPECT_EQ(message([&] { t.SetMinRows(0); }), "Value must be greater than 0");
    t.Loading = true;
    t.SetMinRows(-3);
    EXPECT_EQ(t.MinRows(), 1);
    t.SetRowGroup(0);
    EXPECT_EQ(t.RowGroup(), 1);
}

TEST(GridTableList, IdentifiersAreUniqueAndSwapped) {
    TGridTable a, b;
    EXPECT_EQ(b.Identifier(), a.Identifier() + 1);
    int oldA = a.Identifier();
    a.SetIdentifier(b.Identifier());
    EXPECT_EQ(b.Identifier(), oldA);
    EXPECT_EQ(TGridTable::FindByIdentifier(a.Identifier()), &a);
    a.SetIdentifier(-4);
    EXPECT_EQ(TGridTable::FindByIdentifier(a.Identifier()), &a);
    int count = TGridTable::TableCount();
    EXPECT_EQ(TGridTable::TableAt(count - 1), &b);
    {
        TGridTable c;
        EXPECT_EQ(TGridTable::TableCount(), count + 1);
    }
    EXPECT_EQ(TGridTable::TableCount(), count);
    EXPECT_EQ(TGridTable::TableAt(count), nullptr);
}

TEST(GridTableWidth, HeaderOrMinimumWidth) {
    TGridTable t;
    auto& f = Add<TFloatColumn>(t);
    f.CaptionLines() = {"Depth at Bottom ", "of each Layer"};
    f.Units = "L2";
    auto& e = Add<TEnumColumn>(t);
    e.CaptionLines() = {"Soil Type"};
    auto& s = Add<TStringColumn>(t);
    s.WidthInches = 1.26;
    TCanvasMetrics canvas;
    canvas.PixelsPerInch = 96;
    canvas.TextWidth = [](const std::string& text) { return static_cast<int>(text.size()) * 6; };
    EXPECT_EQ(f.CaptionLine(1), "of each Layer (ft)  ");
    EXPECT_EQ(f.Width(canvas), 120); // 20 characters of "of each Layer (ft)  "
    EXPECT_EQ(e.Width(canvas), 144); // 1.5 inch
    EXPECT_EQ(s.Width(canvas), 121); // round(96 * 1.26)
}

} // namespace
} // namespace quvex
