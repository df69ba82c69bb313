#pragma once

namespace cdx {

// The look of a gauge's frame.
enum class BevelCut {
    bvNone,    // no visible frame
    bvLowered, // light right and bottom edges, dark top and left edges
    bvRaised,  // dark right and bottom edges, light top and left edges
    bvSpace,   // drawn as bvLowered
};

} // namespace cdx
