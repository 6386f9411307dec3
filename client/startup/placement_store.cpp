#include "placement_store.h"

namespace vexo::startup {

std::unique_ptr<QSettings> placementStore() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Riventa"),
                                       QStringLiteral("Vexo"));
}

}  // namespace vexo::startup
