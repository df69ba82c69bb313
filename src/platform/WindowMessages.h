#pragma once

#include <cstdint>

namespace cdx {

// Message numbers of the requests the program takes over its local messaging.
namespace WindowMessages {

// The first message number free for the program's own use.
inline constexpr std::uint32_t User = 0x0400;
// A second start's request to the running program to bring its window
// forward.
inline constexpr std::uint32_t BringForward = User + 3;

} // namespace WindowMessages

} // namespace cdx
