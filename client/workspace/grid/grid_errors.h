#pragma once

#include <exception>

namespace vexo::grid {

// Hands a failure caught inside a Qt handler to the application's error
// report (a plain warning when the program runs without one, as tests do).
void reportError(std::exception_ptr error);

}  // namespace vexo::grid
