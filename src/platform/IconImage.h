#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace cdx {

// The picture of a notification-area icon: `width` x `height` pixels, row by
// row from the top, each 0xAARRGGBB (alpha 0xFF is opaque).
struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// An icon as handed to the notification area. A picture is never changed once
// made; replacing an icon means handing over a new handle, and the old picture
// is released when its last holder lets go of it.
using IconHandle = std::shared_ptr<const IconImage>;

} // namespace cdx
