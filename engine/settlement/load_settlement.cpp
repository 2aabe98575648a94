#include "load_settlement.hpp"

#include "../io/capacity_report.hpp"

#include <algorithm>
#include <cmath>

namespace quvex::settlement {
namespace {

constexpr float kInchesPerMetre = 39.37f;
constexpr float kPi = 3.1416f;
// Agreement of two estimates of a segment's middle movement (in or m).
constexpr float kTolerance = 0.0001f;

constexpr float kTipMovementsInches[kTipMovementCount] = {0.0001f, 0.001f, 0.005f, 0.01f, 0.05f,
                                                          0.1f,    0.5f,   1.0f,   2.0f};

// A length in ft or m as a working length: inches in English runs, metres in S.I.
double workingLength(double length, bool english) {
    return english ? 12.0 * length : length;
}

// Flexibility 1/EA; none where there is no positive stiffness to divide by.
double flexibility(double ea, SolutionNotes& notes) {
    if (ea > 0.0 && std::isfinite(ea)) return 1.0 / ea;
    ++notes.rigid;
    return 0.0;
}

struct Node {
    double load = 0.0;
    double movement = 0.0;
};

// One pile segment above the node `below`: balances its load transfer against
// its shortening and gives the node above it.
Node solveSegment(const PileModel& pile, const LoadTransferCurves& curves, double y,
                  const Node& below, SolutionNotes& notes, SegmentState& state) {
    const double h = pile.segmentLength();
    const double perimeter = pile.diameter * kPi;
    const double compliance = flexibility(stiffnessAt(pile.stiffness, y), notes);
    const double qb = below.load, wb = below.movement;
    double w = wb;
    Node above;
    for (int iteration = 1;; ++iteration) {
        const double t = unitTransferAt(curves.curves, y, w);
        const double dq = perimeter * h * t;
        const double qu = qb + dq;
        const double average = qb + dq / 2.0;
        above = {qu, wb + h * average * compliance};
        // Shortening of the lower half under the mean of the lower-node and middle loads.
        const double next = wb + (qb + (qu + qb) / 2.0) * 0.5 * h * 0.5 * compliance;
        state = {y, average, next};
        if (std::fabs(next - w) <= kTolerance) break;
        if (iteration == kMaxIterations) {
            ++notes.unconverged;
            break;
        }
        w = next;
    }
    return above;
}

} // namespace

double sectionArea(const io::InputData& d) {
    if (d.constantArea > 1.0E-5f) return d.constantArea;
    const double tipArea = d.english() ? d.tipArea * 144 : d.tipArea;
    if (tipArea > 1.0E-5f) return tipArea;
    const double od = d.english() ? d.outerDiameter : d.outerDiameter / 1000.0;
    const double id = d.english() ? d.innerDiameter : d.innerDiameter / 1000.0;
    return (od * od - id * id) * kPi * 0.25;
}

std::vector<StiffnessEntry> axialStiffnessTable(const io::InputData& d, double pileLength) {
    std::vector<StiffnessEntry> table;
    if (d.areaOption == 2)
        for (const io::AreaRow& row : d.areaRows)
            table.push_back(
                {workingLength(row.distance, d.english()), d.elasticModulus * row.area});
    // Options 0 and 1, and a table option without rows.
    if (table.empty()) {
        const double ea = d.elasticModulus * sectionArea(d);
        table = {{0.0, ea}, {pileLength, ea}};
    }
    return table;
}

double stiffnessAt(const std::vector<StiffnessEntry>& table, double y) {
    if (table.empty()) return 0.0;
    std::size_t k = 0;
    while (k < table.size() && table[k].depth < y)
        ++k;
    if (k == table.size()) return table.back().ea;
    if (k == 0 || table[k].depth == y) return table[k].ea;
    const StiffnessEntry& a = table[k - 1];
    const StiffnessEntry& b = table[k];
    return a.ea + (b.ea - a.ea) * (y - a.depth) / (b.depth - a.depth);
}

std::array<double, kTipMovementCount> assumedTipMovements(bool english) {
    std::array<double, kTipMovementCount> out{};
    for (int i = 0; i < kTipMovementCount; ++i)
        out[static_cast<std::size_t>(i)] =
            english ? kTipMovementsInches[i] : kTipMovementsInches[i] / kInchesPerMetre;
    return out;
}

int pileSegmentCount(int incrementCount, long long printInterval) {
    return io::plotRowsPerBlock(incrementCount, printInterval);
}

PileModel pileModelFor(const io::InputData& d, double embeddedLength, int incrementCount) {
    PileModel pile;
    pile.length = workingLength(d.stickupLength + embeddedLength, d.english());
    pile.segments = std::max(1, pileSegmentCount(incrementCount, d.printInterval));
    pile.diameter = d.english() ? d.outerDiameter : d.outerDiameter / 1000.0;
    pile.stiffness = axialStiffnessTable(d, pile.length);
    return pile;
}

SettlementRow solveForTipMovement(const PileModel& pile, const LoadTransferCurves& curves,
                                  double tipMovement, SolutionNotes& notes) {
    SettlementRow row;
    row.tipMovement = tipMovement;
    row.tipLoad = tipLoadAt(curves.tip, tipMovement);
    Node node{row.tipLoad, tipMovement};
    const double h = pile.segmentLength();
    row.segments.resize(static_cast<std::size_t>(pile.segments));
    for (int j = 1; j <= pile.segments; ++j) {
        const double middle = pile.length - (j - 0.5) * h;
        node = solveSegment(pile, curves, middle, node, notes,
                            row.segments[static_cast<std::size_t>(j - 1)]);
    }
    row.topLoad = node.load;
    row.topMovement = node.movement;
    return row;
}

std::vector<SettlementRow> loadSettlementCurve(const PileModel& pile,
                                               const LoadTransferCurves& curves, bool english,
                                               SolutionNotes& notes) {
    std::vector<SettlementRow> rows;
    for (double wt : assumedTipMovements(english))
        rows.push_back(solveForTipMovement(pile, curves, wt, notes));
    return rows;
}

} // namespace quvex::settlement
