// The QUVEX analysis engine: one call runs one complete analysis of one pile.
//
// A run reads the analysis input file and its CPT companion file and writes the
// report and the plot data file. Runs share nothing: any number may go at once
// on different threads, each with its own files.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

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

// One row of a method's capacity table: the capacity at one penetration.
struct CapacityRow {
    double penetration = 0.0;  // ft or m
    double skinFriction = 0.0; // total skin friction, kips or kN
    double tip = 0.0;          // end bearing, or self weight in tension
    double ultimate = 0.0;     // ultimate capacity
    bool plugged = false;      // tip controlled by the soil plug of an open pipe
};

// The capacity table of one reported method, one row per penetration
// increment from the surface to the pile tip.
struct MethodCapacity {
    int method = 0;   // 1 FHWA, 2 USACE, 3 revised Lambda, 4 API RP-2A, 5 user-specified,
                      // 6 NGI, 7 ICP/MTD, 8 Fugro, 9 UWA
    std::string name; // short name, e.g. "API RP-2A"
    std::vector<CapacityRow> rows;
};

struct RunResult {
    // 0 the run went through all its steps; 1 it was refused or stopped.
    int status = 0;
    // Why a run with status 1 stopped, in one line (empty when status is 0).
    std::string failure;
    bool tension = false;    // the tip column holds the self weight
    std::string lengthUnit;  // "ft" or "m"
    std::string forceUnit;   // "kips" or "kN"
    std::vector<MethodCapacity> methods; // in the order of the report
};

// Runs one analysis. `console` receives what the engine shows on the console.
RunResult runAnalysis(const RunRequest& request, std::ostream& console);

} // namespace quvex
