#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "exchange/run_cli.h"
#include "store/data_store_fixture.h"

namespace brevanta::testing {
namespace {

class ReportCommandTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        AddHolding(AddPortfolio("Growth"), "Alpha Fund", D(2000, 1, 15), 1000);
    }

    std::string Saved(const char* name) const {
        return std::filesystem::canonical(dir_.path()).string() + "/" + name + "\n";
    }
};

TEST_F(ReportCommandTest, PrintsThePathOfTheSavedPage) {
    const CliRun investment = RunCli(dir_.path(), "report 30 --portfolio 1 --investment 1");
    EXPECT_EQ(investment.exit_code, 0) << investment.err;
    EXPECT_EQ(investment.out, Saved("report1_1.html"));
    const CliRun portfolio = RunCli(dir_.path(), "report 20 --portfolio 1");
    EXPECT_EQ(portfolio.exit_code, 0) << portfolio.err;
    EXPECT_EQ(portfolio.out, Saved("report1_.html"));
    EXPECT_TRUE(std::filesystem::exists(File("report1_.html")));
}

TEST_F(ReportCommandTest, RefusalsExitNonZero) {
    const CliRun no_investment = RunCli(dir_.path(), "report 41 --portfolio 1");
    EXPECT_EQ(no_investment.exit_code, 2);  // a usage error
    EXPECT_EQ(no_investment.err, "Report 41 needs --investment\n");
    const CliRun unknown = RunCli(dir_.path(), "report 13 --portfolio 1");
    EXPECT_EQ(unknown.exit_code, 1);
    EXPECT_EQ(unknown.err, "There is no report with the code 13.\n");
    const CliRun elsewhere = RunCli(dir_.path(), "report 30 --portfolio 2 --investment 1");
    EXPECT_EQ(elsewhere.exit_code, 1);
    EXPECT_EQ(elsewhere.err, "Investment 1 is not in portfolio 2.\n");
}

// 2000 runs from 15 January to a value of 1100; in 2001 a contribution of 100 on 30 June
// leaves June without return and December brings 1320 / 1200.
TEST_F(ReportCommandTest, ReturnsPrintsTheCalendarYearsAsCsv) {
    AddTransaction(Hid{1}, D(2001, 6, 30), "CC", 100);
    AddValue(Hid{1}, D(2000, 12, 31), 1100);
    AddValue(Hid{1}, D(2001, 12, 31), 1320);
    const CliRun run =
        RunCli(dir_.path(), "returns --portfolio 1 --investment 1 --date 2001-12-31 --csv");
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out,
              "Year,Partial,Time-weighted %,Dollar-weighted %,Market value,Net contributions\r\n"
              "2000,yes,10.00,n/a,1100.00,1000.00\r\n"
              "2001,no,10.00,10.45,1320.00,100.00\r\n");
}

// Index (2, in Income) starts on 30 June 2000, younger than the fund's 2000 and its inception
// window, and gains 5 % in 2001; Alpha Fund is older than Index's 18 months.
TEST_F(ReportCommandTest, ThePortfoliosBenchmarkShowsBesideItsReturns) {
    AddTransaction(Hid{1}, D(2001, 6, 30), "CC", 100);
    AddValue(Hid{1}, D(2000, 12, 31), 1100);
    AddValue(Hid{1}, D(2001, 12, 31), 1320);
    const Hid index = AddHolding(AddPortfolio("Income"), "Index", D(2000, 6, 30), 100);
    AddValue(index, D(2000, 12, 31), 104);
    AddValue(index, D(2001, 12, 31), 109.2);
    for (const char* choice : {"--portfolio 1 --investment 2", "--portfolio 2 --investment 1"}) {
        const CliRun chosen = RunCli(dir_.path(), std::string("portfolio benchmark ") + choice);
        ASSERT_EQ(chosen.exit_code, 0) << chosen.err;
    }
    const std::string returns = "returns --investment 1 --date 2001-12-31";
    EXPECT_EQ(RunCli(dir_.path(), returns + " --csv").out,
              "Year,Partial,Time-weighted %,Dollar-weighted %,Market value,Net contributions,"
              "Benchmark %,Difference\r\n"
              "2000,yes,10.00,n/a,1100.00,1000.00,n/a,n/a\r\n"
              "2001,no,10.00,10.45,1320.00,100.00,5.00,5.00\r\n");
    const nlohmann::json years =
        nlohmann::json::parse(RunCli(dir_.path(), returns + " --json").out);
    EXPECT_EQ(years["benchmark"], nlohmann::json({{"id", 2}, {"name", "Index"}}));
    EXPECT_TRUE(years["years"][0]["benchmark_time_weighted"].is_null());
    EXPECT_EQ(years["years"][1]["benchmark_time_weighted"], 5.0);
    EXPECT_EQ(years["years"][1]["difference"], 5.0);

    const std::string risk = RunCli(dir_.path(), "risk --date 2001-12-31").out;
    for (const char* line :
         {"\n           2           Benchmark: Index       12/31/2001     n/a           n/a ",
          "\n           1           Benchmark: Alpha Fund  12/31/2001      18       11.2022 "}) {
        EXPECT_NE(risk.find(line), std::string::npos) << risk;
    }
    const nlohmann::json lines =
        nlohmann::json::parse(RunCli(dir_.path(), "risk --date 2001-12-31 --json").out)["lines"];
    EXPECT_TRUE(lines[0]["benchmark"]["months"].is_null());  // Alpha Fund against Index
    EXPECT_EQ(lines[2]["benchmark"]["name"], "Alpha Fund");  // Index against Alpha Fund
    EXPECT_EQ(lines[2]["benchmark"]["months"], lines[2]["months"]);
    EXPECT_EQ(RunCli(dir_.path(), "risk --date 2001-12-31 --csv").out.find("Alpha Fund"),
              std::string::npos);

    ASSERT_EQ(RunCli(dir_.path(), "report 60 --investment 1").exit_code, 0);
    EXPECT_NE(ReadBytes(File("growth1_1.html")).find("Benchmark: Index"), std::string::npos);
    ASSERT_EQ(RunCli(dir_.path(), "portfolio benchmark --portfolio 1 --none").exit_code, 0);
    EXPECT_EQ(RunCli(dir_.path(), returns + " --csv").out.find("Benchmark"), std::string::npos);
}

}  // namespace
}  // namespace brevanta::testing
