#include "platform/qt/LazyMetricsServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QStringList>
#include <QTcpSocket>
#include <gtest/gtest.h>

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

// GET /metrics on 127.0.0.1:port, the answer once its body is complete; the
// server runs in this thread's event loop, so the wait handles events.
QByteArray scrape(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write("GET /metrics HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    QByteArray answer;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        answer += socket.readAll();
        const qsizetype end = answer.indexOf("\r\n\r\n");
        const qsizetype at = answer.toLower().indexOf("content-length: ");
        if (end >= 0 && at >= 0 && at < end &&
            answer.size() - end - 4 >= answer.mid(at + 16).split('\r').front().toLongLong()) {
            break;
        }
    }
    return answer;
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

    const QByteArray answer = scrape(port);
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 200")) << answer.toStdString();
    EXPECT_TRUE(answer.endsWith("\r\n\r\ncaldrix_polls_total 7\n")) << answer.toStdString();
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
