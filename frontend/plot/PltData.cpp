#include "PltData.hpp"

#include <algorithm>

#include "MiscMath.hpp"
#include "units.hpp"

namespace quvex {
namespace {

TPlotWindowFactory& WindowFactory() {
    static TPlotWindowFactory factory;
    return factory;
}

} // namespace

// ---- TLine ------------------------------------------------------------------

TLine::TLine(TGraphPlot& owner, double number, int pointCount)
    : owner_(&owner), number_(number), points_(static_cast<std::size_t>(std::max(pointCount, 0))) {}

TFloatPoint& TLine::Point(int j) {
    if (j < 0 || j >= PointCount())
        throw EPlotIndexError("Point " + std::to_string(j) + " out of bounds (" +
                              std::to_string(PointCount()) + " points)");
    return points_[static_cast<std::size_t>(j)];
}

const TFloatPoint& TLine::Point(int j) const {
    return const_cast<TLine*>(this)->Point(j);
}

void TLine::SetPointCount(int n) {
    points_.resize(static_cast<std::size_t>(std::max(n, 0)));
}

// ---- TGraphPlot ---------------------------------------------------------------

TGraphPlot::~TGraphPlot() {
    window_.reset(); // the window goes before the data it draws
}

void TGraphPlot::SetUnits(int system) {
    units_ = std::clamp(system, 1, 3);
}

TLine& TGraphPlot::At(const TLineSet& set, int i) {
    if (i < 0 || i >= static_cast<int>(set.size()))
        throw EPlotIndexError("Line " + std::to_string(i) + " out of bounds (" +
                              std::to_string(set.size()) + " lines)");
    return *set[static_cast<std::size_t>(i)];
}

void TGraphPlot::Resize(TGraphPlot& plot, TLineSet& set, int n) {
    n = std::max(n, 0);
    while (static_cast<int>(set.size()) > n)
        set.pop_back();
    while (static_cast<int>(set.size()) < n) {
        int points = set.empty() ? 0 : set.front()->PointCount();
        set.push_back(std::make_unique<TLine>(plot, 1.0 + static_cast<double>(set.size()), points));
    }
}

void TGraphPlot::ResizePoints(TLineSet& set, int n) {
    for (auto& line : set)
        line->SetPointCount(n);
}

void TGraphPlot::SetCurveCount(int n) {
    Resize(*this, curves_, n);
}
void TGraphPlot::SetPointCount(int n) {
    ResizePoints(curves_, n);
}
TLine& TGraphPlot::Curve(int i) const {
    return At(curves_, i);
}
int TGraphPlot::PointCount() const {
    return curves_.empty() ? 0 : curves_.front()->PointCount();
}

void TGraphPlot::SetLayerCount(int n) {
    Resize(*this, layers_, n);
}
void TGraphPlot::SetLayerPointCount(int n) {
    ResizePoints(layers_, n);
}
TLine& TGraphPlot::Layer(int i) const {
    return At(layers_, i);
}

std::string TGraphPlot::CurveLabel(const TLine& line) const {
    if (!line.Name.empty()) return line.Name;
    for (std::size_t i = 0; i < curves_.size(); ++i)
        if (curves_[i].get() == &line) {
            if (i < DefaultNames.size()) return DefaultNames[i];
            break;
        }
    return CurveName + FormatGeneral(line.Number(), 15);
}

std::string TGraphPlot::LegendText(int i) const {
    std::string text = CurveLabel(Curve(i));
    if (OnGetCaption) OnGetCaption(const_cast<TGraphPlot&>(*this), i, text);
    return text;
}

std::string TGraphPlot::XUnitsText() const {
    return PlotUnitsText(XUnits, units_);
}
std::string TGraphPlot::YUnitsText() const {
    return PlotUnitsText(YUnits, units_);
}

// ---- window -------------------------------------------------------------------

void TGraphPlot::SetWindowFactory(TPlotWindowFactory factory) {
    WindowFactory() = std::move(factory);
}

void TGraphPlot::ResetActive() {
    for (std::size_t i = 0; i < curves_.size(); ++i)
        curves_[i]->Active = !LimitActive || static_cast<int>(i) < kActiveLimit;
}

void TGraphPlot::Show() {
    if (!window_) {
        const TPlotWindowFactory& factory = WindowFactory();
        if (!factory) return; // no user interface to show it in
        ResetActive();
        window_ = factory(*this);
        if (!window_) return;
    }
    window_->Show();
}

void TGraphPlot::CloseWindow() {
    window_.reset();
}

} // namespace quvex
