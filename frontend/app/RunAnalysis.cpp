#include "RunAnalysis.hpp"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <filesystem>

#include "GwiExport.hpp"
#include "ResultLoader.hpp"
#include "TextOut.hpp"
#include "dynlib.hpp"

namespace quvex {
namespace fs = std::filesystem;
namespace {

// The engine keeps one working store per process: one run at a time.
std::atomic<TDynamicLibrary*> gLoadedEngine{nullptr};

constexpr std::size_t kMaxEnginePath = 255; // the engine reads 255 characters a name

// Changes the current folder and puts the earlier one back when it goes.
class TCurrentFolder {
public:
    TCurrentFolder() {
        std::error_code ec;
        saved_ = fs::current_path(ec);
    }
    ~TCurrentFolder() {
        std::error_code ec;
        if (!saved_.empty()) fs::current_path(saved_, ec);
    }
    TCurrentFolder(const TCurrentFolder&) = delete;
    TCurrentFolder& operator=(const TCurrentFolder&) = delete;
    static void Change(const fs::path& folder) {
        std::error_code ec;
        if (!folder.empty()) fs::current_path(folder, ec);
    }

private:
    fs::path saved_;
};

} // namespace

std::optional<std::string> TaperCheck(const TProgramData& p) {
    const int m = p.MaterialType;
    if (!p.MethodSelected[1] || !(m == 2 || m == 4 || m == 5 || m == 7) || !(p.TaperAngle > 0))
        return std::nullopt;
    const double length = p.TotalLength * (p.UnitSystem == 1 ? 12.0 : 1000.0);
    const double tip = p.OuterDiameter - 2.0 * length * std::tan(p.TaperAngle * 0.01745);
    if (!(tip < 0)) return std::nullopt;
    const double largest = std::atan((p.OuterDiameter / 2.0) / length) / 0.01745;
    return "Taper angle is large since it generates a negative diameter at tip of pile.\n"
           "Taper angle should be smaller than " +
           FormatFixed(largest, 3) + " degrees." + "\n" + "Please check input data ";
}

TAnalysisRunner::TAnalysisRunner(std::string programFolder, std::string libraryName)
    : folder_(std::move(programFolder)), library_(std::move(libraryName)) {
    while (folder_.size() > 1 && folder_.back() == '/')
        folder_.pop_back();
}

std::string TAnalysisRunner::ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

bool TAnalysisRunner::Active() {
    return gLoadedEngine.load() != nullptr;
}

TRunResult TAnalysisRunner::Run(TProject& project, TRunUi& ui) {
    TRunResult result;
    try {
        if (!ui.Save(project)) {
            result.Status = TRunStatus::Cancelled;
            return result;
        }
    } catch (const std::exception&) {
        ui.Message(TMessageKind::Information, kMsgSaveFailed);
    }
    TProgramData& p = project.Data();
    if (p.Untitled()) {
        result.Status = TRunStatus::Untitled;
        return result;
    }
    if (std::optional<std::string> warning = TaperCheck(p)) {
        ui.Message(TMessageKind::Warning, *warning);
        result.Status = TRunStatus::TaperRefused;
        return result;
    }

    std::error_code ec;
    const fs::path data = fs::absolute(p.DataFileName, ec);
    const std::string paths[] = {data.string(), ChangeFileExt(data.string(), ".qx6o"),
                                 ChangeFileExt(data.string(), ".qx6p"),
                                 ChangeFileExt(data.string(), ".cpt")};
    for (const std::string& path : paths)
        if (path.size() > kMaxEnginePath) {
            ui.Message(TMessageKind::Information,
                       "The path \"" + path + "\" is longer than 255 characters, which the " +
                           "analysis program cannot read. Please save the project in a folder " +
                           "with a shorter path.");
            result.Status = TRunStatus::Refused;
            return result;
        }
    const fs::path program = fs::absolute(folder_, ec);
    const fs::path names = program / kNamesFileName;

    // One run at a time in the process; a refused run touches nothing, not
    // even the names.dat of the run in progress.
    TDynamicLibrary engine;
    TDynamicLibrary* none = nullptr;
    if (!gLoadedEngine.compare_exchange_strong(none, &engine)) {
        ui.Message(TMessageKind::Information, kMsgReinitialize);
        result.Status = TRunStatus::Refused;
        return result;
    }
    TCurrentFolder restore;
    // Unloads the library, frees the process-wide reference and deletes
    // names.dat however the run ends.
    struct TRelease {
        TDynamicLibrary& engine;
        fs::path names;
        ~TRelease() {
            engine.Unload();
            gLoadedEngine.store(nullptr);
            std::error_code ignored;
            fs::remove(names, ignored);
        }
    } release{engine, names};

    TCurrentFolder::Change(data.parent_path());
    TCurrentFolder::Change(program);
    try {
        TAtomicTextFile file(names.string());
        file << kVersionText << "\n";
        for (const std::string& path : paths)
            file << path << "\n";
        file.Commit();
    } catch (const std::exception&) {
        ui.Message(TMessageKind::Information, kMsgNamesFailed);
    }

    using TEntry = std::int32_t(std::int32_t);
    TEntry* entry = nullptr;
    try {
        engine.SetLibraryName((program / library_).string());
        engine.Load();
        if (engine.IsLoaded()) entry = engine.GetProcAs<TEntry>("_IQUVEX");
    } catch (const EDLLError&) {
        entry = nullptr;
    }
    if (entry == nullptr) {
        ui.Message(TMessageKind::Information, kMsgInitFailed);
        result.Status = TRunStatus::LibraryFailed;
        return result;
    }

    ui.BeginWait();
    try {
        result.EngineStatus = entry(9);
    } catch (...) {
        ui.EndWait();
        throw;
    }
    ui.EndWait();
    result.Status = TRunStatus::Completed;
    ui.Message(TMessageKind::Information, kMsgCompleted);

    const std::string& plotFile = paths[2];
    if (fs::exists(plotFile, ec)) {
        TLoadOutcome outcome = LoadResults(project, plotFile);
        result.ResultsLoaded = outcome.Ok;
        if (!outcome.Ok) {
            ui.Message(TMessageKind::Information, outcome.Message);
        } else {
            try {
                WriteGwiFile(project);
                result.GwiWritten = true;
            } catch (const std::exception& e) {
                ui.Message(TMessageKind::Error, e.what());
            }
        }
    }
    ui.AfterRun(project);
    return result;
}

} // namespace quvex
