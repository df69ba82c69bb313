#pragma once

#include <string>
#include <string_view>

#include "metrics/MetricsSnapshot.h"

namespace cdx {

// The Prometheus text exposition format (version 0.0.4) of a snapshot: every
// family with its "# HELP" and "# TYPE" lines, label values escaped, absent
// readings left out. Numbers use "." whatever the user's locale.
std::string metricsText(const MetricsSnapshot& snapshot);

// A label value as the format writes it between quotes: backslash, double
// quote and line feed escaped.
std::string escapeLabelValue(std::string_view value);

// The content type the text is served with.
inline constexpr std::string_view kMetricsContentType = "text/plain; version=0.0.4; charset=utf-8";

} // namespace cdx
