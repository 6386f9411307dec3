#pragma once

#include <QString>

namespace vexo::workspace {

// Files the workspace finds in the program folder: the user manual, the
// history of changes, the comments on filling a table, the temporary office files.
class ProgramFiles {
public:
    static const QString kManualName;   // "Ривента_Руководство.doc"
    static const QString kHistoryName;  // "history.txt"

    explicit ProgramFiles(QString folder);

    const QString& folder() const { return folder_; }
    // A file or folder under the program folder, found whatever the case of
    // its names ("txts/1.txt" finds Txts/1.txt): the folders came from Windows.
    QString path(const QString& relative) const;
    QString manualPath() const;
    QString historyPath() const;
    // "txts/<table number>.txt"; version files "dots/version.txt" and the like.
    QString commentsPath(const QString& ntbl) const;
    bool hasComments(const QString& ntbl) const;

    // Deletes temp/*.xls and temp/*.dot, stopping at the first file that
    // cannot be deleted. Returns the number deleted.
    int deleteTemporaryFiles() const;

private:
    QString folder_;
};

}  // namespace vexo::workspace
