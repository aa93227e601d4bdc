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

// Figure captions and JSON names.
struct FigureName {
    const char* caption;
    const char* key;
    Figure figure;
};
const FigureName kTimeWeighted[] = {
    {"Month", "month", Figure::Month},
    {"Quarter", "quarter", Figure::Qtr},
    {"1 Year", "one_year", Figure::Ytd},
    {"3 Years", "three_years", Figure::ThYr},
    {"5 Years", "five_years", Figure::FiYr},
    {"10 Years", "ten_years", Figure::TeYr},
    {"Inception", "inception", Figure::Inc},
    {"Inception ann.", "inception_annualised", Figure::IncAnn},
};
const FigureName kDollarWeighted[] = {
    {"Quarter", "quarter", Figure::QtrD},
    {"1 Year", "one_year", Figure::YtdD},
    {"3 Years", "three_years", Figure::ThYrD},
    {"5 Years", "five_years", Figure::FiYrD},
    {"10 Years", "ten_years", Figure::TeYrD},
    {"Inception ann.", "inception_annualised", Figure::IncAnnD},
};

std::string FigureText(float figure) {
    return figure == NotCalculated ? "n/a" : FormatNumber(figure, "0.00") + "%";
}

std::string PerformanceDateText(Date date) {
    return date == NoDate ? "Not Calculated" : FormatShortDate(date);
}

void PrintFigures(const std::string& indent, Date performance_date, const FigureValues& figures) {
    std::cout << indent << "Performance date: " << PerformanceDateText(performance_date) << "\n";
    for (const auto& [title, row] :
         {std::pair{"Time-weighted:  ",
                    std::vector(std::begin(kTimeWeighted), std::end(kTimeWeighted))},
          std::pair{"Dollar-weighted:",
                    std::vector(std::begin(kDollarWeighted), std::end(kDollarWeighted))}}) {
        std::cout << indent << title;
        for (const FigureName& name : row) {
            std::cout << "  " << name.caption << " " << FigureText(figures[name.figure]);
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
        PrintFigures("  ", portfolio.PerformanceDate, portfolio.Figures);
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
            PrintFigures("    ", holding.PerformanceDate, holding.Figures);
        }
    }
}

// The performance date and the figures, by their JSON names, into `object`.
void AddFiguresJson(Json& object, Date performance_date, const FigureValues& figures) {
    object["performance_date"] = DateJson(performance_date);
    for (const auto& [group, names] :
         {std::pair{"time_weighted",
                    std::vector(std::begin(kTimeWeighted), std::end(kTimeWeighted))},
          std::pair{"dollar_weighted",
                    std::vector(std::begin(kDollarWeighted), std::end(kDollarWeighted))}}) {
        Json group_figures = Json::object();
        for (const FigureName& name : names) {
            group_figures[name.key] = FigureJson(figures[name.figure]);
        }
        object[group] = std::move(group_figures);
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
    AddFiguresJson(object, holding.PerformanceDate, holding.Figures);
    object.update(HistoryJson(store, holding.Id));
    return object;
}

Json StoreJson(const DataStore& store) {
    Json portfolios = Json::array();
    for (const PortfolioRecord& portfolio : store.portfolios().AllPortfolios()) {
        Json object = {{"id", Number(portfolio.Id)},
                       {"name", portfolio.Name},
                       {"description", portfolio.Description}};
        AddFiguresJson(object, portfolio.PerformanceDate, portfolio.Figures);
        // Stored with every portfolio, never calculated.
        object["dollar_weighted"]["inception"] = FigureJson(portfolio.InceptionDollar);
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
