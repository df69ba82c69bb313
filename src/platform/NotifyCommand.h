#pragma once

#include <cstdint>

namespace cdx {

// What the notification area is asked to do with an icon.
enum class NotifyCommand : std::uint32_t {
    Add = 0,
    Modify = 1,
    Delete = 2,
};

} // namespace cdx
