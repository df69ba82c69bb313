#pragma once

#include <optional>

namespace cdx {

// How an up/down arrow pair edits a number: by a fixed step between fixed
// bounds. A click moves the value only while it lies strictly inside the bound
// in the click's direction, so the value stops exactly on a bound the steps
// fit, and a click at the bound is refused.
//
// Values move on the grid of steps counted from the lower bound: ten steps of
// 0.1 from 3.0 give exactly 4.0, never 4.000000000000001, so a bound compared
// unrounded is reached and not overshot. A value off the grid (a hand-edited
// setting) joins the grid at its first click.
struct SpinRule {
    double step;
    double low;
    double high;

    // The value one step up, or nothing when the click is refused (the value
    // is at or above the upper bound). The result lies within the bounds.
    std::optional<double> up(double value) const;
    // The value one step down, or nothing when refused.
    std::optional<double> down(double value) const;
    // Integer settings: the same rules on whole numbers.
    std::optional<int> up(int value) const;
    std::optional<int> down(int value) const;

    // The nearest value the arrows can produce: a stored value outside the
    // bounds is brought onto the nearer bound.
    double clamp(double value) const;
};

} // namespace cdx
