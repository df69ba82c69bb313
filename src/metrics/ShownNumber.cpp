#include "metrics/ShownNumber.h"

#include <charconv>
#include <cmath>
#include <string>

namespace cdx {

std::optional<double> shownNumber(std::string_view label, std::string_view decimalSeparator)
{
    const auto first = label.find_first_not_of(": ");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view shown = label.substr(first);
    while (!shown.empty() && shown.back() == ' ') {
        shown.remove_suffix(1);
    }
    // The user's separator becomes the point from_chars reads.
    std::string text;
    const auto at = decimalSeparator.empty() ? std::string_view::npos : shown.find(decimalSeparator);
    if (at == std::string_view::npos) {
        text.assign(shown);
    } else {
        text.append(shown.substr(0, at)).append(".").append(shown.substr(at + decimalSeparator.size()));
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace cdx
