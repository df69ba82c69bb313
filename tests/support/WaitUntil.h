#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace cdx::test {

// Checks `condition` until it holds or `limit` has passed, running
// `meanwhile` (events to hand over, say) before each check. Whether it held.
inline bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit,
                      const std::function<void()>& meanwhile = {})
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (true) {
        if (meanwhile) {
            meanwhile();
        }
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

} // namespace cdx::test
