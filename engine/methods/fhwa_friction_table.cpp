#include "fhwa_friction_table.hpp"

#include <algorithm>

namespace quvex::methods {

void accumulateLimitedFriction(MethodResult& r, const Profile& p, const io::InputData& d, int n,
                               const IncrementPerimeter& perimeterAt) {
    FrictionTable& t = r.friction;
    const std::size_t size = static_cast<std::size_t>(n) + 1;
    t.unitFriction.assign(size, 0.0);
    t.maxFriction.assign(size, 0.0);
    t.limitedFriction.assign(size, 0.0);
    t.increment.assign(size, 0.0);
    t.cumulative.assign(size, 0.0);
    t.factored.assign(size, 0.0);
    t.settlement.assign(size, 0.0);
    for (int k = 0; k <= n; ++k) {
        const double z = k * d.increment;
        if (z - d.zeroFrictionLength > -1.0E-6f)
            t.unitFriction[k] = p.atDepth(r.frictionTop, r.frictionBottom, z);
        // The friction at the surface keeps its full value in tension.
        if (d.tension && k >= 1) t.unitFriction[k] *= d.tensionReductionFactor;
        t.maxFriction[k] = p.segmentBelow(k).fmax;
    }
    // The unit friction F carried from one increment to the next is the limited one.
    double previousF = t.unitFriction[0];
    for (int k = 1; k <= n; ++k) {
        const double ring = perimeterAt(k) * d.increment;
        const double a = 0.5 * (previousF + t.unitFriction[k]) * ring;
        const double b = 0.5 * (t.maxFriction[k - 1] + t.maxFriction[k]) * ring;
        t.increment[k] = a - b > 1.0E-6f ? b : a;
        previousF = std::min(t.unitFriction[k], t.maxFriction[k]);
        t.cumulative[k] = t.cumulative[k - 1] + t.increment[k];
        t.factored[k] = t.factored[k - 1] + t.increment[k] * p.segmentBelow(k - 1).lrfdFriction;
        t.settlement[k] = d.reducedResistance ? t.factored[k] : t.cumulative[k];
    }
    for (std::size_t k = 0; k < size; ++k)
        t.limitedFriction[k] = std::min(t.unitFriction[k], t.maxFriction[k]);
    t.cumulative = t.factored;
}

} // namespace quvex::methods
