#include <cmath>
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "core/clock.h"
#include "engine/calculation_run.h"
#include "store/data_directory.h"
#include "store/data_store.h"

namespace brevanta::cli {

namespace {

// The month end `months` before the end of the month of `date`.
Date MonthEndBefore(Date date, int months) {
    const int index = date.year() * 12 + date.month() - 1 - months;
    const int year = index / 12, month = index % 12 + 1;
    return Date::Ymd(year, month, DaysInMonth(year, month));
}

// A small deterministic generator, so every demo tells the same story.
class MonthlyReturns {
  public:
    MonthlyReturns(uint32_t seed, double mean, double spread)
        : state_(seed), mean_(mean), spread_(spread) {}
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        const double uniform = static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24);
        return mean_ + spread_ * (2 * uniform - 1);
    }

  private:
    uint32_t state_;
    double mean_;
    double spread_;
};

struct DemoInvestment {
    int portfolio;  // index into the demo portfolios
    const char* name;
    const char* description;
    int months_ago;     // inception, counted back from the last month end
    int inception_day;  // 0: the month end itself
    double initial_amount;
    double mean_return;  // per month
    double return_spread;
    double yearly_contribution;  // at the end of each anniversary month
    int dividend_every;          // months between reinvested dividends; 0: none
    int withdrawal_every;        // months between withdrawals; 0: none
};

const char* const kPortfolios[][2] = {
    {"Retirement", "Long-term savings for retirement"},
    {"Education Fund", "Saving for the children's studies"},
    {"New Ideas", "Nothing bought yet"},
};

const DemoInvestment kInvestments[] = {
    {0, "Global Equity Index", "World stock index fund", 300, 0, 10000, 0.0065, 0.045, 2000, 3, 0},
    {0, "Bond Fund", "Investment-grade bonds", 240, 0, 15000, 0.0035, 0.012, 1000, 1, 60},
    {0, "Dividend Growth", "Dividend-paying stocks", 180, 12, 8000, 0.006, 0.035, 1500, 3, 0},
    {0, "Real Estate Trust", "Listed property", 120, 0, 12000, 0.005, 0.04, 0, 3, 36},
    {0, "Emerging Markets", "", 60, 20, 5000, 0.006, 0.06, 1200, 6, 0},
    {1, "College Savings Plan", "Age-based portfolio", 204, 0, 2500, 0.0055, 0.03, 2400, 0, 0},
    {1, "Balanced Fund", "60/40 stocks and bonds", 96, 0, 6000, 0.0045, 0.022, 1000, 3, 48},
    {1, "Money Market", "Cash reserve", 36, 5, 3000, 0.002, 0.001, 500, 1, 12},
    {1, "Tech Sector ETF", "", 14, 0, 4000, 0.01, 0.07, 0, 0, 0},
    {1, "Bond Ladder", "Treasury notes maturing 2027 to 2031", 1, 9, 7000, 0.003, 0.004, 0, 0, 0},
};

double Cents(double amount) { return std::round(amount * 100) / 100; }

