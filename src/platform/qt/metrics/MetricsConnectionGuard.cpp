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

MetricsConnectionGuard* MetricsConnectionGuard::attach(QTcpSocket* socket, qint64 maxRequestBytes, int idleLimitMs)
{
    return new MetricsConnectionGuard(socket, maxRequestBytes, idleLimitMs);
}

bool MetricsConnectionGuard::idle() const
{
    return m_requestBytes == 0 && m_socket->bytesToWrite() == 0;
}

bool MetricsConnectionGuard::asksToClose(const QByteArray& head)
{
    const QList<QByteArray> lines = head.split('\n');
    bool close = lines.front().trimmed().endsWith("HTTP/1.0");
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed().toLower();
        if (line.startsWith("connection:")) {
            const QByteArray value = line.mid(11).trimmed();
            close = value.contains("close") || (close && !value.contains("keep-alive"));
        }
    }
    return close;
}

void MetricsConnectionGuard::received()
{
    // The server keeps an unfinished request in the socket's buffer and reads
    // it again as more arrives, so what is unread now is what came since the
    // server last looked.
    const bool newRequest = m_requestBytes == 0;
    m_requestBytes += m_socket->bytesAvailable();
    if (m_requestBytes > m_maxRequestBytes) {
        m_socket->abort();
        return;
    }
    if (newRequest || !m_closeAfterAnswer) {
        const QByteArray pending = m_socket->peek(m_maxRequestBytes);
        const qsizetype end = pending.indexOf("\r\n\r\n");
        if (end >= 0) {
            m_closeAfterAnswer = asksToClose(pending.left(end));
        }
    }
}

void MetricsConnectionGuard::answered()
{
    // An answer went out: the next request on this connection starts afresh.
    m_idle.start();
    if (m_socket->bytesToWrite() > 0) {
        return;
    }
    m_requestBytes = 0;
    if (m_closeAfterAnswer) {
        m_socket->disconnectFromHost();
    }
}

} // namespace cdx
