// The analysis input file written and read by the project, the older .qxd
// import, the CPT companion file and the reading errors.
#include <gtest/gtest.h>

#include "AppTestSupport.hpp"
#include "DataFile.hpp"

namespace quvex {
namespace {
using namespace testing_support;

double Val(const TGridTable& t, int col, int row) {
    return static_cast<double>(t.Cell(col, row).AsFloat());
}

TEST(DataFileWriter, NewProjectWritesEveryRecordWithItsDefaults) {
    TProject project;
    const std::string expected = "New Pile\n"
                                 "\n"
                                 "\n"
                                 "1 1 2 0 \n"
                                 "0 0 0 0 0 0 0 \n"
                                 "0 0 \n"
                                 "0 1 1 0 4 1 0 \n"
                                 "0 0 0 1 0 0 0 0 0 \n"
                                 "0 0 \n"
                                 "0.0 1 0 0 0 0 \n"
                                 "0 0 0.0 0 0.0 0.0 0 0 0 1 1 \n"
                                 "0 1 0 0 0 0 \n"
                                 "0 0 0.0 0 0.0 0.0 0 0 0 1 1 \n"
                                 "0 \n"
                                 "0 1 \n"
                                 "0 0 \n"
                                 "2 0 \n"
                                 "0 0 \n"
                                 "0 0 \n"
                                 "0 0 \n";
    EXPECT_EQ(DataFileText(project), expected);
}

TEST(DataFileWriter, LayersChainTheirDepthsAndFillTheSlotsOfTheirSoilType) {
    TProject project;
    TGridTable& d = project.D();
    d.SetRowCount(3);
    project.SetSoilType(0, stSand);
    project.SetSoilType(1, stClay);
    project.SetSoilType(2, stSilt);
    for (int layer = 0; layer < 3; ++layer) {
        d.Cell(1, layer).SetFloat(10.0L * (layer + 1));
        d.Cell(3, layer).SetFloat(100 + layer); // max side friction
        d.Cell(4, layer).SetFloat(200 + layer); // max end bearing
        d.Cell(5, layer).SetFloat(0.9);
        d.Cell(6, layer).SetFloat(0.8);
        TGridTable& t = project.LayerData(layer);
        for (int c = 0; c < 8; ++c)
            for (int r = 0; r < 2; ++r)
                if (t.Column(c).TypeNumber() == 1)
                    t.Cell(c, r).SetInteger(40 + r);
                else
                    t.Cell(c, r).SetFloat(c + 1 + r / 10.0L); // column c, row r: c+1.r
    }
    project.Data().Method = 5;
    const std::vector<std::string> lines = Lines(DataFileText(project));
    EXPECT_EQ(lines[3], "1 1 6 0 ");
    EXPECT_EQ(lines[8], "30 0 ") << "record 9: the bottom of the last layer";
    // sand: A Ko, gamma, phi, Nq; B 0, N, 0, 0, qc, f, q
    EXPECT_EQ(lines[9], "0.0 1 4 1 2 5 ");
    EXPECT_EQ(lines[10], "100 200 0.0 40 0.0 0.0 6 7 8 0.9 0.8 ");
    EXPECT_EQ(lines[11], "10 1 4.1 1.1 2.1 5.1 ");
    EXPECT_EQ(lines[12], "100 200 0.0 41 0.0 0.0 6.1 7.1 8.1 0.9 0.8 ");
    // clay: A 0, gamma, 0, 0; B Su, Sr, YSR, PI, qc, f, q; the top is the sand's bottom
    EXPECT_EQ(lines[13], "10 2 0.0 1 0.0 0.0 ");
    EXPECT_EQ(lines[14], "101 201 2 3 5 4 6 7 8 0.9 0.8 ");
    EXPECT_EQ(lines[15], "20 2 0.0 1.1 0.0 0.0 ");
    // silt: A Ko, gamma, phi, 0; B Su, N, 0, 0, 0, f, q
    EXPECT_EQ(lines[17], "20 3 4 1 2 0.0 ");
    EXPECT_EQ(lines[18], "102 202 5 40 0.0 0.0 0.0 7 8 0.9 0.8 ");
    EXPECT_EQ(lines[19], "30 3 4.1 1.1 2.1 0.0 ");
}

TEST(DataFileWriter, UserValuesAreZeroedUnlessTheMethodIsUserSpecified) {
    for (int method : {1, 4, 5, 8}) {
        TProject project;
        project.Data().Method = method;
        project.D().SetRowCount(3);
        for (int layer = 0; layer < 3; ++layer) {
            project.SetSoilType(layer, layer + 1);
            for (int r = 0; r < 2; ++r) {
                project.LayerData(layer).Cell(6, r).SetFloat(300);
                project.LayerData(layer).Cell(7, r).SetFloat(4000);
            }
        }
        const std::vector<std::string> lines = Lines(DataFileText(project));
        const std::string kept = method == 5 ? "300 4000" : "0 0";
        for (int point = 0; point < 6; ++point) {
            const std::vector<std::string> b = Words(lines[10 + 2 * point]);
            ASSERT_EQ(b.size(), 11u);
            EXPECT_EQ(b[7] + " " + b[8], kept) << "method " << method << " point " << point;
        }
        const long double cell = project.LayerData(1).Cell(6, 1).AsFloat();
        EXPECT_EQ(cell, method == 5 ? 300 : 0) << "the project keeps what was written";
    }
}

TEST(DataFileWriter, TextRecordsStayOnOneLine) {
    TProject project;
    project.Data().Title = "Pile\nwith a break";
    project.Data().JobNumber = "J\r7";
    const std::vector<std::string> lines = Lines(DataFileText(project));
    EXPECT_EQ(lines[0], "Pile with a break");
    EXPECT_EQ(lines[2], "J 7");
    EXPECT_EQ(lines[3], "1 1 2 0 ");
}

TEST(DataFileWriter, SettlesZeroIntervalsAndCircularSections) {
    struct Case {
        bool circular;
        double perimeter, tipArea;
        int interval;
        double increment;
        std::string rec4, rec5, rec7;
    };
    const Case cases[] = {
        {true, 37.7, 113.1, 0, 0, "1 1 2 0 ", "0 0 24 23 29000000 60 2 ", "0 1 1 0 4 1 0 "},
        {false, 37.7, 113.1, 3, 0.25, "1 3 2 0 ", "37.7 113.1 24 23 29000000 60 2 ",
         "0 0.25 1 0 4 1 0 "},
    };
    for (const Case& c : cases) {
        TProject project;
        TProgramData& p = project.Data();
        p.CircularSection = c.circular;
        p.Perimeter = c.perimeter;
        p.TipArea = c.tipArea;
        p.PrintInterval = c.interval;
        p.Increment = c.increment;
        p.OuterDiameter = 24;
        p.InnerDiameter = 23;
        p.ElasticModulus = 29e6;
        p.TotalLength = 60;
        p.StickupLength = 2;
        const std::vector<std::string> lines = Lines(DataFileText(project));
        EXPECT_EQ(lines[3], c.rec4);
        EXPECT_EQ(lines[4], c.rec5);
        EXPECT_EQ(lines[6], c.rec7);
    }
}

TEST(DataFileWriter, ExtraDepthsAndSectionRowsFollowTheirCounts) {
    TProject project;
    TProgramData& p = project.Data();
    p.ExtraTzCurves = 1;
    project.TblTZDepth().SetRowCount(2);
    project.TblTZDepth().Cell(0, 0).SetFloat(12.5);
    project.TblTZDepth().Cell(0, 1).SetFloat(40);
    p.AreaOption = 2;
    project.Sectionaldata().SetRowCount(3);
    for (int r = 0; r < 3; ++r) {
        project.Sectionaldata().Cell(0, r).SetFloat(20 * r);
        project.Sectionaldata().Cell(1, r).SetFloat(100 - 10 * r);
    }
    p.LoadDirection = 1;
    p.TensionReductionFactor = 0.7;
    p.CriticalDepthOption = 2;
    p.CriticalDepth = 33.3;
    const std::vector<std::string> lines = Lines(DataFileText(project));
    const std::vector<std::string> tail(lines.begin() + 13, lines.end());
    const std::vector<std::string> expected = {"1 ",     "2 ",     "12.5 ",  "40 ",
                                               "1 0.7 ", "0 0 ",   "3 2 ",   "0 100 ",
                                               "20 90 ", "40 80 ", "2 33.3 "};
    EXPECT_EQ(tail, expected);
}

TEST(DataFileReader, ReadsTheCurrentFormatIntoTheProject) {
    TProject project;
    const TReadResult result = project.Open(Fixture("one_layer.qx6d"), true);
    ASSERT_TRUE(result.Ok) << result.Message;
    const TProgramData& p = project.Data();
    EXPECT_EQ(p.DataFileName, Fixture("one_layer.qx6d"));
    EXPECT_EQ(p.Title, "One sand layer");
    EXPECT_EQ(p.JobNumber, "Job 1");
    EXPECT_TRUE(p.ClosedEnd);
    EXPECT_TRUE(p.CircularSection);
    EXPECT_EQ(p.OuterDiameter, 24);
    EXPECT_EQ(p.ProfileBottomDepth, 80);
    EXPECT_EQ(p.ConstantArea, 36.91);
    ASSERT_EQ(project.LayerCount(), 1);
    EXPECT_EQ(project.SoilType(0), stSand);
    EXPECT_EQ(project.LayerBottom(0), 80);
    TGridTable& sand = project.LayerData(0);
    EXPECT_EQ(Val(sand, 3, 0), 0.8);            // Ko, top
    EXPECT_EQ(Val(sand, 3, 1), 0.7);            // Ko, bottom
    EXPECT_EQ(Val(sand, 0, 1), 62);             // unit weight
    EXPECT_EQ(Val(sand, 1, 1), 34);             // friction angle
    EXPECT_EQ(Val(sand, 4, 1), 25);             // Nq
    EXPECT_EQ(sand.Cell(2, 0).AsInteger(), 15); // blow count
    EXPECT_EQ(Val(sand, 5, 1), 180);            // qc
    // The layer row takes the values of the bottom point.
    EXPECT_EQ(Val(project.D(), 3, 0), 1600);
    EXPECT_EQ(Val(project.D(), 4, 0), 95000);
    EXPECT_EQ(Val(project.D(), 5, 0), 0.9);
    EXPECT_EQ(Val(project.D(), 6, 0), 0.8);
    EXPECT_EQ(project.Sectionaldata().RowCount(), 2);
    EXPECT_EQ(Val(project.Sectionaldata(), 0, 1), 60);
    EXPECT_FALSE(project.Modified());
}

TEST(DataFileReader, RecordFourDecidesTheClosedEndByItsWordCount) {
    struct Case {
        std::string rec4;
        bool closed;
    };
    for (const Case& c : {Case{"1 1 2", false}, Case{"1 1 2 1", true}, Case{"1 1 2 0", false}}) {
        TScratchFolder folder;
        std::vector<std::string> lines = Lines(ReadText(Fixture("one_layer.qx6d")));
        lines[3] = c.rec4;
        std::string text;
        for (const std::string& l : lines)
            text += l + "\n";
        WriteText(folder.File("p.qx6d"), text);
        TProject project;
        project.Data().ClosedEnd = true;
        const TReadResult result = project.Open(folder.File("p.qx6d"), true);
        ASSERT_TRUE(result.Ok) << c.rec4 << ": " << result.Message;
        EXPECT_EQ(project.Data().ClosedEnd, c.closed) << c.rec4;
        EXPECT_EQ(project.Data().OuterDiameter, 24) << "the next record is read from its line";
    }
}

TEST(DataFileReader, WriteReadWriteGivesTheSameText) {
    TProject first;
    BuildTwoLayerProject(first);
    TProgramData& p = first.Data();
    p.Method = 8;
    p.MethodSelected = {false, true, false, false, true, false, true, false, true, false};
    p.ClosedEnd = true;
    p.CircularSection = false;
    p.Perimeter = 75.4;
    p.TipArea = 452.4;
    p.ReducedResistance = 1;
    p.ExtraTzCurves = 1;
    first.TblTZDepth().Cell(0, 0).SetFloat(15.25);
    p.LoadDirection = 1;
    p.TensionReductionFactor = 0.75;
    p.ClayDrained = 1;
    p.PlugCondition = 2;
    p.CriticalDepthOption = 1;
    p.CriticalDepth = 12;
    first.D().SetRowCount(3);
    first.SetSoilType(2, stSilt);
    first.D().Cell(1, 2).SetFloat(95.5);
    first.LayerData(2).Cell(4, 1).SetFloat(1234.5); // silt Su

    TScratchFolder folder;
    p.DataFileName = folder.File("pile.qx6d");
    first.Save();
    const std::string written = ReadText(p.DataFileName);

    TProject second;
    const TReadResult result = second.Open(p.DataFileName, true);
    ASSERT_TRUE(result.Ok) << result.Message;
    EXPECT_EQ(second.Data().Method, 8);
    EXPECT_EQ(second.Data().MethodSelected, p.MethodSelected);
    EXPECT_FALSE(second.Data().CircularSection);
    EXPECT_EQ(second.Data().Perimeter, 75.4);
    EXPECT_EQ(Val(second.LayerData(2), 4, 1), 1234.5);
    EXPECT_EQ(DataFileText(second), written);
}

TEST(DataFileReader, MethodEightSurvivesAnyOffshoreFlag) {
    TScratchFolder folder;
    std::vector<std::string> lines = Lines(ReadText(Fixture("one_layer.qx6d")));
    lines[6] = "0 1 1 0 8 0 1"; // method 8, offshore flag 0
    std::string text;
    for (const std::string& l : lines)
        text += l + "\n";
    WriteText(folder.File("m8.qx6d"), text);
    TProject project;
    ASSERT_TRUE(project.Open(folder.File("m8.qx6d"), true).Ok);
    EXPECT_EQ(project.Data().Method, 8);
    EXPECT_EQ(project.Data().ReducedResistance, 1);
    EXPECT_EQ(Lines(DataFileText(project))[6], "0 1 1 0 8 1 1 ");
}

TEST(DataFileReader, ImportsTheOlderFormat) {
    TProject project;
    const TReadResult result = project.Open(Fixture("old_format.qxd"), false);
    ASSERT_TRUE(result.Ok) << result.Message;
    const TProgramData& p = project.Data();
    EXPECT_EQ(p.Title, "Older project");
    EXPECT_EQ(p.PrintInterval, 2);
    EXPECT_FALSE(p.ClosedEnd) << "record 4 of three words";
    EXPECT_EQ(p.TotalLength, 50);
    EXPECT_EQ(p.StickupLength, 0) << "no stickup in the older record 5";
    EXPECT_EQ(p.Increment, 0.5);
    EXPECT_EQ(p.Method, 3);
    EXPECT_EQ(p.ReducedResistance, 0);
    for (int m = 1; m <= 9; ++m)
        EXPECT_EQ(p.MethodSelected[static_cast<std::size_t>(m)], m != 5) << "method " << m;
    EXPECT_EQ(p.ProfileBottomDepth, 60);
    ASSERT_EQ(project.LayerCount(), 3);
    EXPECT_EQ(project.SoilType(0), stClay);
    EXPECT_EQ(project.SoilType(1), stSilt);
    EXPECT_EQ(project.SoilType(2), stSand);
    EXPECT_EQ(Val(project.LayerData(0), 1, 1), 1000);           // clay Su, bottom
    EXPECT_EQ(Val(project.LayerData(0), 4, 0), 1.5);            // clay YSR, top
    EXPECT_EQ(Val(project.LayerData(1), 4, 0), 600);            // silt Su
    EXPECT_EQ(project.LayerData(1).Cell(2, 1).AsInteger(), 14); // silt N
    EXPECT_EQ(project.LayerData(2).Cell(2, 1).AsInteger(), 35); // sand N
    // Clay and sand points carry no reduction factors; silt points do.
    EXPECT_EQ(Val(project.D(), 5, 0), 1.0);
    EXPECT_EQ(Val(project.D(), 5, 1), 0.95);
    EXPECT_EQ(Val(project.D(), 6, 1), 0.85);
    EXPECT_EQ(Val(project.D(), 6, 2), 1.0);
    EXPECT_EQ(p.ExtraTzCurves, 1);
    ASSERT_EQ(project.TblTZDepth().RowCount(), 2);
    EXPECT_EQ(Val(project.TblTZDepth(), 0, 0), 12.5);
    EXPECT_EQ(p.PlugCondition, 1);
    EXPECT_EQ(p.AreaOption, 1) << "one row and a constant area";
    EXPECT_EQ(project.Sectionaldata().RowCount(), 2) << "grown to its minimum";
    EXPECT_EQ(p.CriticalDepthOption, 0);
}

TEST(DataFileReader, TheAreaOptionOfOlderFilesIsDerived) {
    struct Case {
        std::string rec14;
        double constantArea;
        int option;
    };
    for (const Case& c : {Case{"2\n0 30\n50 30", 30.5, 2}, Case{"1", 30.5, 1}, Case{"0", 0, 0}}) {
        TScratchFolder folder;
        std::string text = ReadText(Fixture("old_format.qxd"));
        text.replace(text.rfind("1\n"), 2, c.rec14 + "\n");
        if (c.constantArea == 0) text.replace(text.find("60 30.5"), 7, "60 0");
        WriteText(folder.File("a.qxd"), text);
        TProject project;
        ASSERT_TRUE(project.Open(folder.File("a.qxd"), false).Ok) << c.rec14;
        EXPECT_EQ(project.Data().AreaOption, c.option) << c.rec14;
    }
}

TEST(DataFileReader, ReadingErrorsStillOpenTheProject) {
    struct Case {
        int line;         // 0-based line of the fixture replaced ...
        std::string text; // ... by this text; -1: the file cut after `text` lines
        std::string message;
    };
    const Case cases[] = {
        {3, "1 1.5 2 1", "Error on Line 4 Item 2\nAn integer was expected but not found."},
        {4, "0 0 abc 23 29000000 60 0",
         "Error on Line 5 Item 3\nA floating point number was expected but not found."},
        {3, "1 1 81 1",
         "Error on Line 4 Item 3\nThe number of soil points must be an even number from 2 to "
         "80, found 81."},
        {9, "0.0 4 0.8 60 32 20",
         "Error on Line 10 Item 2\nThe soil type must be from 1 to 3, "
         "found 4."},
        {6, "0 1 1 0 12 1 0", "Error on Line 7 Item 5\nThe method must be from 1 to 9, found 12."},
        {-1, "9", "This file either invalid or incomplete."},
    };
    for (const Case& c : cases) {
        TScratchFolder folder;
        std::vector<std::string> lines = Lines(ReadText(Fixture("one_layer.qx6d")));
        if (c.line >= 0)
            lines[static_cast<std::size_t>(c.line)] = c.text;
        else
            lines.resize(std::stoul(c.text));
        std::string text;
        for (const std::string& l : lines)
            text += l + "\n";
        const std::string path = folder.File("bad.qx6d");
        WriteText(path, text);
        TProject project;
        project.SetModified(true);
        const TReadResult result = project.Open(path, true);
        EXPECT_FALSE(result.Ok);
        EXPECT_EQ(result.Message, c.message);
        EXPECT_EQ(result.FileName, path);
        EXPECT_EQ(project.Data().DataFileName, path) << "still opened under the file's name";
        EXPECT_EQ(project.Data().Title, "One sand layer") << "values read so far are kept";
        EXPECT_FALSE(project.Modified());
        EXPECT_GE(project.LayerCount(), 1);
        EXPECT_EQ(project.Sectionaldata().RowCount(), 2);
    }
}

TEST(DataFileReader, AMissingFileIsReportedByName) {
    TProject project;
    const TReadResult result = project.Open("/nonexistent/folder/x.qx6d", true);
    EXPECT_FALSE(result.Ok);
    EXPECT_NE(result.Message.find("/nonexistent/folder/x.qx6d"), std::string::npos);
    EXPECT_EQ(project.Data().Title, "New Pile");
}

TEST(DataFileReader, ReadsTheExampleProjectsValueForValue) {
    for (const char* name :
         {"steel-pipe-sand-clay.qx6d", "offshore-pipe-cpt.qx6d", "timber-tapered-fhwa.qx6d"}) {
        const std::string path = std::string(QUVEX_EXAMPLES) + "/" + name;
        TProject project;
        const TReadResult result = project.Open(path, true);
        ASSERT_TRUE(result.Ok) << name << ": " << result.Message;
        // Written again, every record holds the same numbers as the example.
        const std::vector<std::string> original = Lines(ReadText(path));
        const std::vector<std::string> again = Lines(DataFileText(project));
        ASSERT_EQ(again.size(), original.size()) << name;
        for (std::size_t i = 0; i < original.size(); ++i) {
            if (i < 3) {
                EXPECT_EQ(again[i], original[i]);
                continue;
            }
            const std::vector<std::string> a = Words(original[i]), b = Words(again[i]);
            ASSERT_EQ(a.size(), b.size()) << name << " line " << i + 1;
            for (std::size_t w = 0; w < a.size(); ++w)
                EXPECT_DOUBLE_EQ(std::stod(a[w]), std::stod(b[w]))
                    << name << " line " << i + 1 << " item " << w + 1;
        }
    }
}

TEST(CptFile, WritesTheCountAndEachPointInExponentForm) {
    struct Case {
        int units;
        double depth, qc;
        std::string point;
    };
    const Case cases[] = {
        {1, 12.5, 0.5, "  1.25E+01  5.00E+02"}, // English: ksf held, psf written
        {2, 3.75, 12500, "  3.75E+00  1.25E+04"},
    };
    for (const Case& c : cases) {
        TProject project;
        if (c.units == 2) project.SwitchUnits(2);
        project.MotionInput.SetPointCount(3);
        project.MotionInput.CurvePoint(0, 1) = {c.qc, c.depth};
        project.Data().CptPointCount = 2;
        const std::vector<std::string> lines = Lines(CptFileText(project));
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0], c.units == 1 ? " 1 2 " : " 2 2 ");
        EXPECT_EQ(lines[1], "  0.00E+00  0.00E+00");
        EXPECT_EQ(lines[2], c.point);
    }
}

