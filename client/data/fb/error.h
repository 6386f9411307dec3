#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace vexo::fb {

// A server or client-library error. The first GDS code and the SQL code are
// kept because the error report translates by them; the texts stay as the
// server gave them (converted to UTF-8).
class Error : public std::runtime_error {
public:
    Error(std::string message, long gdsCode, int sqlCode, std::vector<long> gdsCodes,
          std::string sqlState = {});

    // First error code of the status vector, e.g. 335544517 for a procedure exception.
    long gdsCode() const { return gdsCode_; }
    int sqlCode() const { return sqlCode_; }
    const std::vector<long>& gdsCodes() const { return gdsCodes_; }
    const std::string& sqlState() const { return sqlState_; }
    bool hasCode(long code) const;

private:
    long gdsCode_;
    int sqlCode_;
    std::vector<long> gdsCodes_;
    std::string sqlState_;
};

// Throws Error when the status vector holds an error.
void checkStatus(const long* status);

}  // namespace vexo::fb
