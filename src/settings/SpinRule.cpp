#include "settings/SpinRule.h"

#include <algorithm>
#include <cmath>

namespace cdx {

namespace {

// The power of ten that makes the step and the lower bound whole numbers
// (10 for a step of 0.1), so grid points are computed as whole numbers and
// divided once: 29 / 10 is the double nearest 2.9, 1.0 + 19 * 0.1 is not.
double decimalScale(const SpinRule& rule)
{
    for (double scale = 1; scale <= 1e6; scale *= 10) {
        const double step = rule.step * scale;
        const double low = rule.low * scale;
        if (std::abs(step - std::round(step)) < 1e-9 && std::abs(low - std::round(low)) < 1e-9) {
            return scale;
        }
    }
    return 1;
}

// The grid point nearest to value, counted in steps from low.
double onGrid(const SpinRule& rule, double value)
{
    const double steps = std::round((value - rule.low) / rule.step);
    const double scale = decimalScale(rule);
    return (std::round(rule.low * scale) + steps * std::round(rule.step * scale)) / scale;
}

} // namespace

std::optional<double> SpinRule::up(double value) const
{
    if (!(value < high)) {
        return std::nullopt;
    }
    return clamp(onGrid(*this, value + step));
}

std::optional<double> SpinRule::down(double value) const
{
    if (!(value > low)) {
        return std::nullopt;
    }
    return clamp(onGrid(*this, value - step));
}

std::optional<int> SpinRule::up(int value) const
{
    const auto next = up(static_cast<double>(value));
    return next ? std::optional<int>(static_cast<int>(std::lround(*next))) : std::nullopt;
}

std::optional<int> SpinRule::down(int value) const
{
    const auto next = down(static_cast<double>(value));
    return next ? std::optional<int>(static_cast<int>(std::lround(*next))) : std::nullopt;
}

double SpinRule::clamp(double value) const
{
    return std::clamp(value, low, high);
}

} // namespace cdx
