#include "ColumnTypes.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

#include "MiscMath.hpp"
#include "Table.hpp"
#include "TypedStream.hpp"
#include "units.hpp"

namespace quvex {
namespace {

[[noreturn]] void WrongType() {
    throw EInvalidCast("Data of wrong type");
}

long double RoundHalfEven(long double v) {
    long double whole = std::trunc(v);
    if (std::fabs(v - whole) != 0.5L) return std::round(v);
    return std::fmod(whole, 2.0L) == 0.0L ? whole : whole + (v > 0 ? 1.0L : -1.0L);
}

std::string Format(const char* pattern, long long a, long long b) {
    char buf[128];
    std::snprintf(buf, sizeof buf, pattern, a, b);
    return buf;
}

} // namespace

int TCanvasMetrics::Measure(const std::string& text) const {
    if (TextWidth) return TextWidth(text);
    return static_cast<int>(text.size()) * std::max(1, PixelsPerInch / 12);
}

// ---- TData ----------------------------------------------------------------

TGridTable* TData::AsTable() const {
    return column_->AsTable(row_);
}
long double TData::AsFloat() const {
    return column_->AsFloat(row_);
}
std::int32_t TData::AsInteger() const {
    return column_->AsInteger(row_);
}
TRowObject* TData::AsObject() const {
    return column_->AsObject(row_);
}
std::string TData::AsText() const {
    return column_->CellText(row_);
}
void TData::SetFloat(long double x) const {
    column_->SetFloat(row_, x);
}
void TData::SetInteger(std::int32_t v) const {
    column_->SetInteger(row_, v);
}

// ---- TColumn --------------------------------------------------------------

int TColumn::Index() const {
    return table_->IndexOf(*this);
}

void TColumn::CheckRow(int row) const {
    if (row < 0 || row >= RowCount())
        throw EListError("Row " + std::to_string(row) + " out of bounds (" +
                         std::to_string(RowCount()) + " rows)");
}

TData& TColumn::Cell(int row) const {
    CheckRow(row);
    return *cells_[static_cast<std::size_t>(row)];
}

std::string TColumn::CaptionLine(int i) const {
    return i >= 0 && i < CaptionLineCount() ? captions_[static_cast<std::size_t>(i)]
                                            : std::string();
}

void TColumn::InsertRows(int at, int count) {
    if (count <= 0) return;
    at = std::clamp(at, 0, RowCount());
    for (int k = 0; k < count; ++k)
        cells_.insert(cells_.begin() + at + k, std::make_unique<TData>(*this, at + k));
    for (int r = at + count; r < RowCount(); ++r)
        cells_[static_cast<std::size_t>(r)]->row_ = r;
    InsertValues(at, count);
}

void TColumn::DeleteRow(int row) {
    CheckRow(row);
    EraseValue(row);
    cells_.erase(cells_.begin() + row);
    for (int r = row; r < RowCount(); ++r)
        cells_[static_cast<std::size_t>(r)]->row_ = r;
}

TGridTable* TColumn::AsTable(int) const {
    WrongType();
}
long double TColumn::AsFloat(int) const {
    WrongType();
}
void TColumn::SetFloat(int, long double) {
    WrongType();
}
std::int32_t TColumn::AsInteger(int) const {
    WrongType();
}
void TColumn::SetInteger(int, std::int32_t) {
    WrongType();
}
TRowObject* TColumn::AsObject(int) const {
    WrongType();
}

int TColumn::HeaderWidth(const TCanvasMetrics& canvas) const {
    int width = 0;
    for (int i = 0; i < CaptionLineCount(); ++i)
        width = std::max(width, canvas.Measure(HeaderLine(i)));
    return width;
}

int TColumn::Width(const TCanvasMetrics& canvas) const {
    return std::max(HeaderWidth(canvas), canvas.PixelsPerInch / 2);
}

void TColumn::Write(TTypedWriter& writer) const {
    writer.WriteInteger(TypeNumber());
    writer.WriteStringList(captions_);
    writer.WriteBoolean(Visible);
    writer.WriteBoolean(Grouped);
    WriteFields(writer);
    writer.NewLine();
}

void TColumn::ReadRecord(TTypedReader& reader) {
    captions_ = reader.ReadStringList();
    Visible = reader.ReadBoolean();
    Grouped = reader.ReadBoolean();
    ReadFields(reader);
}

void TColumn::CopyCommon(TColumn& to) const {
    to.captions_ = captions_;
    to.Visible = Visible;
    to.Grouped = Grouped;
}

std::pair<int, int> TColumn::WriteRange(int row) const {
    CheckRow(row);
    if (!Grouped) return {row, row + 1};
    int g = table_->RowGroup();
    int first = row / g * g;
    return {first, std::min(first + g, RowCount())};
}

void TColumn::Notify(int row) {
    if (Index() >= 0) table_->ColumnCellChanged(*this, row);
}

TColumn* TColumn::Neighbour(int offset) const {
    int i = Index();
    if (i < 0) return nullptr;
    int j = i + offset;
    return j >= 0 && j < table_->ColumnCount() ? &table_->Column(j) : nullptr;
}

// ---- TEnumColumn ----------------------------------------------------------

void TEnumColumn::SetChoices(std::vector<std::string> names) {
    choices_ = std::move(names);
    if (Index() >= 0) {
        for (int i = 0; i < Table().ColumnCount(); ++i)
            if (auto* t = dynamic_cast<TTableColumn*>(&Table().Column(i))) t->FitTemplates();
    }
}

std::int32_t TEnumColumn::AsInteger(int row) const {
    CheckRow(row);
    return values_[static_cast<std::size_t>(row)];
}

void TEnumColumn::SetInteger(int row, std::int32_t v) {
    auto [first, last] = WriteRange(row);
    for (int r = first; r < last; ++r) {
        values_[static_cast<std::size_t>(r)] = v;
        Notify(r);
    }
}

std::string TEnumColumn::CellText(int row) const {
    return std::to_string(AsInteger(row));
}

void TEnumColumn::SetCellText(int row, const std::string& text) {
    long double v = Evaluate(text);
    if (std::trunc(v) != v || v < INT32_MIN || v > INT32_MAX)
        throw EAssignError("Value must be an integer.");
    SetInteger(row, static_cast<std::int32_t>(v));
}

int TEnumColumn::Width(const TCanvasMetrics& canvas) const {
    return std::max(HeaderWidth(canvas), canvas.PixelsPerInch * 3 / 2);
}

std::unique_ptr<TColumn> TEnumColumn::Clone(TGridTable& table) const {
    auto c = std::make_unique<TEnumColumn>(table);
    CopyCommon(*c);
    c->choices_ = choices_;
    return c;
}

void TEnumColumn::InsertValues(int at, int count) {
    values_.insert(values_.begin() + at, static_cast<std::size_t>(count), 1);
}
void TEnumColumn::EraseValue(int row) {
    values_.erase(values_.begin() + row);
}
void TEnumColumn::WriteFields(TTypedWriter& writer) const {
    writer.WriteStringList(choices_);
}
void TEnumColumn::ReadFields(TTypedReader& reader) {
    choices_ = reader.ReadStringList();
}

// ---- TIntColumn -----------------------------------------------------------

std::int32_t TIntColumn::AsInteger(int row) const {
    CheckRow(row);
    return values_[static_cast<std::size_t>(row)];
}

void TIntColumn::SetInteger(int row, std::int32_t v) {
    auto [first, last] = WriteRange(row);
    for (int r = first; r < last; ++r) {
        values_[static_cast<std::size_t>(r)] = v;
        Notify(r);
    }
}

std::string TIntColumn::CellText(int row) const {
    return std::to_string(AsInteger(row));
}

void TIntColumn::SetCellText(int row, const std::string& text) {
    long double v = Evaluate(text);
    // Entries are checked while the table's window is open; a value that does
    // not fit an integer at all is always refused.
    if (Table().WindowOpen()) {
        if (std::fabs(v - std::trunc(v)) > 1e-10L) throw EAssignError("Entry must be an integer.");
        if (v < Minimum || v > Maximum)
            throw EAssignError(Format("Entry must be between %lld and %lld.", Minimum, Maximum));
    }
    long double rounded = RoundHalfEven(v);
    if (rounded < INT32_MIN || rounded > INT32_MAX)
        throw EAssignError(Format("Entry must be between %lld and %lld.", INT32_MIN, INT32_MAX));
    SetInteger(row, static_cast<std::int32_t>(rounded));
}

int TIntColumn::Width(const TCanvasMetrics& canvas) const {
    return TColumn::Width(canvas);
}

std::unique_ptr<TColumn> TIntColumn::Clone(TGridTable& table) const {
    auto c = std::make_unique<TIntColumn>(table);
    CopyCommon(*c);
    c->Default = Default;
    c->Minimum = Minimum;
    c->Maximum = Maximum;
    return c;
}

void TIntColumn::InsertValues(int at, int count) {
    values_.insert(values_.begin() + at, static_cast<std::size_t>(count), Default);
}
void TIntColumn::EraseValue(int row) {
    values_.erase(values_.begin() + row);
}

void TIntColumn::WriteFields(TTypedWriter& writer) const {
    writer.WriteInteger(Default);
    writer.WriteInteger(Minimum);
    writer.WriteInteger(Maximum);
}

void TIntColumn::ReadFields(TTypedReader& reader) {
    Default = reader.ReadInteger();
    Minimum = reader.ReadInteger();
    Maximum = reader.ReadInteger();
}

// ---- TStringColumn --------------------------------------------------------

std::string TStringColumn::CellText(int row) const {
    CheckRow(row);
    return values_[static_cast<std::size_t>(row)];
}

void TStringColumn::SetCellText(int row, const std::string& text) {
    auto [first, last] = WriteRange(row);
    for (int r = first; r < last; ++r) {
        values_[static_cast<std::size_t>(r)] = text;
        Notify(r);
    }
}

int TStringColumn::Width(const TCanvasMetrics& canvas) const {
    return std::max(HeaderWidth(canvas),
                    static_cast<int>(std::lround(canvas.PixelsPerInch * WidthInches)));
}

std::unique_ptr<TColumn> TStringColumn::Clone(TGridTable& table) const {
    auto c = std::make_unique<TStringColumn>(table);
    CopyCommon(*c);
    c->Default = Default;
    c->WidthInches = WidthInches;
    return c;
}

void TStringColumn::InsertValues(int at, int count) {
    values_.insert(values_.begin() + at, static_cast<std::size_t>(count), Default);
}
void TStringColumn::EraseValue(int row) {
    values_.erase(values_.begin() + row);
}

void TStringColumn::WriteFields(TTypedWriter& writer) const {
    writer.WriteString(Default);
    writer.WriteFloat(WidthInches);
}

void TStringColumn::ReadFields(TTypedReader& reader) {
    Default = reader.ReadString();
    long double w = reader.ReadFloat();
    if (w < 0 || w > 100) throw EReadError("column width out of range");
    WidthInches = static_cast<double>(w);
}

// ---- registry -------------------------------------------------------------

namespace {

struct TRegistry {
    std::mutex lock;
    std::map<int, TColumnFactory> factories;
    TRegistry() {
        factories[0] = [](TGridTable& t) { return std::make_unique<TEnumColumn>(t); };
        factories[1] = [](TGridTable& t) { return std::make_unique<TIntColumn>(t); };
        factories[2] = [](TGridTable& t) { return std::make_unique<TFloatColumn>(t); };
        factories[3] = [](TGridTable& t) { return std::make_unique<TTableColumn>(t); };
        factories[4] = [](TGridTable& t) { return std::make_unique<TStringColumn>(t); };
    }
};

TRegistry& Registry() {
    static TRegistry registry;
    return registry;
}

} // namespace

void RegisterColumnType(int typeNumber, TColumnFactory factory) {
    TRegistry& r = Registry();
    std::lock_guard guard(r.lock);
    r.factories[typeNumber] = std::move(factory);
}

void UnregisterColumnType(int typeNumber) {
    TRegistry& r = Registry();
    std::lock_guard guard(r.lock);
    r.factories.erase(typeNumber);
}

TColumnFactory FindColumnType(int typeNumber) {
    TRegistry& r = Registry();
    std::lock_guard guard(r.lock);
    auto it = r.factories.find(typeNumber);
    return it == r.factories.end() ? TColumnFactory() : it->second;
}

} // namespace quvex

