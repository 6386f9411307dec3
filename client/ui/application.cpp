#include "application.h"

#include "app_error.h"
#include "dialogs.h"

namespace vexo::ui {

VexoApplication::VexoApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool VexoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        handleException(std::current_exception());
    }
    return false;
}

void VexoApplication::handleException(std::exception_ptr error) {
    if (hook_) {
        hook_(error);
        return;
    }
    try {
        std::rethrow_exception(error);
    } catch (const AppError& e) {
        showWarning(e.text(), kCaptionError);
    } catch (const std::exception& e) {
        showWarning(QString::fromUtf8(e.what()), kCaptionError);
    } catch (...) {
    }
}

}  // namespace vexo::ui
