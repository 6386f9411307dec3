#pragma once

#include <fstream>
#include <unistd.h>

namespace vexo::test {

// Resident size of this process in KB (the embedded engine lives in it too).
inline long residentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace vexo::test
