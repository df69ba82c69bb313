#include "metrics/MetricsAddress.h"
#include "metrics/MetricsTextfile.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "LogTestFiles.h"

namespace cdx {
namespace {

TEST(MetricsTextfileTest, AReaderSeesTheOldTextOrTheNewNeverAPart)
{
    test::TempFolder folder;
    MetricsTextfile file(folder.file("caldrix.prom"));
    // Texts large enough that writing one takes many system calls.
    const std::string first(256 * 1024, 'a');
    const std::string second(300 * 1024, 'b');
    ASSERT_TRUE(file.write(first));

    std::atomic<bool> done{false};
    std::atomic<int> reads{0};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done && std::chrono::steady_clock::now() < deadline) {
            const std::string seen = test::readFile(folder.file("caldrix.prom"));
            if (seen != first && seen != second) {
                ++torn;
            }
            ++reads;
        }
    });
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(file.write(i % 2 == 0 ? second : first)) << file.lastError();
    }
    done = true;
    reader.join();
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    EXPECT_GT(reads, 0);
    EXPECT_FALSE(std::filesystem::exists(file.temporaryPath()));
}

TEST(MetricsTextfileTest, AFailedWriteKeepsTheOldFileAndSaysWhy)
{
    test::TempFolder folder;
    MetricsTextfile missingFolder(folder.file("absent/caldrix.prom"));
    EXPECT_FALSE(missingFolder.write("x 1\n"));
    EXPECT_NE(missingFolder.lastError().find("absent/caldrix.prom"), std::string::npos) << missingFolder.lastError();

    // The target is a folder: the rename fails, the temporary file goes.
    std::filesystem::create_directories(folder.file("taken.prom/inside"));
    MetricsTextfile onFolder(folder.file("taken.prom"));
    EXPECT_FALSE(onFolder.write("x 1\n"));
    EXPECT_FALSE(onFolder.lastError().empty());
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("taken.prom/inside")));
    EXPECT_FALSE(std::filesystem::exists(onFolder.temporaryPath()));

    // A later write that works clears the error.
    MetricsTextfile good(folder.file("good.prom"));
    EXPECT_TRUE(good.write("x 1\n"));
    EXPECT_TRUE(good.lastError().empty());
    EXPECT_EQ(test::readFile(folder.file("good.prom")), "x 1\n");
}

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
    EXPECT_EQ(address("localhost:9464"), "localhost:9464");
    EXPECT_EQ(address("127.0.0.1:0"), "127.0.0.1:0");
    for (const char* bad : {"", "   ", "127.0.0.1", ":9464", "127.0.0.1:", "127.0.0.1:65536", "127.0.0.1:94x4",
                            "::1:9464", "[::1]9464", "127.0.0.1:-1"}) {
        EXPECT_EQ(address(bad).rfind("error: ", 0), 0u) << bad << " gave " << address(bad);
    }
    EXPECT_NE(address(":9464").find("127.0.0.1:9464"), std::string::npos) << "the reason suggests loopback";
}

TEST(MetricsAddressTest, TheExampleScrapeConfigurationTargetsTheAddress)
{
    EXPECT_NE(exampleScrapeConfig("127.0.0.1:9999").find("targets: ['127.0.0.1:9999']"), std::string::npos);
    EXPECT_NE(exampleScrapeConfig("").find("targets: ['127.0.0.1:9464']"), std::string::npos);
}

} // namespace
} // namespace cdx
