#include "exchange/import_export_engine.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/file_system.h"
#include "exchange/failing_stream.h"
#include "fakes/failing_file_system.h"
#include "store/data_store_fixture.h"

namespace brevanta::testing {
namespace {

const std::string kHyphens(80, '-');

// The bytes of address space this process has mapped.
rlim_t AddressSpaceInUse() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmSize:")) return std::stoull(line.substr(7)) * 1024;
    }
    return 0;
}

class ImportExportEngineTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        growth_ = AddPortfolio("Growth");
        alpha_ = AddHolding(growth_, "Alpha Fund", D(2000, 1, 15), 1000);
        engine_ = std::make_unique<ImportExportEngine>(store());
    }

    std::unique_ptr<ImportExportEngine> engine_;
    Pid growth_{};
    Hid alpha_{};
};

TEST_F(ImportExportEngineTest, NewInvestmentExportsItsOpeningContribution) {
    const std::string path = File("alpha.csv");
    ASSERT_TRUE(engine_->ExportTransactions(growth_, alpha_, path).ok());
    EXPECT_EQ(ReadBytes(path), "PORTFOLIO: Growth\r\nHOLDING: Alpha Fund\r\n" + kHyphens +
                                   "\r\n01/15/2000, CC, 1000.00\r\n");
    EXPECT_EQ(engine_->Count(), 1);
    EXPECT_EQ(engine_->ResultMessage().English(),
              "1 transaction records were exported to " + path + "\r\nsuccessfully.");
}

TEST_F(ImportExportEngineTest, ExportIntoAnotherInvestmentImportsEveryDataLine) {
    AddTransaction(alpha_, D(2000, 3, 1), "CC", 500, "second deposit");
    AddTransaction(alpha_, D(2000, 6, 30), "DI", 20.5);
    AddTransaction(alpha_, D(2000, 9, 15), "WI", 200);
    const std::string path = File("alpha.csv");
    ASSERT_TRUE(engine_->ExportTransactions(growth_, alpha_, path).ok());
    EXPECT_EQ(engine_->Count(), 4);

    const Hid beta = AddHolding(growth_, "Beta Fund", D(1999, 2, 1), 300);
    ASSERT_TRUE(engine_->ImportTransactions(growth_, beta, path).ok());
    EXPECT_EQ(engine_->Count(), 4);
    EXPECT_EQ(engine_->ResultMessage().English(),
              "4 Transaction records were imported successfully.");

    const std::vector<TransactionRecord> imported =
        store().transactions().TransactionsOfHolding(beta);
    ASSERT_EQ(imported.size(), 5u);
    EXPECT_EQ(imported[1].Date, D(2000, 1, 15));
    EXPECT_EQ(imported[1].Type, "CC");
    EXPECT_EQ(imported[1].Amount, 1000);
    EXPECT_EQ(imported[2].Amount, 500);
    EXPECT_EQ(imported[3].Type, "DI");
    EXPECT_EQ(imported[3].Amount, 20.5);
    EXPECT_EQ(imported[4].Type, "WI");
    for (std::size_t i = 1; i < imported.size(); ++i) {
        EXPECT_EQ(imported[i].Description, "");
        EXPECT_EQ(imported[i].HoldingId, beta);
        EXPECT_EQ(imported[i].PortfolioId, growth_);
    }
}

TEST_F(ImportExportEngineTest, SkippedLinesAreCountedAndNamed) {
    std::istringstream in(
        "02/05/2000, cc, 100\r\n"       // lower-case code
        "02/05/2000, CC, 0\r\n"         // amount 0
        "02/05/2000, WI, -5\n"          // negative amount
        "02/05/2000, XX, 5\r"           // unknown code
        "13/45/2000, CC, 5\r\n"         // no such date
        "02/05/2000, DI, 1,000.00\r\n"  // a number written with a comma
        "\r\n"                          // empty: not counted
        "  02/06/2000 , CC , 100.50 , paid in cash\r\n"
        "02/07/2000, DI, abc\r\n"
        "01/15/2000, CC, 5\r\n"    // on the inception date
        "12/31/1899, CC, 5\r\n");  // before the inception, and the first date there is
    ASSERT_TRUE(engine_->ImportTransactions(growth_, alpha_, in).ok());
    EXPECT_EQ(engine_->Count(), 1);
    EXPECT_EQ(engine_->ResultMessage().English(),
              "1 Transaction records were imported successfully.\r\n"
              "9 lines were skipped: lines 1, 2, 3, 4, 5, 6, 9, 10, 11");
    const std::vector<TransactionRecord> list =
        store().transactions().TransactionsOfHolding(alpha_);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].Date, D(2000, 2, 6));
    EXPECT_EQ(list[1].Amount, 100.50);
}

