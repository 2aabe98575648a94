#include "offshore_common.hpp"

#include "friction_table.hpp"

#include <algorithm>
#include <cmath>

namespace quvex::methods {

double sideAtmosphericPressure(bool english) {
    return english ? 2.088555f : 100.0;
}

double tipAtmosphericPressure(bool english) {
    return english ? 2.1168f : 100.0;
}

double tipInnerDiameter(const io::InputData& d) {
    return d.closedEnd ? 0.0 : std::max(d.endSectionInnerDiameter, 0.0);
}

double distanceToTip(const Profile& p, int j, double embeddedLength) {
    const double h = (embeddedLength - p.segment(j).top) * (p.english ? 12.0 : 1000.0);
    return std::max(h, double{1.0E-5f});
}

double limitToMaxEndBearing(double q, const Segment& s) {
    if (s.qmax != io::kNoLimit && s.qmax > 0.001f) return std::min(q, s.qmax);
    return q;
}

double powerOfPositive(double x, double e) {
    return x > 0.0 ? std::pow(x, e) : 0.0;
}

void resetSegmentPairs(MethodResult& r, const Profile& p) {
    const std::size_t size = static_cast<std::size_t>(p.count()) + 1;
    for (auto* v : {&r.frictionTop, &r.frictionBottom, &r.transferFirst, &r.transferSecond})
        v->assign(size, 0.0);
}

void accumulateOffshoreFriction(MethodResult& r, const Profile& p, const io::InputData& d, int n) {
    FrictionTable& t = r.friction;
    const std::size_t size = static_cast<std::size_t>(n) + 1;
    t.unitFriction.assign(size, 0.0);
    t.maxFriction.assign(size, io::kNoLimit);
    t.increment.assign(size, 0.0);
    t.cumulative.assign(size, 0.0);
    t.factored.assign(size, 0.0);
    t.settlement.assign(size, 0.0);
    for (int k = 0; k <= n; ++k) {
        const double z = k * d.increment;
        if (z - d.zeroFrictionLength > -1.0E-6f)
            t.unitFriction[k] = p.atDepth(r.frictionTop, r.frictionBottom, z);
    }
    t.limitedFriction = t.unitFriction;
    const double ring = perimeter(d) * d.increment;
    for (int k = 1; k <= n; ++k) {
        t.increment[k] = 0.5 * (t.unitFriction[k - 1] + t.unitFriction[k]) * ring;
        t.cumulative[k] = t.cumulative[k - 1] + t.increment[k];
        t.factored[k] = t.factored[k - 1] + t.increment[k] * p.segmentBelow(k - 1).lrfdFriction;
        t.settlement[k] = d.reducedResistance ? t.factored[k] : t.cumulative[k];
    }
    t.cumulative = t.factored;
}

std::vector<double> stressPointArray(const Profile& p) {
    return std::vector<double>(static_cast<std::size_t>(2 * p.count()) + 2, 0.0);
}

void closeStressPointArray(std::vector<double>& q, const Profile& p) {
    const int ns = p.count();
    if (ns >= 1) q[static_cast<std::size_t>(2 * ns + 1)] = q[static_cast<std::size_t>(2 * ns)];
}

} // namespace quvex::methods
