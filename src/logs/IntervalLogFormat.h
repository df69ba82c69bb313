#pragma once

#include <string>
#include <string_view>

#include "logs/IntervalLogEntry.h"
#include "logs/IntervalLogNames.h"
#include "settings/Settings.h"

namespace cdx {

// The texts of the three interval-log formats: headers and rows, each line
// ending with CR LF. Fields are cleaned of control characters; HTML cells are
// escaped.
class IntervalLogFormat {
public:
    // The closing of every HTML header row and entry: the byte 26, where the
    // next row will be written, then the end of the table.
    static constexpr std::string_view HtmlTrailer = "\x1a</tr></table>";

    static std::string txtHeader(const IntervalLogNames& names, std::string_view decimalSeparator);
    static std::string htmHeader(const IntervalLogNames& names);
    static std::string csvHeader(const IntervalLogNames& names, std::string_view decimalSeparator);

    static std::string txtRow(const IntervalLogEntry& entry);
    static std::string htmRow(const IntervalLogEntry& entry);
    static std::string csvRow(const IntervalLogEntry& entry);
};

} // namespace cdx
