#pragma once

// Raised where a call must fail the calling SQL statement; everything else has a fallback value.

#include <stdexcept>

namespace vexo::udf {

class Failure : public std::runtime_error {
public:
    enum class Kind {
        overflow,        // floating overflow while evaluating
        cannot_round,    // the value times 100 does not fit a 64-bit integer
        not_an_integer,  // a cell reference needs an integer its text does not hold
    };

    Failure(Kind kind, const char* reason) : std::runtime_error(reason), kind_(kind) {}

    Kind kind() const noexcept { return kind_; }

private:
    Kind kind_;
};

}  // namespace vexo::udf
