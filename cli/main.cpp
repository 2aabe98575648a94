// quvex: analyse pile data files from the command line.
#include "batch.hpp"

#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv) {
    CLI::App app{"QUVEX: axial capacity and short-term settlement of driven piles"};
    app.set_version_flag("--version", std::string("quvex ") + std::string(quvex::kEngineVersion));
    app.require_subcommand(1);

    CLI::App* run = app.add_subcommand(
        "run", "Analyse data files (.qx6d); each FILE.qx6d gives FILE.qx6o (report) and "
               "FILE.qx6p (plot data) beside it, using FILE.cpt when it exists");
    std::vector<std::string> files;
    int jobs = 1;
    std::string time;
    bool verbose = false;
    run->add_option("files", files, "Data files to analyse")->required();
    run->add_option("-j,--jobs", jobs, "Number of analyses run at once")->check(CLI::Range(1, 256));
    run->add_option("--time", time,
                    "Date and time printed in the reports, as YYYY-MM-DDTHH:MM:SS "
                    "(default: now)");
    run->add_flag("-v,--verbose", verbose, "Show what the engine writes on the console");

    CLI11_PARSE(app, argc, argv);

    std::optional<quvex::LocalTime> when;
    if (!time.empty()) {
        when = quvex::cli::parseLocalTime(time);
        if (!when) {
            std::cerr << "quvex: --time must look like 2014-03-05T09:07:03, not \"" << time
                      << "\"\n";
            return 2;
        }
    }

    const auto outcomes = quvex::cli::runBatch(files, jobs, when);
    int failed = 0;
    for (const auto& o : outcomes) {
        if (verbose) std::cout << o.console;
        if (o.started && o.status == 0) {
            std::cout << "ok      " << o.files.report << "\n";
            for (const std::string& line : o.summary)
                std::cout << "        " << line << "\n";
            continue;
        }
        ++failed;
        if (!o.started)
            std::cout << "FAILED  " << o.dataFile << ": " << o.failure << "\n";
        else
            std::cout << "FAILED  " << o.files.report << " (status " << o.status
                      << "): " << o.failure << "\n";
    }
    if (outcomes.size() > 1)
        std::cout << outcomes.size() - failed << " of " << outcomes.size()
                  << " analyses completed\n";
    return failed == 0 ? 0 : 1;
}
