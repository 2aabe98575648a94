// The soil profile cut into segments of one increment, with the effective
// stress at their stress points. Every capacity method works on this picture.
//
// Segments are 1-based (segment j spans (j - 1)·Δz to j·Δz) and stress points
// are 1-based too: point 2j - 1 is the top of segment j, point 2j its bottom,
// and point 2j + 1, the top of the next segment, carries the same stress.
#pragma once

#include "../io/input_data.hpp"

#include <vector>

namespace quvex::methods {

struct Segment {
    double top = 0.0;
    double bottom = 0.0;
    double thickness = 0.0;
    int type = 2;               // 1 sand, 2 clay, 3 silt; anything but sand follows the clay rules
    double k = 0.0;             // lateral earth pressure coefficient
    double unitWeight = 0.0;    // effective unit weight
    double frictionAngle = 0.0; // degrees
    double nq = 0.0;
    double fmax = 0.0;
    double qmax = 0.0;
    double su = 0.0;
    double sr = 0.0;
    double n = 0.0; // blow count (sand, silt) or yield stress ratio (clay)
    double plasticityIndex = 0.0;
    double qc = 0.0; // as read: psf in English runs
    double lrfdFriction = 0.0;
    double lrfdEndBearing = 0.0;
    double userFriction = 0.0;   // ksf or kPa
    double userEndBearing = 0.0; // ksf or kPa

    bool sand() const { return type == 1; }
};

struct Profile {
    bool english = true;
    double increment = 0.0;
    std::vector<Segment> segments;     // [0] unused
    std::vector<double> stress;        // σ'v at stress points 1 .. 2·ns + 1; [0] unused
    std::vector<double> limitedStress; // σ'L, limited at the critical depth
    bool hasCriticalDepth = false;
    double criticalDepth = 0.0; // options 1 and 2
    double waterLevel = io::kNoSubmergence;

    int count() const { return static_cast<int>(segments.size()) - 1; }
    const Segment& segment(int j) const { return segments[static_cast<std::size_t>(j)]; }
    // The segment just below depth point k; below the profile the last segment holds.
    const Segment& segmentBelow(int k) const { return segment(k + 1 <= count() ? k + 1 : count()); }
    double top(int j) const { return stress[static_cast<std::size_t>(2 * j - 1)]; }
    double bottom(int j) const { return stress[static_cast<std::size_t>(2 * j)]; }

    // The segment whose bottom is the first at or below z - 1e-6 (1 at the surface).
    int segmentAt(double z) const;
    // A per-segment pair (top value, bottom value) interpolated at depth z.
    double atDepth(const std::vector<double>& topValues, const std::vector<double>& bottomValues,
                   double z) const;
    // A stress-point array (1 .. 2·ns + 1) interpolated at depth z.
    double atDepth(const std::vector<double>& pointValues, double z) const;
};

// Segments down to the profile bottom, with the fifteen properties interpolated
// at their middles. `segmentCount` segments of `data.increment`.
Profile buildProfile(const io::InputData& data, const std::vector<io::SoilPoint>& points,
                     int segmentCount);

// Effective stress, missing friction angles and strengths, critical depth and
// the limited stress.
void computeStresses(Profile& profile, const io::InputData& data);

// Outside diameter in length units (ft or m).
inline double diameterInLengthUnits(const io::InputData& d) {
    return d.english() ? d.outerDiameter / 12.0 : d.outerDiameter / 1000.0;
}

} // namespace quvex::methods
