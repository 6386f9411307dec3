#include "about_window.h"

#include "data/text_codec.h"
#include "program_files.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexo::workspace {

const QString TfAbout::kProduct = QStringLiteral("\"Ривента\"");
const QString TfAbout::kRelease = QStringLiteral("версия 3.78 от 20.01.2020");

namespace {

const QString kUnknown = QStringLiteral("не определена");

QString firstLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray line = file.readLine();
    return data::fromCp1251(std::string_view(line.constData(), static_cast<size_t>(line.size()))).trimmed();
}

QString orUnknown(const QString& value) { return value.trimmed().isEmpty() ? kUnknown : value.trimmed(); }

}  // namespace

QStringList aboutVersionLines(const QString& programFolder, const QString& referenceVersion) {
    const ProgramFiles files(programFolder);
    return {
        QStringLiteral("версия справочников: ") + orUnknown(referenceVersion),
        QStringLiteral("версия dot-шаблонов: ") + orUnknown(firstLine(files.path("dots/version.txt"))),
        QStringLiteral("версия xlt-шаблонов: ") + orUnknown(firstLine(files.path("xlts/version.txt"))),
        QStringLiteral("версия комментариев: ") + orUnknown(firstLine(files.path("txts/version.txt"))),
        QStringLiteral("версия xls-файлов: ") + orUnknown(firstLine(files.path("xlss/version.txt"))),
    };
}

TfAbout::TfAbout(const QStringList& versionLines, QWidget* parent) : QDialog(parent) {
    setObjectName("TfAbout");
    setWindowTitle(QStringLiteral("О программе"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel(kProduct, this);
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    product->setFont(big);
    product->setAlignment(Qt::AlignCenter);
    layout->addWidget(product);
    auto* release = new QLabel(kRelease, this);
    release->setAlignment(Qt::AlignCenter);
    layout->addWidget(release);
    layout->addSpacing(12);
    for (const QString& line : versionLines) layout->addWidget(new QLabel(line, this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setMinimumWidth(320);
}

}  // namespace vexo::workspace
