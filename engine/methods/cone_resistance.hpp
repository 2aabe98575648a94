// Cone tip resistance of a segment, shared by the cone-based methods and by
// the annulus bearing of the capacity assembly.
#pragma once

#include "profile.hpp"

#include "../io/input_data.hpp"

#include <vector>

namespace quvex::methods {

// qc of segment j in ksf or kPa: the segment's own qc; when that is below 1e-5,
// the CPT table at the segment top (when there are CPT points) or 2.8·pa·N.
// Values taken from the soil table or the CPT table are in psf in English runs.
double segmentConeResistance(const Profile& p, int j, const std::vector<io::CptPoint>& cpt,
                             double atmosphericPressure);

// The CPT table at a depth: linear between points, the first value above the
// first point and the last value below the last.
double cptAtDepth(const std::vector<io::CptPoint>& cpt, double depth);

} // namespace quvex::methods
