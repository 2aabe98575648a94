// Reads the engine's plot data file (.qx6p) into the main window's ten plot
// descriptions and the project's result cache.
#pragma once

#include <string>

#include "DataUnit.hpp"

namespace quvex {

inline constexpr const char* kResultsFailedMessage =
    "An error occured in running the main program.";

struct TLoadOutcome {
    bool Ok = true;
    std::string Message; // for the user: kResultsFailedMessage on failure
    std::string Detail;  // what exactly went wrong, naming the file and line
};

// Method numbers of the selected methods in the order of the plotted curves:
// the user's own unit values (5), FHWA, USACE, Lambda, API, NGI, MTD, FUGRO, UWA.
std::vector<int> PlottedMethods(const TProgramData& data);

// Reads the whole file.  On failure the reading stops there: the plots keep
// what was read and the outcome says it failed (the caller shows Message
// when it asked for messages).
TLoadOutcome LoadResults(TProject& project, const std::string& path);

// The project's own plot data file (DataFileName with ".qx6p"), read when it
// exists, without messages: true when results were read.
bool LoadProjectResults(TProject& project);

} // namespace quvex
