#include "fugro.hpp"

#include "cone_clay.hpp"
#include "cone_resistance.hpp"
#include "offshore_common.hpp"

#include <algorithm>
#include <cmath>

namespace quvex::methods {
namespace {

// Equivalent radius (D/2)·√(1 − (Dt/D)²), 0 when the tip has no wall left.
double fugroRadius(const io::InputData& d) {
    const double ratio = tipInnerDiameter(d) / d.outerDiameter;
    return d.outerDiameter / 2.0 * std::sqrt(std::max(1.0 - ratio * ratio, 0.0));
}

} // namespace

double fugroSandFriction(double qc, double stress, double h, const io::InputData& d) {
    const double radius = fugroRadius(d);
    // No wall at the tip: an unbounded h/R*, no friction.
    if (!(radius > 0.0)) return 0.0;
    const double pa = sideAtmosphericPressure(d.english());
    const double r = h / radius;
    if (d.tension)
        return 0.045f * qc * powerOfPositive(stress / pa, 0.15f) *
               std::pow(std::max(r, 4.0), -0.85f);
    const double f = 0.08f * qc * powerOfPositive(stress / pa, 0.05f) * std::pow(r, -0.9f);
    return r > 4.0 ? f : f * (h / (4.0 * radius));
}

double fugroSandEndBearing(double qc, const io::InputData& d) {
    const double pa = tipAtmosphericPressure(d.english());
    const double ratio = tipInnerDiameter(d) / d.outerDiameter;
    const double area = 1.0 - ratio * ratio;
    return 8.5f * pa * std::sqrt(std::max(qc / pa, 0.0)) * powerOfPositive(area, 0.25f);
}

void fugroUnitSideFriction(MethodResult& r, Profile& p, const io::InputData& d,
                           MethodContext& context) {
    resetSegmentPairs(r, p);
    const double pa = sideAtmosphericPressure(p.english);
    for (int j = 1; j <= p.count(); ++j) {
        if (!p.segment(j).sand()) {
            coneClaySideFriction(r, p, j, d, context);
            continue;
        }
        const double qc = segmentConeResistance(p, j, d.cpt, pa);
        const double h = distanceToTip(p, j, context.embeddedLength);
        r.frictionTop[j] = fugroSandFriction(qc, p.top(j), h, d);
        r.frictionBottom[j] = fugroSandFriction(qc, p.bottom(j), h, d);
        r.transferFirst[j] = r.frictionTop[j];
        r.transferSecond[j] = r.frictionBottom[j];
    }
}

std::vector<double> fugroUnitEndBearing(const Profile& p, const io::InputData& d) {
    return coneMethodEndBearing(p, d, fugroSandEndBearing);
}

void runFugro(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context) {
    fugroUnitSideFriction(r, p, d, context);
    accumulateOffshoreFriction(r, p, d, context.lastDepthPoint);
    r.endBearing = fugroUnitEndBearing(p, d);
    r.computed = true;
}

} // namespace quvex::methods
