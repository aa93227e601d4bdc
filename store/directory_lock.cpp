#include "store/directory_lock.h"

namespace brevanta {

DirectoryLock::DirectoryLock(std::string directory) : directory_(std::move(directory)) {}

DirectoryLock::~DirectoryLock() = default;

Status DirectoryLock::Acquire(Kind kind) {
    if (depth_ > 0) {
        // An exclusive hold covers everything; a shared one cannot become exclusive in place
        // without letting another writer in between.
        if (held_ == Kind::Exclusive || kind == Kind::Shared) {
            ++depth_;
            return Status::Ok();
        }
        return Status::InvalidArgument(Message(
            BREVANTA_TEXT("Store", "%1: a write inside a read of the tables."), {directory_}));
    }
    Status status;
    if (!directory_file_) {
        status = FileSystem::Default().Open(directory_, OpenMode::Read, &directory_file_);
    }
    if (status.ok()) {
        status = directory_file_->Lock(kind);
    }
    if (!status.ok())
        return Status::IoError(
            Message(BREVANTA_TEXT("Store", "%1: cannot lock: %2"), {directory_, status.text()}));
    held_ = kind;
    depth_ = 1;
    return Status::Ok();
}

void DirectoryLock::Release() {
    if (--depth_ == 0) directory_file_->Unlock();
}

DirectoryLock::Hold::Hold(DirectoryLock& lock, Kind kind) : lock_(lock) {
    status_ = lock_.Acquire(kind);
    taken_ = status_.ok();
    took_lock_ = taken_ && lock_.depth_ == 1;
}

DirectoryLock::Hold::~Hold() {
    if (taken_) lock_.Release();
}

}  // namespace brevanta
