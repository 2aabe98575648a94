#include "capacity_report.hpp"

namespace quvex::io {
namespace {

struct Heading {
    int indent;
    int stars;
    std::string_view title;
    bool lastRowInReport;
};

constexpr Heading kHeadings[] = {
    {29, 18, "* GENERAL METHOD *", true},
    {28, 22, "*  FED. HWY. METHOD  *", false},
    {28, 22, "* ARMY CORPS METHOD  *", false},
    {28, 22, "*  LAMBDA 2 METHOD   *", false},
    {28, 22, "*  API RP-2A (1994)  *", true},
    {10, 52, "*  NORWEIGIAN GEOTECHNICAL INSTITUTE (NGI) METHOD  *", true},
    {20, 35, "*  IMPERIAL COLLEGE (MTD) METHOD  *", true},
    {20, 35, "*    FUGRO 2004 (FUGRO) METHOD    *", true},
    {13, 45, "*  UNIV. OF WESTERN AUSTRALIA (UWA) METHOD  *", true},
};

double valueAt(const std::vector<double>* column, int point) {
    if (!column || point >= static_cast<int>(column->size())) return 0.0;
    return (*column)[static_cast<std::size_t>(point)];
}

bool pluggedAt(const CapacityColumns& c, int point) {
    return c.plug && point < static_cast<int>(c.plug->size()) &&
           (*c.plug)[static_cast<std::size_t>(point)] == 2;
}

} // namespace

std::vector<int> printedIncrements(int n, long long p, bool withLast) {
    std::vector<int> rows;
    for (long long k = 1; k <= n; k += p)
        rows.push_back(static_cast<int>(k));
    if (withLast && !rows.empty() && rows.back() != n) rows.push_back(n);
    return rows;
}

int plotRowsPerBlock(int n, long long p) {
    return static_cast<int>(printedIncrements(n, p, true).size());
}

void writePlotHeader(TextOut& plot, int blocks, int rows, int unitSystem, int method) {
    plot.line(Line()
                  .t(" ")
                  .t(std::to_string(blocks))
                  .t(" ")
                  .t(std::to_string(rows))
                  .t(" ")
                  .t(std::to_string(unitSystem))
                  .t(" ")
                  .t(std::to_string(method)));
}

void writeCapacityTable(TextOut& out, ReportMethod m, const CapacityColumns& c,
                        const TableLayout& layout, const UnitLabels& u) {
    const Heading& h = kHeadings[static_cast<int>(m)];
    out.empty(3);
    out.line(Line().x(h.indent).rep('*', h.stars));
    out.line(Line().x(h.indent).t(h.title));
    out.line(Line().x(h.indent).rep('*', h.stars));
    out.empty();
    if (layout.tension && m != ReportMethod::General) {
        out.line(Line().x(10).t("   PILE       TOTAL SKIN       SELF      ULTIMATE"));
        out.line(Line().x(10).t("PENETRATION   FRICTION        WEIGHT     CAPACITY"));
    } else {
        out.line(Line().x(10).t("   PILE       TOTAL SKIN       END       ULTIMATE"));
        out.line(Line().x(10).t("PENETRATION   FRICTION       BEARING     CAPACITY"));
    }
    out.line(
        Line().x(10).x(4).a(u.len, 3).x(10).a(u.force, 3).x(11).a(u.force, 3).x(10).a(u.force, 3));
    const bool marks = m != ReportMethod::General;
    for (int k :
         printedIncrements(layout.incrementCount, layout.printInterval, h.lastRowInReport)) {
        const int point = k - 1;
        out.line(Line()
                     .x(11)
                     .f(point * layout.increment, 7, 2)
                     .x(6)
                     .f(valueAt(c.friction, point), 8, 1)
                     .x(6)
                     .f(valueAt(c.tip, point), 8, 1)
                     .t(marks && pluggedAt(c, point) ? "*   " : "    ")
                     .f(valueAt(c.ultimate, point), 9, 1));
    }
}

void writePlotBlock(TextOut& plot, const CapacityColumns& c, const TableLayout& layout) {
    for (int k : printedIncrements(layout.incrementCount, layout.printInterval, true)) {
        const int point = k - 1;
        plot.line(Line()
                      .x(2)
                      .f(point * layout.increment, 7, 2)
                      .x(2)
                      .f(valueAt(c.friction, point), 8, 1)
                      .x(2)
                      .f(valueAt(c.tip, point), 8, 1)
                      .x(2)
                      .f(valueAt(c.ultimate, point), 9, 1)
                      .x(2)
                      .f(valueAt(c.unitFriction, point), 9, 3));
    }
}

} // namespace quvex::io
