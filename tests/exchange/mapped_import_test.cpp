#include <gtest/gtest.h>

#include "core/date_format.h"
#include "core/number_format.h"
#include "exchange/file_survey.h"
#include "exchange/import_export_engine.h"
#include "exchange/import_fixtures.h"
#include "store/data_store_fixture.h"

namespace brevanta::testing {
namespace {

using Request = ImportExportEngine::ImportRequest;

// Every fixture's dates come after the investment's inception, bar the one line that tests it.
class MappedImportTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        growth_ = AddPortfolio("Growth");
        fund_ = AddHolding(growth_, "Fund", D(2023, 12, 1), 1000);
    }

    Request RequestOf(ImportKind kind, const char* mapping_json) const {
        ImportMapping mapping;
        EXPECT_TRUE(ReadImportMapping(mapping_json, &mapping).ok()) << mapping_json;
        return {kind, growth_, fund_, mapping};
    }

    // The investment's stored records after its opening entry: "date, type, amount, text".
    std::vector<std::string> StoredRows(ImportKind kind) {
        if (kind == ImportKind::Transactions) return ImportedTransactions(store(), fund_);
        std::vector<std::string> rows;
        for (const ValueRecord& v : store().values().ValuesOfHolding(fund_)) {
            rows.push_back(FormatDate(v.Date, "yyyy-mm-dd") + ", " + FormatNumber(v.Value, "0.00"));
        }
        rows.erase(rows.begin());
        return rows;
    }

    Pid growth_{};
    Hid fund_{};
};

TEST_F(MappedImportTest, EachExportImportsItsRowsAndNamesTheLinesItSkips) {
    const struct {
        const char* file;
        ImportKind kind;
        const char* mapping;
        const char* message;
        std::vector<std::string> rows;
    } cases[] = {
        {"sparkonto.csv",
         ImportKind::Transactions,
         kSparkontoMapping,
         "4 Transaction records were imported successfully.\r\n"
         "3 lines were skipped: lines 2, 7, 9",
         {"2024-01-31, CC, 1000.00, Sparplan Januar",
          "2024-02-15, DI, 12.34, Aussch\u00fcttung Fonds",
          "2024-02-29, CC, 1000.00, Sparplan Februar", "2024-03-01, WI, 250.00, Entnahme"}},
        {"broker.csv",
         ImportKind::Transactions,
         kBrokerMapping,
         "3 Transaction records were imported successfully.\r\n1 line was skipped: line 5",
         {"2024-01-31, CC, 2500.00, Deposit", "2024-02-15, CC, 37.12, Dividend, reinvested",
          "2024-03-01, WI, 400.00, Transfer out"}},
        {"depot-1252.csv",
         ImportKind::Transactions,
         kDepotMapping,
         "2 Transaction records were imported successfully.",
         {"2024-01-02, CC, 500.00, Einzahlung 500 \u20ac",
          "2024-01-03, WI, 120.50, R\u00fcckzahlung"}},
        {"umsaetze-bom.tsv",
         ImportKind::Transactions,
         kUmsaetzeMapping,
         "2 Transaction records were imported successfully.\r\n1 line was skipped: line 3",
         {"2024-01-03, CC, 100.00, \u00dcberweisung", "2024-01-05, WI, 30.00, M\u00fcller"}},
        {"kurse.csv",
         ImportKind::HistoricalValues,
         kKurseMapping,
         "3 Historical Value records were imported successfully.\r\n1 line was skipped: line 4",
         {"2024-01-31, 101.25", "2024-02-29, 103.50", "2024-04-30, 104.10"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        fund_ = AddHolding(growth_, c.file, D(2023, 12, 1), 1000);
        ImportExportEngine engine(store());
        EXPECT_TRUE(engine.Import(RequestOf(c.kind, c.mapping), ImportFixture(c.file)).ok());
        EXPECT_EQ(engine.ResultMessage().English(), c.message);
        EXPECT_EQ(engine.Count(), static_cast<int>(c.rows.size()));
        EXPECT_EQ(StoredRows(c.kind), c.rows);
    }
}

TEST_F(MappedImportTest, APreviewNamesEveryLineAndStoresNothing) {
    std::vector<std::string> lines;
    ImportExportEngine engine(store());
    const Status status =
        engine.Preview(RequestOf(ImportKind::Transactions, kSparkontoMapping),
                       ImportFixture("sparkonto.csv"), [&](const ImportedLine& line) {
                           lines.push_back(std::to_string(line.number) + ": " +
                                           (line.refusal ? RefusalText(*line.refusal)
                                                         : ImportedEntryFields(line.entry)[1]));
                       });
    EXPECT_TRUE(status.ok());
    EXPECT_EQ(engine.ResultMessage().English(), "4 Transaction records would be imported.");
    EXPECT_EQ(lines,
              std::vector<std::string>(
                  {"2: the date 2023-11-15 is not after the inception date 2023-12-01", "3: CC",
                   "4: DI", "5: CC", "6: WI", "7: \"Entgelt\" in column 3 is not mapped to a type",
                   "9: \"Summe\" in column 1 is not a date in d.M.yyyy"}));
    EXPECT_TRUE(StoredRows(ImportKind::Transactions).empty());
}

TEST_F(MappedImportTest, EveryRuleOfTheFixedImportSkipsAMappedLineWithItsReason) {
    WriteBytes(File("rules.csv"),
               "Datum;Art;Betrag;Text\n"
               "01.01.1900;Einzahlung;10,00;\n"
               "02.01.2024;Einzahlung;0,004;\n"
               "03.01.2024;Einzahlung;5,00;Schnee \u2603\n"
               "04.01.2024;Einzahlung;-5,00;\n"
               " ; ;;\n"
               "05.01.2024;Auszahlung;-5,00;\n");
    const char* mapping = R"({"delimiter": ";", "skip": 1,
        "date": {"column": 1, "format": "d.M.yyyy"}, "decimal": ",", "amount": {"column": 3},
        "type": {"column": 2, "map": {"Einzahlung": "CC", "Auszahlung": "WI"}},
        "description": {"column": 4}})";
    std::vector<std::string> lines;
    ImportExportEngine engine(store());
    EXPECT_TRUE(engine
                    .Preview(RequestOf(ImportKind::Transactions, mapping), File("rules.csv"),
                             [&](const ImportedLine& line) {
                                 lines.push_back(std::to_string(line.number) + ": " +
                                                 (line.refusal
                                                      ? RefusalText(*line.refusal)
                                                      : ImportedEntryFields(line.entry)[2]));
                             })
                    .ok());
    EXPECT_EQ(lines, std::vector<std::string>(
                         {"2: the date 1900-01-01 is not between 1900-01-02 and 2099-12-31",
                          "3: the amount rounds to 0.00",
                          "4: the description holds \"\u2603\" (U+2603), which cannot be stored",
                          "5: the amount is negative, and only WI may be; \"Einzahlung\" is mapped "
                          "to CC",
                          "7: 5.00"}));
}

