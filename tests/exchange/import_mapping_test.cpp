#include "exchange/import_mapping.h"

#include <gtest/gtest.h>

#include "core/date_format.h"
#include "exchange/import_fixtures.h"
#include "store/temp_dir.h"

namespace brevanta::testing {
namespace {

TEST(ImportMappingTest, EveryMemberIsReadAndWrittenBackAsItWas) {
    ImportMapping full;
    ASSERT_TRUE(ReadImportMapping(R"({
        "delimiter": ";", "encoding": "windows-1252", "skip": 2,
        "date": {"column": 1, "format": "d.M.yy"}, "decimal": ",", "grouping": " ",
        "amount": {"column": 4}, "type": {"column": 3, "map": {"Kauf": "CC", "Zins": "DI"}},
        "description": {"column": 2}})",
                                  &full)
                    .ok());
    EXPECT_EQ(full.delimiter, ';');
    EXPECT_EQ(full.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(full.skip, 2u);
    EXPECT_EQ(full.date_format, ImportDateFormat::DayMonthShortYearDots);
    EXPECT_EQ(full.separators, (AmountSeparators{',', ' '}));
    EXPECT_EQ(full.amount_column, 4);
    EXPECT_EQ(full.type_codes.at("Zins"), "DI");
    EXPECT_EQ(full.description_column, 2);

    ImportMapping plain;  // the defaults, debit and credit, the sign
    ASSERT_TRUE(ReadImportMapping(kBrokerMapping, &plain).ok());
    EXPECT_EQ(plain.delimiter, ',');
    EXPECT_FALSE(plain.encoding);
    EXPECT_FALSE(plain.date_format);
    EXPECT_EQ(plain.separators, (AmountSeparators{'.', ','}));
    EXPECT_EQ(plain.debit_column, 3);
    EXPECT_TRUE(plain.type_from_sign);

    TempDir dir;
    for (const ImportMapping& mapping : {full, plain}) {
        const std::string path = dir.File("mappings/bank.json");
        ASSERT_TRUE(SaveImportMapping(path, mapping).ok());
        ImportMapping read;
        ASSERT_TRUE(LoadImportMapping(path, &read).ok());
        EXPECT_EQ(read, mapping) << ImportMappingJson(mapping);
    }
    EXPECT_EQ(SavedMappingNames(dir.path()), std::vector<std::string>({"bank"}));
}

TEST(ImportMappingTest, AnUnknownMemberOrABadValueRefusesTheMappingNamingIt) {
    const std::string valid = R"("date": {"column": 1}, "amount": {"column": 2})";
    const struct {
        std::string json;
        const char* message;
    } cases[] = {
        {"{\"date\": ", "not valid JSON (at byte 10)"},
        {"{\"skip\": 1e999}", "not valid JSON (a number out of range)"},
        {"[1]", "not a JSON object"},
        {"{" + valid + ", \"colour\": \"red\"}", "unknown member \"colour\""},
        {R"({"date": {"column": 1, "fromat": "d.M.yyyy"}, "amount": {"column": 2}})",
         "unknown member \"date.fromat\""},
        {"{" + valid + ", \"delimiter\": \"|\"}", "\"delimiter\" must be \",\", \";\" or \"\\t\""},
        {"{" + valid + ", \"encoding\": \"latin1\"}",
         "\"encoding\" must be \"UTF-8\" or \"Windows-1252\""},
        {"{" + valid + ", \"skip\": -1}", "\"skip\" must be a whole number of 0 or more"},
        {"{" + valid + ", \"skip\": 1.5}", "\"skip\" must be a whole number of 0 or more"},
        {R"({"amount": {"column": 2}})", "\"date\" is missing"},
        {R"({"date": {}, "amount": {"column": 2}})", "\"date.column\" is missing"},
        {R"({"date": {"column": 0}, "amount": {"column": 2}})",
         "\"date.column\" must be a whole number from 1 to 1000"},
        {R"({"date": {"column": 1, "format": "dd/mm/yyyy"}, "amount": {"column": 2}})",
         "\"date.format\" must be one of M/d/yyyy, d.M.yyyy, yyyy-MM-dd, d/M/yyyy, M/d/yy, "
         "d.M.yy, d/M/yy"},
        {"{" + valid + ", \"decimal\": \";\"}", "\"decimal\" must be \".\" or \",\""},
        {"{" + valid + ", \"decimal\": \",\", \"grouping\": \",\"}",
         "\"grouping\" must differ from \"decimal\""},
        {"{" + valid + ", \"debit\": {\"column\": 3}, \"credit\": {\"column\": 4}}",
         "\"amount\" excludes \"debit\" and \"credit\""},
        {R"({"date": {"column": 1}, "debit": {"column": 3}})", "\"debit\" needs \"credit\""},
        {R"({"date": {"column": 1}})", "\"amount\" is missing"},
        {"{" + valid + ", \"type\": {\"column\": 3}}", "\"type.map\" is missing"},
        {"{" + valid + ", \"type\": {\"column\": 3, \"map\": {\"Kauf\": \"cc\"}}}",
         "\"type.map\" maps \"Kauf\" to \"cc\", not to \"CC\", \"DI\" or \"WI\""},
        {"{" + valid + ", \"type\": {\"column\": 3, \"map\": {}}, \"type_from_sign\": true}",
         "\"type\" excludes \"type_from_sign\""},
        {"{" + valid + ", \"type_from_sign\": \"yes\"}",
         "\"type_from_sign\" must be true or false"},
        {"{" + valid + ", \"description\": 2}",
         "\"description\" must be an object with \"column\""},
    };
    for (const auto& c : cases) {
        ImportMapping mapping;
        mapping.skip = 7;
        const Status status = ReadImportMapping(c.json, &mapping);
        EXPECT_TRUE(status.IsInvalidArgument()) << c.json;
        EXPECT_EQ(status.message(), c.message) << c.json;
        EXPECT_EQ(mapping.skip, 7u) << c.json;
    }
}

TEST(ImportMappingTest, AFileThatIsNoMappingIsNamedInTheMessage) {
    TempDir dir;
    const std::string path = dir.File("odd.json");
    WriteBytes(path, "{\"date\": {\"column\": 1}}");
    ImportMapping mapping;
    EXPECT_EQ(LoadImportMapping(path, &mapping).message(), path + ": \"amount\" is missing.");
    EXPECT_EQ(LoadImportMapping(dir.File("none.json"), &mapping).message(),
              "Could not read " + dir.File("none.json") + ": No such file or directory");
    EXPECT_EQ(MappingNameRefusal("a/b")->English(),
              "A mapping's name cannot hold \"/\", start with \".\" or end in \".json\".");
    EXPECT_FALSE(MappingNameRefusal("Girokonto 2024"));
}

TEST(MappedFieldsTest, QuotesKeepDelimitersAndBlanksAroundFieldsGo) {
    const struct {
        const char* line;
        char delimiter;
        std::vector<std::string> fields;
    } cases[] = {
        {"\"a;b\";c", ';', {"a;b", "c"}},      {"\"say \"\"hi\"\"\" , x", ',', {"say \"hi\"", "x"}},
        {" a , ,b ", ',', {"a", "", "b"}},     {"\"open;x", ';', {"open;x"}},
        {"1\t \t\"2\"", '\t', {"1", "", "2"}}, {";;", ';', {"", "", ""}},
    };
    for (const auto& c : cases) EXPECT_EQ(DelimitedFields(c.line, c.delimiter), c.fields) << c.line;
    EXPECT_TRUE(AllFieldsEmpty(DelimitedFields(" ; \"\" ;", ';')));
}

TEST(MappedFieldsTest, AnAmountIsDigitsInGroupsOfThreeAndNothingElse) {
    const AmountSeparators german{',', '.'};
    const AmountSeparators english{'.', ','};
    const struct {
        const char* text;
        AmountSeparators separators;
        std::optional<double> amount;
    } cases[] = {
        {"1.234,56", german, 1234.56},
        {"-1.234.567,5", german, -1234567.5},
        {"1234,56", german, 1234.56},
        {"0,00", german, 0},
        {"2,500.00", english, 2500},
        {"1 234,56", {',', ' '}, 1234.56},
        {"12.34,5", german, std::nullopt},
        {"1234.567,00", german, std::nullopt},
        {"1.234", {',', std::nullopt}, std::nullopt},
        {"1,5 EUR", german, std::nullopt},
        {"+5", german, std::nullopt},
        {"1,", german, std::nullopt},
        {",5", german, std::nullopt},
        {"5-", german, std::nullopt},
        {"-", german, std::nullopt},
        {"", german, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadAmount(c.text, c.separators), c.amount) << c.text;
}

TEST(ImportDateFormatTest, ADateReadsOnlyInItsFormat) {
    using enum ImportDateFormat;
    const struct {
        const char* text;
        ImportDateFormat format;
        const char* date;  // yyyy-mm-dd, or empty
    } cases[] = {
        {"31.01.2024", DayMonthYearDots, "2024-01-31"},
        {"31.1.24", DayMonthShortYearDots, "2024-01-31"},
        {"1/2/50", MonthDayShortYear, "1950-01-02"},
        {"2024-1-5", YearMonthDay, "2024-01-05"},
        {"13/01/2024", DayMonthYearSlashes, "2024-01-13"},
        {"31.01.24", DayMonthYearDots, ""},
        {"31.01.2024", DayMonthShortYearDots, ""},
        {"13/01/2024", MonthDayYear, ""},
        {"02/30/2024", MonthDayYear, ""},
        {"31-01-2024", DayMonthYearDots, ""},
        {"001.1.2024", DayMonthYearDots, ""},
    };
    for (const auto& c : cases) {
        const std::optional<Date> date = ReadImportDate(c.text, c.format);
        EXPECT_EQ(date ? FormatDate(*date, "yyyy-mm-dd") : "", c.date) << c.text;
    }
    for (ImportDateFormat format : kImportDateFormats) {
        EXPECT_EQ(ImportDateFormatNamed(ImportDateFormatName(format)), format);
    }
}

}  // namespace
}  // namespace brevanta::testing
