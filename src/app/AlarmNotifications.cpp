#include "app/AlarmNotifications.h"

#include <iostream>

#include "alarms/AlarmActions.h"
#include "ui/ProgramIcon.h"

namespace cdx {

AlarmNotifications::AlarmNotifications(Settings& settings, AlarmActions& actions, std::function<void()> open)
    : m_actions(actions), m_desktop(std::cerr, ProgramIcon::plain(), QStringLiteral("caldrix")),
      m_notices(settings, m_desktop)
{
    m_desktop.setOnOpen(std::move(open));
    m_actions.attachNotices(&m_notices);
}

AlarmNotifications::~AlarmNotifications()
{
    m_actions.attachNotices(nullptr);
}

} // namespace cdx
