#include "friction_table.hpp"

#include <algorithm>
#include <cmath>

namespace quvex::methods {

int lastDepthPoint(double embeddedLength, double increment) {
    return static_cast<int>(std::trunc(embeddedLength / increment + 1.0E-6f));
}

double perimeter(const io::InputData& d) {
    return 3.14159f * d.outerDiameter / (d.english() ? 12.0 : 1000.0);
}

void finishFriction(MethodResult& r, const Profile& p, const io::InputData& d, int n) {
    FrictionTable& t = r.friction;
    const std::size_t size = static_cast<std::size_t>(n) + 1;
    t.limitedFriction.resize(size);
    t.increment.assign(size, 0.0);
    t.cumulative.assign(size, 0.0);
    t.factored.assign(size, 0.0);
    t.settlement.assign(size, 0.0);
    for (std::size_t k = 0; k < size; ++k)
        t.limitedFriction[k] = std::min(t.unitFriction[k], t.maxFriction[k]);
    const double ring = perimeter(d) * d.increment;
    for (int k = 1; k <= n; ++k) {
        const double a = 0.5 * (t.unitFriction[k - 1] + t.unitFriction[k]) * ring;
        const double b = 0.5 * (t.maxFriction[k - 1] + t.maxFriction[k]) * ring;
        t.increment[k] = a - b > 1.0E-6f ? b : a;
        t.cumulative[k] = t.cumulative[k - 1] + t.increment[k];
        t.factored[k] = t.factored[k - 1] + t.increment[k] * p.segmentBelow(k - 1).lrfdFriction;
        t.settlement[k] = d.reducedResistance ? t.factored[k] : t.cumulative[k];
    }
    t.cumulative = t.factored;
}

} // namespace quvex::methods
