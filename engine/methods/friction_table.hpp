// Accumulating a method's unit side friction into its friction table.
#pragma once

#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

namespace quvex::methods {

// Depth points 0 .. n of the embedded pile.
int lastDepthPoint(double embeddedLength, double increment);

// Perimeter from the outside diameter, in length units: π·D/12 ft or π·D/1000 m.
double perimeter(const io::InputData& d);

// Fills `r.friction` from the segment pairs frictionTop/frictionBottom with the
// maximum unit friction `maxFriction(k)` for k = 0 .. n: unit friction at the
// depth points (none above the zero friction length, reduced in tension), the
// increments limited by the maximum, cumulative, factored and settlement
// friction. The cumulative column ends up factored.
template <typename MaxFriction>
void accumulateFriction(MethodResult& r, const Profile& p, const io::InputData& d, int n,
                        MaxFriction maxFriction);

void finishFriction(MethodResult& r, const Profile& p, const io::InputData& d, int n);

template <typename MaxFriction>
void accumulateFriction(MethodResult& r, const Profile& p, const io::InputData& d, int n,
                        MaxFriction maxFriction) {
    FrictionTable& t = r.friction;
    t.unitFriction.assign(static_cast<std::size_t>(n) + 1, 0.0);
    t.maxFriction.assign(static_cast<std::size_t>(n) + 1, 0.0);
    for (int k = 0; k <= n; ++k) {
        const double z = k * d.increment;
        double f = 0.0;
        if (z - d.zeroFrictionLength > -1.0E-6f) f = p.atDepth(r.frictionTop, r.frictionBottom, z);
        if (d.tension) f *= d.tensionReductionFactor;
        t.unitFriction[k] = f;
        t.maxFriction[k] = maxFriction(k);
    }
    finishFriction(r, p, d, n);
}

} // namespace quvex::methods
