#pragma once

#include <functional>

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace cdx::test {

// Runs the event loop until `done` or the time is up; the server lives in the
// same thread, so a client must never block it.
inline bool spinUntil(const std::function<bool()>& done, int timeoutMs = 5000)
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

inline Reply request(quint16 port, const QByteArray& method, const QByteArray& path)
{
    Client client(port);
    EXPECT_TRUE(client.connected());
    client.send(method + " " + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    return client.read(method == "HEAD");
}

} // namespace cdx::test
