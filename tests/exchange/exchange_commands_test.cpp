#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "exchange/import_fixtures.h"
#include "exchange/run_cli.h"
#include "store/data_store_fixture.h"
#include "store/directory_claim.h"

namespace brevanta::testing {
namespace {

class ExchangeCommandsTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        const Pid growth = AddPortfolio("Growth");
        AddHolding(growth, "Alpha Fund", D(2000, 1, 15), 1000);
        AddHolding(growth, "Beta Fund", D(2001, 1, 15), 500);
    }
};

TEST_F(ExchangeCommandsTest, ExportThenImportPrintTheEngineMessages) {
    const CliRun exported =
        RunCli(dir_.path(), "export transactions --portfolio 1 --investment 2 beta.csv");
    EXPECT_EQ(exported.exit_code, 0) << exported.err;
    EXPECT_EQ(exported.out, "1 transaction records were exported to beta.csv\nsuccessfully.\n");

    const CliRun imported =
        RunCli(dir_.path(), "import transactions --portfolio 1 --investment 1 beta.csv");
    EXPECT_EQ(imported.exit_code, 0) << imported.err;
    EXPECT_EQ(imported.out, "1 Transaction records were imported successfully.\n");
    Reopen();
    ASSERT_EQ(store().transactions().TransactionsOfHolding(Hid{1}).size(), 2u);
    EXPECT_EQ(store().transactions().TransactionsOfHolding(Hid{1})[1].Amount, 500);

    WriteBytes(File("values.csv"), "03/31/2001, 510.5\r\n");
    const CliRun values =
        RunCli(dir_.path(), "import values --portfolio 1 --investment 2 values.csv");
    EXPECT_EQ(values.out, "1 Historical Value records were imported successfully.\n");

    const CliRun performance = RunCli(dir_.path(), "export performance --portfolio 1 perf.csv");
    EXPECT_EQ(performance.out, "3 performance records were exported successfully.\n");
}

