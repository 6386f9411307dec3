#include "data/data_module.h"
#include "fb/error.h"
#include "program_folder.h"
#include "startup/database_connection.h"
#include "startup/error_report.h"
#include "startup/version_steps.h"
#include "test_server.h"

#include <gtest/gtest.h>

using namespace vexo;

namespace {

class ServerMode : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::TestServer::available()) GTEST_SKIP() << "no Firebird server program";
        server = std::make_unique<test::TestServer>();
        db = std::make_unique<test::TestDatabase>(test::schemaScripts(), server->prefix());
        db->commit();
    }
    std::unique_ptr<test::TestServer> server;
    std::unique_ptr<test::TestDatabase> db;
};

}  // namespace

TEST_F(ServerMode, AttachedUsersAreCountedByTheServer) {
    data::TfDM first, second;
    first.connectDatabase(db->params());
    test::ProgramFolder folder;
    startup::VersionSteps steps(first, folder.path());
    const int alone = steps.attachedUsers();  // this one and the harness's own connection
    second.connectDatabase(db->params());
    EXPECT_EQ(steps.attachedUsers(), alone + 1);
    second.disconnectDatabase();
    EXPECT_EQ(steps.attachedUsers(), alone);
}

TEST_F(ServerMode, ConnectsThroughAServerPathOfVexoIni) {
    test::ProgramFolder folder;
    test::ScriptedDialogs dialogs;
    const std::string dir = db->file().parent_path().string() + "/";
    std::filesystem::rename(db->file(), db->file().parent_path() / "vexo.gdb");
    folder.writeIni("dbPath=" + server->prefix() + ":" + dir + "\r\nPassword=" + test::TestServer::kPassword + "\r\n");
    data::TfDM dm;
    startup::DatabaseConnection connection(dm, folder.path());
    ASSERT_TRUE(connection.createDataModule());
    EXPECT_FALSE(connection.isLocal());
    EXPECT_EQ(dm.scalarText("select B from NASTR where A = 'Version'"), "3.78");
    std::filesystem::rename(db->file().parent_path() / "vexo.gdb", db->file());
}

TEST_F(ServerMode, LostConnectionEndsTheProgram) {
    data::TfDM dm;
    dm.connectDatabase(db->params());
    dm.openAll();
    test::ProgramFolder folder;
    test::ScriptedDialogs dialogs;
    startup::ErrorReport report(folder.path());
    int exitCode = -1;
    report.exitProcess = [&](int code) { exitCode = code; };
    report.showDatabaseError = [](const QString&, long code, const QString&) { FAIL() << "a plain error dialog, code " << code; };
    server->kill();
    try {
        dm.execSql("update NASTR set B = B");
        FAIL() << "a dead server answered";
    } catch (...) {
        report.report(std::current_exception(), &dm);
    }
    EXPECT_EQ(exitCode, 0);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(
        "Отсутствует соединение с сервером! Все несохраненные данные будут потеряны.\r\n\r\nИсходное сообщение об ошибке: "))
        << dialogs.messages[0].text.toStdString();
}
