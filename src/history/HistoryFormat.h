#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/MinuteBand.h"

namespace cdx {

// The saved day: a text file of one line per minute.
//
//   Caldrix history 1
//   <minute> <reading 1> ... <reading 13>
//   ...
//   end <number of minute lines>
//
// <minute> is the minute's start in seconds since the Unix epoch (a multiple
// of 60), the lines in rising order. Each reading, in the order of
// Readings::channel, is "-" when it was not available that minute, else
// "<polls>/<lowest>/<average>/<highest>" in degrees Celsius, volts or RPM. The
// end line tells a file cut short from a whole one.
namespace HistoryFormat {

inline constexpr int kVersion = 1;
// A file longer than this is no history this program wrote.
inline constexpr std::size_t kMaxBytes = 4 * 1024 * 1024;

std::string write(const std::vector<MinuteBand>& minutes);

struct Parsed {
    std::vector<MinuteBand> minutes;
    // Why the text is no history; empty when it parsed.
    std::string error;
};

// Parses `text` and keeps the minutes of the 24 hours up to `nowSeconds`:
// older ones, and ones stamped after it (the clock was set back since), are
// dropped.
Parsed read(std::string_view text, std::int64_t nowSeconds);

} // namespace HistoryFormat

} // namespace cdx
