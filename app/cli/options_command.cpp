#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "app/cli/store_calls.h"
#include "core/blanks.h"
#include "store/column_choice.h"
#include "store/currency_setting.h"
#include "store/data_store.h"
#include "store/risk_free_setting.h"

namespace brevanta::cli {

namespace {

std::string Joined(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : ",") + name;
    return joined;
}

void PrintOptions(const DataStore& store) {
    const ColumnChoice columns = StoredColumnChoice(store);
    std::cout << "columns: " << Joined(columns.shown) << "\n"
              << "available: " << Joined(columns.hidden) << "\n"
              << "decimals: " << store.settings().NumberOfDecimals() << "\n"
              << "log: " << (store.settings().AuditLoggingOn() ? "on" : "off") << "\n"
              << "risk-free: " << RiskFreeText(RiskFreeRate(store)) << "\n"
              << "currency: " << CurrencySymbol(store) << "\n";
}

// The symbol without the blanks around it, or nullopt having said why it cannot be stored.
std::optional<std::string> CurrencyOption(std::string_view text) {
    const std::string_view symbol = TrimBlanks(text);
    if (const std::optional<Message> refusal = CurrencySymbolRefusal(symbol)) {
        Refuse(refusal->English());
        return std::nullopt;
    }
    return std::string(symbol);
}

// The choice that shows `shown` in that order and hides every other column; nullopt (having
// said why) when a name is not a column or comes twice.
std::optional<ColumnChoice> ChosenColumns(const DataStore& store,
                                          const std::vector<std::string>& shown) {
    const ColumnChoice stored = StoredColumnChoice(store);
    std::vector<std::string> all = stored.shown;
    all.insert(all.end(), stored.hidden.begin(), stored.hidden.end());
    ColumnChoice chosen;
    for (const std::string& name : shown) {
        if (std::find(all.begin(), all.end(), name) == all.end()) {
            Refuse("There is no column named \"" + name + "\".");
            return std::nullopt;
        }
        if (std::find(chosen.shown.begin(), chosen.shown.end(), name) != chosen.shown.end()) {
            Refuse("The column \"" + name + "\" is named twice.");
            return std::nullopt;
        }
        chosen.shown.push_back(name);
    }
    for (const std::string& name : all) {
        if (std::find(shown.begin(), shown.end(), name) == shown.end()) {
            chosen.hidden.push_back(name);
        }
    }
    return chosen;
}

}  // namespace

void AddOptionsCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand(
        "options",
        "Print the main window's list columns, the number of decimals, whether calculations "
        "are logged, the risk-free rate and the currency symbol; or set them");
    static std::vector<std::string> columns;
    static int decimals = 2;
    static std::string log;
    static std::string risk_free;
    static std::string currency;
    auto* columns_option =
        command
            ->add_option("--columns", columns,
                         "The columns the investment list shows, in order, separated by commas "
                         "(\"\" for none); every other column is hidden")
            ->delimiter(',')
            ->type_name("NAME,...");
    auto* decimals_option =
        command->add_option("--decimals", decimals, "Digits after the decimal point, 0 to 6")
            ->check(CLI::Range(0, 6));
    auto* log_option =
        command->add_option("--log", log, "Log every calculation to calclog.txt: on or off")
            ->check(CLI::IsMember({"on", "off"}));
    auto* risk_free_option = command->add_option(
        "--risk-free", risk_free,
        "Yearly risk-free rate of the risk figures in percent (3 means 3 %), above -100");
    auto* currency_option =
        command->add_option("--currency", currency,
                            "The currency symbol of money texts (\"$\" unless set), up to " +
                                std::to_string(kLongestCurrencySymbol) + " characters");
    command->callback([&exit_code, columns_option, decimals_option, log_option, risk_free_option,
                       currency_option] {
        if (!AnyGiven(
                {columns_option, decimals_option, log_option, risk_free_option, currency_option})) {
            exit_code = WithReadOnlyStore([](DataStore& store) {
                PrintOptions(store);
                return kSucceeded;
            });
            return;
        }
        std::optional<double> rate;
        if (risk_free_option->count() > 0 && !(rate = RiskFreeOption(risk_free))) {
            exit_code = kRefused;
            return;
        }
        std::optional<std::string> symbol;
        if (currency_option->count() > 0 && !(symbol = CurrencyOption(currency))) {
            exit_code = kRefused;
            return;
        }
        exit_code = WithClaimedStore([&](DataStore& store) {
            Status status;
            if (columns_option->count() > 0) {
                std::erase(columns, "");
                const std::optional<ColumnChoice> chosen = ChosenColumns(store, columns);
                if (!chosen) return kRefused;
                if (ColumnChoiceChanged(store.settings().VisibleColumns(), chosen->shown)) {
                    status = StoreColumnChoice(store, *chosen);
                }
            }
            if (status.ok() && decimals_option->count() > 0 &&
                decimals != store.settings().NumberOfDecimals()) {
                status = StoreSetting(store, NumDecKey, std::to_string(decimals));
            }
            if (status.ok() && log_option->count() > 0) {
                status = StoreSetting(store, LogAuditKey, log == "on" ? "1" : "0");
            }
            if (status.ok() && rate) status = StoreRiskFreeRate(store, *rate);
            if (status.ok() && symbol) status = StoreCurrencySymbol(store, *symbol);
            return ExitCode(status);
        });
    });
}

}  // namespace brevanta::cli
