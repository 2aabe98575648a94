#include "names_file.hpp"

#include <istream>
#include <ostream>
#include <string>

namespace quvex {
namespace {

std::string fixedWidthText(std::string line, std::size_t width) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line.resize(std::min(line.size(), width));
    const auto last = line.find_last_not_of(' ');
    line.resize(last == std::string::npos ? 0 : last + 1);
    return line;
}

} // namespace

NamesFile readNamesFile(std::istream& in) {
    NamesFile names;
    std::string line;
    if (std::getline(in, line)) names.version = fixedWidthText(line, 12);
    std::string* paths[] = {&names.files.data, &names.files.report, &names.files.plot,
                            &names.files.cpt};
    names.complete = true;
    for (std::string* path : paths) {
        if (!std::getline(in, line)) {
            names.complete = false;
            break;
        }
        *path = fixedWidthText(line, 255);
    }
    return names;
}

bool askFileNames(NamesFile& names, std::istream& in, std::ostream& out) {
    const std::pair<const char*, std::string*> questions[] = {
        {"ENTER A FILE NAME FOR YOUR INPUT FILE.", &names.files.data},
        {"ENTER A FILE NAME FOR YOUR OUTPUT FILE.", &names.files.report},
        {"ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE.", &names.files.plot},
    };
    for (const auto& [prompt, target] : questions) {
        out << "\n\n       " << prompt << "\n ENTER >" << std::flush;
        std::string line;
        if (!std::getline(in, line)) {
            out << "\n" << std::flush;
            return false;
        }
        *target = fixedWidthText(line, 255);
    }
    return true;
}

} // namespace quvex