TEST(CptFile, IsWrittenBesideTheDataFileEvenWhenTheDataFileFails) {
    TScratchFolder folder;
    TProject project;
    // A folder in the way: the data file cannot replace it.
    std::filesystem::create_directory(folder.File("blocked.qx6d"));
    project.Data().DataFileName = folder.File("blocked.qx6d");
    project.SetModified(true);
    EXPECT_THROW(project.Save(), EInOutError);
    EXPECT_TRUE(project.Modified()) << "a failed save leaves the project modified";
    EXPECT_EQ(project.Data().CptFileName, folder.File("blocked.cpt"));
    EXPECT_EQ(ReadText(folder.File("blocked.cpt")), " 1 0 \n");
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("blocked.qx6d")));
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos)
            << "no temporary file is left behind: " << entry.path();
}

TEST(SaveCommand, AsksForANameWhenUntitledOrImported) {
    TScratchFolder folder;
    struct Case {
        std::string name;
        std::string proposed;
    };
    for (const Case& c : {Case{kUntitledName, kUntitledName},
                          Case{folder.File("old.QXD"), folder.File("old.qx6d")}}) {
        TProject project;
        project.Data().DataFileName = c.name;
        std::string asked;
        EXPECT_FALSE(SaveProjectCommand(project, [&](const std::string& proposed) {
            asked = proposed;
            return std::optional<std::string>();
        }));
        EXPECT_EQ(asked, c.proposed);
        EXPECT_EQ(project.Data().DataFileName, c.name) << "cancelled: nothing changes";
        EXPECT_TRUE(SaveProjectCommand(project, [&](const std::string&) {
            return std::optional<std::string>(folder.File("named.qx6d"));
        }));
        EXPECT_EQ(project.Data().DataFileName, folder.File("named.qx6d"));
        EXPECT_TRUE(std::filesystem::exists(folder.File("named.qx6d")));
    }
    TProject titled;
    titled.Data().DataFileName = folder.File("titled.qx6d");
    EXPECT_TRUE(SaveProjectCommand(titled, {})) << "a titled project is saved without asking";
    EXPECT_TRUE(std::filesystem::exists(folder.File("titled.qx6d")));
}

} // namespace
} // namespace quvex
