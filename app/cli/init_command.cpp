#include <iostream>

#include "app/cli/commands.h"
#include "store/data_directory.h"

namespace brevanta::cli {

void AddInitCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand("init", "Create a data directory with empty tables");
    static std::string directory;
    command->add_option("DIR", directory, "Directory to create")->required();
    command->callback([&exit_code] {
        std::vector<std::string> made;
        const Status status = InstallDataDirectory(directory, &made);
        if (!status.ok()) {
            std::cerr << "init: " << status.message() << "\n";
            exit_code = kRefused;
            return;
        }
        for (const std::string& path : made) std::cout << "Created " << path << "\n";
    });
}

}  // namespace brevanta::cli
