#include "store/data_directory_opening.h"

#include "core/file_system.h"
#include "store/change_journal.h"
#include "store/data_directory.h"
#include "store/directory_lock.h"

namespace brevanta {

namespace {

// Tables left half made by a crash of `init`, `demo` or "Create it?" are taken away before
// anyone looks for tables; a change of rows waits for the store's own load.
Status UndoInterruptedCreation(const std::string& directory, bool may_write) {
    FileSystem& fs = FileSystem::Default();
    if (!HoldsJournal(fs, directory)) return Status::Ok();
    DirectoryLock lock(directory);
    const DirectoryLock::Hold hold(lock, DirectoryLock::Kind::Exclusive);
    if (!hold.status().ok()) return hold.status();
    return RollBackInterruptedChange(fs, directory, may_write);
}

Status Open(const OpeningRequest& request, OpenedDirectory* opened, OpeningStage& stage) {
    using Purpose = OpeningRequest::Purpose;
    const std::string& directory = request.directory;
    OpenedDirectory result;
    DataStore::Access access = request.purpose == Purpose::Read ? DataStore::Access::ReadOnly
                                                                : DataStore::Access::ReadWrite;
    if (FileInfo info; FileSystem::Default().Info(directory, &info).ok()) {
        const Status undone =
            UndoInterruptedCreation(directory, access == DataStore::Access::ReadWrite);
        if (!undone.ok()) return undone;
    }
    if (!HoldsAnyTable(directory)) {
        if (!request.create_tables || !request.create_tables()) {
            return Status::NotFound(
                Message(BREVANTA_TEXT("Store", "%1 holds no Brevanta tables."), {directory}));
        }
        if (Status created = InstallDataDirectory(directory); !created.ok()) return created;
    }
    stage = OpeningStage::Claim;
    if (request.purpose != Purpose::Read) {
        const DirectoryClaim::Claimant claimant = request.purpose == Purpose::Application
                                                      ? DirectoryClaim::Claimant::Application
                                                      : DirectoryClaim::Claimant::CommandLine;
        const Status claimed =
            DirectoryClaim::Take(directory, claimant, request.patience, result.claim);
        const bool application = request.purpose == Purpose::Application;
        if (!claimed.ok() && !(application && claimed.IsPermissionDenied())) return claimed;
        if (!claimed.ok() || !result.claim->marked()) {
            if (!application) {
                return Status::PermissionDenied(
                    claimed.ok() ? Message(BREVANTA_TEXT("Store",
                                                         "Cannot mark %1 as in use (%2 may not be "
                                                         "written); nothing was changed."),
                                           {directory, std::string(kClaimFile)})
                                 : claimed.text());
            }
            result.read_only_reason =
                claimed.ok()
                    ? Message(
                          BREVANTA_TEXT(
                              "Store",
                              "Brevanta cannot mark %1 as in use, so it is open for reading only."),
                          {directory})
                    : claimed.text();
            access = DataStore::Access::ReadOnly;
        }
    }
    stage = OpeningStage::Load;
    if (Status loaded = DataStore::Open(directory, access, &result.store); !loaded.ok())
        return loaded;
    stage = OpeningStage::Done;
    *opened = std::move(result);
    return Status::Ok();
}

}  // namespace

Status OpenDataDirectory(const OpeningRequest& request, OpenedDirectory* opened,
                         OpeningStage* stage) {
    OpeningStage reached = OpeningStage::Tables;
    const Status status = Open(request, opened, reached);
    if (stage) *stage = reached;
    return status;
}

}  // namespace brevanta
