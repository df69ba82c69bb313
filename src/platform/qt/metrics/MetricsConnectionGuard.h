#pragma once

#include <QObject>
#include <QTimer>

class QTcpSocket;

namespace cdx {

// Watches one connection to the metrics endpoint: a request that grows past
// the size limit, or a client that neither finishes its request nor reads the
// answer within the time limit, loses its connection. Everything runs in the
// event loop, so such a client never holds up anything else on the thread.
class MetricsConnectionGuard : public QObject {
    Q_OBJECT
public:
    // Attach before anyone else reads from `socket`; the guard is the
    // socket's child.
    MetricsConnectionGuard(QTcpSocket* socket, qint64 maxRequestBytes, int idleLimitMs);

    static void attach(QTcpSocket* socket, qint64 maxRequestBytes, int idleLimitMs);

private:
    void received();
    void answered();

    QTcpSocket* m_socket;
    qint64 m_maxRequestBytes;
    qint64 m_requestBytes = 0;
    QTimer m_idle;
};

} // namespace cdx
