#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_system.h"
#include "core/status.h"

namespace brevanta {

// Sequential writes to a file from its start, through a buffer; the first failure sticks and
// later writes are dropped. REQUIRES: file outlives the writer.
class FileWriter {
  public:
    explicit FileWriter(File& file);
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    void Add(std::string_view bytes);
    // Writes out what the buffer holds; the first failure so far, or ok.
    Status Flush();
    const Status& status() const { return status_; }
    File& file() { return file_; }

  private:
    File& file_;
    std::string buffer_;
    uint64_t offset_ = 0;
    Status status_;
};

struct WholeFileOptions {
    // Whether the new file may take the place of one already at the path; when not, a file
    // there makes the write fail and stays as it was.
    bool replace = true;
    // Of the new file, exactly. When empty, a replaced file's own (and its owner, where the
    // process may give a file away); the system's default for a new file.
    std::optional<uint32_t> permissions;
    // Receives the new file, still open, whenever it took the path's place, even when the sync
    // of the directory failed afterwards.
    std::unique_ptr<File>* keep_open = nullptr;
};

// Writes the file at `path` whole or not at all: `write` fills a new temporary file beside it
// (TemporaryPath), which is synced, renamed over path (linked to it when not replacing), and
// the directory is synced. When anything fails before the rename, the temporary file is
// removed and path is left as it was. Failures carry the file system's words, or write's own.
//
// What is at path is never replaced by something else: a symbolic link stays, and the file at
// the end of its links is the one replaced (a link to nothing is refused, NotFound); a named
// pipe or a device is written through, in order and without waiting for a reader (a pipe that
// nobody reads is refused); a directory is refused. Temporaries beside the file that a killed
// process left go first (RemoveAbandonedTemporaries).
Status WriteWholeFile(FileSystem& fs, const std::string& path,
                      const std::function<Status(FileWriter&)>& write,
                      const WholeFileOptions& options = {});

// A name beside path for a temporary file or directory, never given twice in this process:
// "<path>.tmp-<process id>-<n>".
std::string TemporaryPath(const std::string& path);

// Removes every temporary file of the paths, all in one directory, that an earlier writer left
// behind (a killed process); the directory is listed once.
// REQUIRES: nobody writes the paths meanwhile (the caller holds the lock that keeps writers out).
Status RemoveLeftoverTemporaries(FileSystem& fs, const std::vector<std::string>& paths);

// Removes the temporary files and staging directories (of files only) beside path, as named by
// TemporaryPath(path), whose process has ended. Safe while other processes write there: the
// temporaries of running processes stay. Failing to remove one costs only space.
void RemoveAbandonedTemporaries(FileSystem& fs, const std::string& path);

// The directory part of path: "." when there is none.
std::string DirectoryOf(const std::string& path);

// Opens a regular file for reading; anything else (a directory, a named pipe, a device) is
// refused before it is opened.
Status OpenRegularFile(FileSystem& fs, const std::string& path, std::unique_ptr<File>* file);

}  // namespace brevanta
