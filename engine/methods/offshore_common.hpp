// What the cone-based offshore methods (NGI, ICP/MTD, Fugro 2004, UWA) share:
// atmospheric pressures, the pile end seen by their rules, the distance of a
// segment to the pile tip, and their friction table, which neither reduces
// friction in tension nor limits it by the layer's maximum unit friction.
#pragma once

#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

#include <vector>

namespace quvex::methods {

// Atmospheric pressure of the side-friction rules (ksf or kPa).
double sideAtmosphericPressure(bool english);
// Atmospheric pressure of the tip rules and of their blow-count fallback.
double tipAtmosphericPressure(bool english);

// Internal diameter at the tip (in or mm) as the offshore rules see it: 0 for
// a pile declared closed-ended, whatever inner diameter its wall has.
double tipInnerDiameter(const io::InputData& d);

// Distance from the top of segment j to the pile tip in inches or mm, at
// least 1e-5.
double distanceToTip(const Profile& p, int j, double embeddedLength);

// q limited by the segment's maximum unit end bearing when one is given.
double limitToMaxEndBearing(double q, const Segment& s);

// x^e for a positive x, 0 otherwise: a stress or ratio that hand-edited input
// drove to zero or below contributes nothing instead of an undefined power.
double powerOfPositive(double x, double e);

// Per-segment arrays of a method's pairs, sized for segments 1 .. ns.
void resetSegmentPairs(MethodResult& r, const Profile& p);

// Fills r.friction from the segment pairs: F(k) at the depth points (none above
// the zero friction length), increments 0.5·(F(k−1) + F(k))·P·Δz with no
// maximum, cumulative, factored and settlement friction. The plotted unit
// friction column holds F(k) and the cumulative column ends up factored.
void accumulateOffshoreFriction(MethodResult& r, const Profile& p, const io::InputData& d, int n);

// Unit end bearing array over stress points 1 .. 2·ns + 1 with the last point
// copied from the bottom of the last segment.
std::vector<double> stressPointArray(const Profile& p);
void closeStressPointArray(std::vector<double>& q, const Profile& p);

} // namespace quvex::methods