// Writes one investment's flows and month-end values, growing the value month by month.
Status WriteHistory(DataStore& store, const HoldingRecord& holding, const DemoInvestment& demo,
                    Date last_month_end, int index) {
    MonthlyReturns returns(static_cast<uint32_t>(7919 * (index + 1)), demo.mean_return,
                           demo.return_spread);
    TransactionRecord flow;
    flow.HoldingId = holding.Id;
    flow.PortfolioId = holding.PortfolioId;
    ValueRecord value;
    value.HoldingId = holding.Id;
    value.PortfolioId = holding.PortfolioId;
    // Stored together at the end: one write to each table per investment.
    std::vector<TransactionRecord> flows;
    std::vector<ValueRecord> values;
    const auto add = [&](Date date, const char* type, double amount, const char* text) {
        flow.Date = date;
        flow.Type = type;
        flow.Amount = Cents(amount);
        flow.Description = text;
        flows.push_back(flow);
    };

    double market_value = demo.initial_amount;
    // An investment bought during a month gets a top-up on that month's boundary.
    if (demo.inception_day != 0) {
        const Date month_end = MonthEndBefore(holding.InceptionDate, 0);
        add(month_end, CashContributionCode, demo.initial_amount / 10, "Top-up at month end");
        market_value += Cents(demo.initial_amount / 10);
    }
    // The first value is at the end of the inception month, or a month later when the
    // investment started on a month end.
    const int first_month = demo.inception_day != 0 ? demo.months_ago : demo.months_ago - 1;
    for (int months_ago = first_month, month = 1; months_ago >= 0; --months_ago, ++month) {
        const Date month_end = MonthEndBefore(last_month_end, months_ago);
        market_value *= 1 + returns.Next();
        if (demo.dividend_every > 0 && month % demo.dividend_every == 0) {
            const double dividend = market_value * 0.004 * demo.dividend_every;
            add(month_end, DividendReinvestedCode, dividend, "Reinvested distribution");
            market_value += Cents(dividend);
        }
        if (demo.yearly_contribution > 0 && month % 12 == 0) {
            add(month_end, CashContributionCode, demo.yearly_contribution, "Yearly contribution");
            market_value += demo.yearly_contribution;
        }
        if (demo.withdrawal_every > 0 && month % demo.withdrawal_every == 0) {
            const Date mid_month = Date::Ymd(month_end.year(), month_end.month(), 15);
            const double withdrawal = market_value * 0.05;
            add(mid_month, WithdrawalCode, withdrawal, "Withdrawal");
            market_value -= Cents(withdrawal);
        }
        value.Date = month_end;
        value.Value = Cents(market_value);
        values.push_back(value);
    }
    const Status status = store.transactions().InsertTransactions(flows);
    return status.ok() ? store.values().InsertValues(values) : status;
}

Status WriteDemo(DataStore& store, Date last_month_end) {
    std::vector<Pid> portfolio_ids;
    for (const auto& [name, description] : kPortfolios) {
        const StoreResult<Pid> id = store.portfolios().InsertPortfolio(name, description);
        if (!id.ok()) return id.status();
        portfolio_ids.push_back(id.value());
    }
    int index = 0;
    for (const DemoInvestment& demo : kInvestments) {
        HoldingRecord holding;
        holding.PortfolioId = portfolio_ids[static_cast<size_t>(demo.portfolio)];
        holding.Name = demo.name;
        holding.Description = demo.description;
        const Date month_end = MonthEndBefore(last_month_end, demo.months_ago);
        holding.InceptionDate =
            demo.inception_day == 0
                ? month_end
                : Date::Ymd(month_end.year(), month_end.month(), demo.inception_day);
        holding.InitialAmount = demo.initial_amount;
        const StoreResult<Hid> id = store.holdings().InsertHolding(holding);
        if (!id.ok()) return id.status();
        holding.Id = id.value();
        const Status status = WriteHistory(store, holding, demo, last_month_end, index++);
        if (!status.ok()) return status;
    }
    return Status::Ok();
}

// Calculated as of the last month end, so that the first screen shows figures.
Status CalculateDemo(DataStore& store, const Clock& clock, const std::string& directory,
                     Date last_month_end) {
    CalculationRun run(store, clock, directory);
    return run.CalculatePortfolios(store.portfolios().AllPortfolios(), last_month_end);
}

}  // namespace

void AddDemoCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand(
        "demo",
        "Create a data directory holding a demo: three portfolios, ten investments, calculated "
        "as of the last day of the previous month");
    static std::string directory;
    command->add_option("DIR", directory, "Directory to create")->required();
    command->callback([&exit_code] {
        const SystemClock clock;
        const Date last_month_end = MonthEndBefore(clock.Today(), 1);
        // Written before the directory takes its place, so that a failure leaves nothing.
        const Status status =
            InstallDataDirectory(directory, nullptr, [&](const std::string& unfinished) {
                std::unique_ptr<DataStore> store;
                Status written = DataStore::Open(unfinished, DataStore::Access::ReadWrite, &store);
                if (written.ok()) written = WriteDemo(*store, last_month_end);
                if (written.ok())
                    written = CalculateDemo(*store, clock, unfinished, last_month_end);
                return written;
            });
        if (!status.ok()) {
            std::cerr << "demo: " << status.message() << "\n";
            exit_code = kRefused;
            return;
        }
        std::cout << "Created the demo in " << directory << "\n";
    });
}

}  // namespace brevanta::cli
