// Running an analysis: save the project, hand the file names to the engine
// library through names.dat, load the library from the program folder, call
// its entry with 9, unload it, then read the plot data file and write the
// driving-analysis file.  The user-facing parts (saving with a file dialog,
// message boxes, the wait cursor, refreshing the main window) are supplied
// by the caller through TRunUi.
#pragma once

#include <optional>
#include <string>

#include "DataUnit.hpp"

namespace quvex {

inline constexpr const char* kVersionText = "2014.6.9";
inline constexpr const char* kEngineLibraryName = "QUVEX2014_DLL.so";
inline constexpr const char* kNamesFileName = "names.dat";

inline constexpr const char* kMsgSaveFailed = "An error occured during saving";
inline constexpr const char* kMsgNamesFailed = "An error occured while writing file names";
inline constexpr const char* kMsgReinitialize = "Attempt to reinitialize DLL";
inline constexpr const char* kMsgInitFailed = "Attempt to initialize DLL failed";
inline constexpr const char* kMsgCompleted =
    "Computations are completed. Please, check output file for results or error messages.";

enum class TMessageKind { Information, Warning, Error };

class TRunUi {
public:
    virtual ~TRunUi() = default;
    // The main window's Save command (a name is asked for when the project is
    // untitled or imported).  False: the user cancelled.  May raise.
    virtual bool Save(TProject& project) = 0;
    // A modal message with an OK button.
    virtual void Message(TMessageKind kind, const std::string& text) = 0;
    // Around the engine call (the wait cursor).
    virtual void BeginWait() {}
    virtual void EndWait() {}
    // After the results were read: update the tool buttons, close every
    // child window of the main window.
    virtual void AfterRun(TProject& project) { (void)project; }
};

enum class TRunStatus {
    Cancelled,     // the user cancelled saving
    Untitled,      // the project still has no name
    TaperRefused,  // the taper check failed
    Refused,       // a run is already active, or a path is too long
    LibraryFailed, // the engine library could not be loaded
    Completed,     // the engine was called
};

struct TRunResult {
    TRunStatus Status = TRunStatus::Cancelled;
    int EngineStatus = -1;      // what the engine returned (not acted upon)
    bool ResultsLoaded = false; // the plot data file was read
    bool GwiWritten = false;
};

// The taper warning when FHWA is selected, the pile is tapered (timber,
// Raymond step-taper or uniform taper, tapered monotube) and the taper leaves
// a negative tip diameter; none otherwise.
std::optional<std::string> TaperCheck(const TProgramData& data);

class TAnalysisRunner {
public:
    // programFolder: the folder of the program, where the engine library
    // lies and names.dat is written.
    explicit TAnalysisRunner(std::string programFolder,
                             std::string libraryName = kEngineLibraryName);

    TRunResult Run(TProject& project, TRunUi& ui);

    // True while an engine library is loaded by any runner of the process.
    static bool Active();

    const std::string& ProgramFolder() const { return folder_; }
    // The folder of the running program (where the engine library is
    // installed beside it); empty when it cannot be found.
    static std::string ExecutableFolder();

private:
    std::string folder_;
    std::string library_;
};

} // namespace quvex
