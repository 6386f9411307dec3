#include "win1251.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace vexo::fb {

namespace {

// iconv descriptors are not thread-safe; one per direction and per thread is cheap enough.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of in; a character without a form in the target set is
    // replaced by '?' when lenient, otherwise the call fails.
    bool convert(std::string_view in, std::string& out, bool lenient) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.clear();
        out.reserve(in.size() * 2);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buffer[1024];
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, dst);
            if (rc != static_cast<size_t>(-1)) continue;
            if (errno == E2BIG) continue;
            if (!lenient) return false;
            // EILSEQ or a truncated sequence: skip one byte of input.
            out.push_back('?');
            ++src;
            --srcLeft;
            // Skip UTF-8 continuation bytes of the same character.
            while (srcLeft > 0 && (static_cast<unsigned char>(*src) & 0xC0) == 0x80) {
                ++src;
                --srcLeft;
            }
        }
        return true;
    }

private:
    iconv_t cd_;
};

Converter& toWin1251() {
    thread_local Converter c("CP1251", "UTF-8");
    return c;
}

Converter& fromWin1251() {
    thread_local Converter c("UTF-8", "CP1251");
    return c;
}

bool isAscii(std::string_view s) {
    for (unsigned char ch : s)
        if (ch >= 0x80) return false;
    return true;
}

}  // namespace

std::string utf8ToWin1251(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    std::string out;
    toWin1251().convert(utf8, out, true);
    return out;
}

bool tryUtf8ToWin1251(std::string_view utf8, std::string& out) {
    if (isAscii(utf8)) {
        out.assign(utf8);
        return true;
    }
    std::string converted;
    if (!toWin1251().convert(utf8, converted, false)) return false;
    out = std::move(converted);
    return true;
}

std::string win1251ToUtf8(std::string_view cp1251) {
    if (isAscii(cp1251)) return std::string(cp1251);
    std::string out;
    // Byte 0x98 is the only unassigned byte of the code page.
    fromWin1251().convert(cp1251, out, true);
    return out;
}

}  // namespace vexo::fb
