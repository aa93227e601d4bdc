#include "core/file_system.h"

namespace brevanta {

namespace {

FileSystem* current = nullptr;  // null: the operating system's

}  // namespace

FileSystem& FileSystem::Default() { return current ? *current : Posix(); }

ScopedFileSystem::ScopedFileSystem(FileSystem& fs) : previous_(current) { current = &fs; }

ScopedFileSystem::~ScopedFileSystem() { current = previous_; }

}  // namespace brevanta
