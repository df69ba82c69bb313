#include "app/MonitorStack.h"

#include "app/PlatformServices.h"

namespace cdx {

MonitorStack::MonitorStack(PlatformServices& platform, Settings& settings, SensorDriver& driver, MonitorTimers& timers,
                           PollListener& listener)
    : gauges{GaugeModel(platform.formats.decimalSeparator), GaugeModel(platform.formats.decimalSeparator),
             GaugeModel(platform.formats.decimalSeparator), GaugeModel(platform.formats.decimalSeparator)},
      poll(PollCycle::Parts{
          driver, settings, {&gauges[0], &gauges[1], &gauges[2], &gauges[3]}, statistics, panel, listener, [&timers] {
              return timers.pollingActive();
          }})
{
    poll.setDecimalSeparator(platform.formats.decimalSeparator);
    poll.setClock(platform.clock);
}

} // namespace cdx
