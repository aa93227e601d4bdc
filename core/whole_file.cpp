#include "core/whole_file.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <vector>

namespace brevanta {

namespace {

// The buffer is written out once it holds this much, so a pack streams a table of any size.
constexpr size_t kFlushBytes = 1024 * 1024;

constexpr std::string_view kTemporaryMark = ".tmp-";

std::string BaseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string InDirectory(const std::string& directory, const std::string& name) {
    return directory == "/" ? "/" + name : directory + "/" + name;
}

}  // namespace

FileWriter::FileWriter(File& file) : file_(file) {}

void FileWriter::Add(std::string_view bytes) {
    if (!status_.ok()) return;
    buffer_.append(bytes);
    if (buffer_.size() >= kFlushBytes) Flush();
}

Status FileWriter::Flush() {
    if (status_.ok() && !buffer_.empty()) {
        status_ = file_.WriteAt(offset_, buffer_);
        offset_ += buffer_.size();
    }
    buffer_.clear();
    return status_;
}

std::string TemporaryPath(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + std::string(kTemporaryMark) + std::to_string(getpid()) + "-" +
           std::to_string(counter++);
}

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

Status WriteWholeFile(FileSystem& fs, const std::string& path,
                      const std::function<Status(FileWriter&)>& write,
                      const WholeFileOptions& options) {
    std::string temporary = TemporaryPath(path);
    // A name taken can only be a leftover of an earlier process that had our process id.
    for (FileInfo ignored; fs.Info(temporary, &ignored).ok();) temporary = TemporaryPath(path);
    std::unique_ptr<File> file;
    Status status = fs.Open(temporary, OpenMode::CreateNew, &file);
    if (!status.ok()) return status;

    if (options.permissions) status = file->SetPermissions(*options.permissions);
    FileWriter writer(*file);
    if (status.ok()) status = write(writer);
    if (status.ok()) status = writer.Flush();
    // A writer that failed on our file says why better than the writer's own words.
    if (!status.ok() && !writer.status().ok()) status = writer.status();
    if (status.ok()) status = file->Sync();
    if (status.ok())
        status = options.replace ? fs.Rename(temporary, path) : fs.Link(temporary, path);
    if (!status.ok()) {
        file.reset();
        fs.Remove(temporary);
        return status;
    }
    if (!options.replace) fs.Remove(temporary);  // the file lives on under path
    status = fs.SyncDirectory(DirectoryOf(path));
    if (options.keep_open) *options.keep_open = std::move(file);
    return status;
}

Status RemoveLeftoverTemporaries(FileSystem& fs, const std::vector<std::string>& paths) {
    if (paths.empty()) return Status::Ok();
    const std::string directory = DirectoryOf(paths.front());
    std::vector<std::string> prefixes;
    for (const std::string& path : paths) {
        prefixes.push_back(BaseName(path) + std::string(kTemporaryMark));
    }
    std::vector<std::string> names;
    Status status = fs.List(directory, &names);
    for (const std::string& name : names) {
        const bool leftover = std::any_of(prefixes.begin(), prefixes.end(), [&](const auto& p) {
            return name.compare(0, p.size(), p) == 0;
        });
        if (!leftover) continue;
        const Status removed = fs.Remove(InDirectory(directory, name));
        if (status.ok()) status = removed;
    }
    return status;
}

Status ReadWholeFile(FileSystem& fs, const std::string& path, std::string* bytes) {
    bytes->clear();
    // Checked before opening: a directory opens and fails only when read, and a named pipe or a
    // device could block or never end.
    FileInfo info;
    Status status = fs.Info(path, &info);
    if (status.ok() && info.kind == FileInfo::Kind::Directory) {
        status = Status::IoError(std::strerror(EISDIR));
    } else if (status.ok() && info.kind != FileInfo::Kind::Regular) {
        status = Status::IoError("it is not a regular file");
    }
    std::unique_ptr<File> file;
    if (status.ok()) status = fs.Open(path, OpenMode::Read, &file);
    constexpr size_t kChunk = 1 << 16;
    for (size_t read = kChunk; status.ok() && read == kChunk;) {
        const size_t size = bytes->size();
        bytes->resize(size + kChunk);
        status = file->ReadAt(size, bytes->data() + size, kChunk, &read);
        bytes->resize(size + (status.ok() ? read : 0));
    }
    return status;
}

}  // namespace brevanta
