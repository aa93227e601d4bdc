#include "store/table_engine.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>

#include "core/clock.h"
#include "core/file_system.h"
#include "core/whole_file.h"
#include "store/table_format.h"

namespace brevanta {

namespace {

using namespace dbf;

// Rows are read in blocks of about this many bytes, so a scan costs few system calls.
constexpr size_t kReadBlockBytes = 256 * 1024;

uint16_t GetU16(const char* p) {
    return static_cast<uint16_t>(static_cast<uint8_t>(p[0]) | static_cast<uint8_t>(p[1]) << 8);
}
uint32_t GetU32(const char* p) {
    return static_cast<uint32_t>(GetU16(p)) | static_cast<uint32_t>(GetU16(p + 2)) << 16;
}
void PutU16(char* p, uint32_t value) {
    p[0] = static_cast<char>(value & 0xFF);
    p[1] = static_cast<char>((value >> 8) & 0xFF);
}
void PutU32(char* p, uint32_t value) {
    PutU16(p, value & 0xFFFF);
    PutU16(p + 2, value >> 16);
}

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Upper(x) == Upper(y); });
}

// The rules a field must follow, both in a layout to create and in a file to open.
Message FieldProblem(const FieldSpec& field) {
    if (field.name.empty() || field.name.size() > kFieldNameSize)
        return BREVANTA_TEXT("Store", "bad field name");
    for (char c : field.name) {
        if (c <= ' ' || c > '~') return BREVANTA_TEXT("Store", "bad field name");
    }
    switch (field.kind) {
        case FieldKind::Character:
            if (field.width < 1 || field.width > kMaxFieldWidth || field.decimals != 0)
                return Message(BREVANTA_TEXT("Store", "bad character field %1"), {field.name});
            break;
        case FieldKind::Numeric:
            if (field.width < 1 || field.width > kMaxFieldWidth || field.decimals < 0 ||
                (field.decimals > 0 && field.decimals + 2 > field.width))
                return Message(BREVANTA_TEXT("Store", "bad numeric field %1"), {field.name});
            break;
        case FieldKind::Date:
            if (field.width != kDateWidth || field.decimals != 0)
                return Message(BREVANTA_TEXT("Store", "bad date field %1"), {field.name});
            break;
        default:
            return BREVANTA_TEXT("Store", "unknown field type");
    }
    return {};
}

Message LayoutProblem(const std::vector<FieldSpec>& fields) {
    if (fields.empty()) return BREVANTA_TEXT("Store", "no fields");
    size_t record_length = 1;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (Message problem = FieldProblem(fields[i]); !problem.empty()) return problem;
        for (size_t j = 0; j < i; ++j) {
            if (SameName(fields[i].name, fields[j].name))
                return Message(BREVANTA_TEXT("Store", "field %1 appears twice"), {fields[i].name});
        }
        record_length += static_cast<size_t>(fields[i].width);
    }
    if (record_length > kMaxRecordLength) return BREVANTA_TEXT("Store", "record too long");
    return {};
}

const Clock& ClockOrSystem(const Clock* clock) {
    static const SystemClock system_clock;
    return clock ? *clock : system_clock;
}

void PutUpdateDate(char* header, const Clock& clock) {
    const Date today = clock.Today();
    header[kUpdateDateOffset] = static_cast<char>(std::clamp(today.year() - 1900, 0, 255));
    header[kUpdateDateOffset + 1] = static_cast<char>(today.month());
    header[kUpdateDateOffset + 2] = static_cast<char>(today.day());
}

// The leading header bytes that a write of rows changes: the update date, the row count and
// the language driver.
constexpr int kPatchedHeaderSize = kLanguageDriverOffset + 1;

void PatchHeader(char* header, uint32_t count, const Clock& clock) {
    PutUpdateDate(header, clock);
    PutU32(header + kRecordCountOffset, count);
    header[kLanguageDriverOffset] = static_cast<char>(kWindowsAnsiLanguageDriver);
}

