#pragma once

#include "monitor/PollListener.h"

namespace cdx {

class CpuIdleLauncher;
class TrayIcons;

// What the poll triggers besides its own work: the tray icons' redraw and
// the CPU Idle checks.
class TrayPollListener : public PollListener {
public:
    void attach(TrayIcons* icons) { m_icons = icons; }
    void attachCpuIdle(CpuIdleLauncher* launcher) { m_cpuIdle = launcher; }

    void createIcon() override;
    bool cpuIdleLaunched() const override;
    void checkCpuIdleLaunch() override;
    void checkCpuIdleClose() override;

private:
    TrayIcons* m_icons = nullptr;
    CpuIdleLauncher* m_cpuIdle = nullptr;
};

} // namespace cdx
