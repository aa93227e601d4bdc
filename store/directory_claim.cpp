#include "store/directory_claim.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

namespace brevanta {

namespace {

constexpr char kApplicationMark[] = "application\n";
constexpr char kCommandLineMark[] = "brevanta-cli\n";
constexpr std::chrono::milliseconds kRetryEvery{50};

bool HeldByApplication(int fd) {
    char mark[sizeof kApplicationMark] = {};
    const ssize_t read = pread(fd, mark, sizeof mark - 1, 0);
    return read > 0 && std::strcmp(mark, kApplicationMark) == 0;
}

// The lock is the claim; the mark only words the refusals others get, so a mark that could
// not be written changes nothing.
void Mark(int fd, const char* mark) {
    if (ftruncate(fd, 0) != 0) return;
    const ssize_t written = pwrite(fd, mark, std::strlen(mark), 0);
    static_cast<void>(written);
}

}  // namespace

Status DirectoryClaim::Take(const std::string& directory, Claimant claimant,
                            std::chrono::milliseconds patience,
                            std::unique_ptr<DirectoryClaim>& claim) {
    const std::string path = directory + "/" + kClaimFile;
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        if (errno != EROFS && errno != EACCES) {
            return Status::IoError(directory + ": cannot claim: " + std::strerror(errno));
        }
        claim.reset(new DirectoryClaim(-1));
        return Status::Ok();
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            const Status failure =
                Status::IoError(directory + ": cannot claim: " + std::strerror(errno));
            close(fd);
            return failure;
        }
        const bool application = HeldByApplication(fd);
        if (application || std::chrono::steady_clock::now() >= deadline) {
            close(fd);
            if (application) {
                return Status::InvalidArgument(directory + " is open in Brevanta; close it first.");
            }
            return Status::InvalidArgument(
                directory + " is being changed by brevanta-cli; try again when it has finished.");
        }
        std::this_thread::sleep_for(kRetryEvery);
    }
    Mark(fd, claimant == Claimant::Application ? kApplicationMark : kCommandLineMark);
    claim.reset(new DirectoryClaim(fd));
    return Status::Ok();
}

DirectoryClaim::~DirectoryClaim() {
    if (fd_ >= 0) close(fd_);  // also releases the lock
}

}  // namespace brevanta
