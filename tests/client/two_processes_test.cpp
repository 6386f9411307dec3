#include "data/data_module.h"
#include "test_database.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

using namespace vexo;

// Several workstations share one database file: a second program (here the
// engine's own isql) writes while the client holds the file open.
TEST(TwoProcesses, WorkOnOneLocalDatabaseAtOnce) {
    test::TestDatabase db(test::schemaScripts());
    db.commit();
    data::TfDM dm;
    dm.connectDatabase(db.params());
    dm.openAll();
    const auto script = db.file().parent_path() / "other.sql";
    std::ofstream(script) << "connect '" << db.file().string() << "';\n"
                          << "insert into GRPNAME (A, B, PERIOD) values ('777', 'Other', 'mc');\ncommit;\n";
    const std::string command = "FIREBIRD=" + test::embeddedRoot().string() + " isql-fb -q -user SYSDBA -i " +
                                script.string() + " > /dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    dm.grpName->open();
    EXPECT_TRUE(dm.grpName->locate("A", "777"));
    // And the other way round: our post is seen by the next process.
    dm.grpName->append();
    dm.grpName->setValue("A", "778");
    dm.grpName->setValue("B", "Ours");
    dm.grpName->setValue("PERIOD", "гд");
    dm.grpName->post();
    std::ofstream(script) << "connect '" << db.file().string() << "';\n"
                          << "set list on;\nselect count(*) from GRPNAME where A = '778';\n";
    const std::string out = (db.file().parent_path() / "out.txt").string();
    ASSERT_EQ(std::system(("FIREBIRD=" + test::embeddedRoot().string() + " isql-fb -q -user SYSDBA -i " +
                           script.string() + " > " + out + " 2>&1").c_str()),
              0);
    std::ifstream in(out);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("COUNT                           1"), std::string::npos) << text;
}
