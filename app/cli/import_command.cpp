#include <filesystem>
#include <iostream>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/subject_options.h"
#include "exchange/import_export_engine.h"
#include "exchange/import_mapping.h"
#include "store/data_directory_opening.h"
#include "store/data_store.h"

namespace brevanta::cli {

namespace {

// --mapping names a file when it holds a "/" or ends in ".json", a saved mapping otherwise.
std::filesystem::path MappingFile(const std::string& mapping) {
    if (mapping.find('/') != std::string::npos || mapping.ends_with(".json")) return mapping;
    return SavedMappingPath(".", mapping);
}

// The mapping --mapping names, or nullopt after saying why there is none.
std::optional<ImportMapping> LoadMapping(const std::string& name) {
    const std::filesystem::path path = MappingFile(name);
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        Refuse("There is no mapping " + name + ".");
        return std::nullopt;
    }
    ImportMapping mapping;
    const Status loaded = LoadImportMapping(path, &mapping);
    if (!loaded.ok()) {
        Refuse(loaded.message());
        return std::nullopt;
    }
    return mapping;
}

// "4: 2024-01-31, CC, 250.00" or "7: skipped: REASON".
void PrintPreviewLine(const ImportedLine& line) {
    std::string text = std::to_string(line.number) + ": ";
    if (line.refusal) {
        text += "skipped: " + RefusalText(*line.refusal);
    } else {
        const std::vector<std::string> fields = ImportedEntryFields(line.entry);
        for (std::size_t i = 0; i < fields.size(); ++i) text += (i == 0 ? "" : ", ") + fields[i];
    }
    std::cout << text << "\n";
}

}  // namespace

void AddImportCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand(
        "import",
        "Import transactions or historical values of an investment from a comma-separated "
        "file, in the program's own layout or in any other through a column mapping");
    static std::string kind;
    static SubjectOptions subject;
    static std::string mapping_name;
    static bool preview = false;
    static std::string file;
    command->add_option("KIND", kind, "transactions or values")
        ->required()
        ->check(CLI::IsMember({"transactions", "values"}));
    subject.AddTo(*command, "Investment identifier");
    subject.investment->required();
    auto* mapping_option = command->add_option(
        "--mapping", mapping_name,
        "Column mapping: a saved one's name (mappings/NAME.json), or a file's path (with a "
        "\"/\" or ending in .json)");
    command->add_flag("--preview", preview,
                      "Print what each line would import, or why it would be skipped, and "
                      "import nothing");
    command->add_option("FILE", file, "File to read")->required();
    command->callback([&exit_code, mapping_option] {
        ImportExportEngine::ImportRequest request;
        request.kind =
            kind == "transactions" ? ImportKind::Transactions : ImportKind::HistoricalValues;
        if (mapping_option->count() > 0) {
            request.mapping = LoadMapping(mapping_name);
            if (!request.mapping) {
                exit_code = kRefused;
                return;
            }
        }
        const auto run = [&request](DataStore& store) {
            const std::optional<Subject> found = subject.Find(store);
            if (!found) return kRefused;
            request.portfolio_id = found->portfolio_id;
            request.holding_id = *found->holding_id;
            ImportExportEngine engine(store);
            const Status status = preview ? engine.Preview(request, file, PrintPreviewLine)
                                          : engine.Import(request, file);
            return ReportEngineResult(status, engine.ResultMessage().English());
        };
        // A preview writes nothing, so it runs beside any other writer.
        exit_code = preview ? WithReadOnlyStore(run) : WithClaimedStore(run);
    });
}

}  // namespace brevanta::cli
