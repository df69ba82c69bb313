#include "platform/qt/LazyMetricsServer.h"

#include <dlfcn.h>
#include <utility>

namespace cdx {

LazyMetricsServer::LazyMetricsServer(std::string libraryPath)
    : m_libraryPath(std::move(libraryPath)), m_state(QStringLiteral("Off"))
{
}

// The server goes before the program ends; the library itself stays, as Qt
// keeps state of its own until exit.
LazyMetricsServer::~LazyMetricsServer() = default;

bool LazyMetricsServer::listenOn(const std::string& address)
{
    if (!m_server) {
        if (address.find_first_not_of(" \t") == std::string::npos) {
            setState(QStringLiteral("Off"));
            return true;
        }
        if (!load()) {
            return false;
        }
    }
    return m_server->listenOn(address);
}

void LazyMetricsServer::close()
{
    if (m_server) {
        m_server->close();
    } else {
        setState(QStringLiteral("Off"));
    }
}

quint16 LazyMetricsServer::port() const
{
    return m_server ? m_server->port() : 0;
}

QString LazyMetricsServer::stateText() const
{
    return m_server ? m_server->stateText() : m_state;
}

void LazyMetricsServer::setTextSource(std::function<std::string()> source)
{
    m_source = std::move(source);
    if (m_server) {
        m_server->setTextSource(m_source);
    }
}

void LazyMetricsServer::setStateListener(std::function<void()> listener)
{
    m_stateListener = std::move(listener);
    if (m_server) {
        m_server->setStateListener(m_stateListener);
    }
}

bool LazyMetricsServer::load()
{
    // Closed never: see the class comment.
    void* handle = dlopen(m_libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        setState(QStringLiteral("Not serving: the metrics library could not be loaded: ") +
                 QString::fromLocal8Bit(dlerror()));
        return false;
    }
    auto make = reinterpret_cast<MakeMetricsServer>(dlsym(handle, MakeMetricsServerSymbol));
    if (make == nullptr) {
        setState(QStringLiteral("Not serving: %1 lacks %2")
                     .arg(QString::fromStdString(m_libraryPath), QLatin1String(MakeMetricsServerSymbol)));
        return false;
    }
    std::unique_ptr<MetricsServer> server;
    make(&server);
    if (!server) {
        setState(QStringLiteral("Not serving: %1 made no server").arg(QString::fromStdString(m_libraryPath)));
        return false;
    }
    server->setTextSource(m_source);
    server->setStateListener(m_stateListener);
    m_server = std::move(server);
    return true;
}

void LazyMetricsServer::setState(QString state)
{
    if (state != m_state) {
        m_state = std::move(state);
        if (m_stateListener) {
            m_stateListener();
        }
    }
}

} // namespace cdx
