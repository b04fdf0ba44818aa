// A request to stop a compare that runs on another thread; the engine looks at it between its
// passes and between blocks.
#pragma once

#include <atomic>

namespace varnex {

class CancelFlag {
public:
    void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> cancelled_{false};
};

// True when `flag` is given and set.
inline bool IsCancelled(const CancelFlag* flag) {
    return flag && flag->Cancelled();
}

} // namespace varnex
