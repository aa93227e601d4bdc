#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>

namespace brevanta::testing {

// Runs a shell command and returns what it printed on both streams; `exit_code` receives
// its exit code (-1 when it did not exit normally).
inline std::string RunCommand(const std::string& command, int& exit_code) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>&1").c_str(), "r"), pclose);
    std::string output;
    exit_code = -1;
    if (!pipe) return output;
    std::array<char, 4096> buffer;
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0)
        output.append(buffer.data(), n);
    const int status = pclose(pipe.release());
    if (WIFEXITED(status)) exit_code = WEXITSTATUS(status);
    return output;
}

}  // namespace brevanta::testing
