#pragma once

#include <list>

#include <QHostAddress>
#include <QSocketNotifier>
#include <QTcpServer>
#include <QTimer>

class QTcpSocket;

namespace cdx {

class MetricsConnectionGuard;

// The listening socket of the metrics endpoint, which no number of clients
// can use to starve the program of file descriptors or of the processor. It
// accepts connections itself rather than in QTcpServer's loop, which retries
// at once, over and over, when accept() fails for want of descriptors:
// - at most kMaxConnections are open at once; a further one takes the place
//   of the oldest idle connection (else of the oldest);
// - a connection is accepted only while kDescriptorHeadroom descriptors stay
//   free below the limit on open files, so that the settings, the logs and
//   the textfile can always be opened; when they run short, the oldest idle
//   connection makes room, or, with none idle, accepting pauses for kPauseMs
//   (as it does whenever accept() fails);
// - each connection gets a guard (request size, idle time, closing after
//   the answer where the client asked for that).
class MetricsTcpServer : public QTcpServer {
    Q_OBJECT
public:
    explicit MetricsTcpServer(QObject* parent = nullptr);

    // Listens on `host`:`port` and starts accepting; false with
    // errorString() set when it cannot listen.
    bool start(const QHostAddress& host, quint16 port);

    int connectionCount() const { return static_cast<int>(m_connections.size()); }
    // Connections taken since listening began, and times accepting paused.
    int acceptedCount() const { return m_accepted; }
    int pauseCount() const { return m_pauses; }

    static constexpr int kMaxConnections = 64;
    static constexpr int kDescriptorHeadroom = 32;
    static constexpr int kPauseMs = 250;
    // Connections accepted at one turn of the event loop at most.
    static constexpr int kAcceptBatch = 64;

    // Hands a connection to the HTTP server. QTcpServer turns its own
    // accepting back on here; it is turned off again at once.
    QTcpSocket* nextPendingConnection() override;

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    struct Connection {
        QTcpSocket* socket;
        MetricsConnectionGuard* guard;
    };

    void acceptPending();
    // True when the next descriptor handed out would leave fewer than the
    // headroom free below the limit (they are handed out lowest first).
    bool descriptorsShort() const;
    // Closes the oldest idle connection, else (with `anyIfNoneIdle`) the
    // oldest; false when there was none to close.
    bool dropOldest(bool anyIfNoneIdle);
    void pause();

    std::list<Connection> m_connections;
    QSocketNotifier* m_pending = nullptr;
    QTimer m_resume;
    int m_accepted = 0;
    int m_pauses = 0;
};

} // namespace cdx
