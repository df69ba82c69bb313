#pragma once

#include <string>
#include <string_view>

#include "sensors/ScriptedValues.h"

namespace cdx {

// A scenario for the simulated driver: lines "ExportName v1 v2 v3 ..."; blank
// lines and lines starting with "#" are ignored. Each value must be a number
// of the export's type: 0 or 1 for a Boolean, a whole number in 32 bits for an
// integer, a finite decimal number for a double. The whole file is checked:
// any fault throws ScenarioError naming the file and line, and nothing of the
// file is used.
class ScenarioFile {
public:
    // Reads and checks the file at `path`.
    static ScriptedValues read(const std::string& path);

    // Checks the text of a file; `fileName` is used in error messages.
    static ScriptedValues parse(std::string_view text, const std::string& fileName);
};

} // namespace cdx
