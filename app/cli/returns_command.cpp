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
#include "store/data_store.h"

namespace brevanta::cli {

namespace {

// RFC 4180: a header line, then one line per year, each ended by CR LF.
void PrintCsv(const std::vector<TextRow>& rows) {
    const auto print_line = [](const auto& cells) {
        std::string line;
        for (const auto& cell : cells) {
            if (!line.empty()) line += ',';
            line += CsvQuoted(cell);
        }
        std::cout << line << "\r\n";
    };
    print_line(kCalendarYearColumns);
    for (const TextRow& row : rows) print_line(row.cells);
}

// Columns padded to their widest cell: year and partial to the left, figures to the right.
void PrintAligned(const std::vector<TextRow>& rows) {
    std::vector<size_t> widths;
    for (const char* caption : kCalendarYearColumns) widths.push_back(std::string(caption).size());
    for (const TextRow& row : rows) {
        for (size_t i = 0; i < row.cells.size(); ++i) {
            widths[i] = std::max(widths[i], row.cells[i].size());
        }
    }
    const auto print_line = [&widths](const auto& cells) {
        std::string line;
        for (size_t i = 0; i < widths.size(); ++i) {
            const std::string cell = cells[i];
            const std::string padding(widths[i] - cell.size(), ' ');
            if (i > 0) line += "  ";
            line += i < 2 ? cell + padding : padding + cell;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        std::cout << line << "\n";
    };
    print_line(kCalendarYearColumns);
    for (const TextRow& row : rows) print_line(row.cells);
}

Json ReturnsJson(const DataStore& store, const Subject& subject, Date as_of,
                 const std::vector<CalendarYearReturn>& years) {
    const auto named = [](IdNumber id, const std::string& name) {
        return Json{{"id", id}, {"name", name}};
    };
    Json document = {{"portfolio", named(Number(subject.portfolio_id),
                                         store.portfolios().PortfolioName(subject.portfolio_id))},
                     {"investment", nullptr},
                     {"as_of", DateJson(as_of)}};
    if (subject.holding_id) {
        document["investment"] = named(Number(*subject.holding_id),
                                       store.holdings().FindHolding(*subject.holding_id)->Name);
    }
    Json rows = Json::array();
    // Percentages in single precision, as every stored figure.
    for (const CalendarYearReturn& year : years) {
        rows.push_back({{"year", year.year},
                        {"partial", year.partial},
                        {"start", DateJson(year.start)},
                        {"end", DateJson(year.end)},
                        {"time_weighted", FigureJson(static_cast<float>(year.time_weighted))},
                        {"dollar_weighted", year.dollar_weighted ? FigureJson(static_cast<float>(
                                                                       *year.dollar_weighted))
                                                                 : Json(nullptr)},
                        {"market_value", CentsJson(year.market_value)},
                        {"net_contributions", CentsJson(year.net_contributions)}});
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
            const Growth growth = GrowthOf(store, growth_subject, as_of);
            if (json) {
                PrintJson(ReturnsJson(store, *found, as_of, growth.years));
            } else if (csv) {
                PrintCsv(BuildCalendarYearRows(growth.years, NumberStyle::Plain, Locale::EnUs()));
            } else {
                std::cout << "Returns by calendar year as of " << FormatShortDate(as_of) << "\n";
                if (growth.years.empty()) {
                    std::cout << "There is no history to show as of this date.\n";
                } else {
                    PrintAligned(
                        BuildCalendarYearRows(growth.years, NumberStyle::Grouped, Locale::EnUs()));
                }
            }
            return kSucceeded;
        });
    });
}

}  // namespace brevanta::cli
