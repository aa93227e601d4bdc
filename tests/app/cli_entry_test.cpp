#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "core/version.h"
#include "exchange/run_cli.h"
#include "store/currency_setting.h"
#include "store/data_store_fixture.h"
#include "store/directory_claim.h"
#include "store/risk_free_setting.h"

namespace brevanta::testing {
namespace {

struct Refused {
    std::string arguments;
    std::string err;  // the whole of standard error
};

// Growth (1) holds Fund (1): 1,000 since 1 January 2023, a contribution (1) on 1 February and
// a value (1) on 20 January.
class CliEntryTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        const Hid fund = AddHolding(AddPortfolio("Growth"), "Fund", D(2023, 1, 1), 1000);
        AddTransaction(fund, D(2023, 2, 1), "CC", 300);
        AddValue(fund, D(2023, 1, 20), 1010);
    }

    std::string Tables() const {
        std::string bytes;
        for (const char* table : {kPortfolioTableFile, kHoldingTableFile, kTransactionTableFile,
                                  kValueTableFile, kSettingsTableFile}) {
            bytes += ReadBytes(File(table));
        }
        return bytes;
    }

    // Each refusal exits 1 with its message alone and leaves every table as it was.
    void ExpectRefusals(const std::vector<Refused>& cases) {
        const std::string before = Tables();
        for (const Refused& c : cases) {
            const CliRun run = RunCli(dir_.path(), c.arguments);
            EXPECT_EQ(run.exit_code, 1) << c.arguments;
            EXPECT_EQ(run.err, c.err) << c.arguments;
            EXPECT_EQ(run.out, "") << c.arguments;
            EXPECT_EQ(Tables(), before) << c.arguments;
        }
    }
};

TEST_F(CliEntryTest, EveryRefusalOfTheDialogsHasTheirWordsAndWritesNothing) {
    const std::string add = "investment add --portfolio 1 --name Bonds --inception ";
    const std::string transaction = "transaction add --investment 1 --type CC ";
    const std::string before_inception =
        " dates can not occur before an investments \n inception date. \n Please change the "
        "date and try again.\n";
    const std::string too_large =
        "The number can not be larger than 9,999,999,999,999.99.\n Please try again.\n";
    ExpectRefusals({
        {"portfolio add --name ''", "Please enter a name.\n"},
        {"portfolio add --name 'Caf\u2713'",
         "The character \"\u2713\" (U+2713) cannot be stored.\nPlease replace it.\n"},
        {"portfolio rename --portfolio 1 --name Growth --description '\u2713'",
         "The character \"\u2713\" (U+2713) cannot be stored.\nPlease replace it.\n"},
        {"portfolio add --name " + std::string(76, 'x'),
         "The name can not be longer than 75 characters.\n Please try again.\n"},
        {"investment add --portfolio 1 --name '' --inception 2023-01-01 --initial 1",
         "Please enter the name of this investment.\n"},
        {add + "2023-02-30 --initial 1", "Please enter a valid date.\n"},
        {add + "2/28/23 --initial 1", "Please enter a valid date.\n"},
        {add + "2023-02-28 --initial ''", "Please enter the initial value of this investment.\n"},
        {add + "2023-02-28 --initial 1,000",
         "You did not enter a valid number for the initial value of this investment.\n Please "
         "try again.\n"},
        {add + "2023-02-28 --initial 0",
         "The initial value of this investment must be a positive number.\n Please try again.\n"},
        {add + "2023-02-28 --initial 10000000000000",
         "The initial value of this investment cannot be larger than 9,999,999,999,999.99.\n "
         "Please try again.\n"},
        {"investment modify --investment 1 --name ''", "Please enter the name of this holding.\n"},
        {"investment modify --investment 1 --initial '$100'",
         "You did not enter a valid number for the \n initial value of this investment.\n "
         "Please try agian.\n"},
        {"investment modify --investment 1 --initial -5",
         "The initial value of this investment must be a positive number.\n Please try agian.\n"},
        {"investment modify --investment 1 --inception 2023-02-01",
         "The inception date must be before the first transaction, dated 2/1/2023.\nPlease "
         "try again.\n"},
        {"investment modify --investment 1 --inception 2023-01-20",
         "The inception date must be before the first historical value, dated 1/20/2023.\n"
         "Please try again.\n"},
        {transaction + "--date 2023-01-01 --amount 5", "Transaction" + before_inception},
        {"transaction modify --transaction 1 --date 12/31/2022", "Transaction" + before_inception},
        {"transaction add --investment 1 --type XX --date 2023-03-01 --amount 5",
         "Please select a transaction type.\n"},
        {transaction + "--date 2023-03-01 --amount 1,000",
         "Please enter a number for the amount of the transaction. \n Do not enter '$' or ',' "
         "symbols.\n"},
        {transaction + "--date 2023-03-01 --amount 0",
         "Transactions must be a positive number.\n Please try again.\n"},
        {transaction + "--date 2023-03-01 --amount 10000000000000", too_large},
        {transaction + "--date 2023-03-01 --amount 5 --repeat month --periods 101",
         "Please enter a number between\n 1 and 100 for the # of periods.\n"},
        {transaction + "--date 2023-03-01 --amount 5 --repeat year --periods 0",
         "Please enter a number between\n 1 and 100 for the # of periods.\n"},
        {transaction + "--date 2023-03-01 --amount 5 --description '\u2713'",
         "The character \"\u2713\" (U+2713) cannot be stored.\nPlease replace it.\n"},
        {"value add --investment 1 --date 2023-01-01 --value 5",
         "Historical value" + before_inception},
        {"value add --investment 1 --date 2023-03-01 --value ''",
         "Please enter an investment value.\n"},
        {"value add --investment 1 --date 2023-03-01 --value '$100'",
         "Please enter a number for the value of the holding. \n Do not enter '$' or ',' "
         "symbols.\n"},
        {"value modify --value 1 --amount -1",
         "The value must be greater than 0 \n Please try again.\n"},
        {"value modify --value 1 --amount 10000000000000", too_large},
    });
}

