#include <gtest/gtest.h>

#include <filesystem>

#include "core/clock.h"
#include "store/data_store_fixture.h"
#include "store/run_command.h"

namespace brevanta {
namespace {

using testing::D;
using testing::RunCommand;

// brevanta-cli calculate, run in the data directory with its output in a pipe.
class CalculateCommandTest : public testing::DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        growth_ = AddPortfolio("Growth");
        fund_ = AddHolding(growth_, "Fund", D(2001, 1, 31), 1000);
        AddValue(fund_, D(2001, 6, 30), 1100);
        other_ = AddPortfolio("Other");
        other_fund_ = AddHolding(other_, "Other fund", D(2001, 1, 31), 500);
    }

    std::string Calculate(const std::string& arguments, int& exit_code) {
        return RunCommand(
            "cd '" + dir_.path() + "' && " + BREVANTA_CLI_PATH + " calculate " + arguments,
            exit_code);
    }

    Pid growth_{}, other_{};
    Hid fund_{}, other_fund_{};
};

TEST_F(CalculateCommandTest, CalculatesEveryPortfolioAndSaysSoWithoutABarInAPipe) {
    int exit_code = -1;
    EXPECT_EQ(Calculate("--date 2001-06-30", exit_code),
              "Finished calculating performance numbers.\n");
    EXPECT_EQ(exit_code, 0);
    Reopen();
    EXPECT_EQ(store().portfolios().FindPortfolio(growth_)->PerformanceDate, D(2001, 6, 30));
    EXPECT_EQ(store().portfolios().FindPortfolio(other_)->PerformanceDate, D(2001, 6, 30));
    EXPECT_EQ(store().holdings().FindHolding(fund_)->Figures[Figure::Inc], 10.0f);
}

TEST_F(CalculateCommandTest, ALogThatCannotBeWrittenIsAWarningAndTheFiguresStand) {
    AddSettingRow("LOG_AUDIT", "1");
    std::filesystem::create_directory(File("calclog.txt"));
    int exit_code = -1;
    EXPECT_EQ(Calculate("--date 2001-06-30 --portfolio 1", exit_code),
              "Warning: the calculation audit log could not be written: Cannot open " +
                  File("calclog.txt") +
                  ": Is a directory\nFinished calculating performance "
                  "numbers.\n");
    EXPECT_EQ(exit_code, 0);
    Reopen();
    EXPECT_EQ(store().holdings().FindHolding(fund_)->Figures[Figure::Inc], 10.0f);
}

TEST_F(CalculateCommandTest, NamedPortfoliosOnly) {
    int exit_code = -1;
    Calculate("--date 2001-06-30 --portfolio " + IdText(other_), exit_code);
    EXPECT_EQ(exit_code, 0);
    Reopen();
    EXPECT_EQ(store().portfolios().FindPortfolio(growth_)->PerformanceDate, NoDate);
    EXPECT_EQ(store().holdings().FindHolding(other_fund_)->PerformanceDate, D(2001, 6, 30));
}

TEST_F(CalculateCommandTest, BadDateOrUnknownPortfolioCalculatesNothing) {
    int exit_code = 0;
    EXPECT_NE(Calculate("--date 2001-02-30", exit_code).find("valid date"), std::string::npos);
    EXPECT_NE(exit_code, 0);
    EXPECT_NE(Calculate("--date 2001-06-30 --portfolio 99", exit_code).find("99"),
              std::string::npos);
    EXPECT_NE(exit_code, 0);
    Reopen();
    EXPECT_EQ(store().portfolios().FindPortfolio(growth_)->PerformanceDate, NoDate);
    EXPECT_EQ(store().holdings().FindHolding(fund_)->PerformanceDate, NoDate);
}

// A report headed with the date of a calculation shows no figures of another date.
TEST_F(CalculateCommandTest, ACalculationBeforeTheInceptionLeavesNoLaterFiguresUnderItsDate) {
    const Pid later = AddPortfolio("Later");
    const Hid fund = AddHolding(later, "Later fund", D(2023, 1, 31), 1000);
    AddValue(fund, D(2026, 2, 28), 1200);
    int exit_code = -1;
    for (const char* date : {"2026-03-31", "2020-12-31"}) {
        Calculate(std::string("--date ") + date + " --portfolio " + IdText(later), exit_code);
        ASSERT_EQ(exit_code, 0) << date;
    }
    const std::string report = RunCommand("cd '" + dir_.path() + "' && " + BREVANTA_CLI_PATH +
                                              " report 10 --portfolio " + IdText(later),
                                          exit_code);
    ASSERT_EQ(exit_code, 0) << report;
    const std::string page =
        testing::ReadBytes(File(("report" + IdText(later) + "_.html").c_str()));
    EXPECT_NE(page.find("Period Ending: 12/31/2020"), std::string::npos);
    // Six time- and six dollar-weighted figures, of the investment and of the portfolio, and
    // the allocation within a portfolio worth nothing then.
    size_t not_calculated = 0;
    for (size_t at = page.find("n/a"); at != std::string::npos; at = page.find("n/a", at + 1))
        ++not_calculated;
    EXPECT_EQ(not_calculated, 25u);
}

// The demo arrives calculated, so that its first screen shows figures.
TEST(DemoCommandTest, DemoIsCalculatedAsOfTheLastMonthEnd) {
    testing::TempDir temp;
    const std::string dir = temp.File("demo");
    int exit_code = -1;
    const std::string output =
        RunCommand(std::string(BREVANTA_CLI_PATH) + " demo '" + dir + "'", exit_code);
    ASSERT_EQ(exit_code, 0) << output;

    const Date today = SystemClock().Today();
    const int year = today.month() == 1 ? today.year() - 1 : today.year();
    const int month = today.month() == 1 ? 12 : today.month() - 1;
    const Date last_month_end = D(year, month, DaysInMonth(year, month));
    const std::unique_ptr<DataStore> opened_store = testing::OpenStore(dir);
    ASSERT_TRUE(opened_store);
    DataStore& store = *opened_store;
    for (const PortfolioRecord& portfolio : store.portfolios().AllPortfolios()) {
        const bool invested = !store.holdings().HoldingsOfPortfolio(portfolio.Id).empty();
        EXPECT_EQ(portfolio.PerformanceDate, invested ? last_month_end : NoDate) << portfolio.Name;
        EXPECT_EQ(portfolio.Figures[Figure::Month] != NotCalculated, invested) << portfolio.Name;
    }
}

}  // namespace
}  // namespace brevanta
