#pragma once

#include <QApplication>

#include <exception>
#include <functional>

namespace vexo::ui {

// The application object: every exception that escapes an event handler ends
// up in one hook instead of tearing the program down.
class VexoApplication : public QApplication {
    Q_OBJECT
public:
    VexoApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    using ExceptionHook = std::function<void(std::exception_ptr)>;
    void setExceptionHook(ExceptionHook hook) { hook_ = std::move(hook); }
    void handleException(std::exception_ptr error);

private:
    ExceptionHook hook_;
};

}  // namespace vexo::ui
