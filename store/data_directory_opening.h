#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "core/status.h"
#include "store/data_store.h"
#include "store/directory_claim.h"

namespace brevanta {

// A data directory opened for the application or for a command: its store, and the claim
// that keeps other writers out while a writer has it.
struct OpenedDirectory {
    std::unique_ptr<DirectoryClaim> claim;  // null for a reader
    std::unique_ptr<DataStore> store;
    // Why a writer got the directory for reading only (empty when it may write).
    Message read_only_reason;
};

struct OpeningRequest {
    std::string directory;
    enum class Purpose { Read, WriteFromCommandLine, Application };
    Purpose purpose = Purpose::Read;
    // How long a writing command waits for another one to finish.
    std::chrono::milliseconds patience{0};
    // Asked when the directory holds none of the five tables; true creates them there. Left
    // empty, such a directory is refused (NotFound).
    std::function<bool()> create_tables;
};

// Opens a data directory, in one routine for the application and the command line:
//   - undoes a change a crash cut short (or, reading only, refuses to read past it);
//   - offers to create the tables where there are none, and refuses the directory, leaving
//     nothing behind in it, when that is declined;
//   - a writer claims the directory (DirectoryClaim). The application takes a directory it
//     cannot mark as its own for reading only, with `read_only_reason` saying why; a command
//     that cannot claim it refuses to write;
//   - loads the store.
// Where an opening stopped: at the tables (declined, or not made), at the claim (another
// program has the directory), or at loading them.
enum class OpeningStage { Tables, Claim, Load, Done };

// On failure `opened` is left as it was; the status says why, and *stage (if given) where.
Status OpenDataDirectory(const OpeningRequest& request, OpenedDirectory* opened,
                         OpeningStage* stage = nullptr);

}  // namespace brevanta