TEST_F(CliEntryTest, CommandsOnWhatDoesNotExistRefuseByNameAndWriteNothing) {
    ExpectRefusals({
        {"portfolio rename --portfolio 7 --name X", "There is no portfolio 7.\n"},
        {"portfolio delete --portfolio 7", "There is no portfolio 7.\n"},
        {"investment add --portfolio 7 --name X --inception 2023-01-01 --initial 1",
         "There is no portfolio 7.\n"},
        {"investment modify --investment 42 --name X", "There is no investment 42.\n"},
        {"investment delete --investment 42", "There is no investment 42.\n"},
        {"investment move --investment 1 --to 7", "There is no portfolio 7.\n"},
        {"investment copy --investment 42 --to 1", "There is no investment 42.\n"},
        {"investment copy --investment 1 --to 1", "Investment 1 is already in portfolio 1.\n"},
        {"transaction add --investment 42 --date 2023-03-01 --type CC --amount 5",
         "There is no investment 42.\n"},
        {"transaction modify --transaction 9 --amount 5", "There is no transaction 9.\n"},
        {"transaction delete --transaction 1 9", "There is no transaction 9.\n"},
        {"value add --investment 42 --date 2023-03-01 --value 5", "There is no investment 42.\n"},
        {"value delete --value 1 --value 9", "There is no historical value 9.\n"},
        {"import values --investment 42 none.csv", "There is no investment 42.\n"},
        {"import values --portfolio 2 --investment 1 none.csv",
         "Investment 1 is not in portfolio 2.\n"},
        {"export values --investment 42 out.csv", "There is no investment 42.\n"},
        {"export performance --portfolio 7 out.csv", "There is no portfolio 7.\n"},
        {"report 20 --portfolio 7", "There is no portfolio 7.\n"},
        {"returns --investment 42", "There is no investment 42.\n"},
        {"options --columns Nowhere", "There is no column named \"Nowhere\".\n"},
        {"options --risk-free -100", "Please enter a risk-free rate in percent above -100: -100\n"},
        {"options --currency ' '", "Please enter a currency symbol.\n"},
        {"options --currency ABCDEFGHIJKLMNOPQRSTU",
         "The currency symbol can be at most 20 characters long.\n"},
        {"portfolio benchmark --portfolio 7 --none", "There is no portfolio 7.\n"},
        {"portfolio benchmark --portfolio 1 --investment 42", "There is no investment 42.\n"},
    });
    EXPECT_FALSE(std::filesystem::exists(File("out.csv")));
}

