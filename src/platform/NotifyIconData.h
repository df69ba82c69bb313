#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/IconImage.h"

namespace cdx {

class MessageWindow;

// The record that describes one icon to the notification area. An icon is
// known by its window and identifier together.
struct NotifyIconData {
    // The record's size field, fixed for the record's first form.
    static constexpr std::uint32_t RecordSize = 88;
    // `flags`: which of the fields below are meant.
    static constexpr std::uint32_t MessageFlag = 1; // callbackMessage
    static constexpr std::uint32_t IconFlag = 2;    // icon
    static constexpr std::uint32_t TipFlag = 4;     // tip
    // Places in the tip, one of them for the terminator. UTF-8 text is counted
    // in characters, so a tip holds TipCapacity - 1 characters whatever their
    // encoded length.
    static constexpr std::size_t TipCapacity = 64;

    std::uint32_t size = 0;
    MessageWindow* window = nullptr;
    std::uint32_t id = 0;
    std::uint32_t flags = 0;
    // Posted to `window` with the mouse message number in lParam.
    std::uint32_t callbackMessage = 0;
    IconHandle icon;
    std::string tip;
};

} // namespace cdx
