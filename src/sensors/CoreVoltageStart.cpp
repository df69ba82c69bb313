#include "sensors/CoreVoltageStart.h"

#include <algorithm>
#include <cmath>

namespace cdx {

std::optional<double> coreVoltageStartValue(double measured)
{
    if (!std::isfinite(measured) || measured <= 0.0) {
        return std::nullopt;
    }
    const double tenths = std::round(std::min(measured, 100.0) * 10.0);
    return std::clamp(tenths, 5.0, 50.0) / 10.0;
}

} // namespace cdx
