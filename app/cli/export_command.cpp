#include <string>

#include "app/cli/commands.h"
#include "app/cli/subject_options.h"
#include "exchange/import_export_engine.h"
#include "store/data_store.h"

namespace brevanta::cli {

void AddExportCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand(
        "export",
        "Export an investment's transactions or historical values, or a portfolio's "
        "performance figures, as a comma-separated file");
    static std::string kind;
    static SubjectOptions subject;
    static std::string file;
    command->add_option("KIND", kind, "transactions, values or performance")
        ->required()
        ->check(CLI::IsMember({"transactions", "values", "performance"}));
    subject.AddTo(*command, "Investment identifier (transactions and values)");
    command->add_option("FILE", file, "File to write (replaced)")->required();
    command->callback([&exit_code] {
        if (kind != "performance" && !subject.NamesInvestment()) {
            exit_code = UsageError("export " + kind + " needs --investment");
            return;
        }
        if (!subject.NamesAny()) {
            exit_code = UsageError("export performance needs --portfolio or --investment");
            return;
        }
        exit_code = WithReadOnlyStore([](DataStore& store) {
            const std::optional<Subject> found = subject.Find(store);
            if (!found) return kRefused;
            ImportExportEngine engine(store);
            Status status;
            if (kind == "transactions") {
                status = engine.ExportTransactions(found->portfolio_id, *found->holding_id, file);
            } else if (kind == "values") {
                status =
                    engine.ExportHistoricalValues(found->portfolio_id, *found->holding_id, file);
            } else {
                status = engine.ExportPerformance(found->portfolio_id, file);
            }
            return ReportEngineResult(status, engine.ResultMessage().English());
        });
    });
}

}  // namespace brevanta::cli
