#include "user_method.hpp"

#include "friction_table.hpp"

namespace quvex::methods {

bool hasUserValues(const Profile& p) {
    for (int j = 1; j <= p.count(); ++j)
        if (p.segment(j).userFriction != 0.0 || p.segment(j).userEndBearing != 0.0) return true;
    return false;
}

double userTipArea(const io::InputData& d) {
    if (d.tipArea > 1.0E-4f) return d.tipArea;
    const double dia = d.outerDiameter / (d.english() ? 12.0 : 1000.0);
    return 0.7853975f * dia * dia;
}

void runUserSpecified(MethodResult& r, const Profile& p, const io::InputData& d, int n) {
    const int ns = p.count();
    const std::size_t size = static_cast<std::size_t>(n) + 1;
    r.frictionTop.assign(static_cast<std::size_t>(ns) + 1, 0.0);
    r.endBearing.assign(static_cast<std::size_t>(2 * ns) + 2, 0.0);
    for (int j = 1; j <= ns; ++j) {
        r.frictionTop[j] = p.segment(j).userFriction;
        r.endBearing[2 * j - 1] = r.endBearing[2 * j] = p.segment(j).userEndBearing;
    }
    r.frictionBottom = r.frictionTop;
    r.transferFirst = r.frictionTop;
    r.transferSecond = r.frictionTop;

    FrictionTable& t = r.friction;
    t = FrictionTable{};
    t.unitFriction.assign(size, 0.0);
    t.cumulative.assign(size, 0.0);
    r.tip.assign(size, 0.0);
    r.plug.assign(size, 1);
    const double area = userTipArea(d);
    const double ring = perimeter(d) * d.increment;
    r.tip[0] = area * p.segment(1).userEndBearing;
    t.unitFriction[0] = p.segment(1).userFriction;
    for (int k = 1; k <= n; ++k) {
        // A depth point on a boundary belongs to the segment above it.
        const Segment& s = p.segment(p.segmentAt(k * d.increment));
        r.tip[k] = area * s.userEndBearing;
        t.unitFriction[k] = s.userFriction;
        t.cumulative[k] =
            t.cumulative[k - 1] + p.segmentBelow(k - 1).lrfdFriction * ring * s.userFriction;
    }
    t.limitedFriction = t.unitFriction;
    t.factored = t.cumulative;
    t.settlement = t.cumulative;
    r.tipUnfactored = r.tip;
    r.ultimate.resize(size);
    for (std::size_t k = 0; k < size; ++k)
        r.ultimate[k] = t.cumulative[k] + r.tip[k];
    r.computed = true;
}

} // namespace quvex::methods
