#include <gtest/gtest.h>

#include "exchange/run_cli.h"
#include "store/data_store_fixture.h"

namespace brevanta::testing {
namespace {

class ExchangeCommandsTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        const float growth = AddPortfolio("Growth");
        AddHolding(growth, "Alpha Fund", D(2000, 1, 15), 1000);
        AddHolding(growth, "Beta Fund", D(2001, 1, 15), 500);
    }
};

TEST_F(ExchangeCommandsTest, ExportThenImportPrintTheEngineMessages) {
    const CliRun exported =
        RunCli(dir_.path(), "export transactions --portfolio 1 --investment 1 alpha.csv");
    EXPECT_EQ(exported.exit_code, 0) << exported.err;
    EXPECT_EQ(exported.out, "1 transaction records were exported to alpha.csv\r\nsuccessfully.\n");

    const CliRun imported =
        RunCli(dir_.path(), "import transactions --portfolio 1 --investment 2 alpha.csv");
    EXPECT_EQ(imported.exit_code, 0) << imported.err;
    EXPECT_EQ(imported.out, "1 Transaction records were imported successfully.\n");
    Reopen();
    ASSERT_EQ(store().TransactionsOfHolding(2).size(), 2u);
    EXPECT_EQ(store().TransactionsOfHolding(2)[1].Amount, 1000);

    WriteBytes(File("values.csv"), "03/31/2001, 510.5\r\n");
    const CliRun values =
        RunCli(dir_.path(), "import values --portfolio 1 --investment 2 values.csv");
    EXPECT_EQ(values.out, "1 Historical Value records were imported successfully.\n");

    const CliRun performance = RunCli(dir_.path(), "export performance --portfolio 1 perf.csv");
    EXPECT_EQ(performance.out, "3 performance records were exported successfully.\n");
}

TEST_F(ExchangeCommandsTest, FailuresExitNonZeroWithTheReason) {
    const CliRun unwritable = RunCli(dir_.path(), "export performance --portfolio 1 no/perf.csv");
    EXPECT_EQ(unwritable.exit_code, 1);
    EXPECT_EQ(unwritable.err,
              "Could not write no/perf.csv: No such file or directory\r\nNo records were "
              "exported.\n");
    const CliRun no_investment = RunCli(dir_.path(), "export values --portfolio 1 v.csv");
    EXPECT_EQ(no_investment.exit_code, 1);
    EXPECT_EQ(no_investment.err, "export values needs --investment\n");
    const CliRun missing =
        RunCli(dir_.path(), "import values --portfolio 1 --investment 1 none.csv");
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_EQ(missing.err,
              "Could not read none.csv: No such file or directory\r\nNo records were imported.\n");
}

}  // namespace
}  // namespace brevanta::testing
