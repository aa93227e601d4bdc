#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "core/file_system.h"
#include "core/status.h"

namespace brevanta {

// Who has a data directory open to change it: the desktop application for as long as it
// shows the directory, a writing brevanta-cli command for as long as it runs. Their lists
// in memory would go stale under each other's writes, so one excludes the other. The claim
// is an flock on a small file of its own in the directory (never a table, which a pack
// replaces), and the file names the claimant.
class DirectoryClaim {
  public:
    enum class Claimant { Application, CommandLine };

    // Claims `directory`, waiting up to `patience` while another command holds it; the
    // application's claim is never waited for. A directory where the claim file cannot be
    // made (a read-only one) is claimed without it: nothing can be written there anyway.
    static Status Take(const std::string& directory, Claimant claimant,
                       std::chrono::milliseconds patience, std::unique_ptr<DirectoryClaim>& claim);

    ~DirectoryClaim();
    DirectoryClaim(const DirectoryClaim&) = delete;
    DirectoryClaim& operator=(const DirectoryClaim&) = delete;

  private:
    explicit DirectoryClaim(std::unique_ptr<File> file);
    std::unique_ptr<File> file_;  // null without a claim file
};

// The name of the claim file in a data directory.
inline constexpr char kClaimFile[] = ".brevanta-claim";

}  // namespace brevanta
