// The two passes of the capacity analysis over the segmented profile.
#pragma once

#include "run_state.hpp"

namespace quvex {

void runCapacityPasses(RunState& run);

} // namespace quvex
