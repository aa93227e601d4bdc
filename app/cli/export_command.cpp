#include <iostream>
#include <string>

#include "app/cli/commands.h"
#include "exchange/import_export_engine.h"
#include "store/data_store.h"

namespace brevanta::cli {

void AddExportCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand(
        "export",
        "Export an investment's transactions or historical values, or a portfolio's "
        "performance figures, as a comma-separated file (run in the data directory)");
    static std::string kind;
    static Pid portfolio_id{};
    static Hid holding_id{};
    static std::string file;
    command->add_option("KIND", kind, "transactions, values or performance")
        ->required()
        ->check(CLI::IsMember({"transactions", "values", "performance"}));
    AddIdentifierOption(*command, "--portfolio", portfolio_id, "Portfolio identifier")->required();
    auto* investment = AddIdentifierOption(*command, "--investment", holding_id,
                                           "Investment identifier (transactions and values)");
    command->add_option("FILE", file, "File to write (replaced)")->required();
    command->callback([&exit_code, investment] {
        if (kind != "performance" && investment->count() == 0) {
            std::cerr << "export " << kind << " needs --investment\n";
            exit_code = 1;
            return;
        }
        exit_code = WithReadOnlyStore([](DataStore& store) {
            ImportExportEngine engine(store);
            Status status;
            if (kind == "transactions") {
                status = engine.ExportTransactions(portfolio_id, holding_id, file);
            } else if (kind == "values") {
                status = engine.ExportHistoricalValues(portfolio_id, holding_id, file);
            } else {
                status = engine.ExportPerformance(portfolio_id, file);
            }
            return ReportEngineResult(status, engine.ResultMessage());
        });
    });
}

}  // namespace brevanta::cli
