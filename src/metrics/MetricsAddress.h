#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace cdx {

// Where the metrics endpoint listens, as the user wrote it: "host:port", the
// host an IPv4 address in the usual dotted form (four numbers 0 to 255, no
// leading zeros: "127.1", "2130706433" and "0x7f000001" are refused, as is a
// host name) or an IPv6 address in brackets ("[::1]:9464"). No host is
// guessed and none is widened: what is written is what is bound. Port 0 asks
// for any free port.
struct MetricsAddress {
    std::string host;
    std::uint16_t port = 0;

    // True when only this computer can connect: a loopback host (127.x.x.x,
    // ::1, ::ffff:127.x.x.x). False for 0.0.0.0, [::] and every other host.
    bool thisComputerOnly() const;

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
