#pragma once

#include "platform/NotifyCommand.h"
#include "platform/NotifyIconData.h"

namespace cdx {

// The desktop's notification area ("system tray"). It shows icons described
// by NotifyIconData records and posts the record's callback message to the
// record's window when the user clicks one.
class NotificationArea {
public:
    virtual ~NotificationArea() = default;

    // Adds, changes or removes the icon named by the record's window and
    // identifier. Returns false when the notification area refused: adding an
    // icon that is already there, changing or removing one that is not, or no
    // notification area at all.
    virtual bool notifyIcon(NotifyCommand command, const NotifyIconData& data) = 0;
};

} // namespace cdx
