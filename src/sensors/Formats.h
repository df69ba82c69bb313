#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/LocalDateTime.h"
#include "platform/RegionalFormats.h"
#include "sensors/Utf8.h"

namespace cdx {

// Number and text formats shared by every display and log. All texts are UTF-8;
// widths count characters, not bytes.

// The shortest decimal form of up to 15 significant digits (45 -> "45",
// 113.4 -> "113.4", 3.3 + 0.1 -> "3.4"); very large or small magnitudes use an
// exponent ("1E20", "1E-7").
std::string formatGeneral(double value, std::string_view decimalSeparator = ".");

// Fixed notation with `decimals` digits after the separator (3.3, 2 -> "3.30").
std::string formatFixed(double value, int decimals, std::string_view decimalSeparator = ".");

// Rounds to the nearest whole number, halves to the even neighbour
// (44.5 -> 44, 45.5 -> 46, -0.5 -> 0).
std::int64_t roundHalfEven(long double value);

// printf's "%-Ns": the text followed by blanks up to `width` characters; a
// longer text is kept whole.
std::string padRight(std::string_view text, std::size_t width);

// printf's "%Ns": blanks followed by the text up to `width` characters; a
// longer text is kept whole.
std::string padLeft(std::string_view text, std::size_t width);

// The date in the user's short date format and the time in the long time format.
std::string formatShortDate(const LocalDateTime& when, const RegionalFormats& formats);
std::string formatLongTime(const LocalDateTime& when, const RegionalFormats& formats);

} // namespace cdx
