#include "ScreenshotScene.h"

#include <QApplication>

#include "ScreenshotLogs.h"
#include "monitor/LogSnapshots.h"
#include "platform/qt/QtIconImage.h"

namespace cdx {

namespace {

// One poll interval of the default settings.
constexpr int kPollInterval = 5000;

} // namespace

ScreenshotScene::ScreenshotScene(Sensors sensors)
    : m_poll(PollCycle::Parts{m_driver, m_settings, m_gauges, m_statistics, m_panel, m_listener,
                              [this] { return m_timers.pollingActive(); }}),
      m_window(MainWindow::Parts{
          .settings = m_settings,
          .gauges = m_gauges,
          .readings = m_panel,
          .statistics = m_statistics,
          .pollCycle = m_poll,
          .timers = m_timers,
          .log =
              PopupMenu::LogActions{
                  .start = [] {},
                  .stop = [] {},
                  .view = [] {},
                  .erase = [] {},
                  .logging = [] { return false; },
              },
          .exit = [] {},
          .readLm75 = [this] { m_driver.GetLM75TempAsusTX(); },
          .trayBoxesChanged = {},
          .suspendTray = [this] { m_tray.suspend(); },
          .restoreTray = [this] { m_tray.resume(); },
          .shell = nullptr,
      }),
      m_tray(
          m_area, m_settings, m_gauges, m_panel, m_timers.swapTimer(), m_window.popupQMenu(),
          [this] { m_window.openFromTray(); }, [this] { return m_timers.pollingActive(); })
{
    m_listener.attach(&m_tray);
    MonitorTimers::Handlers handlers;
    handlers.poll = [this] { m_poll.poll(); };
    handlers.swap = [this] { m_tray.swapTick(); };
    m_timers.setHandlers(handlers);

    // A warm afternoon on a healthy board: temperatures creep up a little,
    // voltages wobble inside their bands, three fans spin.
    m_driver.script("GetLM78Temp", {37, 38, 38, 39});
    m_driver.script("GetLM75TempAsusTX", {23, 24, 25, 24});
    m_driver.script("GetWinBondSensor2", {44.5, 45.0, 45.5, 45.0});
    m_driver.script("GetWinBondSensor3", {35.5, 36.0, 36.5});
    m_driver.script("GetLM78Core0", {2.80, 2.82, 2.79});
    m_driver.script("GetLM78Pos33v", {3.31, 3.30, 3.33});
    m_driver.script("GetLM78Pos5v", {5.02, 4.97, 5.00});
    m_driver.script("GetLM78Pos12v", {12.10, 12.16, 12.04});
    m_driver.script("GetLM78Neg12v", {-11.92, -12.05});
    m_driver.script("GetLM78Neg5v", {-5.04, -4.98});
    m_driver.script("GetLM78Fan1", {140, 142, 141});
    m_driver.script("GetLM78Fan2", {152, 150});
    m_driver.script("GetLM78Fan3", {168, 170});

    const bool winbond = sensors == Sensors::Winbond;
    m_settings.temperature(TemperatureSensor::WB1).sensorEnabled = true;
    m_settings.temperature(TemperatureSensor::LM75).sensorEnabled = !winbond;
    m_settings.temperature(TemperatureSensor::WB2).sensorEnabled = winbond;
    m_settings.temperature(TemperatureSensor::WB3).sensorEnabled = winbond;
    m_settings.temperature(TemperatureSensor::WB1).trayShow = true;
    m_settings.temperature(TemperatureSensor::LM75).trayShow = !winbond;
    m_settings.temperature(TemperatureSensor::WB2).trayShow = winbond;
    m_settings.temperature(TemperatureSensor::WB3).trayShow = winbond;
    m_settings.fan(Fan::Fan1).nominalRpm = 2400.0;
    m_settings.fan(Fan::Fan2).nominalRpm = 2250.0;
    m_settings.fan(Fan::Fan3).nominalRpm = 4000.0;
    m_settings.pollInterval = kPollInterval;

    m_logTimer = m_queue.createTimer();
    m_logs = std::make_unique<ScreenshotLogs>(
        m_settings, *m_logTimer, [this] { return intervalLogSnapshot(m_gauges, m_panel, 451); },
        [this] { return m_timers.pollingActive(); });
    m_window.attachNames(m_names);
    m_pages = std::make_unique<VisualLogUpDownPages>(VisualLogUpDownPages::Parts{
        .settings = m_settings,
        .names = m_names,
        .window = m_window,
        .tray = m_tray,
        .statistics = m_statistics,
        .readings = m_panel,
        .intervalLog = m_logs->intervalLog,
        .maintenance = m_logs->maintenance,
        .sizes = m_logs->sizes,
        .resetStatistics = [this] { m_poll.resetStatistics(); },
        .saveUpDown =
            [this] {
                m_logs->upDownLog.writeUpDownLog(upDownReport(m_statistics, m_settings, 451, "."));
                m_logs->upDownLog.checkUpDownLogFileSize();
            },
    });
    m_settings.fan(Fan::Fan1).alarmEnabled = true;
    m_settings.temperature(TemperatureSensor::WB1).actions.run = true;
    m_settings.temperature(TemperatureSensor::WB1).actions.runPath = "/usr/local/bin/fans-full-speed";

    m_settingsPages = new SettingsPages(m_window.pageControl(), m_gauges,
                                        PageServices{
                                            .settings = m_settings,
                                            .switches = m_window.sensorSwitches(),
                                            .display = [this] { return m_poll.display(); },
                                            .pollIfActive = {},
                                            .setPollInterval = {},
                                            .testSpeaker = {},
                                            .setLogItemsVisible = {},
                                            .runOnStartup = {},
                                            .plus33Changed = {},
                                            .temperatureTextChanged = {},
                                            .switchesChanged = {},
                                            .showMessage = {},
                                            .chooseFile = {},
                                        });
    m_window.setOnExpanded([this] {
        m_settingsPages->resetSelectors();
        m_pages->resetSelectors();
    });
}

ScreenshotScene::~ScreenshotScene()
{
    m_pages.reset();
    m_listener.attach(nullptr);
}

void ScreenshotScene::start()
{
    m_poll.resetStatistics();
    const bool chipDetected = m_driver.CheckLM78();
    m_poll.setChipPresent(chipDetected);
    m_driver.RestartLM78();
    m_poll.setFanDivisors(m_driver.GetFanDivide1(), m_driver.GetFanDivide2());
    if (m_settings.temperature(TemperatureSensor::LM75).sensorEnabled) {
        m_driver.GetLM75TempAsusTX();
    }
    m_window.applySettings();
    m_pages->load();
    m_window.showStartPage();
    m_poll.setScaleCaption(m_settings.temperatureUnit);
    m_window.toggleScale();
    m_window.applySensorSwitches(chipDetected);
    m_settingsPages->refreshSwitches();
    m_settingsPages->load();
    m_tray.loadSettings();
    m_pages->load();
    m_logs->intervalLog.checkLogFileSize();
    m_logs->warningLog.checkWarningLogFileSize();
    m_logs->upDownLog.checkUpDownLogFileSize();
    m_pages->refreshLabels();
    m_timers.startUp(m_settings.pollInterval, m_settings.swapInterval);
    m_window.showCompact();
    m_tray.activate();
}

void ScreenshotScene::poll(int count)
{
    m_queue.advance(static_cast<std::int64_t>(count) * m_settings.pollInterval);
}

QImage ScreenshotScene::shownPicture(TrayIcon& icon) const
{
    const NotifyIconData* data = m_area.shown(&icon.window());
    if (data == nullptr || data->icon == nullptr) {
        return {};
    }
    return toQImage(*data->icon);
}

QImage ScreenshotScene::grabWindow()
{
    QApplication::processEvents();
    return m_window.grab().toImage();
}

} // namespace cdx
