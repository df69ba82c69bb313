#include "platform/qt/metrics/MetricsEndpoint.h"

#include <utility>
#include <variant>

#include <QHostAddress>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpServer>
#include <QTcpSocket>

#include "metrics/MetricsAddress.h"
#include "metrics/MetricsText.h"
#include "platform/qt/metrics/MetricsConnectionGuard.h"

namespace cdx {
namespace {

// Hands each new connection to the HTTP server with a guard in front of it.
class GuardedTcpServer : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        MetricsConnectionGuard::attach(socket, MetricsEndpoint::kMaxRequestBytes, MetricsEndpoint::kIdleLimitMs);
        addPendingConnection(socket);
    }
};

using Status = QHttpServerResponder::StatusCode;

} // namespace

MetricsEndpoint::MetricsEndpoint() : m_state(QStringLiteral("Off"))
{
}

MetricsEndpoint::~MetricsEndpoint() = default;

void MetricsEndpoint::setState(QString state)
{
    if (state != m_state) {
        m_state = std::move(state);
        if (m_stateListener) {
            m_stateListener();
        }
    }
}

void MetricsEndpoint::close()
{
    m_server.reset();
    m_port = 0;
    setState(QStringLiteral("Off"));
}

bool MetricsEndpoint::listenOn(const std::string& address)
{
    m_server.reset();
    m_port = 0;
    if (address.find_first_not_of(" \t") == std::string::npos) {
        setState(QStringLiteral("Off"));
        return true;
    }
    const auto parsed = MetricsAddress::parse(address);
    if (const auto* reason = std::get_if<std::string>(&parsed)) {
        setState(QStringLiteral("Not serving: ") + QString::fromStdString(*reason));
        return false;
    }
    const MetricsAddress& where = std::get<MetricsAddress>(parsed);
    const QHostAddress host(QString::fromStdString(where.host));
    if (host.isNull()) {
        setState(QStringLiteral("Not serving: \"%1\" is not an IP address; write one, such as 127.0.0.1")
                     .arg(QString::fromStdString(where.host)));
        return false;
    }
    auto server = std::make_unique<QHttpServer>();
    server->setMissingHandler([this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
        answer(request, std::move(responder));
    });
    auto* tcp = new GuardedTcpServer(server.get());
    if (!tcp->listen(host, where.port)) {
        setState(QStringLiteral("Not serving: cannot listen on %1: %2")
                     .arg(QString::fromStdString(where.text()), tcp->errorString()));
        return false;
    }
    server->bind(tcp);
    m_port = tcp->serverPort();
    m_server = std::move(server);
    setState(QStringLiteral("Serving on %1").arg(QString::fromStdString(MetricsAddress{where.host, m_port}.text())));
    return true;
}

void MetricsEndpoint::answer(const QHttpServerRequest& request, QHttpServerResponder&& responder)
{
    const QByteArray plain = "text/plain; charset=utf-8";
    if (request.url().path() != QLatin1String("/metrics")) {
        responder.write(QByteArray("Not found; the metrics are at /metrics\n"), {{"Content-Type", plain}},
                        Status::NotFound);
        return;
    }
    const QByteArray contentType = QByteArray::fromStdString(std::string(kMetricsContentType));
    if (m_source) {
        m_body = QByteArray::fromStdString(m_source());
    }
    switch (request.method()) {
    case QHttpServerRequest::Method::Get:
        responder.write(m_body, {{"Content-Type", contentType}}, Status::Ok);
        return;
    case QHttpServerRequest::Method::Head:
        // The headers a GET would get, without the body.
        responder.writeStatusLine(Status::Ok);
        responder.writeHeader("Content-Type", contentType);
        responder.writeHeader("Content-Length", QByteArray::number(m_body.size()));
        responder.writeBody("", 0);
        return;
    default:
        responder.write(QByteArray("Only GET and HEAD are answered\n"),
                        {{"Content-Type", plain}, {"Allow", "GET, HEAD"}}, Status::MethodNotAllowed);
        return;
    }
}

} // namespace cdx
