#include "sensors/VoltageBand.h"

#include <algorithm>
#include <cmath>

namespace cdx {

namespace {

// Readings and limits are decimal figures that binary doubles only approach
// (12 - 1.2 is 10.799999999999999); a reading this close to an edge is on it.
constexpr double EdgeTolerance = 1e-9;

} // namespace

VoltageBand::VoltageBand(double nominal, double margin)
    : m_low(std::min(nominal - margin, nominal + margin)), m_high(std::max(nominal - margin, nominal + margin))
{
}

VoltageBand VoltageBand::between(double low, double high)
{
    return VoltageBand((low + high) / 2.0, (high - low) / 2.0);
}

bool VoltageBand::contains(double value) const
{
    return value >= m_low - EdgeTolerance && value <= m_high + EdgeTolerance;
}

} // namespace cdx
