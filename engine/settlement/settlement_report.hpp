// The load-transfer and settlement sections of the report and the plot data
// file: curve tables, the load distribution, the load-settlement curve and the
// verification curves.
#pragma once

#include "load_settlement.hpp"
#include "load_transfer_curves.hpp"
#include "verification_curves.hpp"

#include "../driver/unit_labels.hpp"
#include "../io/fixed_format.hpp"

#include <vector>

namespace quvex::settlement {

// Notes closing the capacity tables; the tension note only in tension.
void writeClosingNotes(io::TextOut& report, bool tension);

void writeSettlementBanner(io::TextOut& report);

// The t-z curves below the ground, numbered from 1, in the report and the plot
// data file (with their count).
void writeTzCurves(io::TextOut& report, io::TextOut& plot, const std::vector<TzCurve>& curves,
                   const CurveSetting& s, const UnitLabels& labels);

void writeTipCurve(io::TextOut& report, const TipCurve& tip, const CurveSetting& s,
                   const UnitLabels& labels);

// Each march's segments, from the tip upward, in the plot data file.
void writeLoadDistribution(io::TextOut& plot, const std::vector<SettlementRow>& rows, bool english);

// The head and tip of every march, in the report and the plot data file.
void writeLoadSettlement(io::TextOut& report, io::TextOut& plot,
                         const std::vector<SettlementRow>& rows, bool english,
                         const UnitLabels& labels);

void writeVerificationCurves(io::TextOut& report, io::TextOut& plot,
                             const std::vector<VerificationCurve>& curves, const CurveSetting& s,
                             const UnitLabels& labels);

} // namespace quvex::settlement
