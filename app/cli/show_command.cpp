#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "app/cli/commands.h"
#include "core/date_format.h"
#include "core/number_format.h"
#include "store/data_store.h"

namespace brevanta::cli {

namespace {

// Figure captions with their places in the holding form.
const std::pair<const char*, FigureIndex> kTimeWeighted[] = {
    {"Month", kMonthFigure},         {"Quarter", kQuarterFigure},
    {"1 Year", kOneYearFigure},      {"3 Years", kThreeYearsFigure},
    {"5 Years", kFiveYearsFigure},   {"10 Years", kTenYearsFigure},
    {"Inception", kInceptionFigure}, {"Inception ann.", kInceptionAnnualisedFigure},
};
const std::pair<const char*, FigureIndex> kDollarWeighted[] = {
    {"Quarter", kQuarterDollarFigure},    {"1 Year", kOneYearDollarFigure},
    {"3 Years", kThreeYearsDollarFigure}, {"5 Years", kFiveYearsDollarFigure},
    {"10 Years", kTenYearsDollarFigure},  {"Inception ann.", kInceptionAnnualisedDollarFigure},
};

std::string FigureText(float figure) {
    return figure == NotCalculated ? "n/a" : FormatNumber(figure, "0.00") + "%";
}

std::string PerformanceDateText(Date date) {
    return date == NoDate ? "Not Calculated" : FormatShortDate(date);
}

// `figure(index)` reads one figure by its holding-form place.
template <typename Figure>
void PrintFigures(const std::string& indent, Date performance_date, Figure figure) {
    std::cout << indent << "Performance date: " << PerformanceDateText(performance_date) << "\n";
    for (const auto& [title, row] :
         {std::pair{"Time-weighted:  ",
                    std::vector(std::begin(kTimeWeighted), std::end(kTimeWeighted))},
          std::pair{"Dollar-weighted:",
                    std::vector(std::begin(kDollarWeighted), std::end(kDollarWeighted))}}) {
        std::cout << indent << title;
        for (const auto& [caption, index] : row) {
            std::cout << "  " << caption << " " << FigureText(figure(index));
        }
        std::cout << "\n";
    }
}

void PrintStore(const DataStore& store) {
    const std::vector<PortfolioRecord> portfolios = store.portfolios().AllPortfolios();
    if (portfolios.empty()) std::cout << "No portfolios.\n";
    for (const PortfolioRecord& portfolio : portfolios) {
        std::cout << "Portfolio " << Number(portfolio.Id) << ": " << portfolio.Name;
        if (!portfolio.Description.empty()) std::cout << " (" << portfolio.Description << ")";
        std::cout << "\n";
        PrintFigures("  ", portfolio.PerformanceDate, [&](FigureIndex index) {
            return portfolio.Figures[static_cast<size_t>(PortfolioFigureIndex(index))];
        });
        const std::vector<HoldingRecord> holdings =
            store.holdings().HoldingsOfPortfolio(portfolio.Id);
        if (holdings.empty()) std::cout << "  No investments.\n";
        for (const HoldingRecord& holding : holdings) {
            std::cout << "  Investment " << Number(holding.Id) << ": " << holding.Name << ", since "
                      << FormatShortDate(holding.InceptionDate) << ", initial "
                      << FormatNumber(holding.InitialAmount, "#,##0.00") << ", transactions: "
                      << store.transactions().TransactionsOfHolding(holding.Id).size() - 1
                      << ", values: " << store.values().ValuesOfHolding(holding.Id).size() - 1
                      << "\n";
            PrintFigures("    ", holding.PerformanceDate, [&](FigureIndex index) {
                return holding.Figures[static_cast<size_t>(index)];
            });
        }
    }
}

}  // namespace

void AddShowCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand(
        "show",
        "List the portfolios and their investments with their stored figures (run in the data "
        "directory)");
    command->callback([&exit_code] {
        exit_code = WithReadOnlyStore([](DataStore& store) {
            PrintStore(store);
            return 0;
        });
    });
}

}  // namespace brevanta::cli
