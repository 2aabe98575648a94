#include "io/record_reader.hpp"

#include <gtest/gtest.h>

namespace quvex::io {
namespace {

TEST(RecordReader, RecordsRunOnOverLinesAndIgnoreTheRestOfTheirLastLine) {
    RecordReader r("Title line that is long\n1 1\n4 0 extra words\n  2.5, 3e2 ,-1.5D1\n\n7\n",
                   "x.qx6d");
    EXPECT_EQ(r.readLine("record 1", 5), "Title");
    r.beginRecord("record 4");
    EXPECT_EQ(r.readInteger("a"), 1);
    EXPECT_EQ(r.readInteger("b"), 1);
    EXPECT_EQ(r.readInteger("c"), 4); // continues on the next line
    EXPECT_EQ(r.readInteger("d"), 0);
    r.beginRecord("record 5"); // "extra words" are left behind
    EXPECT_DOUBLE_EQ(r.readReal("a"), 2.5);
    EXPECT_DOUBLE_EQ(r.readReal("b"), 300.0);
    EXPECT_DOUBLE_EQ(r.readReal("c"), -15.0);
    r.beginRecord("record 6"); // the blank line is passed over
    EXPECT_EQ(r.readInteger("a"), 7);
    EXPECT_EQ(r.lastValueLine(), 6);
}

TEST(RecordReader, ReadsWindowsLineEndsAndIntegersAsReals) {
    RecordReader r("3 +4\r\n5\r\n", "x");
    r.beginRecord("r");
    EXPECT_DOUBLE_EQ(r.readReal("a"), 3.0);
    EXPECT_EQ(r.readInteger("b"), 4);
    r.beginRecord("s");
    EXPECT_EQ(r.readInteger("c"), 5);
}

struct BadValue {
    const char* text;
    bool integer;
    const char* messagePart;
};

TEST(RecordReader, RefusesMalformedValuesNamingLineAndValue) {
    const BadValue cases[] = {
        {"1.0", true, "PrintInterval must be a whole number, found \"1.0\""},
        {"1e3", true, "must be a whole number"},
        {"abc", false, "PrintInterval must be a number, found \"abc\""},
        {"1.2.3", false, "must be a number"},
        {"nan", false, "must be a number"},
        {"inf", false, "must be a number"},
        {"-inf", false, "must be a number"},
        {"1e999", false, "out of range"},
        {"99999999999999999999", true, "too large"},
        {"1,,2", true, "two commas in a row"},
    };
    for (const BadValue& c : cases) {
        RecordReader r(std::string("ok\n") + c.text + "\n", "data.qx6d");
        r.readLine("record 1", 72);
        r.beginRecord("record 4");
        if (std::string(c.text) == "1,,2") r.readInteger("first");
        try {
            if (c.integer)
                r.readInteger("PrintInterval");
            else
                r.readReal("PrintInterval");
            ADD_FAILURE() << c.text << " was accepted";
        } catch (const InputError& e) {
            EXPECT_EQ(e.file(), "data.qx6d");
            EXPECT_EQ(e.line(), 2) << c.text;
            EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos)
                << c.text << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find("record 4"), std::string::npos);
        }
    }
}

TEST(RecordReader, EndOfFileInsideARecordNamesTheMissingValue) {
    RecordReader r("1 2\n", "f.cpt");
    r.beginRecord("record 1");
    r.readInteger("unit flag");
    r.readInteger("count");
    r.beginRecord("CPT point 1");
    try {
        r.readReal("depth");
        FAIL();
    } catch (const InputError& e) {
        EXPECT_EQ(e.line(), 1);
        EXPECT_STREQ(e.what(), "CPT point 1: the file ends before depth is read");
    }
}

TEST(RecordReader, MissingTitleLineIsAnError) {
    RecordReader r("", "f");
    EXPECT_THROW(r.readLine("record 1 (title)", 72), InputError);
}

} // namespace
} // namespace quvex::io
