#include "ngi.hpp"

#include "cone_resistance.hpp"
#include "offshore_common.hpp"

#include <algorithm>
#include <cmath>

namespace quvex::methods {
namespace {

// Relative density of the side-friction rule; a cone resistance that is not
// positive leaves it at its floor.
double sideRelativeDensity(double qc, double stress, double pa, bool english) {
    const double floor = english ? 0.200001f : 0.20001f;
    if (!(qc > 0.0)) return floor;
    return std::max(ngiRelativeDensity(qc, stress, pa), floor);
}

} // namespace

double ngiRelativeDensity(double qc, double stress, double pa) {
    return 0.4f * std::log(qc / (22.0 * std::sqrt(stress * pa)));
}

double ngiSandFactors(const io::InputData& d) {
    const double tip = tipInnerDiameter(d) > 1.0E-5f ? 1.0 : 1.6f;
    const double load = d.tension ? 1.0 : 1.3f;
    const double material = d.materialType == 2 || d.materialType == 3 ? 1.2f : 1.0;
    return tip * load * material;
}

double ngiSandFriction(double qc, double stress, double depthRatio, const io::InputData& d) {
    // Without stress the density factor grows more slowly than the stress
    // factor vanishes: no friction.
    if (!(stress > 0.0)) return 0.0;
    const double pa = sideAtmosphericPressure(d.english());
    const double dr = sideRelativeDensity(qc, stress, pa, d.english());
    const double densityFactor = 2.1f * std::pow(dr - 0.1f, 1.7f);
    const double stressFactor = std::pow(stress / pa, 0.25f);
    return depthRatio * pa * densityFactor * stressFactor * ngiSandFactors(d);
}

NgiClayFriction ngiClayFriction(double su, double sr, double pi, double bottomStress,
                                const io::InputData& d) {
    const double psi = std::max(su / bottomStress, double{1.0E-10f});
    const bool open = tipInnerDiameter(d) >= 1.0E-5f;
    const double tip = d.english() && open ? 0.8f + 0.2f * std::sqrt(psi) : 1.0;
    NgiClayFriction c;
    if (psi < 0.25f) {
        if (pi <= 10.0) pi = 10.000001f;
        c.friction = 0.08f * std::pow(pi - 10.0, 0.3f) * bottomStress;
        c.transferFirst = c.friction;
    } else if (psi > 1.0) {
        const double alpha = 0.5f * std::pow(psi, -0.3f);
        c.friction = alpha * su * tip;
        c.transferFirst = alpha * sr * tip;
    } else {
        if (pi <= 12.0) pi = 12.000001f;
        const double normal = 0.32f * std::pow(pi - 10.0, 0.3f);
        const double over = 0.5f * std::pow(psi, -0.3f);
        const double alpha = normal + (psi - 0.25f) * (over - normal) / 0.75f;
        const double limit = 0.06f * std::pow(pi - 12.0, 0.33f) * bottomStress;
        c.friction = std::max(alpha * su * tip, limit);
        c.transferFirst = std::max(alpha * sr * tip, limit);
    }
    return c;
}

double ngiSandEndBearing(double qc, double stress, const io::InputData& d) {
    // No cone resistance, or no stress (the density grows without bound): no tip.
    if (!(qc > 0.0) || !(stress > 0.0)) return 0.0;
    const double dr = ngiRelativeDensity(qc, stress, tipAtmosphericPressure(d.english()));
    if (tipInnerDiameter(d) > 1.0E-4f) return 0.7f * qc / (1.0 + 3.0 * dr * dr);
    return 0.8f * qc / (1.0 + dr * dr);
}

void ngiUnitSideFriction(MethodResult& r, Profile& p, const io::InputData& d,
                         double embeddedLength) {
    resetSegmentPairs(r, p);
    const double pa = sideAtmosphericPressure(p.english);
    for (int j = 1; j <= p.count(); ++j) {
        const Segment& s = p.segment(j);
        if (s.sand()) {
            double& top = p.stress[static_cast<std::size_t>(2 * j - 1)];
            if (top < 1.0E-8f) top = 1.0E-8f;
            const double qc = segmentConeResistance(p, j, d.cpt, pa);
            const double ratio = embeddedLength > 0.0 ? s.top / embeddedLength : 0.0;
            r.frictionTop[j] = ngiSandFriction(qc, p.top(j), ratio, d);
            r.frictionBottom[j] = ngiSandFriction(qc, p.bottom(j), ratio, d);
            r.transferFirst[j] = r.frictionTop[j];
            r.transferSecond[j] = r.frictionBottom[j];
        } else {
            double& bottom = p.stress[static_cast<std::size_t>(2 * j)];
            if (bottom < 1.0E-10f) bottom = 1.0E-10f;
            const NgiClayFriction c = ngiClayFriction(s.su, s.sr, s.plasticityIndex, bottom, d);
            r.frictionTop[j] = r.frictionBottom[j] = c.friction;
            r.transferFirst[j] = c.transferFirst;
            r.transferSecond[j] = c.friction;
        }
    }
}

std::vector<double> ngiUnitEndBearing(const Profile& p, const io::InputData& d) {
    std::vector<double> q = stressPointArray(p);
    const double pa = tipAtmosphericPressure(p.english);
    for (int j = 1; j <= p.count(); ++j) {
        const Segment& s = p.segment(j);
        double top = 9.0 * s.su, bottom = top;
        if (s.sand()) {
            const double qc = segmentConeResistance(p, j, d.cpt, pa);
            top = ngiSandEndBearing(qc, p.top(j), d);
            bottom = ngiSandEndBearing(qc, p.bottom(j), d);
        }
        q[2 * j - 1] = limitToMaxEndBearing(top, s);
        q[2 * j] = limitToMaxEndBearing(bottom, s);
    }
    closeStressPointArray(q, p);
    return q;
}

void runNgi(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context) {
    ngiUnitSideFriction(r, p, d, context.embeddedLength);
    accumulateOffshoreFriction(r, p, d, context.lastDepthPoint);
    r.endBearing = ngiUnitEndBearing(p, d);
    r.computed = true;
}

} // namespace quvex::methods
