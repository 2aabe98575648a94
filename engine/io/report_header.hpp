// Banner, file-name block, date block and the messages that stop a run.
#pragma once

#include "fixed_format.hpp"

#include <quvex/engine.hpp>

#include <string>
#include <string_view>

namespace quvex::io {

void writeBanner(TextOut& out, std::string_view version);
void writeFileNames(TextOut& out, const std::string& dataPath, const std::string& reportPath,
                    const std::string& plotPath);
void writeDateTime(TextOut& out, const LocalTime& when);
void writeResultsHeading(TextOut& out);

// Profile bottom shallower than the required soil depth (report).
void writeProfileTooShort(TextOut& out, double profileBottom, double required,
                          std::string_view len);
// Last soil point shallower than the required soil depth (console).
void writeNoSoilInformation(TextOut& out, double required, std::string_view len);
// An increment longer than the whole soil profile: no segment at all.
void writeIncrementTooLong(TextOut& out, double increment, double profileBottom,
                           std::string_view len);
// More segments than the engine takes (console and report).
void writeTooManySegments(TextOut& out, double segments);
// A data or CPT file that could not be read or was refused.
void writeInputFailure(TextOut& out, const std::string& file, int line, const std::string& problem);

} // namespace quvex::io
