#include "startup/program_entry.h"
#include "startup/vexo_ini.h"
#include "program_folder.h"
#include "ui/app_error.h"

#include <gtest/gtest.h>

using namespace vexo;
using startup::VexoIni;

TEST(VexoIni, ReadsExactlyFiveLinesWithUpperCasedKeys) {
    test::ProgramFolder folder;
    folder.writeIni("dbPath=/base/\r\nx=1\r\n\r\nq\r\ny\r\nPassword=late\r\n");
    const QStringList lines = VexoIni(folder.path() + "vexo.ini").readLines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(VexoIni::value(lines, "DBPATH"), QString("/base/"));
    // The sixth line is not read.
    EXPECT_EQ(VexoIni::indexOfKey(lines, "PASSWORD"), -1);
}

TEST(VexoIni, LocalOrServer) {
    struct Case {
        std::optional<QString> dbPath;
        bool local;
    } cases[] = {
        {std::nullopt, true},
        {QString("/srv/base/"), true},
        {QString("LOCALHOST:/srv/base/"), false},
        {QString("server:/srv/base/"), false},
        {QString("localhost/3055:/srv/base/"), false},
        {QString("LOCALHOST"), false},
    };
    for (const Case& c : cases) EXPECT_EQ(VexoIni::isLocal(c.dbPath), c.local) << c.dbPath.value_or("<none>").toStdString();
}

TEST(VexoIni, PasswordWordRewritesOnlyThePasswordLine) {
    test::ProgramFolder folder;
    const QString ini = folder.path() + "vexo.ini";
    {
        test::ScriptedDialogs dialogs;
        folder.writeIni("dbPath=/base/\r\npassword=old\r\n");
        dialogs.type(QString("new"));
        EXPECT_TRUE(startup::rewritePasswordLine(ini));
        // Two lines become five, the last three empty.
        EXPECT_EQ(folder.readIni(), "dbPath=/base/\r\nPassword=new\r\n\r\n\r\n\r\n");
        ASSERT_EQ(dialogs.inputs.size(), 1);
        EXPECT_EQ(dialogs.inputs[0].caption, "Подключение к БД");
        EXPECT_EQ(dialogs.inputs[0].initial, "");  // the fifth line
    }
    {
        test::ScriptedDialogs dialogs;
        folder.writeIni("dbPath=/base/\r\n");
        dialogs.type(QString("x"));
        startup::rewritePasswordLine(ini);
        EXPECT_EQ(folder.readIni(), "dbPath=/base/\r\n\r\n\r\n\r\n\r\n");  // no line gets added
    }
    {
        test::ScriptedDialogs dialogs;
        folder.writeIni("Password=keep\r\n");
        dialogs.type(std::nullopt);
        EXPECT_FALSE(startup::rewritePasswordLine(ini));
        EXPECT_EQ(folder.readIni(), "Password=keep\r\n");
    }
    std::filesystem::remove(folder.file("vexo.ini"));
    test::ScriptedDialogs dialogs;
    EXPECT_THROW(startup::rewritePasswordLine(ini), AppError);
}

TEST(ProgramEntry, CommandWords) {
    using startup::CommandWord;
    struct Case {
        QStringList args;
        QString exe;
        CommandWord word;
    } cases[] = {
        {{}, "Vexo", CommandWord::Start},
        {{"install"}, "Vexo", CommandWord::Install},
        {{"Install"}, "Vexo", CommandWord::Install},
        {{"UNINSTALL"}, "Vexo", CommandWord::Uninstall},
        {{"uninstall"}, "setup.exe", CommandWord::Install},  // SETUP installs whatever it is given
        {{"password", "install"}, "Vexo", CommandWord::Password},
        {{"other"}, "Vexo", CommandWord::Start},
    };
    for (const Case& c : cases)
        EXPECT_EQ(startup::commandWord(c.args, c.exe), c.word) << c.args.join(' ').toStdString() << " " << c.exe.toStdString();
}
