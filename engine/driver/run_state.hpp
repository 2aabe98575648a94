// The working store of one run: everything the engine knows while it
// analyses one pile. Each run owns its own, so runs never share state.
#pragma once

#include "unit_labels.hpp"

#include "../io/fixed_format.hpp"
#include "../io/input_data.hpp"

#include <quvex/engine.hpp>

#include <ostream>

namespace quvex {

struct RunState {
    explicit RunState(const RunRequest& req, std::ostream& con) : request(req), console(con) {}

    const RunRequest& request;
    std::ostream& console;

    io::InputData input;
    UnitLabels labels = unitLabels(1);
    io::TextOut report;
    io::TextOut plot;

    // Set once the input echo is written: the pile length below the ground.
    double embeddedLength = 0.0;
    // Computation segments of thickness `input.increment` down to the profile bottom.
    int segmentCount = 0;
    // Penetration increments k = 1..incrementCount at (k - 1) * increment.
    int incrementCount = 0;

    int status = 0;
    std::string failure;
};

} // namespace quvex
