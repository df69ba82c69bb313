#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sensors/ChipReadings.h"
#include "sensors/HwmonChip.h"
#include "sensors/SensorInput.h"

namespace cdx {

// The driver's list of its inputs as one text: a line per input,
// "<chip>/<feature>", kind ("temp", "in", "fan"), label, value and the
// readings it serves now (their numbers, comma-separated) separated by tabs.
// Tabs and line breaks inside a label become blanks.
class SensorInputList {
public:
    static std::string format(const std::vector<HwmonChip>& chips, const ChipReadings& readings);
    // The inputs of such a text; lines that do not read are left out.
    static std::vector<SensorInput> parse(std::string_view text);
    // "temp", "in", "fan".
    static const char* kindName(HwmonInput::Kind kind);
};

} // namespace cdx