namespace quvex {

// ---- TFloatColumn ---------------------------------------------------------

namespace {
const char* const kTopDepthError =
    "If column if a topdepth then the next column must be a float column";
}

TFloatColumn* TFloatColumn::Bottom() const {
    return TopDepth ? dynamic_cast<TFloatColumn*>(Neighbour(1)) : nullptr;
}

TFloatColumn* TFloatColumn::Top() const {
    auto* prev = dynamic_cast<TFloatColumn*>(Neighbour(-1));
    return prev != nullptr && prev->TopDepth ? prev : nullptr;
}

std::string TFloatColumn::CaptionLine(int i) const {
    std::string line = TColumn::CaptionLine(i);
    if (Units.empty() || i != CaptionLineCount() - 1) return line;
    return line + " (" + ColumnUnitsText(Units, Table().Units()) + ")  ";
}

std::string TFloatColumn::HeaderLine(int i) const {
    // the units line already ends in two blanks
    if (!Units.empty() && i == CaptionLineCount() - 1) return CaptionLine(i);
    return TColumn::HeaderLine(i);
}

void TFloatColumn::CheckInsert() const {
    if (!TopDepth) return;
    TColumn* next = Neighbour(1);
    // While columns are being attached the bottom column may not be there yet.
    if (next == nullptr && Table().Attaching()) return;
    if (dynamic_cast<TFloatColumn*>(next) == nullptr) throw EGridError(kTopDepthError);
}

void TFloatColumn::InsertRows(int at, int count) {
    CheckInsert();
    TColumn::InsertRows(at, count);
}

void TFloatColumn::InsertValues(int at, int count) {
    values_.insert(values_.begin() + at, static_cast<std::size_t>(count), Default);
    if (TFloatColumn* bottom = Bottom()) {
        // The bottom column still has its old rows: row at-1 is the row above.
        if (at > 0 && at - 1 < bottom->RowCount())
            std::fill_n(values_.begin() + at, count,
                        bottom->values_[static_cast<std::size_t>(at - 1)]);
    } else if (TFloatColumn* top = Top()) {
        // The top column has its new rows already: row r+1 is the row below.
        for (int r = at; r < at + count; ++r)
            if (r + 1 < RowCount() && r + 1 < top->RowCount())
                values_[static_cast<std::size_t>(r)] =
                    top->values_[static_cast<std::size_t>(r + 1)];
    }
}

void TFloatColumn::DeleteRow(int row) {
    CheckRow(row);
    // Deleting a layer in the middle: the next layer starts where the one
    // above ended, so the layers stay contiguous.
    TFloatColumn* bottom = Bottom();
    if (bottom != nullptr && row > 0 && row < RowCount() - 1 && row - 1 < bottom->RowCount())
        values_[static_cast<std::size_t>(row + 1)] =
            bottom->values_[static_cast<std::size_t>(row - 1)];
    TColumn::DeleteRow(row);
}

void TFloatColumn::EraseValue(int row) {
    values_.erase(values_.begin() + row);
}

long double TFloatColumn::AsFloat(int row) const {
    CheckRow(row);
    return values_[static_cast<std::size_t>(row)];
}

void TFloatColumn::Store(int row, long double x) {
    values_[static_cast<std::size_t>(row)] = x;
    Notify(row);
    if (TFloatColumn* bottom = Bottom()) {
        if (row > 0 && row - 1 < bottom->RowCount()) {
            bottom->values_[static_cast<std::size_t>(row - 1)] = x;
            bottom->Notify(row - 1);
        }
    } else if (TFloatColumn* top = Top()) {
        if (row + 1 < top->RowCount()) {
            top->values_[static_cast<std::size_t>(row + 1)] = x;
            top->Notify(row + 1);
        }
    }
}

void TFloatColumn::SetFloat(int row, long double x) {
    if (!std::isfinite(x))
        throw EAssignError("Entry could not be evaluated:\rinvalid floating point operation");
    auto [first, last] = WriteRange(row);
    for (int r = first; r < last; ++r)
        Store(r, x);
}

std::string TFloatColumn::CellText(int row) const {
    return FormatGeneral(AsFloat(row), 8);
}

void TFloatColumn::SetCellText(int row, const std::string& text) {
    SetFloat(row, Evaluate(text));
}

int TFloatColumn::Width(const TCanvasMetrics& canvas) const {
    return TColumn::Width(canvas);
}

void TFloatColumn::ConvertUnits(int system) {
    long double factor = ConversionFactor(Table().Units(), system, Units);
    if (factor == 1.0L) return;
    for (int r = 0; r < RowCount(); ++r) {
        values_[static_cast<std::size_t>(r)] *= factor;
        Notify(r);
    }
}

std::unique_ptr<TColumn> TFloatColumn::Clone(TGridTable& table) const {
    auto c = std::make_unique<TFloatColumn>(table);
    CopyCommon(*c);
    c->Default = Default;
    c->TopDepth = TopDepth;
    c->Units = Units;
    return c;
}

void TFloatColumn::WriteFields(TTypedWriter& writer) const {
    writer.WriteBoolean(TopDepth);
    writer.WriteString("FLOATCOLUMN2");
    writer.WriteString(Units);
    writer.WriteFloat(Default);
}

void TFloatColumn::ReadFields(TTypedReader& reader) {
    TopDepth = reader.ReadBoolean();
    std::string tag = reader.ReadString();
    if (tag == "FLOATCOLUMN2") {
        Units = reader.ReadString();
        Default = reader.ReadFloat();
    } else {
        Units = tag; // older record: the units string, no default
    }
}

// ---- TTableColumn ---------------------------------------------------------

TGridTable* TGridTableRef::Resolve() const {
    switch (Kind) {
    case TKind::Position:
        return TGridTable::TableAt(Value);
    case TKind::Identifier:
        return TGridTable::FindByIdentifier(Value);
    default:
        return nullptr;
    }
}

void TTableColumn::FitTemplates() {
    std::size_t n = 1;
    if (auto* choices =
            dynamic_cast<TEnumColumn*>(Table().ColumnCount() > 0 ? &Table().Column(0) : nullptr))
        n = choices->Choices().size();
    templates_.resize(n);
}

int TTableColumn::Choice(int row) const {
    if (Table().ColumnCount() == 0) return 1;
    auto* choices = dynamic_cast<TEnumColumn*>(&Table().Column(0));
    if (choices == nullptr || choices == static_cast<const TColumn*>(this) ||
        row >= choices->RowCount())
        return 1;
    return choices->AsInteger(row);
}

void TTableColumn::BuildRow(int row) {
    CheckRow(row);
    auto& slot = objects_[static_cast<std::size_t>(row)];
    slot.reset(); // the previous object (and its window) goes first
    int k = Choice(row);
    builtChoice_[static_cast<std::size_t>(row)] = k;
    TGridTable* tmpl = k >= 1 && k <= static_cast<int>(templates_.size())
                           ? templates_[static_cast<std::size_t>(k - 1)].Resolve()
                           : nullptr;
    TGridTable& table = Table();
    int col = Index();
    if (tmpl != nullptr && tmpl != &table) {
        slot = TGridTable::CreateFromTemplate(&table, row + 1, *tmpl);
    } else if (table.OnInitRow) {
        table.OnInitRow(table, col, row, k, slot);
        if (slot && table.OnSetRow) table.OnSetRow(table, col, slot.get(), row);
    }
    Notify(row); // the row's button caption
}

void TTableColumn::ChoiceChanged(int row) {
    if (row >= 0 && row < RowCount() && builtChoice_[static_cast<std::size_t>(row)] != Choice(row))
        BuildRow(row);
}

std::string TTableColumn::RowCaption(int row) const {
    TRowObject* object = AsObject(row);
    if (auto* sub = dynamic_cast<TGridTable*>(object)) return sub->Caption;
    std::string caption;
    if (object != nullptr && Table().OnGetButtonCaption)
        Table().OnGetButtonCaption(Table(), Index(), row, object, caption);
    return caption;
}

void TTableColumn::Renumber(int from) {
    TGridTable& table = Table();
    for (int r = from; r < RowCount(); ++r) {
        TRowObject* object = objects_[static_cast<std::size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object))
            sub->SetInstanceNumber(r + 1);
        else if (object != nullptr && table.OnSetRow)
            table.OnSetRow(table, Index(), object, r);
    }
}