// The header and descriptors of a new, empty table.
std::string NewHeader(const std::vector<FieldSpec>& fields, const Clock& clock) {
    const size_t header_length = kHeaderSize + fields.size() * kDescriptorSize + 1;
    std::string header(header_length, '\0');
    uint32_t record_length = 1;
    for (size_t i = 0; i < fields.size(); ++i) {
        char* descriptor = header.data() + kHeaderSize + i * kDescriptorSize;
        for (size_t c = 0; c < fields[i].name.size(); ++c)
            descriptor[kFieldNameOffset + c] = Upper(fields[i].name[c]);
        descriptor[kFieldTypeOffset] = static_cast<char>(fields[i].kind);
        descriptor[kFieldWidthOffset] = static_cast<char>(fields[i].width);
        descriptor[kFieldDecimalsOffset] = static_cast<char>(fields[i].decimals);
        record_length += static_cast<uint32_t>(fields[i].width);
    }
    header[kVersionOffset] = static_cast<char>(kVersion);
    PatchHeader(header.data(), 0, clock);
    PutU16(header.data() + kHeaderLengthOffset, static_cast<uint32_t>(header_length));
    PutU16(header.data() + kRecordLengthOffset, record_length);
    header[header_length - 1] = kHeaderTerminator;
    return header;
}

// The decimal form of a number with `decimals` decimals, when it fits in `width`.
std::optional<std::string> NumberText(double value, int width, int decimals) {
    if (!std::isfinite(value)) return std::nullopt;
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc()) return std::nullopt;
    std::string text(buffer, end);
    // A negative number rounded to zero is written as zero, never "-0.00".
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    if (text.size() > static_cast<size_t>(width)) return std::nullopt;
    return text;
}

// The decimal form of a whole number with `decimals` zero decimals, when it fits in `width`.
std::optional<std::string> IntegerText(int64_t value, int width, int decimals) {
    std::string text = std::to_string(value);
    if (decimals > 0) text += "." + std::string(static_cast<size_t>(decimals), '0');
    if (text.size() > static_cast<size_t>(width)) return std::nullopt;
    return text;
}

Status NotOpen() {
    return Status::InvalidArgument(BREVANTA_TEXT("Store", "The table is not open."));
}

}  // namespace

class Table::Impl {
  public:
    // write_refusal: why the file may not be written (it was opened for reading), or ok.
    Impl(const Clock& clock, FileSystem& fs, std::unique_ptr<File> file, std::string path,
         Status write_refusal)
        : clock_(clock),
          fs_(fs),
          file_(std::move(file)),
          path_(std::move(path)),
          write_refusal_(std::move(write_refusal)) {}
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    Status ReadHeader();
    Status Pack();
    Status Top();
    Status Skip();
    Status Go(int64_t row);
    Status Flush() { return FlushRow(); }
    Status AppendStart();
    Status Append();
    void BeginAppends();
    Status CommitAppends();
    Status DiscardAppends();
    Status LockAll();
    Status Close();

    // Field operations act on the current row or on the row being prepared.
    bool Deleted() const { return HasRow() && record_[0] == kDeletedFlag; }
    Status SetDeletionFlag(char flag);
    Status Blank();
    // REQUIRES: field is a valid index; text is at most the field's width.
    Status AssignField(int field, std::string_view text, bool right_aligned);

    const std::vector<FieldSpec>& fields() const { return fields_; }
    bool IsField(FieldHandle field) const {
        return field.valid() && static_cast<size_t>(field.index()) < fields_.size();
    }
    size_t OffsetOf(int field) const { return offsets_[static_cast<size_t>(field)]; }
    std::string_view FieldBytes(int field) const {
        return {record_.data() + OffsetOf(field),
                static_cast<size_t>(fields_[static_cast<size_t>(field)].width)};
    }
    int32_t count() const { return static_cast<int32_t>(count_); }
    bool eof() const { return row_ < 0; }

