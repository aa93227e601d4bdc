#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "store/temp_dir.h"

namespace brevanta::testing {

struct CliRun {
    int exit_code = -1;
    std::string out;
    std::string err;
};

// Runs brevanta-cli with `arguments` in `directory`, as a user runs it in a data directory.
inline CliRun RunCli(const std::string& directory, const std::string& arguments) {
    const std::string out = directory + "/.cli-out";
    const std::string err = directory + "/.cli-err";
    const std::string command = "cd " + directory + " && " + BREVANTA_CLI_PATH + " " + arguments +
                                " > " + out + " 2> " + err;
    const int status = std::system(command.c_str());
    CliRun run;
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadBytes(out);
    run.err = ReadBytes(err);
    std::remove(out.c_str());
    std::remove(err.c_str());
    return run;
}

}  // namespace brevanta::testing
