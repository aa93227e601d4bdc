#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>

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
