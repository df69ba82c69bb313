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
#include "platform/qt/metrics/MetricsTcpServer.h"

namespace cdx {
namespace {

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
    m_tcp = nullptr;
    m_server.reset();
    m_port = 0;
    setState(QStringLiteral("Off"));
}

bool MetricsEndpoint::listenOn(const std::string& address)
{
    m_tcp = nullptr;
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
    auto* tcp = new MetricsTcpServer(server.get());
    if (!tcp->start(host, where.port)) {
        setState(QStringLiteral("Not serving: cannot listen on %1: %2")
                     .arg(QString::fromStdString(where.text()), tcp->errorString()));
        return false;
    }
    server->bind(tcp);
    m_port = tcp->serverPort();
    m_server = std::move(server);
    m_tcp = tcp;
    const QString serving =
        QStringLiteral("Serving on %1").arg(QString::fromStdString(MetricsAddress{where.host, m_port}.text()));
    setState(where.thisComputerOnly()
                 ? serving
                 : serving + QStringLiteral(" - reachable from other computers, not only this one; use 127.0.0.1 to "
                                            "keep it on this computer"));
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
    // The guard closes the connection once the answer is out.
    const bool closing = request.value("Connection").toLower().contains("close");
    if (m_source) {
        m_body = QByteArray::fromStdString(m_source());
    }
    switch (request.method()) {
    case QHttpServerRequest::Method::Get:
        if (closing) {
            responder.write(m_body, {{"Content-Type", contentType}, {"Connection", "close"}}, Status::Ok);
        } else {
            responder.write(m_body, {{"Content-Type", contentType}}, Status::Ok);
        }
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
