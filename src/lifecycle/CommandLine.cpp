#include "lifecycle/CommandLine.h"

#include <string_view>

#include "platform/ExternalMessages.h"

namespace cdx {

CommandLine CommandLine::parse(int argc, const char* const* argv)
{
    CommandLine result;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i] == nullptr ? std::string_view() : std::string_view(argv[i]);
        if (argument == "--show") {
            result.request = Request::Show;
        } else if (argument == "--show-expanded") {
            result.request = Request::ShowExpanded;
        }
    }
    return result;
}

std::optional<std::uint32_t> CommandLine::message() const
{
    switch (request) {
    case Request::Show:
        return ExternalMessages::Show;
    case Request::ShowExpanded:
        return ExternalMessages::ShowExpanded;
    case Request::None:
        break;
    }
    return std::nullopt;
}

} // namespace cdx
