// The driving-analysis input file (.gwi) for the wave-equation program
// GRLWEAP: fixed lines, the pile values and the static resistance table of
// the governing method from the project's result cache.
#pragma once

#include <string>
#include <vector>

#include "DataUnit.hpp"

namespace quvex {

// Refused export: there are no results to write.
class EGwiError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The result points written to the resistance table (1-based), the last
// one repeated with the soil values of the point before it when thinned.
std::vector<int> GwiTablePoints(int n);

// Text of the file.  Sets Perimeter to OuterDiameter x 3.1416 first when the
// section is circular.  Raises EGwiError when the result cache is empty.
std::string GwiFileText(TProject& project);

// Writes the text beside the data file (extension .gwi), completely or not
// at all, and keeps its path in GwiFileName.
void WriteGwiFile(TProject& project);

} // namespace quvex
