// Clay rules shared by the ICP/MTD, Fugro 2004 and UWA methods: side friction
// from a stress ratio with a plasticity-dependent interface angle, and the
// cone-based unit end bearing with the drained/undrained and plug options.
#pragma once

#include "method_context.hpp"
#include "method_result.hpp"
#include "profile.hpp"

#include "../io/input_data.hpp"

#include <vector>

namespace quvex::methods {

// Interface friction angle (degrees) of a clay by its plasticity index.
double clayInterfaceAngle(double plasticityIndex);

// Equivalent radius R* = √(D²/4 − Dt²/4) in inches or mm; 0 when the tip has
// no wall left (Dt ≥ D).
double equivalentRadius(const io::InputData& d);

// Stress ratio Kc = (2 − 0.625·log10(Su/Sr))·YSR^0.42·(h/R*)^−0.2. The
// sensitivity term counts as 0 when either strength is not positive.
double clayStressRatio(double su, double sr, double yieldStressRatio, double hOverR);

// Unit side friction and load-transfer pair of clay segment j, 0.8·Kc·σ'v·tan δ
// at both stress points. Writes the missing plasticity index error and the
// short embedment warning to the method's messages.
void coneClaySideFriction(MethodResult& r, const Profile& p, int j, const io::InputData& d,
                          MethodContext& context);

// Cone-based unit end bearing of a clay segment with cone resistance qc.
double coneClayEndBearing(double su, double qc, const io::InputData& d);

// Replaces the unit end bearing at both stress points of every clay segment
// by the cone-based rule.
void applyConeClayEndBearing(std::vector<double>& q, const Profile& p, const io::InputData& d);

// Unit end bearing of a cone-based method at the stress points: its sand tip
// rule on the segment cone resistance, limited by qmax, and the shared clay tip.
using SandTipRule = double (*)(double qc, const io::InputData& d);
std::vector<double> coneMethodEndBearing(const Profile& p, const io::InputData& d,
                                         SandTipRule sandTip);

} // namespace quvex::methods
