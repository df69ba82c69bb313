#pragma once

#include <array>
#include <string_view>

#include "logs/IntervalLogSnapshot.h"
#include "logs/UpDownReport.h"

namespace cdx {

class GaugeSet;
class ReadingsPanel;
class UpDownStatistics;
struct Settings;

// What the interval log records: the gauges' centre labels (WB1, LM75, WB2,
// WB3) and the readings panel's texts as they are shown now.
IntervalLogSnapshot intervalLogSnapshot(const GaugeSet& gauges, const ReadingsPanel& panel, int cpuSpeedMhz);

// What the up-and-down log records: the statistics page's texts, with the
// names the page shows and the WB1 count as the number of polls.
UpDownReport upDownReport(const UpDownStatistics& statistics, const Settings& settings, int cpuSpeedMhz,
                          std::string_view decimalSeparator);

} // namespace cdx
