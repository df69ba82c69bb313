#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "presentation/UpDownReading.h"
#include "sensors/TemperatureText.h"

namespace cdx {

// The lowest, highest and average of every reading since the last reset, with
// the texts the statistics page shows for them.
//
// Temperatures keep lowest and highest in Celsius and are labelled in the scale
// shown; their sum holds each value in the scale shown when it was fed.
// A lowest or highest of 0 stands for "no value yet".
class UpDownStatistics {
public:
    struct Entry {
        double lowest = 0.0;
        double highest = 0.0;
        long double sum = 0.0L;
        std::int32_t count = 0;
        std::string lowLabel = "0";
        std::string highLabel = "0";
        std::string averageLabel = "0";
    };

    // Called after the labels of a reading changed.
    using LabelsChanged = std::function<void(UpDownReading)>;

    UpDownStatistics() = default;
    explicit UpDownStatistics(LabelsChanged onLabelsChanged);
    // Replaces the handler told of label changes (the statistics page).
    void setOnLabelsChanged(LabelsChanged handler) { m_onLabelsChanged = std::move(handler); }

    // Feeds one value: temperatures in Celsius, voltages in volts, fans in RPM.
    void feed(UpDownReading reading, double value, const TemperatureDisplay& display);

    // Clears every value and sets every label to "0".
    void reset();

    // Rewrites the lowest and highest labels of the four temperatures in the
    // scale now shown. Averages keep their text, and a reading not fed since
    // the reset keeps its "0".
    void relabelTemperatures(const TemperatureDisplay& display);

    const Entry& entry(UpDownReading reading) const { return m_entries[indexOf(reading)]; }

    // The time of day of start-up in the long time format, set once.
    void setStartTime(std::string startTime) { m_startTime = std::move(startTime); }
    const std::string& startTime() const { return m_startTime; }

private:
    std::string extremeLabel(UpDownReading reading, double value, const TemperatureDisplay& display) const;
    void notify(UpDownReading reading);

    std::array<Entry, kUpDownReadingCount> m_entries{};
    std::string m_startTime;
    LabelsChanged m_onLabelsChanged;
};

} // namespace cdx
