#include "data/data_module.h"
#include "data/settings_store.h"
#include "program_folder.h"
#include "startup/database_connection.h"
#include "startup/version_steps.h"
#include "ui/app_error.h"

#include <gtest/gtest.h>

using namespace vexo;

namespace {

struct Connected {
    test::ProgramFolder folder;
    test::ScriptedDialogs dialogs;
    data::TfDM dm;
    startup::DatabaseConnection connection{dm, folder.path()};
};

}  // namespace

TEST(Connection, WithoutIniFindsTheDatabaseBesideTheProgram) {
    Connected c;
    c.folder.makeDatabase();
    c.dialogs.type(QString("secret"));  // the password question
    ASSERT_TRUE(c.connection.createDataModule());
    EXPECT_TRUE(c.connection.isReady());
    EXPECT_TRUE(c.connection.isLocal());
    EXPECT_EQ(c.connection.databaseFolder(), c.folder.path());
    // First the path line, then the password goes into the first empty line.
    EXPECT_EQ(c.folder.readIni(), "dbPath=" + c.folder.path().toStdString() + "\r\nPassword=secret\r\n\r\n\r\n\r\n");
    EXPECT_TRUE(c.dm.tblName->isOpen());
    EXPECT_TRUE(c.dm.nastr->isOpen());
    EXPECT_FALSE(c.dm.svod->isOpen());
    EXPECT_FALSE(c.dm.temp->isOpen());
    EXPECT_TRUE(c.dm.dataset("organ")->isOpen());
}

TEST(Connection, WithoutIniOrDatabaseTellsAndStops) {
    Connected c;
    EXPECT_FALSE(c.connection.createDataModule());
    EXPECT_EQ(c.dialogs.texts(), QStringList{"Отсутствует файл vexo.ini. Невозможно найти базу данных!"});
    EXPECT_FALSE(c.dm.isConnected());
}

TEST(Connection, PasswordBeyondTheFifthLineIsNotSeen) {
    Connected c;
    c.folder.makeDatabase();
    c.folder.writeIni("dbPath=" + c.folder.path().toStdString() + "\r\na=1\r\nb=2\r\nc=3\r\nd=4\r\nPassword=x\r\n");
    c.dialogs.type(QString("typed"));
    ASSERT_TRUE(c.connection.createDataModule());
    ASSERT_EQ(c.dialogs.inputs.size(), 1);
    EXPECT_EQ(c.dialogs.inputs[0].prompt, "Введите пароль системного администратора Interbase:");
    // No empty line among the first five: the answer is used but written nowhere.
    EXPECT_EQ(c.folder.readIni().find("typed"), std::string::npos);
}

TEST(Connection, MovedDatabaseIsFoundBesideTheProgram) {
    Connected c;
    c.folder.makeDatabase();
    c.folder.writeIni("dbPath=/nowhere/at/all/\r\nPassword=p\r\n");
    ASSERT_TRUE(c.connection.createDataModule());
    EXPECT_EQ(c.dialogs.texts(), QStringList{"Будет подключена база данных " + c.folder.path() + "vexo.gdb"});
    EXPECT_EQ(c.folder.readIni(), "dbPath=" + c.folder.path().toStdString() + "\r\nPassword=p\r\n\r\n\r\n\r\n");
}

TEST(Connection, DatabaseInAnotherFolder) {
    Connected c;
    c.folder.makeDatabase("data");
    c.folder.writeIni("dbPath=" + c.folder.path().toStdString() + "data/\r\nPassword=p\r\n");
    ASSERT_TRUE(c.connection.createDataModule());
    EXPECT_EQ(c.connection.databaseFolder(), c.folder.path() + "data/");
    EXPECT_TRUE(c.dialogs.messages.isEmpty());
}

TEST(Connection, NetworkNameIsRefusedByThePathChoice) {
    Connected c;
    c.folder.makeDatabase();
    c.folder.writeIni("Password=p\r\n");
    ASSERT_TRUE(c.connection.createDataModule());
    EXPECT_THROW(c.connection.chooseDatabasePath("//server/share/vexo.gdb"), AppError);
    EXPECT_TRUE(c.dm.isConnected());
    EXPECT_TRUE(c.dm.tblName->isOpen());
}

namespace {

// A database at the given version with conditions the steps delete.
std::string olderDatabase(test::ProgramFolder& folder, const QString& version) {
    std::string sql = "update NASTR set B = '" + version.toStdString() + "' where A = 'Version';\n";
    if (version.isEmpty()) sql = "delete from NASTR where A = 'Version';\n";
    for (const char* n : {"02001066", "72000004", "56002001", "56002380", "56002381", "10000001"})
        sql += std::string("insert into POKAZ (A1, A2) values ('") + n + "', '1=1');\n";
    sql += "insert into USLK (AUTOINC, FORMA, USL1, USL2) values (1, '001', '1', '2');\n";
    return folder.makeDatabase("", sql);
}

}  // namespace

