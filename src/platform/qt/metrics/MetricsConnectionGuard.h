#pragma once

#include <QObject>
#include <QTimer>

class QTcpSocket;

namespace cdx {

// Watches one connection to the metrics endpoint: a request that grows past
// the size limit, or a client that neither finishes its request nor reads the
// answer within the time limit, loses its connection; a client that asked
// for it ("Connection: close", or HTTP/1.0 without "Connection: keep-alive")
// has its connection closed once the answer is out. Everything runs in the
// event loop, so such a client never holds up anything else on the thread.
class MetricsConnectionGuard : public QObject {
    Q_OBJECT
public:
    // Attach before anyone else reads from `socket`; the guard is the
    // socket's child.
    MetricsConnectionGuard(QTcpSocket* socket, qint64 maxRequestBytes, int idleLimitMs);

    static MetricsConnectionGuard* attach(QTcpSocket* socket, qint64 maxRequestBytes, int idleLimitMs);

    // Between requests: nothing received that is not answered, nothing left
    // to send.
    bool idle() const;

    // Whether the request head `head` (up to its blank line) asks for the
    // connection to close after the answer.
    static bool asksToClose(const QByteArray& head);

private:
    void received();
    void answered();

    QTcpSocket* m_socket;
    qint64 m_maxRequestBytes;
    qint64 m_requestBytes = 0;
    bool m_closeAfterAnswer = false;
    QTimer m_idle;
};

} // namespace cdx
