#include "fhwa.hpp"

#include "api.hpp"
#include "fhwa_charts.hpp"
#include "fhwa_friction_table.hpp"
#include "friction_table.hpp"

#include <algorithm>
#include <cmath>

namespace quvex::methods {
namespace {

double lengthUnits(const io::InputData& d) {
    return d.english() ? 12.0 : 1000.0;
}

double areaUnits(const io::InputData& d) {
    return d.english() ? 144.0 : 1.0e6;
}

// tan ω of the taper, ω in degrees.
double taperTangent(const io::InputData& d) {
    return std::tan(d.taperAngle * 0.01745f);
}

// Su in ksf, the unit of Tomlinson's charts.
double suInKsf(double su, bool english) {
    return english ? su : su / 47.88f;
}

// The plug state the last assembly left for segment j: the marker of the pile
// with its tip at the segment's bottom. None before any assembly has run.
int plugStateOf(const std::vector<int>& plug, int j) {
    return j < static_cast<int>(plug.size()) ? plug[static_cast<std::size_t>(j)] : 0;
}

} // namespace

double fhwaDisplacedVolume(const io::InputData& d, int plugState, double bottom) {
    const bool english = d.english();
    const double od = d.outerDiameter, id = d.innerDiameter;
    const double quarterPi = 3.14159f / 4.0;
    // The steel annulus, or the section of a noncircular pile.
    double v = quarterPi * (od * od - id * id) / areaUnits(d);
    if (d.tipArea > 1.0E-6f) v = d.tipArea;
    if (plugState == 1) {
        v = english ? quarterPi * od * od / 144.0 : 3.1416f / 4.0 * od * od / 1.0e6;
    } else if (plugState == 2 && english) {
        v = quarterPi * (od * od - id * id) / 144.0;
    }
    // A closed end section displaces the full section, narrowed by the taper.
    if (d.endSectionLength > 0.001f && d.endSectionInnerDiameter < 1.0E-5f) {
        v = 3.1416f * od * od / 4.0 / areaUnits(d);
        if (d.taperAngle > 0.0) {
            const double width = od / lengthUnits(d) - 2.0 * bottom * taperTangent(d);
            v = quarterPi * width * width;
        }
    }
    if (d.materialType == 6 && d.tipArea > 1.0E-6f) v = d.tipArea;
    // The charts are in ft³/ft.
    return english ? v : v / 0.0929f;
}

double nordlundUnitFriction(const io::InputData& d, double phi, double volume, double stress) {
    const double ratio = fhwaFrictionAngleRatio(d.materialType, volume);
    const double delta = ratio * phi;
    const double cf = fhwaCorrectionFactor(phi, ratio);
    const double omega = d.taperAngle;
    const double kd = fhwaEarthPressureCoefficient(phi, omega, volume, d.english());
    return kd * cf * stress * std::sin((omega + delta) / 57.2958f) / std::cos(omega / 57.2958f);
}

double fhwaPerimeterAt(const io::InputData& d, double z) {
    if (d.taperAngle <= 0.0) return perimeter(d);
    const double width = d.outerDiameter / lengthUnits(d) - 2.0 * z * taperTangent(d);
    // A taper that closes the pile above this depth leaves no shaft.
    return std::max(3.14159f * width, 0.0);
}

TomlinsonClay::TomlinsonClay(const Profile& p, const io::InputData& d, double embeddedLength)
    : p_(p), d_(d), pileLength_(embeddedLength) {}

void TomlinsonClay::followStratum(int j) {
    const double zb = p_.segment(j).bottom;
    const std::vector<io::SoilPoint>& points = d_.points;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const double upper = points[i].depth, lower = points[i + 1].depth;
        // The pair holding the segment's bottom (a bottom on a point belongs to the pair above).
        if (!(upper < zb - 1.0E-6f && zb - 1.0E-6f <= lower)) continue;
        if (std::abs(lower - zb) < 0.95f) thicknessSum_ += lower - upper;
        stratumTop_ = upper;
        stratumBottom_ = lower;
        break;
    }
    const double tip = d_.outerDiameter / lengthUnits(d_);
    const double tanOmega = taperTangent(d_);
    const double meanDiameter =
        0.5 * ((tip - 2.0 * stratumTop_ * tanOmega) + (tip - 2.0 * stratumBottom_ * tanOmega));
    const double bottom = std::min(stratumBottom_, pileLength_);
    // A pile narrowed to nothing counts as a very long one.
    ratio_ = meanDiameter > 1.0E-10f ? (bottom + thicknessSum_ - stratumTop_) / meanDiameter : 40.0;
}

