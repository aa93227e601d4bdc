#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/file_system.h"

namespace brevanta {

// Passes every call to another file system, so that a file system which changes one thing
// overrides that call only. REQUIRES: base outlives it.
class ForwardingFileSystem : public FileSystem {
  public:
    explicit ForwardingFileSystem(FileSystem& base) : base_(base) {}

    Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) override {
        return base_.Open(path, mode, file);
    }
    Status Info(const std::string& path, FileInfo* info) override { return base_.Info(path, info); }
    Status ResolveLink(const std::string& path, std::string* target) override {
        return base_.ResolveLink(path, target);
    }
    Status Rename(const std::string& from, const std::string& to) override {
        return base_.Rename(from, to);
    }
    Status Link(const std::string& from, const std::string& to) override {
        return base_.Link(from, to);
    }
    Status Remove(const std::string& path) override { return base_.Remove(path); }
    Status CreateDirectory(const std::string& path) override { return base_.CreateDirectory(path); }
    Status RemoveDirectory(const std::string& path) override { return base_.RemoveDirectory(path); }
    Status List(const std::string& directory, std::vector<std::string>* names) override {
        return base_.List(directory, names);
    }
    Status SyncDirectory(const std::string& directory) override {
        return base_.SyncDirectory(directory);
    }

  protected:
    FileSystem& base() { return base_; }

  private:
    FileSystem& base_;
};

}  // namespace brevanta