  private:
    bool HasRow() const { return appending_ || row_ >= 0; }
    Status CheckRow() const {
        return HasRow() ? Status::Ok()
                        : Status::InvalidArgument(
                              Message(BREVANTA_TEXT("Store", "%1: no current row."), {path_}));
    }
    void MarkChanged() {
        if (!appending_) changed_ = true;
    }
    uint64_t RowOffset(int64_t row) const {
        return header_length_ + static_cast<uint64_t>(row) * record_length_;
    }
    Status Corrupt(Message what) const {
        return Status::Corruption(
            Message(BREVANTA_TEXT("Store", "%1: %2."), {path_, std::move(what)}));
    }
    Status IoFailure(UserText what, const Status& reason) const {
        return Status::IoError(
            Message(BREVANTA_TEXT("Store", "%1: %2: %3"), {path_, what, reason.text()}));
    }
    // Exactly `size` bytes, or a failure.
    Status ReadAt(uint64_t offset, char* data, size_t size);
    // Every write of the table goes here, so a table that may not be written says why.
    Status WriteAt(uint64_t offset, std::string_view data);
    Status Sync();
    Status ReadDescriptors(const std::string& header);
    // Makes the row current, reading it with the rows after it (a scan) or alone.
    enum class RowsToRead { Block, OneRow };
    Status LoadRow(int64_t row, RowsToRead rows_to_read = RowsToRead::Block);
    Status FlushRow();
    Status WriteHeaderCountAndDate();
    Status CountDeleted(uint32_t& deleted);
    Status WritePacked(FileWriter& out, const std::string& header);
    void ClearRow();

    const Clock& clock_;
    FileSystem& fs_;
    std::unique_ptr<File> file_;  // closing it releases the lock
    std::string path_;
    Status write_refusal_;
    std::vector<FieldSpec> fields_;
    std::vector<size_t> offsets_;  // of each field within a record
    uint32_t header_length_ = 0;
    uint32_t record_length_ = 0;
    uint32_t count_ = 0;
    std::string header_bytes_;  // as read, so a pack copies foreign headers faithfully

    int64_t row_ = -1;  // the current row, or -1 for none (Eof)
    std::vector<char> record_;
    bool changed_ = false;    // the current row differs from the file
    bool appending_ = false;  // record_ is a row being prepared, not row_
    bool modified_ = false;   // the file was written: refresh the update date at close
    bool locked_ = false;
    // While appends are batched, the header keeps the count they started from.
    std::optional<uint32_t> batch_start_;

    // Rows [block_first_, block_first_ + block_rows_) as read from the file.
    std::vector<char> block_;
    int64_t block_first_ = 0;
    int64_t block_rows_ = 0;
};

Status Table::Impl::ReadAt(uint64_t offset, char* data, size_t size) {
    size_t read = 0;
    Status status = file_->ReadAt(offset, data, size, &read);
    if (status.ok() && read < size)
        status = Status::IoError(BREVANTA_TEXT("Store", "the file ends too early"));
    return status;
}

Status Table::Impl::WriteAt(uint64_t offset, std::string_view data) {
    if (!write_refusal_.ok()) return write_refusal_;
    return file_->WriteAt(offset, data);
}

Status Table::Impl::Sync() {
    const Status status = file_->Sync();
    return status.ok() ? status
                       : IoFailure(BREVANTA_TEXT("Store", "cannot save the changes"), status);
}

Status Table::Impl::ReadHeader() {
    FileInfo info;
    if (Status status = file_->Info(&info); !status.ok())
        return IoFailure(BREVANTA_TEXT("Store", "cannot read"), status);
    if (info.kind != FileInfo::Kind::Regular)
        return Corrupt(BREVANTA_TEXT("Store", "not a regular file"));
    const uint64_t file_size = info.size;
    if (file_size < kHeaderSize)
        return Corrupt(BREVANTA_TEXT("Store", "shorter than a table header"));

    std::string header(kHeaderSize, '\0');
    if (Status status = ReadAt(0, header.data(), kHeaderSize); !status.ok())
        return IoFailure(BREVANTA_TEXT("Store", "cannot read the header"), status);
    if (static_cast<uint8_t>(header[kVersionOffset]) != kVersion)
        return Corrupt(BREVANTA_TEXT("Store", "not a dBASE III table"));
    count_ = GetU32(header.data() + kRecordCountOffset);
    header_length_ = GetU16(header.data() + kHeaderLengthOffset);
    record_length_ = GetU16(header.data() + kRecordLengthOffset);
    if (header_length_ < kHeaderSize + kDescriptorSize + 1 || header_length_ > file_size)
        return Corrupt(BREVANTA_TEXT("Store", "bad header length"));
    if (count_ > static_cast<uint32_t>(std::numeric_limits<int32_t>::max()))
        return Corrupt(BREVANTA_TEXT("Store", "bad row count"));

    header.resize(header_length_);
    if (Status status =
            ReadAt(kHeaderSize, header.data() + kHeaderSize, header_length_ - kHeaderSize);
        !status.ok())
        return IoFailure(BREVANTA_TEXT("Store", "cannot read the header"), status);
    if (Status status = ReadDescriptors(header); !status.ok()) return status;
    if (file_size < RowOffset(count_))
        return Corrupt(BREVANTA_TEXT("Store", "truncated: fewer rows than the header says"));
    header_bytes_ = std::move(header);
    record_.assign(record_length_, ' ');
    return Status::Ok();
}

