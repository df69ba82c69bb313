#include "metrics/MetricsAddress.h"
#include "metrics/MetricsTextfile.h"

#include <string>

#include <gtest/gtest.h>

namespace cdx {
namespace {

TEST(MetricsAddressTest, HostAndPortAreTakenAsWrittenOrRefusedWithAReason)
{
    const auto address = [](std::string_view text) {
        const auto parsed = MetricsAddress::parse(text);
        return std::holds_alternative<MetricsAddress>(parsed) ? std::get<MetricsAddress>(parsed).text()
                                                              : "error: " + std::get<std::string>(parsed);
    };
    EXPECT_EQ(address("127.0.0.1:9464"), "127.0.0.1:9464");
    EXPECT_EQ(address("  127.0.0.1:9464 "), "127.0.0.1:9464");
    EXPECT_EQ(address("[::1]:9464"), "[::1]:9464");
    EXPECT_EQ(address("0.0.0.0:80"), "0.0.0.0:80");
    EXPECT_EQ(address("127.0.0.1:0"), "127.0.0.1:0");
    EXPECT_EQ(address("[fe80::1:2]:1"), "[fe80::1:2]:1");
    EXPECT_EQ(address("[::ffff:127.0.0.1]:1"), "[::ffff:127.0.0.1]:1");
    EXPECT_EQ(address("[1:2:3:4:5:6:7:8]:1"), "[1:2:3:4:5:6:7:8]:1");
    for (const char* bad :
         {"", "   ", "127.0.0.1", ":9464", "127.0.0.1:", "127.0.0.1:65536", "127.0.0.1:94x4", "::1:9464", "[::1]9464",
          "127.0.0.1:-1",
          // Spellings the system's resolver would widen or reinterpret.
          "0:9464", "127.1:9464", "2130706433:9464", "0x7f000001:9464", "0177.0.0.1:9464", "127.0.0.01:9464",
          "127.0.0.256:9464", "127.0.0.1.:9464", "1.2.3.4.5:9464", "localhost:9464", "[127.0.0.1]:9464",
          "[::1%lo]:9464", "[1::2::3]:9464", "[1:2:3:4:5:6:7:8:9]:9464", "[12345::]:9464", "[]:9464"}) {
        EXPECT_EQ(address(bad).rfind("error: ", 0), 0u) << bad << " gave " << address(bad);
    }
    EXPECT_NE(address(":9464").find("127.0.0.1:9464"), std::string::npos) << "the reason suggests loopback";

    // The example scrape configuration targets the address, loopback by default.
    EXPECT_NE(exampleScrapeConfig("127.0.0.1:9999").find("targets: ['127.0.0.1:9999']"), std::string::npos);
    EXPECT_NE(exampleScrapeConfig("").find("targets: ['127.0.0.1:9464']"), std::string::npos);
}

TEST(MetricsAddressTest, OnlyLoopbackHostsCountAsThisComputerOnly)
{
    const auto local = [](std::string_view text) {
        return std::get<MetricsAddress>(MetricsAddress::parse(text)).thisComputerOnly();
    };
    for (const char* inside :
         {"127.0.0.1:1", "127.8.9.10:1", "[::1]:1", "[0:0:0:0:0:0:0:1]:1", "[::ffff:127.0.0.1]:1"}) {
        EXPECT_TRUE(local(inside)) << inside;
    }
    for (const char* beyond :
         {"0.0.0.0:1", "192.168.1.2:1", "[::]:1", "[::2]:1", "[::ffff:10.0.0.1]:1", "[fe80::1]:1"}) {
        EXPECT_FALSE(local(beyond)) << beyond;
    }
}

} // namespace
} // namespace cdx
