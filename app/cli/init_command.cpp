#include <iostream>

#include "app/cli/commands.h"

namespace brevanta::cli {

void AddInitCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand("init", "Create a data directory with empty tables");
    static std::string directory;
    command->add_option("DIR", directory, "Directory to create")->required();
    command->callback([&exit_code] {
        std::cerr << "init: not built yet\n";
        exit_code = 1;
    });
}

}  // namespace brevanta::cli
