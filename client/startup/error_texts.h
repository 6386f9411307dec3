#pragma once

#include <QString>

namespace vexo::startup {

// Russian text for a database server status code; empty when the code is not known.
QString errorTextForCode(long statusCode);

}  // namespace vexo::startup
