#include "run_fixture.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

namespace quvex {
namespace {

using test::Project;
using ::testing::HasSubstr;
using ::testing::Not;

// Header and input echo of two projects checked line by line against reports
// whose every number was worked out by hand.
class GoldenReport : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenReport, HeaderAndEchoMatch) {
    const std::string name = GetParam();
    const std::string fixtures = QUVEX_FIXTURES;
    const std::string dir = test::freshFolder("golden-" + name);
    RunRequest request;
    request.files = {fixtures + "/" + name + ".qx6d", dir + "/" + name + ".qx6o",
                     dir + "/" + name + ".qx6p", ""};
    request.when = test::fixedTime();
    std::ostringstream console;
    ASSERT_EQ(runAnalysis(request, console).status, 0);
    std::string report = test::readFile(request.files.report);
    report = std::regex_replace(report, std::regex("(Path to file locations      : ).*\n"),
                                "$1<FIXTURES>/\n");
    // The results themselves are checked elsewhere.
    const std::string heading = "* COMPUTATION RESULT *\n          **********************\n";
    report = report.substr(0, report.find(heading) + heading.size());
    EXPECT_EQ(report, test::readFile(fixtures + "/" + name + ".golden.qx6o"));
}

INSTANTIATE_TEST_SUITE_P(Echo, GoldenReport, ::testing::Values("echo-english", "echo-si"));

struct EchoCase {
    const char* what;
    void (*change)(Project&);
    const char* expected;   // must stand in the report
    const char* unexpected; // must not (may be empty)
};

const EchoCase kEchoCases[] = {
    {"S.I. pipe area from the section",
     [](Project& p) {
         p.units = 2;
         p.od = 610;
         p.id = 584;
         p.modulus = 2e8;
         p.totalLength = 20;
     },
     "          - CROSS SECTION AREA        =      0.02 M2 \n", ""},
    {"constant area",
     [](Project& p) {
         p.areaOption = 1;
         p.constantArea = 40.5;
     },
     "          - CROSS SECTION AREA        =     40.50 IN2\n", ""},
    {"timber area uses the whole section",
     [](Project& p) {
         p.materialType = 2;
         p.od = 12;
         p.id = 0;
     },
     "          - CROSS SECTION AREA        =    113.10 IN2\n", "INTERNAL DIAMETER"},
    {"H-pile is noncircular with its tip area",
     [](Project& p) {
         p.materialType = 6;
         p.perimeter = 60;
         p.tipArea = 15.5;
     },
     "          NONCIRCULAR PILE PROPERTIES : \n\n"
     "          - TOTAL PILE LENGTH, TL     =     50.00 FT.\n"
     "          - PILE STICKUP LENGTH, PSL  =      0.00 FT.\n"
     "          - ZERO FRICTION LENGTH, ZFL =      0.00 FT.\n"
     "          - PERIMETER OF PILE         =     60.00 IN.\n"
     "          - TIP AREA OF PILE          =     15.50 IN2\n"
     "          - INCREMENT OF PILE LENGTH\n"
     "            USED IN COMPUTATION       =      1.00 FT.\n",
     "PLUGGED/UNPLUGGED"},
    {"square concrete pile",
     [](Project& p) {
         p.materialType = 3;
         p.perimeter = 48;
         p.tipArea = 144;
     },
     "          Precast concrete pile (Square/Rectangular/Orthogonal)\n",
     "          CIRCULAR PILE PROPERTIES"},
    {"round concrete pile", [](Project& p) { p.materialType = 3; },
     "          Precast concrete pile (Circular/Tubular)\n", "PLUGGED/UNPLUGGED"},
    {"taper angle with API",
     [](Project& p) {
         p.materialType = 5;
         p.taper = 0.75;
     },
     "          Raymond Uniform taper pile\n"
     "          Angle of taper for a tapered pile  (degrees) =      0.75\n",
     ""},
    {"no taper line without API",
     [](Project& p) {
         p.materialType = 7;
         p.taper = 0.75;
         p.flags[3] = 0;
         p.flags[0] = 1;
     },
     "          Tapered portion of Monotube pile\n", "Angle of taper"},
    {"closed steel pipe", [](Project& p) { p.closedEnd = 1; },
     "          Steel pipe pile or non-tapered portion of monotube pile\n          - Close-Ended "
     "Pile\n",
     ""},
    {"critical depth by density", [](Project& p) { p.flags[1] = 1; },
     "          - USACE (U.S. Army Corps of Engineers)\n"
     "            # Critical Depth Method for Sand:\n"
     "              10 to 20 Pile Diameter based on the Density\n",
     ""},
    {"critical depth at 3,500 psf",
     [](Project& p) {
         p.flags[1] = 1;
         p.criticalOption = 1;
         p.criticalDepth = 30;
     },
     "              At Effective Stress Reaching 3,500 psf (185 kPa)\n", "User-Specified"},
    {"tension without API has no factor line",
     [](Project& p) {
         p.loadDirection = 1;
         p.flags[3] = 0;
         p.flags[4] = 1;
     },
     "          - TENSION  \n\n\n", "REDUCTION FACTOR"},
    {"no note when every limit is given",
     [](Project& p) {
         p.layers[0].b[0] = 1000;
         p.layers[0].b[1] = 40000;
     },
     "          0.10E+01  0.40E+02        1.00", "WERE SET TO BE"},
    {"enhanced end section below a stickup",
     [](Project& p) {
         p.stickup = 5;
         p.endSectionLength = 8;
         p.endSectionId = 21;
     },
     "          - LENGTH OF ENHANCED \n            END SECTION               =      8.00 FT.\n",
     ""},
    {"no end section shown for a stickup alone", [](Project& p) { p.stickup = 5; },
     "          PLUGGED/UNPLUGGED CONDITIONS : \n          Internal Pile Plug Calculated by "
     "Program\n",
     "ENHANCED"},
    {"overflowing value", [](Project& p) { p.zeroFriction = 12345678; },
     "          - ZERO FRICTION LENGTH, ZFL =********** FT.\n", ""},
};

TEST(InputEcho, SectionsFollowThePileAndTheOptions) {
    for (const EchoCase& c : kEchoCases) {
        Project p;
        c.change(p);
        const auto out = test::runProject("echo", p);
        EXPECT_EQ(out.result.status, 0) << c.what << ": " << out.result.failure;
        EXPECT_THAT(out.report, HasSubstr(c.expected)) << c.what;
        if (*c.unexpected) {
            EXPECT_THAT(out.report, Not(HasSubstr(c.unexpected))) << c.what;
        }
    }
}

TEST(ReportHeader, FileNamesAndDate) {
    const auto out = test::runProject("header", Project());
    EXPECT_THAT(out.report, HasSubstr("     Path to file locations      : /tmp/"));
    EXPECT_THAT(out.report, HasSubstr("/\n     Name of input data file     : pile.qx6d\n"
                                      "     Name of output file         : pile.qx6o\n"
                                      "     Name of plot output file    : pile.qx6p\n\n"));
    EXPECT_THAT(out.report,
                HasSubstr("\n               Date:  March 05, 2014     Time:  09:07:03\n"));
}

} // namespace
} // namespace quvex
