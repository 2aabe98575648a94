// Loads a shared library by file name at run time and looks up its exports.
#pragma once

#include <stdexcept>
#include <string>

namespace quvex {

class EDLLError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
// The file exists but could not be loaded or initialised.
class EInitError : public EDLLError {
public:
    using EDLLError::EDLLError;
};
// No library of that name could be found.
class EFileNotFoundError : public EDLLError {
public:
    using EDLLError::EDLLError;
};
// An export was looked up while no library was loaded.
class EDLLNotOpenError : public EDLLError {
public:
    using EDLLError::EDLLError;
};

class TDynamicLibrary {
public:
    TDynamicLibrary() = default;
    explicit TDynamicLibrary(std::string name) : name_(std::move(name)) {}
    ~TDynamicLibrary();
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    // Unloads the library when it is loaded, then stores the name.
    void SetLibraryName(const std::string& name);
    const std::string& LibraryName() const { return name_; }

    // Does nothing when loaded.  A name with a "/" is a path; a bare name is
    // searched for as the system loader does.
    void Load();
    bool IsLoaded() const { return handle_ != nullptr; }
    void Unload();

    // Address of the export, or nullptr when the library has none by that name.
    void* GetProc(const std::string& name) const;
    template <class F> F* GetProcAs(const std::string& name) const {
        return reinterpret_cast<F*>(GetProc(name));
    }

    // The system loader's text for the last failed Load (empty after success).
    const std::string& LastError() const { return lastError_; }

private:
    std::string name_;
    void* handle_ = nullptr;
    std::string lastError_;
};

} // namespace quvex
