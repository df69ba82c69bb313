#pragma once

#include <array>
#include <string>
#include <string_view>

#include "sensors/Readings.h"

namespace cdx {

struct Settings;

// Each reading's name as the user knows it, by channel (Readings::channel):
// the temperatures' and fans' own names, the rails' captions.
std::array<std::string, Readings::ChannelCount> readingNames(const Settings& settings,
                                                             std::string_view decimalSeparator = ".");

} // namespace cdx
