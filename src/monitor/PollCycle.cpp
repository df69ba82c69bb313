#include "monitor/PollCycle.h"

#include <chrono>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "monitor/PollListener.h"
#include "platform/Clock.h"
#include "presentation/GaugeSet.h"
#include "sensors/DriverReading.h"
#include "sensors/FanSpeed.h"
#include "sensors/Formats.h"
#include "sensors/ReadingsListener.h"
#include "sensors/SensorDriver.h"
#include "sensors/TemperatureConversion.h"
#include "sensors/TemperatureScale.h"
#include "sensors/VoltageConversion.h"
#include "settings/Settings.h"

namespace cdx {

namespace {

// A step that cannot go on ends its guarded region of the poll.
class RegionFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

template <typename F> void guarded(F&& region)
{
    try {
        region();
    } catch (const std::exception&) {
        // The region ends silently; what it showed stays.
    }
}

// A driver value the program can show and keep statistics of. Not a number,
// an infinity or an absurd magnitude would stick in the lowest and highest
// values for good (and cannot be rounded): such a reading is not taken.
bool plausibleReading(double value)
{
    return std::isfinite(value) && std::fabs(value) < 1e6;
}

DriverReading driverReading(VoltageRail rail, bool corePort1)
{
    switch (rail) {
    case VoltageRail::Core:
        return corePort1 ? DriverReading::Core1 : DriverReading::Core0;
    case VoltageRail::Pos33:
        return DriverReading::Pos33;
    case VoltageRail::Pos5:
        return DriverReading::Pos5;
    case VoltageRail::Pos12:
        return DriverReading::Pos12;
    case VoltageRail::Neg12:
        return DriverReading::Neg12;
    case VoltageRail::Neg5:
        return DriverReading::Neg5;
    }
    return DriverReading::Core0;
}

constexpr std::array<VoltageRail, 6> kRails{VoltageRail::Core,  VoltageRail::Pos33, VoltageRail::Pos5,
                                            VoltageRail::Pos12, VoltageRail::Neg12, VoltageRail::Neg5};

} // namespace

PollCycle::PollCycle(Parts parts) : m_parts(std::move(parts))
{
}

void PollCycle::setFanDivisors(std::int32_t fan1, std::int32_t fan2)
{
    m_fanDivisor1 = fan1;
    m_fanDivisor2 = fan2;
}

TemperatureDisplay PollCycle::display() const
{
    TemperatureDisplay d;
    d.scale = scaleFromCaption(m_scaleCaption);
    d.roundFahrenheit = m_parts.settings.roundFahrenheit;
    d.degreeText = degreeText(m_parts.settings.showDegreeInWindow);
    d.decimalSeparator = m_decimalSeparator;
    return d;
}

void PollCycle::showTemperature(TemperatureSensor sensor, float celsius, UpDownReading reading)
{
    GaugeModel& g = gauge(sensor);
    g.setPosition(celsius);
    const double shown = g.position();
    m_readings.temperature(sensor) = shown;
    g.setCenterLabel(centerLabelText(shown, display(), wholeDegreesFor(sensor)));
    m_parts.statistics.feed(reading, shown, display());
}

// A sensor the driver could not identify reads as no sensor at all.
void PollCycle::showNoSensor(TemperatureSensor sensor)
{
    GaugeModel& g = gauge(sensor);
    g.setCenterLabel("--");
    g.setPosition(0.0F);
    m_readings.temperature(sensor).reset();
}

void PollCycle::poll()
{
    Settings& s = m_parts.settings;
    SensorDriver& driver = m_parts.driver;
    const ReadingMask available = driver.availableReadings();

    // Temperatures keep a value the gauge refused; voltages and fans hold
    // only what this poll reads.
    m_readings.voltages = {};
    m_readings.fans = {};
    m_readings.fansStopped = {};
    m_readings.tickMs = m_clock != nullptr ? m_clock->tickCount() : 0;
    m_readings.unixSeconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
    for (TemperatureSensor sensor :
         {TemperatureSensor::WB1, TemperatureSensor::LM75, TemperatureSensor::WB2, TemperatureSensor::WB3}) {
        if (!s.temperature(sensor).sensorEnabled) {
            m_readings.temperature(sensor).reset();
        }
    }

    if (m_chipPresent) {
        m_fanCounts = {driver.GetLM78Fan1(), driver.GetLM78Fan2(), driver.GetLM78Fan3()};
    }
    if (s.temperature(TemperatureSensor::WB1).sensorEnabled) {
        if (hasReading(available, DriverReading::Wb1Temperature)) {
            const float wb1 =
                compensateWB1(driver.GetLM78Temp(), {s.temperature(TemperatureSensor::WB1).compensationEnabled,
                                                     s.temperature(TemperatureSensor::WB1).compensation});
            showTemperature(TemperatureSensor::WB1, wb1, UpDownReading::WB1);
        } else {
            showNoSensor(TemperatureSensor::WB1);
        }
    }
    if (s.temperature(TemperatureSensor::WB2).sensorEnabled && !hasReading(available, DriverReading::Wb2Temperature)) {
        showNoSensor(TemperatureSensor::WB2);
    } else if (s.temperature(TemperatureSensor::WB2).sensorEnabled) {
        const double raw = driver.GetWinBondSensor2();
        if (plausibleReading(raw)) {
            const float wb2 = compensateWinbond(raw, {s.temperature(TemperatureSensor::WB2).compensationEnabled,
                                                      s.temperature(TemperatureSensor::WB2).compensation});
            showTemperature(TemperatureSensor::WB2, wb2, UpDownReading::WB2);
        }
    }
    if (s.temperature(TemperatureSensor::WB3).sensorEnabled && !hasReading(available, DriverReading::Wb3Temperature)) {
        showNoSensor(TemperatureSensor::WB3);
    } else if (s.temperature(TemperatureSensor::WB3).sensorEnabled) {
        const double raw = driver.GetWinBondSensor3();
        if (plausibleReading(raw)) {
            const float wb3 = compensateWinbond(raw, {s.temperature(TemperatureSensor::WB3).compensationEnabled,
                                                      s.temperature(TemperatureSensor::WB3).compensation});
            showTemperature(TemperatureSensor::WB3, wb3, UpDownReading::WB3);
        }
    }

    guarded([&] {
        if (s.temperature(TemperatureSensor::LM75).sensorEnabled) {
            // A processor's own sensor reads its true temperature: no offset.
            const int offset = driver.cpuTemperatureIsTrue() ? 0 : s.cpuOffset;
            const auto lm75 = hasReading(available, DriverReading::CpuTemperature)
                                  ? convertLM75(driver.GetLM75TempAsusTX(), offset)
                                  : std::nullopt;
            if (lm75) {
                showTemperature(TemperatureSensor::LM75, *lm75, UpDownReading::LM75);
            } else {
                showNoSensor(TemperatureSensor::LM75);
            }
        }
        m_parts.listener.createIcon();
    });

    if (m_chipPresent) {
        guarded([&] { pollVoltages(available); });
        pollFans(available);
    }

    m_parts.panel.setPollsText("Number of Polls: " + std::to_string(m_polls));

    for (ReadingsListener* listener : m_readingsListeners) {
        listener->readingsTaken(m_readings);
    }

    if (pollingActive() && s.cpuIdleLaunch && !m_parts.listener.cpuIdleLaunched()) {
        m_parts.listener.checkCpuIdleLaunch();
    }
    if (pollingActive() && s.cpuIdleClose) {
        m_parts.listener.checkCpuIdleClose();
    }
}

void PollCycle::pollVoltages(ReadingMask available)
{
    Settings& s = m_parts.settings;
    SensorDriver& driver = m_parts.driver;
    const VoltageNominals nominals{s.coreVoltageNominal, s.plus33VoltageNominal};
    for (VoltageRail rail : kRails) {
        if (!hasReading(available, driverReading(rail, s.coreVoltagePort1))) {
            // Nothing to check or count: a rail nobody identified is no 0 V rail.
            m_parts.panel.setVoltage(rail, ReadingsPanel::VoltageNotAvailable, false);
            m_polls += rail == VoltageRail::Core ? 1 : 0;
            continue;
        }
        double value = 0.0;
        switch (rail) {
        case VoltageRail::Core:
            value = s.coreVoltagePort1 ? driver.GetLM78Core1() : driver.GetLM78Core0();
            break;
        case VoltageRail::Pos33:
            value = driver.GetLM78Pos33v();
            break;
        case VoltageRail::Pos5:
            value = driver.GetLM78Pos5v();
            break;
        case VoltageRail::Pos12:
            value = driver.GetLM78Pos12v();
            break;
        case VoltageRail::Neg12:
            value = driver.GetLM78Neg12v();
            break;
        case VoltageRail::Neg5:
            value = driver.GetLM78Neg5v();
            break;
        }
        if (!plausibleReading(value)) {
            throw RegionFailure("the driver returned no number for a voltage");
        }
        m_readings.voltage(rail) = value;
        const bool outOfBand = !voltageBand(rail, nominals, s.voltageTolerance).contains(value);
        m_parts.panel.setVoltage(rail, voltageText(value, m_decimalSeparator), outOfBand);
        m_parts.statistics.feed(upDownReadingOf(rail), value, display());
        m_polls += rail == VoltageRail::Core ? 1 : 0;
    }
}

void PollCycle::pollFans(ReadingMask available)
{
    guarded([&] {
        for (Fan fan : {Fan::Fan1, Fan::Fan2, Fan::Fan3}) {
            const auto reading =
                static_cast<DriverReading>(static_cast<int>(DriverReading::Fan1) + static_cast<int>(fan));
            if (!hasReading(available, reading)) {
                // No such fan: not a fan that stopped, so no alarm either.
                m_parts.panel.setFanText(fan, "not available");
                continue;
            }
            if (!pollFan(fan, m_fanCounts[static_cast<std::size_t>(fan)])) {
                throw RegionFailure("fan speed cannot be computed");
            }
        }
    });
}

bool PollCycle::pollFan(Fan fan, std::int32_t count)
{
    const auto& f = std::as_const(m_parts.settings).fan(fan);
    const std::int32_t divisor = fan == Fan::Fan1 ? m_fanDivisor1 : fan == Fan::Fan2 ? m_fanDivisor2 : 0;

    if (!isFanAvailable(count)) {
        m_parts.panel.setFanText(fan, "not available");
        m_readings.fansStopped[static_cast<std::size_t>(fan)] = true;
        return true;
    }

    m_parts.panel.setFanAlarmEditable(fan);
    const auto rpm = fanSpeed(fan, count, divisor, f.type2 ? FanType::Type2 : FanType::Type1);
    if (!rpm) {
        return false;
    }
    m_readings.fan(fan) = *rpm;
    m_parts.panel.setFanText(fan, std::to_string(*rpm));
    m_parts.statistics.feed(upDownReadingOf(fan), *rpm, display());
    return true;
}

void PollCycle::pollIfActive()
{
    if (pollingActive()) {
        poll();
    }
}

void PollCycle::toggleScale()
{
    m_scaleCaption = nextScaleCaption(m_scaleCaption);
    pollIfActive();
    m_parts.statistics.relabelTemperatures(display());
}

void PollCycle::resetStatistics()
{
    m_parts.statistics.reset();
    m_polls = 0;
    pollIfActive();
}

} // namespace cdx
