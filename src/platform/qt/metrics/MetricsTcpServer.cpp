#include "platform/qt/metrics/MetricsTcpServer.h"

#include <cerrno>

#include <QTcpSocket>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/qt/metrics/MetricsConnectionGuard.h"
#include "platform/qt/metrics/MetricsEndpoint.h"

namespace cdx {

MetricsTcpServer::MetricsTcpServer(QObject* parent) : QTcpServer(parent)
{
    m_resume.setSingleShot(true);
    m_resume.setInterval(kPauseMs);
    connect(&m_resume, &QTimer::timeout, this, [this] {
        if (m_pending != nullptr) {
            m_pending->setEnabled(true);
        }
    });
}

bool MetricsTcpServer::start(const QHostAddress& host, quint16 port)
{
    if (!listen(host, port)) {
        return false;
    }
    // QTcpServer's own loop stays off; the notifier below does its work.
    pauseAccepting();
    m_pending = new QSocketNotifier(socketDescriptor(), QSocketNotifier::Read, this);
    connect(m_pending, &QSocketNotifier::activated, this, &MetricsTcpServer::acceptPending);
    return true;
}

QTcpSocket* MetricsTcpServer::nextPendingConnection()
{
    QTcpSocket* socket = QTcpServer::nextPendingConnection();
    pauseAccepting();
    return socket;
}

bool MetricsTcpServer::descriptorsShort() const
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return false;
    }
    // The lowest free descriptor, which the next accept would take.
    const int probe = ::fcntl(static_cast<int>(socketDescriptor()), F_DUPFD_CLOEXEC, 0);
    if (probe < 0) {
        return true;
    }
    ::close(probe);
    return static_cast<rlim_t>(probe) + kDescriptorHeadroom >= limit.rlim_cur;
}

void MetricsTcpServer::pause()
{
    ++m_pauses;
    m_pending->setEnabled(false);
    m_resume.start();
}

void MetricsTcpServer::acceptPending()
{
    for (int i = 0; i < kAcceptBatch; ++i) {
        if (descriptorsShort()) {
            // The oldest idle connection makes room; the next accept takes
            // its descriptor.
            if (!dropOldest(false)) {
                pause();
                return;
            }
            continue;
        }
        const int descriptor =
            ::accept4(static_cast<int>(socketDescriptor()), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (descriptor < 0) {
            if (errno == EINTR || errno == ECONNABORTED) {
                continue;
            }
            if (errno != EAGAIN && errno != EWOULDBLOCK) {
                pause(); // out of descriptors or memory: tried again later, not at once
            }
            return;
        }
        incomingConnection(descriptor);
        emit newConnection();
    }
}

bool MetricsTcpServer::dropOldest(bool anyIfNoneIdle)
{
    QTcpSocket* oldest = nullptr;
    for (const Connection& connection : m_connections) {
        if (connection.guard->idle()) {
            oldest = connection.socket;
            break;
        }
    }
    if (oldest == nullptr && anyIfNoneIdle && !m_connections.empty()) {
        oldest = m_connections.front().socket;
    }
    if (oldest == nullptr) {
        return false;
    }
    // Closes the descriptor at once; the list forgets it through its signals.
    oldest->abort();
    m_connections.remove_if([oldest](const Connection& c) { return c.socket == oldest; });
    return true;
}

void MetricsTcpServer::incomingConnection(qintptr descriptor)
{
    if (connectionCount() >= kMaxConnections) {
        dropOldest(true);
    }
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        ::close(static_cast<int>(descriptor));
        delete socket;
        return;
    }
    ++m_accepted;
    auto* guard =
        MetricsConnectionGuard::attach(socket, MetricsEndpoint::kMaxRequestBytes, MetricsEndpoint::kIdleLimitMs);
    m_connections.push_back({socket, guard});
    // Gone from the list as soon as it is closed, whoever closed it; the
    // HTTP server deletes the socket later.
    const auto forget = [this, socket] {
        m_connections.remove_if([socket](const Connection& c) { return c.socket == socket; });
    };
    connect(socket, &QTcpSocket::disconnected, this, forget);
    connect(socket, &QObject::destroyed, this, forget);
    connect(socket, &QAbstractSocket::stateChanged, this, [forget](QAbstractSocket::SocketState state) {
        if (state == QAbstractSocket::UnconnectedState) {
            forget();
        }
    });
    addPendingConnection(socket);
}

} // namespace cdx
