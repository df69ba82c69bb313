#include "platform/qt/metrics/MetricsConnectionGuard.h"

#include <QTcpSocket>

namespace cdx {

MetricsConnectionGuard::MetricsConnectionGuard(QTcpSocket* socket, qint64 maxRequestBytes, int idleLimitMs)
    : QObject(socket), m_socket(socket), m_maxRequestBytes(maxRequestBytes)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleLimitMs);
    connect(&m_idle, &QTimer::timeout, m_socket, &QTcpSocket::abort);
    connect(m_socket, &QTcpSocket::readyRead, this, &MetricsConnectionGuard::received);
    connect(m_socket, &QTcpSocket::bytesWritten, this, &MetricsConnectionGuard::answered);
    m_idle.start();
}

void MetricsConnectionGuard::attach(QTcpSocket* socket, qint64 maxRequestBytes, int idleLimitMs)
{
    new MetricsConnectionGuard(socket, maxRequestBytes, idleLimitMs);
}

void MetricsConnectionGuard::received()
{
    // The server keeps an unfinished request in the socket's buffer and reads
    // it again as more arrives, so what is unread now is what came since the
    // server last looked.
    m_requestBytes += m_socket->bytesAvailable();
    if (m_requestBytes > m_maxRequestBytes) {
        m_socket->abort();
    }
}

void MetricsConnectionGuard::answered()
{
    // An answer went out: the next request on this connection starts afresh.
    m_requestBytes = 0;
    m_idle.start();
}

} // namespace cdx
