// The analysis input as the engine holds it after reading: values in the
// units of the run's unit system, with the conversions made while reading
// already applied (English stresses in ksf, tip area in ft^2, ...).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace quvex::io {

enum class UnitSystem { English = 1, SI = 2 };

// The no-limit value stored for a maximum unit friction or end bearing left at 0.
inline constexpr double kNoLimit = 9999999.0;
// Submergence depth before any point sets it.
inline constexpr double kNoSubmergence = 99999.0;

inline constexpr int kMethodCount = 9;

// Method numbers of the input file (index of the method flags).
enum MethodNumber {
    kFhwa = 1,
    kUsace = 2,
    kLambda = 3,
    kApi = 4,
    kUserSpecified = 5,
    kNgi = 6,
    kIcp = 7,
    kFugro = 8,
    kUwa = 9
};

struct SoilPoint {
    double depth = 0.0;             // A1
    double typeValue = 0.0;         // A2 as written
    int type = 0;                   // A2 as a whole number: 1 sand, 2 clay, 3 silt
    double ko = 0.0;                // A3 lateral earth pressure coefficient
    double unitWeight = 0.0;        // A4 effective unit weight
    double frictionAngle = 0.0;     // A5, degrees
    double nq = 0.0;                // A6 bearing capacity factor
    double maxFriction = 0.0;       // B1
    double maxEndBearing = 0.0;     // B2
    double su = 0.0;                // B3 undrained shear strength
    double b4 = 0.0;                // B4 remolded shear strength (clay)
    double b5 = 0.0;                // B5 blow count (sand, silt) or yield stress ratio (clay)
    double plasticityIndex = 0.0;   // B6, percent
    double qc = 0.0;                // B7 cone tip resistance
    double userFriction = 0.0;      // B8, as written (psf in English runs)
    double userEndBearing = 0.0;    // B9, as written
    double lrfdFriction = 0.0;      // B10
    double lrfdEndBearing = 0.0;    // B11
    bool unlimitedFriction = false; // B1 was 0 and got the no-limit value
    bool unlimitedBearing = false;  // B2 was 0 and got the no-limit value
};

struct AreaRow {
    double distance = 0.0; // below the pile head
    double area = 0.0;
};

struct CptPoint {
    double depth = 0.0;
    double qc = 0.0;
};

struct InputData {
    // Records 1-3.
    std::string title;
    std::string designer;
    std::string jobNumber;
    // Record 4.
    UnitSystem units = UnitSystem::English;
    int unitSystemValue = 1; // as written; anything but 1 is S.I.
    long long printInterval = 1;
    bool closedEnd = false;
    // Record 5 as read.
    double perimeter = 0.0;
    double tipAreaAsRead = 0.0;
    double outerDiameterAsRead = 0.0;
    double innerDiameterAsRead = 0.0;
    // Record 5 after the reading rules.
    double tipArea = 0.0;       // ft^2 in English runs
    double outerDiameter = 0.0; // equivalent diameter for a non-circular section
    double innerDiameter = 0.0;
    double elasticModulus = 0.0;
    double totalLength = 0.0;
    double stickupLength = 0.0;
    // Record 6 after the reading rules.
    bool hasEndSection = false; // the file gives an enhanced end section
    double endSectionLength = 0.0;
    double endSectionInnerDiameter = 0.0;
    // Record 7.
    double zeroFrictionLength = 0.0;
    double increment = 0.0;
    int materialType = 1;
    double taperAngle = 0.0;
    int method = 4;
    long long reserved = 1;
    bool reducedResistance = false;
    // Record 8: flags of methods 1-9 (index 0 unused).
    std::array<bool, kMethodCount + 1> methodSelected{};
    // Record 9.
    double profileBottom = 0.0;
    double constantArea = 0.0;
    // Record 10.
    std::vector<SoilPoint> points;
    double submergenceDepth = kNoSubmergence;
    // Record 11.
    bool extraTzCurves = false;
    std::vector<double> extraTzDepths;
    // Record 12.
    bool tension = false;
    long long loadDirectionValue = 0;
    double tensionReductionFactor = 1.0;
    // Record 13.
    bool clayDrained = false;
    int plugCondition = 0;
    // Record 14.
    int areaOption = 0;
    std::vector<AreaRow> areaRows;
    // Record 15.
    int criticalDepthOption = 0;
    double criticalDepth = 0.0;

    // CPT companion file.
    std::vector<CptPoint> cpt;

    bool english() const { return units == UnitSystem::English; }
    bool circular() const { return perimeter <= 1.0E-10f; }
    // Section drawn as non-circular in the report: H-piles and square concrete piles.
    bool noncircularSection() const {
        return materialType == 6 || (materialType == 3 && perimeter != 0.0);
    }
    int selectedMethodCount() const {
        int count = 0;
        for (int m = 1; m <= kMethodCount; ++m)
            count += methodSelected[m] ? 1 : 0;
        return count;
    }
};

} // namespace quvex::io