Status Table::Impl::ReadDescriptors(const std::string& header) {
    size_t at = kHeaderSize;
    size_t record_length = 1;
    while (at < header.size() && header[at] != kHeaderTerminator) {
        if (at + kDescriptorSize >= header.size())
            return Corrupt(BREVANTA_TEXT("Store", "bad field descriptors"));
        const char* descriptor = header.data() + at;
        FieldSpec field;
        const char* name = descriptor + kFieldNameOffset;
        field.name.assign(name, strnlen(name, kFieldNameSize));
        const char type = descriptor[kFieldTypeOffset];
        // 'F' is the floating-point numeric type of later dBASE versions; same text form.
        field.kind = type == 'F' ? FieldKind::Numeric : static_cast<FieldKind>(type);
        field.width = static_cast<uint8_t>(descriptor[kFieldWidthOffset]);
        field.decimals = static_cast<uint8_t>(descriptor[kFieldDecimalsOffset]);
        if (type != 'C' && type != 'N' && type != 'F' && type != 'D')
            return Corrupt(Message(BREVANTA_TEXT("Store", "unsupported field type in field %1"),
                                   {field.name}));
        offsets_.push_back(record_length);
        record_length += static_cast<size_t>(field.width);
        fields_.push_back(std::move(field));
        at += kDescriptorSize;
    }
    if (at >= header.size()) return Corrupt(BREVANTA_TEXT("Store", "no end of field descriptors"));
    if (Message problem = LayoutProblem(fields_); !problem.empty()) return Corrupt(problem);
    if (record_length != record_length_)
        return Corrupt(BREVANTA_TEXT("Store", "record length does not match the fields"));
    return Status::Ok();
}

void Table::Impl::ClearRow() {
    row_ = -1;
    appending_ = false;
    changed_ = false;
    std::fill(record_.begin(), record_.end(), ' ');
}

Status Table::Impl::LoadRow(int64_t row, RowsToRead rows_to_read) {
    if (row < block_first_ || row >= block_first_ + block_rows_) {
        const int64_t rows_per_block =
            rows_to_read == RowsToRead::OneRow
                ? 1
                : std::max<int64_t>(1, static_cast<int64_t>(kReadBlockBytes / record_length_));
        block_rows_ = std::min<int64_t>(rows_per_block, count_ - row);
        block_first_ = row;
        block_.resize(static_cast<size_t>(block_rows_) * record_length_);
        if (Status status = ReadAt(RowOffset(row), block_.data(), block_.size()); !status.ok()) {
            block_rows_ = 0;
            ClearRow();
            return IoFailure(BREVANTA_TEXT("Store", "cannot read rows"), status);
        }
    }
    const char* source = block_.data() + static_cast<size_t>(row - block_first_) * record_length_;
    std::copy(source, source + record_length_, record_.begin());
    row_ = row;
    appending_ = false;
    changed_ = false;
    return Status::Ok();
}