void TTableColumn::InsertRows(int at, int count) {
    if (count <= 0) return;
    at = std::clamp(at, 0, RowCount());
    TColumn::InsertRows(at, count);
    for (int r = at; r < at + count; ++r)
        BuildRow(r);
    Renumber(at + count);
}

void TTableColumn::InsertValues(int at, int count) {
    for (int k = 0; k < count; ++k)
        objects_.insert(objects_.begin() + at, nullptr);
    builtChoice_.insert(builtChoice_.begin() + at, static_cast<std::size_t>(count), 0);
}

void TTableColumn::DeleteRow(int row) {
    TColumn::DeleteRow(row);
    Renumber(row);
}

void TTableColumn::EraseValue(int row) {
    auto object = std::move(objects_[static_cast<std::size_t>(row)]);
    objects_.erase(objects_.begin() + row);
    builtChoice_.erase(builtChoice_.begin() + row);
    object.reset();
}

TGridTable* TTableColumn::AsTable(int row) const {
    return dynamic_cast<TGridTable*>(AsObject(row));
}

TRowObject* TTableColumn::AsObject(int row) const {
    CheckRow(row);
    return objects_[static_cast<std::size_t>(row)].get();
}

bool TTableColumn::IsChanged() const {
    for (int r = 0; r < RowCount(); ++r) {
        TRowObject* object = objects_[static_cast<std::size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object)) {
            if (sub->IsChanged()) return true;
        } else if (object != nullptr && Table().OnGetChanged) {
            bool changed = false;
            Table().OnGetChanged(Table(), Index(), r, object, changed);
            if (changed) return true;
        }
    }
    return false;
}

