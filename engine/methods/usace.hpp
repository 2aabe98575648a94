// U.S. Army Corps of Engineers method: side friction in sand from the
// critical-depth limited stress, adhesion in clay, both in silt, and a sand
// tip whose stress is frozen below the critical depth.
#pragma once

#include "method_context.hpp"
#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

#include <vector>

namespace quvex::methods {

// Interface friction angle δ (degrees) by pile type code.
double usaceInterfaceAngle(int pileType, double frictionAngle);

// Lateral earth pressure coefficient: the segment's, or 1.25 in compression
// and 0.6 in tension when it is 0 or when the API method is also selected.
double usaceEarthPressureCoefficient(double segmentK, const io::InputData& d);

// Adhesion factor α by Su (ksf or kPa).
double usaceAdhesionFactor(double su, bool english);

// Bearing capacity factor Nq of a sand by φ (degrees).
double usaceBearingFactor(double frictionAngle);

// Unit end bearing at the stress points: 9·Su in clay and silt; Nq·σ'v in sand,
// frozen below the critical depth and limited by qmax.
std::vector<double> usaceUnitEndBearing(const Profile& p, const io::InputData& d);

// The whole method. With the critical-depth option 1 it recomputes the
// profile's critical depth from its sand and silt segments.
void runUsace(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context);

} // namespace quvex::methods
