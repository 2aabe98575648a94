// Turning a method's unit end bearing into the tip resistance at every depth
// point: full-section tip averaged around the tip, the open-end resistance of
// annulus plus soil plug, the plug decision, and the self weight in tension.
#pragma once

#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

#include <vector>

namespace quvex::methods {

struct PileGeometry {
    double embeddedLength = 0.0;
    int lastDepthPoint = 0; // n: depth points 0 .. n
};

// Full-section tip area (ft² or m²), the tip narrowed by the taper.
double fullTipArea(const io::InputData& d, double embeddedLength);

// Pile self weight down to depth z (kips or kN), buoyant below the water level.
double selfWeight(const io::InputData& d, double waterLevel, double z);

// Fills r.tip, r.plug and r.tipUnfactored for depth points 0 .. n from the unit
// end bearing `q` at the stress points and the method's load-transfer pairs.
void assembleCapacity(int code, MethodResult& r, const std::vector<double>& q, const Profile& p,
                      const io::InputData& d, const PileGeometry& g);

// Ultimate capacity Q(k) + λq·X(k), with X(k) factored by the end-bearing
// factor of the segment below the tip (none for the user-specified method).
void formUltimate(int code, MethodResult& r, const Profile& p, int n);

} // namespace quvex::methods
