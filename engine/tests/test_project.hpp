// A small pile project written in the data-file layout, for tests.
#pragma once

#include <string>
#include <vector>

namespace quvex::test {

struct Layer {
    double top = 0.0;
    double bottom = 0.0;
    int type = 2; // 1 sand, 2 clay, 3 silt
    // Record A slots 3-6 and record B slots 1-11, the same at top and bottom.
    double a[4] = {0.0, 50.0, 0.0, 0.0};
    double b[11] = {0.0, 0.0, 1000.0, 500.0, 1.0, 20.0, 0.0, 0.0, 0.0, 1.0, 1.0};
};

struct Project {
    std::string title = "Test pile";
    std::string designer = "Tester";
    std::string job = "T-1";
    int units = 1;
    int printInterval = 1;
    int closedEnd = 0;
    double perimeter = 0, tipArea = 0, od = 24, id = 23, modulus = 29e6, totalLength = 50,
           stickup = 0;
    double endSectionLength = 0, endSectionId = 0;
    double zeroFriction = 0, increment = 1;
    int materialType = 1;
    double taper = 0;
    int method = 4, reserved = 1, reduced = 0;
    int flags[9] = {0, 0, 0, 1, 0, 0, 0, 0, 0};
    double profileBottom = 60, constantArea = 0;
    std::vector<Layer> layers{Layer{0.0, 60.0}};
    std::vector<double> extraTz; // record 11 asks for them when not empty
    int loadDirection = 0;
    double tensionFactor = 1.0;
    int clayDrained = 0, plug = 0;
    int areaRowCount = 2, areaOption = 0;
    int criticalOption = 0;
    double criticalDepth = 0;

    std::string text() const;
};

// A fresh, empty folder under the system's temporary folder.
std::string freshFolder(const std::string& name);
void writeFile(const std::string& path, const std::string& text);
std::string readFile(const std::string& path);

} // namespace quvex::test
