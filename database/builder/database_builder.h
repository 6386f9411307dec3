#pragma once

#include "build_options.h"

#include <ostream>
#include <stdexcept>

namespace vexo::builder {

// The output file exists and --force was not given; nothing was touched.
class OutputExists : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Builds the database described by the options. The file is made under a
// temporary name in the output's folder and renamed at the end, so a failed
// build leaves neither a half-built file nor the temporary one. The embedded
// engine must already point at a private root (prepareEmbeddedEngine).
// Progress goes to `log`; failures are thrown.
void buildDatabase(const BuildOptions& options, std::ostream& log, bool progressOnOneLine);

}  // namespace vexo::builder