TEST_F(MappedImportTest, WhatTheMappingCannotSayImportsNothing) {
    const struct {
        const char* file;
        ImportKind kind;
        std::string mapping;
        const char* message;
    } cases[] = {
        {"ambiguous.csv", ImportKind::Transactions, kAmbiguousMapping,
         "The dates in column 1 read as M/d/yyyy and as d/M/yyyy: name one in \"date.format\"."},
        {"ambiguous.csv", ImportKind::Transactions,
         R"({"skip": 1, "date": {"column": 2}, "amount": {"column": 2}, "type_from_sign": true})",
         "Column 2 holds no dates."},
        {"broker.csv", ImportKind::HistoricalValues, kBrokerMapping,
         "A mapping for historical values takes the value from \"amount\"."},
        {"kurse.csv", ImportKind::Transactions, kKurseMapping,
         "A mapping for transactions needs \"type\" or \"type_from_sign\"."},
        {"kurse.csv", ImportKind::HistoricalValues,
         R"({"skip": 1, "date": {"column": 1, "format": "d.M.yyyy"}, "amount": {"column": 2}})",
         "No Historical Value records were imported: no line fits the mapping.\r\n"
         "4 lines were skipped: lines 2, 3, 4, 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        ImportExportEngine engine(store());
        EXPECT_FALSE(
            engine.Import(RequestOf(c.kind, c.mapping.c_str()), ImportFixture(c.file)).ok());
        EXPECT_TRUE(engine.ResultMessage().English().starts_with(c.message))
            << engine.ResultMessage().English();
        EXPECT_TRUE(StoredRows(c.kind).empty());
    }
    // Named, the format reads the dates day first.
    ImportExportEngine engine(store());
    Request request = RequestOf(ImportKind::Transactions, kAmbiguousMapping);
    request.mapping->date_format = ImportDateFormat::DayMonthYearSlashes;
    EXPECT_TRUE(engine.Import(request, ImportFixture("ambiguous.csv")).ok());
    EXPECT_EQ(StoredRows(ImportKind::Transactions),
              std::vector<std::string>({"2024-02-01, CC, 100.00, ", "2024-04-03, CC, 200.00, ",
                                        "2024-06-05, WI, 50.00, "}));
}

TEST_F(MappedImportTest, TheGuessReadsEachExportAsItsMappingDoes) {
    const struct {
        const char* file;
        const char* mapping;
        TextEncoding encoding;
        std::vector<ImportDateFormat> formats;
    } cases[] = {
        {"sparkonto.csv",
         kSparkontoMapping,
         TextEncoding::Utf8,
         {ImportDateFormat::DayMonthYearDots}},
        {"broker.csv", kBrokerMapping, TextEncoding::Utf8, {ImportDateFormat::MonthDayYear}},
        {"depot-1252.csv",
         kDepotMapping,
         TextEncoding::Windows1252,
         {ImportDateFormat::DayMonthYearDots}},
        {"umsaetze-bom.tsv",
         kUmsaetzeMapping,
         TextEncoding::Utf8,
         {ImportDateFormat::DayMonthShortYearDots}},
        {"kurse.csv", kKurseMapping, TextEncoding::Utf8, {ImportDateFormat::YearMonthDay}},
        {"ambiguous.csv",
         kAmbiguousMapping,
         TextEncoding::Utf8,
         {ImportDateFormat::MonthDayYear, ImportDateFormat::DayMonthYearSlashes}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const ImportKind kind = std::string(c.file) == "kurse.csv" ? ImportKind::HistoricalValues
                                                                   : ImportKind::Transactions;
        FileSample sample;
        ASSERT_TRUE(ReadFileSample(ImportFixture(c.file), &sample).ok());
        ImportMapping guessed = GuessMapping(sample, kind);
        ImportMapping expected = RequestOf(kind, c.mapping).mapping.value();
        // Types in words and descriptions are the user's to map.
        guessed.description_column = expected.description_column;
        if (expected.type_column) {
            guessed.type_from_sign = false;
            guessed.type_column = expected.type_column;
            guessed.type_codes = expected.type_codes;
        }
        EXPECT_EQ(ImportMappingJson(guessed), ImportMappingJson(expected));

        FileSurvey survey;
        ASSERT_TRUE(SurveyFile(ImportFixture(c.file), guessed, &survey).ok());
        EXPECT_EQ(survey.encoding, c.encoding);
        EXPECT_EQ(survey.date_formats, c.formats);
    }
}

}  // namespace
}  // namespace brevanta::testing
