#include "dynlib.hpp"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cerrno>

namespace quvex {

TDynamicLibrary::~TDynamicLibrary() {
    Unload();
}

void TDynamicLibrary::SetLibraryName(const std::string& name) {
    Unload();
    name_ = name;
}

void TDynamicLibrary::Load() {
    if (IsLoaded()) return;
    lastError_.clear();
    handle_ = dlopen(name_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ != nullptr) return;
    const char* err = dlerror();
    lastError_ = err != nullptr ? err : "unknown error";
    bool missing;
    if (name_.empty()) {
        missing = true;
    } else if (name_.find('/') != std::string::npos) {
        struct stat st {};
        missing = stat(name_.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
    } else {
        missing = lastError_.find("No such file or directory") != std::string::npos;
    }
    if (missing) throw EFileNotFoundError("Library could not be located");
    // The file is there, but the loader refused it (not a library, wrong
    // architecture, missing dependencies, failing initialisation).
    throw EInitError("Library failed to properly initialize");
}

void TDynamicLibrary::Unload() {
    if (handle_ == nullptr) return;
    dlclose(handle_);
    handle_ = nullptr;
}

void* TDynamicLibrary::GetProc(const std::string& name) const {
    if (!IsLoaded()) throw EDLLNotOpenError("Library is not open");
    dlerror();
    return dlsym(handle_, name.c_str());
}

} // namespace quvex
