// Typed columns of a grid table (TGridTable, Table.hpp) and the registry that
// maps column classes to the type numbers stored in column definitions.
// Rows are 0-based here; the table window labels them from 1.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace quvex {

class TGridTable;
class TColumn;
class TTypedReader;
class TTypedWriter;

// Programming errors of tables and columns, and unreadable column definitions.
class EGridError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class EInvalidCast : public EGridError {
public:
    using EGridError::EGridError;
};
class EListError : public EGridError {
public:
    using EGridError::EGridError;
};

// An object held by a row of a sub-table column: a sub-table, or an object
// the application creates for a choice that has no template.
class TRowObject {
public:
    virtual ~TRowObject() = default;
};

// What a column needs to size itself on a screen or printer.
struct TCanvasMetrics {
    int PixelsPerInch = 96;
    // Width of a text in pixels; when empty, PixelsPerInch / 12 per character.
    std::function<int(const std::string&)> TextWidth;
    int Measure(const std::string& text) const;
};

// One cell: its column and its row (the position in the column).
class TData {
public:
    TData(TColumn& column, int row) : column_(&column), row_(row) {}
    TColumn& Column() const { return *column_; }
    int Row() const { return row_; }
    TGridTable* AsTable() const;
    long double AsFloat() const;
    std::int32_t AsInteger() const;
    TRowObject* AsObject() const;
    std::string AsText() const;
    void SetFloat(long double x) const;
    void SetInteger(std::int32_t v) const;

private:
    friend class TColumn;
    TColumn* column_;
    int row_;
};

class TColumn {
public:
    explicit TColumn(TGridTable& table) : table_(&table) {}
    virtual ~TColumn() = default;
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    virtual int TypeNumber() const = 0;
    TGridTable& Table() const { return *table_; }
    int Index() const; // position in the table, -1 while not attached
    int RowCount() const { return static_cast<int>(cells_.size()); }
    TData& Cell(int row) const;

    bool Visible = true;
    bool Grouped = false; // a value written to a row goes to its whole row group

    // Caption lines from the top, as designed and as shown.
    std::vector<std::string>& CaptionLines() { return captions_; }
    const std::vector<std::string>& CaptionLines() const { return captions_; }
    int CaptionLineCount() const { return static_cast<int>(captions_.size()); }
    virtual std::string CaptionLine(int i) const;

    virtual void InsertRows(int at, int count);
    virtual void DeleteRow(int row);
    // Raises when rows cannot be inserted into this column in its table.
    virtual void CheckInsert() const {}

    virtual TGridTable* AsTable(int row) const;
    virtual long double AsFloat(int row) const;
    virtual void SetFloat(int row, long double x);
    virtual std::int32_t AsInteger(int row) const;
    virtual void SetInteger(int row, std::int32_t v);
    virtual TRowObject* AsObject(int row) const;
    virtual std::string CellText(int row) const {
        (void)row;
        return {};
    }
    // Cell entry as typed: numeric columns evaluate expressions.
    virtual void SetCellText(int row, const std::string& text) {
        (void)row;
        (void)text;
    }

    virtual bool IsChanged() const { return false; }
    virtual void ResetChanged() {}
    virtual void CloseWindows() {}
    virtual bool UsesEditors() const { return false; } // drop-downs or buttons over cells
    virtual int Width(const TCanvasMetrics& canvas) const;
    virtual void ConvertUnits(int system) { (void)system; }

    // Record: type number, caption lines, Visible, Grouped, own fields.
    void Write(TTypedWriter& writer) const;
    // Everything after the type number, over the defaults of a new column.
    void ReadRecord(TTypedReader& reader);
    virtual std::unique_ptr<TColumn> Clone(TGridTable& table) const = 0;

protected:
    virtual void InsertValues(int at, int count) = 0;
    virtual void EraseValue(int row) = 0;
    virtual void WriteFields(TTypedWriter& writer) const = 0;
    virtual void ReadFields(TTypedReader& reader) = 0;
    virtual std::string HeaderLine(int i) const { return CaptionLine(i) + "  "; }
    int HeaderWidth(const TCanvasMetrics& canvas) const;
    void CopyCommon(TColumn& to) const;
    // Rows of the row group that holds `row` (just `row` unless Grouped).
    std::pair<int, int> WriteRange(int row) const;
    void CheckRow(int row) const;
    void Notify(int row);
    TColumn* Neighbour(int offset) const;

private:
    TGridTable* table_;
    std::vector<std::unique_ptr<TData>> cells_;
    std::vector<std::string> captions_;
};

// A choice among named items; the value is the 1-based choice number.
class TEnumColumn : public TColumn {
public:
    using TColumn::TColumn;
    int TypeNumber() const override { return 0; }
    const std::vector<std::string>& Choices() const { return choices_; }
    void SetChoices(std::vector<std::string> names);
    std::int32_t AsInteger(int row) const override;
    void SetInteger(int row, std::int32_t v) override;
    std::string CellText(int row) const override;
    void SetCellText(int row, const std::string& text) override;
    bool UsesEditors() const override { return true; }
    int Width(const TCanvasMetrics& canvas) const override;
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

protected:
    void InsertValues(int at, int count) override;
    void EraseValue(int row) override;
    void WriteFields(TTypedWriter& writer) const override;
    void ReadFields(TTypedReader& reader) override;

private:
    std::vector<std::string> choices_;
    std::vector<std::int32_t> values_;
};

