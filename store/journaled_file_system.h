#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "core/file_system.h"

namespace brevanta {

// The file system through which a data store reaches its tables. Outside a change it passes
// everything to FileSystem::Default(). Between Begin and Commit, every write to a file opened
// through it is kept in memory, and reads through it see those writes; Commit then makes them
// take effect all or none:
//   1. the rollback journal (store/change_journal.h) receives the original bytes of every
//      region about to change and each file's original size, and is synced with its
//      directory entry;
//   2. the writes go into the files, each synced;
//   3. the journal is removed: from here on the change stands.
// A failure at 2 or 3 rolls the files back at once; a process killed before 3 leaves the
// journal, from which the next holder of the directory lock rolls them back. Files are only
// ever written in place, so a table reached through a symbolic link stays a link, and every
// table keeps its mode and owner.
//
// REQUIRES: the caller holds the directory lock exclusively from Begin until Commit or
// Discard returns, and renames nothing through it meanwhile (a pack waits until the change
// has taken effect). Opening and reading are safe from several threads at once.
class JournaledFileSystem final : public FileSystem {
  public:
    explicit JournaledFileSystem(std::string directory);
    ~JournaledFileSystem() override;
    JournaledFileSystem(const JournaledFileSystem&) = delete;
    JournaledFileSystem& operator=(const JournaledFileSystem&) = delete;

    // Starts keeping writes. `operation` says what the change does, for the message a reader
    // gets if it is cut short ("moving an investment"). REQUIRES: no change begun.
    void Begin(std::string operation);
    bool changing() const { return changing_; }
    // Whether a file has been written since Begin.
    bool Changed(const std::string& path) const;
    // Makes every write since Begin take effect, or none of them; ends the change either way.
    // *took_effect says which: a failure after the change took effect (its last sync) is
    // still reported, as the change may not survive a power loss.
    Status Commit(bool* took_effect);
    // Drops every write since Begin; nothing was written to any file.
    void Discard();

    Status Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* file) override;
    Status Info(const std::string& path, FileInfo* info) override;
    Status ResolveLink(const std::string& path, std::string* target) override;
    Status Rename(const std::string& from, const std::string& to) override;
    Status Link(const std::string& from, const std::string& to) override;
    Status Remove(const std::string& path) override;
    Status CreateDirectory(const std::string& path) override;
    Status RemoveDirectory(const std::string& path) override;
    Status List(const std::string& directory, std::vector<std::string>* names) override;
    Status SyncDirectory(const std::string& directory) override;

    struct PendingFile;

  private:
    Status RefuseWithinChange(UserText what) const;

    std::string directory_;
    std::string operation_;
    bool changing_ = false;
    mutable std::mutex mutex_;
    std::map<std::string, std::shared_ptr<PendingFile>> pending_;  // by path
};

}  // namespace brevanta