// A row rewrite goes in place: one write of one record.
Status Table::Impl::FlushRow() {
    if (!changed_ || row_ < 0) return Status::Ok();
    changed_ = false;
    if (Status status = WriteAt(RowOffset(row_), {record_.data(), record_.size()}); !status.ok())
        return IoFailure(BREVANTA_TEXT("Store", "cannot write a row"), status);
    modified_ = true;
    if (row_ >= block_first_ && row_ < block_first_ + block_rows_) {
        std::copy(record_.begin(), record_.end(),
                  block_.begin() + static_cast<ptrdiff_t>((row_ - block_first_) * record_length_));
    }
    return Status::Ok();
}

Status Table::Impl::WriteHeaderCountAndDate() {
    char patch[kPatchedHeaderSize];
    std::copy(header_bytes_.begin(), header_bytes_.begin() + kPatchedHeaderSize, patch);
    PatchHeader(patch, count_, clock_);
    if (Status status = WriteAt(
            kUpdateDateOffset, {patch + kUpdateDateOffset, kPatchedHeaderSize - kUpdateDateOffset});
        !status.ok())
        return IoFailure(BREVANTA_TEXT("Store", "cannot write the header"), status);
    std::copy(patch, patch + kPatchedHeaderSize, header_bytes_.begin());
    return Status::Ok();
}

Status Table::Impl::Top() {
    Status status = FlushRow();
    ClearRow();
    if (count_ == 0 || !status.ok()) return status;
    return LoadRow(0);
}

Status Table::Impl::Skip() {
    Status status = FlushRow();
    const int64_t next = row_ < 0 ? -1 : row_ + 1;
    ClearRow();
    if (next < 0 || next >= count_ || !status.ok()) return status;
    return LoadRow(next);
}

Status Table::Impl::Go(int64_t row) {
    Status status = FlushRow();
    ClearRow();
    if (!status.ok()) return status;
    if (row < 0 || row >= count_)
        return Status::InvalidArgument(
            Message(BREVANTA_TEXT("Store", "%1: no such row."), {path_}));
    return LoadRow(row, RowsToRead::OneRow);
}

Status Table::Impl::AppendStart() {
    Status status = FlushRow();
    appending_ = true;
    std::fill(record_.begin(), record_.end(), ' ');
    return status;
}

// The row and the end-of-file marker are written before the count is raised, so a process
// killed in between leaves a table whose count still covers only complete rows.
Status Table::Impl::Append() {
    if (!appending_)
        return Status::InvalidArgument(BREVANTA_TEXT("Store", "Append without AppendStart."));
    if (count_ == static_cast<uint32_t>(std::numeric_limits<int32_t>::max()))
        return Status::InvalidArgument(
            Message(BREVANTA_TEXT("Store", "%1: the table is full."), {path_}));
    std::vector<char> bytes(record_);
    bytes.push_back(kEndOfFile);
    modified_ = true;
    if (Status status = WriteAt(RowOffset(count_), {bytes.data(), bytes.size()}); !status.ok())
        return IoFailure(BREVANTA_TEXT("Store", "cannot append a row"), status);
    ++count_;
    if (Status status = batch_start_ ? Status::Ok() : WriteHeaderCountAndDate(); !status.ok()) {
        --count_;
        return status;
    }
    row_ = count_ - 1;
    appending_ = false;
    return Status::Ok();
}

void Table::Impl::BeginAppends() {
    if (!batch_start_) batch_start_ = count_;
}

// The rows reach the disk before the count that covers them, so that after a power loss the
// count never reaches beyond the rows.
Status Table::Impl::CommitAppends() {
    if (!batch_start_) return Status::Ok();
    Status status = FlushRow();
    if (status.ok()) status = Sync();
    if (status.ok()) status = WriteHeaderCountAndDate();
    if (status.ok()) status = Sync();
    if (!status.ok()) {
        DiscardAppends();
        return status;
    }
    batch_start_.reset();
    modified_ = false;  // the header and its date are written
    return Status::Ok();
}

