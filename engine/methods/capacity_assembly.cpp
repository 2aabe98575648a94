#include "capacity_assembly.hpp"

#include "api.hpp"
#include "cone_resistance.hpp"

#include <algorithm>
#include <cmath>

namespace quvex::methods {
namespace {

constexpr double kQuarterPi = 0.7853975f;

double lengthUnits(const io::InputData& d) {
    return d.english() ? 12.0 : 1000.0;
}
double areaUnits(const io::InputData& d) {
    return d.english() ? 144.0 : 1.0e6;
}

// Tip force of the annulus at each stress point.
std::vector<double> annulusForce(int code, const std::vector<double>& q, const Profile& p,
                                 const io::InputData& d) {
    const int ns = p.count();
    const double dt = d.endSectionInnerDiameter;
    const double ringArea =
        d.tipArea > 1.0E-4f
            ? d.tipArea
            : kQuarterPi * (d.outerDiameter * d.outerDiameter - dt * dt) / areaUnits(d);
    const bool cone = code > kCodeApi && dt > 1.0E-4f;
    const double pa = d.english() ? 2.1168f : 100.0;
    std::vector<double> b(q.size(), 0.0);
    for (int j = 1; j <= ns; ++j) {
        const double qTop = cone ? segmentConeResistance(p, j, d.cpt, pa) : q[2 * j - 1];
        const double qBottom =
            cone ? segmentConeResistance(p, std::min(j + 1, ns), d.cpt, pa) : q[2 * j];
        b[2 * j - 1] = qTop * ringArea;
        b[2 * j] = qBottom * ringArea;
    }
    b[2 * ns + 1] = b[2 * ns];
    return b;
}

// Friction of the soil plug inside the pile, accumulated from the surface.
std::vector<double> plugFriction(int code, const MethodResult& r, const Profile& p,
                                 const io::InputData& d) {
    const int ns = p.count();
    std::vector<double> a(static_cast<std::size_t>(2 * ns) + 2, 0.0);
    const bool methodPair = code != kCodeLambda && code != kCodeUser;
    const bool hasPair = r.transferFirst.size() == static_cast<std::size_t>(ns) + 1;
    const double innerPerimeter = 3.14159f * d.endSectionInnerDiameter / lengthUnits(d);
    for (int j = 1; j <= ns; ++j) {
        const Segment& s = p.segment(j);
        double first = 0.0, second = 0.0;
        if (methodPair) {
            if (hasPair) {
                first = r.transferFirst[j];
                second = r.transferSecond[j];
            }
        } else if (s.sand()) {
            const double tanDelta = sandInterfaceTan(s.frictionAngle);
            first = std::min(s.k * p.top(j) * tanDelta, s.fmax);
            second = std::min(s.k * p.bottom(j) * tanDelta, s.fmax);
        } else {
            first = second = apiAlpha(s.su, std::max(p.bottom(j), double{1.0E-10f})) * s.sr;
        }
        const double unit = s.sand() ? 0.5 * (first + second) : first;
        a[2 * j] = a[2 * j - 1] + innerPerimeter * s.thickness * unit;
        a[2 * j + 1] = a[2 * j];
    }
    return a;
}

// ∫ from 0 to x of a quantity linear within each segment between its values at
// the segment's two stress points; zero below the profile.
class DepthIntegral {
public:
    DepthIntegral(const Profile& p, std::vector<double> pointValues)
        : p_(p), values_(std::move(pointValues)), prefix_(static_cast<std::size_t>(p.count()) + 1) {
        for (int j = 1; j <= p.count(); ++j)
            prefix_[j] = prefix_[j - 1] +
                         p.segment(j).thickness * (values_[2 * j - 1] + values_[2 * j]) / 2.0;
    }

