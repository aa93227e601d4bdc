#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/file_system.h"
#include "core/forwarding_file_system.h"

namespace brevanta::testing {

// Passes everything to another file system, but counts the steps that change what is on the
// disk (a write or truncation of a file, a sync of a file or a directory, a rename, a link) and
// fails the n-th with an I/O error, as a failing or full disk would; or, in a
// forked child, is killed before it, as by kill -9 or a power cut.
class FailingFileSystem : public ForwardingFileSystem {
  public:
    enum class Fault { Fail, Kill };

    // Fails step `fail_at` (1 first); 0 fails none. REQUIRES: base outlives this.
    explicit FailingFileSystem(int fail_at, FileSystem& base = FileSystem::Posix(),
                               Fault fault = Fault::Fail)
        : ForwardingFileSystem(base), fail_at_(fail_at), fault_(fault) {}

    // Whether a step was failed.
    bool failed() const { return fail_at_ > 0 && steps_ >= fail_at_; }
    // The steps taken so far.
    int steps() const { return steps_; }
    // Counts a step: the failure when it is the one to fail.
    Status Step();

    Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) override;
    Status Rename(const std::string& from, const std::string& to) override;
    Status Link(const std::string& from, const std::string& to) override;
    Status SyncDirectory(const std::string& directory) override;

  private:
    int fail_at_;
    Fault fault_;
    int steps_ = 0;
};

}  // namespace brevanta::testing
