// Helpers of the front-end model tests: scratch folders, whole files, and a
// small two-layer project built through the model.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "DataUnit.hpp"

namespace quvex::testing_support {

// A fresh folder under the system's temporary folder, removed afterwards.
class TScratchFolder {
public:
    TScratchFolder();
    ~TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

std::string ReadText(const std::string& path);
void WriteText(const std::string& path, const std::string& text);
std::vector<std::string> Lines(const std::string& text);
std::vector<std::string> Words(const std::string& line);
std::string Fixture(const std::string& name); // path of a fixture file

// English, API only and governing, OD 24 in, ID 23 in, TL 60 ft, E 29e6 psi,
// increment 1 ft, clay 0-20 ft over sand 20-80 ft.
void BuildTwoLayerProject(TProject& project);

} // namespace quvex::testing_support
