#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QString>
#include <QtGlobal>

namespace cdx {

// Serves the metrics text over HTTP at /metrics.
class MetricsServer {
public:
    virtual ~MetricsServer() = default;

    // Listens on `address` ("host:port", the host an IP address) after
    // closing what listened before; an empty address only closes. False when
    // it does not serve there (stateText() says why).
    virtual bool listenOn(const std::string& address) = 0;
    virtual void close() = 0;

    // The port bound, 0 when not listening (useful after binding port 0).
    virtual quint16 port() const = 0;
    // "Serving on 127.0.0.1:9464", "Not serving: <reason>" or "Off".
    virtual QString stateText() const = 0;

    // Where each scrape takes its text from.
    virtual void setTextSource(std::function<std::string()> source) = 0;
    // Called after each change of stateText().
    virtual void setStateListener(std::function<void()> listener) = 0;
};

// The one export of the metrics library (Qt's HTTP server and Qt Network):
// makes a server that does not listen yet. Called on the GUI thread.
using MakeMetricsServer = void (*)(std::unique_ptr<MetricsServer>* server);
inline constexpr const char* MakeMetricsServerSymbol = "caldrix_make_metrics_server";
inline constexpr const char* MetricsLibraryFile = "libcaldrix_metrics_http.so";

} // namespace cdx
