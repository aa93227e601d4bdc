#pragma once

#include <filesystem>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"

namespace brevanta {

// Writes each line followed by CR LF. IoError when the stream fails on the way.
Status WriteLines(const std::vector<std::string>& lines, std::ostream& out);

// Calls write on a stream into a temporary file beside path and puts that file in place of
// any file at path only when write succeeded and every byte reached the disk (WriteWholeFile);
// otherwise the temporary file is removed and path is left as it was. A symbolic link at path
// is kept and its target replaced; a named pipe or a device is written through; a directory is
// refused. A failure reads "Could not write <path>: <reason>".
Status ReplaceFile(const std::filesystem::path& path,
                   const std::function<Status(std::ostream&)>& write);

// Calls read on a stream that reads the regular file at path a piece at a time, and returns
// what read returns. When path cannot be opened, or leads to anything but a regular file (a
// named pipe or a device could block or never end), read is not called and the failure reads
// "Could not read <path>: <reason>"; *opened (when given) tells which happened. A failure to
// read on the way sets the stream's badbit.
Status ReadFile(const std::filesystem::path& path, const std::function<Status(std::istream&)>& read,
                bool* opened = nullptr);

// Calls write on out; a failure reads "Could not write <destination>: <reason>".
Status WriteToStream(std::ostream& out, std::string_view destination,
                     const std::function<Status(std::ostream&)>& write);

}  // namespace brevanta
