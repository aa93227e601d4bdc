#include <charconv>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>

#include "app/cli/commands.h"
#include "exchange/import_export_engine.h"
#include "store/data_directory_opening.h"
#include "store/data_store.h"

namespace brevanta::cli {

namespace {

// Opens the current directory for `purpose` and runs `run` on its store; returns run's exit
// code, or 1 (having said why) when the directory cannot be opened.
int WithOpenedDirectory(OpeningRequest::Purpose purpose,
                        const std::function<int(DataStore&)>& run) {
    OpeningRequest request;
    request.directory = std::filesystem::current_path().string();
    request.purpose = purpose;
    request.patience = std::chrono::seconds(10);
    OpenedDirectory opened;
    OpeningStage stage = OpeningStage::Tables;
    const Status status = OpenDataDirectory(request, &opened, &stage);
    if (!status.ok()) {
        if (stage != OpeningStage::Claim) std::cerr << "Cannot load the data directory: ";
        std::cerr << status.message() << "\n";
        return 1;
    }
    return run(*opened.store);
}

}  // namespace

int WithReadOnlyStore(const std::function<int(DataStore&)>& run) {
    return WithOpenedDirectory(OpeningRequest::Purpose::Read, run);
}

int WithClaimedStore(const std::function<int(DataStore&)>& run) {
    return WithOpenedDirectory(OpeningRequest::Purpose::WriteFromCommandLine, run);
}

int ReportEngineResult(const Status& status, const std::string& message) {
    (status.ok() ? std::cout : std::cerr) << message << "\n";
    return status.ok() ? 0 : 1;
}

const CLI::Validator& DecimalIdentifier() {
    static const CLI::Validator validator(
        [](std::string& text) -> std::string {
            int64_t number = 0;
            const char* end = text.data() + text.size();
            const auto [stop, error] = std::from_chars(text.data(), end, number);
            if (text.empty() || error != std::errc() || stop != end) {
                return "not an identifier: " + text;
            }
            text = std::to_string(number);
            return "";
        },
        "");
    return validator;
}

void AddImportCommand(CLI::App& app, int& exit_code) {
    auto* command =
        app.add_subcommand("import",
                           "Import transactions or historical values of an investment from a "
                           "comma-separated file (run in the data directory)");
    static std::string kind;
    static Pid portfolio_id{};
    static Hid holding_id{};
    static std::string file;
    command->add_option("KIND", kind, "transactions or values")
        ->required()
        ->check(CLI::IsMember({"transactions", "values"}));
    AddIdentifierOption(*command, "--portfolio", portfolio_id, "Portfolio identifier")->required();
    AddIdentifierOption(*command, "--investment", holding_id, "Investment identifier")->required();
    command->add_option("FILE", file, "File to read")->required();
    command->callback([&exit_code] {
        exit_code = WithClaimedStore([](DataStore& store) {
            ImportExportEngine engine(store);
            const Status status =
                kind == "transactions"
                    ? engine.ImportTransactions(portfolio_id, holding_id, file)
                    : engine.ImportHistoricalValues(portfolio_id, holding_id, file);
            return ReportEngineResult(status, engine.ResultMessage());
        });
    });
}

}  // namespace brevanta::cli
