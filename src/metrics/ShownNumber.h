#pragma once

#include <optional>
#include <string_view>

namespace cdx {

// The number a value label shows (": 1,65" with the user's separator,
// "2500"), or nothing for a label without one ("", "not available", "--").
std::optional<double> shownNumber(std::string_view label, std::string_view decimalSeparator);

} // namespace cdx
