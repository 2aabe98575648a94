// Time of whole analyses, in process, writing to a temporary folder.
#include "io/capacity_report.hpp"
#include "io/input_file.hpp"

#include <quvex/engine.hpp>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A 24/23 in open pipe, 90 ft, in five alternating clay and sand layers down to
// 100 ft, cut into `segments` segments, with all nine methods. The print
// interval sets the rows of every table and the segments of the settlement.
std::string project(int segments, int units, int printInterval,
                    const char* flags = "1 1 1 1 1 1 1 1 1") {
    const bool si = units == 2;
    const double bottom = si ? 30.0 : 100.0;
    const double length = si ? 27.0 : 90.0;
    std::ostringstream o;
    o.precision(10);
    o << "Benchmark pile\nBench\nB-1\n";
    o << units << " " << printInterval << " 10 0\n";
    o << (si ? "0 0 610 584 2E8 " : "0 0 24 23 29000000 ") << length << " 0\n0 0\n";
    o << "0 " << bottom / segments << " 1 0 4 1 0\n" << flags << "\n";
    o << bottom << " 0\n";
    const double layer = bottom / 5.0;
    for (int i = 0; i < 5; ++i) {
        for (double z : {i * layer, (i + 1) * layer}) {
            const bool sand = i % 2 == 1;
            o << z << (sand ? " 1 0.8 " : " 2 0 ") << (si ? "9 " : "60 ")
              << (sand ? "32 20\n" : "0 0\n");
            if (sand)
                o << "0 0 0 25 0 0 0 " << (si ? "50 5000" : "1000 100000") << " 1 1\n";
            else
                o << "0 0 " << (si ? "75 30" : "1500 600") << " 1.5 25 0 "
                  << (si ? "40 2000" : "800 40000") << " 1 1\n";
        }
    }
    o << "0\n0 1\n0 0\n2 0\n0 30\n10 30\n0 0\n";
    return o.str();
}

void analysis(benchmark::State& state, int units, int printInterval = 1,
              const char* flags = "1 1 1 1 1 1 1 1 1") {
    const int segments = static_cast<int>(state.range(0));
    const fs::path dir =
        fs::temp_directory_path() /
        ("quvex-bench-" + std::to_string(::getpid()) + "-" + std::to_string(units) + "-" +
         std::to_string(printInterval) + "-" + std::to_string(segments));
    fs::create_directories(dir);
    quvex::RunRequest request;
    request.files = {(dir / "pile.qx6d").string(), (dir / "pile.qx6o").string(),
                     (dir / "pile.qx6p").string(), ""};
    std::ofstream(request.files.data) << project(segments, units, printInterval, flags);
    std::ostringstream console;
    for (auto _ : state) {
        console.str("");
        const quvex::RunResult result = quvex::runAnalysis(request, console);
        if (result.status != 0) state.SkipWithError(result.failure.c_str());
        benchmark::DoNotOptimize(result);
    }
    fs::remove_all(dir);
}

void englishAnalysis(benchmark::State& state) {
    analysis(state, 1);
}
void siAnalysis(benchmark::State& state) {
    analysis(state, 2);
}
void englishAnalysisEvery10(benchmark::State& state) {
    analysis(state, 1, 10);
}
// API RP-2A and the user-specified method only.
void apiAndUserAnalysis(benchmark::State& state) {
    analysis(state, 1, 1, "0 0 0 1 1 0 0 0 0");
}

// Reading the data file alone.
void reading(benchmark::State& state) {
    const std::string text = project(static_cast<int>(state.range(0)), 1, 1);
    for (auto _ : state) {
        quvex::io::InputData data;
        quvex::io::readDataFile(text, "bench.qx6d", data);
        benchmark::DoNotOptimize(data);
    }
}

// Writing the capacity tables and plot blocks of nine methods alone, one row
// per increment of a 500-increment pile.
void reportWriting(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<double> friction(n), tip(n), ultimate(n), unit(n);
    std::vector<int> plug(n, 1);
    for (int k = 0; k < n; ++k) {
        friction[k] = 3.7 * k;
        tip[k] = 100.0 + 0.9 * k;
        ultimate[k] = friction[k] + tip[k];
        unit[k] = 0.01 * k;
    }
    const quvex::io::CapacityColumns columns{&friction, &tip, &ultimate, &plug, &unit};
    const quvex::io::TableLayout layout{n, 1, 0.2, false};
    const quvex::UnitLabels labels = quvex::unitLabels(1);
    for (auto _ : state) {
        quvex::io::TextOut report, plot;
        for (int m = 0; m < 9; ++m) {
            quvex::io::writeCapacityTable(report, static_cast<quvex::io::ReportMethod>(m), columns,
                                          layout, labels);
            quvex::io::writePlotBlock(plot, columns, layout);
        }
        benchmark::DoNotOptimize(report.text().data());
        benchmark::DoNotOptimize(plot.text().data());
    }
}

BENCHMARK(reading)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK(reportWriting)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(englishAnalysis)->Arg(100)->Arg(250)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(siAnalysis)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(apiAndUserAnalysis)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(englishAnalysisEvery10)->Arg(100)->Arg(250)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace
