#include "error.h"

#include "win1251.h"

#include <ibase.h>

#include <algorithm>

namespace vexo::fb {

Error::Error(std::string message, long gdsCode, int sqlCode, std::vector<long> gdsCodes,
             std::string sqlState)
    : std::runtime_error(std::move(message)),
      gdsCode_(gdsCode),
      sqlCode_(sqlCode),
      gdsCodes_(std::move(gdsCodes)),
      sqlState_(std::move(sqlState)) {}

bool Error::hasCode(long code) const {
    return std::find(gdsCodes_.begin(), gdsCodes_.end(), code) != gdsCodes_.end();
}

namespace {

// Every isc_arg_gds entry of the vector, in order.
std::vector<long> collectCodes(const ISC_STATUS* status) {
    std::vector<long> codes;
    for (const ISC_STATUS* p = status; *p != isc_arg_end;) {
        const ISC_STATUS kind = *p++;
        if (kind == isc_arg_gds) codes.push_back(static_cast<long>(*p));
        if (kind == isc_arg_cstring) ++p;  // length, then pointer
        ++p;
    }
    return codes;
}

}  // namespace

void checkStatus(const long* statusIn) {
    const auto* status = reinterpret_cast<const ISC_STATUS*>(statusIn);
    if (!(status[0] == 1 && status[1] != 0)) return;

    std::string text;
    const ISC_STATUS* cursor = status;
    char line[1024];
    while (fb_interpret(line, sizeof line, &cursor) > 0) {
        if (!text.empty()) text += '\n';
        text += line;
    }
    char state[FB_SQLSTATE_SIZE] = {};
    fb_sqlstate(state, status);
    throw Error(win1251ToUtf8(text), static_cast<long>(status[1]), isc_sqlcode(status),
                collectCodes(status), state);
}

}  // namespace vexo::fb
