#include "settlement_report.hpp"

#include <string>

namespace quvex::settlement {
namespace {

using io::Line;

// Pounds to kips in English runs.
double forceOut(double load, bool english) {
    return english ? load / 1000 : load;
}

std::string_view movementLabel(bool english, const UnitLabels& labels) {
    return english ? std::string_view("IN.") : labels.len;
}

void writeCount(io::TextOut& plot, long long count) {
    plot.line(Line().t(" ").t(std::to_string(count)));
}

void writeTzHeading(io::TextOut& report, const CurveSetting& s, const UnitLabels& labels) {
    report.line(
        Line().x(8).t("T-Z CURVE   NO. OF   DEPTH TO CURVE   LOAD ").t("TRANSFER   PILE MOVEMENT"));
    report.line(Line()
                    .x(11)
                    .t("NO.")
                    .x(6)
                    .t("POINTS")
                    .x(8)
                    .a(labels.len, 3)
                    .x(14)
                    .a(labels.tz, 3)
                    .x(13)
                    .a(movementLabel(s.english, labels), 3));
    report.empty();
}

Line curveHeader(int number, double depth) {
    return Line().x(8).i(number, 5).i(kCurvePoints, 11).e(depth, 16, 4);
}

void writeCurvePoints(io::TextOut& out, const TzCurve& c) {
    for (int i = 0; i < kCurvePoints; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        out.line(Line().x(40).e(c.t[at], 17, 4).e(c.z[at], 16, 4));
    }
}

void writeBanner(io::TextOut& report, std::string_view first, std::string_view second) {
    report.empty(2);
    report.line(Line().x(16).rep('*', 49));
    report.line(Line().x(16).t(first));
    report.line(Line().x(16).t(second));
    report.line(Line().x(16).rep('*', 49));
    report.empty();
}

} // namespace

void writeClosingNotes(io::TextOut& report, bool tension) {
    report.empty(2);
    report.line(Line().x(12).t("NOTES:"));
    report.line(Line().x(12).t("- AN ASTERISK IS PLACED IN THE END-BEARING COLUMN"));
    report.line(Line().x(12).t("  IF THE TIP RESISTANCE IS CONTROLLED BY THE FRICTION"));
    report.line(Line().x(12).t("  OF SOIL PLUG INSIDE AN OPEN-ENDED PIPE PILE."));
    if (!tension) return;
    report.empty();
    report.line(Line().x(12).t("- A NEGATIVE SELF-WEIGHT VALUE IS DUE TO THE"));
    report.line(Line().x(12).t("  BOUYANCY EFFECT."));
}

void writeSettlementBanner(io::TextOut& report) {
    writeBanner(report, "* COMPUTE LOAD-DISTRIBUTION AND LOAD-SETTLEMENT *",
                "* CURVES FOR AXIAL LOADING                      *");
}

void writeTzCurves(io::TextOut& report, io::TextOut& plot, const std::vector<TzCurve>& curves,
                   const CurveSetting& s, const UnitLabels& labels) {
    writeTzHeading(report, s, labels);
    io::TextOut section;
    int number = 0;
    const double a = stickupOffset(s);
    for (const TzCurve& c : curves) {
        // Curves in the stickup stand above the ground and are not shown.
        if (c.depth - a < 0.0) continue;
        ++number;
        const Line header = curveHeader(number, depthBelowGround(c.depth, s));
        report.line(header);
        section.line(header);
        writeCurvePoints(report, c);
        writeCurvePoints(section, c);
    }
    writeCount(plot, number);
    plot.text() += section.text();
}

void writeTipCurve(io::TextOut& report, const TipCurve& tip, const CurveSetting& s,
                   const UnitLabels& labels) {
    report.empty(3);
    report.line(Line().x(8).t("TIP   LOAD").x(8).t("TIP MOVEMENT"));
    report.line(Line().x(12).a(labels.force, 3).x(15).a(movementLabel(s.english, labels), 3));
    report.empty();
    for (int i = 0; i < kCurvePoints; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        report.line(Line().e(forceOut(tip.q[at], s.english), 18, 4).e(tip.w[at], 19, 4));
    }
}

void writeLoadDistribution(io::TextOut& plot, const std::vector<SettlementRow>& rows,
                           bool english) {
    for (const SettlementRow& row : rows)
        for (const SegmentState& seg : row.segments)
            plot.line(Line()
                          .x(3)
                          .e(english ? seg.depth / 12 : seg.depth, 10, 3)
                          .x(3)
                          .e(forceOut(seg.load, english), 10, 3)
                          .x(3)
                          .e(seg.movement, 10, 3));
}

void writeLoadSettlement(io::TextOut& report, io::TextOut& plot,
                         const std::vector<SettlementRow>& rows, bool english,
                         const UnitLabels& labels) {
    report.empty(3);
    report.line(Line().x(22).t("LOAD VERSUS SETTLEMENT CURVE"));
    report.line(Line().x(22).rep('*', 28));
    report.empty(3);
    report.line(
        Line().x(8).t("TOP  LOAD     TOP MOVEMENT       TIP  LOAD ").x(5).t("TIP MOVEMENT"));
    const std::string_view movement = movementLabel(english, labels);
    report.line(Line()
                    .x(11)
                    .a(labels.force, 3)
                    .x(13)
                    .a(movement, 3)
                    .x(14)
                    .a(labels.force, 3)
                    .x(12)
                    .a(movement, 3));
    for (const SettlementRow& row : rows) {
        const Line line = Line()
                              .e(forceOut(row.topLoad, english), 17, 4)
                              .e(row.topMovement, 16, 4)
                              .e(forceOut(row.tipLoad, english), 16, 4)
                              .e(row.tipMovement, 16, 4);
        report.line(line);
        plot.line(line);
    }
}

void writeVerificationCurves(io::TextOut& report, io::TextOut& plot,
                             const std::vector<VerificationCurve>& curves, const CurveSetting& s,
                             const UnitLabels& labels) {
    writeBanner(report, "* COMPUTE INTERNALLY-GENERATED LOAD-TRANSFER    *",
                "* (t-z) CURVES FOR VERIFICATION                 *");
    writeTzHeading(report, s, labels);
    io::TextOut section;
    int inRange = 0;
    for (const VerificationCurve& v : curves) {
        const Line header = curveHeader(v.number, v.listedDepth);
        report.line(header);
        if (!v.inRange) {
            report.line(Line().x(15).t("CURVE NOT PRINTED SINCE DEPTH OUTSIDE SOIL RANGE"));
            continue;
        }
        ++inRange;
        section.line(header);
        writeCurvePoints(report, v.curve);
        writeCurvePoints(section, v.curve);
    }
    writeCount(plot, inRange);
    plot.text() += section.text();
}

} // namespace quvex::settlement
