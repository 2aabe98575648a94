// Inputs the fuzzers once broke the engine with, run again: a data file,
// optionally followed by a line "%%CPT%%" and a CPT file.
#include "driver/run.hpp"
#include "io/input_file.hpp"
#include "test_project.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace quvex {
namespace {

TEST(FuzzRegressions, EveryFoundInputRunsCleanly) {
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUVEX_FUZZ_REGRESSIONS)) {
        const std::string input = test::readFile(entry.path().string());
        SCOPED_TRACE(entry.path().filename().string());
        const std::string marker = "\n%%CPT%%\n";
        const auto split = input.find(marker);
        const std::string data = input.substr(0, split);
        const std::string cpt =
            split == std::string::npos ? std::string() : input.substr(split + marker.size());
        RunRequest request;
        request.files = {"/fuzz/pile.qx6d", "/fuzz/pile.qx6o", "/fuzz/pile.qx6p",
                         split == std::string::npos ? "" : "/fuzz/pile.cpt"};
        std::ostringstream console;
        std::string report, plot;
        analyseTexts(request, data, split == std::string::npos ? nullptr : &cpt, console, report,
                     plot);
        for (const char* bad : {"nan", "inf", "NAN", "INF"})
            EXPECT_EQ(plot.find(bad), std::string::npos) << bad;
        io::InputData parsed;
        try {
            io::readDataFile(input, "fuzz.qx6d", parsed);
        } catch (const io::InputError&) {
        }
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}

} // namespace
} // namespace quvex
