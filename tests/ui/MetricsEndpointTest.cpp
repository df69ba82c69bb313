#include "platform/qt/metrics/MetricsEndpoint.h"

#include <chrono>
#include <functional>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace cdx {
namespace {

// Runs the event loop until `done` or the time is up; the server lives in the
// same thread, so a client must never block it.
bool spinUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

struct Reply {
    bool answered = false; // a whole response arrived
    bool closed = false;   // the server closed the connection
    int status = 0;
    QByteArray headers;
    QByteArray body;
};

// A client speaking to 127.0.0.1:port, reading one response.
class Client {
public:
    explicit Client(quint16 port) { m_socket.connectToHost(QHostAddress::LocalHost, port); }

    bool connected()
    {
        return spinUntil([this] { return m_socket.state() == QAbstractSocket::ConnectedState; });
    }

    void send(const QByteArray& bytes)
    {
        m_socket.write(bytes);
        m_socket.flush();
    }

    Reply read(bool head = false, int timeoutMs = 5000)
    {
        Reply reply;
        QByteArray data;
        spinUntil(
            [&] {
                data += m_socket.readAll();
                reply.closed = m_socket.state() == QAbstractSocket::UnconnectedState;
                const auto end = data.indexOf("\r\n\r\n");
                if (end < 0) {
                    return reply.closed;
                }
                reply.headers = data.left(end);
                const auto at = reply.headers.toLower().indexOf("content-length: ");
                const qsizetype length = at < 0 ? 0 : reply.headers.mid(at + 16).split('\r').front().toLongLong();
                reply.body = data.mid(end + 4);
                reply.answered = head || reply.body.size() >= length;
                return reply.answered || reply.closed;
            },
            timeoutMs);
        if (reply.answered) {
            reply.status = reply.headers.mid(9, 3).toInt();
        }
        return reply;
    }

    QTcpSocket& socket() { return m_socket; }

private:
    QTcpSocket m_socket;
};

Reply request(quint16 port, const QByteArray& method, const QByteArray& path)
{
    Client client(port);
    EXPECT_TRUE(client.connected());
    client.send(method + " " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    return client.read(method == "HEAD");
}

class MetricsEndpointTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_endpoint.listenOn("127.0.0.1:0")) << m_endpoint.stateText().toStdString();
        m_endpoint.setText(kText);
    }

    static constexpr const char* kText = "# HELP caldrix_polls_total Polls.\n# TYPE caldrix_polls_total counter\n"
                                         "caldrix_polls_total 3\n";
    MetricsEndpoint m_endpoint;
};

