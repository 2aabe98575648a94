// The hand-off file "names.dat": the caller's version text and the paths of
// the data file, report, plot data file and CPT file, one per line.
#pragma once

#include <quvex/engine.hpp>

#include <iosfwd>

namespace quvex {

struct NamesFile {
    std::string version;
    RunFiles files;
    // False when a line after the version line was missing: the names are then
    // asked for on the console.
    bool complete = false;
};

// Reads the hand-off file; line widths are 12 (version) and 255 (paths),
// trailing blanks are not part of a name.
NamesFile readNamesFile(std::istream& in);

// Asks for the data file, report and plot data file names on the console.
// Returns false when the console gives no answer.
bool askFileNames(NamesFile& names, std::istream& in, std::ostream& out);

} // namespace quvex
