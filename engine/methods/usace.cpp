#include "usace.hpp"

#include "api.hpp"
#include "fhwa_friction_table.hpp"
#include "friction_table.hpp"
#include "interpolate.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quvex::methods {
namespace {

constexpr float kBearingPhi[] = {0, 5, 10, 15, 20, 30, 32, 36, 38, 39, 40, 45, 50};
constexpr float kBearingFactor[] = {1, 1.6f, 2.7f, 4.4f, 7.4f, 23, 30, 56, 68, 79, 88, 200, 415.1f};

bool frictional(const Segment& s) {
    return s.type == 1 || s.type == 3;
}

// Depths below which the tip stress freezes, by density class of the sand.
struct FreezeDepths {
    bool any = false; // without a critical depth nothing freezes
    double loose = 0, medium = 0, dense = 0;
};

// The stresses frozen for the medium-dense and dense classes. Once found they
// hold for the rest of the run, in every assembly of the method.
struct ClassStresses {
    double medium = 0.0; // S15
    double dense = 0.0;  // S20
};

FreezeDepths freezeDepths(const io::InputData& d, std::optional<double> criticalDepth) {
    if (d.criticalDepthOption == 0) {
        const double diameter = diameterInLengthUnits(d);
        return {true, 10 * diameter + 1, 15 * diameter + 1, 20 * diameter + 1};
    }
    if (!criticalDepth) return {};
    return {true, *criticalDepth, *criticalDepth, *criticalDepth};
}

// The critical depth the stress profile found (option 1): the bottom of the
// first segment below the top one whose bottom stress exceeds 3.5 ksf.
std::optional<double> profileCriticalDepth(const Profile& p) {
    const double limit = p.english ? 3.5f : 167.58f;
    for (int j = 2; j <= p.count(); ++j)
        if (p.bottom(j) > limit) return p.segment(j).bottom;
    return std::nullopt;
}

// The critical depth this method finds (option 1): the bottom of the first
// sand or silt segment whose bottom stress exceeds 3.5 ksf (168 kPa).
std::optional<double> ownCriticalDepth(const Profile& p) {
    const double limit = p.english ? 3.5f : 168.0;
    for (int j = 1; j <= p.count(); ++j)
        if (frictional(p.segment(j)) && p.bottom(j) > limit) return p.segment(j).bottom;
    return std::nullopt;
}

// Walks the sand segments from the top, freezing the limiting stress Sl by
// density class, and fills the sand's unit end bearing into `q` when given.
void freezeTipStress(const Profile& p, const FreezeDepths& depths, ClassStresses& classes,
                     std::vector<double>* q) {
    double limiting = 0.0; // Sl
    for (int j = 1; j <= p.count(); ++j) {
        const Segment& s = p.segment(j);
        if (!s.sand()) continue;
        const double phi = s.frictionAngle;
        const double top = s.top;
        const double stressAtBottom = p.limitedStress[static_cast<std::size_t>(2 * j)];
        if (depths.any) {
            if (phi <= 33 && top > depths.loose && limiting < 1.0E-5f) limiting = stressAtBottom;
            if (phi > 33 && top > depths.medium) {
                if (classes.medium < 1.0E-5f && phi <= 36) classes.medium = stressAtBottom;
                limiting = classes.medium;
            }
            if (phi > 36 && top > depths.dense) {
                if (classes.dense < 1.0E-5f) classes.dense = stressAtBottom;
                limiting = classes.dense;
            }
        }
        if (!q) continue;
        const double nq = usaceBearingFactor(phi);
        double qTop = nq * p.top(j), qBottom = nq * p.bottom(j);
        if (limiting > 1.0E-5f && p.bottom(j) > limiting) qTop = qBottom = nq * limiting;
        if (s.qmax != io::kNoLimit && s.qmax > 0.001f) {
            qTop = std::min(qTop, s.qmax);
            qBottom = std::min(qBottom, s.qmax);
        }
        (*q)[static_cast<std::size_t>(2 * j - 1)] = qTop;
        (*q)[static_cast<std::size_t>(2 * j)] = qBottom;
    }
}

// The class stresses as the earlier assemblies of this run left them. The
// first assembly of a run sees the stress profile's critical depth; the one
// after the method (pass 1) sees the method's own. Pass 2 starts again from
// the stress profile's, with the classes found by both before it.
ClassStresses earlierClassStresses(const Profile& p, const io::InputData& d,
                                   std::optional<double> current) {
    ClassStresses classes;
    if (d.criticalDepthOption != 1) {
        freezeTipStress(p, freezeDepths(d, current), classes, nullptr);
        return classes;
    }
    const std::optional<double> first = profileCriticalDepth(p);
    const std::optional<double> own = ownCriticalDepth(p);
    freezeTipStress(p, freezeDepths(d, first), classes, nullptr);
    const bool afterMethod = own != first && current == own;
    if (!afterMethod && own != first) freezeTipStress(p, freezeDepths(d, own), classes, nullptr);
    return classes;
}

} // namespace

