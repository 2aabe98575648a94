// Runs a test project through the engine in a folder of its own.
#pragma once

#include "test_project.hpp"

#include "io/input_data.hpp"

#include <quvex/engine.hpp>

#include <sstream>
#include <string>

namespace quvex::test {

struct RunOutput {
    RunResult result;
    std::string report;
    std::string plot;
    std::string console;
    bool plotExists = false;
};

// A soil point as the reader leaves it: depth, soil type and friction angle.
inline io::SoilPoint point(double depth, int type, double phi = 0.0) {
    io::SoilPoint p;
    p.depth = depth;
    p.type = type;
    p.typeValue = type;
    p.frictionAngle = phi;
    return p;
}

inline LocalTime fixedTime() {
    return {2014, 3, 5, 9, 7, 3};
}

// Writes `dataText` (and `cptText` when given) as pile.qx6d / pile.cpt and runs it.
RunOutput runText(const std::string& folderName, const std::string& dataText,
                  const std::string* cptText = nullptr);

inline RunOutput runProject(const std::string& folderName, const Project& p) {
    return runText(folderName, p.text());
}

} // namespace quvex::test
