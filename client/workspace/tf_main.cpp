#include "tf_main.h"

#include "data/data_module.h"
#include "startup/error_report.h"

#include <QLabel>

namespace vexo::workspace {

const QString TfMain::kTitle = QStringLiteral("Ривента");

TfMain::TfMain(data::TfDM& dm, startup::ErrorReport& errors, QWidget* parent)
    : QMainWindow(parent), dm_(dm), errors_(errors) {
    setObjectName("TfMain");
    setWindowTitle(kTitle);
    auto* placeholder = new QLabel(QStringLiteral("Ривента: база данных подключена."), this);
    placeholder->setAlignment(Qt::AlignCenter);
    setCentralWidget(placeholder);
    resize(1024, 720);
}

void TfMain::ApplicationEvents1Exception(std::exception_ptr error) { errors_.report(error, &dm_); }

}  // namespace vexo::workspace