// The header goes back to the count the batch started from (when a failed commit may have
// raised it), then the rows past that count go and the end-of-file marker is put back where
// they began.
Status Table::Impl::DiscardAppends() {
    if (!batch_start_) return Status::Ok();
    count_ = *batch_start_;
    batch_start_.reset();
    ClearRow();
    block_rows_ = 0;
    if (!write_refusal_.ok()) return Status::Ok();  // nothing can have been written
    const bool count_raised = GetU32(header_bytes_.data() + kRecordCountOffset) != count_;
    if (count_raised) {
        if (Status status = WriteHeaderCountAndDate(); !status.ok()) return status;
    }
    Status status = file_->Truncate(RowOffset(count_));
    if (status.ok()) status = file_->WriteAt(RowOffset(count_), {&kEndOfFile, 1});
    if (status.ok() && count_raised) status = file_->Sync();
    return status.ok()
               ? status
               : IoFailure(BREVANTA_TEXT("Store", "cannot remove the rows of a failed append"),
                           status);
}

Status Table::Impl::CountDeleted(uint32_t& deleted) {
    deleted = 0;
    for (int64_t row = 0; row < count_; ++row) {
        if (Status status = LoadRow(row); !status.ok()) return status;
        if (record_[0] == kDeletedFlag) ++deleted;
    }
    return Status::Ok();
}

Status Table::Impl::WritePacked(FileWriter& out, const std::string& header) {
    out.Add(header);
    for (int64_t row = 0; row < count_; ++row) {
        if (Status status = LoadRow(row); !status.ok()) return status;
        if (record_[0] != kDeletedFlag) out.Add({record_.data(), record_.size()});
    }
    out.Add({&kEndOfFile, 1});
    // The lock moves to the new file before it takes the table's name.
    if (locked_) {
        if (Status status = out.file().Lock(LockKind::Exclusive); !status.ok())
            return IoFailure(BREVANTA_TEXT("Store", "cannot lock the packed table"), status);
    }
    return Status::Ok();
}

// The packed table is written beside the original and renamed over it, so a process killed
// at any point leaves either the old table or the new one, whole. It takes the table's mode
// and owner; a table reached through a symbolic link is packed where the link leads, and the
// link stays. A table that may not be written is not replaced by a packed copy.
Status Table::Impl::Pack() {
    Status status = FlushRow();
    ClearRow();
    uint32_t deleted = 0;
    if (status.ok()) status = CountDeleted(deleted);
    ClearRow();
    if (!status.ok() || deleted == 0) return status;
    if (!write_refusal_.ok()) {
        return Status::PermissionDenied(
            Message(BREVANTA_TEXT("Store", "%1: cannot pack: %2"), {path_, write_refusal_.text()}));
    }

    const uint32_t live_rows = count_ - deleted;
    std::string header = header_bytes_;
    PatchHeader(header.data(), live_rows, clock_);
    std::unique_ptr<File> packed;
    WholeFileOptions options;
    options.keep_open = &packed;
    Status table_failure;  // reading the rows or locking, worded already
    status = WriteWholeFile(
        fs_, path_,
        [&](FileWriter& out) {
            table_failure = WritePacked(out, header);
            return table_failure;
        },
        options);
    ClearRow();
    block_rows_ = 0;
    if (packed) {  // the packed table holds the table's name now
        file_ = std::move(packed);
        count_ = live_rows;
        header_bytes_ = std::move(header);
        modified_ = false;
    }
    if (!table_failure.ok()) return table_failure;
    return status.ok() ? status : IoFailure(BREVANTA_TEXT("Store", "cannot pack"), status);
}

Status Table::Impl::SetDeletionFlag(char flag) {
    if (Status status = CheckRow(); !status.ok()) return status;
    record_[0] = flag;
    MarkChanged();
    return Status::Ok();
}

Status Table::Impl::Blank() {
    if (Status status = CheckRow(); !status.ok()) return status;
    std::fill(record_.begin() + 1, record_.end(), ' ');
    MarkChanged();
    return Status::Ok();
}

Status Table::Impl::AssignField(int field, std::string_view text, bool right_aligned) {
    assert(field >= 0 && static_cast<size_t>(field) < fields_.size());
    if (Status status = CheckRow(); !status.ok()) return status;
    char* start = record_.data() + OffsetOf(field);
    const size_t width = static_cast<size_t>(fields_[static_cast<size_t>(field)].width);
    assert(text.size() <= width);
    const size_t padding = width - text.size();
    char* text_start = right_aligned ? start + padding : start;
    std::fill(start, start + width, ' ');
    std::copy(text.begin(), text.end(), text_start);
    MarkChanged();
    return Status::Ok();
}

