// Fuzz target: the data-file and CPT-file readers on arbitrary bytes.
#include "io/input_file.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    quvex::io::InputData data;
    try {
        quvex::io::readDataFile(text, "fuzz.qx6d", data);
    } catch (const quvex::io::InputError&) {
    }
    quvex::io::InputData cpt;
    try {
        quvex::io::readCptFile(text, "fuzz.cpt", cpt);
    } catch (const quvex::io::InputError&) {
    }
    return 0;
}
