#include "logs/IntervalLogEntry.h"

#include <string_view>

namespace cdx {
namespace {

std::string voltageField(const std::string& label)
{
    if (label.find("not available") != std::string::npos) {
        return "N/A";
    }
    constexpr std::string_view Prefix = ": ";
    if (std::string_view(label).substr(0, Prefix.size()) == Prefix) {
        return label.substr(Prefix.size());
    }
    return label;
}

std::string fanField(const std::string& label)
{
    return label.find("not") != std::string::npos ? "N/A" : label;
}

} // namespace

IntervalLogEntry IntervalLogEntry::fromWindow(const std::string& date, const std::string& time,
                                              const IntervalLogSnapshot& window)
{
    return IntervalLogEntry{
        {date, time, std::to_string(window.cpuSpeedMhz) + " MHz", window.lm75Gauge, window.wb1Gauge, window.wb2Gauge,
         window.wb3Gauge, voltageField(window.coreVoltage), voltageField(window.p33Voltage),
         voltageField(window.p5Voltage), voltageField(window.n5Voltage), voltageField(window.p12Voltage),
         voltageField(window.n12Voltage), fanField(window.fan1), fanField(window.fan2), fanField(window.fan3)}};
}

} // namespace cdx
