#pragma once

namespace cdx {

// The other work one poll triggers: the tray icons and the CPU Idle checks.
class PollListener {
public:
    virtual ~PollListener() = default;

    // Redraws the tray icons from the gauges' labels.
    virtual void createIcon() = 0;
    // True once the program has launched CPU Idle itself.
    virtual bool cpuIdleLaunched() const = 0;
    virtual void checkCpuIdleLaunch() = 0;
    virtual void checkCpuIdleClose() = 0;
};

} // namespace cdx
