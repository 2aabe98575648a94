#include "revised_lambda.hpp"

#include "api.hpp"
#include "friction_table.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quvex::methods {

void fixZeroEarthPressure(Profile& p) {
    for (int j = 1; j <= p.count(); ++j) {
        Segment& s = p.segments[static_cast<std::size_t>(j)];
        if (s.sand() && s.k == 0.0) s.k = 1.0;
    }
}

LambdaIntegrals lambdaIntegrals(const Profile& p, const io::InputData& d) {
    const int ns = p.count();
    LambdaIntegrals v;
    for (auto* column : {&v.strength, &v.stressIntegral, &v.strengthIntegral})
        column->assign(static_cast<std::size_t>(ns) + 1, 0.0);
    for (int j = 1; j <= ns; ++j) {
        const Segment& s = p.segment(j);
        const double meanStress = (p.top(j) + p.bottom(j)) / 2.0;
        // No strength counts within the zero friction length.
        const bool shielded = s.bottom <= d.zeroFrictionLength + 1.0E-6f;
        double strength = 0.0;
        if (!shielded)
            strength = s.sand() ? s.k * std::tan(s.frictionAngle / 57.2958f) * meanStress : s.su;
        v.strength[j] = strength;
        v.stressIntegral[j] = s.thickness * meanStress;
        v.strengthIntegral[j] = s.thickness * strength;
    }
    return v;
}

LambdaMeans lambdaMeans(const Profile& p, const LambdaIntegrals& v, double z) {
    const Segment& first = p.segment(1);
    if (z - first.thickness <= 1.0E-6f) {
        const double atZ = p.top(1) + z * (p.bottom(1) - p.top(1)) / first.thickness;
        return {(p.top(1) + atZ) / 2.0, v.strength[1]};
    }
    const int i = p.segmentAt(z);
    const Segment& s = p.segment(i);
    const double into = z - s.top;
    const double atZ = p.top(i) + into * (p.bottom(i) - p.top(i)) / s.thickness;
    double stress = into * (p.top(i) + atZ) / 2.0;
    double strength = into * v.strength[static_cast<std::size_t>(i)];
    for (int j = 1; j < i; ++j) {
        stress += v.stressIntegral[static_cast<std::size_t>(j)];
        strength += v.strengthIntegral[static_cast<std::size_t>(j)];
    }
    return {stress / z, strength / z};
}

double lambdaStiffness(const io::InputData& d) {
    const bool english = d.english();
    double area = 0.0;
    if (d.tipArea > 1.0E-4f) {
        // The tip area is held in ft² or m²; the stiffness wants in² or mm².
        area = d.tipArea * (english ? 144.0 : 1.0e6);
    } else {
        const double od = d.outerDiameter, dt = d.endSectionInnerDiameter;
        area = 0.25 * 3.14159f * (od * od - dt * dt);
    }
    return (english ? 0.1f : 2.54f) * area * d.elasticModulus;
}

double flexibilityFactor(const io::InputData& d, double stiffness, double z, double strength) {
    const double scale = d.english() ? 1000.0 : 1.0e6;
    const double numerator = scale * 3.14159f * d.outerDiameter * z * z * strength;
    if (numerator <= 0.0) return 0.0;
    // A pile without stiffness is as flexible as it gets.
    if (stiffness <= 1.0E-10f) return std::numeric_limits<double>::max();
    return numerator / stiffness;
}

double lambdaCoefficient(double flexibility, const LambdaMeans& means) {
    if (flexibility <= 0.0) return 0.0;
    const bool stiffClay = means.stress > 0.0 ? means.strength / means.stress >= 0.4f : true;
    const double lambda = stiffClay ? 0.232f - 0.032f * std::log(flexibility)
                                    : 0.178f - 0.016f * std::log(flexibility);
    return std::max(lambda, double{0.14f});
}

void runRevisedLambda(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context) {
    fixZeroEarthPressure(p);
    const int n = context.lastDepthPoint;
    const LambdaIntegrals integrals = lambdaIntegrals(p, d);
    const double stiffness = lambdaStiffness(d);
    const double shaft = perimeter(d);
    const double dz = d.increment;
    const double ring = shaft * dz;

    FrictionTable& t = r.friction;
    const std::size_t size = static_cast<std::size_t>(n) + 1;
    for (auto* column : {&t.unitFriction, &t.maxFriction, &t.limitedFriction, &t.increment,
                         &t.cumulative, &t.factored, &t.settlement})
        column->assign(size, 0.0);
    // Unit friction of an increment from the cumulative friction it adds; a
    // vanishing one keeps the previous increment's.
    auto unitFrictionOf = [&](double added, double previous) {
        const double fs = ring > 0.0 ? added / shaft / dz : 0.0;
        return fs < 1.0E-7f ? previous : fs;
    };
    std::vector<double>& q = t.cumulative;
    t.maxFriction[0] = p.segmentBelow(0).fmax;
    for (int k = 1; k <= n; ++k) {
        const double z = k * dz;
        const LambdaMeans means = lambdaMeans(p, integrals, z);
        const double lambda =
            lambdaCoefficient(flexibilityFactor(d, stiffness, z, means.strength), means);
        const double formula = shaft * z * lambda * (means.stress + 2.0 * means.strength);
        double fs = unitFrictionOf(formula - q[k - 1], t.limitedFriction[k - 1]);
        t.unitFriction[k] = fs;
        t.maxFriction[k] = p.segmentBelow(k).fmax;
        fs = std::min(fs, t.maxFriction[k]);
        q[k] = q[k - 1] + dz * shaft * fs;
        t.limitedFriction[k] = fs;
    }
    // In tension the whole cumulative friction is reduced, and the unit
    // friction follows it.
    if (d.tension) {
        for (int k = 1; k <= n; ++k) {
            q[k] *= d.tensionReductionFactor;
            t.limitedFriction[k] = unitFrictionOf(q[k] - q[k - 1], t.limitedFriction[k - 1]);
        }
    }
    for (int k = 1; k <= n; ++k) {
        t.increment[k] = q[k] - q[k - 1];
        t.factored[k] = t.factored[k - 1] + p.segmentBelow(k - 1).lrfdFriction * t.increment[k];
        t.settlement[k] = d.reducedResistance ? t.factored[k] : q[k];
    }
    t.cumulative = t.factored;
    r.endBearing = apiUnitEndBearing(p, d);
    r.computed = true;
}

} // namespace quvex::methods
