// Hundreds of random but valid projects through the whole engine: every run
// must complete with finite, fitting numbers that behave physically, and give
// the same files when repeated.
#include "driver/run.hpp"
#include "plot_sections.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>

namespace quvex {
namespace {

class RandomProject {
public:
    explicit RandomProject(unsigned seed) : rng_(seed) {}

    double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng_); }
    int integer(int lo, int hi) { return std::uniform_int_distribution<>(lo, hi)(rng_); }
    bool chance(double p) { return uniform(0, 1) < p; }

    // The data file and, when the project has cone data, the CPT file.
    void write(std::string& data, std::string& cpt, bool& hasCpt, bool& tension) {
        const bool si = chance(0.5);
        const double lengthUnit = si ? 1000.0 : 12.0;
        const double od = si ? uniform(250, 2000) : uniform(10, 48);
        const int type = integer(1, 7);
        const bool square = type == 6 || (type == 3 && chance(0.5));
        const double perimeter = square ? 4.0 * od : 0.0;
        // A square section counts with the diameter of its perimeter.
        const double d = (square ? perimeter / 3.1416 : od) / lengthUnit;
        const double tipArea = square ? (si ? od * od / 1e6 : od * od) : 0.0;
        const double id = (type == 1 || type == 7) && chance(0.8) ? od * uniform(0.84, 0.97) : 0.0;
        const double embedded = uniform(5, si ? 60 : 200);
        const double stickup = chance(0.3) ? uniform(0, 0.2 * embedded) : 0.0;
        const double bottom = embedded + 2.0 * d + uniform(0.5, 20);
        const int segments = integer(20, 500);
        const double increment = bottom / (segments + 0.5);
        const bool taper = (type == 2 || type == 4 || type == 5 || type == 7) && chance(0.5);
        const double maxTaper = std::atan(0.4 * d / embedded) * 57.2958;
        tension = chance(0.3);

        std::ostringstream o;
        o.precision(10);
        o << "Random pile " << rng_() % 100000 << "\nSanity\nS-" << rng_() % 1000 << "\n";
        const int layers = integer(1, 40);
        o << (si ? 2 : 1) << " " << integer(1, 10) << " " << 2 * layers << " "
          << (chance(0.3) ? 1 : 0) << "\n";
        o << perimeter << " " << tipArea << " " << od << " " << id << " "
          << (si ? uniform(1e7, 2.1e8) : uniform(1e6, 3e7)) << " " << embedded + stickup << " "
          << stickup << "\n";
        if (id > 0 && chance(0.3))
            o << uniform(0.5, embedded) << " " << id * uniform(0.9, 1.0) << "\n";
        else
            o << "0 0\n";
        o << (chance(0.3) ? uniform(0, 0.3 * embedded) : 0.0) << " " << increment << " " << type
          << " " << (taper ? uniform(0, maxTaper) : 0.0) << " " << integer(1, 9) << " 1 "
          << (chance(0.3) ? 1 : 0) << "\n";
        for (int m = 0; m < 9; ++m)
            o << (chance(0.75) ? 1 : 0) << " ";
        o << "\n" << bottom << " " << (si ? uniform(0.01, 0.1) : uniform(10, 100)) << "\n";

        std::vector<double> cuts{0.0, bottom};
        for (int i = 1; i < layers; ++i)
            cuts.push_back(uniform(0, bottom));
        std::sort(cuts.begin(), cuts.end());
        for (int i = 0; i < layers; ++i)
            writeLayer(o, cuts[i], cuts[i + 1], si);

        if (chance(0.4)) {
            const int k = integer(1, 4);
            o << "1\n" << k << "\n";
            for (int i = 0; i < k; ++i)
                o << uniform(-5, bottom + 20) << "\n";
        } else {
            o << "0\n";
        }
        o << (tension ? 1 : 0) << " " << (tension ? uniform(0.6, 1.0) : 1.0) << "\n";
        o << integer(0, 1) << " " << integer(0, 2) << "\n";
        const int areaOption = integer(0, 2);
        const int rows = integer(2, 5);
        o << rows << " " << areaOption << "\n";
        for (int i = 0; i < rows; ++i)
            o << i * embedded / (rows - 1) << " " << (si ? uniform(0.01, 0.1) : uniform(10, 100))
              << "\n";
        o << integer(0, 2) << " " << uniform(1, bottom) << "\n";
        data = o.str();

        hasCpt = chance(0.5);
        std::ostringstream c;
        c.precision(10);
        if (hasCpt) {
            const int points = integer(10, 200);
            c << (si ? 2 : 1) << " " << points << "\n";
            for (int i = 0; i < points; ++i)
                c << bottom * i / points << " "
                  << (si ? uniform(300, 40000) : uniform(5000, 600000)) << "\n";
        }
        cpt = c.str();
    }

private:
    void writeLayer(std::ostringstream& o, double top, double bottom, bool si) {
        const int type = integer(1, 3);
        const double weight = chance(0.2) ? (si ? uniform(16, 20) : uniform(100, 125))
                                          : (si ? uniform(7, 11) : uniform(45, 70));
        const double phi = chance(0.2) ? 0.0 : uniform(25, 40);
        const double fmax = chance(0.5) ? 0.0 : (si ? uniform(50, 120) : uniform(1000, 2500));
        const double qmax =
            chance(0.5) ? 0.0 : (si ? uniform(2000, 12000) : uniform(40000, 250000));
        const double su = si ? uniform(10, 200) : uniform(200, 4000);
        const double qc = chance(0.2) ? 0.0 : (si ? uniform(300, 40000) : uniform(5000, 600000));
        const double f = chance(0.3) ? (si ? uniform(10, 100) : uniform(200, 2000)) : 0.0;
        const double q = chance(0.3) ? (si ? uniform(500, 5000) : uniform(10000, 100000)) : 0.0;
        const int blows = integer(0, 60);
        for (double z : {top, bottom}) {
            o << z << " " << type << " ";
            if (type == 1)
                o << uniform(0.5, 1.2) << " " << weight << " " << phi << " " << uniform(8, 50);
            else if (type == 2)
                o << "0 " << weight << " 0 0";
            else
                o << uniform(0.5, 1.2) << " " << weight << " " << phi << " 0";
            o << "\n" << fmax << " " << qmax << " ";
            if (type == 1)
                o << "0 " << blows << " 0 0 " << qc;
            else if (type == 2)
                o << su << " " << su * uniform(0.3, 0.8) << " " << uniform(1, 10) << " "
                  << uniform(5, 50) << " " << qc;
            else
                o << su << " " << blows << " 0 0 0";
            o << " " << f << " " << q << " " << uniform(0.5, 1) << " " << uniform(0.5, 1) << "\n";
        }
    }

