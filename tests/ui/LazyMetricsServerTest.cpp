#include "platform/qt/LazyMetricsServer.h"

#include <QStringList>
#include <gtest/gtest.h>

#include "HttpClient.h"

namespace cdx {
namespace {

// Built beside the tests: the metrics library as installed, and a library
// without its export (the stand-in audio library).
const std::string MetricsLibrary = CALDRIX_METRICS_LIBRARY;
const std::string OtherLibrary = CALDRIX_FAKE_AUDIO_LIBRARY;

bool startsWith(const QString& text, const char* start)
{
    return text.startsWith(QLatin1String(start));
}

TEST(LazyMetricsServerTest, AMissingLibraryIsToldOnlyOnceAnAddressIsSet)
{
    LazyMetricsServer server("/nonexistent/caldrix/" + std::string(MetricsLibraryFile));
    int changes = 0;
    server.setStateListener([&] { ++changes; });

    // Off: nothing to load, nothing to tell.
    EXPECT_TRUE(server.listenOn(""));
    EXPECT_TRUE(server.listenOn("  "));
    server.close();
    EXPECT_EQ(server.stateText().toStdString(), "Off");
    EXPECT_EQ(changes, 0);

    EXPECT_FALSE(server.listenOn("127.0.0.1:0"));
    EXPECT_FALSE(server.loaded());
    EXPECT_EQ(server.port(), 0);
    EXPECT_TRUE(startsWith(server.stateText(), "Not serving: the metrics library could not be loaded: "))
        << server.stateText().toStdString();
    EXPECT_TRUE(server.stateText().contains("/nonexistent/caldrix/")) << server.stateText().toStdString();
    EXPECT_EQ(changes, 1);

    // Emptying the address turns the complaint off again.
    EXPECT_TRUE(server.listenOn(""));
    EXPECT_EQ(server.stateText().toStdString(), "Off");
    EXPECT_EQ(changes, 2);
}

TEST(LazyMetricsServerTest, ALibraryWithoutTheExportServesNothing)
{
    LazyMetricsServer server(OtherLibrary);
    EXPECT_FALSE(server.listenOn("127.0.0.1:0"));
    EXPECT_FALSE(server.loaded());
    EXPECT_TRUE(startsWith(server.stateText(), "Not serving: "));
    EXPECT_TRUE(server.stateText().contains(MakeMetricsServerSymbol)) << server.stateText().toStdString();
}

TEST(LazyMetricsServerTest, TheLoadedLibraryServesWhatWasSetBeforeLoading)
{
    LazyMetricsServer server(MetricsLibrary);
    QStringList states;
    server.setStateListener([&] { states << server.stateText(); });
    int scrapes = 0;
    server.setTextSource([&] {
        ++scrapes;
        return std::string("caldrix_polls_total 7\n");
    });
    EXPECT_TRUE(server.listenOn(""));
    EXPECT_FALSE(server.loaded());

    ASSERT_TRUE(server.listenOn("127.0.0.1:0")) << server.stateText().toStdString();
    EXPECT_TRUE(server.loaded());
    const quint16 port = server.port();
    ASSERT_NE(port, 0);
    const QString serving = QStringLiteral("Serving on 127.0.0.1:%1").arg(port);
    EXPECT_EQ(server.stateText(), serving);
    EXPECT_EQ(states, QStringList{serving});

    const test::Reply answer = test::request(port, "GET", "/metrics");
    EXPECT_EQ(answer.status, 200) << answer.headers.toStdString();
    EXPECT_EQ(answer.body.toStdString(), "caldrix_polls_total 7\n");
    EXPECT_EQ(scrapes, 1);

    // Closing and listening again go to the loaded server.
    server.close();
    EXPECT_EQ(server.port(), 0);
    EXPECT_EQ(server.stateText().toStdString(), "Off");
    EXPECT_EQ(states.size(), 2);
    EXPECT_FALSE(server.listenOn("localhost:9464"));
    EXPECT_TRUE(server.stateText().contains("not an IP address")) << server.stateText().toStdString();
}

} // namespace
} // namespace cdx
