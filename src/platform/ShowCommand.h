#pragma once

namespace cdx {

// How a started program should show its window. The numbers are the stored
// values of the classic show commands.
enum class ShowCommand {
    Hide = 0,
    ShowNormal = 1,
    ShowMinimized = 2,
    ShowMaximized = 3,
    ShowNoActivate = 4,
    Show = 5,
};

} // namespace cdx
