#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

namespace vexo::workspace {

// The version lines of "О программе": the reference files' version (setting
// VersionSpr) and the first lines of the version files of the template folders.
QStringList aboutVersionLines(const QString& programFolder, const QString& referenceVersion);

// The window "О программе".
class TfAbout : public QDialog {
    Q_OBJECT
public:
    static const QString kProduct;  // "\"Ривента\""
    static const QString kRelease;  // "версия 3.78 от 20.01.2020"

    TfAbout(const QStringList& versionLines, QWidget* parent = nullptr);
};

}  // namespace vexo::workspace
