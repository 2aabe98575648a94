// The exported entry point of the engine library. One call with the code 9
// reads names.dat in the current folder and runs one analysis.
#include "names_file.hpp"

#include <quvex/engine.hpp>

#include <cstdint>
#include <fstream>
#include <iostream>

namespace {

std::int32_t runFromNamesFile() {
    std::ifstream file("names.dat");
    if (!file) {
        std::cout << "\n ERROR: names.dat cannot be opened in the current folder.\n" << std::flush;
        return 1;
    }
    quvex::NamesFile names = quvex::readNamesFile(file);
    file.close();
    if (!names.complete && !quvex::askFileNames(names, std::cin, std::cout)) {
        std::cout << " ERROR: no file names were given; nothing is run.\n" << std::flush;
        return 1;
    }
    quvex::RunRequest request;
    request.files = names.files;
    request.version = names.version;
    request.when = quvex::currentLocalTime();
    try {
        return quvex::runAnalysis(request, std::cout).status;
    } catch (const std::exception& e) {
        // Nothing may cross the library boundary.
        std::cout << "\n ERROR: " << e.what() << "\n" << std::flush;
        return 1;
    }
}

} // namespace

#define QUVEX_EXPORT extern "C" __attribute__((visibility("default")))

QUVEX_EXPORT std::int32_t IQUVEX(std::int32_t code) {
    if (code != 9) return 1;
    try {
        return runFromNamesFile();
    } catch (...) {
        return 1;
    }
}

QUVEX_EXPORT std::int32_t _IQUVEX(std::int32_t code) {
    return IQUVEX(code);
}
