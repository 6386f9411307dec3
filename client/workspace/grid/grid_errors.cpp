#include "grid_errors.h"

#include "data/hook.h"
#include "ui/app_error.h"
#include "ui/application.h"
#include "ui/dialogs.h"

#include <QCoreApplication>

namespace vexo::grid {

void reportError(std::exception_ptr error) {
    if (auto* app = qobject_cast<ui::VexoApplication*>(QCoreApplication::instance())) {
        app->handleException(error);
        return;
    }
    try {
        std::rethrow_exception(error);
    } catch (const data::SilentAbort&) {
    } catch (const AppError& e) {
        ui::showWarning(e.text(), ui::kCaptionError);
    } catch (const std::exception& e) {
        ui::showWarning(QString::fromUtf8(e.what()), ui::kCaptionError);
    } catch (...) {
        ui::showWarning(QStringLiteral("Неизвестная ошибка."), ui::kCaptionError);
    }
}

}  // namespace vexo::grid