    double to(double x) const {
        if (x <= 0.0) return 0.0;
        const int ns = p_.count();
        if (x >= p_.segment(ns).bottom) return prefix_[ns];
        const int j = p_.segmentAt(x);
        const Segment& s = p_.segment(j);
        const double a = values_[2 * j - 1], b = values_[2 * j];
        const double h = x - s.top;
        const double atX = a + (b - a) * h / s.thickness;
        return prefix_[j - 1] + h * (a + atX) / 2.0;
    }

private:
    const Profile& p_;
    std::vector<double> values_;
    std::vector<double> prefix_;
};

} // namespace

double fullTipArea(const io::InputData& d, double embeddedLength) {
    if (d.tipArea > 1.0E-4f) return d.tipArea;
    double tip = d.outerDiameter / lengthUnits(d);
    if (d.taperAngle > 0.0) tip -= 2.0 * embeddedLength * std::tan(d.taperAngle * 0.01745f);
    return kQuarterPi * tip * tip;
}

double selfWeight(const io::InputData& d, double waterLevel, double z) {
    const bool english = d.english();
    const int type = d.materialType;
    const double pile = type == 2   ? (english ? 0.05f : 7.854351f)
                        : type == 3 ? (english ? 0.15f : 23.56305f)
                                    : (english ? 0.49f : 76.97263f);
    const double water = english ? 0.0624f : 9.8f;
    const double zw = waterLevel < 1.0 ? 0.1f : waterLevel;
    const double ac = d.constantArea;
    const double od = d.outerDiameter, id = d.innerDiameter;
    const double area = ac > 1.0E-6f ? (english ? ac / 144.0 : ac)
                                     : kQuarterPi * (od * od - id * id) / areaUnits(d);
    const double displaced = kQuarterPi * od * od / areaUnits(d);
    if (z <= zw) return pile * area * z;
    const bool displacing =
        ((type == 1 && d.closedEnd) || type == 4 || type == 5 || type == 7) && ac > 1.0E-5f;
    if (displacing) return pile * area * z - water * displaced * (z - zw);
    return pile * area * zw + (pile - water) * area * (z - zw);
}

void assembleCapacity(int code, MethodResult& r, const std::vector<double>& q, const Profile& p,
                      const io::InputData& d, const PileGeometry& g) {
    const int n = g.lastDepthPoint;
    const std::size_t size = static_cast<std::size_t>(n) + 1;
    r.tip.assign(size, 0.0);
    r.plug.assign(size, 1);
    if (d.tension) {
        for (int k = 0; k <= n; ++k)
            r.tip[k] = selfWeight(d, p.waterLevel, k * d.increment);
        r.tipUnfactored = r.tip;
        return;
    }

    const std::vector<double> annulus = annulusForce(code, q, p, d);
    std::vector<double> plug = plugFriction(code, r, p, d);
    if (d.plugCondition == 2) std::fill(plug.begin(), plug.end(), 0.0);
    std::vector<double> open(annulus.size());
    for (std::size_t i = 0; i < open.size(); ++i)
        open[i] = annulus[i] + plug[i];

    const double area = fullTipArea(d, g.embeddedLength);
    std::vector<double> full(q.size()), maximum(q.size());
    for (int j = 1; j <= p.count(); ++j)
        for (int pt : {2 * j - 1, 2 * j}) {
            full[pt] = area * q[pt];
            if (code == kCodeIcp) full[pt] = std::max(full[pt], annulus[pt]);
            maximum[pt] = area * p.segment(j).qmax;
        }
    const DepthIntegral fullIntegral(p, std::move(full));
    const DepthIntegral maxIntegral(p, std::move(maximum));
    const double diameter = diameterInLengthUnits(d);
    const double reach = 1.5 * diameter;

    const double dt = d.endSectionInnerDiameter;
    const double enhanced = d.endSectionLength;
    const bool closed = d.innerDiameter < 1.0E-10f || d.closedEnd;
    for (int k = 0; k <= n; ++k) {
        const double z = k * d.increment;
        double from = z - reach;
        if (from < 0.0001f) from = 0.0;
        const double t = (fullIntegral.to(z + reach) - fullIntegral.to(from)) / (3.0 * diameter);
        const double tm = (maxIntegral.to(z + reach) - maxIntegral.to(from)) / (3.0 * diameter);
        const double fullTip = t - tm > 1.0E-6f ? tm : t;
        if (closed) {
            r.tip[k] = fullTip;
            continue;
        }
        const double below = z - enhanced;
        const double openTip =
            p.atDepth(open, z) - (below > 1.0E-6f ? p.atDepth(plug, below) : 0.0);
        if (openTip - fullTip > 1.0E-6f && d.plugCondition != 2) {
            r.tip[k] = fullTip;
        } else {
            r.tip[k] = openTip;
            r.plug[k] = dt < 1.0E-4f && enhanced > 1.0E-4f ? 1 : 2;
        }
        if (d.plugCondition == 1) {
            r.tip[k] = fullTip;
            r.plug[k] = 1;
        } else if (d.plugCondition == 2) {
            r.tip[k] = openTip;
            r.plug[k] = 2;
        }
    }
    r.tipUnfactored = r.tip;
}

void formUltimate(int code, MethodResult& r, const Profile& p, int n) {
    const std::size_t size = static_cast<std::size_t>(n) + 1;
    r.ultimate.assign(size, 0.0);
    const std::vector<double>& friction = r.friction.cumulative;
    for (int k = 0; k <= n; ++k) {
        if (code != kCodeUser) r.tip[k] = p.segmentBelow(k).lrfdEndBearing * r.tipUnfactored[k];
        r.ultimate[k] = (k < static_cast<int>(friction.size()) ? friction[k] : 0.0) + r.tip[k];
    }
}

} // namespace quvex::methods
