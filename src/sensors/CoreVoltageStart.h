#pragma once

#include <optional>

namespace cdx {

// The core voltage nominal to propose at first run from the voltage the chip
// measures: rounded to 0.1 V and kept within 0.5 to 5.0 V. Empty when nothing
// was measured (a reading that is not a number, or 0 V and below); the
// program's default stays then.
std::optional<double> coreVoltageStartValue(double measured);

} // namespace cdx
