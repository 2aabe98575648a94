// t-z curves at depths the user lists, built as the curves along the pile are,
// for comparison with expectations. They take no part in the settlement.
#pragma once

#include "load_transfer_curves.hpp"

#include <vector>

namespace quvex::settlement {

struct VerificationCurve {
    int number = 0;           // place in the list, from 1
    double listedDepth = 0.0; // below the ground as listed: ft or m
    bool inRange = false;     // within the soil profile: 0 <= depth <= last soil point
    TzCurve curve;            // shaped only when in range; depth in in or m
};

// The kind and friction angle of a curve at `depth` below the ground (ft or m):
// from the first soil interval of 0.11 or more whose bottom is not above it.
void classifyAtDepth(const std::vector<io::SoilPoint>& points, double depth, TzCurve& c);

std::vector<VerificationCurve> verificationCurves(const std::vector<double>& depths,
                                                  const std::vector<io::SoilPoint>& points,
                                                  const TransferInputs& in, const CurveSetting& s);

} // namespace quvex::settlement
