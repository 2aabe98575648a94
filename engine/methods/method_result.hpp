// What one capacity method produces: unit values at the segments and stress
// points, its friction table over the depth points, and the capacity table
// the assembly builds from them.
#pragma once

#include <vector>

namespace quvex::methods {

// Method codes used by the capacity assembly.
enum MethodCode {
    kCodeFhwa = 1,
    kCodeUsace = 2,
    kCodeLambda = 3,
    kCodeApi = 4,
    kCodeNgi = 5,
    kCodeIcp = 6,
    kCodeFugro = 7,
    kCodeUwa = 8,
    kCodeUser = 9
};
inline constexpr int kMethodCodeCount = 9;

// Friction table over depth points k = 0 .. n.
struct FrictionTable {
    std::vector<double> unitFriction;    // F(k)
    std::vector<double> maxFriction;     // G(k)
    std::vector<double> limitedFriction; // min(F, G): the unit skin friction plotted
    std::vector<double> increment;       // ΔQ(k)
    std::vector<double> cumulative;      // Q(k), factored once the table is complete
    std::vector<double> factored;        // QF(k)
    std::vector<double> settlement;      // R(k): Q or QF as the LRFD choice says
};

struct MethodResult {
    bool computed = false; // the method ran in this pass
    // Per segment 1 .. ns ([0] unused): unit side friction at top and bottom.
    std::vector<double> frictionTop, frictionBottom;
    // Per segment: the load-transfer pair for the plug friction and the t-z curves.
    std::vector<double> transferFirst, transferSecond;
    // Unit end bearing at stress points 1 .. 2·ns + 1.
    std::vector<double> endBearing;
    FrictionTable friction;

    // Capacity table over depth points 0 .. n, filled by the assembly.
    std::vector<double> tip;           // X(k): tip resistance, or self weight in tension
    std::vector<int> plug;             // M(k): 1 full section, 2 controlled by the soil plug
    std::vector<double> tipUnfactored; // X(k) before the end-bearing LRFD factor
    std::vector<double> ultimate;      // Q(k) + λq·X(k)
};

} // namespace quvex::methods
