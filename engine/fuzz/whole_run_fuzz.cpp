// Fuzz target: a whole analysis on arbitrary data-file and CPT-file bytes.
// The input is the data file, then optionally a line "%%CPT%%" and the CPT file.
#include "driver/run.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

bool finiteText(const std::string& text) {
    for (const char* bad : {"nan", "NaN", "NAN", "inf", "Inf", "INF"})
        if (text.find(bad) != std::string::npos) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(bytes), size);
    const std::string marker = "\n%%CPT%%\n";
    const auto split = input.find(marker);
    const std::string data = input.substr(0, split);
    const std::string cpt =
        split == std::string::npos ? std::string() : input.substr(split + marker.size());
    quvex::RunRequest request;
    request.files = {"/fuzz/pile.qx6d", "/fuzz/pile.qx6o", "/fuzz/pile.qx6p",
                     split == std::string::npos ? "" : "/fuzz/pile.cpt"};
    std::ostringstream console;
    std::string report, plot;
    quvex::analyseTexts(request, data, split == std::string::npos ? nullptr : &cpt, console,
                        report, plot);
    // A number that is not a number must never reach the plot data file.
    if (!finiteText(plot)) std::abort();
    return 0;
}
