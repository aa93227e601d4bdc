#include "store/directory_claim.h"

#include <cstring>
#include <thread>

namespace brevanta {

namespace {

constexpr char kApplicationMark[] = "application\n";
constexpr char kCommandLineMark[] = "brevanta-cli\n";
constexpr std::chrono::milliseconds kRetryEvery{50};

bool HeldByApplication(File& file) {
    char mark[sizeof kApplicationMark] = {};
    size_t read = 0;
    return file.ReadAt(0, mark, sizeof mark - 1, &read).ok() &&
           std::strcmp(mark, kApplicationMark) == 0;
}

// The lock is the claim; the mark only words the refusals others get, so a mark that could
// not be written changes nothing.
void Mark(File& file, const char* mark) {
    if (file.Truncate(0).ok()) file.WriteAt(0, mark);
}

}  // namespace

Status DirectoryClaim::Take(const std::string& directory, Claimant claimant,
                            std::chrono::milliseconds patience,
                            std::unique_ptr<DirectoryClaim>& claim) {
    const std::string path = directory + "/" + kClaimFile;
    std::unique_ptr<File> file;
    Status status = FileSystem::Default().Open(path, OpenMode::Create, &file);
    if (status.IsPermissionDenied()) {
        claim.reset(new DirectoryClaim(nullptr));
        return Status::Ok();
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (status.ok()) {
        bool taken = false;
        status = file->TryLock(LockKind::Exclusive, &taken);
        if (!status.ok() || taken) break;
        const bool application = HeldByApplication(*file);
        if (application || std::chrono::steady_clock::now() >= deadline) {
            if (application) {
                return Status::InvalidArgument(directory + " is open in Brevanta; close it first.");
            }
            return Status::InvalidArgument(
                directory + " is being changed by brevanta-cli; try again when it has finished.");
        }
        std::this_thread::sleep_for(kRetryEvery);
    }
    if (!status.ok()) return Status::IoError(directory + ": cannot claim: " + status.message());
    Mark(*file, claimant == Claimant::Application ? kApplicationMark : kCommandLineMark);
    claim.reset(new DirectoryClaim(std::move(file)));
    return Status::Ok();
}

DirectoryClaim::DirectoryClaim(std::unique_ptr<File> file) : file_(std::move(file)) {}

DirectoryClaim::~DirectoryClaim() = default;  // closing the file releases the lock

}  // namespace brevanta