Status Table::Impl::LockAll() {
    if (Status status = file_->Lock(LockKind::Exclusive); !status.ok())
        return IoFailure(BREVANTA_TEXT("Store", "cannot lock"), status);
    locked_ = true;
    return Status::Ok();
}

// One sync for everything the operation wrote.
Status Table::Impl::Close() {
    if (batch_start_) return DiscardAppends();
    Status status = FlushRow();
    if (modified_ && status.ok()) status = WriteHeaderCountAndDate();
    if (modified_ && status.ok()) status = Sync();
    return status;
}

Table::Table(const Clock* clock) : clock_(clock) {}

Table::~Table() { Close(); }

Status Table::Create(const std::string& path, const std::vector<FieldSpec>& fields,
                     const Clock* clock) {
    if (Message problem = LayoutProblem(fields); !problem.empty())
        return Status::InvalidArgument(
            Message(BREVANTA_TEXT("Store", "%1: %2."), {path, std::move(problem)}));
    for (const FieldSpec& field : fields) {
        if (field.name.size() > kMaxFieldNameLength)
            return Status::InvalidArgument(Message(
                BREVANTA_TEXT("Store", "%1: field name %2 is too long."), {path, field.name}));
    }
    FileSystem& fs = FileSystem::Default();
    if (FileInfo existing; fs.Info(path, &existing).ok())
        return Status::IoError(
            Message(BREVANTA_TEXT("Store", "%1: the file already exists."), {path}));
    const std::string header = NewHeader(fields, ClockOrSystem(clock));
    WholeFileOptions options;
    options.replace = false;
    const Status status = WriteWholeFile(
        fs, path,
        [&header](FileWriter& out) {
            out.Add(header);
            out.Add({&kEndOfFile, 1});
            return Status::Ok();
        },
        options);
    return status.ok() ? status
                       : Status::IoError(Message(BREVANTA_TEXT("Store", "%1: cannot create: %2"),
                                                 {path, status.text()}));
}

Status Table::Open(const std::string& path, Mode mode, FileSystem& fs) {
    Close();
    // Asked before opening, so that a named pipe or a device in place of a table is never opened.
    FileInfo info;
    Status status = fs.Info(path, &info);
    if (status.ok() && info.kind != FileInfo::Kind::Regular)
        return Status::IoError(
            Message(BREVANTA_TEXT("Store", "%1: cannot open: not a regular file"), {path}));
    std::unique_ptr<File> file;
    Status write_refusal =
        mode == Mode::ReadOnly
            ? Status::PermissionDenied(BREVANTA_TEXT("Store", "the table is open for reading only"))
            : Status::Ok();
    if (status.ok() && mode == Mode::ReadWrite) {
        status = fs.Open(path, OpenMode::ReadWrite, &file);
        // A table that may not be written is still read; its writes say why not.
        if (status.IsPermissionDenied()) {
            write_refusal = status;
            status = Status::Ok();
        }
    }
    if (status.ok() && !file) status = fs.Open(path, OpenMode::Read, &file);
    if (!status.ok()) {
        const Message message =
            Message(BREVANTA_TEXT("Store", "%1: cannot open: %2"), {path, status.text()});
        return status.IsNotFound() ? Status::NotFound(message) : Status::IoError(message);
    }
    auto impl = std::make_unique<Impl>(ClockOrSystem(clock_), fs, std::move(file), path,
                                       std::move(write_refusal));
    if (Status read = impl->ReadHeader(); !read.ok()) return read;
    impl_ = std::move(impl);
    return Status::Ok();
}

bool Table::is_open() const { return impl_ != nullptr; }

const std::vector<FieldSpec>& Table::fields() const {
    static const std::vector<FieldSpec> none;
    return impl_ ? impl_->fields() : none;
}