    std::mt19937 rng_;
};

TEST(Sanity, RandomValidProjectsBehave) {
    RandomProject random(20141206);
    RunRequest request;
    request.files = {"/sanity/pile.qx6d", "/sanity/pile.qx6o", "/sanity/pile.qx6p",
                     "/sanity/pile.cpt"};
    request.when = {2014, 3, 5, 9, 7, 3};
    for (int project = 0; project < 300; ++project) {
        std::string data, cpt;
        bool hasCpt = false, tension = false;
        random.write(data, cpt, hasCpt, tension);
        request.files.cpt = hasCpt ? "/sanity/pile.cpt" : "";
        SCOPED_TRACE("project " + std::to_string(project) + ":\n" + data);
        std::ostringstream console;
        std::string report, plot, report2, plot2;
        const RunResult result =
            analyseTexts(request, data, hasCpt ? &cpt : nullptr, console, report, plot);
        ASSERT_EQ(result.status, 0) << result.failure;
        analyseTexts(request, data, hasCpt ? &cpt : nullptr, console, report2, plot2);
        ASSERT_EQ(report, report2);
        ASSERT_EQ(plot, plot2);

        for (const char* bad : {"nan", "inf", "NAN", "INF", "*"})
            ASSERT_EQ(plot.find(bad), std::string::npos) << "\"" << bad << "\" in the plot file";

        std::istringstream header(plot);
        int blocks = 0, rows = 0;
        header >> blocks >> rows;
        const test::PlotSections sections = test::plotSections(plot, rows);
        ASSERT_TRUE(sections.complete);
        const auto lines = test::plotLines(plot);
        for (int b = 0; b < blocks && !tension; ++b) {
            double previous = -1e300;
            for (int r = 0; r < rows; ++r) {
                const auto values = test::numbersOn(lines[1 + b * rows + r]);
                ASSERT_EQ(values.size(), 5u);
                // Skin friction never falls with penetration, to the printed digit.
                ASSERT_GE(values[1], previous - 0.05) << "block " << b << ", row " << r;
                previous = values[1];
            }
        }
        // The tip moves further at every row. Past the peak of a softening t-z
        // curve the top load may fall, and the top movement with it; while the
        // top load rises, the top must move further too.
        std::vector<double> previous;
        for (const std::string& line : sections.loadSettlement) {
            const auto values = test::numbersOn(line);
            ASSERT_EQ(values.size(), 4u);
            if (!previous.empty()) {
                ASSERT_GT(values[3], previous[3]) << "tip movement";
                if (values[0] >= previous[0]) {
                    ASSERT_GE(values[1], previous[1]) << "top movement";
                }
            }
            previous = values;
        }
    }
}

} // namespace
} // namespace quvex
