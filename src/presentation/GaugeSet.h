#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "presentation/GaugeModel.h"
#include "sensors/SensorSet.h"
#include "settings/GaugeScales.h"

namespace cdx {

// The four temperature gauges, one per sensor (WB1, LM75, WB2, WB3). Shared
// by reference: the window draws them, the poll sets them, the settings pages
// change their scales.
class GaugeSet : public GaugeScales {
public:
    static constexpr std::size_t Count = 4;

    // `decimalSeparator` is each gauge's, for its hint text.
    explicit GaugeSet(const std::string& decimalSeparator = ".")
        : m_gauges{GaugeModel(decimalSeparator), GaugeModel(decimalSeparator), GaugeModel(decimalSeparator),
                   GaugeModel(decimalSeparator)}
    {
    }
    GaugeSet(const GaugeSet&) = delete;
    GaugeSet& operator=(const GaugeSet&) = delete;

    GaugeModel& operator[](TemperatureSensor sensor) { return m_gauges[static_cast<std::size_t>(sensor)]; }
    const GaugeModel& operator[](TemperatureSensor sensor) const { return m_gauges[static_cast<std::size_t>(sensor)]; }
    // By position, 0 to Count - 1, in the order above.
    GaugeModel& operator[](std::size_t index) { return m_gauges[index]; }
    const GaugeModel& operator[](std::size_t index) const { return m_gauges[index]; }

    float scale(TemperatureSensor sensor) const override { return (*this)[sensor].scale(); }
    bool setScale(TemperatureSensor sensor, float scale) override { return (*this)[sensor].setScale(scale); }
    float shownTemperature(TemperatureSensor sensor) const override { return (*this)[sensor].position(); }

    static constexpr std::size_t size() { return Count; }
    auto begin() { return m_gauges.begin(); }
    auto end() { return m_gauges.end(); }
    auto begin() const { return m_gauges.begin(); }
    auto end() const { return m_gauges.end(); }

private:
    std::array<GaugeModel, Count> m_gauges;
};

} // namespace cdx
