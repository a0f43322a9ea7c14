#pragma once

#include "TempDir.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace birch::test {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `program` with `args` (each quoted for the shell), capturing both streams.
inline CliResult runProgram(const std::string& program, const std::vector<std::string>& args)
{
    TempDir dir;
    std::string command = program;
    for (const auto& arg : args) {
        std::string quoted = "'";
        for (const char c : arg)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += " " + quoted + "'";
    }
    command += " >'" + (dir / "out").string() + "' 2>'" + (dir / "err").string() + "'";
    const int status = std::system(command.c_str());
    CliResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readAll(dir / "out");
    result.err = readAll(dir / "err");
    return result;
}

inline CliResult runCli(const std::vector<std::string>& args)
{
    return runProgram(BIRCH_CLI, args);
}

} // namespace birch::test
