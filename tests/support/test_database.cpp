#include "test_database.h"

#include "fb/embedded_engine.h"
#include "fb/script.h"
#include "fb/win1251.h"

#include <cstdlib>
#include <fstream>
#include <mutex>
#include <stdexcept>

namespace vexo::test {

namespace fs = std::filesystem;

TempDir::TempDir(const std::string& prefix) {
    std::string pattern = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed for " + pattern);
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

namespace {
std::unique_ptr<TempDir> g_root;
}

void useEmbeddedEngine() {
    static std::once_flag once;
    std::call_once(once, [] {
        // One private root per test process: parallel test runs never share a half-written one.
        g_root = std::make_unique<TempDir>("vexo-fbroot");
        fb::prepareEmbeddedEngine({g_root->path(), VEXO_UDF_DIR});
    });
}

fs::path embeddedRoot() {
    useEmbeddedEngine();
    return g_root->path();
}

fs::path databaseSourceDir() { return VEXO_DATABASE_SOURCE_DIR; }

std::vector<std::string> schemaScripts() {
    std::ifstream in(databaseSourceDir() / "schema-scripts.txt");
    if (!in) throw std::runtime_error("database/schema-scripts.txt missing");
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (!line.empty() && line.front() != '#') names.push_back(line);
    }
    return names;
}

TestDatabase::TestDatabase(const std::vector<std::string>& scripts, const std::string& server) {
    useEmbeddedEngine();
    dir_ = std::make_unique<TempDir>("vexo-db");
    const std::string file = (dir_->path() / "test.fdb").string();
    if (!server.empty()) {
        // The server process must be able to write there.
        fs::permissions(dir_->path(), fs::perms::all, fs::perm_options::add);
        params_.database = server + ":" + file;
        params_.password = "vexotest";
    } else {
        params_.database = file;
    }
    attachment_ = std::make_unique<fb::Attachment>(fb::Attachment::create(params_));
    for (const std::string& script : scripts) fb::runScriptFile(*attachment_, databaseSourceDir() / script);
    transaction_ = std::make_unique<fb::Transaction>(*attachment_);
    transaction_->start();
}

TestDatabase::~TestDatabase() {
    try {
        transaction_.reset();
        if (attachment_ && attachment_->isAttached()) attachment_->drop();
    } catch (...) {
        // Another connection still open: the folder goes anyway.
    }
}

fb::Attachment TestDatabase::connectAgain() const { return fb::Attachment::attach(params_); }

void TestDatabase::exec(const std::string& sqlUtf8, const std::vector<fb::Value>& params) {
    fb::Statement st(*transaction_, fb::utf8ToWin1251(sqlUtf8));
    st.execute(params);
}

fb::Value TestDatabase::scalar(const std::string& sqlUtf8, const std::vector<fb::Value>& params) {
    fb::Statement st(*transaction_, fb::utf8ToWin1251(sqlUtf8));
    st.execute(params);
    if (!st.fetch()) throw std::runtime_error("no row: " + sqlUtf8);
    fb::Value v = st.value(0);
    st.close();
    return v;
}

std::vector<std::vector<fb::Value>> TestDatabase::rows(const std::string& sqlUtf8,
                                                       const std::vector<fb::Value>& params) {
    fb::Statement st(*transaction_, fb::utf8ToWin1251(sqlUtf8));
    st.execute(params);
    std::vector<std::vector<fb::Value>> out;
    while (st.fetch()) out.push_back(st.row());
    return out;
}

std::string TestDatabase::text(const std::string& sqlUtf8, const std::vector<fb::Value>& params) {
    return utf8(scalar(sqlUtf8, params));
}

void TestDatabase::runScript(const std::string& scriptUtf8) {
    transaction_->commitRetaining();
    fb::runScript(*attachment_, fb::utf8ToWin1251(scriptUtf8), "test script");
}

std::string utf8(const fb::Value& value) { return fb::win1251ToUtf8(value.toText()); }

std::string cp1251(const std::string& utf8Text) { return fb::utf8ToWin1251(utf8Text); }

}  // namespace vexo::test