void TomlinsonClay::chooseCase(int j) {
    if (p_.count() <= 2 || j <= 1) return;
    const Segment& above = p_.segment(j - 1);
    if (above.sand())
        case_ = 1;
    else if (suInKsf(above.su, d_.english()) < 0.8f)
        case_ = 2;
    else
        case_ = 3;
}

double TomlinsonClay::alpha(int j) {
    followStratum(j);
    if (case_ == 0) chooseCase(j);
    if (case_ == 0) return 0.0;
    return fhwaAdhesionFactor(case_, ratio_, suInKsf(p_.segment(j).su, d_.english()));
}

std::vector<double> fhwaUnitEndBearing(const Profile& p, const io::InputData& d) {
    std::vector<double> q = clayEndBearing(p, d);
    const int ns = p.count();
    const double diameter = diameterInLengthUnits(d);
    const double length = d.totalLength - d.stickupLength;
    // Without a diameter the embedment is as deep as the charts go.
    const double embedment = diameter > 1.0E-10f ? length / diameter : 45.0;
    const double toStress = d.english() ? 2.0 : 2.0 * 47.88f; // tsf to ksf or kPa
    for (int j = 1; j <= ns; ++j) {
        const Segment& s = p.segment(j);
        if (!s.sand()) continue;
        const double phi = s.frictionAngle;
        const double factor = fhwaTipCoefficient(phi, embedment) * fhwaBearingFactor(phi);
        const double limit = std::min(fhwaLimitingTipResistanceTsf(phi) * toStress, s.qmax);
        q[2 * j - 1] = std::min(factor * p.top(j), limit);
        q[2 * j] = std::min(factor * p.bottom(j), limit);
    }
    if (ns >= 1) q[2 * ns + 1] = q[2 * ns];
    return q;
}

void runFhwa(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context) {
    const int ns = p.count();
    const std::vector<int> plug = r.plug;
    for (auto* v : {&r.frictionTop, &r.frictionBottom, &r.transferFirst, &r.transferSecond})
        v->assign(static_cast<std::size_t>(ns) + 1, 0.0);
    TomlinsonClay clay(p, d, context.embeddedLength);
    for (int j = 1; j <= ns; ++j) {
        const Segment& s = p.segment(j);
        if (s.sand()) {
            const double volume = fhwaDisplacedVolume(d, plugStateOf(plug, j), s.bottom);
            r.frictionTop[j] = nordlundUnitFriction(d, s.frictionAngle, volume, p.top(j));
            r.frictionBottom[j] = nordlundUnitFriction(d, s.frictionAngle, volume, p.bottom(j));
            r.transferFirst[j] = r.frictionTop[j];
            r.transferSecond[j] = r.frictionBottom[j];
            clay.sand();
        } else {
            const double alpha = clay.alpha(j);
            r.frictionTop[j] = r.frictionBottom[j] = alpha * s.su;
            r.transferFirst[j] = alpha * s.sr;
            r.transferSecond[j] = alpha * s.su;
        }
    }
    accumulateLimitedFriction(r, p, d, context.lastDepthPoint,
                              [&](int k) { return fhwaPerimeterAt(d, k * d.increment); });
    r.endBearing = fhwaUnitEndBearing(p, d);
    r.computed = true;
}

} // namespace quvex::methods
