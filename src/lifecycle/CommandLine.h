#pragma once

#include <cstdint>
#include <optional>

namespace cdx {

// What the program's own options ask for. "--show" and "--show-expanded"
// bring a running Caldrix forward (for a desktop shortcut or a key binding)
// and start one when none runs. Other arguments are left to the toolkit.
struct CommandLine {
    enum class Request { None, Show, ShowExpanded };

    Request request = Request::None;

    static CommandLine parse(int argc, const char* const* argv);

    // The message that asks a running instance for the request.
    std::optional<std::uint32_t> message() const;
};

} // namespace cdx
