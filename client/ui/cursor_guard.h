#pragma once

namespace vexo::ui {

// The hourglass for a long action; restored on every way out of the scope.
class HourglassCursor {
public:
    HourglassCursor();
    ~HourglassCursor();
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;

private:
    bool active_ = false;
};

}  // namespace vexo::ui
