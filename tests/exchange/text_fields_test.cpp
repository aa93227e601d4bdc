#include "exchange/text_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace brevanta {
namespace {

TEST(ImportFieldTest, FieldsAreSplitAtEveryCommaAndTrimmed) {
    const std::string line = "  01/05/2000 , CC,100.50, a note\r";
    EXPECT_EQ(ImportField(line, 1), "01/05/2000");
    EXPECT_EQ(ImportField(line, 2), "CC");
    EXPECT_EQ(ImportField(line, 3), "100.50");
    EXPECT_EQ(ImportField(line, 4), "a note");
}

TEST(ImportFieldTest, MissingFieldsAreEmpty) {
    EXPECT_EQ(ImportField("01/05/2000", 1), "01/05/2000");
    EXPECT_EQ(ImportField("01/05/2000", 2), "");
    EXPECT_EQ(ImportField("01/05/2000,", 2), "");
    EXPECT_EQ(ImportField("", 1), "");
    EXPECT_EQ(ImportField("a,,c", 2), "");
    EXPECT_EQ(ImportField("a,,c", 3), "c");
}

TEST(ImportFieldTest, QuotesAreNotSpecial) {
    EXPECT_EQ(ImportField("\"a,b\",c", 1), "\"a");
    EXPECT_EQ(ImportField("\"a,b\",c", 2), "b\"");
}

TEST(ImportFieldTest, OnlyTheNext9999CharactersFollowEachComma) {
    const std::string line = "a," + std::string(9998, 'x') + ",tail";
    EXPECT_EQ(ImportField(line, 3), "");
    const std::string cut = "a," + std::string(9997, 'x') + ",tail";
    EXPECT_EQ(ImportField(cut, 3), "t");
    const std::string whole = "a," + std::string(9994, 'x') + ",tail";
    EXPECT_EQ(ImportField(whole, 3), "tail");
}

TEST(UnquotedLineTest, QuotesGoOnlyWhenEveryFieldHasThem) {
    const struct {
        const char* line;
        const char* read_as;
    } cases[] = {
        {"\"1/31/2020\",\"CC\",\"100\"", "1/31/2020,CC,100"},
        {" \"1/31/2020\" , \"100\"\r", "1/31/2020,100"},
        {"\"1/31/2020\",CC,\"100\"", "\"1/31/2020\",CC,\"100\""},
        {"\"1/31/2020\",\"CC\",\"1,000.00\"", "\"1/31/2020\",\"CC\",\"1,000.00\""},
        {"\"1/31/2020\",", "\"1/31/2020\","},
        {"1/31/2020, CC, 100", "1/31/2020, CC, 100"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(UnquotedLine(c.line), c.read_as) << c.line;
}

TEST(CsvQuotedTest, BreaksBecomeBlanksAndCommasOrQuotesAreQuoted) {
    EXPECT_EQ(OneLine("a\r\nb\nc\rd"), "a b c d");
    EXPECT_EQ(OneLine(std::string("a\x1b[2J\0b\tc", 9)), "a[2Jb\tc");
    EXPECT_EQ(CsvQuoted("Growth Fund"), "Growth Fund");
    EXPECT_EQ(CsvQuoted("Smith, Jones"), "\"Smith, Jones\"");
    EXPECT_EQ(CsvQuoted("The \"Big\" One"), "\"The \"\"Big\"\" One\"");
    EXPECT_EQ(CsvQuoted("Two\r\nLines"), "Two Lines");
    EXPECT_EQ(CsvQuoted(""), "");
}

}  // namespace
}  // namespace brevanta
