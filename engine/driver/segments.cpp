#include "segments.hpp"

#include <cmath>

namespace quvex {

double segmentCountFor(double profileBottom, double increment) {
    return std::trunc(profileBottom / increment + 0.000001f);
}

int incrementCountFor(double embeddedLength, double increment) {
    return static_cast<int>(std::trunc(embeddedLength / increment + 0.000001f)) + 1;
}

void snapSoilPoints(std::vector<io::SoilPoint>& points, double increment) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const double d = points[i + 1].depth - points[i].depth;
        if (d < increment / 2.0)
            points[i + 1].depth = points[i].depth;
        else if (d < increment)
            points[i + 1].depth = points[i].depth + increment;
    }
}

} // namespace quvex
