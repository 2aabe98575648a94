#include <gtest/gtest.h>

#include "Table.hpp"
#include "TableFixtures.hpp"
#include "TypedStream.hpp"

namespace quvex {
namespace {

using namespace testing_support;

// Everything a column definition holds, printed for comparison.
std::string Describe(const TColumn& c) {
    std::string s =
        std::to_string(c.TypeNumber()) + (c.Visible ? " V" : " -") + (c.Grouped ? "G" : "-");
    for (const auto& line : c.CaptionLines())
        s += " [" + line + "]";
    if (auto* e = dynamic_cast<const TEnumColumn*>(&c))
        for (const auto& name : e->Choices())
            s += " <" + name + ">";
    if (auto* i = dynamic_cast<const TIntColumn*>(&c))
        s += " " + std::to_string(i->Default) + "/" + std::to_string(i->Minimum) + "/" +
             std::to_string(i->Maximum);
    if (auto* f = dynamic_cast<const TFloatColumn*>(&c))
        s += std::string(f->TopDepth ? " top" : "") + " {" + f->Units + "} " +
             std::to_string(static_cast<double>(f->Default));
    if (auto* t = dynamic_cast<const TTableColumn*>(&c))
        for (const auto& ref : t->Templates())
            s += " #" + std::to_string(ref.Value);
    if (auto* str = dynamic_cast<const TStringColumn*>(&c))
        s += " '" + str->Default + "' " + std::to_string(str->WidthInches);
    return s;
}

std::vector<std::string> DescribeAll(const TGridTable& t) {
    std::vector<std::string> v;
    for (int i = 0; i < t.ColumnCount(); ++i)
        v.push_back(Describe(t.Column(i)));
    return v;
}

TEST(ColumnDefinitions, LayerTableIsReadAsDesigned) {
    auto D = TableFromFixture("layers_D.col", 100, "Soil Properties");
    std::vector<std::string> expected = {
        "0 V- [Soil Type] <sand> <clay> <silt>",
        "2 V- [Depth at Bottom ] [of each Layer] {L2} 0.000000",
        "3 V- [Layer Data] #1 #2 #19",
        "2 V- [Max. Side Friction] [] {F/L2^2} 0.000000",
        "2 V- [Max. End Bearing] [] {F/L2^2} 0.000000",
        "2 V- [Reduction Factor] [on Side Friction] {} 1.000000",
        "2 V- [Reduction Factor] [on End Bearing] {} 1.000000",
    };
    EXPECT_EQ(DescribeAll(*D), expected);
    auto sand = TableFromFixture("layer_data_sand.col", 101, "Sand Layer Data");
    EXPECT_EQ(Describe(sand->Column(2)), "1 V- [Blow Counts ] [(optional)] 0/0/100");
    EXPECT_FALSE(sand->Column(6).Visible);
}

TEST(ColumnDefinitions, WrittenAndReadBackUnchanged) {
    TGridTable t1, t2;
    auto D = TableFromFixture("layers_D.col", 100, "Soil Properties");
    // templates must exist for their identifiers to be written
    t1.SetIdentifier(1);
    t2.SetIdentifier(2);
    // a column of every kind, with settings away from their defaults
    TGridTable source;
    source.SetColText(D->ColText());
    auto& s =
        static_cast<TStringColumn&>(source.AddColumn(std::make_unique<TStringColumn>(source)));
    s.Default = "it's\r\"x\"";
    s.WidthInches = 1.25;
    s.Grouped = true;
    s.CaptionLines() = {"Name", "caf\xc3\xa9"};
    auto& f = static_cast<TFloatColumn&>(source.AddColumn(std::make_unique<TFloatColumn>(source)));
    f.TopDepth = true;
    f.Units = "L2";
    f.Default = 0.1L;
    f.Visible = false;
    source.AddColumn(std::make_unique<TFloatColumn>(source));
    auto& i = static_cast<TIntColumn&>(source.AddColumn(std::make_unique<TIntColumn>(source)));
    i.Minimum = -5;
    i.Default = 3;

    TGridTable copy;
    int rebuilds = 0;
    copy.OnTableChanged = [&](TGridTable&) { ++rebuilds; };
    copy.SetColText(source.ColText());
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(DescribeAll(copy), DescribeAll(source));
    EXPECT_EQ(copy.ColText(), source.ColText());
    EXPECT_EQ(static_cast<TFloatColumn&>(copy.Column(8)).Default, 0.1L); // exact, not rounded
    // the missing template 19 is written as "no table"
    EXPECT_EQ(static_cast<TTableColumn&>(copy.Column(2)).Templates()[2].Kind,
              TGridTableRef::TKind::None);
}

TEST(ColumnDefinitions, OlderRecordsAreRead) {
    for (bool hardwired : {false, true}) {
        TGridTable t;
        t.HardwiredButton = hardwired;
        t.SetColText(ReadFixture("older_records.col"));
        auto& f = static_cast<TFloatColumn&>(t.Column(1));
        EXPECT_EQ(f.Units, "L2");
        EXPECT_EQ(f.Default, 0);
        auto& templates = static_cast<TTableColumn&>(t.Column(2)).Templates();
        ASSERT_EQ(templates.size(), 2u);
        for (int k = 0; k < 2; ++k) {
            if (hardwired) {
                EXPECT_EQ(templates[k].Kind, TGridTableRef::TKind::Position);
                EXPECT_EQ(templates[k].Value, 5);
            } else {
                EXPECT_EQ(templates[k].Kind, TGridTableRef::TKind::Identifier);
                EXPECT_EQ(templates[k].Value, k + 1);
            }
        }
        // written back in the current form
        EXPECT_NE(t.ColText().find("'FLOATCOLUMN2' 'L2' 0.0"), std::string::npos);
    }
}

struct TBadCase {
    const char* what;
    const char* text;
    const char* message;
};

TEST(ColumnDefinitions, UnreadableDefinitionsAreReported) {
    const TBadCase cases[] = {
        {"empty", "", "Error reading column count"},
        {"count not a number", "seven", "Error reading column count"},
        {"negative count", "-1", "Error reading column count"},
        {"unknown type", "1 7 ('A') True False",
         "Error occured when creating column 0: Error Column Class not defined"},
        {"truncated second record",
         "2 4 ('Name') True False 'x' 1.0\n2 ('B') True False False 'FLOATCOLUMN2' 'L2'",
         "Error occured when creating column 1: Col, line 2: number expected but the data ended"},
        {"missing maximum", "1 1 ('N') True False 0 0",
         "Error occured when creating column 0: Col, line 1: integer expected but the data ended"},
        {"string for Boolean", "1 4 ('A') 'yes' False 'x' 1.0",
         "Error occured when creating column 0: Col, line 1: Boolean expected"},
        {"unclosed list", "1 0 ('A' True False ()",
         "Error occured when creating column 0: Col, line 1: string expected"},
        {"unterminated string", "1 4 ('A) True",
         "Error occured when creating column 0: Col, line 1: unterminated string"},
        {"integer too large", "1 1 ('N') True False 0 0 99999999999",
         "Error occured when creating column 0: Col, line 1: bad integer '99999999999'"},
    };
    for (const TBadCase& c : cases) {
        TGridTable t;
        try {
            t.SetColText(c.text);
            ADD_FAILURE() << c.what << ": accepted";
        } catch (const EGridError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.what;
        }
    }
    // columns read before the failure stay; the failing one is dropped
    TGridTable t;
    EXPECT_THROW(t.SetColText(cases[4].text), EGridError);
    EXPECT_EQ(t.ColumnCount(), 1);
}

TEST(ColumnDefinitions, RegistryMapsTypeNumbers) {
    TGridTable t;
    EXPECT_FALSE(FindColumnType(5));
    RegisterColumnType(5, [](TGridTable& table) { return std::make_unique<TStringColumn>(table); });
    t.SetColText("1 5 ('Extra') True False 'd' 2.0");
    EXPECT_EQ(Describe(t.Column(0)), "4 V- [Extra] 'd' 2.000000");
    UnregisterColumnType(5);
    EXPECT_FALSE(FindColumnType(5));
    for (int n = 0; n <= 4; ++n)
        EXPECT_EQ(FindColumnType(n)(t)->TypeNumber(), n);
}

} // namespace
} // namespace quvex
