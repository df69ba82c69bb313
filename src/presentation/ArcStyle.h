#pragma once

namespace cdx {

// The colours of a gauge's arc, from its left end to its right end.
enum class ArcStyle {
    AsGreenToRed,    // green to red
    AsBlueToRed,     // blue to red
    AsOceanToPurple, // cyan to purple
    AsAquaToYellow,  // cyan to yellow
    AsSimple,        // white throughout
    AsRedGreenRed,   // red, green in the middle, red again
};

} // namespace cdx
