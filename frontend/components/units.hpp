// Unit codes of units strings ("F/L2^2", "L2", ...) and their texts and
// conversion factors in the two unit systems of a project.
#pragma once

#include <string>

namespace quvex {

// Unit system numbers carried by every component as its Units property.
enum TUnitSystem : int {
    usEnglish = 1,
    usSI = 2,
    usGeneric = 3, // no substitution, or generic dimension letters in table columns
};

// Text of a units string for a numeric entry box: first-present rule over
// F6, F5, F4, F2, F1, F and L2, L1, L3, L.  System 3 returns it unchanged.
std::string EntryUnitsText(const std::string& units, int system);

// Text for a combo box: every F, then every L, replaced.  System 3 unchanged.
std::string ComboUnitsText(const std::string& units, int system);

// Text for a plot axis caption: first-present rule over F2, F1, F and L2, L1, L.
std::string PlotUnitsText(const std::string& units, int system);

// Text for a table column header: every code in the order F2, F1, F4, F5, F6,
// F, L3, L2, L1, L; system 3 gives the generic dimension letters.
std::string ColumnUnitsText(const std::string& units, int system);

// Factor that turns a value in system `from` into system `to` for a quantity
// with the given units string (1 unless one system is English and the other SI).
long double ConversionFactor(int from, int to, const std::string& units);

} // namespace quvex
