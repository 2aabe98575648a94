#include "Table.hpp"

#include <algorithm>
#include <mutex>

#include "TypedStream.hpp"

namespace quvex {
namespace {

// All grid tables in creation order, the identifier counter and the window
// factory.  Tables live on the user-interface thread; the lock only keeps
// the shared list sound.
struct TTableList {
    std::mutex lock;
    std::vector<TGridTable*> tables;
    int nextIdentifier = 0;
    TTableWindowFactory windowFactory;
};

TTableList& Tables() {
    static TTableList list;
    return list;
}

constexpr int kMaxNesting = 16; // sub-tables of sub-tables; deeper means a template loop

} // namespace

TGridTable::TGridTable(TGridTable* owner) : owner_(owner) {
    if (owner_ != nullptr) units_ = owner_->units_;
    TTableList& list = Tables();
    std::lock_guard guard(list.lock);
    // Skip numbers that tables already hold (designed identifiers of templates).
    auto taken = [&list](int id) {
        return std::any_of(list.tables.begin(), list.tables.end(),
                           [id](const TGridTable* t) { return t->identifier_ == id; });
    };
    while (taken(list.nextIdentifier))
        ++list.nextIdentifier;
    identifier_ = list.nextIdentifier++;
    list.tables.push_back(this);
}

TGridTable::~TGridTable() {
    destroying_ = true;
    window_.reset();
    SetRowCount(0);
    columns_.clear();
    TTableList& list = Tables();
    std::lock_guard guard(list.lock);
    std::erase(list.tables, this);
}

void TGridTable::SetIdentifier(int v) {
    if (v < 0) return;
    TTableList& list = Tables();
    std::lock_guard guard(list.lock);
    for (TGridTable* t : list.tables)
        if (t != this && t->identifier_ == v) t->identifier_ = identifier_;
    identifier_ = v;
}

void TGridTable::SetMinRows(int v) {
    if (v <= 0) {
        if (!Loading) throw EGridError("Value must be greater than 0");
        v = 1;
    }
    minRows_ = v;
}

int TGridTable::TableCount() {
    TTableList& list = Tables();
    std::lock_guard guard(list.lock);
    return static_cast<int>(list.tables.size());
}

TGridTable* TGridTable::TableAt(int position) {
    TTableList& list = Tables();
    std::lock_guard guard(list.lock);
    if (position < 0 || position >= static_cast<int>(list.tables.size())) return nullptr;
    return list.tables[static_cast<std::size_t>(position)];
}

TGridTable* TGridTable::FindByIdentifier(int id) {
    TTableList& list = Tables();
    std::lock_guard guard(list.lock);
    for (TGridTable* t : list.tables)
        if (t->identifier_ == id) return t;
    return nullptr;
}

// ---- columns ----------------------------------------------------------------

TColumn& TGridTable::Column(int i) const {
    if (i < 0 || i >= ColumnCount()) throw EListError("Index out of bounds");
    return *columns_[static_cast<std::size_t>(i)];
}

int TGridTable::VisibleColumnCount() const {
    return static_cast<int>(
        std::count_if(columns_.begin(), columns_.end(), [](const auto& c) { return c->Visible; }));
}

TColumn& TGridTable::VisibleColumn(int i) const {
    for (const auto& c : columns_)
        if (c->Visible && i-- == 0) return *c;
    throw EListError("Index out of bounds");
}

int TGridTable::IndexOf(const TColumn& column) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].get() == &column) return static_cast<int>(i);
    return -1;
}

TColumn& TGridTable::AddColumn(std::unique_ptr<TColumn> column) {
    if (&column->Table() != this) throw EGridError("Column belongs to another table");
    columns_.push_back(std::move(column));
    TColumn& c = *columns_.back();
    bool was = attaching_;
    attaching_ = true;
    try {
        for (int r = 0; r < rowCount_; r += rowGroup_)
            c.InsertRows(r, std::min(rowGroup_, rowCount_ - r));
    } catch (...) {
        attaching_ = was;
        columns_.pop_back();
        throw;
    }
    attaching_ = was;
    if (auto* choices = dynamic_cast<TEnumColumn*>(&c); choices != nullptr && columns_.size() == 1)
        FitTemplates();
    if (auto* sub = dynamic_cast<TTableColumn*>(&c)) sub->FitTemplates();
    return c;
}

void TGridTable::ClearColumns() {
    // Sub-tables go with their rows before the columns themselves.
    for (auto& c : columns_)
        while (c->RowCount() > 0)
            c->DeleteRow(c->RowCount() - 1);
    columns_.clear();
    rowCount_ = 0;
}

void TGridTable::FitTemplates() {
    for (auto& c : columns_)
        if (auto* sub = dynamic_cast<TTableColumn*>(c.get())) sub->FitTemplates();
}

// ---- rows -------------------------------------------------------------------

void TGridTable::InsertRowsAll(int at, int count) {
    for (auto& c : columns_)
        c->CheckInsert(); // refuse before any column changes
    for (auto& c : columns_)
        c->InsertRows(at, count);
    rowCount_ += count;
}

void TGridTable::DeleteRowAll(int row) {
    for (auto& c : columns_)
        c->DeleteRow(row);
    --rowCount_;
}

void TGridTable::SetRowCount(int n) {
    n = std::max(n, 0);
    while (rowCount_ > n)
        DeleteRowAll(rowCount_ - 1);
    while (rowCount_ < n)
        InsertRowsAll(rowCount_, rowGroup_);
}

