// The design charts of the FHWA method (Nordlund in sand, Tomlinson in clay,
// the sand tip), held as digitised point lists in English units and read by
// straight-line interpolation, clamped to the end values outside each chart.
#pragma once

namespace quvex::methods {

// Ratio δ/φ of the pile–soil friction angle to the soil friction angle, by pile
// type code (1 to 7) and displaced volume per unit length V (ft³/ft).
double fhwaFrictionAngleRatio(int pileType, double volume);

// Correction factor CF on Kδ for δ ≠ φ, by φ (degrees) and δ/φ.
double fhwaCorrectionFactor(double frictionAngle, double ratio);

// Coefficient of lateral earth pressure Kδ by φ (degrees), taper angle ω
// (degrees) and displaced volume V (ft³/ft). In S.I. runs the interval between
// the φ = 35 and φ = 40 charts ends at 39.99999.
double fhwaEarthPressureCoefficient(double frictionAngle, double taperAngle, double volume,
                                    bool english);

// Tomlinson's adhesion factor α by case (1 sand over stiff clay, 2 soft clay
// over stiff clay, 3 stiff clay alone), penetration ratio and Su in ksf.
double fhwaAdhesionFactor(int tomlinsonCase, double penetrationRatio, double suKsf);

// Tip coefficient αt by φ (degrees) and embedment ratio L/D.
double fhwaTipCoefficient(double frictionAngle, double embedmentRatio);

// Bearing capacity factor N'q by φ (degrees).
double fhwaBearingFactor(double frictionAngle);

// Limiting unit tip resistance qL by φ (degrees), in tsf.
double fhwaLimitingTipResistanceTsf(double frictionAngle);

} // namespace quvex::methods