void TTableColumn::ResetChanged() {
    for (int r = 0; r < RowCount(); ++r) {
        TRowObject* object = objects_[static_cast<std::size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object))
            sub->SetChanged(false);
        else if (object != nullptr && Table().OnResetChanged)
            Table().OnResetChanged(Table(), Index(), r, object);
    }
}

void TTableColumn::CloseWindows() {
    for (int r = 0; r < RowCount(); ++r) {
        TRowObject* object = objects_[static_cast<std::size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object))
            sub->CloseWindow();
        else if (object != nullptr && Table().OnHide)
            Table().OnHide(Table(), Index(), r, object);
    }
}

int TTableColumn::Width(const TCanvasMetrics& canvas) const {
    return std::max(HeaderWidth(canvas), canvas.PixelsPerInch * 2);
}

void TTableColumn::ConvertUnits(int system) {
    for (int r = 0; r < RowCount(); ++r) {
        TRowObject* object = objects_[static_cast<std::size_t>(r)].get();
        if (auto* sub = dynamic_cast<TGridTable*>(object))
            sub->SetUnits(system);
        else if (object != nullptr && Table().OnSetUnits)
            Table().OnSetUnits(Table(), Index(), r, object, system);
    }
}

std::unique_ptr<TColumn> TTableColumn::Clone(TGridTable& table) const {
    auto c = std::make_unique<TTableColumn>(table);
    CopyCommon(*c);
    c->templates_ = templates_;
    return c;
}

