// The run service: saving, the taper check, names.dat, loading and calling
// the engine library, reading the results and writing the export.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "AppTestSupport.hpp"
#include "RunAnalysis.hpp"

namespace quvex {
namespace {
using namespace testing_support;
namespace fs = std::filesystem;

struct TFakeUi : TRunUi {
    std::function<bool(TProject&)> save = [](TProject& p) {
        p.Save();
        return true;
    };
    std::function<void()> duringWait;
    std::vector<std::pair<TMessageKind, std::string>> messages;
    int afterRuns = 0;

    bool Save(TProject& project) override { return save(project); }
    void Message(TMessageKind kind, const std::string& text) override {
        messages.emplace_back(kind, text);
    }
    void BeginWait() override {
        if (duringWait) duringWait();
    }
    void AfterRun(TProject&) override { ++afterRuns; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages)
            texts.push_back(m.second);
        return texts;
    }
};

// A program folder holding the given engine library under the engine's name.
class RunTest : public ::testing::Test {
protected:
    void UsesEngine(const std::string& library) {
        fs::create_directories(program());
        if (!library.empty()) fs::create_symlink(library, program() / kEngineLibraryName);
    }
    fs::path program() const { return folder.Path() / "program"; }
    void NameProject() {
        BuildTwoLayerProject(project);
        project.Data().DataFileName = folder.File("pile.qx6d");
    }
    TScratchFolder folder;
    TProject project;
    TFakeUi ui;
};

TEST(TaperCheck, RefusesTapersThatCloseThePileAboveItsTip) {
    struct Case {
        int material;
        bool fhwa;
        int units;
        double od, length, angle;
        const char* offered; // nullptr: the run may go on
    };
    const Case cases[] = {
        {2, true, 1, 12, 100, 1.0, "0.287"},  // atan(6/1200)/0.01745 = 0.2865
        {2, false, 1, 12, 100, 1.0, nullptr}, // FHWA not selected
        {1, true, 1, 12, 100, 1.0, nullptr},  // steel pipe: no taper
        {5, true, 1, 12, 100, 0.25, nullptr}, // tip 12 - 2400 tan(0.25 deg) = 1.53 in
        {7, true, 2, 300, 30, 1.0, "0.287"},  // atan(150/30000)/0.01745
        {4, true, 1, 12, 100, 0.0, nullptr},
    };
    for (const Case& c : cases) {
        TProgramData p;
        p.MaterialType = c.material;
        p.MethodSelected[1] = c.fhwa;
        p.UnitSystem = c.units;
        p.OuterDiameter = c.od;
        p.TotalLength = c.length;
        p.TaperAngle = c.angle;
        const std::optional<std::string> warning = TaperCheck(p);
        if (c.offered == nullptr) {
            EXPECT_FALSE(warning) << c.material << " " << c.angle;
            continue;
        }
        ASSERT_TRUE(warning);
        EXPECT_EQ(*warning,
                  std::string("Taper angle is large since it generates a negative diameter at "
                              "tip of pile.\nTaper angle should be smaller than ") +
                      c.offered + " degrees.\nPlease check input data ");
    }
}

TEST_F(RunTest, AnUntitledOrCancelledProjectRunsNothing) {
    UsesEngine(QUVEX_RECORDING_ENGINE);
    TAnalysisRunner runner(program().string());
    ui.save = [](TProject&) { return true; }; // saved nowhere: still untitled
    EXPECT_EQ(runner.Run(project, ui).Status, TRunStatus::Untitled);
    ui.save = [](TProject&) { return false; }; // the user cancelled the dialog
    EXPECT_EQ(runner.Run(project, ui).Status, TRunStatus::Cancelled);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_FALSE(fs::exists(program() / "names.seen"));
    EXPECT_FALSE(fs::exists(program() / kNamesFileName));
}

TEST_F(RunTest, TheTaperCheckStopsTheRunAfterSaving) {
    UsesEngine(QUVEX_RECORDING_ENGINE);
    NameProject();
    TProgramData& p = project.Data();
    p.MaterialType = 2;
    p.MethodSelected[1] = true;
    p.OuterDiameter = 12;
    p.InnerDiameter = 0;
    p.TotalLength = 100;
    p.TaperAngle = 1;
    TAnalysisRunner runner(program().string());
    EXPECT_EQ(runner.Run(project, ui).Status, TRunStatus::TaperRefused);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].first, TMessageKind::Warning);
    EXPECT_NE(ui.messages[0].second.find("smaller than 0.287 degrees."), std::string::npos);
    EXPECT_TRUE(fs::exists(p.DataFileName)) << "saved first";
    EXPECT_FALSE(fs::exists(program() / "names.seen")) << "the engine was not called";
}

