#include "cursor_guard.h"

#include <QCursor>
#include <QGuiApplication>

namespace vexo::ui {

HourglassCursor::HourglassCursor() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        active_ = true;
    }
}

HourglassCursor::~HourglassCursor() {
    if (active_) QGuiApplication::restoreOverrideCursor();
}

}  // namespace vexo::ui
