// FHWA method: Nordlund's method for sand shafts, Tomlinson's adhesion method
// for clay shafts, and a tip coefficient with a limiting tip resistance for
// sand tips.
#pragma once

#include "method_context.hpp"
#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

#include <vector>

namespace quvex::methods {

// Displaced volume per unit length V in ft³/ft (S.I. runs compute it in m²
// and convert) of the section beside a sand segment whose bottom is at
// `bottom`, given the segment's plug state of the last assembly (0 none,
// 1 full section, 2 open annulus).
double fhwaDisplacedVolume(const io::InputData& d, int plugState, double bottom);

// Nordlund's unit side friction at a stress point with effective stress
// `stress`, for a sand of friction angle φ beside a pile of displaced volume V.
double nordlundUnitFriction(const io::InputData& d, double frictionAngle, double volume,
                            double stress);

// Perimeter (ft or m) at depth z, narrowed by the taper.
double fhwaPerimeterAt(const io::InputData& d, double z);

// The clay segments of one run of the method: the clay stratum around each
// segment, its penetration ratio and Tomlinson's case, chosen anew after
// every sand segment.
class TomlinsonClay {
public:
    TomlinsonClay(const Profile& p, const io::InputData& d, double embeddedLength);

    // A sand segment ends the current stratum.
    void sand() { case_ = 0; }
    // Adhesion factor of clay (or silt) segment j, walking the segments down.
    double alpha(int j);

    int tomlinsonCase() const { return case_; }
    double penetrationRatio() const { return ratio_; }

private:
    void chooseCase(int j);
    void followStratum(int j);

    const Profile& p_;
    const io::InputData& d_;
    double pileLength_;
    int case_ = 0;            // 0: none chosen yet
    double thicknessSum_ = 0; // S, never reset while the method runs
    double stratumTop_ = 0, stratumBottom_ = 0;
    double ratio_ = 0;
};

// Unit end bearing at the stress points: 9·Su in clay, αt·N'q·σ'v limited by
// qL and qmax in sand.
std::vector<double> fhwaUnitEndBearing(const Profile& p, const io::InputData& d);

// The whole method. Reads the plug states left in `r.plug` by the last
// assembly for this method.
void runFhwa(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context);

} // namespace quvex::methods
