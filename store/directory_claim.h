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
// replaces), and the file names the claimant. An flock dies with its process, so a claim left
// by a program that has exited never stands in anyone's way.
class DirectoryClaim {
  public:
    enum class Claimant { Application, CommandLine };

    // Claims `directory`, waiting up to `patience` while another command holds it; the
    // application's claim is never waited for. The claim fails safe: where the claim file
    // cannot be locked at all (a directory closed to us without one), nobody can tell who
    // else has the directory, and the claim is refused (PermissionDenied). A claim file that
    // can be locked but not written (another user's) is held unmarked: see marked().
    static Status Take(const std::string& directory, Claimant claimant,
                       std::chrono::milliseconds patience, std::unique_ptr<DirectoryClaim>& claim);

    ~DirectoryClaim();
    DirectoryClaim(const DirectoryClaim&) = delete;
    DirectoryClaim& operator=(const DirectoryClaim&) = delete;

    // Whether the claim file names us. The application opens a directory it could not mark
    // for reading only.
    bool marked() const { return marked_; }

  private:
    DirectoryClaim(std::unique_ptr<File> file, bool marked);
    std::unique_ptr<File> file_;
    bool marked_;
};

// The name of the claim file in a data directory.
inline constexpr char kClaimFile[] = ".brevanta-claim";

}  // namespace brevanta
