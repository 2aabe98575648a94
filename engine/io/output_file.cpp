#include "output_file.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace quvex::io {

std::string writeFileAtomically(const std::string& path, std::string_view text) {
    if (path.empty()) return "no file name was given";
    // Unique per process and thread, so parallel runs never share a temporary.
    const std::string temp =
        path + ".part" + std::to_string(::getpid()) + "-" +
        std::to_string(std::hash<std::thread::id>{}(std::this_thread::get_id()));
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return "cannot create " + temp + ": " + std::strerror(errno);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            return "cannot write " + temp;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return "cannot replace " + path + ": " + ec.message();
    }
    return {};
}

} // namespace quvex::io