TEST_F(CliEntryTest, UsageErrorsExitTwoAndHelpAndVersionZero) {
    const struct {
        const char* arguments;
        int exit_code;
    } cases[] = {
        {"--version", 0},
        {"--help", 0},
        {"transaction add --help", 0},
        {"", 2},
        {"portfolio", 2},
        {"portfolio add", 2},
        {"portfolio add --name X --colour red", 2},
        {"investment modify --investment 1", 2},
        {"transaction add --investment 1 --date 2023-03-01 --type CC --amount 5 --periods 3", 2},
        {"transaction add --investment 1 --date 2023-03-01 --type CC --amount 5 --repeat week "
         "--periods 3",
         2},
        {"returns --portfolio 1 --json --csv", 2},
        {"returns", 2},
        {"export values --portfolio 1 out.csv", 2},
        {"options --decimals 7", 2},
        {"options --log maybe", 2},
        {"portfolio benchmark --portfolio 1", 2},
        {"portfolio benchmark --portfolio 1 --investment 1 --none", 2},
    };
    const std::string before = Tables();
    for (const auto& c : cases) {
        const CliRun run = RunCli(dir_.path(), c.arguments);
        EXPECT_EQ(run.exit_code, c.exit_code) << c.arguments << ": " << run.err;
        EXPECT_EQ(run.err.empty(), c.exit_code == 0) << c.arguments;
    }
    EXPECT_EQ(Tables(), before);
    EXPECT_EQ(RunCli(dir_.path(), "--version").out, std::string(kVersion) + "\n");
    const std::string help = RunCli(dir_.path(), "transaction add --help").out;
    for (const char* option : {"--investment", "--date", "--type", "--amount", "--description",
                               "--repeat", "--periods"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}

// The hand-written manual keeps up with the options of every command.
TEST_F(CliEntryTest, TheManualNamesEveryCommandAndItsOptions) {
    std::string manual =
        ReadBytes(std::string(BREVANTA_TEST_DATA_DIR) + "/../../app/cli/brevanta-cli.1");
    ASSERT_FALSE(manual.empty());
    for (size_t at = 0; (at = manual.find("\\-", at)) != std::string::npos;) manual.erase(at, 1);
    const std::regex option("--[a-z]+");
    for (const char* command : {"init",
                                "demo",
                                "show",
                                "portfolio add",
                                "portfolio rename",
                                "portfolio delete",
                                "portfolio benchmark",
                                "investment add",
                                "investment modify",
                                "investment delete",
                                "investment move",
                                "investment copy",
                                "transaction add",
                                "transaction modify",
                                "transaction delete",
                                "value add",
                                "value modify",
                                "value delete",
                                "calculate",
                                "import",
                                "export",
                                "report",
                                "returns",
                                "risk",
                                "options"}) {
        EXPECT_NE(manual.find(std::string(".B ") + command), std::string::npos) << command;
        const std::string help = RunCli(dir_.path(), std::string(command) + " --help").out;
        for (std::sregex_iterator it(help.begin(), help.end(), option), end; it != end; ++it) {
            EXPECT_NE(manual.find(it->str()), std::string::npos) << command << " " << it->str();
        }
    }
}

TEST_F(CliEntryTest, OptionsArePrintedAndSetByTheirNames) {
    for (const auto& [name, shown, position] :
         {std::tuple{"Month", "1", "0"}, {"QTR", "1", "1"}, {"1 Year", "0", "0"}}) {
        AddSettingRow("VIEW", name, shown, "60", position);
    }
    AddSettingRow(NumDecKey, "2");
    AddSettingRow(LogAuditKey, "0");
    EXPECT_EQ(RunCli(dir_.path(), "options").out,
              "columns: Month,QTR\navailable: 1 Year\ndecimals: 2\nlog: off\nrisk-free: 0\n"
              "currency: $\n");
    const CliRun set = RunCli(dir_.path(),
                              "options --columns '1 Year,Month' --decimals 4 --log on --risk-free "
                              "2.5 --currency ' €'");
    EXPECT_EQ(set.exit_code, 0) << set.err;
    EXPECT_EQ(RunCli(dir_.path(), "options").out,
              "columns: 1 Year,Month\navailable: QTR\ndecimals: 4\nlog: on\nrisk-free: 2.5\n"
              "currency: €\n");
    Reopen();
    EXPECT_EQ(ColumnNames(store().settings().VisibleColumns()), Texts({"1 Year", "Month"}));
    EXPECT_EQ(store().settings().NumberOfDecimals(), 4);
    EXPECT_TRUE(store().settings().AuditLoggingOn());
    EXPECT_EQ(RiskFreeRate(store()), 2.5);
    EXPECT_EQ(CurrencySymbol(store()), "€");

    EXPECT_EQ(RunCli(dir_.path(), "options --columns ''").exit_code, 0);
    Reopen();
    EXPECT_TRUE(store().settings().VisibleColumns().empty());
    const CliRun twice = RunCli(dir_.path(), "options --columns QTR,QTR");
    EXPECT_EQ(twice.exit_code, 1);
    EXPECT_EQ(twice.err, "The column \"QTR\" is named twice.\n");
}

TEST_F(CliEntryTest, WritesRefuseWhileTheApplicationHasTheDirectory) {
    std::unique_ptr<DirectoryClaim> application;
    ASSERT_TRUE(
        DirectoryClaim::Take(dir_.path(), DirectoryClaim::Claimant::Application, {}, application)
            .ok());
    const std::string before = Tables();
    for (const char* arguments :
         {"portfolio add --name X", "investment delete --investment 1",
          "transaction delete --transaction 1", "value delete --value 1", "options --log on"}) {
        const CliRun run = RunCli(dir_.path(), arguments);
        EXPECT_EQ(run.exit_code, 1) << arguments;
        EXPECT_EQ(run.err, dir_.path() + " is open in Brevanta; close it first.\n") << arguments;
    }
    EXPECT_EQ(Tables(), before);
    EXPECT_EQ(RunCli(dir_.path(), "options").exit_code, 0);  // reading goes on
}

}  // namespace
}  // namespace brevanta::testing