double usaceInterfaceAngle(int pileType, double phi) {
    switch (pileType) {
    case 2:
        return 0.9f * phi; // timber
    case 3:
        return 0.95f * phi; // precast concrete
    case 1:
    case 4:
    case 5:
    case 7:
        return 0.75f * phi; // steel and tapered steel shells
    case 6:
        return 0.875f * phi; // H-pile, between steel and the soil itself
    default:
        return phi - 5;
    }
}

double usaceEarthPressureCoefficient(double segmentK, const io::InputData& d) {
    if (segmentK == 0.0 || d.methodSelected[io::kApi]) return d.tension ? 0.6f : 1.25f;
    return segmentK;
}

double usaceAdhesionFactor(double su, bool english) {
    if (english) {
        if (su <= 0.5f) return 1.0;
        if (su > 1.5f) return 0.5;
        return 1.0 - 0.5 * (su - 0.5f);
    }
    if (su <= 24) return 1.0;
    if (su > 72) return 0.5;
    return 1.0 - 0.5 * (su - 24) / 48;
}

double usaceBearingFactor(double phi) {
    return interpolateClamped(kBearingPhi, kBearingFactor, phi);
}

std::vector<double> usaceUnitEndBearing(const Profile& p, const io::InputData& d) {
    std::vector<double> q = clayEndBearing(p, d);
    const std::optional<double> current =
        p.hasCriticalDepth ? std::optional<double>(p.criticalDepth) : std::nullopt;
    ClassStresses classes = earlierClassStresses(p, d, current);
    freezeTipStress(p, freezeDepths(d, current), classes, &q);
    const int ns = p.count();
    if (ns >= 1) q[static_cast<std::size_t>(2 * ns + 1)] = q[static_cast<std::size_t>(2 * ns)];
    return q;
}

void runUsace(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context) {
    const int ns = p.count();
    for (auto* v : {&r.frictionTop, &r.frictionBottom, &r.transferFirst, &r.transferSecond})
        v->assign(static_cast<std::size_t>(ns) + 1, 0.0);
    if (d.criticalDepthOption == 1) {
        const std::optional<double> own = ownCriticalDepth(p);
        p.hasCriticalDepth = own.has_value();
        p.criticalDepth = own.value_or(0.0);
    }
    const auto& limited = p.limitedStress;
    for (int j = 1; j <= ns; ++j) {
        const Segment& s = p.segment(j);
        double sandTop = 0.0, sandBottom = 0.0;
        if (frictional(s)) {
            const double delta = usaceInterfaceAngle(d.materialType, s.frictionAngle);
            const double kTan = usaceEarthPressureCoefficient(s.k, d) * std::tan(delta / 57.2958f);
            sandTop = kTan * limited[static_cast<std::size_t>(2 * j - 1)];
            sandBottom = kTan * limited[static_cast<std::size_t>(2 * j)];
        }
        if (s.sand()) {
            r.frictionTop[j] = r.transferFirst[j] = sandTop;
            r.frictionBottom[j] = r.transferSecond[j] = sandBottom;
            continue;
        }
        const double alpha = usaceAdhesionFactor(s.su, p.english);
        const double adhesion = alpha * s.su;
        r.transferFirst[j] = alpha * s.sr;
        if (s.type == 3) { // silt: both frictional and cohesive
            r.frictionTop[j] = sandTop + adhesion;
            r.frictionBottom[j] = sandBottom + adhesion;
            r.transferSecond[j] = r.frictionTop[j];
        } else {
            r.frictionTop[j] = r.frictionBottom[j] = adhesion;
            r.transferSecond[j] = adhesion;
        }
    }
    const double shaft = perimeter(d);
    accumulateLimitedFriction(r, p, d, context.lastDepthPoint, [shaft](int) { return shaft; });
    r.endBearing = usaceUnitEndBearing(p, d);
    r.computed = true;
}

} // namespace quvex::methods
