// Load distribution along the pile and the load-settlement curve of its head,
// for nine assumed tip movements, from the t-z and Q-w curves.
//
// Working units as for the curves: inches, pounds and psi in English runs,
// metres, kN and kPa in S.I. runs. Depths are measured from the pile head.
#pragma once

#include "load_transfer_curves.hpp"

#include "../io/input_data.hpp"

#include <array>
#include <vector>

namespace quvex::settlement {

inline constexpr int kTipMovementCount = 9;
// At most this many estimates of a segment's middle movement.
inline constexpr int kMaxIterations = 100;

struct StiffnessEntry {
    double depth = 0.0; // below the pile head: in or m
    double ea = 0.0;    // axial stiffness E·A: pounds or kN
};

// Cross-section area for area options 0 and 1 (in² or m²): the constant area,
// else the non-circular tip area, else the ring of the outside and inside diameters.
double sectionArea(const io::InputData& d);

// (depth, EA) entries down a pile of length `pileLength` (in or m).
std::vector<StiffnessEntry> axialStiffnessTable(const io::InputData& d, double pileLength);

// EA at depth y: straight between the first entry at or below y and the one
// before it; the first entry above the table, the last below it.
double stiffnessAt(const std::vector<StiffnessEntry>& table, double y);

// The nine assumed tip movements (in or m).
std::array<double, kTipMovementCount> assumedTipMovements(bool english);

struct PileModel {
    double length = 0.0;   // Lp = stickup + embedded length: in or m
    int segments = 1;      // m
    double diameter = 0.0; // outside diameter: in or m
    std::vector<StiffnessEntry> stiffness;

    double segmentLength() const { return length / segments; }
};

// m: one pile segment per row of a capacity table (n increments, print interval p).
int pileSegmentCount(int incrementCount, long long printInterval);

PileModel pileModelFor(const io::InputData& d, double embeddedLength, int incrementCount);

// One pile segment of one march: its middle depth, average load and middle movement.
struct SegmentState {
    double depth = 0.0;
    double load = 0.0;
    double movement = 0.0;
};

// The head and tip of the pile for one assumed tip movement, and the segments
// from the tip upward.
struct SettlementRow {
    double topLoad = 0.0;
    double topMovement = 0.0;
    double tipLoad = 0.0;
    double tipMovement = 0.0;
    std::vector<SegmentState> segments;
};

// What the marches had to make do with.
struct SolutionNotes {
    int unconverged = 0; // segments that took the last of kMaxIterations estimates
    int rigid = 0;       // segments without a positive EA, taken as not shortening
};

// The march up the pile for tip movement `tipMovement`.
SettlementRow solveForTipMovement(const PileModel& pile, const LoadTransferCurves& curves,
                                  double tipMovement, SolutionNotes& notes);

// One row per assumed tip movement, in their order.
std::vector<SettlementRow> loadSettlementCurve(const PileModel& pile,
                                               const LoadTransferCurves& curves, bool english,
                                               SolutionNotes& notes);

} // namespace quvex::settlement
