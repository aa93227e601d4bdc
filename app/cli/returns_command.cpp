#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "core/clock.h"
#include "core/date_format.h"
#include "engine/growth.h"
#include "exchange/text_fields.h"
#include "reports/growth_page.h"
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

}  // namespace

void AddReturnsCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand(
        "returns",
        "Print the returns of a portfolio, or of one of its investments, by calendar year "
        "(run in the data directory)");
    static Pid portfolio_id{};
    static Hid holding_id{};
    static std::string date_text;
    static bool csv = false;
    AddIdentifierOption(*command, "--portfolio", portfolio_id, "Portfolio identifier")->required();
    auto* investment =
        AddIdentifierOption(*command, "--investment", holding_id, "Investment identifier");
    command->add_option("--date", date_text,
                        "As of YYYY-MM-DD; default: the performance date, or today when never "
                        "calculated");
    command->add_flag("--csv", csv, "Comma-separated values (RFC 4180) instead of a table");
    command->callback([&exit_code, investment] {
        std::optional<Date> date;
        if (!date_text.empty()) {
            date = DateOption(date_text);
            if (!date) {
                exit_code = 1;
                return;
            }
        }
        GrowthSubject subject{portfolio_id, std::nullopt};
        if (investment->count() > 0) subject.holding_id = holding_id;
        exit_code = WithReadOnlyStore([&](DataStore& store) {
            if (const Status found = CheckGrowthSubject(store, subject); !found.ok()) {
                std::cerr << found.message() << "\n";
                return 1;
            }
            const Date as_of =
                date.value_or(DefaultGrowthDate(store, subject, SystemClock().Today()));
            const Growth growth = GrowthOf(store, subject, as_of);
            if (csv) {
                PrintCsv(BuildCalendarYearRows(growth.years, NumberStyle::Plain, Locale::EnUs()));
                return 0;
            }
            std::cout << "Returns by calendar year as of " << FormatShortDate(as_of) << "\n";
            if (growth.years.empty()) {
                std::cout << "There is no history to show as of this date.\n";
            } else {
                PrintAligned(
                    BuildCalendarYearRows(growth.years, NumberStyle::Grouped, Locale::EnUs()));
            }
            return 0;
        });
    });
}

}  // namespace brevanta::cli
