// The QUVEX analysis engine: one call runs one complete analysis of one pile.
//
// A run reads the analysis input file and its CPT companion file and writes the
// report and the plot data file. Runs share nothing: any number may go at once
// on different threads, each with its own files.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace quvex {

// Version text written in the report banner when the caller gives none.
inline constexpr std::string_view kEngineVersion = "2014.6.9";

struct LocalTime {
    int year = 2000;
    int month = 1; // 1-12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The current local date and time.
LocalTime currentLocalTime();

struct RunFiles {
    std::string data;   // analysis input file (.qx6d)
    std::string report; // output report (.qx6o), created or replaced
    std::string plot;   // plot data file (.qx6p), created or replaced
    std::string cpt;    // CPT companion file (.cpt); empty means no CPT points
};

struct RunRequest {
    RunFiles files;
    std::string version{kEngineVersion}; // version text of the caller, first 12 characters used
    LocalTime when;                      // date and time printed in the report
};

struct RunResult {
    // 0 the run went through all its steps; 1 it was refused or stopped.
    int status = 0;
    // Why a run with status 1 stopped, in one line (empty when status is 0).
    std::string failure;
};

// Runs one analysis. `console` receives what the engine shows on the console.
RunResult runAnalysis(const RunRequest& request, std::ostream& console);

} // namespace quvex
