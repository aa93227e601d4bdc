#pragma once

#include <filesystem>

#include "ui/platform/platform.h"

namespace brevanta {

// The data directory the application opens: the one named on the command line, byte for byte
// whatever the encoding of its name, else the one opened last time, else (the very first run)
// the per-user data location, created with empty tables (a failure is shown on platform).
// REQUIRES: argv as QApplication left it, its own options taken out.
std::filesystem::path StartingDirectory(int argc, char** argv, Platform& platform);

// Keeps the directory, byte for byte, for StartingDirectory at the next start.
void RememberDataDirectory(const std::filesystem::path& directory);

}  // namespace brevanta
