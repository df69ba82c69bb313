#pragma once

#include <memory>

#include "monitor/GaugeSet.h"
#include "monitor/MonitorTimers.h"
#include "monitor/PollCycle.h"
#include "monitor/ReadingsPanel.h"
#include "monitor/UpDownStatistics.h"

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

    GaugeSet gauges;
    UpDownStatistics statistics;
    ReadingsPanel panel;
    PollCycle poll;
};

} // namespace cdx
