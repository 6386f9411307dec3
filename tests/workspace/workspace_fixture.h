#pragma once

#include "data/data_module.h"
#include "scripted_dialogs.h"
#include "startup/error_report.h"
#include "test_database.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>
#include <ostream>

// Readable QString values in the failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vexo::workspace {
class TfMain;
}

namespace vexo::test {

// A small catalogue: themes of every periodicity, one without tables and the
// derived theme "999"; tables whose order differs from their numbers;
// periods with hidden ones among them; two institutions and a consolidation;
// users "sa" (administrator, password 1234) and "oper" (password 1111, sees
// tables 1, 2 and 101, edits table 1).
extern const char* const kCatalogueSql;
extern const char* const kGroupTablesSql;

// The placement store of this test process lives in a temp folder.
void isolatePlacementStore();

// A database with the catalogue, and the data module connected to it.
struct CatalogueDatabase {
    explicit CatalogueDatabase(bool withGroupTables = true);
    TestDatabase db{schemaScripts()};
    data::TfDM dm;
    void setSetting(const QString& key, const QString& value);
};

// The main window over the catalogue, in a program folder of its own, on a fixed day.
struct Workspace : CatalogueDatabase {
    explicit Workspace(bool withGroupTables = true);
    ~Workspace();

    // The window on that day, not yet shown: a test may log a user in first.
    workspace::TfMain& create(const QDate& day = QDate(2024, 5, 15));
    // Creates (unless created) and shows the window; without a user, with the password system off.
    workspace::TfMain& show(const QDate& day = QDate(2024, 5, 15));
    workspace::TfMain& window() { return *main; }
    QString folder() const;
    void writeFile(const QString& relative, const QByteArray& bytes = "x") const;

    TempDir programFolder{"vexo-workspace"};
    ScriptedDialogs dialogs;
    startup::ErrorReport errors{folder()};
    QDate today;
    QStringList opened;  // documents handed to the system
    QStringList chosen;  // answers of the file dialog, taken in order
    QStringList fileDialogTitles;
    std::unique_ptr<workspace::TfMain> main;
};

}  // namespace vexo::test
