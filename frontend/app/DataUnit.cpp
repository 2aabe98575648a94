#include "DataUnit.hpp"

#include <algorithm>
#include <filesystem>

#include "DataFile.hpp"

namespace quvex {
namespace {

// Column definitions of the main window's tables, in the stored form.
const char* const kSandCol = R"(8
2 ('Effective' 'Unit Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
2 ('Friction' 'Angle (deg.)') True False False 'FLOATCOLUMN2' '' 0.0
1 ('Blow Counts ' '(optional)') True False 0 0 100
2 ('Ko') True False False 'FLOATCOLUMN2' '' 0.0
2 ('Bearing Capacity' 'Factor Nq (API)') True False False 'FLOATCOLUMN2' '' 0.0
2 ('Qc from CPT' '(optional)') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
2 ('Unit Skin Friction' 'User Specified') False False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
2 ('Unit End Bearing' 'User Specified') False False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
)";

const char* const kClayCol = R"(8
2 ('Effective' 'Unit Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
2 ('Undrained' 'Shear Strength') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
2 ('Remolded' 'Shear Strength') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
2 ('Plastic Index PI' '(optional), %') True False False 'FLOATCOLUMN2' '' 0.0
2 ('Yield Stress Ratio' 'YSR (optional)') True False False 'FLOATCOLUMN2' '' 0.0
2 ('Qc from CPT' '(optional)') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
2 ('Unit Skin Friction' 'User Specified') False False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
2 ('Unit End Bearing' 'User Specified') False False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
)";

const char* const kSiltCol = R"(8
2 ('Effective' 'Unit Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
2 ('Friction' 'Angle (deg.)') True False False 'FLOATCOLUMN2' '' 0.0
1 ('Blow Counts ' '(optional)') True False 0 0 100
2 ('Ko') True False False 'FLOATCOLUMN2' '' 0.0
2 ('Undrained' 'Shear Strength') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
2 ('Dummy') True False False 'FLOATCOLUMN2' '' 0.0
2 ('Unit Skin Friction' 'User Specified') False False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
2 ('Unit End Bearing' 'User Specified') False False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
)";

// The template identifiers are replaced by those of this project's templates.
const char* const kLayersCol = R"(7
0 ('Soil Type') True False ('sand' 'clay' 'silt')
2 ('Depth at Bottom ' 'of each Layer') True False False 'FLOATCOLUMN2' 'L2' 0.0
3 ('Layer Data') True False 'FLEXCOLUMN2' (1 2 19)
2 ('Max. Side Friction' '') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
2 ('Max. End Bearing' '') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
2 ('Reduction/Resistance' 'Factor on Side Friction') True False False 'FLOATCOLUMN2' '' 1.0
2 ('Reduction/Resistance' 'Factor on End Bearing') True False False 'FLOATCOLUMN2' '' 1.0
)";

const char* const kTzDepthCol = R"(1
2 ('Depth below' 'the Ground Surface') True False False 'FLOATCOLUMN2' 'L2' 0.0
)";

const char* const kSectionCol = R"(2
2 ('Distance from' 'the Pile Head') True False False 'FLOATCOLUMN2' 'L2' 0.0
2 ('Cross Section' 'Area') True False False 'FLOATCOLUMN2' 'L^2' 0.0
)";

std::unique_ptr<TGridTable> MakeTable(const char* col, const char* name, const std::string& caption,
                                      int minRows, int maxRows) {
    auto t = std::make_unique<TGridTable>();
    t->SetColText(col, name);
    t->Caption = caption;
    t->SetMinRows(minRows);
    t->MaxRows = maxRows;
    return t;
}

struct TPlotSetting {
    TGraphPlot* plot;
    const char* caption;
    const char* xCaption;
    const char* xUnits;
    const char* yCaption;
    const char* yUnits;
    bool xOnTop;
};

const std::array<std::string, kMethodCount + 1> kShortNames{
    "", "FHWA", "USACE", "Lambda", "API", "User Spec.", "NGI", "MTD", "FUGRO", "UWA"};

} // namespace

const std::string& MethodShortName(int method) {
    static const std::string none;
    return method >= 1 && method <= kMethodCount ? kShortNames[static_cast<std::size_t>(method)]
                                                 : none;
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    std::filesystem::path p(path);
    p.replace_extension(ext);
    return p.string();
}

