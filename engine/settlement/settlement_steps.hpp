// The end of the second pass: the chosen method's values handed over, the
// load-transfer curves, the load-settlement solution and the verification curves.
#pragma once

namespace quvex {
struct RunState;
}

namespace quvex::settlement {

void runLoadSettlement(RunState& run);

} // namespace quvex::settlement