TEST_F(ImportExportEngineTest, EachFormOfAValuesLineReadsAsExpected) {
    const struct {
        const char* text;
        double value;  // 0: nothing imported
    } cases[] = {
        {"02/29/2000, 1050.25", 1050.25},
        {"2/29/00, 1050.25", 1050.25},
        {"2000-02-29, 1050.25", 1050.25},
        {"\xEF\xBB\xBF"
         "02/29/2000, 1050.25",
         1050.25},
        {"\"02/29/2000\",\"1050.25\"", 1050.25},
        {"02/29/2000, 1050.25, month end", 1050.25},
        {"02/29/2000, 1,000.00", 0},
        {"02/29/2000, 1.234,56", 0},
        {"02/29/2000, 100,50", 0},
        {"\"02/29/2000\",\"1,000.00\"", 0},
        {"29/02/2000, 1050.25", 0},
        {"02/29/2000", 0},
        {"02/29/2000, 0", 0},
        // Whatever follows a number split by a comma, the line is not read as its first part.
        {"02/29/2000, 1,000.00 USD", 0},
        {"02/29/2000, 12,50 EUR", 0},
        {"02/29/2000, 2,500.00-", 0},
        {"02/29/2000, 3,000.", 0},
        // Stored with two decimals: 0.00 is no value.
        {"02/29/2000, 0.004", 0},
        {"02/29/2000, 0.005", 0.01},
        // The inception's value is the initial amount; dates end with 2099.
        {"01/15/2000, 1050.25", 0},
        {"01/01/2100, 1050.25", 0},
    };
    for (const auto& c : cases) {
        const Hid fund = AddHolding(growth_, "Fund", D(2000, 1, 15), 1000);
        std::istringstream in(c.text);
        EXPECT_EQ(engine_->ImportHistoricalValues(growth_, fund, in).ok(), c.value > 0) << c.text;
        const std::vector<ValueRecord> values = store().values().ValuesOfHolding(fund);
        ASSERT_EQ(values.size(), c.value > 0 ? 2u : 1u) << c.text;
        if (c.value > 0) {
            EXPECT_EQ(values[1].Date, D(2000, 2, 29)) << c.text;
            EXPECT_EQ(values[1].Value, c.value) << c.text;
        }
    }
}

TEST_F(ImportExportEngineTest, FileWithoutAnImportableLineSaysSo) {
    std::istringstream empty("");
    EXPECT_TRUE(engine_->ImportTransactions(growth_, alpha_, empty).IsInvalidArgument());
    EXPECT_EQ(engine_->ResultMessage().English(),
              "No Transaction records were imported: no line holds a date, a type code (CC, DI "
              "or WI) and an amount above 0.");
    std::string bad_lines;
    for (int i = 0; i < 12; ++i) bad_lines += "x\r\n";
    std::istringstream twelve(bad_lines);
    EXPECT_FALSE(engine_->ImportHistoricalValues(growth_, alpha_, twelve).ok());
    EXPECT_EQ(engine_->Count(), 0);
    EXPECT_EQ(engine_->ResultMessage().English(),
              "No Historical Value records were imported: no line holds a date and a value "
              "above 0.\r\n12 lines were skipped: lines 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 ...");
}

TEST_F(ImportExportEngineTest, AnAmountTheTablesCannotHoldIsSkippedAndNamed) {
    std::istringstream in("02/05/2000, CC, 100\r\n\r\n02/06/2000, CC, 100000000000000000000\r\n");
    ASSERT_TRUE(engine_->ImportTransactions(growth_, alpha_, in).ok());
    EXPECT_EQ(engine_->ResultMessage().English(),
              "1 Transaction records were imported successfully.\r\n1 line was skipped: line 3");
}