void TGridTable::AddGroup() {
    InsertRowsAll(rowCount_, rowGroup_);
    FireTableChanged();
}

void TGridTable::InsertGroup(int row) {
    int first = std::clamp(row, 0, rowCount_) / rowGroup_ * rowGroup_;
    InsertRowsAll(first, rowGroup_);
    FireTableChanged();
}

void TGridTable::DeleteGroup(int row) {
    if (row < 0 || row >= rowCount_) throw EListError("Index out of bounds");
    int first = row / rowGroup_ * rowGroup_;
    int count = std::min(rowGroup_, rowCount_ - first);
    for (int k = 0; k < count; ++k)
        DeleteRowAll(first);
    FireTableChanged();
}

// ---- units, sub-tables, changed state ----------------------------------------

void TGridTable::SetUnits(int system) {
    if (system == units_) return;
    for (auto& c : columns_)
        c->ConvertUnits(system);
    units_ = system;
    FireTableChanged();
}

void TGridTable::SetInstanceNumber(int number) {
    if (number == instance_) return;
    instance_ = number;
    FireTableChanged(); // the window shows the instance in its caption
}

std::string TGridTable::InstanceName() const {
    if (instance_ == 0) return "";
    std::string parent = owner_ != nullptr ? owner_->InstanceName() : std::string();
    return parent + " " + std::to_string(instance_);
}

std::unique_ptr<TGridTable> TGridTable::CreateFromTemplate(TGridTable* owner, int number,
                                                           const TGridTable& tmpl) {
    int depth = 0;
    for (TGridTable* t = owner; t != nullptr; t = t->owner_)
        if (++depth > kMaxNesting)
            throw EGridError("Sub-tables nested too deeply: template \"" + tmpl.Caption +
                             "\" refers to itself");
    auto table = std::make_unique<TGridTable>(owner);
    table->Caption = tmpl.Caption;
    table->Comments = tmpl.Comments;
    table->TopLeft = tmpl.TopLeft;
    table->minRows_ = tmpl.minRows_;
    table->MaxRows = tmpl.MaxRows;
    table->instance_ = number;
    for (const auto& c : tmpl.columns_)
        table->AddColumn(c->Clone(*table));
    table->SetRowCount(table->minRows_);
    return table;
}

bool TGridTable::IsChanged() const {
    if (changed_) return true;
    return std::any_of(columns_.begin(), columns_.end(),
                       [](const auto& c) { return c->IsChanged(); });
}

void TGridTable::SetChanged(bool flag) {
    if (flag) {
        changed_ = true;
        return;
    }
    changed_ = false;
    for (auto& c : columns_)
        c->ResetChanged();
}

// ---- notifications and window ----------------------------------------------

void TGridTable::ColumnCellChanged(TColumn& column, int row) {
    if (destroying_) return;
    int col = IndexOf(column);
    if (col == 0 && dynamic_cast<TEnumColumn*>(&column) != nullptr) {
        for (auto& c : columns_)
            if (auto* sub = dynamic_cast<TTableColumn*>(c.get())) {
                sub->ChoiceChanged(row);
                break;
            }
    }
    if (window_) window_->CellChanged(col, row);
    if (OnCellChanged) OnCellChanged(*this, col, row);
}

void TGridTable::FireTableChanged() {
    if (destroying_) return;
    if (window_) window_->TableChanged();
    if (OnTableChanged) OnTableChanged(*this);
}

void TGridTable::SetWindowFactory(TTableWindowFactory factory) {
    TTableList& list = Tables();
    std::lock_guard guard(list.lock);
    list.windowFactory = std::move(factory);
}

void TGridTable::Show(bool modal) {
    if (!window_) {
        if (VisibleColumnCount() == 0) return;
        TTableWindowFactory factory;
        {
            TTableList& list = Tables();
            std::lock_guard guard(list.lock);
            factory = list.windowFactory;
        }
        if (!factory) return;
        if (rowCount_ < minRows_) SetRowCount(minRows_);
        window_ = factory(*this, modal);
        if (!window_) return;
    }
    window_->Show(modal);
}

void TGridTable::CloseWindow() {
    window_.reset();
    for (auto& c : columns_)
        c->CloseWindows();
}

// ---- column definitions -------------------------------------------------------

void TGridTable::WriteColumns(TTypedWriter& writer) const {
    writer.WriteInteger(ColumnCount());
    writer.NewLine();
    for (const auto& c : columns_)
        c->Write(writer);
}

void TGridTable::ReadColumns(TTypedReader& reader) {
    ClearColumns();
    int n = 0;
    try {
        n = reader.ReadInteger();
    } catch (const std::exception&) {
        throw EGridError("Error reading column count");
    }
    if (n < 0) throw EGridError("Error reading column count");
    for (int i = 0; i < n; ++i) {
        try {
            int type = reader.ReadInteger();
            TColumnFactory factory = FindColumnType(type);
            if (!factory) throw EGridError("Error Column Class not defined");
            std::unique_ptr<TColumn> column = factory(*this);
            column->ReadRecord(reader);
            AddColumn(std::move(column));
            FitTemplates();
        } catch (const std::exception& e) {
            throw EGridError("Error occured when creating column " + std::to_string(i) + ": " +
                             e.what());
        }
    }
    FitTemplates();
    FireTableChanged();
}

std::string TGridTable::ColText() const {
    TTypedWriter writer;
    WriteColumns(writer);
    return writer.Text();
}

void TGridTable::SetColText(const std::string& text, const std::string& source) {
    TTypedReader reader(text, source);
    ReadColumns(reader);
}

} // namespace quvex
