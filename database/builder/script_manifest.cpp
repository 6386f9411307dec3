#include "script_manifest.h"

#include <fstream>
#include <stdexcept>

namespace vexo::builder {

std::vector<std::string> readScriptManifest(const std::filesystem::path& manifest) {
    std::ifstream in(manifest);
    if (!in) throw std::runtime_error("cannot read " + manifest.string());
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.pop_back();
        size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        names.push_back(line.substr(start));
    }
    return names;
}

}  // namespace vexo::builder
