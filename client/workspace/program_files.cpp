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

QString ProgramFiles::manualPath() const { return folder_ + kManualName; }

QString ProgramFiles::historyPath() const { return folder_ + kHistoryName; }

QString ProgramFiles::commentsPath(const QString& ntbl) const { return folder_ + "txts/" + ntbl.trimmed() + ".txt"; }

bool ProgramFiles::hasComments(const QString& ntbl) const {
    return !ntbl.trimmed().isEmpty() && QFileInfo(commentsPath(ntbl)).isFile();
}

int ProgramFiles::deleteTemporaryFiles() const {
    QDir temp(folder_ + "temp");
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
