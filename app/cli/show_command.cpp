#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "app/cli/commands.h"
#include "app/cli/json_values.h"
#include "core/date_format.h"
#include "core/number_format.h"
#include "store/data_store.h"

namespace brevanta::cli {

namespace {

// Figure captions and JSON names with their places in the holding form.
struct FigureName {
    const char* caption;
    const char* key;
    FigureIndex index;
};
const FigureName kTimeWeighted[] = {
    {"Month", "month", kMonthFigure},
    {"Quarter", "quarter", kQuarterFigure},
    {"1 Year", "one_year", kOneYearFigure},
    {"3 Years", "three_years", kThreeYearsFigure},
    {"5 Years", "five_years", kFiveYearsFigure},
    {"10 Years", "ten_years", kTenYearsFigure},
    {"Inception", "inception", kInceptionFigure},
    {"Inception ann.", "inception_annualised", kInceptionAnnualisedFigure},
};
const FigureName kDollarWeighted[] = {
    {"Quarter", "quarter", kQuarterDollarFigure},
    {"1 Year", "one_year", kOneYearDollarFigure},
    {"3 Years", "three_years", kThreeYearsDollarFigure},
    {"5 Years", "five_years", kFiveYearsDollarFigure},
    {"10 Years", "ten_years", kTenYearsDollarFigure},
    {"Inception ann.", "inception_annualised", kInceptionAnnualisedDollarFigure},
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
        for (const FigureName& name : row) {
            std::cout << "  " << name.caption << " " << FigureText(figure(name.index));
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

// The performance date and the figures, by their JSON names, into `object`.
template <typename Figure>
void AddFiguresJson(Json& object, Date performance_date, Figure figure) {
    object["performance_date"] = DateJson(performance_date);
    for (const auto& [group, names] :
         {std::pair{"time_weighted",
                    std::vector(std::begin(kTimeWeighted), std::end(kTimeWeighted))},
          std::pair{"dollar_weighted",
                    std::vector(std::begin(kDollarWeighted), std::end(kDollarWeighted))}}) {
        Json figures = Json::object();
        for (const FigureName& name : names) figures[name.key] = FigureJson(figure(name.index));
        object[group] = std::move(figures);
    }
}

Json HistoryJson(const DataStore& store, Hid holding_id) {
    Json transactions = Json::array();
    const std::vector<TransactionRecord> flows =
        store.transactions().TransactionsOfHolding(holding_id);
    // The opening entries lead both lists and are not rows.
    for (size_t i = 1; i < flows.size(); ++i) {
        transactions.push_back({{"id", Number(flows[i].Id)},
                                {"date", DateJson(flows[i].Date)},
                                {"type", flows[i].Type},
                                {"amount", flows[i].Amount},
                                {"description", flows[i].Description}});
    }
    Json values = Json::array();
    const std::vector<ValueRecord> stored = store.values().ValuesOfHolding(holding_id);
    for (size_t i = 1; i < stored.size(); ++i) {
        values.push_back({{"id", Number(stored[i].Id)},
                          {"date", DateJson(stored[i].Date)},
                          {"value", stored[i].Value}});
    }
    return {{"transactions", std::move(transactions)}, {"values", std::move(values)}};
}

Json HoldingJson(const DataStore& store, const HoldingRecord& holding) {
    Json object = {{"id", Number(holding.Id)},
                   {"name", holding.Name},
                   {"description", holding.Description},
                   {"inception_date", DateJson(holding.InceptionDate)},
                   {"initial_amount", holding.InitialAmount}};
    AddFiguresJson(object, holding.PerformanceDate,
                   [&](FigureIndex index) { return holding.Figures[static_cast<size_t>(index)]; });
    object.update(HistoryJson(store, holding.Id));
    return object;
}

Json StoreJson(const DataStore& store) {
    Json portfolios = Json::array();
    for (const PortfolioRecord& portfolio : store.portfolios().AllPortfolios()) {
        Json object = {{"id", Number(portfolio.Id)},
                       {"name", portfolio.Name},
                       {"description", portfolio.Description}};
        AddFiguresJson(object, portfolio.PerformanceDate, [&](FigureIndex index) {
            return portfolio.Figures[static_cast<size_t>(PortfolioFigureIndex(index))];
        });
        // Stored with every portfolio, never calculated.
        object["dollar_weighted"]["inception"] =
            FigureJson(portfolio.Figures[kPortfolioInceptionDollar]);
        Json investments = Json::array();
        for (const HoldingRecord& holding : store.holdings().HoldingsOfPortfolio(portfolio.Id)) {
            investments.push_back(HoldingJson(store, holding));
        }
        object["investments"] = std::move(investments);
        portfolios.push_back(std::move(object));
    }
    return {{"portfolios", std::move(portfolios)}};
}

}  // namespace

void AddShowCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand(
        "show", "List the portfolios and their investments with their stored figures");
    static bool json = false;
    command->add_flag("--json", json,
                      "One JSON document, with every investment's transactions and values too "
                      "(see doc/cli.md)");
    command->callback([&exit_code] {
        exit_code = WithReadOnlyStore([](DataStore& store) {
            if (json) {
                PrintJson(StoreJson(store));
            } else {
                PrintStore(store);
            }
            return kSucceeded;
        });
    });
}

}  // namespace brevanta::cli
