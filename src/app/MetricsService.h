#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QObject>
#include <QString>

#include "app/MetricsAdapter.h"
#include "metrics/MetricsRecorder.h"
#include "metrics/MetricsTextfile.h"
#include "platform/linux/LinuxFileOpener.h"
#include "platform/qt/MetricsServer.h"

namespace cdx {

class MetricsPage;
struct Settings;

// The metrics export: after each poll the snapshot's text goes to the
// endpoint and to the textfile, each only while its setting names a place.
// With both settings empty nothing listens and nothing is written.
class MetricsService {
public:
    MetricsService(Settings& settings, MetricsRecorder& recorder, MetricsAdapter adapter,
                   std::unique_ptr<MetricsServer> server);

    // Takes the two settings as they now stand: listens on the address (or
    // stops), writes to the file named (or stops). Unchanged settings keep the
    // endpoint as it is.
    void applySettings();

    // Counts the poll and publishes what it showed.
    void afterPoll();
    // Publishes again without a poll (polling was suspended or resumed).
    void refresh() { publish(); }

    // "Writing <path> each poll", the reason the last write failed, or "Off".
    QString textfileState() const;

    // Shows the settings and states on `page` and takes its edits.
    void attachPage(MetricsPage& page);

private:
    void publish();
    void showOn(MetricsPage& page) const;

    Settings& m_settings;
    MetricsAdapter m_adapter;
    MetricsRecorder& m_recorder;
    std::unique_ptr<MetricsServer> m_server;
    std::optional<std::string> m_listeningOn;
    LinuxFileOpener m_files;
    std::unique_ptr<MetricsTextfile> m_textfile;
    std::string m_reportedError;
    MetricsPage* m_page = nullptr;
    // Ends the page's connections to this service when the service goes
    // first (the window, which owns the page, outlives it).
    std::unique_ptr<QObject> m_pageGuard = std::make_unique<QObject>();
};

} // namespace cdx
