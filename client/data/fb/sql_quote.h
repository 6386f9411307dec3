#pragma once

#include <string>
#include <string_view>

namespace vexo::fb {

// The one way a value enters SQL text: a string literal with every apostrophe
// doubled, so that no value can end the literal early.
std::string quoteLiteral(std::string_view value);

}  // namespace vexo::fb
