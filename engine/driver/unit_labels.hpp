// Unit labels printed beside values in the report, by unit system.
#pragma once

#include <string_view>

namespace quvex {

struct UnitLabels {
    std::string_view len;    // depths, lengths, penetrations
    std::string_view dia;    // diameters, perimeter; movements in English runs
    std::string_view force;  // loads and capacities
    std::string_view stress; // unit friction, unit bearing, strengths
    std::string_view uw;     // effective unit weight (5 columns)
    std::string_view area;   // cross-section and tip areas
    std::string_view mod;    // modulus of elasticity
    std::string_view tz;     // unit load transfer of t-z curves
};

// Value 1 selects the English labels; any other value the S.I. labels.
constexpr UnitLabels unitLabels(int unitSystem) {
    if (unitSystem == 1) return {"FT.", "IN.", "KIP", "KSF", "LB/CF", "IN2", "PSI", "PSI"};
    return {"M. ", "MM.", "KN.", "KPA", "KN/CM", "M2 ", "KPA", "KPA"};
}

} // namespace quvex
