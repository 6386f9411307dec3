#pragma once

#include <filesystem>
#include <string>

namespace vexo::fb {

// The embedded engine reads its configuration from the folder named by the
// FIREBIRD environment variable. We give it a private one, so that it loads
// VexoUdf from a folder of ours and leaves the machine's /etc/firebird alone.
struct EmbeddedEngineSetup {
    std::filesystem::path root;    // private Firebird root (firebird.conf, intl/)
    std::filesystem::path udfDir;  // the only folder UDF modules are loaded from
};

// Writes <root>/firebird.conf and the character-set module, then points
// FIREBIRD at root. Must run before the first call into the client library;
// the engine reads it once, so later calls change nothing and return false.
bool prepareEmbeddedEngine(const EmbeddedEngineSetup& setup);

// The text of the private firebird.conf.
std::string embeddedEngineConfig(const std::filesystem::path& udfDir);

// A database name that goes to a server rather than to the embedded engine:
// "host:path", "host/port:path", "inet://...". Local files are absolute POSIX
// paths or relative paths without a colon.
bool isServerPath(const std::string& database);

}  // namespace vexo::fb
