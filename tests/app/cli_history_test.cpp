#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "core/clock.h"
#include "core/date_format.h"
#include "core/date_series.h"
#include "engine/calculation_run.h"
#include "engine/growth.h"
#include "exchange/run_cli.h"
#include "store/data_store_fixture.h"

namespace brevanta::testing {
namespace {

using nlohmann::json;

// The JSON name of each stored figure.
const struct {
    const char* group;
    const char* key;
    Figure figure;
} kFigureKeys[] = {
    {"time_weighted", "month", Figure::Month},
    {"time_weighted", "quarter", Figure::Qtr},
    {"time_weighted", "one_year", Figure::Ytd},
    {"time_weighted", "three_years", Figure::ThYr},
    {"time_weighted", "five_years", Figure::FiYr},
    {"time_weighted", "ten_years", Figure::TeYr},
    {"time_weighted", "inception", Figure::Inc},
    {"time_weighted", "inception_annualised", Figure::IncAnn},
    {"dollar_weighted", "quarter", Figure::QtrD},
    {"dollar_weighted", "one_year", Figure::YtdD},
    {"dollar_weighted", "three_years", Figure::ThYrD},
    {"dollar_weighted", "five_years", Figure::FiYrD},
    {"dollar_weighted", "ten_years", Figure::TeYrD},
    {"dollar_weighted", "inception_annualised", Figure::IncAnnD},
};

// The double that the shortest decimal text of the float reads back as.
double Shortest(float figure) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, figure).ptr;
    return std::strtod(std::string(text, end).c_str(), nullptr);
}

void ExpectFigure(const json& figure, float stored, const std::string& label) {
    if (stored == NotCalculated) {
        EXPECT_TRUE(figure.is_null()) << label;
    } else {
        ASSERT_TRUE(figure.is_number()) << label;
        EXPECT_EQ(figure.get<double>(), Shortest(stored)) << label;
    }
}

json DateJson(Date date) {
    return date == NoDate ? json(nullptr) : json(FormatDate(date, "yyyy-mm-dd"));
}

void ExpectFigures(const json& object, Date performance_date, const FigureValues& figures,
                   const std::string& label) {
    EXPECT_EQ(object["performance_date"], DateJson(performance_date)) << label;
    for (const auto& key : kFigureKeys) {
        ExpectFigure(object[key.group][key.key], figures[key.figure], label + " " + key.key);
    }
}

void ExpectHolding(const json& object, const DataStore& store, const HoldingRecord& holding) {
    const std::string label = holding.Name;
    EXPECT_EQ(object["id"], Number(holding.Id)) << label;
    EXPECT_EQ(object["name"], holding.Name);
    EXPECT_EQ(object["description"], holding.Description) << label;
    EXPECT_EQ(object["inception_date"], DateJson(holding.InceptionDate)) << label;
    EXPECT_EQ(object["initial_amount"], holding.InitialAmount) << label;
    ExpectFigures(object, holding.PerformanceDate, holding.Figures, label);
    const std::vector<TransactionRecord> transactions =
        store.transactions().TransactionsOfHolding(holding.Id);
    ASSERT_EQ(object["transactions"].size(), transactions.size() - 1) << label;
    for (size_t i = 1; i < transactions.size(); ++i) {
        const TransactionRecord& expected = transactions[i];
        EXPECT_EQ(object["transactions"][i - 1], json({{"id", Number(expected.Id)},
                                                       {"date", DateJson(expected.Date)},
                                                       {"type", expected.Type},
                                                       {"amount", expected.Amount},
                                                       {"description", expected.Description}}))
            << label;
    }
    const std::vector<ValueRecord> values = store.values().ValuesOfHolding(holding.Id);
    ASSERT_EQ(object["values"].size(), values.size() - 1) << label;
    for (size_t i = 1; i < values.size(); ++i) {
        EXPECT_EQ(object["values"][i - 1], json({{"id", Number(values[i].Id)},
                                                 {"date", DateJson(values[i].Date)},
                                                 {"value", values[i].Value}}))
            << label;
    }
}

