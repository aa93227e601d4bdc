#pragma once

#include <memory>
#include <string>

#include "core/forwarding_file_system.h"

namespace brevanta::testing {

// A file system on which one file may be read but not written, as another user's file is:
// opening it for anything but reading is refused (PermissionDenied).
class ReadOnlyFile : public ForwardingFileSystem {
  public:
    ReadOnlyFile(std::string path, FileSystem& base = FileSystem::Posix())
        : ForwardingFileSystem(base), path_(std::move(path)) {}

    Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) override {
        if (path == path_ && mode != OpenMode::Read)
            return Status::PermissionDenied(std::string("Permission denied"));
        return ForwardingFileSystem::Open(path, mode, file);
    }

  private:
    std::string path_;
};

}  // namespace brevanta::testing
