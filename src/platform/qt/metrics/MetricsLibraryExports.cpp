// The metrics library's export: the program loads this library (and with it
// Qt's HTTP server and Qt Network) only when a metrics address is set.
#include "platform/qt/MetricsServer.h"
#include "platform/qt/metrics/MetricsEndpoint.h"

extern "C" __attribute__((visibility("default"))) void
caldrix_make_metrics_server(std::unique_ptr<cdx::MetricsServer>* server)
{
    *server = std::make_unique<cdx::MetricsEndpoint>();
}
