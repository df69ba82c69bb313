#include "ui/TrayPollListener.h"

#include "cpuidle/CpuIdleLauncher.h"
#include "ui/TrayIcons.h"

namespace cdx {

void TrayPollListener::createIcon()
{
    if (m_icons != nullptr) {
        m_icons->createIcon();
    }
}

bool TrayPollListener::cpuIdleLaunched() const
{
    return m_cpuIdle != nullptr && m_cpuIdle->triggered();
}

void TrayPollListener::checkCpuIdleLaunch()
{
    if (m_cpuIdle != nullptr) {
        m_cpuIdle->checkCpuIdleLaunch();
    }
}

void TrayPollListener::checkCpuIdleClose()
{
    if (m_cpuIdle != nullptr) {
        m_cpuIdle->checkCpuIdleClose();
    }
}

} // namespace cdx
