#include "app/PageAssembly.h"

#include <QVBoxLayout>

#include "app/LogStack.h"
#include "app/MetricsService.h"
#include "app/MonitorStack.h"
#include "app/PlatformServices.h"
#include "cpuidle/CpuIdleLauncher.h"
#include "monitor/LogSnapshots.h"
#include "monitor/MonitorTimers.h"
#include "platform/Beeper.h"
#include "presentation/SensorNames.h"
#include "sensors/SensorDriver.h"
#include "sensors/SystemInfo.h"
#include "sensors/TemperatureText.h"
#include "settings/RunOnStartup.h"
#include "settings/Settings.h"
#include "ui/CpuIdlePage.h"
#include "ui/GeneralPage.h"
#include "ui/LogPage.h"
#include "ui/MainWindow.h"
#include "ui/MetricsPage.h"
#include "ui/ReadingsGroups.h"
#include "ui/SettingsPages.h"
#include "ui/SubPageSelector.h"
#include "ui/SystemInfoPanel.h"
#include "ui/TrayIcons.h"
#include "ui/VisualLogUpDownPages.h"

namespace cdx {

namespace {

// The PC speaker's timer clock, which the tone divisor divides.
constexpr int kSpeakerClockHz = 1193181;

} // namespace

PageAssembly::PageAssembly(Parts parts) : m_parts(std::move(parts))
{
}

PageAssembly::~PageAssembly() = default;

void PageAssembly::expanded()
{
    buildOnce();
    m_settingsPages->resetSelectors();
    m_pages->resetSelectors();
    m_cpuIdlePage->resetForExpand();
}

void PageAssembly::load()
{
    if (m_pages) {
        loadBuilt();
    }
}

void PageAssembly::refreshTrayBoxes()
{
    if (m_pages) {
        m_pages->refreshTrayBoxes();
    }
}

void PageAssembly::buildOnce()
{
    if (m_pages) {
        return;
    }
    placeCpuIdlePage();
    buildPages();
    buildSettingsPages();
    placeSystemInfoPanel();
    auto* metricsPage = new MetricsPage;
    m_pages->logPage().selector().addEntry(QStringLiteral("Metrics"), metricsPage);
    m_parts.metrics.attachPage(*metricsPage);
    loadBuilt();
}

void PageAssembly::loadBuilt()
{
    m_settingsPages->general().showRunOnStartup(m_autorunAtStart);
    m_settingsPages->load();
    m_cpuIdlePage->load();
    m_cpuIdlePage->refreshLabels();
    m_pages->refreshLabels();
    m_settingsPages->refreshSwitches();
    m_pages->load();
}

void PageAssembly::placeCpuIdlePage()
{
    m_cpuIdlePage = new CpuIdlePage(CpuIdlePage::Parts{m_parts.settings, m_parts.cpuIdle,
                                                       [this] { m_parts.saveSettings(); }, &m_parts.platform.shell});
    m_parts.window.pageControl().replacePage(MainWindow::CPUIdle, m_cpuIdlePage);
}

void PageAssembly::buildPages()
{
    LogStack& logs = m_parts.logs;
    m_pages = std::make_unique<VisualLogUpDownPages>(VisualLogUpDownPages::Parts{
        .settings = m_parts.settings,
        .names = m_parts.names,
        .window = m_parts.window,
        .tray = m_parts.tray,
        .statistics = m_parts.monitor.statistics,
        .readings = m_parts.monitor.panel,
        .intervalLog = logs.intervalLog,
        .maintenance = logs.maintenance,
        .sizes = logs.sizes,
        .resetStatistics = [this] { m_parts.monitor.poll.resetStatistics(); },
        .saveUpDown =
            [this] {
                m_parts.logs.upDownLog.writeUpDownLog(upDownReport(m_parts.monitor.statistics, m_parts.settings,
                                                                   m_parts.cpuSpeedMhz(),
                                                                   m_parts.platform.formats.decimalSeparator));
                m_parts.logs.upDownLog.checkUpDownLogFileSize();
            },
        .decimalSeparator = m_parts.platform.formats.decimalSeparator,
    });
}

void PageAssembly::buildSettingsPages()
{
    MonitorStack& monitor = m_parts.monitor;
    m_settingsPages = new SettingsPages(
        m_parts.window.pageControl(), monitor.gauges,
        PageServices{
            .settings = m_parts.settings,
            .switches = m_parts.window.sensorSwitches(),
            .display = [&monitor] { return monitor.poll.display(); },
            .pollIfActive = [&monitor] { monitor.poll.pollIfActive(); },
            .setPollInterval = [this](int ms) { m_parts.timers.pollTimer().setInterval(ms); },
            .testSpeaker =
                [this](int divisor) {
                    if (divisor > 0) {
                        m_parts.beeper.beep(static_cast<unsigned>(kSpeakerClockHz / divisor) & 0xFFFFU, 500);
                    }
                },
            .setLogItemsVisible = [this](bool on) { m_parts.window.popupMenu().setLogItemsVisible(on); },
            .runOnStartup =
                [this](bool on) {
                    return m_parts.runOnStartup.apply(
                        on, m_parts.window.isVisible() && !m_parts.window.isHidden(),
                        [this](const std::string& text) { m_parts.platform.messages.showInformation(text); });
                },
            .plus33Changed =
                [this, &monitor] {
                    m_parts.window.readingsGroups().refreshPlus33Caption(monitor.poll.display().decimalSeparator);
                },
            .temperatureTextChanged =
                [this, &monitor] {
                    // The centre labels of the gauges follow at once; a sensor
                    // without a reading has nothing to restate.
                    const TemperatureDisplay display = monitor.poll.display();
                    for (std::size_t i = 0; i < monitor.gauges.size(); ++i) {
                        const auto sensor = static_cast<TemperatureSensor>(i);
                        const auto& celsius = monitor.poll.readings().temperature(sensor);
                        if (m_parts.settings.temperature(sensor).sensorEnabled && celsius) {
                            monitor.gauges[sensor].setCenterLabel(
                                centerLabelText(*celsius, display, wholeDegreesFor(sensor)));
                        }
                    }
                },
            .switchesChanged = {},
            .showMessage = [this](const std::string& text) { m_parts.platform.messages.showError(text); },
            .chooseFile = {},
        });
    // A name changed on the Names page reaches the first five tabs at once
    // too: their selector entries, group captions and sensor switches.
    for (const TemperatureSensor sensor :
         {TemperatureSensor::WB1, TemperatureSensor::LM75, TemperatureSensor::WB2, TemperatureSensor::WB3}) {
        m_parts.names.attach(NamePlace::SelectorEntry, namedItem(sensor),
                             [this, sensor](const std::string& name) { m_settingsPages->setSensorName(sensor, name); });
    }
    for (const Fan fan : {Fan::Fan1, Fan::Fan2, Fan::Fan3}) {
        m_parts.names.attach(NamePlace::SelectorEntry, namedItem(fan),
                             [this, fan](const std::string& name) { m_settingsPages->setFanName(fan, name); });
    }
}

void PageAssembly::placeSystemInfoPanel()
{
    GeneralPage& general = m_settingsPages->general();
    auto* panel = new SystemInfoPanel([this] { return systemInfoFacts(); });
    auto* layout = new QVBoxLayout(&general.systemInfoPanel());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    // Rebuilt each time "System Info" is chosen, before it shows.
    general.selector().setOnChosen([panel, &general](int index) {
        if (general.selector().panel(index) == &general.systemInfoPanel()) {
            panel->setAllSystemInfo();
        }
    });
}

SystemInfoFacts PageAssembly::systemInfoFacts()
{
    SystemInfo& systemInfo = m_parts.systemInfo;
    SystemInfoFacts facts;
    facts.cpuMhz = m_parts.cpuSpeedMhz();
    facts.userName = systemInfo.GetCurrentUserName();
    facts.memoryUse = systemInfo.MemoryUse();
    facts.totalPhysicalMemory = systemInfo.TotalPhysicalMemory();
    facts.availablePhysicalMemory = systemInfo.AvailablePhysicalMemory();
    facts.executablePath = m_parts.platform.location.executablePath();
    facts.cpuIdlePath = m_parts.cpuIdle.checkForCpuIdleInRegistry(true);
    facts.chipId = m_parts.driver.GetChipID();
    return facts;
}

} // namespace cdx
