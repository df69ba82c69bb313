#pragma once

#include <cstdint>

namespace cdx {

// Message numbers understood by the program's message windows.
namespace WindowMessages {

// The first message number free for the program's own use.
inline constexpr std::uint32_t User = 0x0400;
// The notification area's report of a mouse action on an icon; the mouse
// message number is in lParam.
inline constexpr std::uint32_t TrayCallback = User + 1;
// A tray icon's request to itself to send its tooltip again.
inline constexpr std::uint32_t TrayRefresh = User + 2;
// A second start's request to the running program to bring its window
// forward.
inline constexpr std::uint32_t BringForward = User + 3;

// Mouse message numbers carried by TrayCallback.
inline constexpr std::uint32_t LeftButtonUp = 0x0202;
inline constexpr std::uint32_t LeftButtonDoubleClick = 0x0203;
inline constexpr std::uint32_t RightButtonUp = 0x0205;

} // namespace WindowMessages

} // namespace cdx