TEST_F(RunTest, HandsTheFileNamesToTheEngineAndRemovesThem) {
    UsesEngine(QUVEX_RECORDING_ENGINE);
    NameProject();
    const fs::path before = fs::current_path();
    TAnalysisRunner runner(program().string() + "/");
    const TRunResult result = runner.Run(project, ui);
    EXPECT_EQ(result.Status, TRunStatus::Completed);
    EXPECT_EQ(result.EngineStatus, 0);
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{kMsgCompleted}));
    EXPECT_FALSE(result.ResultsLoaded) << "no plot data file was written";
    EXPECT_EQ(ui.afterRuns, 1);
    const std::string base = (folder.Path() / "pile").string();
    EXPECT_EQ(Lines(ReadText((program() / "names.seen").string())),
              (std::vector<std::string>{"2014.6.9", base + ".qx6d", base + ".qx6o", base + ".qx6p",
                                        base + ".cpt"}));
    EXPECT_FALSE(fs::exists(program() / kNamesFileName)) << "names.dat exists only during a run";
    EXPECT_EQ(fs::current_path(), before);
    EXPECT_FALSE(TAnalysisRunner::Active());
}

TEST_F(RunTest, ASaveFailureIsReportedAndTheRunGoesOn) {
    UsesEngine(QUVEX_RECORDING_ENGINE);
    NameProject();
    project.Save();
    ui.save = [](TProject&) -> bool { throw EInOutError("disk full", "pile.qx6d"); };
    TAnalysisRunner runner(program().string());
    EXPECT_EQ(runner.Run(project, ui).Status, TRunStatus::Completed);
    EXPECT_EQ(ui.Texts(),
              (std::vector<std::string>{"An error occured during saving", kMsgCompleted}));
}

TEST_F(RunTest, AMissingLibraryIsReportedAndNothingIsLeft) {
    UsesEngine("");
    NameProject();
    TAnalysisRunner runner(program().string());
    EXPECT_EQ(runner.Run(project, ui).Status, TRunStatus::LibraryFailed);
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Attempt to initialize DLL failed"}));
    EXPECT_FALSE(fs::exists(program() / kNamesFileName));
    EXPECT_FALSE(TAnalysisRunner::Active());
}

TEST_F(RunTest, ASecondRunWhileOneIsActiveIsRefused) {
    UsesEngine(QUVEX_RECORDING_ENGINE);
    NameProject();
    TAnalysisRunner runner(program().string());
    TFakeUi inner;
    TRunResult second;
    ui.duringWait = [&] {
        EXPECT_TRUE(TAnalysisRunner::Active());
        second = runner.Run(project, inner);
    };
    const TRunResult first = runner.Run(project, ui);
    EXPECT_EQ(second.Status, TRunStatus::Refused);
    EXPECT_EQ(inner.Texts(), (std::vector<std::string>{"Attempt to reinitialize DLL"}));
    EXPECT_EQ(first.Status, TRunStatus::Completed);
    EXPECT_EQ(Lines(ReadText((program() / "names.seen").string())).size(), 5u)
        << "the refused run left the names of the active one alone";
    EXPECT_FALSE(TAnalysisRunner::Active());
}

TEST_F(RunTest, AnUnreadablePlotFileIsReportedWithoutExport) {
    UsesEngine(QUVEX_RECORDING_ENGINE);
    NameProject();
    WriteText(folder.File("pile.qx6p"), ""); // what a stopped run leaves
    TAnalysisRunner runner(program().string());
    const TRunResult result = runner.Run(project, ui);
    EXPECT_FALSE(result.ResultsLoaded);
    EXPECT_FALSE(result.GwiWritten);
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{
                              kMsgCompleted, "An error occured in running the main program."}));
    EXPECT_EQ(ui.afterRuns, 1);
    EXPECT_FALSE(fs::exists(folder.File("pile.gwi")));
}

} // namespace
} // namespace quvex

