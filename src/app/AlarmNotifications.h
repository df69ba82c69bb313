#pragma once

#include <functional>

#include "alarms/AlarmNotices.h"
#include "platform/qt/DbusDesktopNotifications.h"

namespace cdx {

class AlarmActions;
struct Settings;

// The alarms' desktop notifications put together: the notification server
// on the session bus, and the notices of the alarms the actions raise.
class AlarmNotifications {
public:
    // `open` shows the window, for a notice's "Open" action.
    AlarmNotifications(Settings& settings, AlarmActions& actions, std::function<void()> open);
    ~AlarmNotifications();

    AlarmNotifications(const AlarmNotifications&) = delete;
    AlarmNotifications& operator=(const AlarmNotifications&) = delete;

    // After each poll: an alarm that came back withdraws its notice.
    void pollEnded() { m_notices.pollEnded(); }

private:
    AlarmActions& m_actions;
    DbusDesktopNotifications m_desktop;
    AlarmNotices m_notices;
};

} // namespace cdx
