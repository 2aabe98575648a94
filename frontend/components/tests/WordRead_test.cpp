#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <locale>

#include "WordRead.hpp"

namespace quvex {
namespace {

std::string Fixture(const char* name) {
    return std::string(QUVEX_FIXTURES) + "/" + name;
}

template <class F> std::string MessageOf(F&& read) {
    try {
        read();
    } catch (const EInOutError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(WordReader, SplitsOnRunsOfBlanksAndTabs) {
    TWordReader r(Fixture("words_first_line.txt"));
    EXPECT_EQ(r.WordCount(), 3);
    EXPECT_DOUBLE_EQ(r.ReadReal(), 1.5);
    EXPECT_EQ(r.ReadInteger(), 2);
    EXPECT_EQ(MessageOf([&] { r.ReadReal(); }),
              "Error on Line 1 Item 3\nA floating point number was expected but not found.");
}

TEST(WordReader, IntegersMayCarryZeroFraction) {
    TWordReader r(Fixture("mixed_words.txt"));
    EXPECT_EQ(r.ReadLine(), "Title line with words"); // carriage return dropped
    EXPECT_EQ(r.ReadInteger(), 3);
    EXPECT_EQ(r.ReadInteger(), 2);
    try {
        r.ReadInteger();
        FAIL() << "2.5 accepted as an integer";
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), "Error on Line 2 Item 3\nAn integer was expected but not found.");
        EXPECT_EQ(e.FileName(), Fixture("mixed_words.txt"));
        EXPECT_EQ(e.Line(), 2);
        EXPECT_EQ(e.Item(), 3);
    }
    EXPECT_DOUBLE_EQ(r.ReadReal(), 12.5);
    EXPECT_DOUBLE_EQ(r.ReadReal(), -0.045);
    EXPECT_DOUBLE_EQ(r.ReadReal(), 0.5);
    // Only one line is passed over per word: the empty line 4 makes it fail.
    EXPECT_EQ(MessageOf([&] { r.NextWord(); }), "This file either invalid or incomplete.");
}

TEST(WordReader, ReadLineInTheMiddleOfALineMovesToTheNext) {
    TWordReader r(Fixture("mixed_words.txt"));
    r.ReadLine();
    EXPECT_EQ(r.NextWord(), "3");
    EXPECT_EQ(r.ReadLine(), "  3 2.0 2.5");
    EXPECT_EQ(r.NextWord(), "1.25E+01");
}

TEST(WordReader, ReadingPastTheLastWordFails) {
    TWordReader r(Fixture("mixed_words.txt"));
    for (int i = 0; i < 4; ++i)
        r.ReadLine();
    EXPECT_EQ(r.NextWord(), "last");
    EXPECT_EQ(r.ReadInteger(), 7);
    EXPECT_FALSE(r.AtEnd()); // the last line is left only by the next read
    EXPECT_EQ(MessageOf([&] { r.NextWord(); }), "This file either invalid or incomplete.");
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(MessageOf([&] { r.ReadLine(); }), "This file either invalid or incomplete.");
}

TEST(WordReader, RefusesWordsThatAreNoNumbers) {
    auto path = std::filesystem::path(testing::TempDir()) / "not_numbers.txt";
    {
        std::FILE* f = std::fopen(path.c_str(), "w");
        std::fputs("1,5 nan inf 1e999 0x10 3e 3000000000 -2147483648\n", f);
        std::fclose(f);
    }
    TWordReader r(path.string());
    for (int item = 1; item <= 6; ++item)
        EXPECT_EQ(MessageOf([&] { r.ReadReal(); }),
                  "Error on Line 1 Item " + std::to_string(item) +
                      "\nA floating point number was expected but not found.");
    EXPECT_EQ(MessageOf([&] { r.ReadInteger(); }),
              "Error on Line 1 Item 7\nAn integer was expected but not found.");
    EXPECT_EQ(r.ReadInteger(), -2147483648);
}

TEST(WordReader, EmptyFileIsOneEmptyLine) {
    auto path = std::filesystem::path(testing::TempDir()) / "empty.txt";
    std::fclose(std::fopen(path.c_str(), "w"));
    TWordReader r(path.string());
    EXPECT_FALSE(r.AtEnd());
    EXPECT_EQ(r.WordCount(), 0);
    EXPECT_EQ(r.ReadLine(), "");
    EXPECT_TRUE(r.AtEnd());
}

TEST(WordReader, MissingFileNamesTheFile) {
    try {
        TWordReader r("/nonexistent/dir/plot.qx6p");
        FAIL();
    } catch (const EInOutError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/dir/plot.qx6p"), std::string::npos);
    }
}

// ---- decimal separator ---------------------------------------------------

struct TCommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

// Switches the C library to a locale with "," as decimal separator: one that
// is installed, or one built with localedef into the test's temporary folder.
bool UseCommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"})
        if (std::setlocale(LC_ALL, name) != nullptr && *std::localeconv()->decimal_point == ',')
            return true;
    std::string dir = testing::TempDir() + "quvex_locales";
    if (!std::filesystem::exists(dir + "/de_DE.UTF-8")) {
        std::filesystem::create_directories(dir);
        std::string cmd = "localedef -i de_DE -f UTF-8 " + dir + "/de_DE.UTF-8 >/dev/null 2>&1";
        if (std::system(cmd.c_str()) != 0) return false;
    }
    setenv("LOCPATH", dir.c_str(), 1);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr &&
           *std::localeconv()->decimal_point == ',';
}

TEST(WordReader, DecimalPointWhateverTheProcessLocale) {
    std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new TCommaPunct));
    bool cLocale = UseCommaLocale();
    if (cLocale) {
        // the C library itself now reads "1.5" as 1
        EXPECT_EQ(std::strtod("1.5", nullptr), 1.0);
    }
    TWordReader r(Fixture("decimal_points.txt"));
    r.ReadLine();
    double depth = r.ReadReal();
    double qc = r.ReadReal();
    double depth2 = r.ReadReal();
    double qc2 = r.ReadReal();
    std::setlocale(LC_ALL, "C");
    std::locale::global(previous);
    EXPECT_DOUBLE_EQ(depth, 0.5);
    EXPECT_DOUBLE_EQ(qc, 12.25);
    EXPECT_DOUBLE_EQ(depth2, 1.5);
    EXPECT_DOUBLE_EQ(qc2, -37.5);
    if (!cLocale) GTEST_SKIP() << "no C locale with a decimal comma could be made; C++ locale only";
}

} // namespace
} // namespace quvex
