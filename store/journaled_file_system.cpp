#include "store/journaled_file_system.h"

#include <algorithm>
#include <cassert>

#include "core/whole_file.h"
#include "store/change_journal.h"

namespace brevanta {

// A file's writes since Begin: extents of new bytes over what is left of the original.
struct JournaledFileSystem::PendingFile {
    std::string path;
    std::unique_ptr<File> base;
    bool writable = false;
    uint64_t original_size = 0;
    // The original's bytes below this still show; a truncation lowers it.
    uint64_t original_showing = 0;
    uint64_t size = 0;
    std::map<uint64_t, std::string> extents;  // disjoint, by offset
    bool written = false;
    bool ended = false;  // the change committed or was discarded

    void Write(uint64_t offset, std::string_view data);
    void Truncate(uint64_t new_size);
    Status Read(uint64_t offset, char* data, size_t wanted, size_t* read);
    // The regions of the original that the writes replace or cut off, with their bytes.
    Status OriginalRegions(std::vector<JournaledFile::Region>* regions);
    Status Apply();
};

namespace {

std::string BaseName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

Status EndedChange() {
    return Status::InvalidArgument(
        BREVANTA_TEXT("Store", "the change this file belonged to ended"));
}

// A file opened through a change. Locks are left to the directory lock the change holds.
class PendingFileHandle final : public File {
  public:
    PendingFileHandle(std::shared_ptr<JournaledFileSystem::PendingFile> file, std::mutex& mutex,
                      bool for_writing)
        : file_(std::move(file)), mutex_(mutex), for_writing_(for_writing) {}

    Status ReadAt(uint64_t offset, char* data, size_t size, size_t* read) override {
        const std::lock_guard lock(mutex_);
        return file_->Read(offset, data, size, read);
    }
    Status WriteAt(uint64_t offset, std::string_view data) override {
        const std::lock_guard lock(mutex_);
        if (Status refused = Refusal(); !refused.ok()) return refused;
        file_->Write(offset, data);
        return Status::Ok();
    }
    Status Truncate(uint64_t size) override {
        const std::lock_guard lock(mutex_);
        if (Status refused = Refusal(); !refused.ok()) return refused;
        file_->Truncate(size);
        return Status::Ok();
    }
    Status Sync() override { return Status::Ok(); }  // Commit syncs
    Status Lock(LockKind) override { return Status::Ok(); }
    Status TryLock(LockKind, bool* taken) override {
        *taken = true;
        return Status::Ok();
    }
    Status Unlock() override { return Status::Ok(); }
    Status Info(FileInfo* info) override {
        const std::lock_guard lock(mutex_);
        Status status = file_->base->Info(info);
        info->size = file_->size;
        return status;
    }
    Status SetPermissions(uint32_t) override {
        return Status::InvalidArgument(
            BREVANTA_TEXT("Store", "permissions cannot change within a change"));
    }
    Status SetOwner(uint32_t, uint32_t) override {
        return Status::InvalidArgument(
            BREVANTA_TEXT("Store", "the owner cannot change within a change"));
    }

  private:
    Status Refusal() const {
        if (file_->ended) return EndedChange();
        if (!for_writing_)
            return Status::PermissionDenied(
                BREVANTA_TEXT("Store", "the file is open for reading only"));
        return Status::Ok();
    }

