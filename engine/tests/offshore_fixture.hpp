// Small hand-made profiles and piles for the tests of the cone-based offshore
// methods, and the whole-pile project they share.
#pragma once

#include "analysed_project.hpp"
#include "test_project.hpp"

#include "io/fixed_format.hpp"
#include "io/input_data.hpp"
#include "methods/method_context.hpp"
#include "methods/profile.hpp"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace quvex::test {

inline methods::Segment sandSegment(double qc, double unitWeight = 10.0,
                                    double frictionAngle = 35.0) {
    methods::Segment s;
    s.type = 1;
    s.qc = qc;
    s.unitWeight = unitWeight;
    s.frictionAngle = frictionAngle;
    s.qmax = io::kNoLimit;
    s.fmax = io::kNoLimit;
    s.lrfdFriction = s.lrfdEndBearing = 1.0;
    return s;
}

inline methods::Segment claySegment(double su, double sr, double ysr, double pi,
                                    double unitWeight = 8.0, double qc = 1000.0) {
    methods::Segment s;
    s.type = 2;
    s.su = su;
    s.sr = sr;
    s.n = ysr;
    s.plasticityIndex = pi;
    s.unitWeight = unitWeight;
    s.qc = qc;
    s.qmax = io::kNoLimit;
    s.fmax = io::kNoLimit;
    s.lrfdFriction = s.lrfdEndBearing = 1.0;
    return s;
}

// Layers of (segment count, soil) from the surface down, segments of dz, with
// the effective stress summed from the unit weights (psf → ksf in English runs).
inline methods::Profile layeredProfile(bool english, double dz,
                                       std::vector<std::pair<int, methods::Segment>> layers) {
    methods::Profile p;
    p.english = english;
    p.increment = dz;
    p.segments.resize(1);
    for (const auto& [count, soil] : layers)
        for (int i = 0; i < count; ++i) {
            methods::Segment s = soil;
            s.top = (p.count()) * dz;
            s.bottom = s.top + dz;
            s.thickness = dz;
            p.segments.push_back(s);
        }
    const int ns = p.count();
    p.stress.assign(static_cast<std::size_t>(2 * ns + 2), 0.0);
    for (int j = 1; j <= ns; ++j) {
        const double added = p.segment(j).unitWeight * dz;
        p.stress[2 * j] = p.stress[2 * j - 1] + (english ? added / 1000.0 : added);
        p.stress[2 * j + 1] = p.stress[2 * j];
    }
    p.limitedStress = p.stress;
    return p;
}

// A pile of outside diameter `od` and tip internal diameter `dt` (in or mm).
inline io::InputData offshorePile(bool english, double od, double dt, double dz = 1.0) {
    io::InputData d;
    d.units = english ? io::UnitSystem::English : io::UnitSystem::SI;
    d.unitSystemValue = english ? 1 : 2;
    d.outerDiameter = od;
    d.innerDiameter = dt;
    d.endSectionInnerDiameter = dt;
    d.increment = dz;
    return d;
}

// Method context for a pile of embedded length L cut into increments of dz.
struct ContextFor {
    io::TextOut messages;
    methods::MethodContext context;
    ContextFor(double embeddedLength, double dz)
        : context{static_cast<int>(embeddedLength / dz + 1.0e-6), embeddedLength, &messages} {}
};

inline int countOf(const std::string& text, const std::string& what) {
    int count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + what.size()))
        ++count;
    return count;
}

// The whole-pile project: S.I., 610 mm pipe driven 20 m (increments of 1 m)
// through 8 m of clay (γ' 8 kN/m³, Su 50, Sr 20 kPa, YSR 2, PI 30, qc 1000 kPa)
// into sand (γ' 10 kN/m³, φ 35°, qc 15000 kPa) down to 25 m. Closed-ended
// unless `tipInnerDiameter` is given, in which case it is an open pipe with
// that inside diameter, taken as plugged. `method` is the input file's method
// number, selected alone.
inline Project wholePile(int method, double tipInnerDiameter = 0.0) {
    Project p;
    p.units = 2;
    p.od = 610;
    p.id = tipInnerDiameter;
    p.closedEnd = tipInnerDiameter > 0.0 ? 0 : 1;
    p.plug = tipInnerDiameter > 0.0 ? 1 : 0;
    p.modulus = 2e8;
    p.totalLength = 20;
    p.increment = 1;
    p.method = method;
    std::fill(std::begin(p.flags), std::end(p.flags), 0);
    p.flags[method - 1] = 1;
    p.profileBottom = 25;
    const Layer clay = layerOf(0.0, 8.0, 2, {0, 8, 0, 0}, {0, 0, 50, 20, 2, 30, 1000, 0, 0, 1, 1});
    const Layer sand =
        layerOf(8.0, 25.0, 1, {0.8, 10, 35, 20}, {0, 0, 0, 0, 0, 0, 15000, 0, 0, 1, 1});
    p.layers = {clay, sand};
    return p;
}

} // namespace quvex::test
