#include "core/text_file.h"

#include <istream>
#include <memory>
#include <streambuf>
#include <vector>

#include "core/whole_file.h"

namespace brevanta {

namespace {

constexpr UserText kWriteFailed = BREVANTA_TEXT("Core", "the data could not be written");

Status WriteFailure(std::string_view destination, const Message& reason) {
    return Status::IoError(Message(BREVANTA_TEXT("Core", "Could not write %1: %2"),
                                   {std::string(destination), reason}));
}

// A stream's bytes handed to a FileWriter; the stream fails once the writer has failed.
class FileWriterBuffer : public std::streambuf {
  public:
    explicit FileWriterBuffer(FileWriter& writer) : writer_(writer) {}

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        writer_.Add(std::string_view(&byte, 1));
        return writer_.status().ok() ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* data, std::streamsize size) override {
        writer_.Add(std::string_view(data, static_cast<size_t>(size)));
        return writer_.status().ok() ? size : 0;
    }
    int sync() override { return writer_.Flush().ok() ? 0 : -1; }

  private:
    FileWriter& writer_;
};

// A file's bytes for a stream, read a piece at a time. A failed read throws, which the
// stream's reads catch and turn into badbit; nothing else sees the exception.
class FileReaderBuffer : public std::streambuf {
  public:
    explicit FileReaderBuffer(File& file) : file_(file), piece_(kPieceBytes) {}

  protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        size_t read = 0;
        if (!file_.ReadAt(offset_, piece_.data(), piece_.size(), &read).ok()) throw ReadFailed();
        offset_ += read;
        setg(piece_.data(), piece_.data(), piece_.data() + read);
        return read == 0 ? traits_type::eof() : traits_type::to_int_type(piece_[0]);
    }

  private:
    struct ReadFailed {};
    static constexpr size_t kPieceBytes = 1 << 16;

    File& file_;
    std::vector<char> piece_;
    uint64_t offset_ = 0;
};

}  // namespace

Status ReadFile(const std::filesystem::path& path, const std::function<Status(std::istream&)>& read,
                bool* opened) {
    std::unique_ptr<File> file;
    const Status status = OpenRegularFile(FileSystem::Default(), path.string(), &file);
    if (opened) *opened = status.ok();
    if (!status.ok()) {
        return Status::IoError(Message(BREVANTA_TEXT("Core", "Could not read %1: %2"),
                                       {path.string(), status.text()}));
    }
    FileReaderBuffer buffer(*file);
    std::istream in(&buffer);
    return read(in);
}

Status WriteLines(const std::vector<std::string>& lines, std::ostream& out) {
    for (const std::string& line : lines) {
        out << line << "\r\n";
        if (!out) break;
    }
    out.flush();
    return out ? Status::Ok() : Status::IoError(kWriteFailed);
}

Status WriteToStream(std::ostream& out, std::string_view destination,
                     const std::function<Status(std::ostream&)>& write) {
    const Status written = write(out);
    return written.ok() ? written : WriteFailure(destination, written.text());
}

Status ReplaceFile(const std::filesystem::path& path,
                   const std::function<Status(std::ostream&)>& write) {
    const Status written =
        WriteWholeFile(FileSystem::Default(), path.string(), [&write](FileWriter& writer) {
            FileWriterBuffer buffer(writer);
            std::ostream out(&buffer);
            return write(out);
        });
    return written.ok() ? written : WriteFailure(path.string(), written.text());
}

}  // namespace brevanta
