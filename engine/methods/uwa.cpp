#include "uwa.hpp"

#include "api.hpp"
#include "cone_clay.hpp"
#include "cone_resistance.hpp"
#include "offshore_common.hpp"

#include <algorithm>
#include <cmath>

namespace quvex::methods {

double uwaFillingRatio(const io::InputData& d) {
    const double dt = tipInnerDiameter(d);
    const double metres = d.english() ? dt * 0.0254f : dt / 1000.0;
    return std::min(powerOfPositive(metres / 1.5f, 0.2f), 1.0);
}

double uwaEffectiveAreaRatio(const io::InputData& d) {
    const double ratio = tipInnerDiameter(d) / d.outerDiameter;
    return 1.0 - uwaFillingRatio(d) * ratio * ratio;
}

double uwaRadialStress(double qc, double h, const io::InputData& d) {
    return 0.03f * qc * powerOfPositive(uwaEffectiveAreaRatio(d), 0.3f) *
           std::pow(std::max(h / d.outerDiameter, 2.0), -0.5f);
}

double uwaDilation(double qc, double stress, const io::InputData& d) {
    // No cone resistance: no modulus.
    if (!(qc > 0.0)) return 0.0;
    const double pa = sideAtmosphericPressure(d.english());
    const double relative = std::max(stress / pa, double{1.0E-7f});
    const double normalised = (qc / pa) / std::sqrt(relative);
    const double modulus = 185.0 * qc * std::pow(normalised, -0.75f);
    const double displacement = d.english() ? 0.0007874016f : 0.02f;
    return 4.0 * modulus * displacement / d.outerDiameter;
}

double uwaSandEndBearing(double qc, const io::InputData& d) {
    const double q = (0.15f + 0.45f * uwaEffectiveAreaRatio(d)) * qc;
    const bool open = tipInnerDiameter(d) >= 1.0E-4f;
    return std::max(q, (open && d.plugCondition != 1 ? 0.15f : 0.3f) * qc);
}

void uwaUnitSideFriction(MethodResult& r, Profile& p, const io::InputData& d,
                         MethodContext& context) {
    resetSegmentPairs(r, p);
    const double pa = sideAtmosphericPressure(p.english);
    const double load = d.tension ? 0.75f : 1.0;
    for (int j = 1; j <= p.count(); ++j) {
        const Segment& s = p.segment(j);
        if (!s.sand()) {
            coneClaySideFriction(r, p, j, d, context);
            continue;
        }
        const double qc = segmentConeResistance(p, j, d.cpt, pa);
        const double radial = uwaRadialStress(qc, distanceToTip(p, j, context.embeddedLength), d);
        const double tanDelta = sandInterfaceTan(s.frictionAngle);
        r.frictionTop[j] = (radial + uwaDilation(qc, p.top(j), d)) * tanDelta * load;
        r.frictionBottom[j] = (radial + uwaDilation(qc, p.bottom(j), d)) * tanDelta * load;
        r.transferFirst[j] = r.frictionTop[j];
        r.transferSecond[j] = r.frictionBottom[j];
    }
}

std::vector<double> uwaUnitEndBearing(const Profile& p, const io::InputData& d) {
    return coneMethodEndBearing(p, d, uwaSandEndBearing);
}

void runUwa(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context) {
    uwaUnitSideFriction(r, p, d, context);
    accumulateOffshoreFriction(r, p, d, context.lastDepthPoint);
    r.endBearing = uwaUnitEndBearing(p, d);
    r.computed = true;
}

} // namespace quvex::methods
