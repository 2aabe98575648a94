#include "ResultLoader.hpp"

#include <algorithm>
#include <filesystem>

#include "MiscMath.hpp"

namespace quvex {
namespace {

constexpr int kTzPoints = 10;
constexpr int kSettlementRows = 9;
// Far beyond what the engine writes (one curve per segment point, at most
// 501); a larger count means a damaged file.
constexpr int kMaxTzCurves = 10000;

[[noreturn]] void Fail(const TWordReader& r, const std::string& what) {
    throw EInOutError("Error on Line " + std::to_string(r.LineNumber()) + "\n" + what, r.FileName(),
                      r.LineNumber());
}

int ReadCount(TWordReader& r, int low, int high, const std::string& name) {
    const int v = r.ReadInteger();
    if (v < low || v > high)
        Fail(r, name + " must be from " + std::to_string(low) + " to " + std::to_string(high) +
                    ", found " + std::to_string(v) + ".");
    return v;
}

void ReadTzCurves(TWordReader& r, TGraphPlot& plot, int units) {
    const int m = ReadCount(r, 0, kMaxTzCurves, "The number of t-z curves");
    plot.SetCurveCount(m);
    plot.SetPointCount(kTzPoints);
    for (int c = 0; c < m; ++c) {
        r.ReadInteger();
        r.ReadInteger();
        const double depth = r.ReadReal();
        plot.Curve(c).Name = FormatGeneral(depth, 15) + (units == 1 ? " ft" : " m");
        for (int j = 0; j < kTzPoints; ++j) {
            TFloatPoint& pt = plot.CurvePoint(c, j);
            pt.Y = r.ReadReal();
            pt.X = r.ReadReal();
        }
    }
}

void SetLayerBands(const TProject& project, TGraphPlot& plot) {
    if (plot.CurveCount() < 1 || plot.PointCount() < 1) return;
    const int layers = project.LayerCount();
    plot.SetLayerCount(layers);
    plot.SetLayerPointCount(1);
    for (int i = 0; i < layers; ++i) {
        TLine& band = plot.Layer(i);
        band.Point(0).Y = project.LayerBottom(i);
        switch (project.SoilType(i)) {
        case stSand:
            band.Name = " SAND ";
            band.Point(0).X = 7.0;
            break;
        case stClay:
            band.Name = " CLAY ";
            band.Point(0).X = 1.0;
            break;
        default:
            band.Name = "LAYER " + std::to_string(i + 1);
            band.Point(0).X = 0;
            break;
        }
    }
}

void ReadAll(TProject& project, TWordReader& r) {
    TProgramData& p = project.Data();
    const int k = ReadCount(r, 0, kMethodCount, "The number of methods");
    const int n = ReadCount(r, 0, kMaxResultPoints, "The number of depth points");
    const int u = ReadCount(r, 1, 2, "The unit system");
    const int g = ReadCount(r, 1, kMethodCount, "The governing method");

    TGraphPlot* methodPlots[] = {&project.pltSkin, &project.pltUSkin, &project.pltTip,
                                 &project.pltTotal};
    for (TGraphPlot* plot : methodPlots) {
        plot->SetCurveCount(k);
        plot->SetPointCount(n);
    }
    for (auto [plot, curves] :
         {std::pair{&project.pltLoad, 9}, std::pair{&project.pltCombine, 3}}) {
        plot->SetCurveCount(curves);
        plot->SetPointCount(n);
    }
    for (TGraphPlot* plot : {&project.pltAxial, &project.PltQw}) {
        plot->SetCurveCount(1);
        plot->SetPointCount(kTzPoints);
        plot->XOnTop = !p.Tension();
    }
    p.ResultCount = n;
    for (TGraphPlot* plot : project.ResultPlots())
        plot->SetUnits(u);

    const std::string settlement = u == 1 ? "Settlement, in." : "Settlement, m";
    project.pltAxial.YCaption = p.Tension() ? (u == 1 ? "Uplift, in." : "Uplift, m") : settlement;
    project.PltQw.YCaption = settlement;
    project.pltAxial.YUnits.clear(); // the captions carry their units
    project.PltQw.YUnits.clear();

    const std::vector<int> methods = PlottedMethods(p);
    int governing = -1;
    for (int c = 0; c < k; ++c) {
        const std::string name = c < static_cast<int>(methods.size())
                                     ? MethodShortName(methods[static_cast<std::size_t>(c)])
                                     : std::string();
        for (TGraphPlot* plot : methodPlots)
            plot->Curve(c).Name = name;
        if (c < static_cast<int>(methods.size()) && methods[static_cast<std::size_t>(c)] == g)
            governing = c;
    }
    project.pltAxial.Curve(0).Name = MethodShortName(g);
    project.pltCombine.Curve(0).Name = "Skin Friction";
    project.pltCombine.Curve(1).Name = p.Tension() ? "Self Weight" : "Tip Resistance";
    project.pltCombine.Curve(2).Name = "Total Capacity";

    if (p.Perimeter < 1e-6) p.Perimeter = p.OuterDiameter * 3.1416;

    for (int c = 0; c < k; ++c)
        for (int j = 0; j < n; ++j) {
            const double depth = r.ReadReal();
            const double skin = r.ReadReal(), tip = r.ReadReal(), total = r.ReadReal(),
                         unitSkin = r.ReadReal();
            project.pltSkin.CurvePoint(c, j) = {skin, depth};
            project.pltTip.CurvePoint(c, j) = {tip, depth};
            project.pltTotal.CurvePoint(c, j) = {total, depth};
            project.pltUSkin.CurvePoint(c, j) = {unitSkin, depth};
            if (c == governing) {
                const auto i = static_cast<std::size_t>(j);
                p.ResultDepth[i] = depth;
                p.ResultUnitSkin[i] = unitSkin;
                p.ResultTip[i] = tip;
            }
        }
    // Without the governing method's curve there is nothing to export.
    if (governing < 0) p.ResultCount = 0;

    if (governing >= 0) {
        const TGraphPlot* sources[] = {&project.pltSkin, &project.pltTip, &project.pltTotal};
        for (int c = 0; c < 3; ++c)
            project.pltCombine.Curve(c).Points() = sources[c]->Curve(governing).Points();
    }

    ReadTzCurves(r, project.pltTZcurves, u);

    for (int c = 0; c < 9; ++c)
        for (int j = 0; j < n; ++j) {
            TFloatPoint& pt = project.pltLoad.CurvePoint(c, j);
            pt.Y = r.ReadReal();
            pt.X = r.ReadReal();
            r.ReadReal(); // movement of the segment middle
        }

    project.pltAxial.CurvePoint(0, 0) = {};
    project.PltQw.CurvePoint(0, 0) = {};
    for (int j = 1; j <= kSettlementRows; ++j) {
        TFloatPoint& axial = project.pltAxial.CurvePoint(0, j);
        axial.X = r.ReadReal();
        axial.Y = r.ReadReal();
        TFloatPoint& tip = project.PltQw.CurvePoint(0, j);
        tip.X = r.ReadReal();
        tip.Y = r.ReadReal();
    }

    if (p.ExtraTzCurves == 1) ReadTzCurves(r, project.PltExtraTZ, u);

    for (TGraphPlot* plot : {&project.pltUSkin, &project.pltSkin, &project.pltTip,
                             &project.pltTotal, &project.pltLoad, &project.pltCombine})
        SetLayerBands(project, *plot);
}

} // namespace

std::vector<int> PlottedMethods(const TProgramData& data) {
    std::vector<int> methods;
    for (int m : {5, 1, 2, 3, 4, 6, 7, 8, 9})
        if (data.MethodSelected[static_cast<std::size_t>(m)]) methods.push_back(m);
    return methods;
}

TLoadOutcome LoadResults(TProject& project, const std::string& path) {
    TLoadOutcome outcome;
    try {
        TWordReader r(path);
        ReadAll(project, r);
    } catch (const EInOutError& e) {
        outcome.Ok = false;
        outcome.Detail = "File \"" + path + "\": " + e.what();
    } catch (const std::exception& e) {
        outcome.Ok = false;
        outcome.Detail = "File \"" + path + "\": " + e.what();
    }
    if (!outcome.Ok) outcome.Message = kResultsFailedMessage;
    return outcome;
}

bool LoadProjectResults(TProject& project) {
    const std::string path = ChangeFileExt(project.Data().DataFileName, ".qx6p");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    return LoadResults(project, path).Ok;
}

} // namespace quvex