// A history made through brevanta-cli alone in one directory, and through the library in the
// fixture's, must read back the same, figure for figure.
class CliHistoryTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        CreateEmptyTables(cli_dir_);
    }

    // Runs the command in the command line's directory; returns what it printed.
    std::string Cli(const std::string& arguments) {
        const CliRun run = RunCli(cli_dir_.path(), arguments);
        EXPECT_EQ(run.exit_code, 0) << arguments << ": " << run.err;
        return run.out;
    }

    // The same history through the library.
    void EnterThroughTheLibrary() {
        ASSERT_TRUE(store().portfolios().InsertPortfolio("Growth", "Long term").ok());
        ASSERT_TRUE(store().portfolios().InsertPortfolio("Income", " ").ok());
        const Hid alpha = AddHolding(Pid{1}, "Alpha Fund", D(2000, 1, 15), 1000);
        HoldingRecord beta;
        beta.PortfolioId = Pid{1};
        beta.Name = "Beta Fund";
        beta.Description = "Bonds";
        beta.InceptionDate = D(2000, 3, 31);
        beta.InitialAmount = 500.5;
        ASSERT_TRUE(store().holdings().InsertHolding(beta).ok());
        const Hid gamma = AddHolding(Pid{2}, "Gamma", D(2000, 1, 31), 2000);
        std::vector<TransactionRecord> series;
        for (Date date : SeriesDates(D(2000, 1, 31), RepeatPeriod::Month, 24)) {
            series.push_back({Tid{}, alpha, Pid{1}, date, "CC", 100, "Monthly"});
        }
        ASSERT_TRUE(store().transactions().InsertTransactions(series).ok());
        AddTransaction(Hid{2}, D(2000, 6, 30), "DI", 12.5);
        AddTransaction(gamma, D(2000, 9, 15), "WI", 150);
        ASSERT_TRUE(store().transactions().UpdateTransaction(Tid{26}, {.Amount = 175.25}).ok());
        ASSERT_TRUE(store().transactions().DeleteTransactions({Tid{24}}).ok());
        AddValue(alpha, D(2000, 6, 30), 1550);
        AddValue(alpha, D(2000, 12, 31), 2150);
        AddValue(alpha, D(2001, 6, 30), 2700);
        AddValue(alpha, D(2001, 12, 31), 3300);
        AddValue(Hid{2}, D(2000, 12, 31), 540);
        AddValue(gamma, D(2000, 6, 30), 2100);
        AddValue(gamma, D(2000, 12, 31), 1950);
        ASSERT_TRUE(store().values().UpdateHistoricalValue(Vid{7}, {.Value = 1900.25}).ok());
        ASSERT_TRUE(store().values().DeleteHistoricalValues({Vid{6}}).ok());
        ASSERT_TRUE(store().holdings().CopyHolding(Hid{2}, Pid{2}).ok());
        ASSERT_TRUE(store().holdings().MoveHolding(gamma, Pid{1}).ok());
        ASSERT_TRUE(store().holdings().DeleteHolding(Hid{2}).ok());
        const SystemClock clock;
        CalculationRun run(store(), clock, dir_.path());
        ASSERT_TRUE(
            run.CalculatePortfolios(store().portfolios().AllPortfolios(), D(2001, 12, 31)).ok());
    }

    TempDir cli_dir_;
};

