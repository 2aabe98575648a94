#include "fhwa_charts.hpp"

#include "interpolate.hpp"

#include <algorithm>
#include <array>
#include <span>

namespace quvex::methods {
namespace {

using Row = std::span<const float>;

double at(Row xs, Row ys, double x) {
    return interpolateClamped(xs, ys, x);
}

// A family of curves y(x), one per value of a second variable: read every
// curve at x, then interpolate between the curves in the second variable.
template <std::size_t Curves>
double acrossCurves(const float (&levels)[Curves], const std::array<Row, Curves>& curves, Row xs,
                    double x, double level) {
    double ys[Curves];
    for (std::size_t i = 0; i < Curves; ++i)
        ys[i] = at(xs, curves[i], x);
    double lv[Curves];
    std::copy(std::begin(levels), std::end(levels), lv);
    return interpolateClamped(std::span<const double>(lv), std::span<const double>(ys), level);
}

// δ/φ by displaced volume, one row per pile type code.
constexpr float kVolume[] = {0.08f, 0.1f, 0.2f, 0.3f, 0.4f, 0.52f, 0.6f,
                             0.8f,  1,    1.2f, 1.4f, 1.6f, 1.9f};
constexpr float kRatioByType[7][13] = {
    {0.342f, 0.342f, 0.342f, 0.342f, 0.41f, 0.476f, 0.516f, 0.593f, 0.652f, 0.697f, 0.733f, 0.763f,
     0.798f},
    {0.404f, 0.404f, 0.404f, 0.404f, 0.466f, 0.527f, 0.562f, 0.637f, 0.693f, 0.734f, 0.766f, 0.793f,
     0.825f},
    {0.466f, 0.466f, 0.466f, 0.466f, 0.525f, 0.59f, 0.63f, 0.708f, 0.767f, 0.813f, 0.848f, 0.877f,
     0.914f},
    {0.571f, 0.571f, 0.571f, 0.571f, 0.637f, 0.699f, 0.736f, 0.814f, 0.873f, 0.917f, 0.953f, 0.985f,
     1.024f},
    {0.801f, 0.801f, 0.801f, 0.801f, 0.845f, 0.895f, 0.925f, 0.994f, 1.053f, 1.11f, 1.159f, 1.207f,
     1.27f},
    {0.727f, 0.747f, 0.827f, 0.8875f, 0.933f, 0.972f, 0.98f, 0.98f, 0.98f, 0.98f, 0.98f, 0.98f,
     0.98f},
    {0.643f, 0.643f, 0.643f, 0.643f, 0.696f, 0.757f, 0.792f, 0.86f, 0.916f, 0.958f, 0.994f, 1.024f,
     1.062f},
};

// CF by φ (columns) for each δ/φ row.
constexpr float kCfPhi[] = {14, 18, 22, 26, 30, 34, 38, 42, 45};
constexpr float kCfRatio[] = {0.2f, 0.4f, 0.6f, 0.8f, 1.0f, 1.2f, 1.4f};
constexpr float kCf[7][9] = {
    {0.83f, 0.77f, 0.71f, 0.64f, 0.58f, 0.5f, 0.42f, 0.32f, 0.24f},
    {0.9f, 0.85f, 0.8f, 0.74f, 0.69f, 0.63f, 0.56f, 0.49f, 0.43f},
    {0.95f, 0.92f, 0.89f, 0.85f, 0.82f, 0.77f, 0.72f, 0.66f, 0.62f},
    {0.99f, 0.98f, 0.97f, 0.95f, 0.94f, 0.92f, 0.9f, 0.87f, 0.84f},
    {1, 1, 1, 1, 1, 1, 1, 1, 1},
    {1.01f, 1.02f, 1.02f, 1.02f, 1.03f, 1.05f, 1.07f, 1.09f, 1.12f},
    {1.02f, 1.03f, 1.03f, 1.04f, 1.06f, 1.08f, 1.1f, 1.13f, 1.16f},
};

// Kδ by taper angle ω, one chart per φ, each with curves for V = 0.1, 1 and 10.
constexpr float kKdVolume[] = {0.1f, 1, 10};

constexpr float kOmega25[] = {0,    0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f,
                              0.8f, 1,    1.2f, 1.4f, 1.6f, 1.8f, 1.9f};
constexpr float kKd25[3][14] = {
    {0.7f, 0.739f, 0.817f, 0.922f, 1.042f, 1.194f, 1.4f, 1.808f, 2.322f, 2.917f, 3.383f, 3.733f,
     3.986f, 4.072f},
    {0.85f, 0.902f, 0.992f, 1.085f, 1.206f, 1.353f, 1.536f, 1.886f, 2.337f, 2.917f, 3.383f, 3.733f,
     3.986f, 4.072f},
    {1, 1.05f, 1.136f, 1.237f, 1.349f, 1.478f, 1.646f, 1.944f, 2.316f, 2.917f, 3.383f, 3.733f,
     3.986f, 4.072f},
};
constexpr float kKd30[3][14] = {
    {0.85f, 1.043f, 1.26f, 1.551f, 2.017f, 2.56f, 3.18f, 4.332f, 5.36f, 5.934f, 6.244f, 6.399f,
     6.487f, 6.494f},
    {1.15f, 1.408f, 1.629f, 1.958f, 2.435f, 2.928f, 3.444f, 4.421f, 5.36f, 5.934f, 6.244f, 6.399f,
     6.487f, 6.494f},
    {1.45f, 1.745f, 1.978f, 2.339f, 2.746f, 3.18f, 3.638f, 4.499f, 5.36f, 5.934f, 6.244f, 6.399f,
     6.487f, 6.494f},
};
constexpr float kOmega35[] = {0,    0.1f,  0.2f,  0.25f, 0.3f,  0.4f, 0.5f,
                              0.6f, 0.75f, 0.88f, 1,     1.11f, 2};
constexpr float kKd35[3][13] = {
    {1.15f, 1.47f, 2, 2.32f, 2.9f, 4.18f, 5.42f, 6.81f, 8.55f, 9.75f, 10.18f, 10.34f, 10.34f},
    {1.75f, 2.01f, 2.59f, 2.98f, 3.56f, 4.66f, 5.65f, 6.85f, 8.55f, 9.75f, 10.18f, 10.34f, 10.34f},
    {2.35f, 2.76f, 3.37f, 3.72f, 4.26f, 5.19f, 6.08f, 7.12f, 8.55f, 9.75f, 10.18f, 10.34f, 10.34f},
};
constexpr float kOmega40[] = {0, 0.1f, 0.15f, 0.22f, 0.3f, 0.4f, 0.43f, 0.5f, 0.56f, 2};
constexpr float kKd40[3][10] = {
    {1.7f, 5.12f, 7.36f, 10.56f, 13.6f, 15.84f, 16.64f, 17.28f, 17.54f, 17.54f},
    {3, 6.352f, 8, 10.56f, 13.6f, 15.84f, 16.64f, 17.28f, 17.54f, 17.54f},
    {4.3f, 7.04f, 8.48f, 10.56f, 13.6f, 15.84f, 16.64f, 17.28f, 17.54f, 17.54f},
};

struct KdChart {
    Row omega;
    std::array<Row, 3> curves;
};

const KdChart kKdCharts[] = {
    {kOmega25, {Row(kKd25[0]), Row(kKd25[1]), Row(kKd25[2])}},
    {kOmega25, {Row(kKd30[0]), Row(kKd30[1]), Row(kKd30[2])}},
    {kOmega35, {Row(kKd35[0]), Row(kKd35[1]), Row(kKd35[2])}},
    {kOmega40, {Row(kKd40[0]), Row(kKd40[1]), Row(kKd40[2])}},
};
constexpr float kKdPhi[] = {25, 30, 35, 40};

// Tomlinson's adhesion factor by Su (ksf), rows at penetration ratios.
constexpr float kSuKsf[] = {0, 0.5f, 1, 1.5f, 2, 2.5f, 3, 3.5f, 4, 4.5f};
constexpr float kCase1Ratio[] = {10, 20, 40};
constexpr float kCase1[3][10] = {
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    {1, 1, 1, 1, 0.95f, 0.875f, 0.75f, 0.75f, 0.75f, 0.75f},
    {1, 1, 0.9f, 0.815f, 0.68f, 0.5f, 0.44f, 0.4f, 0.4f, 0.4f},
};
constexpr float kCase2Ratio[] = {10, 20};
constexpr float kCase2[2][10] = {
    {0.7f, 0.519f, 0.398f, 0.334f, 0.298f, 0.272f, 0.246f, 0.226f, 0.206f, 0.186f},
    {0.97f, 0.84f, 0.746f, 0.694f, 0.675f, 0.656f, 0.626f, 0.599f, 0.568f, 0.54f},
};
constexpr float kCase3Ratio[] = {10, 40};
constexpr float kCase3[2][10] = {
    {1, 0.984f, 0.923f, 0.829f, 0.688f, 0.443f, 0.303f, 0.245f, 0.238f, 0.238f},
    {1, 1, 1, 1, 0.9f, 0.701f, 0.502f, 0.388f, 0.315f, 0.299f},
};

// Sand tip: αt by φ at embedment ratios 20, 30 and 45; N'q and qL by φ.
constexpr float kTipPhi[] = {20, 20.5f, 22.5f, 25, 27.5f, 30, 32.5f,
                             35, 36.5f, 37.5f, 40, 42.5f, 45};
constexpr float kTipRatio[] = {20, 30, 45};
constexpr float kTipCoefficient[3][13] = {
    {0.365f, 0.375f, 0.416f, 0.47f, 0.525f, 0.58f, 0.637f, 0.68f, 0.7f, 0.715f, 0.75f, 0.78f, 0.8f},
    {0.256f, 0.267f, 0.319f, 0.389f, 0.4f, 0.52f, 0.605f, 0.67f, 0.7f, 0.715f, 0.75f, 0.78f, 0.8f},
    {0.177f, 0.19f, 0.242f, 0.318f, 0.4f, 0.49f, 0.578f, 0.66f, 0.7f, 0.715f, 0.75f, 0.78f, 0.8f},
};
constexpr float kBearingPhi[] = {15,    17.5f, 20,    22.5f, 25,    27.5f, 30,
                                 32.5f, 35,    37.5f, 40,    42.5f, 45};
constexpr float kBearingFactor[] = {4.8f, 6.2f, 8.2f, 12, 15, 21, 30, 43, 64, 98, 160, 265, 475};
constexpr float kLimitPhi[] = {30,    31.25f, 32.5f, 33.75f, 35,    36.25f,
                               37.5f, 38.75f, 40,    41.25f, 42.5f, 43.75f};
constexpr float kLimitTsf[] = {6.66f,  11.25f, 20,     32.5f,  53.8f,  81.3f,
                               117.5f, 159.5f, 208.8f, 262.5f, 318.8f, 368.8f};

} // namespace

double fhwaFrictionAngleRatio(int pileType, double volume) {
    const int row = std::clamp(pileType, 1, 7) - 1;
    return at(kVolume, kRatioByType[row], volume);
}

double fhwaCorrectionFactor(double frictionAngle, double ratio) {
    return acrossCurves(
        kCfRatio,
        {Row(kCf[0]), Row(kCf[1]), Row(kCf[2]), Row(kCf[3]), Row(kCf[4]), Row(kCf[5]), Row(kCf[6])},
        kCfPhi, frictionAngle, ratio);
}

double fhwaEarthPressureCoefficient(double frictionAngle, double taperAngle, double volume,
                                    bool english) {
    // The last interval ends just short of 40 in S.I. runs; from there on the
    // φ = 40 chart holds.
    if (!english && frictionAngle >= 39.99999f) frictionAngle = 40;
    double byPhi[4];
    for (std::size_t i = 0; i < 4; ++i) {
        const KdChart& c = kKdCharts[i];
        byPhi[i] = acrossCurves(kKdVolume, c.curves, c.omega, taperAngle, volume);
    }
    double phis[4];
    std::copy(std::begin(kKdPhi), std::end(kKdPhi), phis);
    return interpolateClamped(phis, byPhi, frictionAngle);
}

double fhwaAdhesionFactor(int tomlinsonCase, double penetrationRatio, double suKsf) {
    switch (tomlinsonCase) {
    case 1:
        return acrossCurves(kCase1Ratio, {Row(kCase1[0]), Row(kCase1[1]), Row(kCase1[2])}, kSuKsf,
                            suKsf, penetrationRatio);
    case 2:
        return acrossCurves(kCase2Ratio, {Row(kCase2[0]), Row(kCase2[1])}, kSuKsf, suKsf,
                            penetrationRatio);
    case 3:
        return acrossCurves(kCase3Ratio, {Row(kCase3[0]), Row(kCase3[1])}, kSuKsf, suKsf,
                            penetrationRatio);
    default:
        return 0.0;
    }
}

double fhwaTipCoefficient(double frictionAngle, double embedmentRatio) {
    return acrossCurves(kTipRatio,
                        {Row(kTipCoefficient[0]), Row(kTipCoefficient[1]), Row(kTipCoefficient[2])},
                        kTipPhi, frictionAngle, embedmentRatio);
}

double fhwaBearingFactor(double frictionAngle) {
    return at(kBearingPhi, kBearingFactor, frictionAngle);
}

double fhwaLimitingTipResistanceTsf(double frictionAngle) {
    return at(kLimitPhi, kLimitTsf, frictionAngle);
}

} // namespace quvex::methods
