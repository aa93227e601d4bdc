#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "app/cli/store_calls.h"
#include "core/clock.h"
#include "engine/calculation_run.h"
#include "store/data_store.h"

namespace brevanta::cli {

namespace {

// A one-line bar redrawn in place; drawn only when stdout is a terminal.
class ProgressBar {
  public:
    void Show(int done, int total) {
        if (!shown_) return;
        const int percent = done * 100 / total;
        if (percent == percent_) return;
        percent_ = percent;
        constexpr int kWidth = 40;
        const int filled = percent * kWidth / 100;
        std::printf("\r[%s%s] %3d%% (%d/%d)", std::string(filled, '#').c_str(),
                    std::string(kWidth - filled, ' ').c_str(), percent, done, total);
        std::fflush(stdout);
    }

    void Finish() {
        if (percent_ >= 0) std::printf("\n");
    }

  private:
    bool shown_ = isatty(STDOUT_FILENO);
    int percent_ = -1;
};

// The chosen portfolios in the order of AllPortfolios: all of them when ids is empty.
// nullopt (after saying which) when an id names no portfolio.
std::optional<std::vector<PortfolioRecord>> ChosenPortfolios(const DataStore& store,
                                                             const std::vector<Pid>& ids) {
    for (Pid id : ids) {
        if (!NamedPortfolio(store, id)) return std::nullopt;
    }
    std::vector<PortfolioRecord> chosen;
    for (const PortfolioRecord& portfolio : store.portfolios().AllPortfolios()) {
        if (ids.empty() || std::find(ids.begin(), ids.end(), portfolio.Id) != ids.end()) {
            chosen.push_back(portfolio);
        }
    }
    return chosen;
}

int Calculate(DataStore& store, const std::vector<PortfolioRecord>& portfolios, Date date) {
    const SystemClock clock;
    CalculationRun run(store, clock, std::filesystem::current_path());
    ProgressBar progress;
    const Status status = run.CalculatePortfolios(
        portfolios, date, [&progress](int done, int total) { progress.Show(done, total); });
    progress.Finish();
    if (!run.log_status().ok()) {
        std::cerr << "Warning: the calculation audit log could not be written: "
                  << run.log_status().message() << "\n";
    }
    if (!status.ok()) {
        std::cerr << "Some figures could not be stored: " << status.message() << "\n";
        return kRefused;
    }
    std::cout << "Finished calculating performance numbers.\n";
    return kSucceeded;
}

}  // namespace

void AddCalculateCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand(
        "calculate",
        "Calculate the performance of every portfolio, or of the named ones, as of a date");
    static std::string date_text;
    static std::vector<Pid> portfolio_ids;
    command
        ->add_option("--date", date_text,
                     "Performance date, M/D/YYYY or YYYY-MM-DD: the last day of the last "
                     "monthly period")
        ->type_name("DATE")
        ->required();
    AddIdentifierOption(*command, "--portfolio", portfolio_ids,
                        "Portfolio identifier (repeatable)");
    command->callback([&exit_code] {
        const std::optional<Date> date = DateOption(date_text);
        if (!date) {
            exit_code = kRefused;
            return;
        }
        exit_code = WithClaimedStore([&date](DataStore& store) {
            const auto portfolios = ChosenPortfolios(store, portfolio_ids);
            return portfolios ? Calculate(store, *portfolios, *date) : kRefused;
        });
    });
}

}  // namespace brevanta::cli