class TIntColumn : public TColumn {
public:
    using TColumn::TColumn;
    int TypeNumber() const override { return 1; }
    std::int32_t Default = 0;
    std::int32_t Minimum = INT32_MIN;
    std::int32_t Maximum = INT32_MAX;
    std::int32_t AsInteger(int row) const override;
    void SetInteger(int row, std::int32_t v) override;
    std::string CellText(int row) const override;
    void SetCellText(int row, const std::string& text) override;
    int Width(const TCanvasMetrics& canvas) const override;
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

protected:
    void InsertValues(int at, int count) override;
    void EraseValue(int row) override;
    void WriteFields(TTypedWriter& writer) const override;
    void ReadFields(TTypedReader& reader) override;

private:
    std::vector<std::int32_t> values_;
};

// Numbers with a units string; converted when the table changes unit system.
// A column flagged TopDepth holds the tops of layers and the next column
// their bottoms; the two are kept contiguous.
class TFloatColumn : public TColumn {
public:
    using TColumn::TColumn;
    int TypeNumber() const override { return 2; }
    long double Default = 0;
    bool TopDepth = false;
    std::string Units;
    std::string CaptionLine(int i) const override;
    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    void CheckInsert() const override;
    long double AsFloat(int row) const override;
    void SetFloat(int row, long double x) override;
    std::string CellText(int row) const override;
    void SetCellText(int row, const std::string& text) override;
    int Width(const TCanvasMetrics& canvas) const override;
    void ConvertUnits(int system) override;
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

protected:
    void InsertValues(int at, int count) override;
    void EraseValue(int row) override;
    void WriteFields(TTypedWriter& writer) const override;
    void ReadFields(TTypedReader& reader) override;
    std::string HeaderLine(int i) const override;

private:
    TFloatColumn* Bottom() const; // the next column when this one is a top column
    TFloatColumn* Top() const;    // the previous column when it is a top column
    void Store(int row, long double x);
    std::vector<long double> values_;
};

class TStringColumn : public TColumn {
public:
    using TColumn::TColumn;
    int TypeNumber() const override { return 4; }
    std::string Default;
    double WidthInches = 1.0;
    std::string CellText(int row) const override;
    void SetCellText(int row, const std::string& text) override;
    int Width(const TCanvasMetrics& canvas) const override;
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

protected:
    void InsertValues(int at, int count) override;
    void EraseValue(int row) override;
    void WriteFields(TTypedWriter& writer) const override;
    void ReadFields(TTypedReader& reader) override;

private:
    std::vector<std::string> values_;
};

// A reference to a template table: a position in the global table list or an
// identifier, looked up each time it is used; or no table.
struct TGridTableRef {
    enum class TKind { None, Position, Identifier };
    TKind Kind = TKind::None;
    int Value = -1;
    static TGridTableRef ByIdentifier(int id) {
        return {id < 0 ? TKind::None : TKind::Identifier, id};
    }
    static TGridTableRef ByPosition(int position) { return {TKind::Position, position}; }
    TGridTable* Resolve() const;
};

// Each row holds a sub-table copied from the template of the row's choice
// (the value of column 0), or an object made by the table's OnInitRow.
class TTableColumn : public TColumn {
public:
    using TColumn::TColumn;
    int TypeNumber() const override { return 3; }
    std::vector<TGridTableRef>& Templates() { return templates_; }
    const std::vector<TGridTableRef>& Templates() const { return templates_; }
    // One template per choice of column 0 (1 when it is no choice column).
    void FitTemplates();
    // Builds the row's object again from the template of its current choice.
    void BuildRow(int row);
    // Rebuilds the row when its choice differs from the one it was built for.
    void ChoiceChanged(int row);
    std::string RowCaption(int row) const; // sub-table caption or OnGetButtonCaption

    void InsertRows(int at, int count) override;
    void DeleteRow(int row) override;
    TGridTable* AsTable(int row) const override;
    TRowObject* AsObject(int row) const override;
    bool IsChanged() const override;
    void ResetChanged() override;
    void CloseWindows() override;
    bool UsesEditors() const override { return true; }
    int Width(const TCanvasMetrics& canvas) const override;
    void ConvertUnits(int system) override;
    std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

protected:
    void InsertValues(int at, int count) override;
    void EraseValue(int row) override;
    void WriteFields(TTypedWriter& writer) const override;
    void ReadFields(TTypedReader& reader) override;

private:
    int Choice(int row) const;
    void Renumber(int from);
    std::vector<TGridTableRef> templates_;
    std::vector<std::unique_ptr<TRowObject>> objects_;
    std::vector<int> builtChoice_;
};

// Column type registry: type number -> factory of an empty column.
using TColumnFactory = std::function<std::unique_ptr<TColumn>(TGridTable&)>;
void RegisterColumnType(int typeNumber, TColumnFactory factory);
void UnregisterColumnType(int typeNumber);
// Empty function when the number has no class.
TColumnFactory FindColumnType(int typeNumber);

} // namespace quvex
