#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vexo::builder {

// The script names of a manifest file, in order: one a line, blank lines and
// lines starting with "#" skipped. Throws when the file cannot be read.
std::vector<std::string> readScriptManifest(const std::filesystem::path& manifest);

}  // namespace vexo::builder
