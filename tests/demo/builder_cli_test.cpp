// vexo_mkdb as a command: what it refuses, what it leaves behind, and that
// it builds the same data every time.

#include "demo_database.h"
#include "fb/statement.h"
#include "test_database.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vexo;
using namespace vexo::test;
namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

fb::Attachment attachFile(const fs::path& file) {
    useEmbeddedEngine();
    fb::ConnectParams params;
    params.database = file.string();
    return fb::Attachment::attach(params);
}

// Every entered row, in key order, as one text.
std::string dataFingerprint(fb::Attachment& db) {
    std::string columns = "NTBL, LPU, PERIOD, GOD, \"ROW\", TIPSVODA, C1, C2, S1, S2, S3, D1";
    for (int k = 1; k <= 30; ++k) columns += ", N" + std::to_string(k);
    std::string out;
    for (const auto& row : queryRows(db, "select " + columns + " from TBL order by NTBL, LPU, PERIOD, GOD, \"ROW\", TIPSVODA")) {
        for (const fb::Value& v : row) out += (v.isNull() ? std::string("~") : v.toText()) + "|";
        out += "\n";
    }
    return out;
}

}  // namespace

TEST(BuilderCommand, MistakesInTheCommandLineAreRefused) {
    const fs::path folder = DemoDatabase::scratchFolder("usage");
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{}, "no output file"},
        {{(folder / "a.gdb").string(), "--colour"}, "unknown option"},
        {{(folder / "a.gdb").string(), (folder / "b.gdb").string()}, "more than one output"},
        {{(folder / "a.gdb").string(), "--source"}, "--source needs a folder"},
    };
    for (const Case& c : cases) {
        const ProcessResult r = runBuilder(c.args);
        EXPECT_EQ(r.exitCode, 2) << r.output;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << r.output;
    }
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST(BuilderCommand, AnExistingFileIsReplacedOnlyWithForce) {
    const fs::path folder = DemoDatabase::scratchFolder("existing");
    const fs::path target = folder / "vexo.gdb";
    std::ofstream(target) << "someone's database";

    const ProcessResult refused = runBuilder({target.string(), "--schema-only"});
    EXPECT_EQ(refused.exitCode, 3) << refused.output;
    EXPECT_EQ(readFile(target), "someone's database");

    const ProcessResult forced = runBuilder({target.string(), "--schema-only", "--force"});
    ASSERT_EQ(forced.exitCode, 0) << forced.output;
    fb::Attachment db = attachFile(target);
    EXPECT_EQ(textOf(queryValue(db, "select B from NASTR where A = 'Version'")), "3.78");
}

TEST(BuilderCommand, SchemaOnlyLeavesOutTheDemo) {
    const fs::path target = DemoDatabase::scratchFolder("schema") / "empty.gdb";
    const ProcessResult r = runBuilder({target.string(), "--schema-only"});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(r.output.find("demo/"), std::string::npos) << r.output;
    fb::Attachment db = attachFile(target);
    for (const char* table : {"TBL", "KODIF", "TBLNAME", "COLUMNS", "POKAZ", "PERIOD"})
        EXPECT_EQ(queryValue(db, std::string("select count(*) from ") + table).toInt64(), 0) << table;
    EXPECT_EQ(queryValue(db, "select count(*) from NASTR").toInt64(), 1);
    EXPECT_EQ(queryValue(db, "select count(*) from rdb$procedures where rdb$procedure_name = 'UPDATESVOD'").toInt64(), 1);
}

TEST(BuilderCommand, AFailedBuildLeavesNoFileBehind) {
    // A copy of the scripts whose last demo script breaks half-way through the demo.
    const fs::path source = DemoDatabase::scratchFolder("broken-source");
    fs::copy(databaseSourceDir(), source, fs::copy_options::recursive);
    std::ofstream(source / "demo" / "settings_users.sql", std::ios::app) << "\nINSERT INTO NO_SUCH_TABLE VALUES (1);\n";
    const fs::path folder = DemoDatabase::scratchFolder("broken");
    const fs::path target = folder / "vexo.gdb";

    const ProcessResult r = runBuilder({target.string(), "--source", source.string()});
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("settings_users.sql"), std::string::npos) << "the failing script is named";
    EXPECT_TRUE(fs::is_empty(folder)) << "neither the database nor its temporary file may stay";

    // Replacing an existing file fails the same way and keeps the old file.
    std::ofstream(target) << "previous build";
    const ProcessResult again = runBuilder({target.string(), "--force", "--source", source.string()});
    EXPECT_EQ(again.exitCode, 1) << again.output;
    EXPECT_EQ(readFile(target), "previous build");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(BuilderCommand, EveryBuildEntersTheSameData) {
    const fs::path second = DemoDatabase::scratchFolder("second") / "vexo.gdb";
    const ProcessResult r = runBuilder({second.string()});
    ASSERT_EQ(r.exitCode, 0) << r.output;
    fb::Attachment first = DemoDatabase::attach();
    fb::Attachment other = attachFile(second);
    const std::string a = dataFingerprint(first), b = dataFingerprint(other);
    EXPECT_GT(a.size(), 100000u);
    EXPECT_TRUE(a == b) << "the demo data differs between two builds";
}
