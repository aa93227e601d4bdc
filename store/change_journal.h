#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/file_system.h"
#include "core/status.h"

namespace brevanta {

// The rollback journal of a data directory: while a change of several tables is being written
// into them, the journal holds what it replaces, so that a change cut short by a crash or a
// failing disk is undone by the next process that takes the directory lock. Its byte layout is
// in doc/table_format.md.

// The journal's name in the data directory.
inline constexpr char kJournalFile[] = ".brevanta-journal";

// One file as it was before the change.
struct JournaledFile {
    std::string name;  // within the data directory
    // Its size before the change; nullopt when it did not exist (rolling back removes it).
    std::optional<uint64_t> original_size;
    struct Region {
        uint64_t offset;
        std::string bytes;  // as they were before the change
    };
    std::vector<Region> regions;
};

struct Journal {
    std::string operation;  // what the change was doing, for messages: "moving an investment"
    std::vector<JournaledFile> files;
};

std::string EncodeJournal(const Journal& journal);
// nullopt when the bytes are not a whole journal (one cut short while it was written, which
// means no table had been touched yet).
std::optional<Journal> DecodeJournal(const std::string& bytes);

// Writes the journal into `directory`, synced with its directory entry. Fails, writing
// nothing, when a journal is there already.
Status WriteJournal(FileSystem& fs, const std::string& directory, const Journal& journal);

// Puts every journaled file of `directory` back as it was, syncs it, and removes the journal.
Status RollBack(FileSystem& fs, const std::string& directory, const Journal& journal);

// Rolls back the change a journal in `directory` describes, if there is one; a journal cut
// short is only removed. `may_write` false: a journal there is refused (the files may not be
// written to undo it), with a message naming the unfinished change, and nothing is touched.
// REQUIRES: the directory lock, held exclusively.
Status RollBackInterruptedChange(FileSystem& fs, const std::string& directory, bool may_write);

// Whether `directory` holds a journal.
bool HoldsJournal(FileSystem& fs, const std::string& directory);

}  // namespace brevanta
