#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vexo::startup {

// vexo.ini beside the program: key=value lines of which only the first five
// count; keys compared upper-cased. Windows-1251, CR LF.
class VexoIni {
public:
    static constexpr int kLines = 5;
    static const QString kFileName;

    explicit VexoIni(QString path) : path_(std::move(path)) {}

    bool exists() const;
    const QString& path() const { return path_; }
    // Exactly five lines; those past the end of the file are empty.
    QStringList readLines() const;
    // Each line followed by CR LF.
    void writeLines(const QStringList& lines) const;

    static QString keyOf(const QString& line);
    static QString valueOf(const QString& line);
    static int indexOfKey(const QStringList& lines, const QString& key);
    static std::optional<QString> value(const QStringList& lines, const QString& key);
    // Puts text in place of the first empty line; false when none is empty.
    static bool putInFirstEmpty(QStringList& lines, const QString& text);
    // The database counts as local unless its path names a server; here a
    // local folder is a plain path, "LOCALHOST:/..." or "host:/..." go to a server.
    static bool isLocal(const std::optional<QString>& dbPath);
    // The PASSWORD word of the command line: the password line gets the new
    // password, every other line stays; a file without one gets none.
    static QStringList withPassword(QStringList lines, const QString& password);

private:
    QString path_;
};

}  // namespace vexo::startup
