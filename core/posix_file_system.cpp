// The operating system's file system.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>

#include "core/file_system.h"

namespace brevanta {

namespace {

Status ErrorOf(int error) {
    std::string words = std::strerror(error);
    if (error == ENOENT) return Status::NotFound(std::move(words));
    if (error == EACCES || error == EPERM || error == EROFS) {
        return Status::PermissionDenied(std::move(words));
    }
    return Status::IoError(std::move(words));
}

Status LastError() { return ErrorOf(errno); }

FileInfo InfoOf(const struct stat& file) {
    FileInfo info;
    info.kind = S_ISREG(file.st_mode)   ? FileInfo::Kind::Regular
                : S_ISDIR(file.st_mode) ? FileInfo::Kind::Directory
                                        : FileInfo::Kind::Other;
    info.size = static_cast<uint64_t>(file.st_size);
    info.permissions = file.st_mode & 07777;
    info.owner = file.st_uid;
    info.group = file.st_gid;
    info.device = file.st_dev;
    info.inode = file.st_ino;
    info.change_time_ns =
        static_cast<int64_t>(file.st_ctim.tv_sec) * 1000000000 + file.st_ctim.tv_nsec;
    return info;
}

// While it lives, a reader that closes its end of a pipe makes our write fail with EPIPE
// instead of raising SIGPIPE, which would end the program.
class SigpipeHeld {
  public:
    SigpipeHeld() {
        sigemptyset(&sigpipe_);
        sigaddset(&sigpipe_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        was_pending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &sigpipe_, &previous_);
    }
    ~SigpipeHeld() {
        sigset_t pending;
        sigpending(&pending);
        if (!was_pending_ && sigismember(&pending, SIGPIPE) == 1) {
            const timespec now{};
            while (sigtimedwait(&sigpipe_, nullptr, &now) < 0 && errno == EINTR) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    SigpipeHeld(const SigpipeHeld&) = delete;
    SigpipeHeld& operator=(const SigpipeHeld&) = delete;

  private:
    sigset_t sigpipe_;
    sigset_t previous_;
    bool was_pending_ = false;
};

class PosixFile : public File {
  public:
    PosixFile(int fd, OpenMode mode) : fd_(fd), mode_(mode) {}
    ~PosixFile() override { close(fd_); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    Status ReadAt(uint64_t offset, char* data, size_t size, size_t* read) override {
        *read = 0;
        while (*read < size) {
            const ssize_t n =
                pread(fd_, data + *read, size - *read, static_cast<off_t>(offset + *read));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return LastError();
            if (n == 0) break;
            *read += static_cast<size_t>(n);
        }
        return Status::Ok();
    }

    Status WriteAt(uint64_t offset, std::string_view data) override {
        if (Status refused = RefuseReadOnly(); !refused.ok()) return refused;
        const bool in_order = mode_ == OpenMode::Append || mode_ == OpenMode::Stream;
        std::optional<SigpipeHeld> sigpipe_held;
        if (in_order) sigpipe_held.emplace();
        while (!data.empty()) {
            const ssize_t n =
                in_order ? write(fd_, data.data(), data.size())
                         : pwrite(fd_, data.data(), data.size(), static_cast<off_t>(offset));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return LastError();
            if (n == 0) return ErrorOf(EIO);
            data.remove_prefix(static_cast<size_t>(n));
            offset += static_cast<uint64_t>(n);
        }
        return Status::Ok();
    }

    Status Truncate(uint64_t size) override {
        if (Status refused = RefuseReadOnly(); !refused.ok()) return refused;
        return ftruncate(fd_, static_cast<off_t>(size)) == 0 ? Status::Ok() : LastError();
    }

    Status Sync() override { return fsync(fd_) == 0 ? Status::Ok() : LastError(); }

    Status Lock(LockKind kind) override {
        while (flock(fd_, Operation(kind)) != 0) {
            if (errno != EINTR) return LastError();
        }
        return Status::Ok();
    }

    Status TryLock(LockKind kind, bool* taken) override {
        *taken = false;
        while (flock(fd_, Operation(kind) | LOCK_NB) != 0) {
            if (errno == EWOULDBLOCK) return Status::Ok();
            if (errno != EINTR) return LastError();
        }
        *taken = true;
        return Status::Ok();
    }

    Status Unlock() override { return flock(fd_, LOCK_UN) == 0 ? Status::Ok() : LastError(); }

    Status Info(FileInfo* info) override {
        struct stat file {};
        if (fstat(fd_, &file) != 0) return LastError();
        *info = InfoOf(file);
        return Status::Ok();
    }

    Status SetPermissions(uint32_t permissions) override {
        return fchmod(fd_, permissions) == 0 ? Status::Ok() : LastError();
    }

    Status SetOwner(uint32_t owner, uint32_t group) override {
        return fchown(fd_, owner, group) == 0 ? Status::Ok() : LastError();
    }

  private:
    static int Operation(LockKind kind) { return kind == LockKind::Exclusive ? LOCK_EX : LOCK_SH; }

    // The system would answer "Bad file descriptor", which tells the user nothing.
    Status RefuseReadOnly() const {
        if (mode_ != OpenMode::Read) return Status::Ok();
        return Status::PermissionDenied(BREVANTA_TEXT("Core", "the file is open for reading only"));
    }

    int fd_;
    OpenMode mode_;
};

int FlagsOf(OpenMode mode) {
    // Non-blocking while opening, so that a named pipe cannot hang the open.
    constexpr int kCommon = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    switch (mode) {
        case OpenMode::Read:
            return O_RDONLY | kCommon;
        case OpenMode::ReadWrite:
            return O_RDWR | kCommon;
        case OpenMode::Create:
            return O_RDWR | O_CREAT | O_NOFOLLOW | kCommon;
        case OpenMode::CreateNew:
            return O_RDWR | O_CREAT | O_EXCL | kCommon;
        case OpenMode::Append:
            return O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | kCommon;
        case OpenMode::Stream:
            return O_WRONLY | kCommon;
    }
    return O_RDONLY | kCommon;
}

class PosixFileSystem : public FileSystem {
  public:
    Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) override {
        const int fd = open(path.c_str(), FlagsOf(mode), 0666);
        // A pipe opened without waiting says "No such device or address" when nobody reads it.
        if (fd < 0 && mode == OpenMode::Stream && errno == ENXIO)
            return Status::IoError(BREVANTA_TEXT("Core", "no program is reading from it"));
        if (fd < 0 && errno == ELOOP && (FlagsOf(mode) & O_NOFOLLOW) != 0)
            return Status::PermissionDenied(
                BREVANTA_TEXT("Core", "it is a symbolic link, which is not followed"));
        if (fd < 0) return LastError();
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        *file = std::make_unique<PosixFile>(fd, mode);
        return Status::Ok();
    }

    Status Info(const std::string& path, FileInfo* info) override {
        struct stat file {};
        if (stat(path.c_str(), &file) != 0) return LastError();
        *info = InfoOf(file);
        return Status::Ok();
    }

    Status ResolveLink(const std::string& path, std::string* target) override {
        struct stat file {};
        if (lstat(path.c_str(), &file) != 0 && errno != ENOENT) return LastError();
        if (!S_ISLNK(file.st_mode)) {
            *target = path;
            return Status::Ok();
        }
        char* resolved = realpath(path.c_str(), nullptr);
        if (!resolved && errno == ENOENT) {
            return Status::NotFound(
                BREVANTA_TEXT("Core", "it is a symbolic link to a file that does not exist"));
        }
        if (!resolved) return LastError();
        *target = resolved;
        std::free(resolved);
        return Status::Ok();
    }

    Status Rename(const std::string& from, const std::string& to) override {
        return rename(from.c_str(), to.c_str()) == 0 ? Status::Ok() : LastError();
    }

    Status Link(const std::string& from, const std::string& to) override {
        return link(from.c_str(), to.c_str()) == 0 ? Status::Ok() : LastError();
    }

    Status Remove(const std::string& path) override {
        return unlink(path.c_str()) == 0 ? Status::Ok() : LastError();
    }

    Status CreateDirectory(const std::string& path) override {
        return mkdir(path.c_str(), 0777) == 0 ? Status::Ok() : LastError();
    }

    Status RemoveDirectory(const std::string& path) override {
        return rmdir(path.c_str()) == 0 ? Status::Ok() : LastError();
    }

    Status List(const std::string& directory, std::vector<std::string>* names) override {
        names->clear();
        DIR* dir = opendir(directory.c_str());
        if (!dir) return LastError();
        errno = 0;
        while (const dirent* entry = readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..") names->emplace_back(name);
        }
        const int error = errno;
        closedir(dir);
        return error == 0 ? Status::Ok() : ErrorOf(error);
    }

    Status SyncDirectory(const std::string& directory) override {
        const int fd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return LastError();
        const Status status = fsync(fd) == 0 ? Status::Ok() : LastError();
        close(fd);
        return status;
    }
};

}  // namespace

FileSystem& FileSystem::Posix() {
    static PosixFileSystem posix;
    return posix;
}

}  // namespace brevanta
