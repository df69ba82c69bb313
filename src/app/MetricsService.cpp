#include "app/MetricsService.h"

#include <iostream>
#include <utility>

#include "metrics/MetricsText.h"
#include "settings/Settings.h"
#include "ui/MetricsPage.h"

namespace cdx {

MetricsService::MetricsService(Settings& settings, MetricsRecorder& recorder, MetricsAdapter adapter,
                               std::unique_ptr<MetricsServer> server)
    : m_settings(settings), m_adapter(std::move(adapter)), m_recorder(recorder), m_server(std::move(server))
{
    // Each scrape builds its text afresh: a scrape between polls sees the
    // state of now, such as polling suspended.
    m_server->setTextSource([this] { return metricsText(m_adapter.snapshot(m_recorder)); });
    m_server->setStateListener([this] {
        if (m_page != nullptr) {
            showOn(*m_page);
        }
    });
}

void MetricsService::applySettings()
{
    if (m_listeningOn != m_settings.metricsAddress) {
        m_listeningOn = m_settings.metricsAddress;
        if (!m_server->listenOn(m_settings.metricsAddress)) {
            std::cerr << "Caldrix: " << m_server->stateText().toStdString() << '\n';
        }
    }
    const std::string& path = m_settings.metricsTextfile;
    if (path.empty()) {
        m_textfile.reset();
    } else if (!m_textfile || m_textfile->path() != path) {
        m_textfile = std::make_unique<MetricsTextfile>(path, m_files);
        m_reportedError.clear();
    }
    publish();
}

void MetricsService::afterPoll()
{
    m_recorder.countPoll();
    publish();
}

void MetricsService::publish()
{
    if (m_textfile) {
        const std::string text = metricsText(m_adapter.snapshot(m_recorder));
        const bool written = m_textfile->write(text);
        // A failure is told once, not at every poll; the page shows it meanwhile.
        if (!written && m_textfile->lastError() != m_reportedError) {
            m_reportedError = m_textfile->lastError();
            std::cerr << "Caldrix: " << m_reportedError << '\n';
        } else if (written) {
            m_reportedError.clear();
        }
    }
    if (m_page != nullptr) {
        showOn(*m_page);
    }
}

QString MetricsService::textfileState() const
{
    if (!m_textfile) {
        return QStringLiteral("Off");
    }
    if (!m_textfile->lastError().empty()) {
        return QString::fromStdString(m_textfile->lastError());
    }
    return QStringLiteral("Writing %1 each poll").arg(QString::fromStdString(m_textfile->path().string()));
}

void MetricsService::attachPage(MetricsPage& page)
{
    m_page = &page;
    page.setSettings(QString::fromStdString(m_settings.metricsAddress),
                     QString::fromStdString(m_settings.metricsTextfile));
    showOn(page);
    QObject::connect(&page, &MetricsPage::settingsEdited, m_pageGuard.get(),
                     [this](const QString& address, const QString& file) {
                         m_settings.metricsAddress = address.trimmed().toStdString();
                         m_settings.metricsTextfile = file.trimmed().toStdString();
                         applySettings();
                     });
    QObject::connect(&page, &QObject::destroyed, m_pageGuard.get(), [this, &page] {
        if (m_page == &page) {
            m_page = nullptr;
        }
    });
}

void MetricsService::showOn(MetricsPage& page) const
{
    page.setEndpointState(m_server->stateText());
    page.setTextfileState(textfileState());
}

} // namespace cdx
