#include "DataFile.hpp"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>
#include <filesystem>

#include "MiscMath.hpp"
#include "TextOut.hpp"

namespace quvex {
namespace {

// Columns of the layer table D.
enum {
    kType = 0,
    kBottom = 1,
    kLayerData = 2,
    kMaxSide = 3,
    kMaxEnd = 4,
    kFactorSide = 5,
    kFactorEnd = 6
};
constexpr int kUserSkin = 6, kUserEnd = 7; // columns of the layer data tables

// Which column of a layer data table fills each slot of a soil point's
// records (-1: the placeholder 0.0).  Record A slots 3-6 (Ko, unit weight,
// friction angle, Nq), record B slots 3-9 (Su, Sr or N, YSR, PI, qc, f, q).
struct TSlotMap {
    int a[4];
    int b[7];
};
const TSlotMap kSlots[4] = {
    {},
    {{3, 0, 1, 4}, {-1, 2, -1, -1, 5, kUserSkin, kUserEnd}},  // sand
    {{-1, 0, -1, -1}, {1, 2, 4, 3, 5, kUserSkin, kUserEnd}},  // clay
    {{3, 0, 1, -1}, {4, 2, -1, -1, -1, kUserSkin, kUserEnd}}, // silt
};

class TRecordWriter {
public:
    void Text(const std::string& s) { text_ += s + " "; }
    void Real(double v) { Text(FormatGeneral(v, 10)); }
    void Int(long long v) { Text(std::to_string(v)); }
    void Cell(const TGridTable& t, int col, int row) { Text(t.Cell(col, row).AsText()); }
    // A whole-line record; a line break inside would shift every later record.
    void Line(std::string s) {
        for (char& c : s)
            if (c == '\n' || c == '\r') c = ' ';
        text_ += s;
        text_ += '\n';
    }
    void End() { text_ += "\n"; }
    std::string& Result() { return text_; }

private:
    std::string text_;
};

// Word reader that also knows the item number of the word read last, for
// messages about values that are read but not acceptable.
class TRecordReader {
public:
    explicit TRecordReader(TWordReader& r) : r_(r) {}
    double Real() {
        double v = r_.ReadReal();
        Track();
        return v;
    }
    int Int() {
        int v = r_.ReadInteger();
        Track();
        return v;
    }
    int Code(int low, int high, const std::string& name) {
        int v = Int();
        if (v < low || v > high)
            Fail(name + " must be from " + std::to_string(low) + " to " + std::to_string(high) +
                 ", found " + std::to_string(v) + ".");
        return v;
    }
    std::string Line() {
        line_ = 0;
        return r_.ReadLine();
    }
    int WordCount() const { return r_.WordCount(); }
    [[noreturn]] void Fail(const std::string& what) const {
        throw EInOutError("Error on Line " + std::to_string(line_) + " Item " +
                              std::to_string(item_) + "\n" + what,
                          r_.FileName(), line_, item_);
    }

private:
    void Track() {
        const int line = r_.LineNumber();
        item_ = line == line_ ? item_ + 1 : 1;
        line_ = line;
    }
    TWordReader& r_;
    int line_ = 0;
    int item_ = 0;
};

void StoreValue(TGridTable& t, int col, int row, double v) {
    TColumn& c = t.Column(col);
    if (c.TypeNumber() == 1) {
        const double clamped = std::clamp(std::round(v), -2147483648.0, 2147483647.0);
        c.SetInteger(row, static_cast<std::int32_t>(clamped));
    } else {
        c.SetFloat(row, v);
    }
}

void WriteSoilPoints(TProject& project, TRecordWriter& w) {
    TGridTable& d = project.D();
    const bool user = project.Data().Method == 5;
    for (int layer = 0; layer < d.RowCount(); ++layer) {
        const int type = std::clamp(project.SoilType(layer), 1, 3);
        const TSlotMap& slots = kSlots[type];
        TGridTable& data = project.LayerData(layer);
        for (int point = 0; point < 2; ++point) {
            if (!user) {
                data.Cell(kUserSkin, point).SetFloat(0);
                data.Cell(kUserEnd, point).SetFloat(0);
            }
            if (point == 1)
                w.Cell(d, kBottom, layer);
            else if (layer == 0)
                w.Text("0.0");
            else
                w.Cell(d, kBottom, layer - 1);
            w.Int(type);
            for (int col : slots.a)
                col < 0 ? w.Text("0.0") : w.Cell(data, col, point);
            w.End();
            w.Cell(d, kMaxSide, layer);
            w.Cell(d, kMaxEnd, layer);
            for (int col : slots.b)
                col < 0 ? w.Text("0.0") : w.Cell(data, col, point);
            w.Cell(d, kFactorSide, layer);
            w.Cell(d, kFactorEnd, layer);
            w.End();
        }
    }
}

void ReadSoilPoints(TProject& project, TRecordReader& r, bool currentFormat) {
    TGridTable& d = project.D();
    for (int layer = 0; layer < d.RowCount(); ++layer) {
        for (int point = 0; point < 2; ++point) {
            const double depth = r.Real();
            if (point == 1) d.Cell(kBottom, layer).SetFloat(depth);
            const int type = r.Code(1, 3, "The soil type");
            project.SetSoilType(layer, type);
            TGridTable& data = project.LayerData(layer);
            const TSlotMap& slots = kSlots[type];
            for (int col : slots.a) {
                const double v = r.Real();
                if (col >= 0) StoreValue(data, col, point, v);
            }
            d.Cell(kMaxSide, layer).SetFloat(r.Real());
            d.Cell(kMaxEnd, layer).SetFloat(r.Real());
            for (int col : slots.b) {
                const double v = r.Real();
                if (col >= 0) StoreValue(data, col, point, v);
            }
            if (currentFormat || type == stSilt) {
                d.Cell(kFactorSide, layer).SetFloat(r.Real());
                d.Cell(kFactorEnd, layer).SetFloat(r.Real());
            }
        }
    }
}

void ReadRecords(TProject& project, TRecordReader& r, bool currentFormat) {
    TProgramData& p = project.Data();
    p.Title = r.Line();
    p.DesignerName = r.Line();
    p.JobNumber = r.Line();

    const int units = r.Code(1, 2, "The unit system");
    if (units != p.UnitSystem) project.SwitchUnits(units);
    p.PrintInterval = r.Int();
    const int points = r.Int();
    if (points < 2 || points > 2 * kMaxLayers || points % 2 != 0)
        r.Fail("The number of soil points must be an even number from 2 to " +
               std::to_string(2 * kMaxLayers) + ", found " + std::to_string(points) + ".");
    project.D().SetRowCount(points / 2);
    if (r.WordCount() >= 4) p.ClosedEnd = r.Int() == 1;

    p.Perimeter = r.Real();
    p.CircularSection = p.Perimeter == 0;
    p.TipArea = r.Real();
    p.OuterDiameter = r.Real();
    p.InnerDiameter = r.Real();
    p.ElasticModulus = r.Real();
    p.TotalLength = r.Real();
    if (currentFormat) p.StickupLength = r.Real();

    p.EndSectionLength = r.Real();
    p.EndSectionInnerDiameter = r.Real();

    p.ZeroFrictionLength = r.Real();
    p.Increment = r.Real();
    p.MaterialType = r.Code(1, 7, "The material type");
    p.TaperAngle = r.Real();
    p.Method = r.Code(1, kMethodCount, "The method");
    r.Int(); // the offshore flag: always written as 1
    if (currentFormat) p.ReducedResistance = r.Int();

    if (currentFormat) {
        for (int m = 1; m <= kMethodCount; ++m)
            p.MethodSelected[static_cast<std::size_t>(m)] = r.Int() != 0;
    } else {
        for (int m = 1; m <= kMethodCount; ++m)
            p.MethodSelected[static_cast<std::size_t>(m)] = m != 5 || p.Method == 5;
    }

    p.ProfileBottomDepth = r.Real();
    p.ConstantArea = r.Real();

    ReadSoilPoints(project, r, currentFormat);

    p.ExtraTzCurves = r.Int();
    if (p.ExtraTzCurves == 1) {
        const int count = r.Int();
        if (count < 0 || count > kMaxTzDepths)
            r.Fail("The number of depths for t-z curves must be from 0 to " +
                   std::to_string(kMaxTzDepths) + ", found " + std::to_string(count) + ".");
        TGridTable& t = project.TblTZDepth();
        t.SetRowCount(count);
        for (int i = 0; i < count; ++i)
            t.Cell(0, i).SetFloat(r.Real());
    }

    p.LoadDirection = r.Int();
    p.TensionReductionFactor = r.Real();
    p.ClayDrained = r.Int();
    p.PlugCondition = r.Code(0, 2, "The plug condition");

    const int rows = r.Int();
    if (rows < 0 || rows > kMaxSectionRows)
        r.Fail("The number of cross-section rows must be from 0 to " +
               std::to_string(kMaxSectionRows) + ", found " + std::to_string(rows) + ".");
    const bool hasOption = r.WordCount() >= 2;
    if (hasOption)
        p.AreaOption = r.Code(0, 2, "The area option");
    else
        p.AreaOption = rows >= 2 ? 2 : (p.ConstantArea != 0 ? 1 : 0);
    TGridTable& section = project.Sectionaldata();
    section.SetRowCount(rows);
    if (rows > 1)
        for (int i = 0; i < rows; ++i) {
            section.Cell(0, i).SetFloat(r.Real());
            section.Cell(1, i).SetFloat(r.Real());
        }

    if (currentFormat) {
        p.CriticalDepthOption = r.Code(0, 2, "The critical depth option");
        p.CriticalDepth = r.Real();
    }
}

} // namespace

std::string DataFileText(TProject& project) {
    TProgramData& p = project.Data();
    TGridTable& d = project.D();
    TRecordWriter w;
    w.Line(p.Title);
    w.Line(p.DesignerName);
    w.Line(p.JobNumber);

    if (p.PrintInterval == 0) p.PrintInterval = 1;
    w.Int(p.UnitSystem);
    w.Int(p.PrintInterval);
    w.Int(2LL * d.RowCount());
    w.Text(p.ClosedEnd ? "1" : "0");
    w.End();

    if (p.CircularSection) p.TipArea = 0;
    p.CircularSection ? w.Text("0") : w.Real(p.Perimeter);
    for (double v : {p.TipArea, p.OuterDiameter, p.InnerDiameter, p.ElasticModulus, p.TotalLength,
                     p.StickupLength})
        w.Real(v);
    w.End();

    w.Real(p.EndSectionLength);
    w.Real(p.EndSectionInnerDiameter);
    w.End();

    if (p.Increment == 0) p.Increment = 1.0;
    w.Real(p.ZeroFrictionLength);
    w.Real(p.Increment);
    w.Int(p.MaterialType);
    w.Real(p.TaperAngle);
    w.Int(p.Method);
    w.Text("1");
    w.Int(p.ReducedResistance);
    w.End();

    for (int m = 1; m <= kMethodCount; ++m)
        w.Int(p.MethodSelected[static_cast<std::size_t>(m)] ? 1 : 0);
    w.End();

    w.Cell(d, kBottom, d.RowCount() - 1);
    w.Real(p.ConstantArea);
    w.End();

    WriteSoilPoints(project, w);

    w.Int(p.ExtraTzCurves);
    w.End();
    if (p.ExtraTzCurves == 1) {
        TGridTable& t = project.TblTZDepth();
        w.Int(t.RowCount());
        w.End();
        for (int i = 0; i < t.RowCount(); ++i) {
            w.Cell(t, 0, i);
            w.End();
        }
    }

    w.Int(p.LoadDirection);
    w.Real(p.TensionReductionFactor);
    w.End();
    w.Int(p.ClayDrained);
    w.Int(p.PlugCondition);
    w.End();

    TGridTable& section = project.Sectionaldata();
    w.Int(section.RowCount());
    w.Int(p.AreaOption);
    w.End();
    if (section.RowCount() > 1)
        for (int i = 0; i < section.RowCount(); ++i) {
            w.Cell(section, 0, i);
            w.Cell(section, 1, i);
            w.End();
        }

    w.Int(p.CriticalDepthOption);
    w.Real(p.CriticalDepth);
    w.End();
    return std::move(w.Result());
}

std::string CptFileText(const TProject& project) {
    const TProgramData& p = project.Data();
    const TGraphPlot& cpt = project.MotionInput;
    const int count = std::max(p.CptPointCount, 0);
    const int held = cpt.CurveCount() > 0 ? cpt.Curve(0).PointCount() : 0;
    const double scale = p.UnitSystem == 1 ? 1000.0 : 1.0; // ksf -> psf
    std::string text = p.UnitSystem == 1 ? " 1 " : " 2 ";
    text += std::to_string(count) + " \n";
    for (int i = 0; i < count; ++i) {
        TFloatPoint pt = i < held ? cpt.Curve(0).Point(i) : TFloatPoint{};
        text += "  " + FormatExp(static_cast<double>(pt.Y), 3, 2) + "  " +
                FormatExp(static_cast<double>(pt.X) * scale, 3, 2) + "\n";
    }
    return text;
}

void WriteProjectFiles(TProject& project) {
    TProgramData& p = project.Data();
    std::exception_ptr first;
    try {
        TAtomicTextFile data(p.DataFileName);
        data.Text() = DataFileText(project);
        data.Commit();
    } catch (...) {
        first = std::current_exception();
    }
    try {
        p.CptFileName = ChangeFileExt(p.DataFileName, ".cpt");
        TAtomicTextFile cpt(p.CptFileName);
        cpt.Text() = CptFileText(project);
        cpt.Commit();
    } catch (...) {
        if (!first) first = std::current_exception();
    }
    if (first) std::rethrow_exception(first);
}

TReadResult ReadDataFile(TProject& project, const std::string& path, bool currentFormat) {
    TReadResult result;
    result.FileName = path;
    try {
        TWordReader words(path);
        TRecordReader r(words);
        ReadRecords(project, r, currentFormat);
    } catch (const EInOutError& e) {
        result.Ok = false;
        result.Message = e.what();
        result.Line = e.Line();
        result.Item = e.Item();
    } catch (const std::exception& e) {
        result.Ok = false;
        result.Message = e.what();
    }
    return result;
}

} // namespace quvex

namespace quvex {

bool SaveProjectCommand(TProject& project, const TAskFileName& askName) {
    TProgramData& p = project.Data();
    std::string ext = std::filesystem::path(p.DataFileName).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (p.Untitled() || ext == ".qxd") {
        const std::string proposed =
            ext == ".qxd" ? ChangeFileExt(p.DataFileName, ".qx6d") : p.DataFileName;
        std::optional<std::string> name = askName ? askName(proposed) : std::nullopt;
        if (!name || name->empty()) return false;
        p.DataFileName = *name;
    }
    project.Save();
    return true;
}

} // namespace quvex