// The file is fine; the table is not. The message says what happened, and no line is blamed.
TEST_F(ImportExportEngineTest, ATableThatCannotTakeTheRecordsSaysWhyAndKeepsEveryByte) {
    AppendRawRow(kTransactionTableFile, {{"TID", "9999999998"},
                                         {"HID", "99"},
                                         {"PID", "99"},
                                         {"TRANSDATE", "20000101"},
                                         {"TRANSTYPE", "CC"},
                                         {"AMT", "1"}});
    Reopen();
    ImportExportEngine engine(store());
    const std::string before = ReadBytes(File(kTransactionTableFile));
    const struct {
        const char* name;
        int failing_step;  // of the file system; 0 for none
        const char* lines;
        std::string message;
    } cases[] = {
        {"full disk", 1, "02/05/2000, CC, 100\r\n",
         dir_.path() + ": cannot change the tables: Input/output error"},
        {"identifier limit", 0, "02/05/2000, CC, 100\r\n02/06/2000, CC, 200\r\n",
         "Trans.dbf, field TID: The number 10000000000 does not fit field TID."},
    };
    for (const auto& c : cases) {
        FailingFileSystem disk(c.failing_step);
        const ScopedFileSystem scoped(disk);
        std::istringstream in(c.lines);
        EXPECT_FALSE(engine.ImportTransactions(growth_, alpha_, in).ok()) << c.name;
        EXPECT_EQ(engine.ResultMessage().English(), c.message + "\r\nNo records were imported.")
            << c.name;
        EXPECT_EQ(ReadBytes(File(kTransactionTableFile)), before) << c.name;
    }
}

