#include "core/whole_file.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>
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

// Whether the temporary `name` (after `prefix`, "<pid>-<n>") belongs to a process that has
// ended. Ours, and those of running processes or of processes we may not see, are not.
bool AbandonedTemporary(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) return false;
    name.remove_prefix(prefix.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (error != std::errc() || end == name.data() + name.size() || *end != '-' || pid <= 0)
        return false;
    return pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes a temporary file, or a staging directory with the files in it. A link of that name
// goes itself; what it leads to is never touched.
Status RemoveTemporary(FileSystem& fs, const std::string& path) {
    std::string target;
    FileInfo info;
    if (!fs.ResolveLink(path, &target).ok() || target != path || !fs.Info(path, &info).ok() ||
        info.kind != FileInfo::Kind::Directory)
        return fs.Remove(path);
    std::vector<std::string> names;
    Status status = fs.List(path, &names);
    for (const std::string& name : names) {
        if (status.ok()) status = fs.Remove(InDirectory(path, name));
    }
    return status.ok() ? fs.RemoveDirectory(path) : status;
}

// What a write that replaces path meets there.
struct Destination {
    Status status;
    std::string place;  // where the new file goes: path, or the end of the links at path
    std::optional<FileInfo> existing;
};

Destination DestinationOf(FileSystem& fs, const std::string& path) {
    Destination destination;
    FileInfo info;
    const Status found = fs.Info(path, &info);
    if (found.ok()) destination.existing = info;
    if (!found.ok() && !found.IsNotFound()) {
        destination.status = found;
    } else if (found.ok() && info.kind == FileInfo::Kind::Directory) {
        destination.status = Status::IoError(std::string(std::strerror(EISDIR)));
    } else if (!found.ok() || info.kind == FileInfo::Kind::Regular) {
        // A pipe or a device is written where the links lead, which may have no path at all
        // (/dev/stdout leads to "pipe:[...]").
        destination.status = fs.ResolveLink(path, &destination.place);
    }
    return destination;
}

// A named pipe or a device takes the bytes as they come: no temporary file, no rename.
Status WriteThrough(FileSystem& fs, const std::string& path,
                    const std::function<Status(FileWriter&)>& write) {
    std::unique_ptr<File> file;
    Status status = fs.Open(path, OpenMode::Stream, &file);
    if (!status.ok()) return status;
    FileWriter writer(*file);
    status = write(writer);
    if (status.ok()) status = writer.Flush();
    if (!status.ok() && !writer.status().ok()) status = writer.status();
    return status;
}

// The new file takes the permission bits of the one it replaces, and its owner where the
// process may give it away.
Status TakeOver(File& file, const FileInfo& replaced) {
    FileInfo mine;
    if (file.Info(&mine).ok() && (mine.owner != replaced.owner || mine.group != replaced.group))
        file.SetOwner(replaced.owner, replaced.group);
    return file.SetPermissions(replaced.permissions);
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

Status WriteWholeFile(FileSystem& fs, const std::string& to,
                      const std::function<Status(FileWriter&)>& write,
                      const WholeFileOptions& options) {
    std::string path = to;
    std::optional<FileInfo> replaced;
    if (options.replace) {
        Destination destination = DestinationOf(fs, to);
        if (!destination.status.ok()) return destination.status;
        if (destination.existing && destination.existing->kind == FileInfo::Kind::Other)
            return WriteThrough(fs, to, write);
        path = std::move(destination.place);
        replaced = destination.existing;
        RemoveAbandonedTemporaries(fs, path);
    }
    std::string temporary = TemporaryPath(path);
    // A name taken can only be a leftover of an earlier process that had our process id.
    for (FileInfo ignored; fs.Info(temporary, &ignored).ok();) temporary = TemporaryPath(path);
    std::unique_ptr<File> file;
    Status status = fs.Open(temporary, OpenMode::CreateNew, &file);
    if (!status.ok()) return status;

    if (options.permissions) {
        status = file->SetPermissions(*options.permissions);
    } else if (replaced) {
        status = TakeOver(*file, *replaced);
    }
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

void RemoveAbandonedTemporaries(FileSystem& fs, const std::string& path) {
    const std::string directory = DirectoryOf(path);
    const std::string prefix = BaseName(path) + std::string(kTemporaryMark);
    std::vector<std::string> names;
    fs.List(directory, &names);
    for (const std::string& name : names) {
        if (AbandonedTemporary(name, prefix)) RemoveTemporary(fs, InDirectory(directory, name));
    }
}

Status OpenRegularFile(FileSystem& fs, const std::string& path, std::unique_ptr<File>* file) {
    // Checked before opening: a directory opens and fails only when read, and a named pipe or a
    // device could block or never end.
    FileInfo info;
    Status status = fs.Info(path, &info);
    if (status.ok() && info.kind == FileInfo::Kind::Directory) {
        status = Status::IoError(std::string(std::strerror(EISDIR)));
    } else if (status.ok() && info.kind != FileInfo::Kind::Regular) {
        status = Status::IoError(BREVANTA_TEXT("Core", "it is not a regular file"));
    }
    if (status.ok()) status = fs.Open(path, OpenMode::Read, file);
    return status;
}

}  // namespace brevanta
