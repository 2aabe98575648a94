#include "profile.hpp"

#include "friction_angle_chart.hpp"

#include <algorithm>
#include <cmath>

namespace quvex::methods {
namespace {

// The fifteen properties a segment takes from the soil points around it.
struct Property {
    double io::SoilPoint::*point;
    double Segment::*segment;
};

constexpr Property kProperties[] = {
    {&io::SoilPoint::ko, &Segment::k},
    {&io::SoilPoint::unitWeight, &Segment::unitWeight},
    {&io::SoilPoint::frictionAngle, &Segment::frictionAngle},
    {&io::SoilPoint::nq, &Segment::nq},
    {&io::SoilPoint::maxFriction, &Segment::fmax},
    {&io::SoilPoint::maxEndBearing, &Segment::qmax},
    {&io::SoilPoint::su, &Segment::su},
    {&io::SoilPoint::b4, &Segment::sr},
    {&io::SoilPoint::b5, &Segment::n},
    {&io::SoilPoint::plasticityIndex, &Segment::plasticityIndex},
    {&io::SoilPoint::qc, &Segment::qc},
    {&io::SoilPoint::lrfdFriction, &Segment::lrfdFriction},
    {&io::SoilPoint::lrfdEndBearing, &Segment::lrfdEndBearing},
    {&io::SoilPoint::userFriction, &Segment::userFriction},
    {&io::SoilPoint::userEndBearing, &Segment::userEndBearing},
};

// Stress in psi, the unit of the blow-count chart.
double toPsi(double stress, bool english) {
    return english ? stress * 1000.0 / 144.0 : stress / 6.8948f;
}

double stressAtDepth(const Profile& p, double depth) {
    const int i = p.segmentAt(depth);
    const Segment& s = p.segment(i);
    const double added = (depth - s.top) * s.unitWeight;
    return p.top(i) + (p.english ? added / 1000.0 : added);
}

void limitStresses(Profile& p, const io::InputData& d) {
    const int ns = p.count();
    p.limitedStress = p.stress;
    const double diameter = diameterInLengthUnits(d);
    for (int j = 1; j <= ns; ++j) {
        const Segment& s = p.segment(j);
        auto& limited = p.limitedStress;
        if (j >= 2) limited[2 * j - 1] = limited[2 * j - 2];
        if (j < 2 || !s.sand()) continue;
        double dc = p.criticalDepth;
        bool has = p.hasCriticalDepth;
        if (d.criticalDepthOption == 0) {
            const double phi = s.frictionAngle;
            dc = (phi < 33.0 ? 10.0 : phi < 36.0 ? 15.0 : 20.0) * diameter;
            has = true;
        }
        if (has && s.bottom >= dc) limited[2 * j] = stressAtDepth(p, dc);
    }
    if (ns >= 1) p.limitedStress[2 * ns + 1] = p.limitedStress[2 * ns];
}

} // namespace

int Profile::segmentAt(double z) const {
    // The first segment whose bottom is at or below z - 1e-6; bottoms increase
    // by one increment, so start from the arithmetic guess and step to it.
    const int ns = count();
    const double reach = z - 1.0E-6f;
    const double guess = increment > 0.0 ? std::ceil(reach / increment) : 1.0;
    int j = guess < 1.0 ? 1 : guess > ns ? ns : static_cast<int>(guess);
    while (j > 1 && segment(j - 1).bottom >= reach) --j;
    while (j < ns && segment(j).bottom < reach) ++j;
    return j;
}

double Profile::atDepth(const std::vector<double>& topValues,
                        const std::vector<double>& bottomValues, double z) const {
    const int j = segmentAt(z);
    const Segment& s = segment(j);
    const double a = topValues[static_cast<std::size_t>(j)];
    const double b = bottomValues[static_cast<std::size_t>(j)];
    return a + (b - a) * (z - s.top) / s.thickness;
}

double Profile::atDepth(const std::vector<double>& pointValues, double z) const {
    const int j = segmentAt(z);
    const Segment& s = segment(j);
    const double a = pointValues[static_cast<std::size_t>(2 * j - 1)];
    const double b = pointValues[static_cast<std::size_t>(2 * j)];
    return a + (b - a) * (z - s.top) / s.thickness;
}

Profile buildProfile(const io::InputData& d, const std::vector<io::SoilPoint>& points,
                     int segmentCount) {
    Profile p;
    p.english = d.english();
    p.increment = d.increment;
    p.waterLevel = d.submergenceDepth;
    p.segments.resize(static_cast<std::size_t>(segmentCount) + 1);
    const std::size_t last = points.size() - 1;
    std::size_t i = 0; // 0-based interval [points[i], points[i + 1]]
    // User values are converted to ksf in English runs, and reduced in tension.
    const double userScale =
        (d.tension ? d.tensionReductionFactor : 1.0) / (p.english ? 1000.0 : 1.0);
    for (int j = 1; j <= segmentCount; ++j) {
        Segment& s = p.segments[static_cast<std::size_t>(j)];
        s.top = (j - 1) * d.increment;
        s.bottom = s.top + d.increment;
        s.thickness = s.bottom - s.top;
        while (i + 1 < last && points[i + 1].depth - s.top <= 0.000001f)
            ++i;
        const io::SoilPoint& a = points[i];
        const io::SoilPoint& b = points[i + 1];
        s.type = a.type;
        const double span = b.depth - a.depth;
        // A layer of no thickness (merged by the snapping) has nothing to interpolate.
        const double share = span > 0.0 ? (s.top + d.increment / 2.0 - a.depth) / span : 0.0;
        for (const Property& prop : kProperties)
            s.*prop.segment = a.*prop.point + share * (b.*prop.point - a.*prop.point);
        s.userFriction *= userScale;
        s.userEndBearing *= userScale;
    }
    return p;
}

void computeStresses(Profile& p, const io::InputData& d) {
    const int ns = p.count();
    p.stress.assign(static_cast<std::size_t>(2 * ns + 2), 0.0);
    for (int j = 1; j <= ns; ++j) {
        const Segment& s = p.segment(j);
        const double added = s.unitWeight * s.thickness;
        p.stress[2 * j] = p.stress[2 * j - 1] + (p.english ? added / 1000.0 : added);
        p.stress[2 * j + 1] = p.stress[2 * j];
    }
    for (int j = 1; j <= ns; ++j) {
        Segment& s = p.segments[static_cast<std::size_t>(j)];
        if (s.frictionAngle < 1.0E-10f && s.n > 0.0)
            s.frictionAngle = frictionAngleFromBlowCount(s.n, toPsi(p.bottom(j), p.english));
        // Strength from the cone: qc is in psf in English runs.
        if (s.su < 1.0E-10f) s.su = p.english ? s.qc / 15000.0 : s.qc / 15.0;
    }
    p.hasCriticalDepth = false;
    if (d.criticalDepthOption == 1) {
        const double limit = p.english ? 3.5f : 167.58f;
        for (int j = 2; j <= ns; ++j)
            if (p.bottom(j) > limit) {
                p.hasCriticalDepth = true;
                p.criticalDepth = p.segment(j).bottom;
                break;
            }
    } else if (d.criticalDepthOption == 2) {
        p.hasCriticalDepth = true;
        p.criticalDepth = d.criticalDepth;
    }
    limitStresses(p, d);
}

} // namespace quvex::methods
