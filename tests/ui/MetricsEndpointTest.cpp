#include "platform/qt/metrics/MetricsEndpoint.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <arpa/inet.h>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "HttpClient.h"
#include "platform/linux/FileRegistry.h"
#include "platform/qt/metrics/MetricsTcpServer.h"

namespace cdx {
namespace {

using test::Client;
using test::Reply;
using test::request;
using test::spinUntil;

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

TEST_F(MetricsEndpointTest, AClientAskingForItHasItsConnectionClosedAfterTheAnswer)
{
    const quint16 port = m_endpoint.port();
    // Asked to close (HTTP/1.0 by default) the server closes after the answer;
    // HTTP/1.0 asking to keep it, and HTTP/1.1 by default, stay open.
    const std::pair<QByteArray, bool> asks[] = {
        {"GET /metrics HTTP/1.0\r\n\r\n", true},
        {"GET /metrics HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n", true},
        {"HEAD /metrics HTTP/1.1\r\nConnection: Close\r\n\r\n", true},
        {"GET /metrics HTTP/1.0\r\nConnection: keep-alive\r\n\r\n", false},
        {"GET /metrics HTTP/1.1\r\nHost: x\r\n\r\n", false},
    };
    for (const auto& [ask, closes] : asks) {
        Client client(port);
        ASSERT_TRUE(client.connected());
        client.send(ask);
        EXPECT_EQ(client.read(ask.startsWith("HEAD")).status, 200) << ask.toStdString();
        if (closes) {
            EXPECT_TRUE(spinUntil([&] { return client.socket().state() == QAbstractSocket::UnconnectedState; }))
                << ask.toStdString() << " left the connection open";
            EXPECT_TRUE(spinUntil([this] { return m_endpoint.tcpServer()->connectionCount() == 0; }));
        } else {
            spinUntil([] { return false; }, 100);
            EXPECT_EQ(client.socket().state(), QAbstractSocket::ConnectedState) << ask.toStdString();
        }
    }
}

// The descriptors this process has open.
int openDescriptors()
{
    int count = 0;
    if (DIR* folder = ::opendir("/proc/self/fd")) {
        while (::readdir(folder) != nullptr) {
            ++count;
        }
        ::closedir(folder);
    }
    return count - 3; // ".", ".." and the folder's own
}

// Another process holding up to `count` connections to 127.0.0.1:port (a
// few dozen being made at any moment, so that none waits on a full backlog),
// until it is stopped.
class ConnectionFlood {
public:
    ConnectionFlood(quint16 port, int count)
    {
        m_pid = ::fork();
        if (m_pid != 0) {
            return;
        }
        ::close_range(3, ~0U, 0); // none of the test's descriptors is needed here
        rlimit limit{};
        ::getrlimit(RLIMIT_NOFILE, &limit);
        limit.rlim_cur = std::min<rlim_t>(limit.rlim_max, static_cast<rlim_t>(count) + 64);
        ::setrlimit(RLIMIT_NOFILE, &limit);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        std::vector<pollfd> connecting;
        int made = 0;
        for (int round = 0; round < 12000 && (made < count || !connecting.empty()); ++round) {
            while (made < count && connecting.size() < 32) {
                const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
                if (fd < 0) {
                    ::_exit(1);
                }
                ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
                connecting.push_back({fd, POLLOUT, 0});
                ++made;
            }
            ::poll(connecting.data(), connecting.size(), 10);
            std::erase_if(connecting, [](const pollfd& p) { return p.revents != 0; });
        }
        ::pause(); // holds every connection until killed
        ::_exit(0);
    }
    ~ConnectionFlood() { stop(); }

