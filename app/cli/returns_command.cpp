#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "app/cli/json_values.h"
#include "app/cli/subject_options.h"
#include "core/clock.h"
#include "core/date_format.h"
#include "engine/growth.h"
#include "exchange/text_fields.h"
#include "reports/growth_rows.h"
#include "store/benchmark_choice.h"
#include "store/data_store.h"

namespace brevanta::cli {

namespace {

// The table's captions: the benchmark's two only when the portfolio has one.
std::vector<std::string> Captions(const Growth& growth) {
    std::vector<std::string> captions(kCalendarYearColumns.begin(), kCalendarYearColumns.end());
    if (growth.benchmark)
        captions.insert(captions.end(), kBenchmarkColumns.begin(), kBenchmarkColumns.end());
    return captions;
}

std::vector<TextRow> YearRows(const Growth& growth, NumberStyle style) {
    return BuildCalendarYearRows(growth.years, style, Locale::EnUs(),
                                 growth.benchmark ? &*growth.benchmark : nullptr);
}

// RFC 4180: a header line, then one line per year, each ended by CR LF.
void PrintCsv(const Growth& growth) {
    const auto print_line = [](const std::vector<std::string>& cells) {
        std::string line;
        for (const std::string& cell : cells) {
            if (!line.empty()) line += ',';
            line += CsvQuoted(cell);
        }
        std::cout << line << "\r\n";
    };
    print_line(Captions(growth));
    for (const TextRow& row : YearRows(growth, NumberStyle::Plain)) print_line(row.cells);
}

// Columns padded to their widest cell: year and partial to the left, figures to the right.
void PrintAligned(const Growth& growth) {
    const std::vector<std::string> captions = Captions(growth);
    const std::vector<TextRow> rows = YearRows(growth, NumberStyle::Grouped);
    std::vector<size_t> widths;
    for (const std::string& caption : captions) widths.push_back(caption.size());
    for (const TextRow& row : rows) {
        for (size_t i = 0; i < row.cells.size(); ++i) {
            widths[i] = std::max(widths[i], row.cells[i].size());
        }
    }
    const auto print_line = [&widths](const std::vector<std::string>& cells) {
        std::string line;
        for (size_t i = 0; i < widths.size(); ++i) {
            const std::string padding(widths[i] - cells[i].size(), ' ');
            if (i > 0) line += "  ";
            line += i < 2 ? cells[i] + padding : padding + cells[i];
        }
        line.erase(line.find_last_not_of(' ') + 1);
        std::cout << line << "\n";
    };
    print_line(captions);
    for (const TextRow& row : rows) print_line(row.cells);
}

Json ReturnsJson(const DataStore& store, const Subject& subject, const Growth& growth) {
    const auto named = [](IdNumber id, const std::string& name) {
        return Json{{"id", id}, {"name", name}};
    };
    Json document = {{"portfolio", named(Number(subject.portfolio_id),
                                         store.portfolios().PortfolioName(subject.portfolio_id))},
                     {"investment", nullptr},
                     {"as_of", DateJson(growth.performance_date)}};
    if (subject.holding_id) {
        document["investment"] = named(Number(*subject.holding_id),
                                       store.holdings().FindHolding(*subject.holding_id)->Name);
    }
    const std::optional<BenchmarkGrowth>& benchmark = growth.benchmark;
    if (benchmark) {
        document["benchmark"] = named(Number(benchmark->holding_id),
                                      store.holdings().FindHolding(benchmark->holding_id)->Name);
    }
    // Percentages in single precision, as every stored figure.
    const auto figure = [](std::optional<double> value) {
        return value ? FigureJson(static_cast<float>(*value)) : Json(nullptr);
    };
    Json rows = Json::array();
    for (size_t i = 0; i < growth.years.size(); ++i) {
        const CalendarYearReturn& year = growth.years[i];
        Json& row =
            rows.emplace_back(Json{{"year", year.year},
                                   {"partial", year.partial},
                                   {"start", DateJson(year.start)},
                                   {"end", DateJson(year.end)},
                                   {"time_weighted", figure(year.time_weighted)},
                                   {"dollar_weighted", figure(year.dollar_weighted)},
                                   {"market_value", CentsJson(year.market_value)},
                                   {"net_contributions", CentsJson(year.net_contributions)}});
        if (benchmark) {
            row["benchmark_time_weighted"] = figure(benchmark->years[i]);
            row["difference"] =
                figure(BenchmarkDifference(year.time_weighted, benchmark->years[i]));
        }
    }
    document["years"] = std::move(rows);
    return document;
}

}  // namespace

void AddReturnsCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand(
        "returns",
        "Print the returns of a portfolio, or of one of its investments, by calendar year");
    static SubjectOptions subject;
    static std::string date_text;
    static bool csv = false;
    static bool json = false;
    subject.AddTo(*command, "Investment identifier");
    command
        ->add_option("--date", date_text,
                     "As of M/D/YYYY or YYYY-MM-DD; default: the performance date, or today "
                     "when never calculated")
        ->type_name("DATE");
    auto* csv_flag =
        command->add_flag("--csv", csv, "Comma-separated values (RFC 4180) instead of a table");
    command->add_flag("--json", json, "One JSON document instead of a table (see doc/cli.md)")
        ->excludes(csv_flag);
    command->callback([&exit_code] {
        if (!subject.NamesAny()) {
            exit_code = UsageError("returns needs --portfolio or --investment");
            return;
        }
        std::optional<Date> date;
        if (!date_text.empty()) {
            date = DateOption(date_text);
            if (!date) {
                exit_code = kRefused;
                return;
            }
        }
        exit_code = WithReadOnlyStore([&](DataStore& store) {
            const std::optional<Subject> found = subject.Find(store);
            if (!found) return kRefused;
            const GrowthSubject growth_subject{found->portfolio_id, found->holding_id};
            const Date as_of =
                date.value_or(DefaultGrowthDate(store, growth_subject, SystemClock().Today()));
            const Growth growth =
                GrowthOf(store, growth_subject, as_of, BenchmarkOf(store, found->portfolio_id));
            if (json) {
                PrintJson(ReturnsJson(store, *found, growth));
            } else if (csv) {
                PrintCsv(growth);
            } else {
                std::cout << "Returns by calendar year as of " << FormatShortDate(as_of) << "\n";
                if (growth.benchmark) {
                    std::cout << "Compared with the benchmark "
                              << store.holdings().FindHolding(growth.benchmark->holding_id)->Name
                              << " (investment " << IdText(growth.benchmark->holding_id) << ")\n";
                }
                if (growth.years.empty()) {
                    std::cout << "There is no history to show as of this date.\n";
                } else {
                    PrintAligned(growth);
                }
            }
            return kSucceeded;
        });
    });
}

}  // namespace brevanta::cli
