#include "core/text_file.h"

#include <streambuf>

#include "core/whole_file.h"

namespace brevanta {

namespace {

constexpr const char* kWriteFailed = "the data could not be written";

Status WriteFailure(std::string_view destination, const std::string& reason) {
    return Status::IoError("Could not write " + std::string(destination) + ": " + reason);
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

}  // namespace

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
    return written.ok() ? written : WriteFailure(destination, written.message());
}

Status ReplaceFile(const std::filesystem::path& path,
                   const std::function<Status(std::ostream&)>& write) {
    const Status written =
        WriteWholeFile(FileSystem::Default(), path.string(), [&write](FileWriter& writer) {
            FileWriterBuffer buffer(writer);
            std::ostream out(&buffer);
            return write(out);
        });
    return written.ok() ? written : WriteFailure(path.string(), written.message());
}

}  // namespace brevanta
