#pragma once

#include "demo_prng.h"

#include <string>

namespace vexo::demo::detail {

// "Фамилия Имя Отчество" of an invented person.
std::string personName(DemoPrng& g, bool male);

}  // namespace vexo::demo::detail
