#include "settlement_steps.hpp"

#include "load_settlement.hpp"
#include "load_transfer_curves.hpp"
#include "settlement_report.hpp"
#include "transfer_inputs.hpp"
#include "verification_curves.hpp"

#include "../driver/run_state.hpp"

#include <ostream>

namespace quvex::settlement {
namespace {

// The chosen method's skin friction and tip load, increment by increment.
TransferInputs chosenMethodValues(const RunState& run) {
    const io::InputData& d = run.input;
    const int code = methodCodeOf(d.method);
    if (code == 0)
        return copyChosenMethod(methods::MethodResult{}, run.incrementCount, d.increment);
    return copyChosenMethod(run.methods[static_cast<std::size_t>(code)], run.incrementCount,
                            d.increment);
}

void warn(RunState& run, const SolutionNotes& notes) {
    if (notes.unconverged > 0)
        run.console << "\n WARNING: the load-settlement solution did not settle within "
                    << kMaxIterations << " estimates in " << notes.unconverged
                    << " pile segment(s); their last estimate is used.\n";
    if (notes.rigid > 0)
        run.console << "\n WARNING: the axial stiffness EA is zero or negative in " << notes.rigid
                    << " pile segment(s); they are taken as not shortening.\n";
    run.console << std::flush;
}

} // namespace

void runLoadSettlement(RunState& run) {
    const io::InputData& d = run.input;
    const UnitLabels labels = unitLabels(d.unitSystemValue);
    const TransferInputs in = chosenMethodValues(run);
    const CurveSetting setting = curveSettingFor(d);

    const LoadTransferCurves curves =
        buildLoadTransferCurves(d.points, in, setting, run.embeddedLength);
    writeClosingNotes(run.report, d.tension);
    writeSettlementBanner(run.report);
    writeTzCurves(run.report, run.plot, curves.curves, setting, labels);
    writeTipCurve(run.report, curves.tip, setting, labels);

    const PileModel pile = pileModelFor(d, run.embeddedLength, run.incrementCount);
    SolutionNotes notes;
    const std::vector<SettlementRow> rows =
        loadSettlementCurve(pile, curves, setting.english, notes);
    writeLoadDistribution(run.plot, rows, setting.english);
    writeLoadSettlement(run.report, run.plot, rows, setting.english, labels);
    warn(run, notes);

    if (d.extraTzCurves && !d.extraTzDepths.empty())
        writeVerificationCurves(run.report, run.plot,
                                verificationCurves(d.extraTzDepths, d.points, in, setting), setting,
                                unitLabels(d.unitSystemValue));
}

} // namespace quvex::settlement
