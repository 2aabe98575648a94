// The engine library's exported entry, loaded and called as the front end does.
#include "test_project.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>

namespace quvex {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Call {
    int status;
    std::string console;
};

// Runs iquvex_call in `dir`, feeding `input` to its console.
Call callEntry(const std::string& dir, int code, const std::string& input = "",
               const char* exportName = "_IQUVEX") {
    test::writeFile(dir + "/console-in.txt", input);
    const std::string command = "cd '" + dir + "' && '" IQUVEX_CALL "' '" QUVEX_DLL "' " +
                                std::to_string(code) + " " + exportName +
                                " < console-in.txt > console-out.txt 2>&1";
    const int raw = std::system(command.c_str());
    Call call{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::readFile(dir + "/console-out.txt")};
    fs::remove(dir + "/console-in.txt");
    fs::remove(dir + "/console-out.txt");
    return call;
}

std::vector<std::string> filesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// A folder with a valid project and a names.dat naming its files.
std::string projectFolder(const std::string& name) {
    const std::string dir = test::freshFolder(name);
    test::writeFile(dir + "/pile.qx6d", test::Project().text());
    test::writeFile(dir + "/pile.cpt", " 1 2\n1.0 1000\n2.0 2000\n");
    return dir;
}

std::string namesDat(const std::string& dir, const std::string& version = "2014.6.9") {
    return version + "\n" + dir + "/pile.qx6d\n" + dir + "/pile.qx6o\n" + dir + "/pile.qx6p\n" +
           dir + "/pile.cpt\n";
}

TEST(Entry, AnyCodeButNineReturnsOneAndTouchesNoFile) {
    const std::string dir = projectFolder("entry-code");
    test::writeFile(dir + "/names.dat", namesDat(dir));
    const auto before = filesIn(dir);
    for (int code : {8, 0, -9, 10}) {
        EXPECT_EQ(callEntry(dir, code).status, 1) << code;
        EXPECT_EQ(filesIn(dir), before) << code;
    }
}

TEST(Entry, BothExportsRunTheNamesInNamesDat) {
    for (const char* name : {"IQUVEX", "_IQUVEX"}) {
        const std::string dir = projectFolder(std::string("entry-run-") + name);
        // Trailing blanks are not part of a name; the version is cut to 12 characters.
        std::string names = "2014.6.9-extra-text   \n";
        for (const char* f : {"/pile.qx6d", "/pile.qx6o", "/pile.qx6p", "/pile.cpt"})
            names += dir + f + std::string(40, ' ') + "\n";
        test::writeFile(dir + "/names.dat", names);
        const Call call = callEntry(dir, 9, "", name);
        EXPECT_EQ(call.status, 0) << call.console;
        const std::string report = test::readFile(dir + "/pile.qx6o");
        EXPECT_THAT(report, HasSubstr("  QUVEX for Windows, Version 2014.6.9-ext\n"));
        EXPECT_THAT(report, HasSubstr("* COMPUTATION RESULT *"));
        EXPECT_THAT(call.console, StartsWith("     ====="));
        EXPECT_TRUE(fs::exists(dir + "/pile.qx6p"));
    }
}

TEST(Entry, NamesDatWithOnlyTheVersionAsksOnTheConsole) {
    const std::string dir = projectFolder("entry-prompt");
    test::writeFile(dir + "/names.dat", "2014.6.9\n");
    const Call call = callEntry(dir, 9, "pile.qx6d\npile.qx6o   \npile.qx6p\n");
    EXPECT_EQ(call.status, 0) << call.console;
    EXPECT_THAT(call.console,
                StartsWith("\n\n       ENTER A FILE NAME FOR YOUR INPUT FILE.\n ENTER >"
                           "\n\n       ENTER A FILE NAME FOR YOUR OUTPUT FILE.\n ENTER >"
                           "\n\n       ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE.\n ENTER >"));
    EXPECT_THAT(test::readFile(dir + "/pile.qx6o"), HasSubstr("* COMPUTATION RESULT *"));
}

TEST(Entry, UnansweredPromptsAndAMissingNamesDatFail) {
    const std::string dir = projectFolder("entry-fail");
    EXPECT_EQ(callEntry(dir, 9).status, 1); // no names.dat at all
    test::writeFile(dir + "/names.dat", "2014.6.9\n" + dir + "/pile.qx6d\n");
    const Call call = callEntry(dir, 9, "only-one-answer.qx6d\n");
    EXPECT_EQ(call.status, 1);
    EXPECT_THAT(call.console, HasSubstr("no file names were given"));
    EXPECT_FALSE(fs::exists(dir + "/pile.qx6o"));
}

TEST(Entry, AStoppedRunReturnsOne) {
    const std::string dir = test::freshFolder("entry-stop");
    test::Project p;
    p.profileBottom = 53.0; // the 50 ft pile of OD 24 in needs soil to 54 ft
    p.layers = {test::Layer{0.0, 53.0}};
    test::writeFile(dir + "/pile.qx6d", p.text());
    test::writeFile(dir + "/pile.cpt", " 1 0\n");
    test::writeFile(dir + "/names.dat", namesDat(dir));
    EXPECT_EQ(callEntry(dir, 9).status, 1);
    EXPECT_EQ(test::readFile(dir + "/pile.qx6p"), "");
}

} // namespace
} // namespace quvex
