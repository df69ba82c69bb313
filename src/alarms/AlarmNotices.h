#pragma once

#include <array>
#include <string>

#include "sensors/Alarm.h"

namespace cdx {

class DesktopNotifications;
struct Settings;

// The desktop notifications of the alarms, one per alarm, besides the Warning dialog:
//
// - raised: the alarm's warning is raised. Its notice is posted with the
//   warning log's text, critical for a temperature; an alarm whose notice is
//   still up has it updated in place, never a second one.
// - latched: once raised, an alarm switches itself off; its notice stays up
//   while it is off and while it is raised again each poll.
// - cleared: a poll after which the alarm is switched on and was not raised
//   (the reading came back) withdraws its notice.
//
// Nothing is posted while "Desktop Notifications" is off.
class AlarmNotices {
public:
    static constexpr const char* Summary = "Caldrix";

    AlarmNotices(Settings& settings, DesktopNotifications& notifications)
        : m_settings(settings), m_notifications(notifications)
    {
    }

    void raised(Alarm alarm, const std::string& logText);
    // After each poll's alarm checks.
    void pollEnded();

    bool shown(Alarm alarm) const;

private:
    static constexpr std::size_t Count = 9; // by the alarm's number, 1 to 8

    Settings& m_settings;
    DesktopNotifications& m_notifications;
    std::array<bool, Count> m_shown{};
    std::array<bool, Count> m_raisedThisPoll{};
    std::array<std::string, Count> m_text;
};

} // namespace cdx
