// The echo of every input value at the head of the report.
#pragma once

#include "fixed_format.hpp"
#include "input_data.hpp"

#include "../driver/unit_labels.hpp"

namespace quvex::io {

// Method line of the echo for a method number 1-9.
std::string_view methodLine(int method);

// Cross-section area printed when it is computed from the section (area option 0).
double sectionArea(const InputData& data);

void writeInputEcho(TextOut& out, const InputData& data, const UnitLabels& labels);

} // namespace quvex::io
