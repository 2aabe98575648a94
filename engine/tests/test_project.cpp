#include "test_project.hpp"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace quvex::test {

std::string Project::text() const {
    std::ostringstream o;
    o.precision(10);
    o << title << "\n" << designer << "\n" << job << "\n";
    o << units << " " << printInterval << " " << 2 * layers.size() << " " << closedEnd << "\n";
    o << perimeter << " " << tipArea << " " << od << " " << id << " " << modulus << " "
      << totalLength << " " << stickup << "\n";
    o << endSectionLength << " " << endSectionId << "\n";
    o << zeroFriction << " " << increment << " " << materialType << " " << taper << " " << method
      << " " << reserved << " " << reduced << "\n";
    for (int f : flags)
        o << f << " ";
    o << "\n" << profileBottom << " " << constantArea << "\n";
    for (const Layer& l : layers) {
        for (double depth : {l.top, l.bottom}) {
            o << depth << " " << l.type;
            for (double v : l.a)
                o << " " << v;
            o << "\n";
            for (double v : l.b)
                o << v << " ";
            o << "\n";
        }
    }
    o << (extraTz.empty() ? 0 : 1) << "\n";
    if (!extraTz.empty()) {
        o << extraTz.size() << "\n";
        for (double z : extraTz)
            o << z << "\n";
    }
    o << loadDirection << " " << tensionFactor << "\n";
    o << clayDrained << " " << plug << "\n";
    o << areaRowCount << " " << areaOption << "\n";
    if (areaRowCount > 1)
        for (int i = 0; i < areaRowCount; ++i)
            o << i * 10.0 << " " << 30.0 + i << "\n";
    o << criticalOption << " " << criticalDepth << "\n";
    return o.str();
}

std::string freshFolder(const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("quvex-test-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

} // namespace quvex::test