TProject::TProject() : data_(std::make_unique<TProgramData>()) {
    BuildTables();
    InitPlots();
    New();
}

TProject::~TProject() {
    CloseWindows();
    // D's rows hold copies of the templates; they go first.
    d_.reset();
}

void TProject::BuildTables() {
    sand_ = MakeTable(kSandCol, "tblDataSand", "Sand", 2, 2);
    clay_ = MakeTable(kClayCol, "tblDataClay", "Clay", 2, 2);
    silt_ = MakeTable(kSiltCol, "tblDataSilt", "Silt", 2, 2);
    for (TGridTable* t : {sand_.get(), clay_.get(), silt_.get()})
        t->TopLeft = "Location, 1=Top, 2=Bottom";
    d_ = MakeTable(kLayersCol, "D", "Soil Properties", 1, kMaxLayers);
    auto& layerData = dynamic_cast<TTableColumn&>(d_->Column(2));
    layerData.Templates() = {TGridTableRef::ByIdentifier(sand_->Identifier()),
                             TGridTableRef::ByIdentifier(clay_->Identifier()),
                             TGridTableRef::ByIdentifier(silt_->Identifier())};
    tzDepth_ = MakeTable(kTzDepthCol, "TblTZDepth", "Depths for Internally-generated t-z curves", 1,
                         kMaxTzDepths);
    section_ = MakeTable(kSectionCol, "Sectionaldata", "Cross Section Area", 2, kMaxSectionRows);
}

void TProject::InitPlots() {
    const TPlotSetting settings[] = {
        {&pltUSkin, "Unit Skin Friction vs Depth", "Unit Skin Friction", "F1/L2^2", "Depth", "L2",
         true},
        {&pltSkin, "Accumulated Skin Friction vs Depth", "Accumulated Skin Friction ", "F1",
         "Depth ", "L2", true},
        {&pltTip, "Tip Resistance vs Depth", "Tip Resistance ", "F1", "Depth ", "L2", true},
        {&pltTotal, "Total Capacity vs Depth", "Total Capacity ", "F1", "Depth ", "L2", true},
        {&pltLoad, "Load Distribution", "Total Capacity ", "F1", "Depth ", "L2", true},
        {&pltCombine, "Combine Plot", "Axial Capacity", "F1", "Depth", "L2", true},
        {&pltAxial, "Axial Load vs Settlement", "Axial Load ", "F1", "", "", true},
        {&PltQw, "Internally-Generated Q-w Curve", "Tip Resistance, Q", "F1", "Tip Movement,w",
         "L1", true},
        {&pltTZcurves, "Internally-Generated t-z Curves", "Displacement, z", "L",
         "Unit Load Transfer, t", "F/L^2", false},
        {&PltExtraTZ, "Extra t-z curves at User Specified Depths", "Displacement, z", "L",
         "Unit Load Transfer, t", "F/L^2", false},
    };
    for (const TPlotSetting& s : settings) {
        TGraphPlot& p = *s.plot;
        p.Caption = s.caption;
        p.XCaption = s.xCaption;
        p.XUnits = s.xUnits;
        p.YCaption = s.yCaption;
        p.YUnits = s.yUnits;
        p.XOnTop = s.xOnTop;
        p.ShowLegend = true;
        p.Markers = 1;
        p.SizeFont = 10;
        p.LegendFont = 11;
        p.WidthLine = 1;
        p.CurveName = "Curve #";
    }
    MotionInput.Caption = "CPT Profile";
    MotionInput.SetCurveCount(1);
}

std::array<TGridTable*, 6> TProject::Tables() const {
    return {d_.get(), sand_.get(), clay_.get(), silt_.get(), tzDepth_.get(), section_.get()};
}

std::array<TGraphPlot*, 10> TProject::ResultPlots() {
    return {&pltUSkin,   &pltSkin,  &pltTip,      &pltTotal,   &pltLoad,
            &pltCombine, &pltAxial, &pltTZcurves, &PltExtraTZ, &PltQw};
}

// ---- layers -------------------------------------------------------------------

int TProject::SoilType(int layer) const {
    return d_->Cell(0, layer).AsInteger();
}

void TProject::SetSoilType(int layer, int type) {
    d_->Cell(0, layer).SetInteger(std::clamp(type, 1, 3));
}

long double TProject::LayerBottom(int layer) const {
    return d_->Cell(1, layer).AsFloat();
}

