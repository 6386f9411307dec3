#pragma once

#include <functional>
#include <vector>

namespace vexo::data {

// An event that other parts of the program hook into, in the order they hooked.
// A handler may throw to stop the action (SilentAbort stops it without a message).
template <class... Args> class Hook {
public:
    using Handler = std::function<void(Args...)>;
    void add(Handler handler) { handlers_.push_back(std::move(handler)); }
    void clear() { handlers_.clear(); }
    void operator()(Args... args) const {
        for (const Handler& h : handlers_) h(args...);
    }

private:
    std::vector<Handler> handlers_;
};

// Stops an action quietly: the user sees nothing (a refused edit of a locked cell).
struct SilentAbort {};

}  // namespace vexo::data
