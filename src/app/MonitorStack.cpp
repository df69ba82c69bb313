#include "app/MonitorStack.h"

#include "app/PlatformServices.h"

namespace cdx {

MonitorStack::MonitorStack(PlatformServices& platform, Settings& settings, SensorDriver& driver, MonitorTimers& timers,
                           PollListener& listener)
    : gauges(platform.formats.decimalSeparator),
      poll(PollCycle::Parts{driver, settings, gauges, statistics, panel, listener,
                            [&timers] { return timers.pollingActive(); }})
{
    poll.setDecimalSeparator(platform.formats.decimalSeparator);
    poll.setClock(platform.clock);
}

} // namespace cdx
