#pragma once

#include <filesystem>
#include <functional>
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

// Calls write on out; a failure reads "Could not write <destination>: <reason>".
Status WriteToStream(std::ostream& out, std::string_view destination,
                     const std::function<Status(std::ostream&)>& write);

}  // namespace brevanta
