#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace cdx {

// Where the metrics endpoint listens, as the user wrote it: "host:port", an
// IPv6 host in brackets ("[::1]:9464"). No host is guessed and none is
// widened: what is written is what is bound. Port 0 asks for any free port.
struct MetricsAddress {
    std::string host;
    std::uint16_t port = 0;

    // "127.0.0.1:9464"; IPv6 hosts in brackets.
    std::string text() const;

    // The address of `text`, or why it is not one. Surrounding blanks are
    // ignored; an empty text is not an address (it switches the endpoint off).
    static std::variant<MetricsAddress, std::string> parse(std::string_view text);
};

// A scrape configuration for prometheus.yml that scrapes `address` (as the
// user wrote it, or a placeholder when empty).
std::string exampleScrapeConfig(std::string_view address);

} // namespace cdx
