#pragma once

#include <cstdint>

namespace cdx {

// An invisible window that receives numbered messages from the program's own
// event loop. A message posted to it is handled later, after the poster has
// returned, on the program's one thread.
class MessageWindow {
public:
    virtual ~MessageWindow() = default;

    virtual void postMessage(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam) = 0;
};

} // namespace cdx
