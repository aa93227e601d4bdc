#pragma once

#include <memory>
#include <string>

#include "core/file_system.h"
#include "core/status.h"

namespace brevanta {

// The lock that keeps processes sharing a data directory apart: flock on the directory
// itself, so it needs no lock file, works in a read-only directory, and never lives in a
// table file that a pack replaces. Writers hold it exclusively for one store operation,
// readers shared while they read a table. Holds nest: a shared hold inside an exclusive one,
// or any hold inside one of the same kind, takes nothing more.
class DirectoryLock {
  public:
    explicit DirectoryLock(std::string directory);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    using Kind = LockKind;

    // Held from construction until destruction; status() says why it could not be taken.
    class Hold {
      public:
        Hold(DirectoryLock& lock, Kind kind);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        const Status& status() const { return status_; }
        // Whether this hold took the lock from the system, rather than nesting in another.
        bool took_lock() const { return took_lock_; }

      private:
        DirectoryLock& lock_;
        bool taken_ = false;
        bool took_lock_ = false;
        Status status_;
    };

  private:
    Status Acquire(Kind kind);
    void Release();

    std::string directory_;
    std::unique_ptr<File> directory_file_;  // opened at the first hold
    int depth_ = 0;
    Kind held_ = Kind::Shared;
};

}  // namespace brevanta
