#include "batch.hpp"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <thread>

namespace quvex::cli {

RunFiles filesFor(const std::string& dataFile) {
    namespace fs = std::filesystem;
    const fs::path data(dataFile);
    fs::path stem = data;
    stem.replace_extension();
    auto with = [&](const char* ext) {
        fs::path p = stem;
        p += ext;
        return p.string();
    };
    RunFiles files;
    files.data = dataFile;
    files.report = with(".qx6o");
    files.plot = with(".qx6p");
    std::error_code ec;
    const std::string cpt = with(".cpt");
    if (fs::is_regular_file(cpt, ec)) files.cpt = cpt;
    return files;
}

namespace {

BatchOutcome runOne(const std::string& dataFile, const std::optional<LocalTime>& when) {
    BatchOutcome outcome;
    outcome.dataFile = dataFile;
    outcome.files = filesFor(dataFile);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(dataFile, ec)) {
        outcome.failure = "cannot start: no such data file";
        return outcome;
    }
    outcome.started = true;
    RunRequest request;
    request.files = outcome.files;
    request.when = when ? *when : currentLocalTime();
    std::ostringstream console;
    try {
        const RunResult result = runAnalysis(request, console);
        outcome.status = result.status;
        outcome.failure = result.failure;
        outcome.summary = tipSummary(result);
    } catch (const std::exception& e) {
        outcome.status = 1;
        outcome.failure = e.what();
    }
    outcome.console = console.str();
    return outcome;
}

} // namespace

std::vector<BatchOutcome> runBatch(const std::vector<std::string>& dataFiles, int threads,
                                   const std::optional<LocalTime>& when) {
    std::vector<BatchOutcome> outcomes(dataFiles.size());
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < dataFiles.size(); i = next++)
            outcomes[i] = runOne(dataFiles[i], when);
    };
    const std::size_t count =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(threads, 1)), dataFiles.size());
    std::vector<std::jthread> pool;
    for (std::size_t t = 1; t < count; ++t)
        pool.emplace_back(worker);
    worker();
    return outcomes;
}

std::vector<std::string> tipSummary(const RunResult& result) {
    std::vector<std::string> lines;
    const char* tipName = result.tension ? "self weight" : "end bearing";
    for (const MethodCapacity& m : result.methods) {
        if (m.rows.empty()) continue;
        const CapacityRow& tip = m.rows.back();
        const std::string& f = result.forceUnit;
        char line[320];
        std::snprintf(line, sizeof line,
                      "%-15s at %.2f %s: skin friction %.1f %s, %s %.1f %s%s, ultimate capacity "
                      "%.1f %s",
                      m.name.c_str(), tip.penetration, result.lengthUnit.c_str(), tip.skinFriction,
                      f.c_str(), tipName, tip.tip, f.c_str(), tip.plugged ? " (soil plug)" : "",
                      tip.ultimate, f.c_str());
        lines.emplace_back(line);
    }
    return lines;
}

std::optional<LocalTime> parseLocalTime(const std::string& text) {
    LocalTime t;
    char sep = 0;
    int used = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d%n", &t.year, &t.month, &t.day, &sep,
                    &t.hour, &t.minute, &t.second, &used) != 7 ||
        static_cast<std::size_t>(used) != text.size() || (sep != 'T' && sep != ' '))
        return std::nullopt;
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour < 0 || t.hour > 23 ||
        t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 60)
        return std::nullopt;
    return t;
}

} // namespace quvex::cli
