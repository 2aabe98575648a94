#include "GwiExport.hpp"

#include "TextOut.hpp"

namespace quvex {
namespace {

std::string E2(double v) {
    return FormatExp(v, 3, 2);
}
std::string E1(double v) {
    return FormatExp(v, 3, 1);
}

// The title cut to its first 40 characters or padded with blanks to 40.
std::string Title40(const std::string& title) {
    std::string t = title.substr(0, 40);
    t.resize(40, ' ');
    return t;
}

double UnitWeight(int material, bool english) {
    switch (material) {
    case 3:
        return english ? 150.0 : 23.56;
    case 2:
        return english ? 50.0 : 7.9;
    default:
        return english ? 492.0 : 77.28;
    }
}

} // namespace

std::vector<int> GwiTablePoints(int n) {
    std::vector<int> points;
    if (n < 100) {
        for (int k = 1; k <= n; ++k)
            points.push_back(k);
        return points;
    }
    const int s = n / 100 + 1;
    const int m = n / s;
    for (int i = 0; i < m; ++i)
        points.push_back(1 + i * s);
    if (points.back() != n) points.push_back(n);
    return points;
}

std::string GwiFileText(TProject& project) {
    TProgramData& p = project.Data();
    const int n = std::min(p.ResultCount, kMaxResultPoints);
    if (n < 1) throw EGwiError("There are no results of the governing method to export.");
    const bool english = p.UnitSystem == 1;
    const double lp = p.ResultDepth[static_cast<std::size_t>(n - 1)];

    std::string t;
    auto line = [&t](const std::string& s) { t += s + "\n"; };
    std::string first = Title40(p.Title);
    first.append("  VER. 2000").append(english ? " 1 0" : " 0 0");
    line(first);
    line("-100   0   1   0   1   0   0   0   0   3   0   0   0   0   0   0   0   0     0.000");
    line(english ? "   32.1700   32.1700" : "    9.8100    9.8100");
    line("      0.00      0.00      0.00    0.0000    0.0000    0.0100      0.00");
    line("   3600.00    207.00    0.0000    0.5000    3.0000         0");

    double area = (p.OuterDiameter * p.OuterDiameter - p.InnerDiameter * p.InnerDiameter) * 0.7854;
    if (!english) area /= 100; // mm^2 to cm^2
    if (p.CircularSection) p.Perimeter = p.OuterDiameter * 3.1416;
    const double perimeter = p.Perimeter / (english ? 12.0 : 1000.0);
    line(std::string("  ") + E2(lp) + "  " + E2(area) + "  " + E2(p.ElasticModulus / 1000) + "  " +
         E2(UnitWeight(p.MaterialType, english)) + "  " + E2(perimeter) +
         "     4.000     1.000     0.010");
    for (int i = 0; i < 2; ++i)
        line("     0.000     0.000       0.0    0.0000    0.0000     0.000     0.000     0.000");
    for (int i = 0; i < 2; ++i)
        line("    0.0000    0.0000    0.0000    0.0000");

    // Soil values of each result point from the layer that holds it; the
    // layer pointer moves at most one layer per point.
    std::vector<double> a(static_cast<std::size_t>(n)), b(static_cast<std::size_t>(n));
    int layer = 0;
    const int layers = project.LayerCount();
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (layer < layers - 1 && p.ResultDepth[i] > project.LayerBottom(layer)) ++layer;
        const bool sand = layers > 0 && project.SoilType(layer) == stSand;
        a[i] = sand ? (english ? 0.05 : 0.16) : (english ? 0.2 : 0.65);
        b[i] = sand ? 1.2 : 2.0;
    }
    const std::vector<int> points = GwiTablePoints(n);
    const std::size_t regular =
        n < 100 ? points.size() : static_cast<std::size_t>(n / (n / 100 + 1));
    for (std::size_t w = 0; w < points.size(); ++w) {
        const auto i = static_cast<std::size_t>(points[w] - 1);
        // The closing point n of a thinned table keeps the soil values of
        // the point written before it.
        const bool closing = w > 0 && w == regular;
        const auto soil = closing ? static_cast<std::size_t>(points[w - 1] - 1) : i;
        line(std::string(" ") + E1(p.ResultDepth[i]) + " " + E1(p.ResultUnitSkin[i]) + " " +
             E1(p.ResultTip[i]) + (english ? "   0.100   0.100   " : "   2.540   2.500   ") +
             E1(a[soil]) + "   0.150   " + E1(b[soil]) +
             (english ? "    6.56    1.00" : "    1.50    1.00"));
    }
    line("  1.0000  0.9000  0.8000  0.7000  0.6000  0.5000  0.0000  0.0000  0.0000  0.0000");
    line("  1.0000  1.0000  1.0000  1.0000  1.0000  0.0000  0.0000  0.0000  0.0000  0.0000");
    for (double f : {0.25, 0.5, 0.75, 1.0})
        line(std::string("  ") + E2(lp * f) +
             "      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000");
    line("      0.00      0.00      0.00     0.000      0.00    0.0000    0.0000    0.0000");
    return t;
}

void WriteGwiFile(TProject& project) {
    const std::string text = GwiFileText(project);
    TProgramData& p = project.Data();
    const std::string path = ChangeFileExt(p.DataFileName, ".gwi");
    TAtomicTextFile file(path);
    file.Text() = text;
    file.Commit();
    p.GwiFileName = path;
}

} // namespace quvex