    void stop()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

private:
    pid_t m_pid = -1;
};

// Lowers this process's limit on open files for the test's length.
class DescriptorLimit {
public:
    explicit DescriptorLimit(rlim_t soft)
    {
        ::getrlimit(RLIMIT_NOFILE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = std::min(soft, m_saved.rlim_max);
        ::setrlimit(RLIMIT_NOFILE, &lowered);
    }
    ~DescriptorLimit() { ::setrlimit(RLIMIT_NOFILE, &m_saved); }

private:
    rlimit m_saved{};
};

TEST_F(MetricsEndpointTest, AConnectionFloodNeitherTakesTheLastDescriptorsNorStopsScrapesOrSaves)
{
    const quint16 port = m_endpoint.port();
    const MetricsTcpServer& tcp = *m_endpoint.tcpServer();
    const int open = openDescriptors();
    // The usual desktop limit lowered, and one so low that the descriptors
    // run short before the number of connections reaches its cap.
    for (const int limit : {512, open + MetricsTcpServer::kDescriptorHeadroom + 24}) {
        SCOPED_TRACE("limit " + std::to_string(limit));
        DescriptorLimit lowered(static_cast<rlim_t>(limit));
        const int acceptedBefore = tcp.acceptedCount();
        ConnectionFlood flood(port, 1100);

        int most = 0;
        const bool took = spinUntil(
            [&] {
                most = std::max(most, tcp.connectionCount());
                return tcp.acceptedCount() - acceptedBefore >= 1100;
            },
            120000);
        EXPECT_TRUE(took) << "only " << tcp.acceptedCount() - acceptedBefore << " connections were taken";
        EXPECT_LE(most, MetricsTcpServer::kMaxConnections);

        // With the flood held: the descriptors a save and the textfile need
        // are there, and a scrape is answered.
        QTemporaryDir folder;
        {
            FileRegistry registry(folder.path().toStdString());
            auto key = registry.openKey(RootKey::CurrentUser, "Software\\Caldrix", true);
            key->writeString("Flood", "held");
            EXPECT_NO_THROW(key->close());
        }
        QFile saved(folder.filePath("HKEY_CURRENT_USER.reg"));
        EXPECT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_TRUE(saved.readAll().contains("held"));
        std::vector<int> files;
        for (int i = 0; i < MetricsTcpServer::kDescriptorHeadroom / 2; ++i) {
            files.push_back(::open("/dev/null", O_RDONLY | O_CLOEXEC));
            EXPECT_GE(files.back(), 0) << "descriptor " << i << " of the reserve";
        }
        for (const int fd : files) {
            ::close(fd);
        }
        EXPECT_EQ(request(port, "GET", "/metrics").status, 200);

        flood.stop();
        EXPECT_TRUE(spinUntil([&] { return tcp.connectionCount() == 0; }, 10000));
    }

    // Every descriptor taken by something else: accepting fails, and waits
    // instead of trying again at once, over and over.
    DescriptorLimit lowered(static_cast<rlim_t>(open + MetricsTcpServer::kDescriptorHeadroom + 24));
    std::vector<int> fillers;
    for (int fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC); fd >= 0; fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) {
        fillers.push_back(fd);
    }
    ConnectionFlood waiting(port, 50);
    const int pausesBefore = tcp.pauseCount();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    const qint64 waited = wall.elapsed();
    const int pauses = tcp.pauseCount() - pausesBefore;
    EXPECT_GE(pauses, 1);
    EXPECT_LE(pauses, waited / MetricsTcpServer::kPauseMs + 2);
    for (const int fd : fillers) {
        ::close(fd);
    }
    const int acceptedBefore = tcp.acceptedCount();
    EXPECT_TRUE(spinUntil([&] { return tcp.acceptedCount() - acceptedBefore >= 50; }, 10000))
        << "accepting goes on once descriptors are free";
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
    // Spellings the system would read as every interface or as loopback.
    for (const char* odd : {"0:0", "127.1:0", "2130706433:0", "0x7f000001:0"}) {
        EXPECT_FALSE(endpoint.listenOn(odd)) << odd;
        EXPECT_FALSE(endpoint.listening()) << odd;
    }
    // Every interface: served, and said to be reachable from elsewhere.
    ASSERT_TRUE(endpoint.listenOn("0.0.0.0:0"));
    EXPECT_TRUE(endpoint.stateText().contains("reachable from other computers")) << endpoint.stateText().toStdString();

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
    EXPECT_FALSE(endpoint.stateText().contains("other computers"));
    const quint16 first = endpoint.port();
    ASSERT_TRUE(endpoint.listenOn("127.0.0.1:0"));
    QTcpServer reuse;
    EXPECT_TRUE(reuse.listen(QHostAddress::LocalHost, first)) << "the first port is still held";
    endpoint.close();
    EXPECT_EQ(endpoint.stateText().toStdString(), "Off");
}

} // namespace
} // namespace cdx
