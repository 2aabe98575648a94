#include "icp.hpp"

#include "api.hpp"
#include "cone_clay.hpp"
#include "cone_resistance.hpp"
#include "offshore_common.hpp"

#include <algorithm>
#include <cmath>

namespace quvex::methods {
namespace {

// Radial displacement of dilation, in inches or mm.
double dilationDisplacement(bool english) {
    return english ? 0.0007874016f : 0.02f;
}

// Slenderness h/R* of the sand rule, at least 8. A tip with no wall left has
// an unbounded slenderness, returned as 0: it brings no radial stress.
double sandSlenderness(const Profile& p, int j, const io::InputData& d, double embeddedLength) {
    const double radius = equivalentRadius(d);
    const double h = distanceToTip(p, j, embeddedLength);
    if (!(radius > 0.0)) return 0.0;
    return std::max(h / radius, 8.0);
}

} // namespace

double icpRadialStress(double qc, double stress, double pa, double hOverR) {
    if (!(hOverR > 0.0)) return 0.0;
    return 0.029f * qc * powerOfPositive(stress / pa, 0.13f) * std::pow(hOverR, -0.38f);
}

double icpDilation(double qc, double stress, double pa, const io::InputData& d) {
    if (!(stress > 0.0)) return 0.0;
    const double eta = qc / std::sqrt(stress * pa);
    const double denominator = 0.0203f + 0.00125f * eta - 1.216E-6f * eta * eta;
    if (!(denominator > 0.0)) return 0.0;
    const double modulus = qc / denominator;
    return 2.0 * modulus * dilationDisplacement(d.english()) / (d.outerDiameter / 2.0);
}

double icpFailureStress(double radial, double dilation, const io::InputData& d) {
    if (!d.tension) return radial + dilation;
    const double stress = 0.8f * radial + dilation;
    return tipInnerDiameter(d) > 1.0E-5f ? 0.9f * stress : stress;
}

double icpSandEndBearing(double qc, const io::InputData& d) {
    const double dmm = d.english() ? d.outerDiameter * 25.4f : d.outerDiameter;
    const double scale = std::log10(dmm / 36.0);
    double q = 0.0;
    if (tipInnerDiameter(d) < 1.0E-4f) {
        q = qc * (1.0 - 0.5f * scale);
        if (dmm > 900.0) q = std::max(q, 0.3f * qc);
    } else if (d.plugCondition == 2) {
        q = qc;
    } else {
        q = qc * (0.5f - 0.25f * scale);
        if (dmm > 900.0) q = std::max(q, 0.15f * qc);
    }
    return q;
}

void icpUnitSideFriction(MethodResult& r, Profile& p, const io::InputData& d,
                         MethodContext& context) {
    resetSegmentPairs(r, p);
    const double pa = sideAtmosphericPressure(p.english);
    for (int j = 1; j <= p.count(); ++j) {
        const Segment& s = p.segment(j);
        if (!s.sand()) {
            coneClaySideFriction(r, p, j, d, context);
            continue;
        }
        const double qc = segmentConeResistance(p, j, d.cpt, pa);
        const double ratio = sandSlenderness(p, j, d, context.embeddedLength);
        const double dilation = icpDilation(qc, p.bottom(j), pa, d);
        const double tanDelta = sandInterfaceTan(s.frictionAngle);
        r.frictionTop[j] =
            icpFailureStress(icpRadialStress(qc, p.top(j), pa, ratio), dilation, d) * tanDelta;
        r.frictionBottom[j] =
            icpFailureStress(icpRadialStress(qc, p.bottom(j), pa, ratio), dilation, d) * tanDelta;
        r.transferFirst[j] = r.frictionTop[j];
        r.transferSecond[j] = r.frictionBottom[j];
    }
}

std::vector<double> icpUnitEndBearing(const Profile& p, const io::InputData& d) {
    return coneMethodEndBearing(p, d, icpSandEndBearing);
}

void runIcp(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context) {
    icpUnitSideFriction(r, p, d, context);
    accumulateOffshoreFriction(r, p, d, context.lastDepthPoint);
    r.endBearing = icpUnitEndBearing(p, d);
    r.computed = true;
}

} // namespace quvex::methods
