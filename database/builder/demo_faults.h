#pragma once

#include "demo_data.h"

#include <string>
#include <vector>

namespace vexo::demo {

// A deliberate error in the demo data, there for the control conditions to
// find. `caughtBy` lists every control condition that reports it, for the
// table, institution, period and year given.
struct DemoFault {
    int table;
    std::string lpu;
    std::string period;
    int year;
    std::vector<std::string> caughtBy;
    std::string what;
};

const std::vector<DemoFault>& demoFaults();

// Puts the errors into otherwise consistent data.
void applyDemoFaults(DemoData& data);

}  // namespace vexo::demo
