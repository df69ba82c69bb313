#include "metrics/MetricsAddress.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <vector>

namespace cdx {
namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Four decimal numbers 0 to 255 with dots between, none with a leading zero:
// the one spelling of an IPv4 address that every reader takes the same way.
std::optional<std::array<std::uint8_t, 4>> dottedQuad(std::string_view text)
{
    std::array<std::uint8_t, 4> bytes{};
    for (std::size_t part = 0; part < 4; ++part) {
        const std::size_t end = part < 3 ? text.find('.') : text.size();
        if (end == std::string_view::npos || end == 0 || end > 3) {
            return std::nullopt;
        }
        const std::string_view digits = text.substr(0, end);
        if (!std::all_of(digits.begin(), digits.end(), isDigit) || (digits.size() > 1 && digits.front() == '0')) {
            return std::nullopt;
        }
        unsigned value = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (value > 255) {
            return std::nullopt;
        }
        bytes[part] = static_cast<std::uint8_t>(value);
        text.remove_prefix(part < 3 ? end + 1 : end);
    }
    return bytes;
}

// Groups of one to four hexadecimal digits separated by ":", at most one
// "::" standing for groups of zeros, the last 32 bits possibly as a dotted
// quad. No zone ("%eth0").
std::optional<std::array<std::uint8_t, 16>> ipv6(std::string_view text)
{
    std::vector<std::uint16_t> head;
    std::vector<std::uint16_t> tail;
    bool compressed = false;
    const auto groupsOf = [](std::string_view part, std::vector<std::uint16_t>& groups, bool last) {
        if (part.empty()) {
            return true;
        }
        while (true) {
            const std::size_t colon = part.find(':');
            const std::string_view group = part.substr(0, colon);
            if (colon == std::string_view::npos && last && group.find('.') != std::string_view::npos) {
                const auto quad = dottedQuad(group);
                if (!quad) {
                    return false;
                }
                groups.push_back(static_cast<std::uint16_t>((*quad)[0] << 8 | (*quad)[1]));
                groups.push_back(static_cast<std::uint16_t>((*quad)[2] << 8 | (*quad)[3]));
                return true;
            }
            unsigned value = 0;
            const auto result = std::from_chars(group.data(), group.data() + group.size(), value, 16);
            if (group.empty() || group.size() > 4 || result.ptr != group.data() + group.size()) {
                return false;
            }
            groups.push_back(static_cast<std::uint16_t>(value));
            if (colon == std::string_view::npos) {
                return true;
            }
            part.remove_prefix(colon + 1);
        }
    };
    const std::size_t gap = text.find("::");
    if (gap != std::string_view::npos) {
        compressed = true;
        if (text.find("::", gap + 1) != std::string_view::npos) {
            return std::nullopt;
        }
        if (!groupsOf(text.substr(0, gap), head, false) || !groupsOf(text.substr(gap + 2), tail, true)) {
            return std::nullopt;
        }
    } else if (!groupsOf(text, head, true)) {
        return std::nullopt;
    }
    const std::size_t count = head.size() + tail.size();
    if ((compressed && count > 7) || (!compressed && count != 8)) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 16> bytes{};
    std::size_t at = 0;
    for (const std::uint16_t group : head) {
        bytes[at++] = static_cast<std::uint8_t>(group >> 8);
        bytes[at++] = static_cast<std::uint8_t>(group);
    }
    at = 16 - 2 * tail.size();
    for (const std::uint16_t group : tail) {
        bytes[at++] = static_cast<std::uint8_t>(group >> 8);
        bytes[at++] = static_cast<std::uint8_t>(group);
    }
    return bytes;
}

} // namespace

bool MetricsAddress::thisComputerOnly() const
{
    if (const auto quad = dottedQuad(host)) {
        return (*quad)[0] == 127;
    }
    if (const auto bytes = ipv6(host)) {
        const std::array<std::uint8_t, 16> loopback{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
        const bool mapped = std::all_of(bytes->begin(), bytes->begin() + 10, [](std::uint8_t b) { return b == 0; }) &&
                            (*bytes)[10] == 0xff && (*bytes)[11] == 0xff && (*bytes)[12] == 127;
        return *bytes == loopback || mapped;
    }
    return false;
}

std::string MetricsAddress::text() const
{
    const bool v6 = host.find(':') != std::string::npos;
    return (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::variant<MetricsAddress, std::string> MetricsAddress::parse(std::string_view text)
{
    text = trimmed(text);
    if (text.empty()) {
        return std::string("no address is set");
    }
    std::string_view host;
    std::string_view port;
    bool bracketed = false;
    if (text.front() == '[') {
        bracketed = true;
        const auto close = text.find(']');
        if (close == std::string_view::npos || close + 1 >= text.size() || text[close + 1] != ':') {
            return "\"" + std::string(text) + "\" is not host:port (an IPv6 host is written [::1]:9464)";
        }
        host = text.substr(1, close - 1);
        port = text.substr(close + 2);
    } else {
        const auto colon = text.rfind(':');
        if (colon == std::string_view::npos || text.find(':') != colon) {
            return "\"" + std::string(text) + "\" is not host:port, for example 127.0.0.1:9464";
        }
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
    }
    if (host.empty()) {
        return "\"" + std::string(text) + "\" names no host; write 127.0.0.1:" + std::string(port) +
               " for this computer only";
    }
    if (bracketed ? !ipv6(host) : !dottedQuad(host)) {
        return "\"" + std::string(host) +
               "\" is not an IP address written in full: four numbers from 0 to 255 with dots between (127.0.0.1), "
               "or an IPv6 address in brackets ([::1])";
    }
    unsigned value = 0;
    const auto result = std::from_chars(port.data(), port.data() + port.size(), value);
    if (port.empty() || result.ec != std::errc() || result.ptr != port.data() + port.size() || value > 65535) {
        return "\"" + std::string(port) + "\" is not a port number from 1 to 65535 (0 picks a free one)";
    }
    return MetricsAddress{std::string(host), static_cast<std::uint16_t>(value)};
}

std::string exampleScrapeConfig(std::string_view address)
{
    const std::string target = address.empty() ? "127.0.0.1:9464" : std::string(trimmed(address));
    return "scrape_configs:\n"
           "  - job_name: caldrix\n"
           "    scrape_interval: 15s\n"
           "    static_configs:\n"
           "      - targets: ['" +
           target + "']\n";
}

} // namespace cdx
