#pragma once

#include <memory>
#include <string>

#include "monitor/MonitorTimers.h"
#include "monitor/PollCycle.h"
#include "presentation/GaugeSet.h"
#include "presentation/ReadingsPanel.h"
#include "presentation/UpDownStatistics.h"

namespace cdx {

class PollListener;
class SensorDriver;
struct PlatformServices;
struct Settings;

// The gauges, the readings panel, the statistics and the poll that feeds
// them.
struct MonitorStack {
    MonitorStack(PlatformServices& platform, Settings& settings, SensorDriver& driver, MonitorTimers& timers,
                 PollListener& listener);

    // At start, before the settings are loaded: the statistics begin now,
    // the user is given the driver's notice, if any, and the chip is looked
    // for; without one the user is told there will be no motherboard
    // readings. Returns whether the chip is there.
    bool startUp(int cpuClockMhz, const std::string& driverNotice);
    // Once this is the one instance running: the chip restarted and its fan
    // divisors read.
    void restartChip();

    GaugeSet gauges;
    UpDownStatistics statistics;
    ReadingsPanel panel;
    PollCycle poll;

private:
    PlatformServices& m_platform;
    SensorDriver& m_driver;
};

} // namespace cdx
