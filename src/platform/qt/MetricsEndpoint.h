#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QByteArray>
#include <QObject>
#include <QString>

class QHttpServer;
class QHttpServerRequest;
class QHttpServerResponder;

namespace cdx {

// The /metrics endpoint: Qt's HTTP server in the GUI thread's event loop,
// answering GET and HEAD of /metrics with the text last set, 404 for any
// other path and 405 for any other method on it. A request larger than
// kMaxRequestBytes, or a connection idle for kIdleLimitMs, is dropped.
class MetricsEndpoint : public QObject {
    Q_OBJECT
public:
    explicit MetricsEndpoint(QObject* parent = nullptr);
    ~MetricsEndpoint() override;

    // Listens on `address` ("host:port", the host an IP address) after
    // closing what listened before; an empty address only closes. False when
    // the address is malformed or cannot be bound (see stateText()).
    bool listenOn(const std::string& address);
    void close();

    bool listening() const { return m_port != 0; }
    // The port bound, 0 when not listening (useful after binding port 0).
    quint16 port() const { return m_port; }
    // "Serving on 127.0.0.1:9464", "Not serving: <reason>" or "Off".
    const QString& stateText() const { return m_state; }

    // The text the next scrape gets.
    void setText(const std::string& text) { m_body = QByteArray::fromStdString(text); }
    // Where each scrape takes its text from instead, so that it is current
    // even while no poll runs (polling suspended).
    void setTextSource(std::function<std::string()> source) { m_source = std::move(source); }

    static constexpr qint64 kMaxRequestBytes = 8 * 1024;
    static constexpr int kIdleLimitMs = 10000;

signals:
    void stateChanged();

private:
    void answer(const QHttpServerRequest& request, QHttpServerResponder&& responder);
    void setState(QString state);

    std::unique_ptr<QHttpServer> m_server;
    quint16 m_port = 0;
    QString m_state;
    QByteArray m_body;
    std::function<std::string()> m_source;
};

} // namespace cdx
