// Revised Lambda method: the total side friction down to a penetration z is
// λ·(σ'm + 2·cm)·perimeter·z, with σ'm and cm the mean effective stress and
// mean strength over the penetration and λ a function of the pile's
// flexibility. The unit friction of each increment is derived from it. The
// unit end bearing is that of API RP-2A.
#pragma once

#include "method_context.hpp"
#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

#include <vector>

namespace quvex::methods {

// Mean effective stress σ'm and mean strength cm over a penetration.
struct LambdaMeans {
    double stress = 0.0;
    double strength = 0.0;
};

// Per segment 1 .. ns ([0] unused): strength value v, stress integral s and
// strength integral c over the segment.
struct LambdaIntegrals {
    std::vector<double> strength, stressIntegral, strengthIntegral;
};

// Sand segments with K = 0 get K = 1 in the profile itself (later methods see it).
void fixZeroEarthPressure(Profile& p);

LambdaIntegrals lambdaIntegrals(const Profile& p, const io::InputData& d);

// Means over the penetration z > 0.
LambdaMeans lambdaMeans(const Profile& p, const LambdaIntegrals& v, double z);

// Axial stiffness term AE, A in in² (English) or mm² (S.I.).
double lambdaStiffness(const io::InputData& d);

// Pile flexibility factor Π at penetration z with mean strength cm.
double flexibilityFactor(const io::InputData& d, double stiffness, double z, double strength);

// λ from the flexibility factor and the means: 0 without flexibility, else the
// log rule of the stiff or soft branch, never below 0.14.
double lambdaCoefficient(double flexibility, const LambdaMeans& means);

// The whole method.
void runRevisedLambda(MethodResult& r, Profile& p, const io::InputData& d, MethodContext& context);

} // namespace quvex::methods
