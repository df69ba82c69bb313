#pragma once

#include <functional>
#include <string>

namespace cdx {

// One message for the desktop's notification centre.
struct DesktopNotice {
    std::string summary;
    std::string body;
    // Stays until dismissed and is shown above others.
    bool critical = false;
};

// The desktop's notifications. The caller names each notice by a number of
// its own choosing; showing a notice under a number already shown replaces
// it in place instead of adding another.
class DesktopNotifications {
public:
    virtual ~DesktopNotifications() = default;

    virtual void show(int key, const DesktopNotice& notice) = 0;
    // Withdraws the notice shown under `key`; nothing when there is none.
    virtual void close(int key) = 0;
    // Called when the user chooses the "Open" action of a notice.
    virtual void setOnOpen(std::function<void()> handler) = 0;
};

} // namespace cdx
