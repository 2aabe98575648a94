// API RP-2A: unit side friction and unit end bearing.
#pragma once

#include "method_context.hpp"
#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

namespace quvex::methods {

// tan δ of a sand's interface, δ = φ - 5 degrees; a sand without 5 degrees of
// friction angle gets no friction rather than a negative one.
double sandInterfaceTan(double frictionAngle);

// The API adhesion factor of a clay: ψ = Su / σ'v.
double apiAlpha(double su, double stress);
// Limiting unit friction and end bearing of sand by friction angle (ksf or kPa).
double apiMaxUnitFriction(double frictionAngle, bool english);
double apiEndBearingLimit(double frictionAngle, bool english);

// Unit side friction pairs and load-transfer pairs per segment. Raises a zero
// bottom stress under clay to 1e-10 in the profile.
void apiUnitSideFriction(MethodResult& r, Profile& p);
// Unit end bearing at the stress points: 9·Su in clay, Nq·σ'v limited in sand.
std::vector<double> apiUnitEndBearing(const Profile& p, const io::InputData& d);
// Clay gets 9·Su at both points; sand nothing until a method says otherwise.
std::vector<double> clayEndBearing(const Profile& p, const io::InputData& d);

// The whole method: friction table over depth points 0 .. n and end bearing.
void runApi(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context);

} // namespace quvex::methods
