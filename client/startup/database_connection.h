#pragma once

#include <QString>

#include <functional>

namespace vexo::data {
class TfDM;
}

namespace vexo::startup {

// Finds the database through vexo.ini, prepares the engine, connects, brings
// the database to the expected version and opens the data module's datasets.
class DatabaseConnection {
public:
    static const QString kDatabaseFile;    // "vexo.gdb"
    static const QString kDefaultPassword;  // "kettlecup"

    DatabaseConnection(data::TfDM& dm, QString programFolder);

    // The start-up sequence; true when the module is ready. Errors are raised
    // (AppError or the database's), the caller shows them.
    bool createDataModule();
    // The connection sequence alone (start-up, new path, settings dialog).
    void connect();
    // A new database chosen by its file; false when refused (network names).
    bool chooseDatabasePath(const QString& chosenFile);

    bool isReady() const { return ready_; }
    bool stopped() const { return stop_; }
    bool isLocal() const { return local_; }
    const QString& databaseFolder() const { return folder_; }
    QString databaseName() const;
    QString iniPath() const;
    // The private engine root and the folder VexoUdf is loaded from.
    QString engineRoot() const;
    QString udfFolder() const;

    // Users attached to the database, for the version steps' guard.
    std::function<int()> attachedUsers;

private:
    void prepareLocalEngine();
    QString withSlash(QString folder) const;

    data::TfDM& dm_;
    QString program_;
    QString folder_;
    bool local_ = true;
    bool ready_ = false;
    bool stop_ = false;
};

}  // namespace vexo::startup
