#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"

namespace brevanta {

// Every file the program reads or writes goes through a FileSystem, so that tests can put one
// in its place that fails on purpose. Failures carry the system's reason in words ("Permission
// denied", "No space left on device") and no path: callers say which file and what they did.
// A missing file is NotFound; a read-only file, directory or file system is PermissionDenied;
// anything else is IoError.

// What the file system says about a file.
struct FileInfo {
    enum class Kind { Regular, Directory, Other };
    Kind kind = Kind::Other;
    uint64_t size = 0;
    uint32_t permissions = 0;  // the permission bits of the mode, such as 0644
    uint32_t owner = 0;        // user and group ids
    uint32_t group = 0;
    // Device and inode name the file whatever path leads to it; the change time moves at every
    // write to it.
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t change_time_ns = 0;
};

enum class OpenMode {
    Read,       // an existing file or directory, for reading; its writes fail
    ReadWrite,  // an existing file, for reading and writing
    Create,     // as ReadWrite, the file created empty when missing (never through a link)
    CreateNew,  // a new file for reading and writing; fails when the path exists
    // For writing at the end, the file created empty when missing; never through a link.
    Append,
    // An existing file written in order, such as a named pipe or a device: never created, the
    // open does not wait for a reader (a pipe without one fails), and writes ignore the offset.
    Stream,
};

enum class LockKind { Shared, Exclusive };

// An open file. Destruction closes it and releases its lock.
class File {
  public:
    virtual ~File() = default;

    // Reads up to `size` bytes at `offset`; *read receives how many, fewer only at the end.
    virtual Status ReadAt(uint64_t offset, char* data, size_t size, size_t* read) = 0;
    // Writes every byte at `offset`; in a file opened to Append they go to the end instead.
    virtual Status WriteAt(uint64_t offset, std::string_view data) = 0;
    virtual Status Truncate(uint64_t size) = 0;
    // Returns once everything written has reached the disk.
    virtual Status Sync() = 0;
    // An advisory lock on the whole file, held until Unlock or destruction. Lock waits while
    // another process holds a lock in the way; TryLock does not, and says in *taken whether it
    // got the lock.
    virtual Status Lock(LockKind kind) = 0;
    virtual Status TryLock(LockKind kind, bool* taken) = 0;
    virtual Status Unlock() = 0;
    virtual Status Info(FileInfo* info) = 0;
    virtual Status SetPermissions(uint32_t permissions) = 0;
    // PermissionDenied unless the process may give the file away (root may).
    virtual Status SetOwner(uint32_t owner, uint32_t group) = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // The file system in use: the operating system's unless a ScopedFileSystem replaced it.
    static FileSystem& Default();
    static FileSystem& Posix();

    virtual Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) = 0;
    // About the file that path leads to, following links.
    virtual Status Info(const std::string& path, FileInfo* info) = 0;
    // *target receives path itself, unless path is a symbolic link: then the absolute path at
    // the end of its links, or NotFound when nothing is there.
    virtual Status ResolveLink(const std::string& path, std::string* target) = 0;
    // Replaces any file at `to`.
    virtual Status Rename(const std::string& from, const std::string& to) = 0;
    // Gives `from` the second name `to`; fails when `to` exists.
    virtual Status Link(const std::string& from, const std::string& to) = 0;
    virtual Status Remove(const std::string& path) = 0;
    // One directory, whose parent exists; fails when the path exists.
    virtual Status CreateDirectory(const std::string& path) = 0;
    virtual Status RemoveDirectory(const std::string& path) = 0;  // REQUIRES: empty
    // The names in the directory, without "." and "..".
    virtual Status List(const std::string& directory, std::vector<std::string>* names) = 0;
    // Returns once the directory's entries (renames, links, new files) have reached the disk.
    virtual Status SyncDirectory(const std::string& directory) = 0;
};

// Puts `fs` in place of FileSystem::Default() while it lives. REQUIRES: fs outlives it; only
// one thread uses files meanwhile.
class ScopedFileSystem {
  public:
    explicit ScopedFileSystem(FileSystem& fs);
    ~ScopedFileSystem();
    ScopedFileSystem(const ScopedFileSystem&) = delete;
    ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

  private:
    FileSystem* previous_;
};

}  // namespace brevanta
