#pragma once

// Text results handed to the server: fresh ib_util_malloc buffers the server frees.

#include <string_view>

namespace vexo::udf {

// length + 1 bytes holding text and its terminating zero; throws std::bad_alloc when the
// allocator fails.
char* to_result(std::string_view text);

// A result the server rejects: longer than any declared CSTRING (32767), without blanks, so the
// calling statement fails with a string truncation error. nullptr if even that cannot be allocated.
char* failure_result(std::string_view function, std::string_view reason) noexcept;

inline constexpr std::size_t kFailureResultLength = 32768;

}  // namespace vexo::udf