void TTableColumn::WriteFields(TTypedWriter& writer) const {
    writer.WriteString("FLEXCOLUMN2");
    std::vector<std::int32_t> ids;
    for (const TGridTableRef& ref : templates_) {
        TGridTable* t = ref.Resolve();
        ids.push_back(t != nullptr ? t->Identifier() : -1);
    }
    writer.WriteIntegerList(ids);
}

void TTableColumn::ReadFields(TTypedReader& reader) {
    std::string tag = reader.ReadString();
    templates_.clear();
    if (tag == "FLEXCOLUMN2") {
        for (std::int32_t id : reader.ReadIntegerList())
            templates_.push_back(TGridTableRef::ByIdentifier(id));
        return;
    }
    // Older record: one position in the table list.  With HardwiredButton it
    // serves every choice; otherwise choice k uses the table with identifier k.
    std::int32_t position = reader.ReadInteger();
    std::size_t n = 1;
    if (auto* choices =
            dynamic_cast<TEnumColumn*>(Table().ColumnCount() > 0 ? &Table().Column(0) : nullptr))
        n = choices->Choices().size();
    for (std::size_t k = 1; k <= n; ++k)
        templates_.push_back(Table().HardwiredButton
                                 ? TGridTableRef::ByPosition(position)
                                 : TGridTableRef::ByIdentifier(static_cast<int>(k)));
}

} // namespace quvex
