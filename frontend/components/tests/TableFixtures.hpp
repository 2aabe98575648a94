// Helpers shared by the grid table tests: column definitions from fixture
// files and a window stand-in that records what the table tells it.
#pragma once

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "Table.hpp"

namespace quvex::testing_support {

inline std::string ReadFixture(const std::string& name) {
    std::ifstream in(std::string(QUVEX_FIXTURES) + "/" + name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::unique_ptr<TGridTable> TableFromFixture(const std::string& name, int identifier,
                                                    const std::string& caption) {
    auto t = std::make_unique<TGridTable>();
    t->SetIdentifier(identifier);
    t->Caption = caption;
    t->SetColText(ReadFixture(name), name);
    return t;
}

struct TRecordingWindow : TTableWindow {
    std::vector<std::pair<int, int>> cells;
    int rebuilds = 0;
    void Show(bool) override {}
    void CellChanged(int column, int row) override { cells.emplace_back(column, row); }
    void TableChanged() override { ++rebuilds; }
};

// Opens a recording window for `table`; the table owns it until closed.
inline TRecordingWindow* OpenWindow(TGridTable& table) {
    TRecordingWindow* made = nullptr;
    TGridTable::SetWindowFactory([&made](TGridTable&, bool) {
        auto w = std::make_unique<TRecordingWindow>();
        made = w.get();
        return w;
    });
    table.ShowWindow();
    TGridTable::SetWindowFactory({});
    return made;
}

} // namespace quvex::testing_support
