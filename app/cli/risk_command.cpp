#include <algorithm>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "core/clock.h"
#include "core/date_format.h"
#include "core/number_format.h"
#include "core/number_parse.h"
#include "engine/growth.h"
#include "engine/risk_figures.h"
#include "exchange/text_fields.h"
#include "reports/risk_rows.h"
#include "store/benchmark_choice.h"
#include "store/data_store.h"
#include "store/risk_free_setting.h"

namespace brevanta::cli {

namespace {

// The portfolio's benchmark over the same months as a line; no figures when it is younger.
struct BenchmarkRisk {
    Hid holding_id{};
    std::string name;
    std::optional<RiskFigures> figures;
};

// One line of output: an investment, or a portfolio as a whole.
struct RiskLine {
    GrowthSubject subject;
    std::string name;
    Date as_of;
    RiskFigures figures;
    std::optional<BenchmarkRisk> benchmark;  // when the portfolio has one
};

RiskLine LineOf(const DataStore& store, const GrowthSubject& subject, std::string name, Date as_of,
                double risk_free) {
    const MonthlyReturns returns = InceptionReturnsOf(store, subject, as_of);
    RiskLine line{subject, std::move(name), as_of, CalculateRiskFigures(returns, risk_free), {}};
    if (const std::optional<Hid> benchmark = BenchmarkOf(store, subject.portfolio_id)) {
        const std::optional<MonthlyReturns> compared =
            BenchmarkInceptionReturnsOf(store, *benchmark, returns, as_of);
        line.benchmark = {
            *benchmark, store.holdings().FindHolding(*benchmark)->Name,
            compared ? std::optional(CalculateRiskFigures(*compared, risk_free)) : std::nullopt};
    }
    return line;
}

template <typename Record>
std::vector<Record> ByIdentifier(std::vector<Record> records) {
    std::sort(records.begin(), records.end(),
              [](const Record& a, const Record& b) { return a.Id < b.Id; });
    return records;
}

// For each portfolio by identifier, its investments by identifier and then the portfolio
// itself; only those of one portfolio, or one investment, when asked.
std::vector<std::pair<GrowthSubject, std::string>> Subjects(const DataStore& store,
                                                            std::optional<Pid> portfolio_id,
                                                            std::optional<Hid> holding_id) {
    if (holding_id) {
        const HoldingRecord holding = *store.holdings().FindHolding(*holding_id);
        return {{{holding.PortfolioId, holding.Id}, holding.Name}};
    }
    std::vector<std::pair<GrowthSubject, std::string>> subjects;
    for (const PortfolioRecord& portfolio : ByIdentifier(store.portfolios().AllPortfolios())) {
        if (portfolio_id && portfolio.Id != *portfolio_id) continue;
        for (const HoldingRecord& holding :
             ByIdentifier(store.holdings().HoldingsOfPortfolio(portfolio.Id))) {
            subjects.push_back({{portfolio.Id, holding.Id}, holding.Name});
        }
        subjects.push_back({{portfolio.Id, std::nullopt}, portfolio.Name});
    }
    return subjects;
}

std::vector<std::string> FileCells(const RiskLine& line) {
    std::vector<std::string> cells = {
        IdText(line.subject.portfolio_id),
        line.subject.holding_id ? IdText(*line.subject.holding_id) : ""};
    for (std::string& text : RiskFigureTexts(line.figures, NumberStyle::Plain, Locale::EnUs())) {
        cells.push_back(std::move(text));
    }
    return cells;
}

// RFC 4180, each line ended by CR LF.
void PrintCsv(const std::vector<RiskLine>& lines) {
    const auto print = [](const std::vector<std::string>& cells) {
        for (size_t i = 0; i < cells.size(); ++i) {
            std::cout << (i > 0 ? "," : "") << CsvQuoted(cells[i]);
        }
        std::cout << "\r\n";
    };
    std::vector<std::string> header = {"Portfolio", "Investment"};
    for (const RiskFigureCaption& caption : kRiskFigureCaptions) header.push_back(caption.caption);
    print(header);
    for (const RiskLine& line : lines) print(FileCells(line));
}

// Padded to the widest cell of each column: identifiers, name and date to the left, the
// figures to the right.
void PrintAligned(const std::vector<RiskLine>& lines, double risk_free) {
    constexpr size_t kLeftColumns = 4;
    std::vector<std::vector<std::string>> table = {{"Portfolio", "Investment", "Name", "As of"}};
    for (const RiskFigureCaption& caption : kRiskFigureCaptions) {
        table.front().push_back(caption.caption);
    }
    const auto add_row = [&table](std::vector<std::string> cells,
                                  const std::vector<std::string>& figures) {
        cells.insert(cells.end(), figures.begin(), figures.end());
        table.push_back(std::move(cells));
    };
    for (const RiskLine& line : lines) {
        const std::string as_of = FormatShortDate(line.as_of);
        add_row({IdText(line.subject.portfolio_id),
                 line.subject.holding_id ? IdText(*line.subject.holding_id) : "", line.name, as_of},
                RiskFigureTexts(line.figures, NumberStyle::Grouped, Locale::EnUs()));
        // The portfolio's benchmark over the same months, beneath.
        if (const std::optional<BenchmarkRisk>& benchmark = line.benchmark) {
            add_row({"", IdText(benchmark->holding_id), "Benchmark: " + benchmark->name, as_of},
                    BenchmarkRiskTexts(benchmark->figures, NumberStyle::Grouped, Locale::EnUs()));
        }
    }
    std::vector<size_t> widths(table.front().size(), 0);
    for (const auto& cells : table) {
        for (size_t i = 0; i < cells.size(); ++i) widths[i] = std::max(widths[i], cells[i].size());
    }
    std::cout << "Risk figures from the monthly returns since inception, at a risk-free rate of "
              << FormatNumber(risk_free, "#,##0.0000") << " % a year\n";
    for (const auto& cells : table) {
        std::string text;
        for (size_t i = 0; i < cells.size(); ++i) {
            const std::string padding(widths[i] - cells[i].size(), ' ');
            text +=
                (i > 0 ? "  " : "") + (i < kLeftColumns ? cells[i] + padding : padding + cells[i]);
        }
        text.erase(text.find_last_not_of(' ') + 1);
        std::cout << text << "\n";
    }
}

// A printed figure: the number rounded as the other outputs print it, or null.
nlohmann::ordered_json JsonNumber(const std::optional<double>& value) {
    if (!value) return nullptr;
    return *ParseNumber(FormatNumber(*value, "0.0000"));
}

nlohmann::ordered_json JsonDate(const std::optional<Date>& date) {
    if (!date) return nullptr;
    return FormatDate(*date, "yyyy-mm-dd");
}

// Adds the figures' members to the object; with none (a benchmark younger than the line) each
// is null, the month count included.
void AddFiguresJson(nlohmann::ordered_json& object, const std::optional<RiskFigures>& figures) {
    const RiskFigures shown = figures.value_or(RiskFigures{});
    object["months"] =
        figures ? nlohmann::ordered_json(shown.months) : nlohmann::ordered_json(nullptr);
    object["volatility_percent"] = JsonNumber(shown.volatility);
    object["max_drawdown_percent"] = JsonNumber(shown.max_drawdown);
    object["peak"] = JsonDate(shown.peak);
    object["trough"] = JsonDate(shown.trough);
    object["sharpe"] = JsonNumber(shown.sharpe);
    object["sortino"] = JsonNumber(shown.sortino);
    object["best_month_percent"] = JsonNumber(shown.best_month);
    object["worst_month_percent"] = JsonNumber(shown.worst_month);
    object["positive_months_percent"] = JsonNumber(shown.positive_months);
}

void PrintJson(const std::vector<RiskLine>& lines, double risk_free) {
    nlohmann::ordered_json output = {{"risk_free_percent", risk_free},
                                     {"lines", nlohmann::ordered_json::array()}};
    for (const RiskLine& line : lines) {
        nlohmann::ordered_json object = {
            {"portfolio", Number(line.subject.portfolio_id)},
            {"investment", line.subject.holding_id
                               ? nlohmann::ordered_json(Number(*line.subject.holding_id))
                               : nlohmann::ordered_json(nullptr)},
            {"name", line.name},
            {"date", FormatDate(line.as_of, "yyyy-mm-dd")}};
        AddFiguresJson(object, line.figures);
        if (line.benchmark) {
            nlohmann::ordered_json benchmark = {{"investment", Number(line.benchmark->holding_id)},
                                                {"name", line.benchmark->name}};
            AddFiguresJson(benchmark, line.benchmark->figures);
            object["benchmark"] = std::move(benchmark);
        }
        output["lines"].push_back(std::move(object));
    }
    // A name that is not valid UTF-8 is written with replacement characters, not refused.
    std::cout << output.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
              << "\n";
}

}  // namespace

void AddRiskCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand(
        "risk",
        "Print the risk figures of every investment and portfolio, or of one portfolio or one "
        "investment, from their monthly returns since inception (run in the data directory)");
    static Pid portfolio_id{};
    static Hid holding_id{};
    static std::string date_text;
    static std::string risk_free_text;
    static bool csv = false;
    static bool json = false;
    auto* portfolio = AddIdentifierOption(*command, "--portfolio", portfolio_id,
                                          "Only this portfolio and its investments");
    auto* investment =
        AddIdentifierOption(*command, "--investment", holding_id, "Only this investment")
            ->excludes(portfolio);
    command->add_option("--date", date_text,
                        "As of YYYY-MM-DD; default: each one's performance date, or today when "
                        "never calculated");
    command->add_option("--risk-free", risk_free_text,
                        "Yearly risk-free rate in percent (3 means 3 %); default: the option "
                        "stored with the data, else 0");
    auto* csv_flag =
        command->add_flag("--csv", csv, "Comma-separated values (RFC 4180) instead of a table");
    command->add_flag("--json", json, "JSON instead of a table")->excludes(csv_flag);
    command->callback([&exit_code, portfolio, investment] {
        std::optional<Date> date;
        if (!date_text.empty() && !(date = DateOption(date_text))) {
            exit_code = 1;
            return;
        }
        std::optional<double> risk_free_option;
        if (!risk_free_text.empty() && !(risk_free_option = RiskFreeOption(risk_free_text))) {
            exit_code = 1;
            return;
        }
        const std::optional<Pid> only_portfolio =
            portfolio->count() > 0 ? std::optional(portfolio_id) : std::nullopt;
        const std::optional<Hid> only_holding =
            investment->count() > 0 ? std::optional(holding_id) : std::nullopt;
        exit_code = WithReadOnlyStore([&](DataStore& store) {
            if (only_portfolio && !store.portfolios().FindPortfolio(*only_portfolio)) {
                std::cerr << "Portfolio " << IdText(*only_portfolio) << " was not found.\n";
                return 1;
            }
            if (only_holding && !store.holdings().FindHolding(*only_holding)) {
                std::cerr << "Investment " << IdText(*only_holding) << " was not found.\n";
                return 1;
            }
            const double risk_free = risk_free_option.value_or(RiskFreeRate(store));
            const Date today = SystemClock().Today();
            std::vector<RiskLine> lines;
            for (auto& [subject, name] : Subjects(store, only_portfolio, only_holding)) {
                const Date as_of = date.value_or(DefaultGrowthDate(store, subject, today));
                lines.push_back(LineOf(store, subject, std::move(name), as_of, risk_free));
            }
            if (csv) {
                PrintCsv(lines);
            } else if (json) {
                PrintJson(lines, risk_free);
            } else {
                PrintAligned(lines, risk_free);
            }
            return 0;
        });
    });
}

}  // namespace brevanta::cli
