#include "cone_clay.hpp"

#include "cone_resistance.hpp"
#include "interpolate.hpp"
#include "offshore_common.hpp"

#include <algorithm>
#include <cmath>

namespace quvex::methods {
namespace {

// Interface friction angle chart: degrees by plasticity index.
constexpr float kChartPlasticity[] = {0,  5,  10, 15, 20, 25, 30, 35, 40,
                                      45, 50, 55, 60, 65, 70, 75, 80};
constexpr float kChartAngle[] = {34,    32,    29, 27,    24.5f, 22.5f, 20,   18.5f, 17,
                                 15.2f, 14.7f, 13, 12.3f, 11.5f, 10,    9.2f, 8.5f};

constexpr const char* kNoPlasticityIndex = " ERROR - NO DATA FOUND FOR PLASTIC INDEX.";
constexpr const char* kShortEmbedment = " WARNING - h/R SHOULD BE GREATER THAN 8.";

void report(MethodContext& context, const char* text) {
    if (context.messages) context.messages->line(text);
}

} // namespace

double clayInterfaceAngle(double plasticityIndex) {
    return interpolateClamped(kChartPlasticity, kChartAngle, plasticityIndex);
}

double equivalentRadius(const io::InputData& d) {
    const double od = d.outerDiameter, dt = tipInnerDiameter(d);
    return std::sqrt(std::max(od * od / 4.0 - dt * dt / 4.0, 0.0));
}

double clayStressRatio(double su, double sr, double ysr, double hOverR) {
    const double sensitivity = su > 0.0 && sr > 0.0 ? 0.625f * std::log10(su / sr) : 0.0;
    return (2.0 - sensitivity) * powerOfPositive(ysr, 0.42f) * std::pow(hOverR, -0.2f);
}

void coneClaySideFriction(MethodResult& r, const Profile& p, int j, const io::InputData& d,
                          MethodContext& context) {
    const Segment& s = p.segment(j);
    if (s.plasticityIndex < 0.0) report(context, kNoPlasticityIndex);
    const double tanDelta = std::tan(clayInterfaceAngle(s.plasticityIndex) / 57.2958f);
    const double radius = equivalentRadius(d);
    double kc = 0.0; // no wall at the tip: nothing pushed aside
    if (radius > 0.0) {
        double ratio = distanceToTip(p, j, context.embeddedLength) / radius;
        if (ratio < 8.0) {
            report(context, kShortEmbedment);
            ratio = 8.0;
        }
        kc = clayStressRatio(s.su, s.sr, s.n, ratio);
    }
    r.frictionTop[j] = 0.8f * kc * p.top(j) * tanDelta;
    r.frictionBottom[j] = 0.8f * kc * p.bottom(j) * tanDelta;
    r.transferFirst[j] = r.frictionTop[j];
    r.transferSecond[j] = r.frictionBottom[j];
}

double coneClayEndBearing(double su, double qc, const io::InputData& d) {
    const bool drained = d.clayDrained;
    const bool open = tipInnerDiameter(d) >= 1.0E-6f;
    if (open && d.plugCondition != 1) {
        if (d.plugCondition == 2) return drained ? 1.6f * qc : qc;
        return 9.0 * su;
    }
    if (d.plugCondition == 1) return drained ? 0.65f * qc : 0.4f * qc;
    return drained ? 1.3f * qc : 0.8f * qc;
}

void applyConeClayEndBearing(std::vector<double>& q, const Profile& p, const io::InputData& d) {
    const double pa = tipAtmosphericPressure(p.english);
    for (int j = 1; j <= p.count(); ++j) {
        const Segment& s = p.segment(j);
        if (s.sand()) continue;
        const double qc = segmentConeResistance(p, j, d.cpt, pa);
        q[2 * j - 1] = q[2 * j] = coneClayEndBearing(s.su, qc, d);
    }
    closeStressPointArray(q, p);
}

std::vector<double> coneMethodEndBearing(const Profile& p, const io::InputData& d,
                                         SandTipRule sandTip) {
    std::vector<double> q = stressPointArray(p);
    const double pa = tipAtmosphericPressure(p.english);
    for (int j = 1; j <= p.count(); ++j) {
        const Segment& s = p.segment(j);
        if (!s.sand()) continue;
        const double qc = segmentConeResistance(p, j, d.cpt, pa);
        q[2 * j - 1] = q[2 * j] = limitToMaxEndBearing(sandTip(qc, d), s);
    }
    applyConeClayEndBearing(q, p, d);
    return q;
}

} // namespace quvex::methods