#ifdef QUVEX_ENGINE_LIBRARY
namespace quvex {
namespace {
using namespace testing_support;
namespace fs = std::filesystem;

// Rows of the report's capacity table that follows the given heading:
// penetration, total skin friction, end bearing, ultimate capacity.
std::vector<std::array<double, 4>> ReportTable(const std::string& report,
                                               const std::string& heading) {
    std::vector<std::array<double, 4>> rows;
    const std::vector<std::string> lines = Lines(report);
    std::size_t i = 0;
    while (i < lines.size() && lines[i].find(heading) == std::string::npos)
        ++i;
    bool inTable = false;
    for (++i; i < lines.size(); ++i) {
        std::string line = lines[i];
        std::erase(line, '*');
        const std::vector<std::string> words = Words(line);
        std::array<double, 4> row{};
        bool numbers = words.size() == 4;
        for (std::size_t w = 0; numbers && w < 4; ++w) {
            char* end = nullptr;
            row[w] = std::strtod(words[w].c_str(), &end);
            numbers = end != nullptr && *end == '\0';
        }
        if (numbers) {
            rows.push_back(row);
            inTable = true;
        } else if (inTable) {
            break;
        }
    }
    return rows;
}

TEST_F(RunTest, RoundTripThroughTheEngine) {
    UsesEngine(QUVEX_ENGINE_LIBRARY);
    NameProject(); // API only, TL 60 ft, increment 1 ft, every 5th printed
    TAnalysisRunner runner(program().string());
    const TRunResult result = runner.Run(project, ui);
    ASSERT_EQ(result.Status, TRunStatus::Completed);
    EXPECT_EQ(result.EngineStatus, 0);
    EXPECT_EQ(ui.Texts(), (std::vector<std::string>{kMsgCompleted}));
    ASSERT_TRUE(result.ResultsLoaded);
    EXPECT_TRUE(result.GwiWritten);
    EXPECT_FALSE(fs::exists(program() / kNamesFileName));

    // 61 increments printed every 5th: rows 1, 6, ..., 61.
    const TProgramData& p = project.Data();
    ASSERT_EQ(p.ResultCount, 13);
    for (TGraphPlot* plot :
         {&project.pltSkin, &project.pltUSkin, &project.pltTip, &project.pltTotal}) {
        ASSERT_EQ(plot->CurveCount(), 1);
        EXPECT_EQ(plot->Curve(0).Name, "API");
        EXPECT_EQ(plot->PointCount(), 13);
    }
    EXPECT_EQ(project.pltAxial.Curve(0).Name, "API");
    EXPECT_EQ(project.pltLoad.CurveCount(), 9);
    EXPECT_EQ(project.pltLoad.PointCount(), 13);
    EXPECT_GE(project.pltTZcurves.CurveCount(), 1);
    EXPECT_EQ(project.pltTZcurves.PointCount(), 10);
    EXPECT_EQ(project.pltAxial.CurvePoint(0, 0).X, 0);
    EXPECT_GT(project.pltAxial.CurvePoint(0, 9).X, project.pltAxial.CurvePoint(0, 1).X)
        << "the load grows with the tip movement";

    // The cache against the report's API table.
    const auto rows = ReportTable(ReadText(folder.File("pile.qx6o")), "API RP-2A");
    ASSERT_GE(rows.size(), 12u);
    ASSERT_LE(rows.size(), 13u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NEAR(p.ResultDepth[i], rows[i][0], 0.005) << "row " << i;
        EXPECT_NEAR(p.ResultDepth[i], 5.0 * static_cast<double>(i), 1e-9);
        EXPECT_NEAR(p.ResultTip[i], rows[i][2], 0.05) << "row " << i;
        EXPECT_NEAR(static_cast<double>(project.pltSkin.CurvePoint(0, static_cast<int>(i)).X),
                    rows[i][1], 0.05);
        EXPECT_NEAR(static_cast<double>(project.pltCombine.CurvePoint(2, static_cast<int>(i)).X),
                    rows[i][3], 0.05);
    }
    EXPECT_EQ(p.ResultDepth[12], 60);

    const std::vector<std::string> gwi = Lines(ReadText(folder.File("pile.gwi")));
    ASSERT_EQ(gwi.size(), 10u + 13u + 7u);
    EXPECT_EQ(Words(gwi[5])[0], "6.00E+01") << "the deepest result depth";
}

} // namespace
} // namespace quvex
#endif