TGridTable& TProject::LayerData(int layer) const {
    TGridTable* t = d_->Cell(2, layer).AsTable();
    if (t == nullptr) throw EGridError("Layer " + std::to_string(layer + 1) + " has no data table");
    return *t;
}

// ---- document commands -------------------------------------------------------------

void TProject::CloseWindows() {
    for (TGridTable* t : Tables())
        if (t != nullptr) t->CloseWindow();
}

void TProject::EnsureMinimumRows() {
    for (TGridTable* t : Tables())
        if (t->RowCount() < t->MinRows()) t->SetRowCount(t->MinRows());
}

void TProject::New() {
    if (OnBeforeReplace) OnBeforeReplace(*this);
    CloseWindows();
    data_ = std::make_unique<TProgramData>();
    // Emptied first, so taking English units converts nothing.
    for (TGridTable* t : Tables())
        t->SetRowCount(0);
    for (TGridTable* t : Tables())
        t->SetUnits(1);
    EnsureMinimumRows();
    MotionInput.SetCurveCount(1);
    MotionInput.SetPointCount(0);
    for (TGraphPlot* p : ResultPlots())
        p->SetUnits(1);
    MotionInput.SetUnits(1);
    UpdateTableColumns();
    SetModified(false);
    if (OnReplaced) OnReplaced(*this);
}

TReadResult TProject::Open(const std::string& path, bool currentFormat) {
    std::function<void(TProject&)> replaced = std::move(OnReplaced);
    OnReplaced = nullptr;
    New();
    OnReplaced = std::move(replaced);
    data_->DataFileName = path;
    TReadResult result = ReadDataFile(*this, path, currentFormat);
    EnsureMinimumRows();
    UpdateTableColumns();
    SetModified(false);
    if (OnReplaced) OnReplaced(*this);
    return result;
}

void TProject::Save() {
    WriteProjectFiles(*this);
    SetModified(false);
}

void TProject::UpdateTableColumns() {
    const bool user = data_->Method == 5;
    auto show = [user](TGridTable& t) {
        for (int c : {6, 7})
            if (c < t.ColumnCount()) t.Column(c).Visible = user;
        t.FireTableChanged();
    };
    for (TGridTable* t : {sand_.get(), clay_.get(), silt_.get()})
        show(*t);
    for (int r = 0; r < d_->RowCount(); ++r)
        if (TGridTable* sub = d_->Cell(2, r).AsTable()) show(*sub);
    d_->FireTableChanged();
}

// ---- units ------------------------------------------------------------------------------

void TProject::SwitchUnits(int target) {
    target = std::clamp(target, 1, 2);
    TProgramData& p = *data_;
    p.UnitSystem = target;
    for (TGridTable* t : Tables())
        t->SetUnits(target);
    const bool english = target == 1;
    const long double inchPerMeter = 39.37007874L;
    const long double small = english ? 0.03937007874L : 25.4L;
    const long double length = english ? 3.280839895L : 0.3048L;
    const long double area = english ? inchPerMeter * inchPerMeter : 0.0254L * 0.0254L;
    const long double modulus = english ? 224.8089237L / (inchPerMeter * inchPerMeter)
                                        : 0.00444822199911631L / (0.0254L * 0.0254L);
    auto scale = [](double& v, long double f) { v = static_cast<double>(v * f); };
    for (double* v : {&p.Perimeter, &p.OuterDiameter, &p.InnerDiameter, &p.EndSectionInnerDiameter})
        scale(*v, small);
    for (double* v : {&p.TotalLength, &p.StickupLength, &p.EndSectionLength, &p.ZeroFrictionLength,
                      &p.Increment, &p.ProfileBottomDepth})
        scale(*v, length);
    for (double* v : {&p.TipArea, &p.ConstantArea})
        scale(*v, area);
    scale(p.ElasticModulus, modulus);
    if (OnUnitsChanged) OnUnitsChanged(*this);
}

// ---- modified flag ----------------------------------------------------------------------

bool TProject::Modified() const {
    if (modified_) return true;
    for (TGridTable* t : Tables())
        if (t->IsChanged()) return true;
    return false;
}

void TProject::SetModified(bool flag) {
    const bool was = modified_;
    modified_ = flag;
    if (!flag)
        for (TGridTable* t : Tables())
            t->SetChanged(false);
    if (was != flag && OnModifiedChanged) OnModifiedChanged(*this, flag);
}

} // namespace quvex
