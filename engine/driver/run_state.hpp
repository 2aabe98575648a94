// The working store of one run: everything the engine knows while it
// analyses one pile. Each run owns its own, so runs never share state.
#pragma once

#include "unit_labels.hpp"

#include "../io/fixed_format.hpp"
#include "../io/input_data.hpp"
#include "../methods/method_result.hpp"
#include "../methods/profile.hpp"

#include <quvex/engine.hpp>

#include <array>
#include <ostream>

namespace quvex {

struct RunState {
    explicit RunState(const RunRequest& req, std::ostream& con) : request(req), console(con) {}

    const RunRequest& request;
    std::ostream& console;
    // Inputs already in memory; when null the files of the request are read.
    const std::string* dataText = nullptr;
    const std::string* cptText = nullptr;

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

    // The profile of the pass under way, and every method's results by method
    // code; results of pass 1 stay for pass 2.
    methods::Profile profile;
    std::array<methods::MethodResult, methods::kMethodCodeCount + 1> methods;

    int status = 0;
    std::string failure;
    RunResult result; // the summary handed back to the caller
};

} // namespace quvex
