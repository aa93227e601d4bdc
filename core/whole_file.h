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
    // Of the new file, exactly; the system's default for new files when empty.
    std::optional<uint32_t> permissions;
    // Receives the new file, still open, whenever it took the path's place, even when the sync
    // of the directory failed afterwards.
    std::unique_ptr<File>* keep_open = nullptr;
};

// Writes the file at `path` whole or not at all: `write` fills a new temporary file beside it
// (TemporaryPath), which is synced, renamed over path (linked to it when not replacing), and
// the directory is synced. When anything fails before the rename, the temporary file is
// removed and path is left as it was. Failures carry the file system's words, or write's own.
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

// The directory part of path: "." when there is none.
std::string DirectoryOf(const std::string& path);

// The whole contents of a regular file.
Status ReadWholeFile(FileSystem& fs, const std::string& path, std::string* bytes);

}  // namespace brevanta
