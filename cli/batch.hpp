// Batch analysis of many data files, on several threads at once.
#pragma once

#include <quvex/engine.hpp>

#include <optional>
#include <string>
#include <vector>

namespace quvex::cli {

// The files of one run named after its data file: FILE.qx6d gives FILE.qx6o,
// FILE.qx6p and, when it exists, FILE.cpt.
RunFiles filesFor(const std::string& dataFile);

struct BatchOutcome {
    std::string dataFile;
    RunFiles files;
    bool started = false; // false when the data file could not be found
    int status = 1;
    std::string failure;
    std::string console;              // what the engine showed on the console
    std::vector<std::string> summary; // the capacity at the tip, per computed method
};

// One line per computed method: skin friction, end bearing (or self weight)
// and ultimate capacity at the pile tip, with units.
std::vector<std::string> tipSummary(const RunResult& result);

// Runs every data file; `threads` runs go at once. Outcomes come in the order
// of the data files. `when` fixes the date and time printed in the reports.
std::vector<BatchOutcome> runBatch(const std::vector<std::string>& dataFiles, int threads,
                                   const std::optional<LocalTime>& when);

// Parses "YYYY-MM-DDTHH:MM:SS" (or with a blank for the T).
std::optional<LocalTime> parseLocalTime(const std::string& text);

} // namespace quvex::cli
