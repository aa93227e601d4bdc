#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/date.h"
#include "core/number_parse.h"
#include "engine/risk_figures.h"
#include "exchange/run_cli.h"
#include "reports/risk_rows.h"
#include "store/data_store_fixture.h"
#include "store/run_command.h"

namespace brevanta::testing {
namespace {

const std::string kHeader =
    "Portfolio,Investment,Months,Volatility %,Max drawdown %,Peak,Trough,Sharpe,Sortino,"
    "Best month %,Worst month %,Positive months %\r\n";

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = text.find(separator, start)) != std::string::npos;
         start = at + separator.size()) {
        parts.push_back(text.substr(start, at - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

// A fund that gains 10 % in February 2001 and loses 10 % in March, and an empty portfolio.
class RiskCommandTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        const Hid fund = AddHolding(AddPortfolio("Growth"), "Alpha Fund", D(2001, 1, 31), 1000);
        AddPortfolio("Empty");
        AddValue(fund, D(2001, 2, 28), 1100);
        AddValue(fund, D(2001, 3, 31), 990);
    }
};

TEST_F(RiskCommandTest, CsvHasALinePerInvestmentThenOnePerPortfolio) {
    const std::string fund =
        "2,n/a,-10.0000,02/28/2001,03/31/2001,n/a,n/a,10.0000,-10.0000,50.0000\r\n";
    const std::string empty = "2,,0,n/a,n/a,,,n/a,n/a,n/a,n/a,n/a\r\n";
    const struct {
        const char* arguments;
        std::string out;
    } cases[] = {
        {"", kHeader + "1,1," + fund + "1,," + fund + empty},
        {" --portfolio 2", kHeader + empty},
        {" --investment 1", kHeader + "1,1," + fund},
    };
    for (const auto& c : cases) {
        const CliRun run =
            RunCli(dir_.path(), std::string("risk --date 2001-03-31 --csv") + c.arguments);
        EXPECT_EQ(run.exit_code, 0) << run.err;
        EXPECT_EQ(run.out, c.out) << c.arguments;
    }
}

TEST_F(RiskCommandTest, RefusalsExitNonZero) {
    const struct {
        const char* arguments;
        const char* err;  // nullptr: the option parser's own message
    } cases[] = {
        {"risk --portfolio 3", "Portfolio 3 was not found.\n"},
        {"risk --investment 7", "Investment 7 was not found.\n"},
        {"risk --risk-free -100", "Please enter a risk-free rate in percent above -100: -100\n"},
        {"risk --risk-free 3%", "Please enter a risk-free rate in percent above -100: 3%\n"},
        {"risk --portfolio 1 --investment 1", nullptr},
        {"risk --csv --json", nullptr},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(dir_.path(), c.arguments);
        EXPECT_NE(run.exit_code, 0) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        if (c.err) {
            EXPECT_EQ(run.err, c.err);
        }
    }
}

TEST_F(RiskCommandTest, TheStoredRiskFreeRateIsTheDefault) {
    AddSettingRow("RISK_FREE", "2.5");
    const CliRun json = RunCli(dir_.path(), "risk --investment 1 --date 2001-03-31 --json");
    EXPECT_EQ(json.exit_code, 0) << json.err;
    EXPECT_NE(json.out.find("\"risk_free_percent\": 2.5"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"max_drawdown_percent\": -10.0"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"peak\": \"2001-02-28\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"sharpe\": null"), std::string::npos) << json.out;
    const CliRun text = RunCli(dir_.path(), "risk --portfolio 2 --risk-free 0 --date 2001-03-31");
    EXPECT_EQ(
        text.out,
        "Risk figures from the monthly returns since inception, at a risk-free rate of "
        "0.0000 % a year\n"
        "Portfolio  Investment  Name   As of      Months  Volatility %  Max drawdown %  Peak  "
        "Trough  Sharpe  Sortino  Best month %  Worst month %  Positive months %\n"
        "2                      Empty  3/31/2001       0           n/a             n/a       "
        "            n/a      n/a           n/a            n/a                n/a\n");
}

// The monthly ratios of the From Inception section of each calculation's block, by the
// portfolio's and the investment's names (the investment's empty for a portfolio); the last
// block of a subject stands.
std::map<std::pair<std::string, std::string>, MonthlyReturns> InceptionPeriodsOfTheLog(
    const std::string& log) {
    std::map<std::pair<std::string, std::string>, MonthlyReturns> periods;
    std::pair<std::string, std::string> subject;
    MonthlyReturns* current = nullptr;
    for (const std::string& line : Split(log, "\r\n")) {
        if (line.rfind("   Portfolio: ", 0) == 0) subject = {line.substr(14), ""};
        if (line.rfind("   Investment: ", 0) == 0) {
            if (line.find("(Calculating for the entire portfolio)") == std::string::npos) {
                subject.second = line.substr(15);
            }
            periods[subject] = {};
        }
        if (line == "      Numbers used to calculate From Inception Performance") {
            current = &periods[subject];
        } else if (line.rfind("      Numbers used", 0) == 0 || line.empty()) {
            if (current && !current->returns.empty()) current = nullptr;
        } else if (current && line.size() > 3 && line[5] == '/') {
            const std::vector<std::string> fields = Split(line.substr(3), ", ");
            const auto date = [](const std::string& text) {
                return Date::Ymd(std::stoi(text.substr(6, 4)), std::stoi(text.substr(0, 2)),
                                 std::stoi(text.substr(3, 2)));
            };
            if (current->boundaries.empty()) current->boundaries.push_back(date(fields[0]));
            current->boundaries.push_back(date(fields[1]));
            current->returns.push_back(*ParseNumber(fields[5]) - 1);
        }
    }
    return periods;
}

// The figures with a number, in the order of kRiskFigureCaptions; none for the dates.
std::vector<std::optional<double>> Numbers(const RiskFigures& figures) {
    return {figures.months,      figures.volatility,     figures.max_drawdown, std::nullopt,
            std::nullopt,        figures.sharpe,         figures.sortino,      figures.best_month,
            figures.worst_month, figures.positive_months};
}

// How far each figure of the logged returns may be from the engine's: 0.0001, plus what the
// log's rounding of each ratio (six decimals of a single-precision number) can move it, to
// first order. A calm series (Sharpe over a small deviation) or a long fall needs the second.
std::vector<double> Slack(const MonthlyReturns& logged, double risk_free) {
    constexpr double kLoggedRatioPrecision = 5e-7 + 6e-8;
    const std::vector<std::optional<double>> base =
        Numbers(CalculateRiskFigures(logged, risk_free));
    std::vector<double> slack(base.size(), 0.0001);
    for (size_t i = 0; i < logged.returns.size(); ++i) {
        MonthlyReturns moved = logged;
        moved.returns[i] += kLoggedRatioPrecision;
        const std::vector<std::optional<double>> figures =
            Numbers(CalculateRiskFigures(moved, risk_free));
        for (size_t k = 0; k < base.size(); ++k) {
            if (base[k] && figures[k]) slack[k] += std::abs(*figures[k] - *base[k]);
        }
    }
    return slack;
}

// Every figure `risk` prints for the demo, recomputed from the audit log of the same
// calculation, so that the figures and the audit trail cannot disagree.
TEST(RiskOfTheDemoTest, EveryFigureFollowsFromTheAuditLog) {
    TempDir temp;
    const std::string dir = temp.File("demo");
    int exit_code = -1;
    const std::string output =
        RunCommand(std::string(BREVANTA_CLI_PATH) + " demo '" + dir + "'", exit_code);
    ASSERT_EQ(exit_code, 0) << output;
    std::string date;
    std::map<std::string, std::string> names;  // by "pid,hid"
    {
        const std::unique_ptr<DataStore> opened_store = testing::OpenStore(dir);
        ASSERT_TRUE(opened_store);
        DataStore& store = *opened_store;
        ASSERT_TRUE(store.settings().StoreSetting(LogAuditKey, {.Val1 = "1"}).ok());
        date = store.portfolios().AllPortfolios().front().PerformanceDate.ToYyyymmdd();
        date = date.substr(0, 4) + "-" + date.substr(4, 2) + "-" + date.substr(6, 2);
        for (const PortfolioRecord& portfolio : store.portfolios().AllPortfolios()) {
            names[IdText(portfolio.Id) + ","] = portfolio.Name;
            for (const HoldingRecord& holding :
                 store.holdings().HoldingsOfPortfolio(portfolio.Id)) {
                names[IdText(portfolio.Id) + "," + IdText(holding.Id)] = holding.Name;
            }
        }
    }
    const CliRun calculated = RunCli(dir, "calculate --date " + date);
    ASSERT_EQ(calculated.exit_code, 0) << calculated.err;
    const CliRun risk = RunCli(dir, "risk --csv --risk-free 3 --date " + date);
    ASSERT_EQ(risk.exit_code, 0) << risk.err;
    const auto logged = InceptionPeriodsOfTheLog(ReadBytes(dir + "/calclog.txt"));

    std::vector<std::string> lines = Split(risk.out, "\r\n");
    ASSERT_EQ(lines.front() + "\r\n", kHeader);
    lines.pop_back();  // after the last line end
    ASSERT_EQ(lines.size(), names.size() + 1);
    int figures_checked = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> cells = Split(lines[i], ",");
        const std::string key = cells[0] + "," + cells[1];
        SCOPED_TRACE(lines[i]);
        const std::string portfolio_name = names[cells[0] + ","];
        const auto found = logged.find({portfolio_name, cells[1].empty() ? "" : names[key]});
        const MonthlyReturns returns = found == logged.end() ? MonthlyReturns{} : found->second;
        const RiskFigures figures = CalculateRiskFigures(returns, 3);
        const std::vector<std::string> texts =
            RiskFigureTexts(figures, NumberStyle::Plain, Locale::EnUs());
        const std::vector<std::optional<double>> numbers = Numbers(figures);
        const std::vector<double> slack = Slack(returns, 3);
        ASSERT_EQ(cells.size(), texts.size() + 2);
        for (size_t k = 0; k < texts.size(); ++k) {
            SCOPED_TRACE(kRiskFigureCaptions[k].caption);
            const std::string& printed = cells[k + 2];
            if (!numbers[k]) {
                EXPECT_EQ(printed, texts[k]);  // n/a, a date or empty
                continue;
            }
            ASSERT_NE(printed, "n/a");
            EXPECT_NEAR(*ParseNumber(printed), *numbers[k], slack[k]);
            ++figures_checked;
        }
    }
    EXPECT_GT(figures_checked, 80);
}

}  // namespace
}  // namespace brevanta::testing
