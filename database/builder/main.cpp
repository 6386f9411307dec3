// vexo_mkdb: builds the delivered database, with or without the demo content.

#include "build_options.h"
#include "database_builder.h"
#include "fb/embedded_engine.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A private root for the embedded engine, removed when the program ends, so
// the build never depends on the machine's Firebird configuration.
class EngineRoot {
public:
    explicit EngineRoot(const fs::path& udfDir) {
        std::string pattern = (fs::temp_directory_path() / "vexo-mkdb-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
        path_ = pattern;
        // Nothing of the library is called while building, but the engine loads it to
        // compile a procedure that uses one of its functions.
        vexo::fb::prepareEmbeddedEngine({path_, udfDir.empty() ? path_ / "udf" : fs::absolute(udfDir)});
    }
    ~EngineRoot() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }

private:
    fs::path path_;
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = vexo::builder::parseBuildOptions(args, VEXO_DATABASE_SOURCE_DIR, VEXO_UDF_DIR, error);
    if (!options) {
        std::cerr << "vexo_mkdb: " << error << "\n" << vexo::builder::usageText();
        return 2;
    }
    try {
        EngineRoot root(options->udfDir);
        vexo::builder::buildDatabase(*options, std::cout, ::isatty(STDOUT_FILENO) != 0);
        return 0;
    } catch (const vexo::builder::OutputExists& e) {
        std::cerr << "vexo_mkdb: " << e.what() << "\n";
        return 3;
    } catch (const std::exception& e) {
        std::cerr << "\nvexo_mkdb: build failed: " << e.what() << "\n";
        return 1;
    }
}
