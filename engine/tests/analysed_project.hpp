// A test project read and cut into segments with its stresses, ready for a
// capacity method, without running the whole analysis.
#pragma once

#include "test_project.hpp"

#include "driver/segments.hpp"
#include "io/input_file.hpp"
#include "methods/friction_table.hpp"
#include "methods/method_context.hpp"
#include "methods/profile.hpp"

namespace quvex::test {

struct Analysed {
    io::InputData data;
    methods::Profile profile;
    methods::MethodContext context;
    io::TextOut messages;
};

inline Analysed analyse(const Project& project) {
    Analysed a;
    io::readDataFile(project.text(), "test.qx6d", a.data);
    const double embedded = a.data.totalLength - a.data.stickupLength;
    snapSoilPoints(a.data.points, a.data.increment);
    const int ns = static_cast<int>(segmentCountFor(a.data.profileBottom, a.data.increment));
    a.profile = methods::buildProfile(a.data, a.data.points, ns);
    methods::computeStresses(a.profile, a.data);
    a.context.lastDepthPoint = methods::lastDepthPoint(embedded, a.data.increment);
    a.context.embeddedLength = embedded;
    a.context.messages = &a.messages;
    return a;
}

// One layer from `top` to `bottom` with the same record A (slots 3-6) and
// record B (slots 1-11) at both points.
inline Layer layerOf(double top, double bottom, int type, std::initializer_list<double> a,
                     std::initializer_list<double> b) {
    Layer l{top, bottom, type};
    std::copy(a.begin(), a.end(), l.a);
    std::copy(b.begin(), b.end(), l.b);
    return l;
}

} // namespace quvex::test
