// Files are written completely or not at all: the text goes to a temporary
// file beside the target, which then replaces the target.
#pragma once

#include <string>
#include <string_view>

namespace quvex::io {

// Returns an empty string on success, else why the file could not be written.
std::string writeFileAtomically(const std::string& path, std::string_view text);

} // namespace quvex::io
