#include "program_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vexo::workspace {

const QString ProgramFiles::kManualName = QStringLiteral("Ривента_Руководство.doc");
const QString ProgramFiles::kHistoryName = QStringLiteral("history.txt");

ProgramFiles::ProgramFiles(QString folder) : folder_(std::move(folder)) {
    if (!folder_.isEmpty() && !folder_.endsWith('/')) folder_ += '/';
}

QString ProgramFiles::path(const QString& relative) const {
    QString resolved = folder_;
    const QStringList parts = relative.split('/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (!QFileInfo::exists(resolved + part)) {
            const QStringList entries = QDir(resolved).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
            for (const QString& e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    part = e;
                    break;
                }
        }
        resolved += part;
        if (i + 1 < parts.size()) resolved += '/';
    }
    return resolved;
}

QString ProgramFiles::manualPath() const { return path(kManualName); }

QString ProgramFiles::historyPath() const { return path(kHistoryName); }

QString ProgramFiles::commentsPath(const QString& ntbl) const { return path("txts/" + ntbl.trimmed() + ".txt"); }

bool ProgramFiles::hasComments(const QString& ntbl) const {
    return !ntbl.trimmed().isEmpty() && QFileInfo(commentsPath(ntbl)).isFile();
}

int ProgramFiles::deleteTemporaryFiles() const {
    QDir temp(path("temp"));
    if (!temp.exists()) return 0;
    int deleted = 0;
    const QFileInfoList files =
        temp.entryInfoList({QStringLiteral("*.xls"), QStringLiteral("*.dot")}, QDir::Files, QDir::Name);
    for (const QFileInfo& f : files) {
        if (!QFile::remove(f.absoluteFilePath())) break;  // a file still open in an office program
        ++deleted;
    }
    return deleted;
}

}  // namespace vexo::workspace