FieldHandle Table::Field(std::string_view name) const {
    const std::vector<FieldSpec>& all = fields();
    for (size_t i = 0; i < all.size(); ++i) {
        if (SameName(all[i].name, name)) return FieldHandle(static_cast<int>(i));
    }
    return FieldHandle();
}

Status Table::Pack() { return impl_ ? impl_->Pack() : NotOpen(); }
Status Table::Top() { return impl_ ? impl_->Top() : NotOpen(); }
Status Table::Skip() { return impl_ ? impl_->Skip() : NotOpen(); }
Status Table::Go(int32_t record) { return impl_ ? impl_->Go(int64_t{record} - 1) : NotOpen(); }
Status Table::Flush() { return impl_ ? impl_->Flush() : NotOpen(); }
bool Table::Eof() const { return !impl_ || impl_->eof(); }
int32_t Table::RecordCount() const { return impl_ ? impl_->count() : 0; }
bool Table::Deleted() const { return impl_ && impl_->Deleted(); }

Status Table::AppendStart() { return impl_ ? impl_->AppendStart() : NotOpen(); }
Status Table::Append() { return impl_ ? impl_->Append() : NotOpen(); }
Status Table::BeginAppends() {
    if (!impl_) return NotOpen();
    impl_->BeginAppends();
    return Status::Ok();
}
Status Table::CommitAppends() { return impl_ ? impl_->CommitAppends() : NotOpen(); }
Status Table::DiscardAppends() { return impl_ ? impl_->DiscardAppends() : NotOpen(); }
Status Table::LockAll() { return impl_ ? impl_->LockAll() : NotOpen(); }
Status Table::Recall() { return impl_ ? impl_->SetDeletionFlag(kLiveFlag) : NotOpen(); }
Status Table::Delete() { return impl_ ? impl_->SetDeletionFlag(kDeletedFlag) : NotOpen(); }
Status Table::Blank() { return impl_ ? impl_->Blank() : NotOpen(); }

std::string Table::FieldText(FieldHandle field) const { return std::string(FieldView(field)); }

std::string_view Table::FieldView(FieldHandle field) const {
    if (!impl_ || !impl_->IsField(field)) return {};
    return impl_->FieldBytes(field.index());
}

Status Table::AssignText(FieldHandle field, std::string_view text) {
    if (!impl_) return NotOpen();
    if (!impl_->IsField(field))
        return Status::InvalidArgument(BREVANTA_TEXT("Store", "Unknown field."));
    const size_t width = static_cast<size_t>(impl_->fields()[field.index()].width);
    return impl_->AssignField(field.index(), text.substr(0, width), false);
}

template <typename Format>
Status Table::AssignNumeric(FieldHandle field, const std::string& shown, Format format) {
    if (!impl_) return NotOpen();
    if (!impl_->IsField(field))
        return Status::InvalidArgument(BREVANTA_TEXT("Store", "Unknown field."));
    const FieldSpec& field_spec = impl_->fields()[field.index()];
    if (field_spec.kind == FieldKind::Date)
        return Status::InvalidArgument(Message(
            BREVANTA_TEXT("Store", "A number cannot go into date field %1."), {field_spec.name}));
    std::optional<std::string> text = format(field_spec.width, field_spec.decimals);
    if (!text) {
        return Status::InvalidArgument(
            Message(BREVANTA_TEXT("Store", "The number %1 does not fit field %2."),
                    {shown, field_spec.name}));
    }
    return impl_->AssignField(field.index(), *text, true);
}

Status Table::AssignNumber(FieldHandle field, double value) {
    char shown[32];
    std::snprintf(shown, sizeof shown, "%.15g", value);
    return AssignNumeric(
        field, shown, [&](int width, int decimals) { return NumberText(value, width, decimals); });
}

Status Table::AssignInteger(FieldHandle field, int64_t value) {
    return AssignNumeric(field, std::to_string(value), [&](int width, int decimals) {
        return IntegerText(value, width, decimals);
    });
}

Status Table::Close() {
    if (!impl_) return NotOpen();
    Status status = impl_->Close();
    impl_.reset();
    return status;
}

}  // namespace brevanta
