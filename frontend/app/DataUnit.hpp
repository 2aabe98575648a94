// The current project: the scalar part (TProgramData) and the table and plot
// components of the main window that hold the list-shaped data and results
// (TProject).  The main window owns one TProject for the program's life; New
// and Open replace its TProgramData and reset or refill its components.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "PltData.hpp"
#include "Table.hpp"
#include "WordRead.hpp"

namespace quvex {

inline constexpr const char* kUntitledName = "NewQUVEX.qx6d";
inline constexpr int kMethodCount = 9;
inline constexpr int kMaxResultPoints = 501;
inline constexpr int kMaxLayers = 40;
inline constexpr int kMaxTzDepths = 100;
inline constexpr int kMaxSectionRows = 100;

// Short names of the methods by method number 1..9 (index 0 unused).
const std::string& MethodShortName(int method);

enum TSoilType : int { stSand = 1, stClay = 2, stSilt = 3 };

// The scalar part of a project.  Every dimensional value is in the units of
// UnitSystem (1 English: ft, in, lb/in^2; 2 S.I.: m, mm, kN/m^2).
struct TProgramData {
    int UnitSystem = 1;
    std::string DataFileName = kUntitledName;
    std::string GwiFileName;
    std::string CptFileName;
    std::string Title = "New Pile";
    std::string DesignerName;
    std::string JobNumber;
    int PrintInterval = 1;
    double Increment = 1.0;
    double Perimeter = 0;
    double TipArea = 0;
    bool CircularSection = true;
    bool ClosedEnd = false;
    double OuterDiameter = 0;
    double InnerDiameter = 0;
    double ElasticModulus = 0;
    double TotalLength = 0;
    double StickupLength = 0;
    double EndSectionLength = 0;
    double EndSectionInnerDiameter = 0;
    double ZeroFrictionLength = 0;
    int MaterialType = 1;
    double TaperAngle = 0;
    int AreaOption = 0;
    double ConstantArea = 0;
    int Method = 4;
    // Index 1..9 (index 0 unused); only API (4) on a new project.
    std::array<bool, kMethodCount + 1> MethodSelected{false, false, false, false, true,
                                                      false, false, false, false, false};
    int ReducedResistance = 0;
    int LoadDirection = 0; // 0 compression, 1 tension
    double TensionReductionFactor = 1.0;
    int ClayDrained = 0;
    int PlugCondition = 0;
    int CriticalDepthOption = 0;
    double CriticalDepth = 0;
    int ExtraTzCurves = 0;
    double ProfileBottomDepth = 0;

    // Result cache of the governing method, filled from the plot data file.
    int ResultCount = 0;
    std::array<double, kMaxResultPoints> ResultDepth{};
    std::array<double, kMaxResultPoints> ResultUnitSkin{};
    std::array<double, kMaxResultPoints> ResultTip{};

    // CPT points held in the project's MotionInput curve, and the reading
    // settings of the CPT data dialog (not stored in the data file).
    int CptPointCount = 0;
    std::string CptSourceFile;
    int CptDataLines = 0;
    int CptHeaderLines = 0;
    int CptColumns = 0;

    bool Tension() const { return LoadDirection == 1; }
    bool Untitled() const { return DataFileName == kUntitledName; }
};

// Outcome of reading a file that must still be opened when it is damaged: the
// exact message for the user and where reading stopped.
struct TReadResult {
    bool Ok = true;
    std::string Message;
    std::string FileName;
    int Line = 0;
    int Item = 0;
};

// The path with its extension replaced (ext with its dot, e.g. ".qx6p").
std::string ChangeFileExt(const std::string& path, const std::string& ext);

class TProject {
public:
    TProject();
    ~TProject();
    TProject(const TProject&) = delete;
    TProject& operator=(const TProject&) = delete;

    TProgramData& Data() { return *data_; }
    const TProgramData& Data() const { return *data_; }

    // ---- tables of the main window
    TGridTable& D() const { return *d_; }
    TGridTable& tblDataSand() const { return *sand_; }
    TGridTable& tblDataClay() const { return *clay_; }
    TGridTable& tblDataSilt() const { return *silt_; }
    TGridTable& TblTZDepth() const { return *tzDepth_; }
    TGridTable& Sectionaldata() const { return *section_; }
    // All of them, D first.
    std::array<TGridTable*, 6> Tables() const;

    // ---- plot descriptions of the main window
    TGraphPlot MotionInput; // CPT points: x cone resistance, y depth
    TGraphPlot pltUSkin, pltSkin, pltTip, pltTotal, pltLoad, pltCombine, pltAxial, pltTZcurves,
        PltExtraTZ, PltQw;
    std::array<TGraphPlot*, 10> ResultPlots();

    // ---- layers (rows of D)
    int LayerCount() const { return d_->RowCount(); }
    int SoilType(int layer) const;            // 1 sand, 2 clay, 3 silt
    void SetSoilType(int layer, int type);    // rebuilds the layer's data table
    long double LayerBottom(int layer) const; // depth at the bottom
    TGridTable& LayerData(int layer) const;   // 2 rows: top, bottom

    // ---- document commands
    // Default project: every child window closed, tables at their minimum
    // rows of default cells, English units, not modified.
    void New();
    // New, then DataFileName = path and the file read (current format when
    // currentFormat, else the older .qxd layout).  A damaged file still opens:
    // the values read so far are kept and the result says what went wrong.
    TReadResult Open(const std::string& path, bool currentFormat);
    // Writes the data file to DataFileName and the CPT companion file beside
    // it (each completely or not at all); clears the modified flag.
    void Save();

    // Target clamped into 1..2; converts the tables and the scalar fields.
    // Callers switch only when the target differs from UnitSystem.
    void SwitchUnits(int target);

    // Shows the user-specified unit value columns only while Method is 5.
    void UpdateTableColumns();
    // Grows every table with fewer rows than its minimum.
    void EnsureMinimumRows();

    // ---- modified flag: the project's own flag or any table's change flag.
    // Dialogs set the project's flag on every edit; table windows mark
    // their table changed (edits made through the model mark nothing).
    bool Modified() const;
    void SetModified(bool flag);

    // ---- notifications (sender first)
    // Before New/Open replaces the project: the user interface closes its
    // child windows (the model closes the table windows itself).
    std::function<void(TProject&)> OnBeforeReplace;
    // After New/Open filled the new project.
    std::function<void(TProject&)> OnReplaced;
    // After a unit switch: open data dialogs refresh from the project.
    std::function<void(TProject&)> OnUnitsChanged;
    // The project's own modified flag changed.
    std::function<void(TProject&, bool modified)> OnModifiedChanged;

private:
    void BuildTables();
    void InitPlots();
    void CloseWindows();

    std::unique_ptr<TProgramData> data_;
    std::unique_ptr<TGridTable> sand_, clay_, silt_, d_, tzDepth_, section_;
    bool modified_ = false;
};

} // namespace quvex
