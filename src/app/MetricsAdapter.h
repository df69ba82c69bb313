#pragma once

#include <array>
#include <functional>
#include <string>

#include "metrics/MetricsRecorder.h"
#include "metrics/MetricsSnapshot.h"

namespace cdx {

class ReadingsPanel;
class UpDownStatistics;
struct Readings;
struct Settings;

// Reads the latest poll's readings into a snapshot for the metrics, with the
// statistics, the settings and whether each rail is shown within its band.
// The only place that knows where in the program each exported value lives.
class MetricsAdapter {
public:
    struct Sources {
        const Settings& settings;
        const Readings& readings; // the latest poll's
        const ReadingsPanel& panel;
        const UpDownStatistics& statistics;
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
