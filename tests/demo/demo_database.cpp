#include "demo_database.h"

#include "fb/statement.h"
#include "fb/transaction.h"
#include "fb/win1251.h"
#include "test_database.h"

#include <memory>
#include <mutex>
#include <stdexcept>

namespace vexo::test {

namespace fs = std::filesystem;

namespace {

TempDir& folder() {
    static TempDir dir("vexo-demo");
    return dir;
}

}  // namespace

ProcessResult runBuilder(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {VEXO_MKDB_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    return runProcess(argv);
}

const fs::path& DemoDatabase::file() {
    static fs::path path;
    static std::once_flag once;
    std::call_once(once, [] {
        useEmbeddedEngine();
        const fs::path target = folder().path() / "vexo.gdb";
        const ProcessResult built = runBuilder({target.string()});
        if (built.exitCode != 0) throw std::runtime_error("vexo_mkdb failed:\n" + built.output);
        path = target;
    });
    return path;
}

fb::Attachment DemoDatabase::attach() {
    fb::ConnectParams params;
    params.database = file().string();
    return fb::Attachment::attach(params);
}

fs::path DemoDatabase::scratchFolder(const std::string& name) {
    const fs::path dir = folder().path() / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::vector<std::vector<fb::Value>> queryRows(fb::Attachment& db, const std::string& sqlUtf8,
                                              const std::vector<fb::Value>& params) {
    fb::Transaction tr(db, fb::TransactionOptions{false, false, fb::Isolation::Snapshot});
    fb::Statement st(tr, fb::utf8ToWin1251(sqlUtf8));
    std::vector<fb::Value> converted = params;
    for (fb::Value& v : converted)
        if (v.is<std::string>()) v = fb::utf8ToWin1251(v.get<std::string>());
    st.execute(converted);
    std::vector<std::vector<fb::Value>> rows;
    while (st.fetch()) rows.push_back(st.row());
    return rows;
}

fb::Value queryValue(fb::Attachment& db, const std::string& sqlUtf8, const std::vector<fb::Value>& params) {
    const auto rows = queryRows(db, sqlUtf8, params);
    if (rows.empty()) throw std::runtime_error("no row: " + sqlUtf8);
    return rows.front().front();
}

std::string textOf(const fb::Value& v) {
    std::string s = v.isNull() ? std::string() : fb::win1251ToUtf8(v.toText());
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

}  // namespace vexo::test
