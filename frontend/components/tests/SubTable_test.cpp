#include <gtest/gtest.h>

#include <cmath>

#include "Table.hpp"
#include "TableFixtures.hpp"

namespace quvex {
namespace {

using namespace testing_support;

// The layer table D with its three layer-data templates (identifiers 1, 2, 19).
class LayerTables : public testing::Test {
protected:
    void SetUp() override {
        sand = TableFromFixture("layer_data_sand.col", 1, "Sand Layer Data");
        clay = TableFromFixture("layer_data_clay.col", 2, "Clay Layer Data");
        silt = TableFromFixture("layer_data_clay.col", 19, "Silt Layer Data");
        for (auto* t : {sand.get(), clay.get(), silt.get()}) {
            t->SetMinRows(2);
            t->MaxRows = 2;
            t->SetRowGroup(2);
        }
        D = TableFromFixture("layers_D.col", 100, "Soil Properties");
        D->SetRowCount(1);
    }
    TGridTable& Sub(int row) const {
        TGridTable* t = D->Cell(2, row).AsTable();
        EXPECT_NE(t, nullptr) << "row " << row;
        return *t;
    }
    std::unique_ptr<TGridTable> sand, clay, silt, D;
};

TEST_F(LayerTables, RowsGetACopyOfTheirSoilTypesTemplate) {
    TGridTable& sub = Sub(0);
    EXPECT_EQ(sub.Caption, "Sand Layer Data");
    EXPECT_EQ(sub.ColumnCount(), 8);
    EXPECT_EQ(sub.RowCount(), 2);
    EXPECT_EQ(sub.MinRows(), 2);
    EXPECT_EQ(sub.RowGroup(), 1); // not copied
    EXPECT_EQ(sub.Owner(), D.get());
    EXPECT_EQ(sub.InstanceName(), " 1");
    EXPECT_EQ(D->Column(2).AsObject(0), &sub);
    EXPECT_EQ(dynamic_cast<TTableColumn&>(D->Column(2)).RowCaption(0), "Sand Layer Data");
}

TEST_F(LayerTables, UnitSwitchConvertsLayersAndTheirData) {
    D->Cell(1, 0).SetFloat(10);      // ft
    D->Cell(3, 0).SetFloat(1000);    // lbs/ft^2
    D->Cell(5, 0).SetFloat(0.9L);    // no units
    Sub(0).Cell(0, 1).SetFloat(120); // lbs/ft^3
    int rebuilds = 0;
    D->OnTableChanged = [&](TGridTable&) { ++rebuilds; };

    D->SetUnits(2);
    EXPECT_EQ(rebuilds, 1);
    EXPECT_NEAR(static_cast<double>(D->Cell(1, 0).AsFloat()), 3.048, 1e-9);
    EXPECT_NEAR(static_cast<double>(D->Cell(3, 0).AsFloat()), 47.8802631117,
                1e-9); // 1000 * 3.280839895^2 / 224.8089237
    EXPECT_EQ(D->Cell(5, 0).AsFloat(), 0.9L);
    EXPECT_EQ(Sub(0).Units(), 2);
    // 120 * 3.280839895^3 / 224.8089237
    EXPECT_NEAR(static_cast<double>(Sub(0).Cell(0, 1).AsFloat()), 18.8504972880, 1e-9);
    EXPECT_EQ(D->Column(1).CaptionLine(1), "of each Layer (m)  ");
    EXPECT_EQ(D->Column(3).CaptionLine(1), " (kN/m^2)  ");

    D->SetUnits(2); // same system: nothing happens
    EXPECT_EQ(rebuilds, 1);
    D->SetUnits(1);
    EXPECT_NEAR(static_cast<double>(D->Cell(1, 0).AsFloat()), 10, 1e-12);
    EXPECT_NEAR(static_cast<double>(D->Cell(3, 0).AsFloat()), 1000, 1e-9);
    EXPECT_NEAR(static_cast<double>(Sub(0).Cell(0, 1).AsFloat()), 120, 1e-10);
    EXPECT_EQ(D->Column(1).CaptionLine(1), "of each Layer (ft)  ");

    // a layer added under SI starts its data table in SI
    D->SetUnits(2);
    D->AddGroup();
    EXPECT_EQ(Sub(1).Units(), 2);
}

TEST_F(LayerTables, SoilTypeChangeRebuildsTheLayerData) {
    Sub(0).Cell(1, 0).SetFloat(33);
    std::vector<std::pair<int, int>> seen;
    D->OnCellChanged = [&](TGridTable&, int col, int row) { seen.emplace_back(col, row); };
    D->Column(0).SetCellText(0, "2");
    EXPECT_EQ(Sub(0).Caption, "Clay Layer Data");
    EXPECT_EQ(Sub(0).ColumnCount(), 3);
    EXPECT_EQ(Sub(0).Cell(1, 0).AsFloat(), 0); // a fresh copy, old values dropped
    EXPECT_EQ(Sub(0).InstanceNumber(), 1);
    EXPECT_NE(std::find(seen.begin(), seen.end(), std::make_pair(2, 0)), seen.end());
    EXPECT_EQ(seen.back(), std::make_pair(0, 0));

    // choosing the soil type the layer already has keeps its data
    Sub(0).Cell(1, 0).SetFloat(44);
    D->Cell(0, 0).SetInteger(2);
    EXPECT_EQ(Sub(0).Cell(1, 0).AsFloat(), 44);
    D->Cell(0, 0).SetInteger(3);
    EXPECT_EQ(Sub(0).Caption, "Silt Layer Data");
}

TEST_F(LayerTables, SubTablesAreRenumberedWithTheirRows) {
    D->SetRowCount(3);
    for (int r = 0; r < 3; ++r)
        Sub(r).Cell(0, 0).SetFloat(100 + r);
    EXPECT_EQ(Sub(2).InstanceName(), " 3");
    D->DeleteGroup(0);
    ASSERT_EQ(D->RowCount(), 2);
    EXPECT_EQ(Sub(0).Cell(0, 0).AsFloat(), 101);
    EXPECT_EQ(Sub(0).InstanceNumber(), 1);
    EXPECT_EQ(Sub(1).InstanceNumber(), 2);
    D->InsertGroup(0);
    EXPECT_EQ(Sub(0).Cell(0, 0).AsFloat(), 0);
    EXPECT_EQ(Sub(1).Cell(0, 0).AsFloat(), 101);
    EXPECT_EQ(Sub(1).InstanceNumber(), 2);
    EXPECT_EQ(Sub(2).InstanceNumber(), 3);
}

TEST_F(LayerTables, ChangedStateAndWindowsReachTheSubTables) {
    EXPECT_FALSE(D->IsChanged());
    Sub(0).SetChanged(true);
    EXPECT_TRUE(D->IsChanged());
    D->SetChanged(false);
    EXPECT_FALSE(Sub(0).IsChanged());

    ASSERT_NE(OpenWindow(Sub(0)), nullptr);
    ASSERT_NE(OpenWindow(*D), nullptr);
    D->CloseWindow();
    EXPECT_FALSE(D->WindowOpen());
    EXPECT_FALSE(Sub(0).WindowOpen());
}

TEST_F(LayerTables, WindowHearsEveryCellChange) {
    TRecordingWindow* w = OpenWindow(*D);
    ASSERT_NE(w, nullptr);
    D->Cell(3, 0).SetFloat(5);
    D->SetUnits(2);
    EXPECT_EQ(w->cells.front(), std::make_pair(3, 0));
    EXPECT_EQ(w->rebuilds, 1);
}

// A choice without a template: the application makes the row's object.
struct TOwnerObject : TRowObject {
    int kind = 0;
    int row = -1;
    int units = 1;
    bool changed = false;
};

TEST(SubTableColumn, OwnerObjectsForChoicesWithoutTemplates) {
    TGridTable t;
    auto& choice = static_cast<TEnumColumn&>(t.AddColumn(std::make_unique<TEnumColumn>(t)));
    choice.SetChoices({"a", "b"});
    auto& objects = static_cast<TTableColumn&>(t.AddColumn(std::make_unique<TTableColumn>(t)));
    EXPECT_EQ(objects.Templates().size(), 2u);
    t.OnInitRow = [](TGridTable&, int col, int, int kind, std::unique_ptr<TRowObject>& data) {
        EXPECT_EQ(col, 1);
        auto o = std::make_unique<TOwnerObject>();
        o->kind = kind;
        data = std::move(o);
    };
    t.OnSetRow = [](TGridTable&, int, TRowObject* data, int row) {
        static_cast<TOwnerObject*>(data)->row = row;
    };
    t.OnSetUnits = [](TGridTable&, int, int, TRowObject* data, int units) {
        static_cast<TOwnerObject*>(data)->units = units;
    };
    t.OnGetChanged = [](TGridTable&, int, int, TRowObject* data, bool& changed) {
        changed = static_cast<TOwnerObject*>(data)->changed;
    };
    t.OnResetChanged = [](TGridTable&, int, int, TRowObject* data) {
        static_cast<TOwnerObject*>(data)->changed = false;
    };
    auto object = [&](int row) { return static_cast<TOwnerObject*>(t.Cell(1, row).AsObject()); };

    t.SetRowCount(3);
    EXPECT_EQ(t.Cell(1, 0).AsTable(), nullptr);
    EXPECT_EQ(object(2)->row, 2);
    t.Cell(0, 1).SetInteger(2);
    EXPECT_EQ(object(1)->kind, 2);
    EXPECT_EQ(object(1)->row, 1);
    t.DeleteGroup(0);
    EXPECT_EQ(object(0)->kind, 2);
    EXPECT_EQ(object(0)->row, 0);
    EXPECT_EQ(object(1)->row, 1);
    t.SetUnits(2);
    EXPECT_EQ(object(1)->units, 2);
    object(1)->changed = true;
    EXPECT_TRUE(t.IsChanged());
    t.SetChanged(false);
    EXPECT_FALSE(object(1)->changed);

    choice.SetChoices({"a", "b", "c", "d"});
    EXPECT_EQ(objects.Templates().size(), 4u);
    choice.SetChoices({"a"});
    EXPECT_EQ(objects.Templates().size(), 1u);
}

TEST(SubTableColumn, TemplateLoopIsRefusedNotOverflowed) {
    TGridTable a, b;
    for (auto pair : {std::make_pair(&a, &b), std::make_pair(&b, &a)}) {
        auto& c = static_cast<TTableColumn&>(
            pair.first->AddColumn(std::make_unique<TTableColumn>(*pair.first)));
        c.Templates() = {TGridTableRef::ByIdentifier(pair.second->Identifier())};
    }
    EXPECT_THROW(a.SetRowCount(1), EGridError);
}

} // namespace
} // namespace quvex
