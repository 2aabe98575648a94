#include "verification_curves.hpp"

#include <algorithm>

namespace quvex::settlement {
namespace {

bool thickEnough(const io::SoilPoint& upper, const io::SoilPoint& lower) {
    return lower.depth - upper.depth >= 0.11f;
}

} // namespace

void classifyAtDepth(const std::vector<io::SoilPoint>& points, double depth, TzCurve& c) {
    c.kind = kClayCurve;
    c.frictionAngle = 0.0;
    // The first interval reaching down to the depth; a depth inside thin
    // intervals at the bottom of the profile takes the last thick one.
    std::size_t found = points.size();
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        if (!thickEnough(points[i], points[i + 1])) continue;
        found = i;
        if (depth <= points[i + 1].depth) break;
    }
    if (found == points.size()) return;
    const io::SoilPoint& upper = points[found];
    const io::SoilPoint& lower = points[found + 1];
    c.kind = upper.type == 1 && lower.type == 1 ? kSandCurve : kClayCurve;
    const double share = std::clamp((depth - upper.depth) / (lower.depth - upper.depth), 0.0, 1.0);
    c.frictionAngle = upper.frictionAngle + (lower.frictionAngle - upper.frictionAngle) * share;
}

std::vector<VerificationCurve> verificationCurves(const std::vector<double>& depths,
                                                  const std::vector<io::SoilPoint>& points,
                                                  const TransferInputs& in, const CurveSetting& s) {
    std::vector<VerificationCurve> out;
    const double last = points.empty() ? -1.0 : points.back().depth;
    for (std::size_t k = 0; k < depths.size(); ++k) {
        VerificationCurve v;
        v.number = static_cast<int>(k) + 1;
        v.listedDepth = depths[k];
        v.inRange = !points.empty() && depths[k] >= 0.0 && depths[k] <= last;
        if (v.inRange) {
            classifyAtDepth(points, depths[k], v.curve);
            v.curve.depth = s.english ? 12.0 * depths[k] : depths[k];
            v.curve.tmax = ultimateUnitTransfer(in, depths[k], s);
            shapeCurve(v.curve, s);
        }
        out.push_back(v);
    }
    return out;
}

} // namespace quvex::settlement
