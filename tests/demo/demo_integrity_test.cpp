// The demo database file as the server's own tools see it.

#include "demo_database.h"
#include "test_database.h"

#include <gtest/gtest.h>

#include <map>

using namespace vexo;
using namespace vexo::test;

namespace {

std::map<std::string, long long> rowCounts(fb::Attachment& db) {
    std::map<std::string, long long> counts;
    for (const auto& r : queryRows(db, "select trim(rdb$relation_name) from rdb$relations "
                                       "where rdb$system_flag = 0 and rdb$view_blr is null")) {
        const std::string table = r[0].toText();
        counts[table] = queryValue(db, "select count(*) from \"" + table + "\"").toInt64();
    }
    return counts;
}

}  // namespace

TEST(DemoIntegrity, FullValidationFindsNothing) {
    const std::string file = DemoDatabase::file().string();
    useEmbeddedEngine();  // the tools inherit the private engine root
    const ProcessResult r = runProcess({"gfix", "-v", "-full", "-user", "SYSDBA", file});
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(r.output, "") << "gfix reports problems";
}

TEST(DemoIntegrity, BackupAndRestoreKeepEveryRow) {
    const std::string file = DemoDatabase::file().string();
    useEmbeddedEngine();
    const auto folder = DemoDatabase::scratchFolder("backup");
    const std::string backup = (folder / "vexo.fbk").string(), restored = (folder / "restored.gdb").string();

    const ProcessResult b = runProcess({"gbak", "-b", "-user", "SYSDBA", file, backup});
    ASSERT_EQ(b.exitCode, 0) << b.output;
    const ProcessResult c = runProcess({"gbak", "-c", "-user", "SYSDBA", backup, restored});
    ASSERT_EQ(c.exitCode, 0) << c.output;

    fb::Attachment original = DemoDatabase::attach();
    fb::ConnectParams params;
    params.database = restored;
    fb::Attachment copy = fb::Attachment::attach(params);
    const auto before = rowCounts(original), after = rowCounts(copy);
    EXPECT_GE(before.size(), 25u);
    EXPECT_GT(before.at("TBL"), 1000);
    EXPECT_EQ(after, before);
}
