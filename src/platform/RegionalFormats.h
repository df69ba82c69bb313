#pragma once

#include <string>

namespace cdx {

// The user's regional formats.
struct RegionalFormats {
    // The decimal separator, as UTF-8 text (one character).
    std::string decimalSeparator = ".";
    // strftime patterns of the short date and the long time.
    std::string shortDatePattern = "%m/%d/%y";
    std::string longTimePattern = "%H:%M:%S";
};

} // namespace cdx
