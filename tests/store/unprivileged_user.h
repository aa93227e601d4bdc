#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace brevanta::testing {

// Runs `check` in a child process as an unprivileged user, since root may write any file, and
// returns whether it held there.
inline bool HoldsForAnUnprivilegedUser(const std::function<bool()>& check) {
    const pid_t child = fork();
    if (child == 0) {
        if (getuid() == 0 && setuid(65534) != 0) _exit(2);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace brevanta::testing
