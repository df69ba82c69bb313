#include "app/MonitorStack.h"

#include "app/PlatformServices.h"
#include "sensors/Formats.h"
#include "sensors/SensorDriver.h"

namespace cdx {

MonitorStack::MonitorStack(PlatformServices& platform, Settings& settings, SensorDriver& driver, MonitorTimers& timers,
                           PollListener& listener)
    : gauges(platform.formats.decimalSeparator),
      poll(PollCycle::Parts{driver, settings, gauges, statistics, panel, listener,
                            [&timers] { return timers.pollingActive(); }}),
      m_platform(platform), m_driver(driver)
{
    poll.setDecimalSeparator(platform.formats.decimalSeparator);
    poll.setClock(platform.clock);
}

bool MonitorStack::startUp(int cpuClockMhz, const std::string& driverNotice)
{
    poll.setCpuClockMhz(cpuClockMhz);
    poll.resetStatistics();
    statistics.setStartTime(formatLongTime(m_platform.clock.now(), m_platform.formats));
    // Readings that are not measured must never pass for measured ones.
    if (!driverNotice.empty()) {
        m_platform.messages.showInformation(driverNotice);
    }
    const bool chipDetected = m_driver.CheckLM78();
    if (!chipDetected) {
        m_platform.messages.showInformation(
            "No LM78 Detected. There will be no Motherboard Temperature, Voltage or Fan readouts");
    }
    poll.setChipPresent(chipDetected);
    return chipDetected;
}

void MonitorStack::restartChip()
{
    m_driver.RestartLM78();
    poll.setFanDivisors(m_driver.GetFanDivide1(), m_driver.GetFanDivide2());
}

} // namespace cdx
