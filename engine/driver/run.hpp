// Runs kept in memory, for the engine's own tests, benchmarks and fuzzing.
#pragma once

#include <quvex/engine.hpp>

#include <string>

namespace quvex {

// One analysis of a data file text and an optional CPT file text; the report
// and plot data file texts come back instead of being written. The request's
// paths only name the files in the report.
RunResult analyseTexts(const RunRequest& request, const std::string& data, const std::string* cpt,
                       std::ostream& console, std::string& report, std::string& plot);

} // namespace quvex
