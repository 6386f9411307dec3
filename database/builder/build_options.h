#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vexo::builder {

struct BuildOptions {
    std::filesystem::path output;  // the database file to make
    std::filesystem::path source;  // the database/ folder with the scripts
    std::filesystem::path udfDir;  // where VexoUdf is: procedures that call it compile only when it loads
    bool schemaOnly = false;       // schema scripts only: no demo content, no data
    bool force = false;            // replace an existing output file
};

// Reads "vexo_mkdb <output.gdb> [--schema-only] [--force] [--source <dir>] [--udf-dir <dir>]".
// On a mistake returns nothing and puts the reason into `error`.
std::optional<BuildOptions> parseBuildOptions(const std::vector<std::string>& args,
                                              const std::filesystem::path& defaultSource,
                                              const std::filesystem::path& defaultUdfDir, std::string& error);

std::string usageText();

}  // namespace vexo::builder
