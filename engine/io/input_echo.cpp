#include "input_echo.hpp"

#include <cmath>

namespace quvex::io {
namespace {

constexpr std::string_view kMethodLines[] = {
    "",
    "- FHWA (Federal Highway Administration)",
    "- USACE (U.S. Army Corps of Engineers)",
    "- Revised Lambda",
    "- API RP 2A (American Petroleum Institute)",
    "- Load-transfer Units specified by User",
    "- NGI (Norwegian Geotechnical Institute)",
    "- ICP/MTD (Imperial College of London)",
    "- FUGRO (Offshore Driven Piles in Sand)",
    "- UWA (University of Western Australia)",
};

std::string_view soilTypeName(int type) {
    switch (type) {
    case 1:
        return "SAND";
    case 3:
        return "SILT";
    default:
        return "CLAY";
    }
}

std::string_view pileTypeText(const InputData& d) {
    switch (d.materialType) {
    case 1:
        return "Steel pipe pile or non-tapered portion of monotube pile";
    case 2:
        return "Timber pile";
    case 3:
        return d.perimeter != 0.0 ? "Precast concrete pile (Square/Rectangular/Orthogonal)"
                                  : "Precast concrete pile (Circular/Tubular)";
    case 4:
        return "Raymond step-taper pile";
    case 5:
        return "Raymond Uniform taper pile";
    case 6:
        return "H-Pile/Steel Pile";
    case 7:
        return "Tapered portion of Monotube pile";
    default:
        return "";
    }
}

void valueLine(TextOut& out, std::string_view label, double value, std::string_view unit) {
    out.line(Line().x(10).t(label).f(value, 10, 2).x(1).t(unit));
}

void writeTitles(TextOut& out, const InputData& d) {
    out.empty(3);
    out.line(Line().x(10).a(d.title, 70));
    out.empty();
    out.line(Line().x(10).t("DESIGNER   : ").a(d.designer, 60));
    out.empty();
    out.line(Line().x(10).t("JOB NUMBER : ").a(d.jobNumber, 60));
}

void writeMethods(TextOut& out, const InputData& d, const UnitLabels& u) {
    out.empty(2);
    out.line(Line().x(10).t("METHOD FOR UNIT LOAD TRANSFERS : "));
    out.empty();
    out.line(Line().x(10).t(methodLine(d.method)));
    out.line(Line().x(10).t(d.reducedResistance
                                ? "  Reduced Unit Side Friction and Unit Side Resistance are used."
                                : "  Unfactored Unit Side Friction and Unit Side Resistance are "
                                  "used."));

    out.empty(3);
    out.line(Line().x(10).t("COMPUTATION METHOD(S) FOR PILE CAPACITY : "));
    out.empty();
    for (int m = 1; m <= kMethodCount; ++m) {
        if (!d.methodSelected[m]) continue;
        out.line(Line().x(10).t(methodLine(m)));
        if (m == kUsace) {
            out.line(Line().x(10).t("  # Critical Depth Method for Sand:"));
            if (d.criticalDepthOption == 0)
                out.line(Line().x(10).t("    10 to 20 Pile Diameter based on the Density"));
            else if (d.criticalDepthOption == 1)
                out.line(Line().x(10).t("    At Effective Stress Reaching 3,500 psf (185 kPa)"));
            else
                out.line(Line()
                             .x(10)
                             .t("    At User-Specified Critical Depth =")
                             .f(d.criticalDepth, 10, 2)
                             .x(1)
                             .t(u.len));
        } else if (m == kIcp) {
            out.line(Line().x(10).t(d.clayDrained ? "  # Use Drained Condition for Clay"
                                                  : "  # Use Undrained Condition for Clay"));
        }
    }
}

void writeLoading(TextOut& out, const InputData& d) {
    out.empty(2);
    out.line(Line().x(10).t("TYPE OF LOADING : "));
    out.line(Line().x(10).t(d.tension ? "- TENSION  " : "- COMPRESSION  "));
    if (d.tension && d.methodSelected[kApi])
        out.line(Line()
                     .x(10)
                     .t("  REDUCTION FACTOR FOR TENSION LOADING =")
                     .f(d.tensionReductionFactor, 10, 2));
}

void writePileType(TextOut& out, const InputData& d) {
    out.empty(2);
    out.line(Line().x(10).t("PILE TYPE : "));
    out.empty();
    out.line(Line().x(10).t(pileTypeText(d)));
    if (d.materialType == 1 && d.closedEnd) out.line(Line().x(10).t("- Close-Ended Pile"));
    const int t = d.materialType;
    if (d.methodSelected[kApi] && (t == 2 || t == 4 || t == 5 || t == 7) && d.taperAngle > 0.0)
        out.line(Line()
                     .x(10)
                     .t("Angle of taper for a tapered pile  (degrees) =")
                     .f(d.taperAngle, 10, 2));
}

void writeStiffness(TextOut& out, const InputData& d, const UnitLabels& u) {
    out.empty(2);
    out.line(Line().x(10).t("DATA FOR AXIAL STIFFNESS : "));
    out.empty();
    out.line(
        Line().x(10).t("- MODULUS OF ELASTICITY     =").e(d.elasticModulus, 10, 3).x(1).t(u.mod));
    if (d.areaOption == 2) {
        out.line(Line().x(10).t("- CROSS SECTION AREA ALONG DEPTH"));
        out.line(Line().x(10).t(" DEPTH,").a(u.len, 3).x(10).t(" AREA,").a(u.area, 3));
        for (const AreaRow& row : d.areaRows)
            out.line(Line().x(10).f(row.distance, 10, 2).x(10).f(row.area, 10, 2));
    } else {
        const double area = d.areaOption == 1 ? d.constantArea : sectionArea(d);
        valueLine(out, "- CROSS SECTION AREA        =", area, u.area);
    }
}

void writeSection(TextOut& out, const InputData& d, const UnitLabels& u) {
    const double embedded = d.totalLength - d.stickupLength;
    auto lengths = [&] {
        valueLine(out, "- TOTAL PILE LENGTH, TL     =", d.totalLength, u.len);
        valueLine(out, "- PILE STICKUP LENGTH, PSL  =", d.stickupLength, u.len);
        valueLine(out, "- ZERO FRICTION LENGTH, ZFL =", d.zeroFrictionLength, u.len);
    };
    auto increment = [&] {
        out.line(Line().x(10).t("- INCREMENT OF PILE LENGTH"));
        valueLine(out, "  USED IN COMPUTATION       =", d.increment, u.len);
    };
    out.empty(2);
    if (d.noncircularSection()) {
        out.line(Line().x(10).t("NONCIRCULAR PILE PROPERTIES : "));
        out.empty();
        lengths();
        valueLine(out, "- PERIMETER OF PILE         =", d.perimeter, u.dia);
        valueLine(out, "- TIP AREA OF PILE          =", d.tipAreaAsRead, u.area);
        increment();
        return;
    }
    out.line(Line().x(10).t("CIRCULAR PILE PROPERTIES : "));
    out.empty();
    valueLine(out, "- OUTSIDE DIAMETER, OD      =", d.outerDiameter, u.dia);
    if (d.materialType == 1)
        valueLine(out, "- INTERNAL DIAMETER, ID     =", d.innerDiameter, u.dia);
    lengths();
    increment();
    if (d.materialType != 1) return;
    // A pile without an end section carries one 1.0E-7 short of the total
    // length: there is no enhanced end section to report, stickup or not.
    if (d.hasEndSection && embedded != d.endSectionLength) {
        out.line(Line().x(10).t("- LENGTH OF ENHANCED "));
        valueLine(out, "  END SECTION               =", d.endSectionLength, u.len);
        out.line(Line().x(10).t("- INTERNAL DIAMETER OF "));
        valueLine(out, "  ENHANCED END SECTION      =", d.endSectionInnerDiameter, u.dia);
    }
    out.empty(2);
    out.line(Line().x(10).t("PLUGGED/UNPLUGGED CONDITIONS : "));
    constexpr std::string_view plug[] = {"Internal Pile Plug Calculated by Program",
                                         "Plugged for open-ended pile",
                                         "Unplugged for open-ended pile"};
    out.line(Line().x(10).t(plug[d.plugCondition]));
}

void writeSoilTable(TextOut& out, const InputData& d, const UnitLabels& u) {
    out.empty(3);
    out.line(Line().x(10).t("SOIL INFORMATIONS :"));
    out.empty();
    out.line(Line().x(10).x(53));
    out.empty();
    out.line(Line().x(10).t("                  LATERAL    EFFECTIVE    FRICTION   BEARING"));
    out.line(Line().x(10).t("          SOIL    EARTH      UNIT         ANGLE      CAPACITY"));
    out.line(Line().x(10).t(" DEPTH    TYPE    PRESSURE   WEIGHT       DEGREES    FACTOR"));
    out.line(Line().x(10).x(2).a(u.len, 3).x(24).a(u.uw, 5));
    for (const SoilPoint& p : d.points)
        out.line(Line()
                     .x(10)
                     .f(p.depth, 7, 2)
                     .x(3)
                     .a(soilTypeName(p.type), 4)
                     .f(p.ko, 10, 2)
                     .f(p.unitWeight, 13, 2)
                     .f(p.frictionAngle, 13, 2)
                     .f(p.nq, 10, 2));
}

void writeStrengthTable(TextOut& out, const InputData& d, const UnitLabels& u) {
    out.empty(3);
    out.line(Line().x(10).t("MAXIMUM   MAXIMUM   UNDISTURB  REMOLDED "));
    out.line(Line().x(10).t("UNIT      UNIT      SHEAR      SHEAR     BLOW   UNIT SKIN  UNIT END"));
    out.line(Line().x(10).t("FRICTION  BEARING   STRENGTH   STRENGTH  COUNT  FRICTION   BEARING"));
    out.line(Line()
                 .x(10)
                 .x(2)
                 .a(u.stress, 3)
                 .x(7)
                 .a(u.stress, 3)
                 .x(8)
                 .a(u.stress, 3)
                 .x(7)
                 .a(u.stress, 3)
                 .x(15)
                 .a(u.stress, 3)
                 .x(7)
                 .a(u.stress, 3));
    const double userScale = d.english() ? 1000.0 : 1.0;
    bool anyMark = false;
    for (const SoilPoint& p : d.points) {
        anyMark = anyMark || p.unlimitedFriction || p.unlimitedBearing;
        out.line(Line()
                     .x(10)
                     .e(p.maxFriction, 8, 2)
                     .t(p.unlimitedFriction ? "*" : " ")
                     .e(p.maxEndBearing, 9, 2)
                     .t(p.unlimitedBearing ? "*" : " ")
                     .f(p.su, 11, 2)
                     .f(p.b4, 10, 2)
                     .f(p.b5, 7, 2)
                     .f(p.userFriction / userScale, 11, 2)
                     .f(p.userEndBearing / userScale, 10, 2));
    }
    if (anyMark) {
        out.empty();
        out.line(Line().x(10).t("* MAXIMUM UNIT FRICTION AND/OR MAXIMUM UNIT BEARING "));
        out.line(Line().x(10).t("  WERE SET TO BE 0.10E+08 BECAUSE THE USER DOES NOT "));
        out.line(Line().x(10).t("  PLAN TO LIMIT THE COMPUTED DATA."));
    }
}

void writeLrfdTable(TextOut& out, const InputData& d, const UnitLabels& u) {
    out.empty(3);
    out.line(Line().x(10).t("         LRFD FACTOR  LRFD FACTOR    "));
    out.line(Line().x(10).t("          ON UNIT      ON UNIT       "));
    out.line(Line().x(10).t(" DEPTH    FRICTION     BEARING   "));
    out.line(Line().x(10).x(2).a(u.len, 3));
    for (const SoilPoint& p : d.points)
        out.line(Line()
                     .x(10)
                     .f(p.depth, 7, 2)
                     .x(1)
                     .f(p.lrfdFriction, 8, 3)
                     .x(4)
                     .f(p.lrfdEndBearing, 8, 3));
}

void writeCptTable(TextOut& out, const InputData& d, const UnitLabels& u) {
    out.empty(2);
    out.line(Line().x(10).x(53));
    out.empty();
    out.line(Line().x(10).t("        PLASTIC    YIELD      Qc                             "));
    out.line(Line().x(10).t("         INDEX    STRESS     FROM                            "));
    out.line(Line().x(10).t(" DEPTH     PI      RATIO     CPT                             "));
    out.line(Line().x(10).x(2).a(u.len, 3).x(6).t("%").x(17).a(u.stress, 3));
    const double qcScale = d.english() ? 1000.0 : 1.0;
    for (const SoilPoint& p : d.points)
        out.line(Line()
                     .x(10)
                     .f(p.depth, 7, 2)
                     .x(1)
                     .f(p.plasticityIndex, 6, 2)
                     .x(3)
                     .f(p.b5, 6, 2)
                     .x(3)
                     .e(p.qc / qcScale, 10, 3));
}

} // namespace

std::string_view methodLine(int method) {
    return method >= 1 && method <= kMethodCount ? kMethodLines[method] : "";
}

double sectionArea(const InputData& d) {
    if (d.noncircularSection()) return d.tipAreaAsRead;
    const double od = d.outerDiameterAsRead;
    const double id = d.innerDiameterAsRead;
    const double quarterPi = 3.1416f * 0.25;
    double area = d.materialType == 1 ? quarterPi * (od * od - id * id) : quarterPi * od * od;
    if (!d.english()) area = area / 1000.0 / 1000.0;
    return area;
}

void writeInputEcho(TextOut& out, const InputData& d, const UnitLabels& u) {
    out.empty(3);
    out.line("1");
    out.line(Line().x(10).rep('*', 21));
    out.line(Line().x(10).t("* INPUT INFORMATION *"));
    out.line(Line().x(10).rep('*', 21));
    writeTitles(out, d);
    writeMethods(out, d, u);
    writeLoading(out, d);
    writePileType(out, d);
    writeStiffness(out, d, u);
    writeSection(out, d, u);
    writeSoilTable(out, d, u);
    writeStrengthTable(out, d, u);
    writeLrfdTable(out, d, u);
    writeCptTable(out, d, u);
}

} // namespace quvex::io
