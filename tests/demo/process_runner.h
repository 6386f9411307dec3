#pragma once

#include <string>
#include <vector>

namespace vexo::test {

struct ProcessResult {
    int exitCode = -1;   // -1 when the program could not be started or was killed
    std::string output;  // standard output and standard error together
};

// Runs a program (searched in PATH when the name has no slash) with the
// environment of this process and waits for it.
ProcessResult runProcess(const std::vector<std::string>& argv);

}  // namespace vexo::test
