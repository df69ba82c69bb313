#include "metrics/MetricsAddress.h"

#include <charconv>

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

} // namespace

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
    if (text.front() == '[') {
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
