#pragma once

#include "fb/attachment.h"
#include "fb/script.h"
#include "scripted_dialogs.h"
#include "test_database.h"

#include <QString>

#include <fstream>
#include <string>

namespace vexo::test {

// A program folder as installed: vexo.ini and vexo.gdb beside the program.
class ProgramFolder {
public:
    ProgramFolder() { useEmbeddedEngine(); }

    QString path() const { return QString::fromStdString(dir_.path().string()) + "/"; }
    std::filesystem::path file(const std::string& name) const { return dir_.path() / name; }

    // A database with the delivered schema at <folder>/<sub>/vexo.gdb.
    std::string makeDatabase(const std::string& sub = "", const std::string& extraSql = "") const {
        std::filesystem::create_directories(dir_.path() / sub);
        const std::string name = (dir_.path() / sub / "vexo.gdb").lexically_normal().string();
        fb::ConnectParams p;
        p.database = name;
        fb::Attachment a = fb::Attachment::create(p);
        for (const std::string& s : schemaScripts()) fb::runScriptFile(a, databaseSourceDir() / s);
        if (!extraSql.empty()) fb::runScript(a, cp1251(extraSql));
        a.detach();
        return name;
    }

    void writeIni(const std::string& text) const { std::ofstream(file("vexo.ini"), std::ios::binary) << text; }
    std::string readIni() const {
        std::ifstream in(file("vexo.ini"), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

private:
    TempDir dir_{"vexo-program"};
};

}  // namespace vexo::test
