// Fugro 2004 method for driven piles in sand; the shared cone-based clay rules
// in clay.
#pragma once

#include "method_context.hpp"
#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

#include <vector>

namespace quvex::methods {

// Unit side friction of sand at one stress point, h inches or mm above the tip.
double fugroSandFriction(double qc, double stress, double h, const io::InputData& d);

// Unit end bearing of sand with cone resistance qc.
double fugroSandEndBearing(double qc, const io::InputData& d);

void fugroUnitSideFriction(MethodResult& r, Profile& p, const io::InputData& d,
                           MethodContext& context);
std::vector<double> fugroUnitEndBearing(const Profile& p, const io::InputData& d);

void runFugro(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context);

} // namespace quvex::methods
