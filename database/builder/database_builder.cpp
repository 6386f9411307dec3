#include "database_builder.h"

#include "demo_data.h"
#include "demo_data_writer.h"
#include "fb/attachment.h"
#include "fb/script.h"
#include "script_manifest.h"

#include <chrono>
#include <cstdio>
#include <system_error>
#include <unistd.h>

namespace vexo::builder {

namespace fs = std::filesystem;

namespace {

fs::path temporaryName(const fs::path& output) {
    return output.parent_path() / ("." + output.filename().string() + "." + std::to_string(::getpid()) + ".building");
}

void runScripts(fb::Attachment& db, const fs::path& folder, const std::string& manifest, std::ostream& log) {
    for (const std::string& script : readScriptManifest(folder / manifest)) {
        log << "  " << (folder.filename() / script).string() << "\n" << std::flush;
        fb::runScriptFile(db, folder / script);
    }
}

// Keeps the partly built file until the build is done; removes it otherwise.
class PartialDatabase {
public:
    explicit PartialDatabase(fs::path file) : file_(std::move(file)) {}
    ~PartialDatabase() {
        if (kept_) return;
        try {
            if (db_.isAttached()) db_.drop();
        } catch (...) {
            // The file is removed below all the same.
        }
        std::error_code ec;
        fs::remove(file_, ec);
    }
    PartialDatabase(const PartialDatabase&) = delete;
    PartialDatabase& operator=(const PartialDatabase&) = delete;

    fb::Attachment& create() {
        fb::ConnectParams params;
        params.database = file_.string();
        db_ = fb::Attachment::create(params);
        return db_;
    }
    // Closes the file and moves it to its final name.
    void keepAs(const fs::path& output) {
        db_.detach();
        fs::rename(file_, output);
        kept_ = true;
    }

private:
    fs::path file_;
    fb::Attachment db_;
    bool kept_ = false;
};

}  // namespace

void buildDatabase(const BuildOptions& options, std::ostream& log, bool progressOnOneLine) {
    const auto started = std::chrono::steady_clock::now();
    const fs::path output = fs::absolute(options.output);
    if (fs::exists(output) && !options.force)
        throw OutputExists(output.string() + " exists; give --force to replace it");
    fs::create_directories(output.parent_path());

    const fs::path partial = temporaryName(output);
    std::error_code ec;
    fs::remove(partial, ec);
    PartialDatabase building(partial);
    log << "Building " << output.string() << (options.schemaOnly ? " (schema only)" : "") << "\n";
    fb::Attachment& db = building.create();

    runScripts(db, options.source, "schema-scripts.txt", log);
    if (!options.schemaOnly) {
        runScripts(db, options.source / "demo", "demo-scripts.txt", log);
        const demo::DemoData data = demo::generateDemoData();
        auto progress = [&](std::size_t done, std::size_t total) {
            const int percent = static_cast<int>(done * 100 / total);
            if (progressOnOneLine) {
                log << "\r  entering data: " << done << " / " << total << " rows (" << percent << "%)" << std::flush;
            } else if (done == total || (done / 1000) % 5 == 0) {
                log << "  entering data: " << done << " / " << total << " rows (" << percent << "%)\n";
            }
        };
        demo::writeDemoData(db, data, progress);
        if (progressOnOneLine) log << "\n";
    }
    building.keepAs(output);

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    char summary[160];
    std::snprintf(summary, sizeof summary, "Done: %.1f MB in %.1f s\n",
                  static_cast<double>(fs::file_size(output)) / (1024.0 * 1024.0), seconds);
    log << summary;
}

}  // namespace vexo::builder
