#include "embedded_engine.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace vexo::fb {

namespace {

// Firebird's own copy of the character-set module; a symlink to it is not
// followed by the engine, so it is copied.
std::filesystem::path findIntlModule() {
#ifdef VEXO_FIREBIRD_INTL_MODULE
    if (std::filesystem::exists(VEXO_FIREBIRD_INTL_MODULE)) return VEXO_FIREBIRD_INTL_MODULE;
#endif
    for (const char* candidate : {"/usr/lib/x86_64-linux-gnu/firebird/3.0/intl/libfbintl.so",
                                  "/usr/lib/firebird/3.0/intl/libfbintl.so", "/opt/firebird/intl/libfbintl.so"}) {
        if (std::filesystem::exists(candidate)) return candidate;
    }
    throw std::runtime_error("Firebird character-set module libfbintl.so not found");
}

void writeIfChanged(const std::filesystem::path& file, const std::string& text) {
    {
        std::ifstream in(file, std::ios::binary);
        std::string old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in && old == text) return;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

std::string embeddedEngineConfig(const std::filesystem::path& udfDir) {
    return "# Written by the program: private settings of the embedded engine.\n"
           "UdfAccess = Restrict " +
           std::filesystem::absolute(udfDir).lexically_normal().string() +
           "\n"
           "# Several programs may open one database file at once.\n"
           "ServerMode = SuperClassic\n"
           "# Without it the engine arms signal handlers around every call of a\n"
           "# server function (about 19 microseconds each, most of a control run).\n"
           "# They protect nothing: a fault inside a function ends the process either way.\n"
           "BugcheckAbort = 1\n";
}

bool prepareEmbeddedEngine(const EmbeddedEngineSetup& setup) {
    namespace fs = std::filesystem;
    // The engine reads its configuration once per process.
    static bool prepared = false;
    if (prepared) return false;
    const fs::path root = fs::absolute(setup.root).lexically_normal();
    fs::create_directories(root / "intl");
    fs::create_directories(setup.udfDir);
    writeIfChanged(root / "firebird.conf", embeddedEngineConfig(setup.udfDir));

    const fs::path intl = root / "intl" / "libfbintl.so";
    const fs::path source = findIntlModule();
    std::error_code ec;
    if (!fs::exists(intl) || fs::file_size(intl, ec) != fs::file_size(source, ec))
        fs::copy_file(source, intl, fs::copy_options::overwrite_existing);

    ::setenv("FIREBIRD", root.c_str(), 1);
    prepared = true;
    return true;
}

bool isServerPath(const std::string& database) {
    if (database.empty() || database.front() == '/') return false;
    return database.find(':') != std::string::npos;
}

}  // namespace vexo::fb
