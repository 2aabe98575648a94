#include "driver/segments.hpp"
#include "run_fixture.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

namespace quvex {
namespace {

using test::Project;
using test::runProject;
using ::testing::HasSubstr;
using ::testing::Not;

// A pile of 50 ft in one clay layer; OD 24 in asks for soil to 50 + 2 * 24 / 12 = 54 ft.
Project clayProject(double profileBottom) {
    Project p;
    p.profileBottom = profileBottom;
    p.layers = {test::Layer{0.0, profileBottom}};
    return p;
}

TEST(RequiredDepth, ProfileBottomExactlyAtTheRequiredDepthProceeds) {
    const auto out = runProject("depth-exact", clayProject(54.0));
    EXPECT_EQ(out.result.status, 0) << out.result.failure;
    EXPECT_THAT(out.report, HasSubstr("* COMPUTATION RESULT *"));
    EXPECT_THAT(out.console, HasSubstr("\n\n         COMPUTATION IS PROCEEDING........\n"));
}

TEST(RequiredDepth, ProfileBottomShortOfTheRequiredDepthStops) {
    const auto out = runProject("depth-short", clayProject(53.99));
    EXPECT_EQ(out.result.status, 1);
    EXPECT_THAT(out.report,
                HasSubstr("\n\n\n          COMPUTATION DOES NOT PROCEED BECAUSE THE DEEPEST SOIL "
                          "PROFILE   53.99 FT.\n          IS LESS THAN PILE EMBEDDED LENGTH PLUS "
                          "TWO TIMES THE PILE DIAMETER      54.00 FT.\n"));
    EXPECT_THAT(out.report, Not(HasSubstr("INPUT INFORMATION")));
    EXPECT_TRUE(out.plotExists);
    EXPECT_EQ(out.plot, "");
}

TEST(RequiredDepth, StickupAndSIDiameterEnterTheRequiredDepth) {
    // 30 m pile with 2 m stickup and OD 610 mm: 28 + 2 * 0.61 = 29.22 m.
    Project p = clayProject(29.21);
    p.units = 2;
    p.od = 610;
    p.id = 584;
    p.totalLength = 30;
    p.stickup = 2;
    p.modulus = 2e8;
    const auto out = runProject("depth-si", p);
    EXPECT_EQ(out.result.status, 1);
    EXPECT_THAT(out.report, HasSubstr("PROFILE   29.21 M. \n"));
    EXPECT_THAT(out.report, HasSubstr("DIAMETER      29.22 M. \n"));
}

TEST(RequiredDepth, LastSoilPointShallowerThanRequiredWarnsOnTheConsoleOnly) {
    Project p = clayProject(60.0);
    p.layers = {test::Layer{0.0, 50.0}};
    const auto out = runProject("depth-points", p);
    EXPECT_EQ(out.result.status, 0);
    EXPECT_THAT(
        out.console,
        HasSubstr("\n\n\n          COMPUTATION DOES NOT PROCEED BECAUSE NO SOIL INFORMATION\n"
                  "          WAS PROVIDED AT THE DEPTH      54.00 FT.\n"
                  "          PLEASE NOTE THAT SOIL SHOULD EXTEND AT LEAST THE \n"
                  "           PILE LENGTH PLUS TWO PILE DIAMETERS\n"));
    EXPECT_THAT(out.report, Not(HasSubstr("NO SOIL")));
}

TEST(Segments, CountTruncatesWithASmallAllowance) {
    EXPECT_EQ(segmentCountFor(100.0, 0.2), 500.0);
    EXPECT_EQ(segmentCountFor(100.0, 0.19), 526.0);
    EXPECT_EQ(segmentCountFor(10.0, 1.0 / 3.0), 30.0);
    EXPECT_EQ(segmentCountFor(0.3, 0.1), 3.0); // 0.3 / 0.1 is 2.9999999999999996
    EXPECT_EQ(incrementCountFor(50.0, 1.0), 51);
    EXPECT_EQ(incrementCountFor(0.3, 0.1), 4);
}

struct TooMany {
    double bottom;
    double increment;
    const char* count;
};

TEST(Segments, MoreThan500StopTheRunWithTheCount) {
    const TooMany cases[] = {{100.0, 0.19, " 526"}, {1234.0, 1.0, "1234"}, {12345.0, 1.0, "****"}};
    for (const TooMany& c : cases) {
        Project p = clayProject(c.bottom);
        p.increment = c.increment;
        const auto out = runProject("segments", p);
        const std::string message = std::string("\n\n YOUR NUMBERS OF SEGMENT ") + c.count +
                                    " IS LARGER THAN\n DEFAULT VALUE 500. YOU MIGHT WANT TO "
                                    "CHANGE THE LENGTH OF \n SEGMENT OR CONSULT ORVANE, INC. FOR "
                                    "CHANGING THE DEFAULT VALUE\n";
        EXPECT_EQ(out.result.status, 1) << c.count;
        EXPECT_THAT(out.report, HasSubstr("* COMPUTATION RESULT *"));
        EXPECT_THAT(out.report, HasSubstr(message));
        EXPECT_THAT(out.console, HasSubstr(message));
        EXPECT_EQ(out.plot, "");
    }
}

TEST(Segments, AnIncrementLongerThanTheProfileStops) {
    Project p = clayProject(60.0);
    p.increment = 61.0; // the 50 ft pile has one increment, the profile no segment
    const auto out = runProject("segments-none", p);
    EXPECT_EQ(out.result.status, 1);
    EXPECT_THAT(out.report, HasSubstr("\n\n\n          COMPUTATION DOES NOT PROCEED BECAUSE THE "
                                      "INCREMENT OF PILE LENGTH      61.00 FT.\n"
                                      "          IS LONGER THAN THE DEEPEST SOIL PROFILE      "
                                      "60.00 FT.\n"));
    EXPECT_EQ(out.plot, "");
}

TEST(Segments, Exactly500Proceed) {
    Project p = clayProject(100.0);
    p.increment = 0.2;
    const auto out = runProject("segments-500", p);
    EXPECT_EQ(out.result.status, 0) << out.result.failure;
    EXPECT_THAT(out.report, Not(HasSubstr("YOUR NUMBERS OF SEGMENT")));
}

std::vector<io::SoilPoint> pointsAt(std::initializer_list<double> depths) {
    std::vector<io::SoilPoint> points;
    for (double d : depths)
        points.push_back(io::SoilPoint{.depth = d});
    return points;
}

TEST(Segments, SoilPointsSnapToTheIncrement) {
    auto a = pointsAt({0.0, 10.3, 10.6});
    snapSoilPoints(a, 1.0);
    EXPECT_DOUBLE_EQ(a[1].depth, 10.3); // 10.3 apart: stays
    EXPECT_DOUBLE_EQ(a[2].depth, 10.3); // 0.3 < 0.5: merges with the point above

    auto b = pointsAt({0.0, 10.0, 10.7});
    snapSoilPoints(b, 1.0);
    EXPECT_DOUBLE_EQ(b[2].depth, 11.0); // 0.7 < 1: one increment below

    // Each pair uses the point above as already moved.
    auto c = pointsAt({0.0, 0.6, 1.2, 1.3});
    snapSoilPoints(c, 1.0);
    EXPECT_DOUBLE_EQ(c[1].depth, 1.0);
    EXPECT_DOUBLE_EQ(c[2].depth, 1.0);
    EXPECT_DOUBLE_EQ(c[3].depth, 1.0);
}

// Replaces line `number` (1-based) of a project's text; an empty replacement with
// `cut` set ends the file before that line.
std::string withLine(const std::string& text, int number, const std::string& replacement,
                     bool cut = false) {
    std::istringstream in(text);
    std::string out, line;
    for (int n = 1; std::getline(in, line); ++n) {
        if (n == number) {
            if (cut) break;
            line = replacement;
        }
        out += line + "\n";
    }
    return out;
}

struct BadInput {
    const char* what;
    int line;            // line to change
    const char* newText; // its new text; nullptr ends the file before it
    int reportedLine;
    const char* message;
};

// Lines of the test project: 1-3 titles, 4-9 records 4-9, 10-13 the two soil
// points, 14 record 11, 15 record 12, 16 record 13, 17 record 14, 18-19 its rows,
// 20 record 15.
TEST(BadDataFile, IsRefusedWithTheLineAndAnEmptyPlotFile) {
    const BadInput cases[] = {
        {"end of file inside a record", 13, nullptr, 12,
         "record 10, soil point 2, record B: the file ends before maximum unit side friction"},
        {"end of file before the last record", 20, nullptr, 19,
         "record 15: the file ends before CriticalDepthOption"},
        {"too few values in the last record", 20, "0", 20,
         "record 15: the file ends before CriticalDepth"},
        {"real for an integer", 4, "1 1.5 2 0", 4,
         "record 4: PrintInterval must be a whole number, found \"1.5\""},
        {"garbage", 5, "0 0 24 23 abc 50 0", 5,
         "record 5: ElasticModulus must be a number, found \"abc\""},
        {"zero increment", 7, "0 0 1 0 4 1 0", 7,
         "record 7: Increment must be greater than 0, found 0"},
        {"negative increment", 7, "0 -1 1 0 4 1 0", 7,
         "record 7: Increment must be greater than 0, found -1"},
        {"zero print interval", 4, "1 0 2 0", 4,
         "record 4: PrintInterval must be 1 or more, found 0"},
        {"zero diameter of a circular pile", 5, "0 0 0 0 29000000 50 0", 5,
         "record 5: OuterDiameter of a circular pile must be greater than 0, found 0"},
        {"zero pile length", 5, "0 0 24 23 29000000 0 0", 5,
         "record 5: TotalLength must be greater than 0, found 0"},
        {"negative stickup", 5, "0 0 24 23 29000000 50 -2", 5,
         "record 5: StickupLength must not be negative, found -2"},
        {"stickup longer than the pile", 5, "0 0 24 23 29000000 50 51", 5,
         "record 5: StickupLength 51 is longer than TotalLength 50"},
        {"negative modulus", 5, "0 0 24 23 -5 50 0", 5,
         "record 5: ElasticModulus must be greater than 0, found -5"},
        {"negative row count", 17, "-2 0", 17,
         "record 14: row count must not be negative, found -2"},
        {"negative point count", 4, "1 1 -2 0", 4,
         "record 4: soil point count must not be negative, found -2"},
        {"a single soil point", 4, "1 1 1 0", 4,
         "record 4: the soil profile needs at least one layer (two soil points)"},
        {"decreasing depth", 12, "-5 2 0 50 0 0", 12,
         "record 10, soil point 2, record A: depth -5 is above the depth 0"},
        {"unknown method", 7, "0 1 1 0 10 1 0", 7, "record 7: Method must be 1 to 9, found 10"},
        {"unknown soil type", 10, "0 4 0 50 0 0", 10,
         "record 10, soil point 1, record A: soil type must be 1 (sand), 2 (clay) or 3"},
        {"taper that closes the pile", 7, "0 1 2 1.5 4 1 0", 7,
         "record 7: TaperAngle 1.5 narrows the pile to nothing above its tip"},
        {"negative critical depth", 20, "2 -3", 20,
         "record 15: CriticalDepth must not be negative, found -3"},
        {"method flag neither 0 nor 1", 8, "0 0 0 2 0 0 0 0 0", 8,
         "record 8: MethodSelected 4 must be 0 to 1, found 2"},
    };
    const std::string good = clayProject(60.0).text();
    for (const BadInput& c : cases) {
        const std::string text =
            withLine(good, c.line, c.newText ? c.newText : "", c.newText == nullptr);
        const auto out = test::runText("bad-input", text);
        EXPECT_EQ(out.result.status, 1) << c.what;
        const std::string where = "line " + std::to_string(c.reportedLine) + ", ";
        EXPECT_THAT(out.report, HasSubstr(where + c.message)) << c.what;
        EXPECT_THAT(out.report, HasSubstr("/pile.qx6d\n")) << c.what;
        EXPECT_THAT(out.report, HasSubstr("Time and Date of Analysis")) << c.what;
        EXPECT_THAT(out.report, Not(HasSubstr("INPUT INFORMATION"))) << c.what;
        EXPECT_THAT(out.result.failure,
                    HasSubstr("pile.qx6d, line " + std::to_string(c.reportedLine)))
            << c.what;
        EXPECT_TRUE(out.plotExists) << c.what;
        EXPECT_EQ(out.plot, "") << c.what;
    }
}

TEST(BadDataFile, MissingFileIsNamed) {
    const std::string dir = test::freshFolder("missing");
    RunRequest request;
    request.files = {dir + "/none.qx6d", dir + "/none.qx6o", dir + "/none.qx6p", ""};
    std::ostringstream console;
    const RunResult result = runAnalysis(request, console);
    EXPECT_EQ(result.status, 1);
    const std::string report = test::readFile(request.files.report);
    EXPECT_THAT(report, HasSubstr(dir + "/none.qx6d\n          the data file cannot be opened"));
    EXPECT_EQ(test::readFile(request.files.plot), "");
}

struct BadCpt {
    const char* what;
    const char* text;
    const char* message;
};

TEST(BadCptFile, IsRefusedWithTheLine) {
    const BadCpt cases[] = {
        {"empty file", "", "/pile.cpt\n          record 1: the file ends before unit flag"},
        {"too few points", " 1 3\n1.0 100\n2.0 200\n", "line 3, CPT point 3: the file ends"},
        {"garbage depth", " 1 2\n1.0 100\nx 200\n", "line 3, CPT point 2: depth must be a number"},
        {"decreasing depth", " 2 2\n2.0 100\n1.0 200\n",
         "line 3, CPT point 2: depth 1 is above the depth 2"},
        {"negative count", " 1 -1\n", "line 1, record 1: CPT point count must not be negative"},
    };
    for (const BadCpt& c : cases) {
        const std::string cpt = c.text;
        const auto out = test::runText("bad-cpt", clayProject(60.0).text(), &cpt);
        EXPECT_EQ(out.result.status, 1) << c.what;
        EXPECT_THAT(out.report, HasSubstr("/pile.cpt\n")) << c.what;
        EXPECT_THAT(out.report, HasSubstr(c.message)) << c.what;
        EXPECT_EQ(out.plot, "") << c.what;
    }
}

TEST(RunFiles, OutputsThatWouldReplaceAnInputAreRefused) {
    const std::string dir = test::freshFolder("same-file");
    const std::string data = dir + "/pile.qx6d";
    const std::string text = clayProject(60.0).text();
    test::writeFile(data, text);
    RunRequest request;
    request.files = {data, data, dir + "/pile.qx6p", ""};
    std::ostringstream console;
    EXPECT_EQ(runAnalysis(request, console).status, 1);
    EXPECT_EQ(test::readFile(data), text);
    EXPECT_FALSE(std::filesystem::exists(dir + "/pile.qx6p"));
}

TEST(RunFiles, AReportThatCannotBeWrittenIsAFailure) {
    const std::string dir = test::freshFolder("no-folder");
    const std::string data = dir + "/pile.qx6d";
    test::writeFile(data, clayProject(60.0).text());
    RunRequest request;
    request.files = {data, dir + "/missing/pile.qx6o", dir + "/pile.qx6p", ""};
    std::ostringstream console;
    const RunResult result = runAnalysis(request, console);
    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.failure, HasSubstr("report could not be written"));
    EXPECT_THAT(console.str(), HasSubstr("missing/pile.qx6o"));
}

TEST(RunFiles, RunsInParallelThreadsShareNothing) {
    // Two different projects at once must each give what they give alone.
    Project english = clayProject(60.0);
    Project si = clayProject(30.0);
    si.units = 2;
    si.od = 610;
    si.id = 584;
    si.totalLength = 20;
    const auto aloneE = runProject("alone-e", english);
    const auto aloneS = runProject("alone-s", si);
    test::RunOutput togetherE, togetherS;
    {
        std::jthread a([&] { togetherE = runProject("together-e", english); });
        std::jthread b([&] { togetherS = runProject("together-s", si); });
    }
    auto body = [](const std::string& report) { return report.substr(report.find("----")); };
    EXPECT_EQ(body(aloneE.report), body(togetherE.report));
    EXPECT_EQ(body(aloneS.report), body(togetherS.report));
}

} // namespace
} // namespace quvex
