#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QByteArray>
#include <QString>

#include "platform/qt/MetricsServer.h"

class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponder;

namespace cdx {

class MetricsTcpServer;

// The /metrics endpoint: Qt's HTTP server in the GUI thread's event loop,
// answering GET and HEAD of /metrics with the text last set, 404 for any
// other path and 405 for any other method on it. A request larger than
// kMaxRequestBytes, or a connection idle for kIdleLimitMs, is dropped; the
// number of connections and the descriptors they take are bounded (see
// MetricsTcpServer). Lives in the metrics library, with Qt Network.
class MetricsEndpoint : public MetricsServer {
public:
    MetricsEndpoint();
    ~MetricsEndpoint() override;

    MetricsEndpoint(const MetricsEndpoint&) = delete;
    MetricsEndpoint& operator=(const MetricsEndpoint&) = delete;

    // False when the address is malformed or cannot be bound.
    bool listenOn(const std::string& address) override;
    void close() override;

    bool listening() const { return m_port != 0; }
    // The listening socket while listening, for a look at its connections.
    const MetricsTcpServer* tcpServer() const { return m_tcp; }
    quint16 port() const override { return m_port; }
    QString stateText() const override { return m_state; }

    // The text the next scrape gets.
    void setText(const std::string& text) { m_body = QByteArray::fromStdString(text); }
    // Where each scrape takes its text from instead, so that it is current
    // even while no poll runs (polling suspended).
    void setTextSource(std::function<std::string()> source) override { m_source = std::move(source); }
    void setStateListener(std::function<void()> listener) override { m_stateListener = std::move(listener); }

    static constexpr qint64 kMaxRequestBytes = 8 * 1024;
    static constexpr int kIdleLimitMs = 10000;

private:
    void answer(const QHttpServerRequest& request, QHttpServerResponder&& responder);
    void setState(QString state);

    std::unique_ptr<QHttpServer> m_server;
    MetricsTcpServer* m_tcp = nullptr; // owned by m_server
    quint16 m_port = 0;
    QString m_state;
    QByteArray m_body;
    std::function<std::string()> m_source;
    std::function<void()> m_stateListener;
};

} // namespace cdx