    std::shared_ptr<JournaledFileSystem::PendingFile> file_;
    std::mutex& mutex_;
    bool for_writing_;
};

}  // namespace

void JournaledFileSystem::PendingFile::Write(uint64_t offset, std::string_view data) {
    written = true;
    const uint64_t end = offset + data.size();
    size = std::max(size, end);
    // The extent that holds or ends at `offset`, if any.
    auto next = extents.upper_bound(offset);
    auto first = next;
    if (next != extents.begin()) {
        const auto before = std::prev(next);
        if (before->first + before->second.size() >= offset) first = before;
    }
    // Common cases in place: a row rewritten inside an extent, or rows appended to one.
    if (first != next && (next == extents.end() || next->first > end)) {
        std::string& bytes = first->second;
        const size_t at = static_cast<size_t>(offset - first->first);
        if (at + data.size() > bytes.size()) bytes.resize(at + data.size());
        std::copy(data.begin(), data.end(), bytes.begin() + static_cast<ptrdiff_t>(at));
        return;
    }
    uint64_t merged_start = offset;
    uint64_t merged_end = end;
    auto last = first;
    for (; last != extents.end() && last->first <= end; ++last) {
        merged_start = std::min(merged_start, last->first);
        merged_end = std::max(merged_end, last->first + last->second.size());
    }
    std::string merged(static_cast<size_t>(merged_end - merged_start), '\0');
    for (auto extent = first; extent != last; ++extent) {
        std::copy(extent->second.begin(), extent->second.end(),
                  merged.begin() + static_cast<ptrdiff_t>(extent->first - merged_start));
    }
    std::copy(data.begin(), data.end(),
              merged.begin() + static_cast<ptrdiff_t>(offset - merged_start));
    extents.erase(first, last);
    extents.emplace(merged_start, std::move(merged));
}

void JournaledFileSystem::PendingFile::Truncate(uint64_t new_size) {
    written = true;
    size = new_size;
    original_showing = std::min(original_showing, new_size);
    extents.erase(extents.lower_bound(new_size), extents.end());
    if (!extents.empty()) {
        auto& [start, bytes] = *extents.rbegin();
        if (start + bytes.size() > new_size) bytes.resize(static_cast<size_t>(new_size - start));
    }
}

Status JournaledFileSystem::PendingFile::Read(uint64_t offset, char* data, size_t wanted,
                                              size_t* read) {
    *read = 0;
    if (offset >= size) return Status::Ok();
    const size_t count = static_cast<size_t>(std::min<uint64_t>(wanted, size - offset));
    size_t from_original = 0;
    if (offset < original_showing) {
        const size_t showing =
            static_cast<size_t>(std::min<uint64_t>(count, original_showing - offset));
        if (Status status = base->ReadAt(offset, data, showing, &from_original); !status.ok())
            return status;
    }
    std::fill(data + from_original, data + count, '\0');
    const uint64_t end = offset + count;
    auto extent = extents.upper_bound(offset);
    if (extent != extents.begin()) --extent;
    for (; extent != extents.end() && extent->first < end; ++extent) {
        const uint64_t from = std::max(offset, extent->first);
        const uint64_t to = std::min(end, extent->first + extent->second.size());
        if (from >= to) continue;
        std::copy_n(extent->second.data() + (from - extent->first), to - from,
                    data + (from - offset));
    }
    *read = count;
    return Status::Ok();
}

Status JournaledFileSystem::PendingFile::OriginalRegions(
    std::vector<JournaledFile::Region>* regions) {
    const auto add = [&](uint64_t from, uint64_t to) -> Status {
        to = std::min(to, original_size);
        if (from >= to) return Status::Ok();
        JournaledFile::Region region{from, std::string(static_cast<size_t>(to - from), '\0')};
        size_t read = 0;
        Status status = base->ReadAt(from, region.bytes.data(), region.bytes.size(), &read);
        if (status.ok() && read < region.bytes.size())
            status = Status::IoError(BREVANTA_TEXT("Store", "ends too early"));
        if (status.ok()) regions->push_back(std::move(region));
        return status;
    };
    for (const auto& [start, bytes] : extents) {
        if (Status status = add(start, start + bytes.size()); !status.ok()) return status;
    }
    return add(original_showing, original_size);
}

Status JournaledFileSystem::PendingFile::Apply() {
    Status status;
    if (original_showing < original_size) status = base->Truncate(original_showing);
    for (auto extent = extents.begin(); status.ok() && extent != extents.end(); ++extent) {
        status = base->WriteAt(extent->first, extent->second);
    }
    if (status.ok() && size < original_size) status = base->Truncate(size);
    if (status.ok()) status = base->Sync();
    return status;
}

JournaledFileSystem::JournaledFileSystem(std::string directory)
    : directory_(std::move(directory)) {}

JournaledFileSystem::~JournaledFileSystem() { Discard(); }

void JournaledFileSystem::Begin(std::string operation) {
    assert(!changing_);
    operation_ = std::move(operation);
    changing_ = true;
}

bool JournaledFileSystem::Changed(const std::string& path) const {
    const std::lock_guard lock(mutex_);
    const auto found = pending_.find(path);
    return found != pending_.end() && found->second->written;
}

void JournaledFileSystem::Discard() {
    const std::lock_guard lock(mutex_);
    for (auto& [path, file] : pending_) file->ended = true;
    pending_.clear();
    changing_ = false;
}

Status JournaledFileSystem::Commit(bool* took_effect) {
    *took_effect = false;
    std::map<std::string, std::shared_ptr<PendingFile>> pending;
    {
        const std::lock_guard lock(mutex_);
        pending.swap(pending_);
        changing_ = false;
        for (auto& [path, file] : pending) file->ended = true;
    }
    Journal journal{operation_, {}};
    std::vector<PendingFile*> written;
    for (auto& [path, file] : pending) {
        if (!file->written) continue;
        JournaledFile journaled{BaseName(path), file->original_size, {}};
        if (Status status = file->OriginalRegions(&journaled.regions); !status.ok())
            return Status::IoError(Prefixed(journaled.name, status).text());
        journal.files.push_back(std::move(journaled));
        written.push_back(file.get());
    }
    *took_effect = true;
    if (written.empty()) return Status::Ok();
    *took_effect = false;

    FileSystem& fs = FileSystem::Default();
    if (Status status = WriteJournal(fs, directory_, journal); !status.ok()) return status;
    Status status;
    for (PendingFile* file : written) {
        status = file->Apply();
        if (!status.ok()) {
            status = Status::IoError(Prefixed(BaseName(file->path), status).text());
            break;
        }
    }
    if (status.ok()) {
        status = fs.Remove(directory_ + "/" + kJournalFile);
        if (!status.ok())
            status = Status::IoError(Prefixed(std::string(kJournalFile), status).text());
    }
    if (status.ok()) {
        // The journal is gone, so the change stands for every process.
        *took_effect = true;
        status = fs.SyncDirectory(directory_);
        if (status.ok()) return status;
        return Status::IoError(Message(
            BREVANTA_TEXT("Store",
                          "%1: the change was written, but it may not survive a power loss: %2"),
            {directory_, status.text()}));
    }
    // Put the files back now; what cannot be put back the next lock holder does.
    for (PendingFile* file : written) file->base.reset();
    if (Status undone = RollBack(fs, directory_, journal); !undone.ok()) {
        return Status::IoError(Message(BREVANTA_TEXT("Store",
                                                     "%1; the change will be undone when the data "
                                                     "directory is next opened for writing (%2)"),
                                       {status.text(), undone.text()}));
    }
    return status;
}

Status JournaledFileSystem::Open(const std::string& path, OpenMode mode,
                                 std::unique_ptr<File>* file) {
    FileSystem& base = FileSystem::Default();
    if (!changing_ || (mode != OpenMode::Read && mode != OpenMode::ReadWrite)) {
        return base.Open(path, mode, file);
    }
    const std::lock_guard lock(mutex_);
    std::shared_ptr<PendingFile>& pending = pending_[path];
    if (!pending) {
        auto opened = std::make_shared<PendingFile>();
        opened->path = path;
        Status status = base.Open(path, OpenMode::ReadWrite, &opened->base);
        opened->writable = status.ok();
        if (status.IsPermissionDenied()) status = base.Open(path, OpenMode::Read, &opened->base);
        FileInfo info;
        if (status.ok()) status = opened->base->Info(&info);
        if (!status.ok()) {
            pending_.erase(path);
            return status;
        }
        opened->original_size = opened->original_showing = opened->size = info.size;
        pending = std::move(opened);
    }
    if (mode == OpenMode::ReadWrite && !pending->writable) {
        return Status::PermissionDenied(BREVANTA_TEXT("Store", "Permission denied"));
    }
    *file = std::make_unique<PendingFileHandle>(pending, mutex_, mode == OpenMode::ReadWrite);
    return Status::Ok();
}

Status JournaledFileSystem::Info(const std::string& path, FileInfo* info) {
    Status status = FileSystem::Default().Info(path, info);
    if (!status.ok() || !changing_) return status;
    const std::lock_guard lock(mutex_);
    const auto found = pending_.find(path);
    if (found != pending_.end()) info->size = found->second->size;
    return status;
}

Status JournaledFileSystem::ResolveLink(const std::string& path, std::string* target) {
    return FileSystem::Default().ResolveLink(path, target);
}

Status JournaledFileSystem::RefuseWithinChange(UserText what) const {
    return Status::InvalidArgument(
        Message(BREVANTA_TEXT("Store", "%1 cannot wait inside a change of the tables"), {what}));
}

Status JournaledFileSystem::Rename(const std::string& from, const std::string& to) {
    if (changing_) return RefuseWithinChange(BREVANTA_TEXT("Store", "a rename"));
    return FileSystem::Default().Rename(from, to);
}

Status JournaledFileSystem::Link(const std::string& from, const std::string& to) {
    if (changing_) return RefuseWithinChange(BREVANTA_TEXT("Store", "a link"));
    return FileSystem::Default().Link(from, to);
}

Status JournaledFileSystem::Remove(const std::string& path) {
    if (changing_) return RefuseWithinChange(BREVANTA_TEXT("Store", "a removal"));
    return FileSystem::Default().Remove(path);
}

Status JournaledFileSystem::CreateDirectory(const std::string& path) {
    return FileSystem::Default().CreateDirectory(path);
}

Status JournaledFileSystem::RemoveDirectory(const std::string& path) {
    return FileSystem::Default().RemoveDirectory(path);
}

Status JournaledFileSystem::List(const std::string& directory, std::vector<std::string>* names) {
    return FileSystem::Default().List(directory, names);
}

Status JournaledFileSystem::SyncDirectory(const std::string& directory) {
    return FileSystem::Default().SyncDirectory(directory);
}

}  // namespace brevanta
