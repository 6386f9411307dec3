#pragma once

#include <QSettings>

#include <memory>

namespace vexo::startup {

// The form-placement store: window sizes, splitter positions, a few check
// marks and the last user name, kept per user of the computer (not in the
// database, which all workstations share).
std::unique_ptr<QSettings> placementStore();

}  // namespace vexo::startup