TEST(VersionSteps, From377PassesAllThreeSteps) {
    Connected c;
    olderDatabase(c.folder, "3.77");
    c.folder.writeIni("Password=p\r\n");
    ASSERT_TRUE(c.connection.createDataModule());
    data::SettingsStore settings(c.dm);
    EXPECT_EQ(settings.read("Version"), QString("3.78"));
    EXPECT_EQ(c.dm.scalarText("select list(A1, ',') from (select A1 from POKAZ order by A1)"), "10000001,56002381");
    EXPECT_EQ(c.dm.scalarInt("select count(*) from USLK"), 0);
    ASSERT_EQ(c.dialogs.messages.size(), 1);  // the warning, once
    EXPECT_TRUE(c.dialogs.messages[0].text.startsWith("Необходимо произвести обновление структуры БД.\r"));
}

TEST(VersionSteps, UnknownVersionsStopWithTheirNumber) {
    for (const QString& version : {QString("3.76"), QString()}) {
        Connected c;
        olderDatabase(c.folder, version);
        c.folder.writeIni("Password=p\r\n");
        std::filesystem::create_directories(c.folder.file("upg"));
        std::ofstream(c.folder.file("upg/sprav.xml")) << "<x/>";
        try {
            c.connection.createDataModule();
            FAIL() << "accepted " << version.toStdString();
        } catch (const AppError& e) {
            const QString shown = version.isEmpty() ? "2.00" : version;
            EXPECT_EQ(e.text(), "На версию " + shown + " нельзя установить версию 3.78. Порядок обновления версий - в "
                                                      "файле history.txt.");
        }
        EXPECT_FALSE(c.connection.isReady());
        EXPECT_FALSE(std::filesystem::exists(c.folder.file("upg/sprav.xml")));
    }
}

TEST(VersionSteps, WaitsWhileOthersAreAttached) {
    Connected c;
    olderDatabase(c.folder, "3.77.2");
    c.folder.writeIni("Password=p\r\n");
    int asked = 0;
    c.connection.attachedUsers = [&] { return ++asked < 3 ? 2 : 1; };
    c.dialogs.answer(ui::Answer::Ok);   // warning
    c.dialogs.answer(ui::Answer::Yes);  // retry
    c.dialogs.answer(ui::Answer::Yes);  // retry
    ASSERT_TRUE(c.connection.createDataModule());
    EXPECT_EQ(c.dialogs.messages.size(), 3);
    EXPECT_EQ(c.dialogs.messages[1].caption, "Запрос");
    EXPECT_EQ(c.dialogs.messages[1].buttons, ui::Buttons::YesNo);
}

TEST(VersionSteps, GivingUpStopsTheProgram) {
    Connected c;
    olderDatabase(c.folder, "3.77.2");
    c.folder.writeIni("Password=p\r\n");
    c.connection.attachedUsers = [] { return 2; };
    c.dialogs.answer(ui::Answer::Ok);
    c.dialogs.answer(ui::Answer::No);
    EXPECT_FALSE(c.connection.createDataModule());
    EXPECT_TRUE(c.connection.stopped());
    EXPECT_EQ(c.dialogs.texts().last(), "Обновление не произведено, приложение будет закрыто!");
    EXPECT_EQ(c.dialogs.messages.last().icon, ui::Icon::Error);
    data::SettingsStore settings(c.dm);
    EXPECT_EQ(settings.read("Version"), QString("3.77.2"));
}

TEST(VersionSteps, FailedStepKeepsTheLastVersionReached) {
    Connected c;
    olderDatabase(c.folder, "3.77.1");
    c.folder.writeIni("Password=p\r\n");
    {
        // Make the last step fail: no table to delete from.
        fb::ConnectParams p;
        p.database = c.folder.file("vexo.gdb").string();
        fb::Attachment a = fb::Attachment::attach(p);
        fb::runScript(a, "update NASTR set B = '3.77.1' where A = 'Version';\ndrop table USLK;\n");
    }
    try {
        c.connection.createDataModule();
        FAIL() << "a broken step passed";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.text().startsWith("Проблемы при переходе на версию 3.78.\rУбедитесь")) << e.text().toStdString();
    }
    data::SettingsStore settings(c.dm);
    EXPECT_EQ(settings.read("Version"), QString("3.77.2"));
}
