#include "store/change_journal.h"

#include <cstring>

#include "core/whole_file.h"
#include "store/row_reader.h"

namespace brevanta {

namespace {

// Layout, all numbers little-endian:
//   kMagic, u32 operation length, operation,
//   u32 file count, then per file:
//     u32 name length, name, u8 existed, u64 original size, u32 region count,
//     then per region: u64 offset, u32 length, bytes;
//   u64 FNV-1a checksum of everything before it, kEndMagic.
constexpr char kMagic[] = "BRVJRNL1";
constexpr char kEndMagic[] = "BRVJEND1";
constexpr size_t kMagicSize = sizeof kMagic - 1;

uint64_t Checksum(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<uint8_t>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

template <typename Number>
void Put(std::string& out, Number value) {
    for (size_t i = 0; i < sizeof(Number); ++i) {
        out.push_back(static_cast<char>((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF));
    }
}

void PutText(std::string& out, std::string_view text) {
    Put(out, static_cast<uint32_t>(text.size()));
    out.append(text);
}

// Reads the journal front to back; any read past the end fails it for good.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    template <typename Number>
    Number Get() {
        if (!Has(sizeof(Number))) return 0;
        uint64_t value = 0;
        for (size_t i = 0; i < sizeof(Number); ++i) {
            value |= static_cast<uint64_t>(static_cast<uint8_t>(bytes_[at_ + i])) << (8 * i);
        }
        at_ += sizeof(Number);
        return static_cast<Number>(value);
    }

    std::string Bytes(uint64_t size) {
        if (!Has(size)) return {};
        std::string bytes(bytes_.substr(at_, size));
        at_ += size;
        return bytes;
    }

    std::string Text() { return Bytes(Get<uint32_t>()); }
    bool ok() const { return ok_; }
    bool at_end() const { return at_ == bytes_.size(); }

  private:
    bool Has(uint64_t size) {
        ok_ = ok_ && size <= bytes_.size() - at_;
        return ok_;
    }

    std::string_view bytes_;
    size_t at_ = 0;
    bool ok_ = true;
};

std::string JournalPath(const std::string& directory) { return directory + "/" + kJournalFile; }

Status ReadJournalBytes(FileSystem& fs, const std::string& path, std::string* bytes) {
    std::unique_ptr<File> file;
    Status status = OpenRegularFile(fs, path, &file);
    FileInfo info;
    if (status.ok()) status = file->Info(&info);
    if (!status.ok()) return status;
    bytes->resize(static_cast<size_t>(info.size));
    size_t read = 0;
    status = file->ReadAt(0, bytes->data(), bytes->size(), &read);
    bytes->resize(read);
    return status;
}

Status RollBackFile(FileSystem& fs, const std::string& directory, const JournaledFile& file) {
    const std::string path = directory + "/" + file.name;
    if (!file.original_size) {
        const Status removed = fs.Remove(path);
        return removed.IsNotFound() ? Status::Ok() : removed;
    }
    std::unique_ptr<File> opened;
    Status status = fs.Open(path, OpenMode::ReadWrite, &opened);
    for (size_t i = 0; status.ok() && i < file.regions.size(); ++i) {
        status = opened->WriteAt(file.regions[i].offset, file.regions[i].bytes);
    }
    if (status.ok()) status = opened->Truncate(*file.original_size);
    if (status.ok()) status = opened->Sync();
    return status.ok() ? status : Status::IoError(Prefixed(file.name, status).text());
}

}  // namespace

std::string EncodeJournal(const Journal& journal) {
    std::string out(kMagic, kMagicSize);
    PutText(out, journal.operation);
    Put(out, static_cast<uint32_t>(journal.files.size()));
    for (const JournaledFile& file : journal.files) {
        PutText(out, file.name);
        Put(out, static_cast<uint8_t>(file.original_size.has_value()));
        Put(out, file.original_size.value_or(0));
        Put(out, static_cast<uint32_t>(file.regions.size()));
        for (const JournaledFile::Region& region : file.regions) {
            Put(out, region.offset);
            PutText(out, region.bytes);
        }
    }
    Put(out, Checksum(out));
    out.append(kEndMagic, kMagicSize);
    return out;
}

std::optional<Journal> DecodeJournal(const std::string& bytes) {
    const size_t trailer = sizeof(uint64_t) + kMagicSize;
    if (bytes.size() < kMagicSize + trailer || bytes.compare(0, kMagicSize, kMagic) != 0 ||
        bytes.compare(bytes.size() - kMagicSize, kMagicSize, kEndMagic) != 0) {
        return std::nullopt;
    }
    const std::string_view body(bytes.data(), bytes.size() - trailer);
    Reader checksum(std::string_view(bytes).substr(body.size(), sizeof(uint64_t)));
    if (checksum.Get<uint64_t>() != Checksum(body)) return std::nullopt;

    Reader in(body.substr(kMagicSize));
    Journal journal;
    journal.operation = in.Text();
    const uint32_t file_count = in.Get<uint32_t>();
    for (uint32_t f = 0; in.ok() && f < file_count; ++f) {
        JournaledFile file;
        file.name = in.Text();
        const bool existed = in.Get<uint8_t>() != 0;
        const uint64_t size = in.Get<uint64_t>();
        if (existed) file.original_size = size;
        const uint32_t region_count = in.Get<uint32_t>();
        for (uint32_t r = 0; in.ok() && r < region_count; ++r) {
            JournaledFile::Region region;
            region.offset = in.Get<uint64_t>();
            region.bytes = in.Text();
            file.regions.push_back(std::move(region));
        }
        journal.files.push_back(std::move(file));
    }
    if (!in.ok() || !in.at_end()) return std::nullopt;
    return journal;
}

Status WriteJournal(FileSystem& fs, const std::string& directory, const Journal& journal) {
    std::unique_ptr<File> file;
    Status status = fs.Open(JournalPath(directory), OpenMode::CreateNew, &file);
    if (!status.ok())
        return Prefixed(
            Message(BREVANTA_TEXT("Store", "%1: cannot change the tables"), {directory}), status);
    status = file->WriteAt(0, EncodeJournal(journal));
    if (status.ok()) status = file->Sync();
    if (status.ok()) status = fs.SyncDirectory(directory);
    if (!status.ok()) {
        // Not one table was touched yet; a journal left behind would only be removed.
        file.reset();
        fs.Remove(JournalPath(directory));
        return Prefixed(
            Message(BREVANTA_TEXT("Store", "%1: cannot change the tables"), {directory}), status);
    }
    return status;
}

Status RollBack(FileSystem& fs, const std::string& directory, const Journal& journal) {
    for (const JournaledFile& file : journal.files) {
        if (Status status = RollBackFile(fs, directory, file); !status.ok()) return status;
    }
    Status status = fs.Remove(JournalPath(directory));
    if (status.IsNotFound()) status = Status::Ok();  // undoing after the journal was removed
    if (status.ok()) status = fs.SyncDirectory(directory);
    return status.ok() ? status
                       : Status::IoError(Prefixed(std::string(kJournalFile), status).text());
}

Status RollBackInterruptedChange(FileSystem& fs, const std::string& directory, bool may_write) {
    std::string bytes;
    Status status = ReadJournalBytes(fs, JournalPath(directory), &bytes);
    if (status.IsNotFound()) return Status::Ok();
    const std::optional<Journal> journal = status.ok() ? DecodeJournal(bytes) : std::nullopt;
    if (!may_write) {
        return Status::PermissionDenied(
            journal ? Message(BREVANTA_TEXT(
                                  "Store",
                                  "%1 holds an unfinished change (%2) that can only be undone "
                                  "where its tables may be written; nothing was read."),
                              {directory, journal->operation})
                    : Message(BREVANTA_TEXT("Store",
                                            "%1 holds an unfinished change that can only be undone "
                                            "where its tables may be written; nothing was read."),
                              {directory}));
    }
    if (!status.ok()) return Status::IoError(Prefixed(std::string(kJournalFile), status).text());
    if (!journal) {
        status = fs.Remove(JournalPath(directory));
        return status.ok() ? fs.SyncDirectory(directory) : status;
    }
    status = RollBack(fs, directory, *journal);
    if (!status.ok()) {
        return Status::IoError(
            Message(BREVANTA_TEXT("Store", "%1: cannot undo an unfinished change (%2): %3"),
                    {directory, journal->operation, status.text()}));
    }
    return status;
}

bool HoldsJournal(FileSystem& fs, const std::string& directory) {
    FileInfo info;
    return fs.Info(JournalPath(directory), &info).ok();
}

}  // namespace brevanta
