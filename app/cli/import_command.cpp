#include <string>

#include "app/cli/commands.h"
#include "app/cli/subject_options.h"
#include "exchange/import_export_engine.h"
#include "store/data_directory_opening.h"
#include "store/data_store.h"

namespace brevanta::cli {

void AddImportCommand(CLI::App& app, int& exit_code) {
    auto* command =
        app.add_subcommand("import",
                           "Import transactions or historical values of an investment from a "
                           "comma-separated file");
    static std::string kind;
    static SubjectOptions subject;
    static std::string file;
    command->add_option("KIND", kind, "transactions or values")
        ->required()
        ->check(CLI::IsMember({"transactions", "values"}));
    subject.AddTo(*command, "Investment identifier");
    subject.investment->required();
    command->add_option("FILE", file, "File to read")->required();
    command->callback([&exit_code] {
        exit_code = WithClaimedStore([](DataStore& store) {
            const std::optional<Subject> found = subject.Find(store);
            if (!found) return kRefused;
            ImportExportEngine engine(store);
            const Status status =
                kind == "transactions"
                    ? engine.ImportTransactions(found->portfolio_id, *found->holding_id, file)
                    : engine.ImportHistoricalValues(found->portfolio_id, *found->holding_id, file);
            return ReportEngineResult(status, engine.ResultMessage());
        });
    });
}

}  // namespace brevanta::cli
