// ICP/MTD method: radial effective stress from the cone resistance with a
// dilation increment in sand; the shared cone-based clay rules in clay.
#pragma once

#include "method_context.hpp"
#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

#include <vector>

namespace quvex::methods {

// Radial stress after installation, 0.029·qc·(σ'v/pa)^0.13·(h/R*)^−0.38.
double icpRadialStress(double qc, double stress, double pa, double hOverR);

// Dilation increment 2·G·Δr/(D/2) with the operational shear modulus from qc
// and σ'v; D in inches or mm. 0 where the modulus correlation has no positive
// value (very high normalised cone resistance).
double icpDilation(double qc, double stress, double pa, const io::InputData& d);

// Radial stress at failure: σ'rc + Δσ'rd in compression; in tension
// 0.8·σ'rc + Δσ'rd, times 0.9 for an open end.
double icpFailureStress(double radial, double dilation, const io::InputData& d);

// Unit end bearing of sand with cone resistance qc.
double icpSandEndBearing(double qc, const io::InputData& d);

// Unit side friction pairs and load-transfer pairs of every segment; the clay
// rule writes its messages to the context.
void icpUnitSideFriction(MethodResult& r, Profile& p, const io::InputData& d,
                         MethodContext& context);
// Unit end bearing at the stress points.
std::vector<double> icpUnitEndBearing(const Profile& p, const io::InputData& d);

void runIcp(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context);

} // namespace quvex::methods
