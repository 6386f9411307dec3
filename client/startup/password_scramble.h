#pragma once

#include <QString>

namespace vexo::startup {

// The stored form of a password: the byte at position i (from 0) of its
// Windows-1251 text becomes byte - i + 25, modulo 256. Weak, but every
// password already stored in UST3 is in this form, so login and password
// change compare and store only this text, never the typed one.
QString scramblePassword(const QString& typed);

}  // namespace vexo::startup
