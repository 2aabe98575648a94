// Cutting the soil profile into computation segments.
#pragma once

#include "../io/input_data.hpp"

#include <vector>

namespace quvex {

// Segments of thickness `increment` down to the profile bottom, as a real so a
// count beyond any integer can still be reported.
double segmentCountFor(double profileBottom, double increment);

// Penetration increments 1..n at (k - 1) * increment down the embedded length.
int incrementCountFor(double embeddedLength, double increment);

// Neighbouring soil points closer than an increment are moved onto the grid of
// increments: under half an increment apart they merge, else they move one
// increment apart. Each pair uses the already moved upper point.
void snapSoilPoints(std::vector<io::SoilPoint>& points, double increment);

} // namespace quvex
