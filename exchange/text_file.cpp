#include "exchange/text_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace brevanta {

namespace {

constexpr const char* kWriteFailed = "the data could not be written";

Status WriteFailure(std::string_view destination, const std::string& reason) {
    return Status::IoError("Could not write " + std::string(destination) + ": " + reason);
}

// The system's reason for the last failed call, when it left one.
std::string SystemReason(const std::string& fallback) {
    return errno != 0 ? std::string(std::strerror(errno)) : fallback;
}

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
    std::filesystem::path temporary = path;
    temporary += ".part";
    errno = 0;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return WriteFailure(path.string(), SystemReason("the file cannot be created"));

    errno = 0;
    Status written = write(out);
    if (written.ok()) {
        out.close();
        if (!out) written = Status::IoError(kWriteFailed);
    }
    if (!written.ok()) {
        const std::string reason = SystemReason(written.message());
        out.close();
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return WriteFailure(path.string(), reason);
    }

    std::error_code renamed;
    std::filesystem::rename(temporary, path, renamed);
    if (renamed) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return WriteFailure(path.string(), renamed.message());
    }
    return Status::Ok();
}

}  // namespace brevanta
