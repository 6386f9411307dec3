#include "vexo_ini.h"

#include "data/text_codec.h"
#include "ui/app_error.h"

#include <QFile>
#include <QRegularExpression>

namespace vexo::startup {

const QString VexoIni::kFileName = QStringLiteral("vexo.ini");

bool VexoIni::exists() const { return QFile::exists(path_); }

QStringList VexoIni::readLines() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Не удается открыть файл %1.").arg(path_));
    QStringList lines;
    while (lines.size() < kLines && !file.atEnd()) {
        QByteArray line = file.readLine();
        while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
        lines << data::fromCp1251(std::string_view(line.constData(), static_cast<size_t>(line.size())));
    }
    while (lines.size() < kLines) lines << QString();
    return lines;
}

void VexoIni::writeLines(const QStringList& lines) const {
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw AppError(QStringLiteral("Не удается записать файл %1.").arg(path_));
    for (const QString& line : lines) {
        const std::string bytes = data::toCp1251(line);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.write("\r\n");
    }
}

QString VexoIni::keyOf(const QString& line) { return line.section('=', 0, 0).trimmed().toUpper(); }

QString VexoIni::valueOf(const QString& line) { return line.section('=', 1, 1).trimmed(); }

int VexoIni::indexOfKey(const QStringList& lines, const QString& key) {
    for (int i = 0; i < std::min<int>(kLines, lines.size()); ++i)
        if (lines[i].contains('=') && keyOf(lines[i]) == key) return i;
    return -1;
}

std::optional<QString> VexoIni::value(const QStringList& lines, const QString& key) {
    const int i = indexOfKey(lines, key);
    if (i < 0) return std::nullopt;
    return valueOf(lines[i]);
}

bool VexoIni::putInFirstEmpty(QStringList& lines, const QString& text) {
    for (int i = 0; i < std::min<int>(kLines, lines.size()); ++i) {
        if (lines[i].trimmed().isEmpty()) {
            lines[i] = text;
            return true;
        }
    }
    return false;
}

bool VexoIni::isLocal(const std::optional<QString>& dbPath) {
    if (!dbPath) return true;
    // No drive letters here: any part before a colon names a server.
    const QStringList parts = dbPath->split(':');
    if (parts.size() > 1) return false;
    for (const QString& part : dbPath->split(QRegularExpression("[:=]")))
        if (part == "LOCALHOST") return false;
    return true;
}

QStringList VexoIni::withPassword(QStringList lines, const QString& password) {
    for (QString& line : lines)
        if (keyOf(line) == "PASSWORD") line = "Password=" + password;
    return lines;
}

}  // namespace vexo::startup
