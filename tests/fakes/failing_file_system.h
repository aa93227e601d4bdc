#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/file_system.h"

namespace brevanta::testing {

// Passes everything to another file system, but counts the steps that change what is on the
// disk (a write or truncation of a file, a sync of a file or a directory, a rename, a link) and
// fails the n-th with an I/O error, as a failing or full disk would.
class FailingFileSystem : public FileSystem {
  public:
    // Fails step `fail_at` (1 first); 0 fails none. REQUIRES: base outlives this.
    explicit FailingFileSystem(int fail_at, FileSystem& base = FileSystem::Posix())
        : base_(base), fail_at_(fail_at) {}

    // Whether a step was failed.
    bool failed() const { return fail_at_ > 0 && steps_ >= fail_at_; }
    // The steps taken so far.
    int steps() const { return steps_; }
    // Counts a step: the failure when it is the one to fail.
    Status Step();

    Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) override;
    Status Info(const std::string& path, FileInfo* info) override { return base_.Info(path, info); }
    Status ResolveLink(const std::string& path, std::string* target) override {
        return base_.ResolveLink(path, target);
    }
    Status Rename(const std::string& from, const std::string& to) override;
    Status Link(const std::string& from, const std::string& to) override;
    Status Remove(const std::string& path) override { return base_.Remove(path); }
    Status CreateDirectory(const std::string& path) override { return base_.CreateDirectory(path); }
    Status RemoveDirectory(const std::string& path) override { return base_.RemoveDirectory(path); }
    Status List(const std::string& directory, std::vector<std::string>* names) override {
        return base_.List(directory, names);
    }
    Status SyncDirectory(const std::string& directory) override;

  private:
    FileSystem& base_;
    int fail_at_;
    int steps_ = 0;
};

}  // namespace brevanta::testing