// Under a limit on the address space an import of many lines runs out of memory while it reads
// the file. The sanitizers' shadow memory exceeds any such limit.
#if !defined(__SANITIZE_ADDRESS__)
TEST_F(ImportExportEngineTest, AnImportThatRunsOutOfMemorySaysSoAndStoresNothing) {
    const std::string path = File("many.csv");
    {
        std::ofstream out(path, std::ios::binary);
        for (int line = 0; line < 400000; ++line) out << "02/05/2000, CC, 100\r\n";
    }
    const std::string before = ReadBytes(File(kTransactionTableFile));
    const pid_t child = fork();
    if (child == 0) {
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = AddressSpaceInUse() + 16 * 1024 * 1024;
        setrlimit(RLIMIT_AS, &limit);
        const Status status = engine_->ImportTransactions(growth_, alpha_, path);
        _exit(!status.ok() && engine_->ResultMessage().English() ==
                                  "There is not enough memory to import the file.\r\n"
                                  "No records were imported."
                  ? 0
                  : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(File(kTransactionTableFile)), before);
}
#endif

TEST_F(ImportExportEngineTest, ValuesExportStartsWithTheOpeningValue) {
    AddValue(alpha_, D(2000, 1, 31), 1010.1);
    AddValue(alpha_, D(2000, 2, 29), 987.654);
    std::ostringstream out;
    ASSERT_TRUE(engine_->ExportHistoricalValues(growth_, alpha_, out, "values.csv").ok());
    EXPECT_EQ(out.str(), "PORTFOLIO: Growth\r\nHOLDING: Alpha Fund\r\n" + kHyphens +
                             "\r\n01/15/2000, 1000.00\r\n01/31/2000, 1010.10\r\n"
                             "02/29/2000, 987.65\r\n");
    EXPECT_EQ(engine_->ResultMessage().English(),
              "3 historical value records were exported successfully.");
}

TEST_F(ImportExportEngineTest, PerformanceExportMarksUncalculatedFiguresNa) {
    AddHolding(growth_, "Beta Fund", D(2001, 2, 1), 300);
    PerformanceFigures figures;
    figures.PerformanceDate = D(2010, 12, 31);
    figures.Figures = {1.5f, 2.25f, -3.5f, 4, 5.123456789f, 6, 7, 8.5f, 9, 10, 11, 12, 13, 14};
    ASSERT_TRUE(store().holdings().StoreHoldingFigures(alpha_, figures).ok());
    figures.Figures[Figure::TeYr] = NotCalculated;
    ASSERT_TRUE(store().portfolios().StorePortfolioFigures(growth_, figures).ok());

    std::ostringstream out;
    ASSERT_TRUE(engine_->ExportPerformance(growth_, out, "performance.csv").ok());
    EXPECT_EQ(out.str(),
              "PORTFOLIO NAME, HOLDING NAME, CALCULATION DATE, QTR, YTD, 3YR, 5YR, 10YR, INC, "
              "QTR$, YTD$, 3YR$, 5YR$, 10YR$, INC$\r\n"
              "\r\n"
              "Growth, Alpha Fund, 12/31/2010,2.25,-3.5,4,5.123457,6,8.5,9,10,11,12,13,14\r\n"
              "Growth, Beta Fund, 01/01/1900,n/a, n/a, n/a, n/a, n/a, n/a, n/a, n/a, n/a, n/a, "
              "n/a, n/a\r\n"
              "Growth,Total of All Investments,12/31/2010,2.25,-3.5,4,5.123457,n/a, 8.5\r\n");
    EXPECT_EQ(engine_->Count(), 3);
    EXPECT_EQ(engine_->ResultMessage().English(),
              "3 performance records were exported successfully.");
}

TEST_F(ImportExportEngineTest, NamesKeepTheirLineAndFields) {
    const Pid portfolio = AddPortfolio("Smith, Jones");
    // No name typed here holds a line break; a table written elsewhere may.
    std::vector<std::pair<std::string, std::string>> row = {{"HID", "7"},
                                                            {"PID", IdText(portfolio)},
                                                            {"HNAME", "The \"Big\"\r\nFund"},
                                                            {"INCDATE", "20010201"},
                                                            {"INCAMT", "300"},
                                                            {"PERFDATE", "19000101"}};
    for (const std::string& figure : kHoldingFigureFields) row.emplace_back(figure, "999999");
    AppendRawRow(kHoldingTableFile, row);
    Reopen();
    engine_ = std::make_unique<ImportExportEngine>(store());
    const Hid big{7};
    std::ostringstream out;
    ASSERT_TRUE(engine_->ExportPerformance(portfolio, out, "performance.csv").ok());
    const std::string text = out.str();
    EXPECT_NE(text.find("\r\n\"Smith, Jones\", \"The \"\"Big\"\" Fund\", 01/01/1900,n/a, "),
              std::string::npos);
    EXPECT_NE(text.find("\r\n\"Smith, Jones\",Total of All Investments,01/01/1900,n/a, "),
              std::string::npos);
    std::ostringstream transactions;
    ASSERT_TRUE(engine_->ExportTransactions(portfolio, big, transactions, "big.csv").ok());
    EXPECT_EQ(transactions.str(), "PORTFOLIO: Smith, Jones\r\nHOLDING: The \"Big\" Fund\r\n" +
                                      kHyphens + "\r\n02/01/2001, CC, 300.00\r\n");
}

TEST_F(ImportExportEngineTest, NamesAreWrittenInWindows1252AndTheFileReadsBack) {
    const Pid cafe = AddPortfolio("Caf\u00e9 M\u00fcller \u2013 Fonds");
    const Hid sued = AddHolding(cafe, "Fonds S\u00fcd", D(2001, 2, 1), 300);
    const std::string path = File("sued.csv");
    ASSERT_TRUE(engine_->ExportTransactions(cafe, sued, path).ok());
    EXPECT_EQ(ReadBytes(path),
              "PORTFOLIO: Caf\xE9 M\xFCller \x96 Fonds\r\nHOLDING: Fonds S\xFC"
              "d\r\n" +
                  kHyphens + "\r\n02/01/2001, CC, 300.00\r\n");
    ASSERT_TRUE(engine_->ImportTransactions(growth_, alpha_, path).ok());
    EXPECT_EQ(engine_->ResultMessage().English(),
              "1 Transaction records were imported successfully.");
}

TEST_F(ImportExportEngineTest, FailedWriteIsReportedAndCountsNothing) {
    for (std::size_t capacity : {0u, 10u, 60u}) {
        FailingStream out(capacity);
        const Status status = engine_->ExportTransactions(growth_, alpha_, out, "alpha.csv");
        EXPECT_TRUE(status.IsIoError());
        EXPECT_EQ(engine_->Count(), 0);
        EXPECT_EQ(engine_->ResultMessage().English(),
                  "Could not write alpha.csv: the data could not be written\r\n"
                  "No records were exported.");
    }
}

TEST_F(ImportExportEngineTest, UncreatableFileIsReportedWithPathAndReason) {
    const std::string path = File("missing/alpha.csv");
    EXPECT_FALSE(engine_->ExportPerformance(growth_, path).ok());
    EXPECT_EQ(engine_->Count(), 0);
    EXPECT_EQ(engine_->ResultMessage().English(), "Could not write " + path +
                                                      ": No such file or directory\r\n"
                                                      "No records were exported.");
}

TEST_F(ImportExportEngineTest, FailedExportLeavesTheOldFileAsItWas) {
    const std::string path = File("alpha.csv");
    WriteBytes(path, "old contents");
    FailingFileSystem fs(1);
    const ScopedFileSystem failing(fs);
    EXPECT_FALSE(engine_->ExportTransactions(growth_, alpha_, path).ok());
    EXPECT_EQ(engine_->ResultMessage().English(),
              "Could not write " + path + ": Input/output error\r\nNo records were exported.");
    EXPECT_EQ(ReadBytes(path), "old contents");
}

TEST_F(ImportExportEngineTest, UnknownInvestmentImportsAndExportsNothing) {
    const std::string path = File("nothing.csv");
    EXPECT_TRUE(engine_->ExportTransactions(growth_, Hid{99}, path).IsNotFound());
    EXPECT_EQ(engine_->ResultMessage().English(),
              "Investment 99 is not in portfolio 1.\r\nNo records were exported.");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(engine_->ExportPerformance(Pid{42}, path).IsNotFound());
    EXPECT_EQ(engine_->ResultMessage().English(),
              "Portfolio 42 was not found.\r\nNo records were exported.");
    std::istringstream in("01/05/2000, CC, 100\r\n");
    EXPECT_TRUE(engine_->ImportTransactions(Pid{42}, alpha_, in).IsNotFound());
    EXPECT_EQ(engine_->ResultMessage().English(),
              "Investment 1 is not in portfolio 42.\r\nNo records were imported.");
    EXPECT_EQ(store().transactions().TransactionsOfHolding(alpha_).size(), 1u);
}

TEST_F(ImportExportEngineTest, ExportNeverWritesOverATable) {
    const std::string table = File(kValueTableFile);
    const std::string link = File("link.csv");
    std::filesystem::create_symlink(table, link);
    const std::string before = ReadBytes(table);
    for (const std::string& path : {table, link}) {
        EXPECT_FALSE(engine_->ExportHistoricalValues(growth_, alpha_, path).ok());
        EXPECT_EQ(engine_->ResultMessage().English(),
                  "Could not write " + path +
                      ": it is a table of the data directory\r\n"
                      "No records were exported.");
    }
    EXPECT_EQ(ReadBytes(table), before);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

TEST_F(ImportExportEngineTest, MissingOrUnreadableImportFileImportsNothing) {
    const std::string path = File("missing.csv");
    EXPECT_FALSE(engine_->ImportTransactions(growth_, alpha_, path).ok());
    EXPECT_EQ(engine_->Count(), 0);
    EXPECT_EQ(engine_->ResultMessage().English(), "Could not read " + path +
                                                      ": No such file or directory\r\n"
                                                      "No records were imported.");
    // A directory opens like a file and fails only when read.
    std::filesystem::create_directory(path);
    EXPECT_FALSE(engine_->ImportHistoricalValues(growth_, alpha_, path).ok());
    EXPECT_EQ(engine_->ResultMessage().English(),
              "Could not read " + path + ": Is a directory\r\nNo records were imported.");
}

}  // namespace
}  // namespace brevanta::testing
