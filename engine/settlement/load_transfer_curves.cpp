#include "load_transfer_curves.hpp"

#include "../methods/interpolate.hpp"

#include <algorithm>
#include <cmath>
#include <span>

namespace quvex::settlement {
namespace {

// Inches per metre: curve movements are tabled in inches.
constexpr float kInchesPerMetre = 39.37f;
constexpr float kPi = 3.1416f;

// Movements (in) and t/tmax of the API RP-2A sand curve.
constexpr float kApiSandMovement[kCurvePoints] = {0.0f,  0.01f, 0.02f, 0.04f, 0.06f,
                                                  0.08f, 0.09f, 0.1f,  0.5f,  2.0f};
constexpr float kApiSandRatio[kCurvePoints] = {0.0f, 0.1f, 0.2f, 0.4f, 0.6f,
                                               0.8f, 0.9f, 1.0f, 1.0f, 1.0f};
// z/OD and t/tmax of the API RP-2A clay curve.
constexpr float kApiClayMovement[kCurvePoints] = {0.0f,  0.0016f, 0.0031f, 0.0057f, 0.008f,
                                                  0.01f, 0.02f,   0.03f,   0.05f,   0.2f};
constexpr float kApiClayRatio[kCurvePoints] = {0.0f, 0.3f, 0.5f, 0.75f, 0.9f,
                                               1.0f, 0.9f, 0.9f, 0.9f,  0.9f};
// Movements (in) of the USACE sand and clay curves, and t/tmax of its clay curve.
constexpr float kUsaceMovement[kCurvePoints] = {0.0f,  0.01f, 0.02f, 0.04f, 0.06f,
                                                0.08f, 0.12f, 0.16f, 0.5f,  10.0f};
constexpr float kUsaceClayRatio[kCurvePoints] = {0.0f, 0.18f, 0.38f, 0.79f, 0.97f,
                                                 1.0f, 0.97f, 0.93f, 0.93f, 0.93f};
// w/OD and Q/Qt of the API RP-2A tip curve.
constexpr float kApiTipMovement[kCurvePoints] = {0.0f,   0.0005f, 0.001f, 0.002f, 0.013f,
                                                 0.042f, 0.073f,  0.1f,   0.15f,  0.2f};
constexpr float kApiTipRatio[kCurvePoints] = {0.0f,  0.0625f, 0.125f, 0.25f, 0.5f,
                                              0.75f, 0.9f,    1.0f,   1.0f,  1.0f};
// Movements (in) of the USACE tip curve.
constexpr float kUsaceTipMovement[kCurvePoints] = {0.0f, 0.0001f, 0.005f, 0.01f, 0.05f,
                                                   0.1f, 0.2f,    0.5f,   1.0f,  2.0f};

// The USACE sand stiffness rises by 1333.3 per degree within a band and is
// flat between bands.
struct StiffnessBand {
    double upTo; // the band holds friction angles up to and including this one
    double base;
    double rate; // per degree above `from`
    double from;
};
constexpr StiffnessBand kUsaceStiffness[] = {
    {28, 6000, 0, 28},        {31, 6000, 1333.3f, 28}, {32, 10000, 0, 31},
    {34, 10000, 1333.3f, 32}, {35, 14000, 0, 34},      {38, 14000, 1333.3f, 35},
};
constexpr double kUsaceStiffnessAbove = 18000;

// Tabled inches in the working length unit.
double fromInches(double inches, const CurveSetting& s) {
    return s.english ? inches : inches / kInchesPerMetre;
}

std::array<double, kCurvePoints> scaled(const float (&table)[kCurvePoints], double factor) {
    std::array<double, kCurvePoints> out{};
    for (int i = 0; i < kCurvePoints; ++i)
        out[static_cast<std::size_t>(i)] = table[i] * factor;
    return out;
}

std::array<double, kCurvePoints> movementsInInches(const float (&table)[kCurvePoints],
                                                   const CurveSetting& s) {
    std::array<double, kCurvePoints> out{};
    for (int i = 0; i < kCurvePoints; ++i)
        out[static_cast<std::size_t>(i)] = fromInches(table[i], s);
    return out;
}

double onCurve(const std::array<double, kCurvePoints>& xs,
               const std::array<double, kCurvePoints>& ys, double x) {
    return methods::interpolateClamped(std::span<const double>(xs), std::span<const double>(ys), x);
}

// The three curve points of one soil interval: top, bottom, middle.
void addIntervalPoints(std::vector<TzCurve>& out, const io::SoilPoint& upper,
                       const io::SoilPoint& lower, const CurveSetting& s) {
    double top, bottom, middle;
    if (s.english) {
        top = 12.0 * upper.depth;
        bottom = 12.0 * lower.depth - 0.5;
        middle = (top + bottom + 1.1f) / 2.0;
    } else {
        top = upper.depth;
        bottom = lower.depth - 0.1f;
        middle = (top + bottom + 0.1f) / 2.0;
    }
    const double a = stickupOffset(s);
    const int kind = upper.type == 1 && lower.type == 1 ? kSandCurve : kClayCurve;
    const double phiTop = upper.frictionAngle, phiBottom = lower.frictionAngle;
    for (auto [depth, phi] : {std::pair{top, phiTop}, std::pair{bottom, phiBottom},
                              std::pair{middle, (phiTop + phiBottom) / 2.0}}) {
        TzCurve c;
        c.depth = depth + a;
        c.kind = kind;
        c.frictionAngle = phi;
        out.push_back(c);
    }
}

} // namespace

CurveSetting curveSettingFor(const io::InputData& d) {
    CurveSetting s;
    s.english = d.english();
    s.usace = d.method == io::kUsace;
    s.diameter = s.english ? d.outerDiameter : d.outerDiameter / 1000.0;
    s.stickup = d.stickupLength;
    return s;
}

double stickupOffset(const CurveSetting& s) {
    return s.english ? 12.0 * s.stickup : s.stickup;
}

double depthBelowGround(double curveDepth, const CurveSetting& s) {
    const double d = curveDepth - stickupOffset(s);
    return s.english ? d / 12.0 : d;
}

std::vector<TzCurve> curvePoints(const std::vector<io::SoilPoint>& points, const CurveSetting& s) {
    std::vector<TzCurve> out;
    if (s.stickup > 1.0E-6f) {
        const double length = stickupOffset(s);
        for (double depth : {0.0, length / 2.0, length - 0.1f}) {
            TzCurve c;
            c.depth = depth;
            out.push_back(c);
        }
    }
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
        if (points[i + 1].depth - points[i].depth >= 0.11f)
            addIntervalPoints(out, points[i], points[i + 1], s);
    return out;
}

double ultimateUnitTransfer(const TransferInputs& in, double depth, const CurveSetting& s) {
    const int n = in.count();
    // A pile shorter than two increments has no slope to take.
    if (n < 2) return 0.0;
    int j = n;
    for (int k = 2; k <= n; ++k)
        if (depth < in.depth(k)) {
            j = k;
            break;
        }
    const double delta = in.depth(j) - in.depth(j - 1);
    if (!(delta > 0.0)) return 0.0;
    double slope;
    if (j == n)
        slope = (in.friction(n) - in.friction(n - 1)) / delta;
    else if (in.friction(j - 1) > 0.00001f)
        slope = (in.friction(j + 1) - in.friction(j - 1)) / (2.0 * delta);
    else
        slope = (in.friction(j + 1) - in.friction(j)) / delta;
    // No shaft, no shaft area to spread the friction over.
    if (!(s.diameter > 0.0)) return 0.0;
    if (s.english) return slope * 1000 / (s.diameter * 12 * kPi);
    return slope / (s.diameter * kPi);
}

double usaceSandStiffness(double phi) {
    for (const StiffnessBand& b : kUsaceStiffness)
        if (phi <= b.upTo) return b.base + b.rate * (phi - b.from);
    return kUsaceStiffnessAbove;
}

void shapeSandCurve(TzCurve& c, const CurveSetting& s) {
    if (!s.usace) {
        c.z = movementsInInches(kApiSandMovement, s);
        c.t = scaled(kApiSandRatio, c.tmax);
        return;
    }
    // Hyperbolic curve in inches and pounds per square foot.
    const double stiffness = usaceSandStiffness(c.frictionAngle);
    const double cu = s.english ? 144.0 : 20.89f;
    const double ultimate = cu * c.tmax;
    for (int i = 0; i < kCurvePoints; ++i) {
        const double z = kUsaceMovement[i];
        const std::size_t at = static_cast<std::size_t>(i);
        c.z[at] = fromInches(z, s);
        c.t[at] = i > 0 && ultimate > 1.0E-9f ? z / (1.0 / stiffness + z / ultimate) / cu : 0.0;
    }
}

void shapeClayCurve(TzCurve& c, const CurveSetting& s) {
    if (s.usace) {
        c.z = movementsInInches(kUsaceMovement, s);
        c.t = scaled(kUsaceClayRatio, c.tmax);
    } else {
        c.z = scaled(kApiClayMovement, s.diameter);
        c.t = scaled(kApiClayRatio, c.tmax);
    }
}

void shapeCurve(TzCurve& c, const CurveSetting& s) {
    if (c.kind == kSandCurve)
        shapeSandCurve(c, s);
    else
        shapeClayCurve(c, s);
}

int tipSoilType(const std::vector<io::SoilPoint>& points, double embeddedLength) {
    if (points.empty()) return 2;
    for (const io::SoilPoint& p : points)
        if (p.depth >= embeddedLength) return p.type;
    return points.back().type;
}

TipCurve tipCurve(double qt, int soilType, double tipFrictionAngle, const CurveSetting& s) {
    TipCurve c;
    if (!s.usace) {
        c.w = scaled(kApiTipMovement, s.diameter);
        c.q = scaled(kApiTipRatio, qt);
        return c;
    }
    c.w = movementsInInches(kUsaceTipMovement, s);
    // Q/Qt never exceeds 1: a tip load above the ultimate tip load is no tip
    // load at all. A zero diameter reaches the ultimate at once.
    const bool sandOrSilt = soilType == 1 || soilType == 3;
    const double reference = (sandOrSilt ? 0.05f : 0.01f) * s.diameter;
    double exponent = 0.5;
    if (sandOrSilt && tipFrictionAngle > 38)
        exponent = 0.25;
    else if (sandOrSilt && tipFrictionAngle > 31)
        exponent = 0.333f;
    for (std::size_t i = 1; i < kCurvePoints; ++i) {
        double ratio = 1.0;
        if (reference > 0.0) {
            const double x = c.w[i] / reference;
            ratio = sandOrSilt ? std::pow(x, exponent) : 0.5 * std::sqrt(x);
        }
        c.q[i] = qt * std::min(ratio, 1.0);
    }
    return c;
}

LoadTransferCurves buildLoadTransferCurves(const std::vector<io::SoilPoint>& points,
                                           const TransferInputs& in, const CurveSetting& s,
                                           double embeddedLength) {
    LoadTransferCurves out;
    out.curves = curvePoints(points, s);
    const double a = stickupOffset(s);
    for (TzCurve& c : out.curves) {
        // The stickup curves stand in the air and keep tmax = 0.
        if (c.depth - a >= 0.0) c.tmax = ultimateUnitTransfer(in, depthBelowGround(c.depth, s), s);
        shapeCurve(c, s);
    }
    const int n = in.count();
    double qt = n >= 1 ? in.tip(n) : 0.0;
    if (s.english) qt *= 1000;
    const double tipPhi = out.curves.empty() ? 0.0 : out.curves.back().frictionAngle;
    out.tip = tipCurve(qt, tipSoilType(points, embeddedLength), tipPhi, s);
    return out;
}

double transferAt(const TzCurve& c, double w) {
    return onCurve(c.z, c.t, w);
}

double tipLoadAt(const TipCurve& c, double w) {
    return onCurve(c.w, c.q, w);
}

double unitTransferAt(const std::vector<TzCurve>& curves, double y, double w) {
    if (curves.empty()) return 0.0;
    std::size_t k = 0;
    while (k < curves.size() && curves[k].depth < y)
        ++k;
    if (k == curves.size()) {
        // Below every curve (soil points ending above the pile tip): the
        // deepest curve holds.
        const auto deepest =
            std::max_element(curves.begin(), curves.end(),
                             [](const TzCurve& a, const TzCurve& b) { return a.depth < b.depth; });
        return transferAt(*deepest, w);
    }
    // At the first curve, or above it: that curve holds.
    if (k == 0 || curves[k].depth == y) return transferAt(curves[k], w);
    const TzCurve& lower = curves[k];
    const TzCurve& upper = curves[k - 1];
    const double tUpper = transferAt(upper, w);
    return tUpper +
           (transferAt(lower, w) - tUpper) * (y - upper.depth) / (lower.depth - upper.depth);
}

} // namespace quvex::settlement
