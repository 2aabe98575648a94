#include "api.hpp"

#include "friction_table.hpp"
#include "interpolate.hpp"

#include <algorithm>
#include <cmath>

namespace quvex::methods {
namespace {

constexpr float kPhi[] = {20, 25, 30, 35, 40};
constexpr float kMaxFrictionKsf[] = {1.0f, 1.4f, 1.7f, 2.0f, 2.4f};
constexpr float kMaxFrictionKpa[] = {47.8f, 67.0f, 83.1f, 95.5f, 114.8f};
constexpr float kEndBearingKsf[] = {40, 60, 100, 200, 250};
constexpr float kEndBearingKpa[] = {1900, 2900, 4800, 9600, 12000};

} // namespace

double sandInterfaceTan(double frictionAngle) {
    return std::max(std::tan((frictionAngle - 5.0) / 57.2958f), 0.0);
}

double apiAlpha(double su, double stress) {
    const double psi = std::max(su / stress, double{1.0E-10f});
    const double alpha = psi <= 1.0 ? 0.5 * std::pow(psi, -0.5) : 0.5 * std::pow(psi, -0.25);
    return std::min(alpha, 1.0);
}

double apiMaxUnitFriction(double phi, bool english) {
    return english ? interpolateClamped(kPhi, kMaxFrictionKsf, phi)
                   : interpolateClamped(kPhi, kMaxFrictionKpa, phi);
}

double apiEndBearingLimit(double phi, bool english) {
    return english ? interpolateClamped(kPhi, kEndBearingKsf, phi)
                   : interpolateClamped(kPhi, kEndBearingKpa, phi);
}

void apiUnitSideFriction(MethodResult& r, Profile& p) {
    const int ns = p.count();
    for (auto* v : {&r.frictionTop, &r.frictionBottom, &r.transferFirst, &r.transferSecond})
        v->assign(static_cast<std::size_t>(ns) + 1, 0.0);
    for (int j = 1; j <= ns; ++j) {
        const Segment& s = p.segment(j);
        if (s.sand()) {
            const double tanDelta = sandInterfaceTan(s.frictionAngle);
            r.frictionTop[j] = s.k * p.top(j) * tanDelta;
            r.frictionBottom[j] = s.k * p.bottom(j) * tanDelta;
            r.transferFirst[j] = r.frictionTop[j];
            r.transferSecond[j] = r.frictionBottom[j];
        } else {
            double& bottom = p.stress[static_cast<std::size_t>(2 * j)];
            if (bottom < 1.0E-10f) bottom = 1.0E-10f;
            const double alpha = apiAlpha(s.su, bottom);
            r.frictionTop[j] = r.frictionBottom[j] = alpha * s.su;
            r.transferFirst[j] = alpha * s.sr;
            r.transferSecond[j] = alpha * s.su;
        }
    }
}

std::vector<double> clayEndBearing(const Profile& p, const io::InputData&) {
    const int ns = p.count();
    std::vector<double> q(static_cast<std::size_t>(2 * ns) + 2, 0.0);
    for (int j = 1; j <= ns; ++j) {
        const Segment& s = p.segment(j);
        if (!s.sand()) q[2 * j - 1] = q[2 * j] = 9.0 * s.su;
    }
    if (ns >= 1) q[2 * ns + 1] = q[2 * ns];
    return q;
}

std::vector<double> apiUnitEndBearing(const Profile& p, const io::InputData& d) {
    std::vector<double> q = clayEndBearing(p, d);
    const int ns = p.count();
    for (int j = 1; j <= ns; ++j) {
        const Segment& s = p.segment(j);
        if (!s.sand()) continue;
        const double limit =
            s.qmax == io::kNoLimit ? apiEndBearingLimit(s.frictionAngle, p.english) : s.qmax;
        q[2 * j - 1] = std::min(s.nq * p.top(j), limit);
        q[2 * j] = std::min(s.nq * p.bottom(j), limit);
    }
    if (ns >= 1) q[2 * ns + 1] = q[2 * ns];
    return q;
}

void runApi(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context) {
    apiUnitSideFriction(r, p);
    accumulateFriction(r, p, d, context.lastDepthPoint, [&](int k) {
        const Segment& s = p.segmentBelow(k);
        // A sand layer left without a limit gets the API limiting friction.
        if (s.sand() && (s.fmax == 9999.0 || s.fmax == io::kNoLimit))
            return apiMaxUnitFriction(s.frictionAngle, p.english);
        return s.fmax;
    });
    r.endBearing = apiUnitEndBearing(p, d);
    r.computed = true;
}

} // namespace quvex::methods
