#pragma once

#include <QMainWindow>

#include <exception>

namespace vexo::data {
class TfDM;
}
namespace vexo::startup {
class ErrorReport;
}

namespace vexo::workspace {

// The main window: it lives for the whole run and owns the current table,
// period, year and territory.
class TfMain : public QMainWindow {
    Q_OBJECT
public:
    static const QString kTitle;  // "Ривента"

    TfMain(data::TfDM& dm, startup::ErrorReport& errors, QWidget* parent = nullptr);

public slots:
    // Every exception that reaches the application's hook.
    void ApplicationEvents1Exception(std::exception_ptr error);

private:
    data::TfDM& dm_;
    startup::ErrorReport& errors_;
};

}  // namespace vexo::workspace
