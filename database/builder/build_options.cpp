#include "build_options.h"

namespace vexo::builder {

std::optional<BuildOptions> parseBuildOptions(const std::vector<std::string>& args,
                                              const std::filesystem::path& defaultSource,
                                              const std::filesystem::path& defaultUdfDir, std::string& error) {
    BuildOptions options;
    options.source = defaultSource;
    options.udfDir = defaultUdfDir;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--schema-only") {
            options.schemaOnly = true;
        } else if (a == "--force") {
            options.force = true;
        } else if (a == "--source" || a == "--udf-dir") {
            if (i + 1 == args.size()) {
                error = a + " needs a folder";
                return std::nullopt;
            }
            (a == "--source" ? options.source : options.udfDir) = args[++i];
        } else if (a.rfind("--", 0) == 0) {
            error = "unknown option " + a;
            return std::nullopt;
        } else if (options.output.empty()) {
            options.output = a;
        } else {
            error = "more than one output file given";
            return std::nullopt;
        }
    }
    if (options.output.empty()) {
        error = "no output file given";
        return std::nullopt;
    }
    return options;
}

std::string usageText() {
    return "usage: vexo_mkdb <output.gdb> [--schema-only] [--force] [--source <database folder>]\n"
           "                 [--udf-dir <folder of VexoUdf>]\n"
           "  Builds the database file: the schema scripts of schema-scripts.txt, then (unless\n"
           "  --schema-only) the demo scripts of demo/demo-scripts.txt and the demo data.\n"
           "  An existing file is replaced only with --force. Procedures that call the server\n"
           "  library compile only when the engine can load VexoUdf from --udf-dir.\n";
}

}  // namespace vexo::builder
