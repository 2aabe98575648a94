// The analysis input file (.qx6d) written and read record by record, the
// older .qxd data file read, and the CPT companion file (.cpt) written.
#pragma once

#include <string>

#include "DataUnit.hpp"

namespace quvex {

// Text of the analysis input file.  Writing first settles what the file
// records: a zero PrintInterval or Increment becomes 1, TipArea becomes 0 for
// a circular section, and the user-specified unit values of every layer
// become 0 unless Method is 5.
std::string DataFileText(TProject& project);

// Text of the CPT companion file: the unit flag and CptPointCount, then one
// "depth qc" line per point (qc in psf for English projects, whose points
// hold ksf; kPa as held for S.I.).
std::string CptFileText(const TProject& project);

// Writes the data file to DataFileName and then, whatever became of it, the
// CPT companion file beside it (CptFileName).  Each file is written
// completely or not at all; the first failure is raised (EInOutError) after
// both were attempted.
void WriteProjectFiles(TProject& project);

// Reads a data file into the project made by New (current format, or the
// older .qxd layout).  Stops at the first bad or missing value and reports
// it; the values read so far stay in the project.
TReadResult ReadDataFile(TProject& project, const std::string& path, bool currentFormat);

} // namespace quvex

#include <functional>
#include <optional>

namespace quvex {

// Asks the user for a data file name, proposing one; empty when cancelled.
using TAskFileName = std::function<std::optional<std::string>(const std::string& proposed)>;

// The Save command: an untitled project or one imported from a .qxd file is
// saved under a name asked for (proposing the .qx6d variant of an imported
// name); otherwise the project is written to DataFileName.  Returns false
// when the user cancelled; write failures raise EInOutError.
bool SaveProjectCommand(TProject& project, const TAskFileName& askName);

} // namespace quvex
