// t-z curves along the pile and the Q-w curve of its tip, generated from the
// method chosen for the unit load transfers.
//
// Working units: English runs use inches for curve depths, movements and the
// diameter, psi for unit load transfer and pounds for loads; S.I. runs use
// metres, kPa and kN.
#pragma once

#include "transfer_inputs.hpp"

#include "../io/input_data.hpp"

#include <array>
#include <vector>

namespace quvex::settlement {

inline constexpr int kCurvePoints = 10;

enum CurveKind { kSandCurve = 1, kClayCurve = 2 };

// One generated t-z curve.
struct TzCurve {
    double depth = 0.0; // below the pile head (stickup included): in or m
    int kind = kClayCurve;
    double frictionAngle = 0.0;           // degrees
    double tmax = 0.0;                    // ultimate unit load transfer: psi or kPa
    std::array<double, kCurvePoints> z{}; // movement: in or m
    std::array<double, kCurvePoints> t{}; // unit load transfer: psi or kPa
};

// The tip's load against tip movement.
struct TipCurve {
    std::array<double, kCurvePoints> w{}; // in or m
    std::array<double, kCurvePoints> q{}; // pounds or kN
};

// What shapes the curves, in working units.
struct CurveSetting {
    bool english = true;
    bool usace = false; // USACE chose the unit load transfers; every other method uses API shapes
    double diameter = 0.0; // outside diameter: in or m
    double stickup = 0.0;  // stickup length as read: ft or m
};

CurveSetting curveSettingFor(const io::InputData& d);

// a: the curve depth of the ground surface (12·PSL in, or PSL m).
double stickupOffset(const CurveSetting& s);
// A curve depth below the pile head as a depth below the ground, in ft or m.
double depthBelowGround(double curveDepth, const CurveSetting& s);

// The curve points without their shapes: three in the stickup (never reported),
// then three per soil interval of 0.11 or more, in the order top, bottom, middle.
std::vector<TzCurve> curvePoints(const std::vector<io::SoilPoint>& points, const CurveSetting& s);

// tmax at a depth below the ground (ft or m): the slope of the cumulative skin
// friction per unit of shaft area.
double ultimateUnitTransfer(const TransferInputs& in, double depthBelowGround,
                            const CurveSetting& s);

// Stiffness of the hyperbolic sand curve by friction angle (USACE).
double usaceSandStiffness(double frictionAngle);

// Fills z and t of a curve from its kind and tmax.
void shapeSandCurve(TzCurve& c, const CurveSetting& s);
void shapeClayCurve(TzCurve& c, const CurveSetting& s);
void shapeCurve(TzCurve& c, const CurveSetting& s);

// Soil type (whole number) of the first soil point at or below the pile tip;
// the last point's when none is.
int tipSoilType(const std::vector<io::SoilPoint>& points, double embeddedLength);

// The Q-w curve for the ultimate tip load `qt` (pounds or kN). `tipFrictionAngle`
// serves the USACE sand rule only.
TipCurve tipCurve(double qt, int tipSoilType, double tipFrictionAngle, const CurveSetting& s);

struct LoadTransferCurves {
    std::vector<TzCurve> curves; // in the order they were created
    TipCurve tip;
};

// All curves of the pile: points, tmax, shapes and the tip curve.
LoadTransferCurves buildLoadTransferCurves(const std::vector<io::SoilPoint>& points,
                                           const TransferInputs& in, const CurveSetting& s,
                                           double embeddedLength);

// A curve's unit load transfer at movement w: straight lines between its
// points, the last value beyond them.
double transferAt(const TzCurve& c, double w);
// The tip load at tip movement w, the same way.
double tipLoadAt(const TipCurve& c, double w);

// Unit load transfer at depth y below the pile head and movement w: between the
// first curve (in creation order) whose depth is at or below y and the curve
// created before it, straight in depth.
double unitTransferAt(const std::vector<TzCurve>& curves, double y, double w);

} // namespace quvex::settlement
