#include "batch.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace quvex::cli {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::string freshFolder(const std::string& name) {
    const fs::path dir =
        fs::temp_directory_path() / ("quvex-cli-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The bundled examples copied into a folder of their own.
std::vector<std::string> copyExamples(const std::string& dir) {
    std::vector<std::string> dataFiles;
    for (const auto& e : fs::directory_iterator(QUVEX_EXAMPLES)) {
        const auto ext = e.path().extension();
        if (ext != ".qx6d" && ext != ".cpt") continue;
        fs::copy_file(e.path(), dir / e.path().filename());
        if (ext == ".qx6d") dataFiles.push_back((dir / e.path().filename()).string());
    }
    std::sort(dataFiles.begin(), dataFiles.end());
    return dataFiles;
}

TEST(Batch, FilesAreNamedAfterTheDataFile) {
    const std::string dir = freshFolder("names");
    std::ofstream(dir + "/with.cpt") << " 1 0\n";
    const RunFiles with = filesFor(dir + "/with.qx6d");
    EXPECT_EQ(with.report, dir + "/with.qx6o");
    EXPECT_EQ(with.plot, dir + "/with.qx6p");
    EXPECT_EQ(with.cpt, dir + "/with.cpt");
    const RunFiles without = filesFor(dir + "/without.data.qx6d");
    EXPECT_EQ(without.report, dir + "/without.data.qx6o");
    EXPECT_EQ(without.cpt, ""); // no CPT points
    EXPECT_EQ(filesFor("plain").plot, "plain.qx6p");
}

TEST(Batch, TimeIsParsedStrictly) {
    const auto t = parseLocalTime("2014-03-05T09:07:03");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->year, 2014);
    EXPECT_EQ(t->month, 3);
    EXPECT_EQ(t->second, 3);
    EXPECT_TRUE(parseLocalTime("2026-12-11 23:59:59"));
    for (const char* bad : {"", "2014-03-05", "2014-13-05T09:07:03", "2014-03-05T24:00:00",
                            "2014-03-05T09:07:03Z", "2014/03/05T09:07:03"})
        EXPECT_FALSE(parseLocalTime(bad)) << bad;
}

TEST(Batch, ParallelRunsWriteTheSameFilesAsOneAtATime) {
    const LocalTime when{2014, 3, 5, 9, 7, 3};
    const std::string one = freshFolder("j1"), two = freshFolder("j2");
    const auto filesOne = copyExamples(one);
    const auto filesTwo = copyExamples(two);
    ASSERT_GE(filesOne.size(), 3u);
    const auto outOne = runBatch(filesOne, 1, when);
    const auto outTwo = runBatch(filesTwo, 2, when);
    ASSERT_EQ(outOne.size(), outTwo.size());
    for (std::size_t i = 0; i < outOne.size(); ++i) {
        EXPECT_EQ(outOne[i].status, 0) << outOne[i].failure;
        EXPECT_EQ(outTwo[i].status, 0) << outTwo[i].failure;
        EXPECT_EQ(outTwo[i].dataFile, filesTwo[i]); // outcomes keep the order of the files
        for (const auto& [a, b] : {std::pair{outOne[i].files.report, outTwo[i].files.report},
                                   std::pair{outOne[i].files.plot, outTwo[i].files.plot}}) {
            const std::string textOne = readFile(a), textTwo = readFile(b);
            // Only the folder in the file-name block differs.
            auto withoutFolder = [](std::string text, const std::string& folder) {
                for (auto at = text.find(folder); at != std::string::npos; at = text.find(folder))
                    text.erase(at, folder.size());
                return text;
            };
            EXPECT_EQ(withoutFolder(textOne, one), withoutFolder(textTwo, two)) << a;
        }
    }
}

struct Command {
    int status;
    std::string output;
};

Command quvex(const std::string& args) {
    const std::string out = freshFolder("cmd") + "/out.txt";
    const int raw =
        std::system((std::string("'") + QUVEX_BIN + "' " + args + " > '" + out + "' 2>&1").c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out)};
}

TEST(QuvexCommand, ReportsEachFileAndFailsWhenAnyRunFails) {
    const std::string dir = freshFolder("command");
    const auto files = copyExamples(dir);
    const Command good = quvex("run -j 2 --time 2014-03-05T09:07:03 '" + files[0] + "'");
    EXPECT_EQ(good.status, 0) << good.output;
    EXPECT_THAT(good.output, HasSubstr("ok      " + filesFor(files[0]).report + "\n"));

    std::ofstream(dir + "/broken.qx6d") << "title only\n";
    const Command mixed =
        quvex("run '" + files[0] + "' '" + dir + "/broken.qx6d' '" + dir + "/absent.qx6d'");
    EXPECT_NE(mixed.status, 0);
    EXPECT_THAT(mixed.output, HasSubstr("FAILED  " + dir + "/broken.qx6o (status 1): " + dir +
                                        "/broken.qx6d, line 1: record 2 (designer)"));
    EXPECT_THAT(mixed.output,
                HasSubstr("FAILED  " + dir + "/absent.qx6d: cannot start: no such data file"));
    EXPECT_FALSE(fs::exists(dir + "/absent.qx6o"));
    EXPECT_THAT(mixed.output, HasSubstr("1 of 3 analyses completed"));
}

TEST(QuvexCommand, HelpVersionAndBadArguments) {
    EXPECT_THAT(quvex("--version").output, HasSubstr("2014.6.9"));
    const Command help = quvex("run --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.output, HasSubstr("-j,--jobs"));
    EXPECT_NE(quvex("run").status, 0);
    EXPECT_NE(quvex("run -j 0 x.qx6d").status, 0);
    EXPECT_NE(quvex("run --time yesterday x.qx6d").status, 0);
}

} // namespace
} // namespace quvex::cli
