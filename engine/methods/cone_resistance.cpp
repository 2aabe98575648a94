#include "cone_resistance.hpp"

#include <algorithm>

namespace quvex::methods {

double cptAtDepth(const std::vector<io::CptPoint>& cpt, double depth) {
    if (depth <= cpt.front().depth) return cpt.front().qc;
    if (depth >= cpt.back().depth) return cpt.back().qc;
    const auto above = std::upper_bound(
        cpt.begin(), cpt.end(), depth, [](double z, const io::CptPoint& c) { return z < c.depth; });
    const io::CptPoint& a = *(above - 1);
    const io::CptPoint& b = *above;
    // Equal depths (a step in the log) take the deeper reading.
    if (b.depth - a.depth <= 0.0) return b.qc;
    return a.qc + (b.qc - a.qc) * (depth - a.depth) / (b.depth - a.depth);
}

double segmentConeResistance(const Profile& p, int j, const std::vector<io::CptPoint>& cpt,
                             double pa) {
    const Segment& s = p.segment(j);
    double qc = s.qc;
    if (qc < 1.0E-5f) {
        if (cpt.empty()) return 2.8f * pa * s.n;
        qc = cptAtDepth(cpt, s.top);
    }
    return p.english ? qc / 1000.0 : qc;
}

} // namespace quvex::methods
