// NGI method: cone-resistance based side friction and tip in sand, with the
// relative density from the cone; strength-ratio side friction in clay.
#pragma once

#include "method_context.hpp"
#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

#include <vector>

namespace quvex::methods {

// Relative density from the cone: 0.4·ln(qc / (22·√(σ'v·pa))), no bound; qc
// and σ'v positive.
double ngiRelativeDensity(double qc, double stress, double pa);

// Product of the sand friction factors F_tip·F_load·F_mat.
double ngiSandFactors(const io::InputData& d);

// Unit side friction of sand at one stress point, for a segment whose top lies
// `depthRatio` = zt/L of the pile length down.
double ngiSandFriction(double qc, double stress, double depthRatio, const io::InputData& d);

// The clay rule: unit friction f and the first value of the load-transfer pair.
struct NgiClayFriction {
    double friction = 0.0;
    double transferFirst = 0.0;
};
NgiClayFriction ngiClayFriction(double su, double sr, double plasticityIndex, double bottomStress,
                                const io::InputData& d);

// Unit end bearing of sand at one stress point.
double ngiSandEndBearing(double qc, double stress, const io::InputData& d);

// Unit side friction pairs and load-transfer pairs of every segment.
void ngiUnitSideFriction(MethodResult& r, Profile& p, const io::InputData& d,
                         double embeddedLength);
// Unit end bearing at the stress points.
std::vector<double> ngiUnitEndBearing(const Profile& p, const io::InputData& d);

void runNgi(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context);

} // namespace quvex::methods
