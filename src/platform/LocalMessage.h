#pragma once

#include <cstdint>

namespace cdx {

// A small message between programs of the same user, shaped like a posted
// window message: a number and two parameters.
struct LocalMessage {
    std::uint32_t message = 0;
    std::uint64_t wParam = 0;
    std::int64_t lParam = 0;

    bool operator==(const LocalMessage&) const = default;
};

} // namespace cdx
