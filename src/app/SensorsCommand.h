#pragma once

#include <ostream>

namespace cdx {

// `caldrix --sensors`: binds the driver the program would use, applies the
// stored "Source" rows and prints every input it reports, one a line
// (SensorSources::listing). Returns the exit status.
class SensorsCommand {
public:
    static int run(std::ostream& out, std::ostream& errors);
};

} // namespace cdx
