#include "result_buffer.h"

#include <ib_util.h>

#include <cstring>
#include <new>

namespace vexo::udf {

char* to_result(std::string_view text) {
    auto* buffer = static_cast<char*>(ib_util_malloc(static_cast<long>(text.size() + 1)));
    if (buffer == nullptr) throw std::bad_alloc();
    if (!text.empty()) std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    return buffer;
}

char* failure_result(std::string_view function, std::string_view reason) noexcept {
    auto* buffer = static_cast<char*>(ib_util_malloc(static_cast<long>(kFailureResultLength + 1)));
    if (buffer == nullptr) return nullptr;
    // "VexoUdf:coord:missing_integer_in_cell_reference|" repeated; blanks become "_" because the
    // server silently drops trailing blanks instead of failing.
    char message[160];
    std::size_t length = 0;
    const auto append = [&](std::string_view part) {
        for (const char ch : part) {
            if (length < sizeof message) message[length++] = ch == ' ' ? '_' : ch;
        }
    };
    append("VexoUdf:");
    append(function);
    append(":");
    append(reason);
    append("|");
    for (std::size_t i = 0; i < kFailureResultLength; ++i) buffer[i] = message[i % length];
    buffer[kFailureResultLength] = '\0';
    return buffer;
}

}  // namespace vexo::udf
