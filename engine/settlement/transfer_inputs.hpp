// The values the load-transfer curves and the load-settlement solution start
// from: the cumulative skin friction and the unfactored tip load of the method
// chosen for the unit load transfers, at every penetration increment.
#pragma once

#include "../methods/method_result.hpp"

#include <vector>

namespace quvex::settlement {

// Per penetration increment k = 1 .. n at depth (k - 1)·Δz below the ground;
// index 0 is unused. Forces in kips or kN.
struct TransferInputs {
    double increment = 1.0;             // Δz, ft or m
    std::vector<double> sideResistance; // F(k): cumulative skin friction down to increment k
    std::vector<double> tipResistance;  // Qb(k): unfactored ultimate tip load at increment k

    int count() const { return static_cast<int>(sideResistance.size()) - 1; }
    double depth(int k) const { return (k - 1) * increment; }
    double friction(int k) const { return sideResistance[static_cast<std::size_t>(k)]; }
    double tip(int k) const { return tipResistance[static_cast<std::size_t>(k)]; }
};

// The capacity assembly's code of a method number of the input file
// (1 FHWA, 2 USACE, 3 Lambda, 4 API, 5 user, 6 NGI, 7 ICP/MTD, 8 Fugro, 9 UWA).
// 0 for a number outside 1 .. 9.
int methodCodeOf(int methodNumber);

// Copies the chosen method's settlement friction R and unfactored tip load,
// depth point k - 1 to increment k. Values the method has not produced
// (a method not built, or not run) are taken as zero.
TransferInputs copyChosenMethod(const methods::MethodResult& r, int incrementCount,
                                double increment);

} // namespace quvex::settlement
