#include "store/directory_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace brevanta {

DirectoryLock::~DirectoryLock() {
    if (fd_ >= 0) close(fd_);
}

Status DirectoryLock::Acquire(Kind kind) {
    if (depth_ > 0) {
        // An exclusive hold covers everything; a shared one cannot become exclusive in place
        // without letting another writer in between.
        if (held_ == Kind::Exclusive || kind == Kind::Shared) {
            ++depth_;
            return Status::Ok();
        }
        return Status::InvalidArgument(directory_ + ": a write inside a read of the tables.");
    }
    if (fd_ < 0) {
        fd_ = open(directory_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0) {
            return Status::IoError(directory_ + ": cannot lock: " + std::strerror(errno));
        }
    }
    const int operation = kind == Kind::Exclusive ? LOCK_EX : LOCK_SH;
    while (flock(fd_, operation) != 0) {
        if (errno != EINTR) {
            return Status::IoError(directory_ + ": cannot lock: " + std::strerror(errno));
        }
    }
    held_ = kind;
    depth_ = 1;
    return Status::Ok();
}

void DirectoryLock::Release() {
    if (--depth_ == 0) flock(fd_, LOCK_UN);
}

DirectoryLock::Hold::Hold(DirectoryLock& lock, Kind kind) : lock_(lock) {
    status_ = lock_.Acquire(kind);
    taken_ = status_.ok();
}

DirectoryLock::Hold::~Hold() {
    if (taken_) lock_.Release();
}

}  // namespace brevanta
