#include "friction_angle_chart.hpp"

#include "interpolate.hpp"

namespace quvex::methods {
namespace {

// Friction angle (degrees) against blow count at 0, 20 and 40 psi.
constexpr float kN0[] = {0, 2, 4, 6, 10, 15, 20};
constexpr float kPhi0[] = {0, 32, 34, 36, 38, 42, 45};
constexpr float kN20[] = {6, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55};
constexpr float kPhi20[] = {30, 32, 34, 36, 37, 39, 40, 41, 42, 44, 45};
constexpr float kN40[] = {10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90};
constexpr float kPhi40[] = {31, 32, 34, 35, 36, 36, 37, 38, 39, 39, 40, 41, 42, 42, 43, 44, 44};

double phi0(double n) {
    return interpolateClamped(kN0, kPhi0, n);
}
double phi20(double n) {
    return interpolateClamped(kN20, kPhi20, n);
}
double phi40(double n) {
    return interpolateClamped(kN40, kPhi40, n);
}

// Below 10 blows the angle rises from 30 degrees whatever the stress above 20 psi.
double looseSand(double n) {
    return n <= 6 ? 30.0 : 30.0 + 0.5 * (n - 6.0);
}

} // namespace

double frictionAngleFromBlowCount(double n, double s) {
    if (s <= 20.0) {
        if (n < 6) return phi0(n) - (s / 20.0) * (phi0(n) - 30.0);
        if (n < 20) return phi0(n) - (s / 20.0) * (phi0(n) - phi20(n));
        if (n < 55) return phi20(n) + ((20.0 - s) / 20.0) * (45.0 - phi20(n));
        return 45.0; // past the 20 psi curve: its last value
    }
    if (s < 40.0) {
        if (n < 10) return looseSand(n);
        if (n <= 55) return phi20(n) - ((s - 20.0) / 20.0) * (phi20(n) - phi40(n));
        if (n < 90) return phi40(n) + ((40.0 - s) / 20.0) * (45.0 - phi40(n));
        return 50.0;
    }
    // A dense or loose sand at high stress still gets an angle, never 0.
    if (n < 10) return looseSand(n);
    if (n == 10) return 31.0;
    if (n < 90) return phi40(n);
    return 50.0;
}

} // namespace quvex::methods
