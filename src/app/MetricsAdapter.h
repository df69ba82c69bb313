#pragma once

#include <array>
#include <functional>
#include <string>

#include "metrics/MetricsRecorder.h"
#include "metrics/MetricsSnapshot.h"

namespace cdx {

class GaugeModel;
class ReadingsPanel;
class UpDownStatistics;
struct Settings;

// Reads what the window shows after a poll into a snapshot for the metrics:
// the gauges, the readings panel, the statistics and the settings. The only
// place that knows where in the program each exported value lives.
class MetricsAdapter {
public:
    struct Sources {
        const Settings& settings;
        std::array<const GaugeModel*, 4> gauges; // WB1, LM75, WB2, WB3
        const ReadingsPanel& panel;
        const UpDownStatistics& statistics;
        std::string decimalSeparator;
        std::function<bool()> suspended;
        std::string version;
    };

    explicit MetricsAdapter(Sources sources);

    // The snapshot after the latest poll; the recorder's averages follow the
    // statistics, its counters are stamped in.
    MetricsSnapshot snapshot(MetricsRecorder& recorder) const;

private:
    Sources m_sources;
};

} // namespace cdx
