#include "store/directory_claim.h"

#include <cstring>
#include <thread>

namespace brevanta {

namespace {

constexpr char kApplicationMark[] = "application\n";
constexpr char kCommandLineMark[] = "brevanta-cli\n";
constexpr std::chrono::milliseconds kRetryEvery{50};

std::string MarkOf(File& file) {
    char mark[sizeof kCommandLineMark] = {};
    size_t read = 0;
    if (!file.ReadAt(0, mark, sizeof mark - 1, &read).ok()) return {};
    return mark;
}

// The lock is the claim; the mark only words the refusals others get, so it needs no sync.
bool Mark(File& file, const char* mark) {
    return file.Truncate(0).ok() && file.WriteAt(0, mark).ok();
}

// The claim file, for writing when it may be, else for reading: an flock takes either.
Status OpenClaimFile(const std::string& path, std::unique_ptr<File>* file, bool* writable) {
    FileSystem& fs = FileSystem::Default();
    Status status = fs.Open(path, OpenMode::Create, file);
    *writable = status.ok();
    if (!status.ok()) status = fs.Open(path, OpenMode::Read, file);
    return status;
}

}  // namespace

Status DirectoryClaim::Take(const std::string& directory, Claimant claimant,
                            std::chrono::milliseconds patience,
                            std::unique_ptr<DirectoryClaim>& claim) {
    const std::string path = directory + "/" + kClaimFile;
    std::unique_ptr<File> file;
    bool writable = false;
    Status status = OpenClaimFile(path, &file, &writable);
    if (!status.ok()) {
        return Status::PermissionDenied(Message(
            BREVANTA_TEXT("Store",
                          "Cannot tell whether another Brevanta program has %1 open (%2: %3)."),
            {directory, std::string(kClaimFile), status.text()}));
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (true) {
        bool taken = false;
        status = file->TryLock(LockKind::Exclusive, &taken);
        if (!status.ok())
            return Status::IoError(Message(BREVANTA_TEXT("Store", "%1: cannot claim: %2"),
                                           {directory, status.text()}));
        if (taken) break;
        const std::string mark = MarkOf(*file);
        if (mark == kApplicationMark) {
            return Status::InvalidArgument(Message(
                BREVANTA_TEXT("Store", "%1 is open in Brevanta; close it first."), {directory}));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            if (mark == kCommandLineMark) {
                return Status::InvalidArgument(Message(
                    BREVANTA_TEXT(
                        "Store",
                        "%1 is being changed by brevanta-cli; try again when it has finished."),
                    {directory}));
            }
            return Status::InvalidArgument(Message(
                BREVANTA_TEXT(
                    "Store",
                    "%1 is in use by another Brevanta program; try again when it has finished."),
                {directory}));
        }
        std::this_thread::sleep_for(kRetryEvery);
    }
    const bool marked =
        writable &&
        Mark(*file, claimant == Claimant::Application ? kApplicationMark : kCommandLineMark);
    claim.reset(new DirectoryClaim(std::move(file), marked));
    return Status::Ok();
}

DirectoryClaim::DirectoryClaim(std::unique_ptr<File> file, bool marked)
    : file_(std::move(file)), marked_(marked) {}

DirectoryClaim::~DirectoryClaim() = default;  // closing the file releases the lock

}  // namespace brevanta
