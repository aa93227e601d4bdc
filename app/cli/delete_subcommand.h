#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/cli/commands.h"
#include "core/status.h"
#include "store/data_store.h"

namespace brevanta::cli {

// Adds a "delete" subcommand that deletes the records named by one or more `option`s, all or
// none: every one is looked up (`find` says which is missing) before anything is deleted.
template <Identifier Id, typename Record>
void AddDeleteSubcommand(CLI::App& parent, int& exit_code, const std::string& option,
                         const std::string& description,
                         std::optional<Record> (*find)(const DataStore&, Id),
                         Status (*remove)(DataStore&, const std::vector<Id>&)) {
    auto* command = parent.add_subcommand("delete", description);
    auto ids = std::make_shared<std::vector<Id>>();
    AddIdentifierOption(*command, option, *ids, "Identifier (one or more)")->required();
    command->callback([&exit_code, ids, find, remove] {
        exit_code = WithClaimedStore([&](DataStore& store) {
            for (Id id : *ids) {
                if (!find(store, id)) return kRefused;
            }
            return ExitCode(remove(store, *ids));
        });
    });
}

}  // namespace brevanta::cli
