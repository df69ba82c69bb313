#pragma once

#include "sensors/SensorSet.h"

namespace cdx {

// What the settings need of the temperature gauges: each one's full-scale
// value and the temperature its needle shows.
class GaugeScales {
public:
    virtual ~GaugeScales() = default;

    virtual float scale(TemperatureSensor sensor) const = 0;
    // False when the gauge refuses the value (not a finite number above 0).
    virtual bool setScale(TemperatureSensor sensor, float scale) = 0;
    virtual float shownTemperature(TemperatureSensor sensor) const = 0;
};

} // namespace cdx
