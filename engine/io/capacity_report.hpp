// The capacity table of each method in the report, paired with its block of
// the plot data file.
#pragma once

#include "fixed_format.hpp"

#include "../driver/unit_labels.hpp"

#include <string_view>
#include <vector>

namespace quvex::io {

// Methods in the order their tables appear.
enum class ReportMethod { General, Fhwa, Usace, Lambda, Api, Ngi, Icp, Fugro, Uwa };

// A method's capacity over depth points 0 .. n (the report's increments 1 .. n + 1).
// Empty columns print as zeros.
struct CapacityColumns {
    const std::vector<double>* friction = nullptr; // total skin friction
    const std::vector<double>* tip = nullptr;      // end bearing or self weight
    const std::vector<double>* ultimate = nullptr;
    const std::vector<int>* plug = nullptr; // 2 marks a tip controlled by the soil plug
    const std::vector<double>* unitFriction = nullptr;
};

struct TableLayout {
    int incrementCount = 1; // n increments at penetrations (k - 1)·Δz
    long long printInterval = 1;
    double increment = 1.0;
    bool tension = false;
};

// Increments printed in a table: 1, 1 + p, ... up to n, then n itself when the
// last of those is not n and `withLast` is set.
std::vector<int> printedIncrements(int n, long long p, bool withLast);

// Rows per method block of the plot data file.
int plotRowsPerBlock(int n, long long p);

void writePlotHeader(TextOut& plot, int blocks, int rows, int unitSystem, int method);

// Heading, column headings and rows of the method's table in the report.
void writeCapacityTable(TextOut& report, ReportMethod m, const CapacityColumns& c,
                        const TableLayout& layout, const UnitLabels& labels);
// The method's block in the plot data file.
void writePlotBlock(TextOut& plot, const CapacityColumns& c, const TableLayout& layout);

} // namespace quvex::io