TEST_F(MetricsEndpointTest, GetAndHeadOfMetricsAnswerWithTheText)
{
    const quint16 port = m_endpoint.port();
    ASSERT_NE(port, 0);
    EXPECT_EQ(m_endpoint.stateText().toStdString(), "Serving on 127.0.0.1:" + std::to_string(port));

    Reply get = request(port, "GET", "/metrics");
    ASSERT_TRUE(get.answered);
    EXPECT_EQ(get.status, 200);
    EXPECT_TRUE(get.headers.contains("text/plain; version=0.0.4")) << get.headers.toStdString();
    EXPECT_EQ(get.body.toStdString(), kText);

    // The next scrape gets the text set since.
    m_endpoint.setText("caldrix_polls_total 4\n");
    EXPECT_EQ(request(port, "GET", "/metrics?x=1").body.toStdString(), "caldrix_polls_total 4\n");

    // With a source, every scrape takes its text from it at that moment.
    int scrapes = 0;
    m_endpoint.setTextSource([&scrapes] { return "scrape " + std::to_string(++scrapes) + "\n"; });
    EXPECT_EQ(request(port, "GET", "/metrics").body.toStdString(), "scrape 1\n");
    EXPECT_EQ(request(port, "GET", "/metrics").body.toStdString(), "scrape 2\n");
    m_endpoint.setTextSource({});
    m_endpoint.setText("caldrix_polls_total 4\n");

    Client client(port);
    ASSERT_TRUE(client.connected());
    client.send("HEAD /metrics HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    Reply head = client.read(true);
    ASSERT_TRUE(head.answered);
    EXPECT_EQ(head.status, 200);
    EXPECT_TRUE(head.headers.contains("Content-Length: 22")) << head.headers.toStdString();
    // No body follows the headers.
    spinUntil([] { return false; }, 200);
    EXPECT_TRUE((head.body + client.socket().readAll()).isEmpty());
}

TEST_F(MetricsEndpointTest, OtherPathsAreNotFoundAndOtherMethodsNotAllowed)
{
    const quint16 port = m_endpoint.port();
    for (const char* path : {"/", "/metricsx", "/metrics/", "/favicon.ico"}) {
        const Reply reply = request(port, "GET", path);
        EXPECT_EQ(reply.status, 404) << path;
        EXPECT_FALSE(reply.body.contains("caldrix_polls_total")) << path;
    }
    for (const char* method : {"POST", "PUT", "DELETE", "OPTIONS"}) {
        const Reply reply = request(port, method, "/metrics");
        EXPECT_EQ(reply.status, 405) << method;
        EXPECT_TRUE(reply.headers.contains("Allow: GET, HEAD")) << method;
    }
}

TEST_F(MetricsEndpointTest, AnOversizedRequestIsDroppedAndOthersAreStillServed)
{
    const quint16 port = m_endpoint.port();
    Client big(port);
    ASSERT_TRUE(big.connected());
    big.send("GET /metrics HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Padding: " +
             QByteArray(4 * MetricsEndpoint::kMaxRequestBytes, 'a') + "\r\n\r\n");
    const Reply refused = big.read();
    EXPECT_TRUE(refused.closed);
    EXPECT_NE(refused.status, 200);

    // A request just under the limit, sent in small pieces, is answered.
    Client dribble(port);
    ASSERT_TRUE(dribble.connected());
    const QByteArray whole = "GET /metrics HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Padding: " +
                             QByteArray(MetricsEndpoint::kMaxRequestBytes / 2, 'b') + "\r\n\r\n";
    for (qsizetype at = 0; at < whole.size(); at += 512) {
        dribble.send(whole.mid(at, 512));
        spinUntil([] { return false; }, 5);
    }
    EXPECT_EQ(dribble.read().status, 200);
}

TEST_F(MetricsEndpointTest, AClientThatStopsHalfwayHoldsUpNoOne)
{
    const quint16 port = m_endpoint.port();
    Client stalled(port);
    ASSERT_TRUE(stalled.connected());
    stalled.send("GET /metr");
    // Another scraper is served at once, several times over, on one connection.
    Client scraper(port);
    ASSERT_TRUE(scraper.connected());
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer clock;
        clock.start();
        scraper.send("GET /metrics HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
        const Reply reply = scraper.read(false, 2000);
        EXPECT_EQ(reply.status, 200) << "scrape " << i;
        EXPECT_LT(clock.elapsed(), 2000);
    }
    EXPECT_EQ(stalled.socket().bytesAvailable(), 0);
}

TEST(MetricsEndpointStateTest, EachStateSaysWhetherAndWhereItServes)
{
    MetricsEndpoint endpoint;
    EXPECT_EQ(endpoint.stateText().toStdString(), "Off");
    EXPECT_TRUE(endpoint.listenOn(""));
    EXPECT_FALSE(endpoint.listening());

    EXPECT_FALSE(endpoint.listenOn("9464"));
    EXPECT_EQ(endpoint.stateText().toStdString().rfind("Not serving: ", 0), 0u) << endpoint.stateText().toStdString();
    EXPECT_FALSE(endpoint.listenOn("localhost:9464"));
    EXPECT_TRUE(endpoint.stateText().contains("not an IP address"));

    // A port another program holds: the reason, and no listening.
    QTcpServer holder;
    ASSERT_TRUE(holder.listen(QHostAddress::LocalHost, 0));
    const std::string taken = "127.0.0.1:" + std::to_string(holder.serverPort());
    EXPECT_FALSE(endpoint.listenOn(taken));
    EXPECT_FALSE(endpoint.listening());
    EXPECT_TRUE(endpoint.stateText().contains(QString::fromStdString("cannot listen on " + taken)))
        << endpoint.stateText().toStdString();

    // Moving to a free port works and the old one is let go.
    ASSERT_TRUE(endpoint.listenOn("127.0.0.1:0"));
    const quint16 first = endpoint.port();
    ASSERT_TRUE(endpoint.listenOn("127.0.0.1:0"));
    QTcpServer reuse;
    EXPECT_TRUE(reuse.listen(QHostAddress::LocalHost, first)) << "the first port is still held";
    endpoint.close();
    EXPECT_EQ(endpoint.stateText().toStdString(), "Off");
}

} // namespace
} // namespace cdx
