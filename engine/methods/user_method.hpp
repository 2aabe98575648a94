// Unit side friction and unit end bearing given by the user for each layer.
#pragma once

#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

namespace quvex::methods {

// True when some segment carries a user unit side friction or end bearing.
bool hasUserValues(const Profile& p);

// Full-section tip area in length units squared: the noncircular tip area, or
// that of the outside diameter.
double userTipArea(const io::InputData& d);

// Cumulative friction and end bearing over depth points 0 .. n; the ultimate
// capacity is their sum (no end-bearing factor).
void runUserSpecified(MethodResult& r, const Profile& p, const io::InputData& d, int n);

} // namespace quvex::methods
