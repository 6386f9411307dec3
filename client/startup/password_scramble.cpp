#include "password_scramble.h"

#include "data/text_codec.h"

namespace vexo::startup {

QString scramblePassword(const QString& typed) {
    std::string bytes = data::toCp1251(typed);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const int code = static_cast<unsigned char>(bytes[i]);
        bytes[i] = static_cast<char>((code - static_cast<int>(i) + 25) & 0xFF);
    }
    // Every byte survives the way back, also the one Windows-1251 leaves unassigned.
    return data::fromCp1251(bytes);
}

}  // namespace vexo::startup
