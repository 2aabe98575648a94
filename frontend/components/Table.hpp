// TGridTable: a non-visual table of typed columns (ColumnTypes.hpp) with row
// groups, unit conversion, linked depth columns and sub-tables per row.  A
// window (provided later by the user interface) is told of every changed cell
// and of whole-table changes through TTableWindow.
#pragma once

#include "ColumnTypes.hpp"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quvex {

class TGridTable;

// The window that shows a table.  The table owns it while it is open.
class TTableWindow {
public:
    virtual ~TTableWindow() = default;
    virtual void Show(bool modal) = 0;
    virtual void CellChanged(int column, int row) = 0; // refresh one cell
    virtual void TableChanged() = 0;                   // rebuild
};
using TTableWindowFactory = std::function<std::unique_ptr<TTableWindow>(TGridTable&, bool modal)>;

class TGridTable : public TRowObject {
public:
    // A sub-table has the table that holds it as owner and takes its unit system.
    explicit TGridTable(TGridTable* owner = nullptr);
    ~TGridTable() override;
    TGridTable(const TGridTable&) = delete;
    TGridTable& operator=(const TGridTable&) = delete;

    // ---- properties stored with the form
    std::string Comments;
    int Identifier() const { return identifier_; }
    void SetIdentifier(int v);
    std::string Caption;
    int MaxRows = 0;
    int MinRows() const { return minRows_; }
    void SetMinRows(int v);
    std::string HelpPicture;
    bool HardwiredButton = false;
    void* FormParent = nullptr; // control the window is embedded in, if any
    int RowGroup() const { return rowGroup_; }
    void SetRowGroup(int v) { rowGroup_ = v < 1 ? 1 : v; }
    std::string TopLeft;

    // ---- events (sender first) for rows that hold owner objects
    std::function<void(TGridTable&)> OnResize;
    std::function<void(TGridTable&, int col, int row, TRowObject* data)> OnButtonClick;
    std::function<void(TGridTable&, int col, int row, TRowObject* data, std::string& caption)>
        OnGetButtonCaption;
    std::function<void(TGridTable&, int col, int row, TRowObject* data, bool& changed)>
        OnGetChanged;
    std::function<void(TGridTable&, int col, int row, TRowObject* data)> OnHide;
    std::function<void(TGridTable&, int col, int row, int enumType,
                       std::unique_ptr<TRowObject>& data)>
        OnInitRow;
    std::function<void(TGridTable&, int col, int row, TRowObject* data)> OnResetChanged;
    std::function<void(TGridTable&, int col, TRowObject* data, int row)> OnSetRow;
    std::function<void(TGridTable&, int col, int row, TRowObject* data, int units)> OnSetUnits;

    // ---- notifications for views: a cell changed (column, row); the table changed
    std::function<void(TGridTable&, int col, int row)> OnCellChanged;
    std::function<void(TGridTable&)> OnTableChanged;

    // ---- columns and cells
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    TColumn& Column(int i) const;
    int VisibleColumnCount() const;
    TColumn& VisibleColumn(int i) const;
    int IndexOf(const TColumn& column) const;
    TData& Cell(int column, int row) const { return Column(column).Cell(row); }
    // Appends a column; it gets cells for the current rows.
    TColumn& AddColumn(std::unique_ptr<TColumn> column);
    void ClearColumns();

    // ---- rows
    int RowCount() const { return rowCount_; }
    void SetRowCount(int n);
    void AddGroup();
    void InsertGroup(int row);
    void DeleteGroup(int row);

    // ---- unit system (1 English, 2 SI)
    int Units() const { return units_; }
    void SetUnits(int system);

    // ---- sub-tables
    TGridTable* Owner() const { return owner_; }
    int InstanceNumber() const { return instance_; }
    void SetInstanceNumber(int number);
    std::string InstanceName() const;
    static std::unique_ptr<TGridTable> CreateFromTemplate(TGridTable* owner, int number,
                                                          const TGridTable& tmpl);

    // ---- changed state
    bool IsChanged() const;
    void SetChanged(bool flag);

    // ---- window
    static void SetWindowFactory(TTableWindowFactory factory);
    void ShowWindow() { Show(false); }
    void ShowWindowModal() { Show(true); }
    void CloseWindow();
    bool WindowOpen() const { return window_ != nullptr; }
    TTableWindow* Window() const { return window_.get(); }

    // ---- column definitions stored with the form (property "Col")
    void WriteColumns(TTypedWriter& writer) const;
    void ReadColumns(TTypedReader& reader);
    std::string ColText() const;
    void SetColText(const std::string& text, const std::string& source = "Col");
    // While a form loads, MinRows below 1 is stored as 1 instead of refused.
    bool Loading = false;

    // ---- all tables, in creation order
    static int TableCount();
    static TGridTable* TableAt(int position); // nullptr when out of range
    static TGridTable* FindByIdentifier(int id);

    // Called by columns; passes the change on to the view.
    void ColumnCellChanged(TColumn& column, int row);
    void FireTableChanged();
    bool Attaching() const { return attaching_; }

private:
    void Show(bool modal);
    void InsertRowsAll(int at, int count);
    void DeleteRowAll(int row);
    void FitTemplates();

    TGridTable* owner_;
    int identifier_;
    int minRows_ = 1;
    int rowGroup_ = 1;
    int rowCount_ = 0;
    int units_ = 1;
    int instance_ = 0;
    bool changed_ = false;
    bool attaching_ = false;
    bool destroying_ = false;
    std::vector<std::unique_ptr<TColumn>> columns_;
    std::unique_ptr<TTableWindow> window_;
};

} // namespace quvex
