// Plot description: the data of one x-y graph (curves of floating-point
// points, their names and flags, a set of soil layer bands) and the settings
// of how it is drawn.  The plot window is supplied by the user interface
// through a factory; this model only creates, shows and frees it.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace quvex {

class TGraphPlot;

// An index outside a line set or a line's points.
class EPlotIndexError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

struct TFloatPoint {
    long double X = 0;
    long double Y = 0;
};

// One curve or one layer band.
class TLine {
public:
    TLine(TGraphPlot& owner, double number, int pointCount);

    std::vector<TFloatPoint>& Points() { return points_; }
    const std::vector<TFloatPoint>& Points() const { return points_; }
    int PointCount() const { return static_cast<int>(points_.size()); }
    TFloatPoint& Point(int j);
    const TFloatPoint& Point(int j) const;
    void SetPointCount(int n); // cut or extend with (0, 0)

    double Number() const { return number_; } // used in the default name
    TGraphPlot& Owner() const { return *owner_; }

    std::string Name;    // empty: the default name is used
    bool Visible = true; // drawn or not
    bool Active = true;  // listed in the legend and menus at all

private:
    TGraphPlot* owner_;
    double number_;
    std::vector<TFloatPoint> points_;
};

using TLineSet = std::vector<std::unique_ptr<TLine>>;

// The window that draws a plot description (provided by the user interface).
class TPlotWindow {
public:
    virtual ~TPlotWindow() = default;
    virtual void Show() = 0; // show it, restoring it when minimised
};
using TPlotWindowFactory = std::function<std::unique_ptr<TPlotWindow>(TGraphPlot&)>;

class TGraphPlot {
public:
    TGraphPlot() = default;
    ~TGraphPlot();
    TGraphPlot(const TGraphPlot&) = delete;
    TGraphPlot& operator=(const TGraphPlot&) = delete;

    // ---- published settings, with the values of a new description
    std::string CurveName = "Curve #";
    std::string Caption;
    bool ShowLegend = true;
    bool ShowLayers = false;
    bool ShowWall = false;
    bool ShowThree = false;
    bool ShowFontWidth = true;
    int WallLineCount = 0;
    int Markers = 1;
    int SizeFont = 10;
    int LegendFont = 11;
    int WidthLine = 1;
    int Units() const { return units_; }
    void SetUnits(int system); // clamped into 1..3
    std::string XCaption, XUnits;
    bool XOnTop = true;
    std::string YCaption, YUnits;
    std::string XCaption2, XUnits2, YCaption2, YUnits2;
    std::string XCaption3, XUnits3, YCaption3, YUnits3;
    // Lets the owner change the legend text of curve `index` (sender first).
    std::function<void(TGraphPlot&, int index, std::string& value)> OnGetCaption;

    // ---- further state
    std::string Title;
    bool TitleAtTop = false;
    std::vector<std::string> DefaultNames; // default names of the first curves
    bool LimitActive = true;               // curves beyond 20 start inactive
    static constexpr int kActiveLimit = 20;

    // ---- curves
    void SetCurveCount(int n);
    void SetPointCount(int n);
    int CurveCount() const { return static_cast<int>(curves_.size()); }
    TLine& Curve(int i) const;
    TFloatPoint& CurvePoint(int i, int j) const { return Curve(i).Point(j); }
    int PointCount() const; // points of the first curve, 0 without curves

    // ---- layer bands
    void SetLayerCount(int n);
    void SetLayerPointCount(int n);
    int LayerCount() const { return static_cast<int>(layers_.size()); }
    TLine& Layer(int i) const;
    TFloatPoint& LayerPoint(int i, int j) const { return Layer(i).Point(j); }

    // ---- second and third panel (read access; the front end never fills them)
    const TLineSet& Curves2() const { return curves2_; }
    const TLineSet& Curves3() const { return curves3_; }
    TLineSet& Curves2() { return curves2_; }
    TLineSet& Curves3() { return curves3_; }

    // The text that names a line: its name, a default name, or CurveName + number.
    std::string CurveLabel(const TLine& line) const;
    // Legend text of curve i: the label, passed through OnGetCaption.
    std::string LegendText(int i) const;

    // Axis units texts for the current unit system.
    std::string XUnitsText() const;
    std::string YUnitsText() const;

    // ---- window
    static void SetWindowFactory(TPlotWindowFactory factory);
    // Creates the window when there is none (every curve active again, then
    // the limit of 20 applied) and shows it.
    void Show();
    bool WindowExists() const { return window_ != nullptr; }
    TPlotWindow* Window() const { return window_.get(); }
    // Called when the window closes: frees it, so the next Show makes a fresh one.
    void CloseWindow();
    // Every curve active, then curves 21 onwards inactive while LimitActive.
    void ResetActive();

private:
    static void Resize(TGraphPlot& plot, TLineSet& set, int n);
    static void ResizePoints(TLineSet& set, int n);
    static TLine& At(const TLineSet& set, int i);

    int units_ = 1;
    TLineSet curves_, layers_, curves2_, curves3_;
    std::unique_ptr<TPlotWindow> window_;
};

} // namespace quvex
