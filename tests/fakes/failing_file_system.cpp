#include "fakes/failing_file_system.h"

#include <cerrno>
#include <csignal>
#include <cstring>

namespace brevanta::testing {

namespace {

// A file of the base file system whose writes and syncs are counted steps.
class FailingFile : public File {
  public:
    FailingFile(std::unique_ptr<File> base, FailingFileSystem& fs)
        : base_(std::move(base)), fs_(fs) {}

    Status ReadAt(uint64_t offset, char* data, size_t size, size_t* read) override {
        return base_->ReadAt(offset, data, size, read);
    }
    Status WriteAt(uint64_t offset, std::string_view data) override {
        const Status step = fs_.Step();
        return step.ok() ? base_->WriteAt(offset, data) : step;
    }
    Status Truncate(uint64_t size) override {
        const Status step = fs_.Step();
        return step.ok() ? base_->Truncate(size) : step;
    }
    Status Sync() override {
        const Status step = fs_.Step();
        return step.ok() ? base_->Sync() : step;
    }
    Status Lock(LockKind kind) override { return base_->Lock(kind); }
    Status TryLock(LockKind kind, bool* taken) override { return base_->TryLock(kind, taken); }
    Status Unlock() override { return base_->Unlock(); }
    Status Info(FileInfo* info) override { return base_->Info(info); }
    Status SetPermissions(uint32_t permissions) override {
        return base_->SetPermissions(permissions);
    }
    Status SetOwner(uint32_t owner, uint32_t group) override {
        return base_->SetOwner(owner, group);
    }

  private:
    std::unique_ptr<File> base_;
    FailingFileSystem& fs_;
};

}  // namespace

Status FailingFileSystem::Step() {
    ++steps_;
    if (steps_ != fail_at_) return Status::Ok();
    if (fault_ == Fault::Kill) raise(SIGKILL);
    return Status::IoError(std::string(std::strerror(EIO)));
}

Status FailingFileSystem::Open(const std::string& path, OpenMode mode,
                               std::unique_ptr<File>* file) {
    std::unique_ptr<File> opened;
    const Status status = base().Open(path, mode, &opened);
    if (status.ok()) *file = std::make_unique<FailingFile>(std::move(opened), *this);
    return status;
}

Status FailingFileSystem::Rename(const std::string& from, const std::string& to) {
    const Status step = Step();
    return step.ok() ? base().Rename(from, to) : step;
}

Status FailingFileSystem::Link(const std::string& from, const std::string& to) {
    const Status step = Step();
    return step.ok() ? base().Link(from, to) : step;
}

Status FailingFileSystem::SyncDirectory(const std::string& directory) {
    const Status step = Step();
    return step.ok() ? base().SyncDirectory(directory) : step;
}

}  // namespace brevanta::testing
