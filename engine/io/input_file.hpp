// Reading the analysis input file (.qx6d) and its CPT companion file (.cpt).
#pragma once

#include "input_data.hpp"
#include "record_reader.hpp"

#include <string>
#include <string_view>

namespace quvex::io {

// Reads the data file text into `data`, applying the conversions made while
// reading. Throws InputError on a short, malformed or refused file.
void readDataFile(std::string_view text, const std::string& fileName, InputData& data);

// Reads the CPT companion file text into `data.cpt`. Throws InputError.
void readCptFile(std::string_view text, const std::string& fileName, InputData& data);

// Whole file into a string; throws InputError when it cannot be read.
std::string readWholeFile(const std::string& path, std::string_view role);

} // namespace quvex::io
