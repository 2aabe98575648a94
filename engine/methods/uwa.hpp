// UWA method: radial stress from the cone resistance with an effective area
// ratio and a dilation increment in sand; the shared cone-based clay rules in
// clay.
#pragma once

#include "method_context.hpp"
#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

#include <vector>

namespace quvex::methods {

// Filling ratio (Dt_m/1.5)^0.2, at most 1, Dt_m the tip internal diameter in m.
double uwaFillingRatio(const io::InputData& d);
// Effective area ratio 1 − FFR·(Dt/D)².
double uwaEffectiveAreaRatio(const io::InputData& d);

// Radial stress after installation, the same at both points of a segment whose
// top lies h inches or mm above the tip.
double uwaRadialStress(double qc, double h, const io::InputData& d);
// Dilation increment 4·G·Δr/D at a stress point.
double uwaDilation(double qc, double stress, const io::InputData& d);

// Unit end bearing of sand with cone resistance qc.
double uwaSandEndBearing(double qc, const io::InputData& d);

void uwaUnitSideFriction(MethodResult& r, Profile& p, const io::InputData& d,
                         MethodContext& context);
std::vector<double> uwaUnitEndBearing(const Profile& p, const io::InputData& d);

void runUwa(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context);

} // namespace quvex::methods
