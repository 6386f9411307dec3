#include "database_connection.h"

#include "data/data_module.h"
#include "data/text_codec.h"
#include "fb/embedded_engine.h"
#include "ui/app_error.h"
#include "ui/cursor_guard.h"
#include "ui/dialogs.h"
#include "version_steps.h"
#include "vexo_ini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vexo::startup {

const QString DatabaseConnection::kDatabaseFile = QStringLiteral("vexo.gdb");
const QString DatabaseConnection::kDefaultPassword = QStringLiteral("kettlecup");

namespace {

const QString kPasswordCaption = QStringLiteral("Подключение к БД");
const QString kPasswordPrompt = QStringLiteral("Введите пароль системного администратора Interbase:");

// Replaces a file so that a program still using the old one keeps its copy.
void replaceFile(const QString& source, const QString& target) {
    const QString partial = target + ".new";
    QFile::remove(partial);
    if (!QFile::copy(source, partial) || std::rename(QFile::encodeName(partial).constData(),
                                                     QFile::encodeName(target).constData()) != 0)
        throw AppError(QStringLiteral("Не удается скопировать файл %1 в %2.").arg(source, target));
}

}  // namespace

DatabaseConnection::DatabaseConnection(data::TfDM& dm, QString programFolder)
    : dm_(dm), program_(withSlash(std::move(programFolder))) {}

QString DatabaseConnection::withSlash(QString folder) const {
    if (!folder.endsWith('/')) folder += '/';
    return folder;
}

QString DatabaseConnection::iniPath() const { return program_ + VexoIni::kFileName; }
QString DatabaseConnection::engineRoot() const { return program_ + "firebird"; }
QString DatabaseConnection::udfFolder() const { return program_ + "firebird/udf"; }
QString DatabaseConnection::databaseName() const { return folder_ + kDatabaseFile; }

void DatabaseConnection::prepareLocalEngine() {
    // The local engine is ours: it loads VexoUdf from our folder, fed from temp/.
    QDir().mkpath(udfFolder());
    const QString fresh = program_ + "temp/VexoUdf.so";
    if (QFile::exists(fresh)) replaceFile(fresh, udfFolder() + "/VexoUdf.so");
    fb::prepareEmbeddedEngine({engineRoot().toStdString(), udfFolder().toStdString()});
}

bool DatabaseConnection::createDataModule() {
    ui::HourglassCursor hourglass;
    VexoIni ini(iniPath());
    const bool programHasDatabase = QFile::exists(program_ + kDatabaseFile);
    // On this platform a local file is opened by our embedded engine, so the
    // path written for it carries no server part.
    const QString ownPathLine = "dbPath=" + program_;

    if (ini.exists()) {
        QStringList lines = ini.readLines();
        const std::optional<QString> dbPath = VexoIni::value(lines, "DBPATH");
        local_ = VexoIni::isLocal(dbPath);
        if (dbPath) folder_ = *dbPath;
        if (local_) prepareLocalEngine();
        if (!dbPath && programHasDatabase) {
            VexoIni::putInFirstEmpty(lines, ownPathLine);
            ini.writeLines(lines);
            folder_ = program_;
        } else if (dbPath && local_ && !QFile::exists(withSlash(*dbPath) + kDatabaseFile) && programHasDatabase) {
            lines[VexoIni::indexOfKey(lines, "DBPATH")] = ownPathLine;
            ini.writeLines(lines);
            folder_ = program_;
            ui::showInfo(QStringLiteral("Будет подключена база данных ") + program_ + kDatabaseFile);
        }
    } else {
        local_ = true;
        prepareLocalEngine();
        if (!programHasDatabase) {
            ui::showWarning(QStringLiteral("Отсутствует файл vexo.ini. Невозможно найти базу данных!"));
            return false;
        }
        ini.writeLines({ownPathLine});
        folder_ = program_;
    }
    if (folder_.isEmpty()) folder_ = program_;
    folder_ = withSlash(folder_);
    connect();
    return ready_;
}

void DatabaseConnection::connect() {
    ui::HourglassCursor hourglass;
    ready_ = false;
    dm_.disconnectDatabase();
    QString password = kDefaultPassword;

    VexoIni ini(iniPath());
    if (ini.exists()) {
        QStringList lines = ini.readLines();
        const int at = VexoIni::indexOfKey(lines, "PASSWORD");
        if (at >= 0) {
            password = lines[at].section('=', 1);
        } else if (auto answer = ui::inputBox({kPasswordCaption, kPasswordPrompt, {}, true})) {
            VexoIni::putInFirstEmpty(lines, "Password=" + *answer);
            ini.writeLines(lines);
            password = *answer;
        }
    } else if (auto answer = ui::inputBox({kPasswordCaption, kPasswordPrompt, {}, true})) {
        password = *answer;
        ini.writeLines({"Password=" + *answer});
    }

    fb::ConnectParams params;
    params.database = data::toCp1251(databaseName());
    params.user = "SYSDBA";
    params.password = data::toCp1251(password);
    params.charset = "WIN1251";
    dm_.connectDatabase(params);

    VersionSteps steps(dm_, program_);
    if (attachedUsers) steps.attachedUsers = attachedUsers;
    steps.run();
    stop_ = steps.stopped();
    if (stop_) return;

    dm_.openAll();
    ready_ = true;
}

bool DatabaseConnection::chooseDatabasePath(const QString& chosenFile) {
    if (chosenFile.startsWith("\\\\") || chosenFile.startsWith("//"))
        throw AppError(QStringLiteral("Сетевой доступ к базе данных настраивается вручную и описан в \"Руководстве "
                                      "пользователя\"."));
    dm_.closeAll();
    const QString folder = withSlash(QFileInfo(chosenFile).absolutePath());
    try {
        VexoIni ini(iniPath());
        QStringList lines = ini.readLines();
        const int at = VexoIni::indexOfKey(lines, "DBPATH");
        if (at >= 0) lines[at] = "dbPath=" + folder;
        ini.writeLines(lines);
    } catch (...) {
        // The new path is taken even when the file cannot be rewritten.
    }
    folder_ = folder;
    local_ = true;
    prepareLocalEngine();
    connect();
    return true;
}

}  // namespace vexo::startup
