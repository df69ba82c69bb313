#pragma once

#include <functional>

#include "platform/LocalMessage.h"

namespace cdx {

// The requests other programs of the user may send to Caldrix's endpoint:
// show the window, show it expanded, report the CPU Idle temperature, open
// the History window. The parameters of these requests are not used; any
// other message is ignored.
struct ExternalRequests {
    std::function<void()> show;              // as the popup menu's "Show"
    std::function<void()> showExpanded;      // as "Show && Expand"
    std::function<void()> reportTemperature; // answered to CPU Idle
    std::function<void()> showHistory;       // as "History"

    // Runs the handler of `message`; false when it is not one of these.
    bool handle(const LocalMessage& message) const;
};

} // namespace cdx
