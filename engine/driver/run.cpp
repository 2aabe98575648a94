// The run driver: the fixed order of one analysis.
#include "run.hpp"

#include "analysis.hpp"
#include "run_state.hpp"
#include "segments.hpp"

#include "../io/input_echo.hpp"
#include "../io/input_file.hpp"
#include "../io/output_file.hpp"
#include "../io/report_header.hpp"

#include <cmath>
#include <ctime>
#include <filesystem>
#include <ostream>
#include <sys/stat.h>

namespace quvex {
namespace {

// Stops the run with status 1 and a one-line reason.
void stop(RunState& run, std::string reason) {
    run.status = 1;
    if (run.failure.empty()) run.failure = std::move(reason);
}

void writeConsole(RunState& run, const io::TextOut& text) {
    run.console << text.text() << std::flush;
}

bool readInputs(RunState& run) {
    const RunFiles& files = run.request.files;
    try {
        if (run.dataText) {
            io::readDataFile(*run.dataText, files.data, run.input);
        } else {
            const std::string data = io::readWholeFile(files.data, "data file");
            io::readDataFile(data, files.data, run.input);
        }
        run.labels = unitLabels(run.input.unitSystemValue);
        if (run.cptText) {
            io::readCptFile(*run.cptText, files.cpt, run.input);
        } else if (!files.cpt.empty()) {
            const std::string cpt = io::readWholeFile(files.cpt, "CPT file");
            io::readCptFile(cpt, files.cpt, run.input);
        }
        return true;
    } catch (const io::InputError& e) {
        io::writeInputFailure(run.report, e.file(), e.line(), e.what());
        io::TextOut console;
        io::writeInputFailure(console, e.file(), e.line(), e.what());
        writeConsole(run, console);
        std::string where = e.file();
        if (e.line() > 0) where += ", line " + std::to_string(e.line());
        stop(run, where + ": " + e.what());
        return false;
    }
}

// The soil must reach the embedded length plus two diameters.
bool checkRequiredDepth(RunState& run) {
    const io::InputData& d = run.input;
    const double diameterInLengthUnits =
        d.english() ? 2.0 * d.outerDiameter / 12.0 : 2.0 * d.outerDiameter / 1000.0;
    const double required = d.totalLength - d.stickupLength + diameterInLengthUnits;
    if (d.points.back().depth < required) {
        io::TextOut console;
        io::writeNoSoilInformation(console, required, run.labels.len);
        writeConsole(run, console);
    }
    if (d.profileBottom < required) {
        io::writeProfileTooShort(run.report, d.profileBottom, required, run.labels.len);
        stop(run, "the soil profile ends above the pile embedded length plus two diameters");
        return false;
    }
    return true;
}

bool cutSegments(RunState& run) {
    io::writeResultsHeading(run.report);
    const io::InputData& d = run.input;
    const double segments = segmentCountFor(d.profileBottom, d.increment);
    snapSoilPoints(run.input.points, d.increment);
    if (segments > 500.0) {
        io::TextOut message;
        io::writeTooManySegments(message, segments);
        writeConsole(run, message);
        run.report.text() += message.text();
        stop(run, "the profile is cut into more than 500 segments; use a longer increment");
        return false;
    }
    if (segments < 1.0) {
        io::TextOut message;
        io::writeIncrementTooLong(message, d.increment, d.profileBottom, run.labels.len);
        writeConsole(run, message);
        run.report.text() += message.text();
        stop(run, "the increment is longer than the soil profile: there is no segment");
        return false;
    }
    run.segmentCount = static_cast<int>(segments);
    run.incrementCount = incrementCountFor(run.embeddedLength, d.increment);
    return true;
}

// Whether two paths name one file: the same device and inode when both exist,
// else the same absolute path.
bool sameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    struct stat sa {
    }, sb{};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    std::error_code ec1, ec2;
    const auto pa = std::filesystem::absolute(a, ec1).lexically_normal();
    const auto pb = std::filesystem::absolute(b, ec2).lexically_normal();
    return !ec1 && !ec2 && pa == pb;
}

// Report and plot data file must never replace the files the run reads.
bool outputsAreDistinct(const RunFiles& f, std::string& why) {
    for (const std::string* out : {&f.report, &f.plot})
        for (const std::string* in : {&f.data, &f.cpt})
            if (sameFile(*out, *in)) {
                why = "the output file " + *out + " is also an input file";
                return false;
            }
    if (sameFile(f.report, f.plot)) {
        why = "the report and the plot data file are the same file " + f.report;
        return false;
    }
    return true;
}

void runSteps(RunState& run) {
    io::writeBanner(run.report, run.request.version);
    io::writeFileNames(run.report, run.request.files.data, run.request.files.report,
                       run.request.files.plot);
    io::writeDateTime(run.report, run.request.when);

    if (!readInputs(run)) return;
    if (!checkRequiredDepth(run)) return;

    run.console << "\n\n"
                << std::string(9, ' ') << "COMPUTATION IS PROCEEDING........\n"
                << std::flush;
    // From here on the pile is described by its length below the ground.
    run.embeddedLength = run.input.totalLength - run.input.stickupLength;
    io::writeInputEcho(run.report, run.input, run.labels);

    if (!cutSegments(run)) return;
    runCapacityPasses(run);
}

RunResult finish(RunState& run) {
    RunResult result = std::move(run.result);
    result.status = run.status;
    result.failure = run.failure;
    if (result.status != 0) result.methods.clear();
    return result;
}

} // namespace

LocalTime currentLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

RunResult runAnalysis(const RunRequest& request, std::ostream& console) {
    RunState run(request, console);
    {
        io::TextOut banner;
        io::writeBanner(banner, request.version);
        writeConsole(run, banner);
    }
    std::string why;
    if (!outputsAreDistinct(request.files, why)) {
        console << "\n ERROR: " << why << "; nothing is written.\n" << std::flush;
        RunResult refused;
        refused.status = 1;
        refused.failure = why;
        return refused;
    }

    runSteps(run);

    const std::string reportError =
        io::writeFileAtomically(request.files.report, run.report.text());
    // A run that stopped leaves the plot data file empty.
    const std::string plotError =
        io::writeFileAtomically(request.files.plot, run.status == 0 ? run.plot.text() : "");
    for (const auto& [error, role] :
         {std::pair{reportError, "report"}, {plotError, "plot data file"}}) {
        if (error.empty()) continue;
        console << "\n ERROR: the " << role << " could not be written: " << error << "\n"
                << std::flush;
        stop(run, std::string("the ") + role + " could not be written: " + error);
    }
    return finish(run);
}

RunResult analyseTexts(const RunRequest& request, const std::string& data, const std::string* cpt,
                       std::ostream& console, std::string& report, std::string& plot) {
    RunState run(request, console);
    run.dataText = &data;
    run.cptText = cpt;
    runSteps(run);
    report = std::move(run.report.text());
    plot = run.status == 0 ? std::move(run.plot.text()) : std::string();
    return finish(run);
}

} // namespace quvex
