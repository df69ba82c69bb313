#pragma once

#include <array>
#include <memory>

#include "monitor/GaugeModel.h"
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

    std::array<const GaugeModel*, 4> constGauges() const { return {&gauges[0], &gauges[1], &gauges[2], &gauges[3]}; }

    std::array<GaugeModel, 4> gauges;
    UpDownStatistics statistics;
    ReadingsPanel panel;
    PollCycle poll;
};

} // namespace cdx