TEST_F(ExchangeCommandsTest, FailuresExitNonZeroWithTheReason) {
    std::filesystem::create_directory(File("folder.csv"));
    ASSERT_EQ(mkfifo(File("pipe.csv").c_str(), 0600), 0);
    WriteBytes(File("bad.csv"), "01/05/2000, CC, 1,000.00\r\n");
    const struct {
        const char* arguments;
        const char* err;
    } cases[] = {
        {"export performance --portfolio 1 no/perf.csv",
         "Could not write no/perf.csv: No such file or directory\nNo records were exported.\n"},
        {"export values --portfolio 1 --investment 1 Trans.dbf",
         "Could not write Trans.dbf: it is a table of the data directory\n"
         "No records were exported.\n"},
        {"import values --portfolio 1 --investment 1 none.csv",
         "Could not read none.csv: No such file or directory\nNo records were imported.\n"},
        {"import values --portfolio 1 --investment 1 folder.csv",
         "Could not read folder.csv: Is a directory\nNo records were imported.\n"},
        {"import values --portfolio 1 --investment 1 pipe.csv",
         "Could not read pipe.csv: it is not a regular file\nNo records were imported.\n"},
        {"import values --portfolio 2 --investment 1 bad.csv",
         "Investment 1 is not in portfolio 2.\n"},
        {"import transactions --portfolio 1 --investment 1 bad.csv",
         "No Transaction records were imported: no line holds a date, a type code (CC, DI or "
         "WI) and an amount above 0.\n1 line was skipped: line 1\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(dir_.path(), c.arguments);
        EXPECT_EQ(run.exit_code, 1) << c.arguments;
        EXPECT_EQ(run.err, c.err) << c.arguments;
    }
}

TEST_F(ExchangeCommandsTest, APreviewPrintsEveryLineAsTheImportTakesItAndWritesNothing) {
    AddHolding(Pid{1}, "Savings", D(2023, 12, 1), 1000);
    std::filesystem::create_directory(File("mappings"));
    WriteBytes(File("mappings/sparkonto.json"), kSparkontoMapping);
    const std::string arguments =
        "import transactions --investment 3 --mapping sparkonto " + ImportFixture("sparkonto.csv");
    const std::string before = ReadBytes(File(kTransactionTableFile));
    const CliRun preview = RunCli(dir_.path(), arguments + " --preview");
    EXPECT_EQ(preview.exit_code, 0) << preview.err;
    EXPECT_EQ(preview.out,
              "2: skipped: the date 2023-11-15 is not after the inception date 2023-12-01\n"
              "3: 2024-01-31, CC, 1000.00\n"
              "4: 2024-02-15, DI, 12.34\n"
              "5: 2024-02-29, CC, 1000.00\n"
              "6: 2024-03-01, WI, 250.00\n"
              "7: skipped: \"Entgelt\" in column 3 is not mapped to a type\n"
              "9: skipped: \"Summe\" in column 1 is not a date in d.M.yyyy\n"
              "4 Transaction records would be imported.\n");
    EXPECT_EQ(ReadBytes(File(kTransactionTableFile)), before);

    const CliRun imported = RunCli(dir_.path(), arguments);
    EXPECT_EQ(imported.exit_code, 0) << imported.err;
    EXPECT_EQ(imported.out,
              "4 Transaction records were imported successfully.\n"
              "3 lines were skipped: lines 2, 7, 9\n");
    Reopen();
    EXPECT_EQ(store().transactions().TransactionsOfHolding(Hid{3}).size(), 5u);

    // The fixed layout previews too.
    WriteBytes(File("own.csv"), "01/05/2001, CC, 1,000.00\r\n02/01/2001, DI, 12.5\r\n");
    EXPECT_EQ(RunCli(dir_.path(), "import transactions --investment 2 --preview own.csv").out,
              "1: skipped: the amount in column 3 goes on in column 4 (\"000.00\")\n"
              "2: 2001-02-01, DI, 12.50\n"
              "1 Transaction records would be imported.\n");
}

TEST_F(ExchangeCommandsTest, AMappingThatCannotBeUsedIsRefused) {
    WriteBytes(File("odd.json"), "{\"date\": {\"column\": 1}}");
    WriteBytes(File("plain.json"), kAmbiguousMapping);
    const std::string file = " " + ImportFixture("ambiguous.csv");
    const struct {
        std::string arguments;
        int exit_code;
        const char* err;
    } cases[] = {
        {"--mapping bank" + file, 1, "There is no mapping bank.\n"},
        {"--mapping ./none" + file, 1, "There is no mapping ./none.\n"},
        {"--mapping ./odd.json" + file, 1, "./odd.json: \"amount\" is missing.\n"},
        {"--mapping plain.json --preview" + file, 1,
         "The dates in column 1 read as M/d/yyyy and as d/M/yyyy: name one in \"date.format\".\n"
         "No records were imported.\n"},
        {"--mapping" + file, 2, nullptr},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(dir_.path(), "import transactions --investment 1 " + c.arguments);
        EXPECT_EQ(run.exit_code, c.exit_code) << c.arguments;
        if (c.err) {
            EXPECT_EQ(run.err, c.err) << c.arguments;
        }
        EXPECT_EQ(run.out, "") << c.arguments;
    }
}

TEST_F(ExchangeCommandsTest, ImportsAtOnceStoreEveryRowUnderItsOwnIdentifier) {
    std::string lines;
    for (int day = 1; day <= 150; ++day) {
        lines +=
            "02/" + std::to_string(day % 28 + 1) + "/2001, CC, " + std::to_string(day) + "\r\n";
    }
    WriteBytes(File("lines.csv"), lines);
    // Four imports run at once, two into each investment, while a reader lists the tables
    // over and over.
    const std::string cli = BREVANTA_CLI_PATH;
    std::string script = "cd " + dir_.path() + " && (";
    for (const char* investment : {"1", "2", "1", "2"}) {
        script += cli + " import transactions --portfolio 1 --investment " + investment +
                  " lines.csv >/dev/null & ";
    }
    script += "for i in 1 2 3 4 5 6 7 8 9 10; do " + cli +
              " show >/dev/null || echo unreadable; done; wait) > race.out 2>&1";
    ASSERT_EQ(std::system(script.c_str()), 0);
    EXPECT_EQ(ReadBytes(File("race.out")), "");

    Reopen();
    EXPECT_EQ(store().transactions().TransactionsOfHolding(Hid{1}).size(), 301u);
    EXPECT_EQ(store().transactions().TransactionsOfHolding(Hid{2}).size(), 301u);
    std::set<std::string> ids;
    for (const std::string& id : Column(kTransactionTableFile, "TID")) ids.insert(id);
    EXPECT_EQ(ids.size(), 600u);
}

TEST_F(ExchangeCommandsTest, WritingCommandsWaitForEachOtherAndKeepOutOfTheApplicationsWay) {
    using Claimant = DirectoryClaim::Claimant;
    WriteBytes(File("one.csv"), "02/01/2001, CC, 10\r\n");
    const std::string busy =
        dir_.path() + " is being changed by brevanta-cli; try again when it has finished.";
    {
        std::unique_ptr<DirectoryClaim> command;
        ASSERT_TRUE(DirectoryClaim::Take(dir_.path(), Claimant::CommandLine, {}, command).ok());
        std::unique_ptr<DirectoryClaim> second;
        const Status waited = DirectoryClaim::Take(dir_.path(), Claimant::CommandLine,
                                                   std::chrono::milliseconds(100), second);
        EXPECT_EQ(waited.message(), busy);
    }
    std::unique_ptr<DirectoryClaim> application;
    ASSERT_TRUE(DirectoryClaim::Take(dir_.path(), Claimant::Application, {}, application).ok());
    const CliRun refused =
        RunCli(dir_.path(), "import transactions --portfolio 1 --investment 1 one.csv");
    EXPECT_EQ(refused.exit_code, 1);
    EXPECT_EQ(refused.err, dir_.path() + " is open in Brevanta; close it first.\n");
    EXPECT_EQ(RunCli(dir_.path(), "show").exit_code, 0);  // reading goes on
    application.reset();
    EXPECT_EQ(
        RunCli(dir_.path(), "import transactions --portfolio 1 --investment 1 one.csv").exit_code,
        0);
}

}  // namespace
}  // namespace brevanta::testing