TEST_F(CliHistoryTest, AHistoryMadeOnTheCommandLineShowsTheLibrarysFigures) {
    EXPECT_EQ(Cli("portfolio add --name Growth --description 'Long term'"), "1\n");
    EXPECT_EQ(Cli("portfolio add --name Income"), "2\n");
    EXPECT_EQ(Cli("investment add --portfolio 1 --name 'Alpha Fund' --inception 1/15/2000 "
                  "--initial 1000"),
              "1\n");
    EXPECT_EQ(Cli("investment add --portfolio 1 --name 'Beta Fund' --description Bonds "
                  "--inception 2000-03-31 --initial 500.5"),
              "2\n");
    EXPECT_EQ(Cli("investment add --portfolio 2 --name Gamma --inception 2000-01-31 "
                  "--initial 2000"),
              "3\n");
    std::string series;
    for (int id = 1; id <= 24; ++id) series += std::to_string(id) + "\n";
    EXPECT_EQ(Cli("transaction add --investment 1 --date 2000-01-31 --type CC --amount 100 "
                  "--description Monthly --repeat month --periods 24"),
              series);
    EXPECT_EQ(Cli("transaction add --investment 2 --date 6/30/2000 --type DI --amount 12.5"),
              "25\n");
    EXPECT_EQ(Cli("transaction add --investment 3 --date 2000-09-15 --type WI --amount 150"),
              "26\n");
    Cli("transaction modify --transaction 26 --amount 175.25");
    Cli("transaction delete --transaction 24");
    for (const char* value :
         {"1 --date 2000-06-30 --value 1550", "1 --date 2000-12-31 --value 2150",
          "1 --date 2001-06-30 --value 2700", "1 --date 2001-12-31 --value 3300",
          "2 --date 2000-12-31 --value 540", "3 --date 2000-06-30 --value 2100",
          "3 --date 2000-12-31 --value 1950"}) {
        Cli(std::string("value add --investment ") + value);
    }
    Cli("value modify --value 7 --amount 1900.25");
    Cli("value delete --value 6");
    EXPECT_EQ(Cli("investment copy --investment 2 --to 2"), "4\n");
    EXPECT_EQ(Cli("investment move --investment 3 --to 1"), "5\n");
    Cli("investment delete --investment 2");
    Cli("calculate --date 2001-12-31");
    const json shown = json::parse(Cli("show --json"));
    EnterThroughTheLibrary();

    const std::vector<PortfolioRecord> portfolios = store().portfolios().AllPortfolios();
    ASSERT_EQ(shown["portfolios"].size(), portfolios.size());
    for (size_t p = 0; p < portfolios.size(); ++p) {
        const PortfolioRecord& portfolio = portfolios[p];
        const json& object = shown["portfolios"][p];
        EXPECT_EQ(object["id"], Number(portfolio.Id));
        EXPECT_EQ(object["name"], portfolio.Name);
        EXPECT_EQ(object["description"], portfolio.Description);
        ExpectFigures(object, portfolio.PerformanceDate, portfolio.Figures, portfolio.Name);
        EXPECT_TRUE(object["dollar_weighted"]["inception"].is_null());
        const std::vector<HoldingRecord> holdings =
            store().holdings().HoldingsOfPortfolio(portfolio.Id);
        ASSERT_EQ(object["investments"].size(), holdings.size());
        for (size_t h = 0; h < holdings.size(); ++h) {
            ExpectHolding(object["investments"][h], store(), holdings[h]);
        }
    }
    // Calculated, moved and copied: Growth holds Alpha and the moved Gamma, Income the copy.
    EXPECT_EQ(shown["portfolios"][0]["investments"][1]["name"], "Gamma");
    EXPECT_EQ(shown["portfolios"][1]["investments"][0]["name"], "Beta Fund");
    EXPECT_TRUE(shown["portfolios"][0]["time_weighted"]["one_year"].is_number());

    // The portfolio is found from the investment.
    const json returns = json::parse(Cli("returns --investment 1 --date 2001-12-31 --json"));
    const Growth growth = GrowthOf(store(), {Pid{1}, Hid{1}}, D(2001, 12, 31));
    EXPECT_EQ(returns["portfolio"], json({{"id", 1}, {"name", "Growth"}}));
    EXPECT_EQ(returns["investment"], json({{"id", 1}, {"name", "Alpha Fund"}}));
    ASSERT_EQ(returns["years"].size(), 2u);
    for (size_t y = 0; y < growth.years.size(); ++y) {
        const CalendarYearReturn& year = growth.years[y];
        const json& row = returns["years"][y];
        EXPECT_EQ(row["year"], year.year);
        EXPECT_EQ(row["partial"], year.partial);
        ExpectFigure(row["time_weighted"], static_cast<float>(year.time_weighted), "year");
        EXPECT_EQ(row["market_value"], std::round(year.market_value * 100) / 100);
    }
}

}  // namespace
}  // namespace brevanta::testing
