#pragma once

#include "monitor/PollListener.h"

namespace cdx {

class TrayIcons;

// What the poll triggers besides its own work: the tray icons' redraw. The
// external power-saving program is not watched yet, so its checks do nothing.
class TrayPollListener : public PollListener {
public:
    void attach(TrayIcons* icons) { m_icons = icons; }

    void createIcon() override;
    bool cpuIdleLaunched() const override { return false; }
    void checkCpuIdleLaunch() override {}
    void checkCpuIdleClose() override {}

private:
    TrayIcons* m_icons = nullptr;
};

} // namespace cdx
