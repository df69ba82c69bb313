#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QString>

#include "platform/qt/MetricsServer.h"

namespace cdx {

// The metrics server of the metrics library, which is loaded on the first
// address that is not empty: with the export off, Qt Network never loads.
// Loading happens on the calling thread, at once; it is asked for only when
// the address is set (by the user, or at start from the settings), never
// during a poll. A library that cannot be loaded leaves the server "Not
// serving" with the reason; the next address set tries again. Once loaded the
// library stays loaded until the program ends.
class LazyMetricsServer : public MetricsServer {
public:
    explicit LazyMetricsServer(std::string libraryPath);
    ~LazyMetricsServer() override;

    LazyMetricsServer(const LazyMetricsServer&) = delete;
    LazyMetricsServer& operator=(const LazyMetricsServer&) = delete;

    bool listenOn(const std::string& address) override;
    void close() override;
    quint16 port() const override;
    QString stateText() const override;
    void setTextSource(std::function<std::string()> source) override;
    void setStateListener(std::function<void()> listener) override;

    // True once the library is loaded.
    bool loaded() const { return m_server != nullptr; }

private:
    // Loads the library and makes the server; false with the reason in the
    // state when that fails.
    bool load();
    void setState(QString state);

    std::string m_libraryPath;
    std::unique_ptr<MetricsServer> m_server;
    QString m_state;
    std::function<std::string()> m_source;
    std::function<void()> m_stateListener;
};

} // namespace cdx
