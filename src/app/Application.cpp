#include "app/Application.h"

#include <iostream>
#include <utility>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSystemTrayIcon>

#include "monitor/ExternalRequests.h"
#include "monitor/LogSnapshots.h"
#include "platform/ExternalMessages.h"
#include "platform/RegistryError.h"
#include "platform/qt/LazyMetricsServer.h"
#include "sensors/SensorDriver.h"
#include "sensors/SystemInfo.h"

namespace cdx {

Application::Application(Libraries libraries, const std::string& programFile)
    : m_libraries(std::move(libraries)), m_driver(*m_libraries.driver.driver),
      m_platform(programFile.empty() ? LinuxProgramLocation::runningExecutable() : programFile),
      m_store(m_platform.registry, m_platform.location),
      m_runOnStartup(m_platform.registry, m_platform.location, m_platform.autostart),
      m_audio(ProgramLibraries::path(AudioLibraryFile)), m_audioTone(m_audio), m_beeper(m_audioTone), m_wave(m_audio),
      m_timers(m_platform.timers, m_beeper), m_sound(m_settings, m_wave, m_driver),
      m_alarms(AlarmStack::Parts{m_platform, m_settings, m_timers, m_sound, m_metricsRecorder,
                                 [this] {
                                     if (m_trayForDialog != nullptr) {
                                         m_trayForDialog->createIcon();
                                     }
                                 },
                                 [this](const std::string& line) { m_logs->warningLog.writeErrorLog(line); }}),
      m_logs(std::make_unique<LogStack>(
          m_platform, m_settings, m_timers.logTimer(),
          [this] { return intervalLogSnapshot(m_monitor.gauges, m_monitor.panel, m_cpuSpeedMhz); },
          [this] { return m_timers.pollingActive(); })),
      m_monitor(m_platform, m_settings, m_driver, m_timers, m_pollListener),
      m_cpuIdle(CpuIdleLauncher::Parts{m_settings, m_monitor.poll.readings(), m_platform.registry, m_platform.shell,
                                       m_platform.messaging, m_platform.clock, m_platform.formats,
                                       [this](const std::string& line) { m_logs->warningLog.writeErrorLog(line); }}),
      m_names(m_settings), m_window(MainWindow::Parts{
                               .settings = m_settings,
                               .gauges = m_monitor.gauges,
                               .readings = m_monitor.panel,
                               .statistics = m_monitor.statistics,
                               .pollCycle = m_monitor.poll,
                               .timers = m_timers,
                               .log = m_logs->menuActions(),
                               .exit = [this] { exitRequested(); },
                               .readLm75 = [this] { m_driver.GetLM75TempAsusTX(); },
                               .trayBoxesChanged =
                                   [this](TemperatureSensor sensor) {
                                       m_tray.sensorSwitched(sensor);
                                       if (m_pageAssembly) {
                                           m_pageAssembly->refreshTrayBoxes();
                                       }
                                   },
                               .suspendTray =
                                   [this] {
                                       m_tray.suspend();
                                       m_logs->intervalLog.suspend();
                                       m_metrics.refresh();
                                   },
                               .restoreTray =
                                   [this] {
                                       m_tray.resume();
                                       m_logs->intervalLog.resume();
                                       m_metrics.refresh();
                                   },
                               .shell = &m_platform.shell,
                           }),
      m_tray(
          m_platform.systemTray, m_settings, m_monitor.gauges, m_monitor.panel, m_timers.swapTimer(),
          m_window.popupQMenu(), [this] { m_window.openFromTray(); }, [this] { return m_timers.pollingActive(); }),
      m_metrics(m_settings, m_metricsRecorder,
                MetricsAdapter({m_settings, m_monitor.poll.readings(), m_monitor.panel, m_monitor.statistics,
                                [this] { return m_timers.suspended(); }, CALDRIX_VERSION}),
                std::make_unique<LazyMetricsServer>(ProgramLibraries::path(MetricsLibraryFile))),
      m_sources(m_settings, m_driver, m_monitor.poll, [this](const std::string& text) {
          std::cerr << "Caldrix: " << text << '\n';
          m_logs->warningLog.writeErrorLog(text);
      })
{
    m_alarms.listenTo(m_monitor.poll);
    m_alarms.window.attach(&m_window);
    m_pollListener.attach(&m_tray);
    m_pollListener.attachCpuIdle(&m_cpuIdle);
    m_trayForDialog = &m_tray;
    m_window.attachNames(m_names);
    // The settings pages are built on the first Show & Expand, so a program
    // that lives in the tray never carries them.
    m_pageAssembly = std::make_unique<PageAssembly>(PageAssembly::Parts{
        .platform = m_platform,
        .settings = m_settings,
        .window = m_window,
        .monitor = m_monitor,
        .timers = m_timers,
        .beeper = m_beeper,
        .runOnStartup = m_runOnStartup,
        .names = m_names,
        .tray = m_tray,
        .logs = *m_logs,
        .metrics = m_metrics,
        .cpuIdle = m_cpuIdle,
        .sources = m_sources,
        .driver = m_driver,
        .systemInfo = *m_libraries.systemInfo.systemInfo,
        .saveSettings = [this] { return saveSettings(); },
        .cpuSpeedMhz = [this] { return m_cpuSpeedMhz; },
    });
    m_window.setOnExpanded([this] { m_pageAssembly->expanded(); });
    m_alarms.dialog.setUnattended(QGuiApplication::platformName() == QLatin1String("offscreen"));
    bindTimers();
    m_lifecycle = std::make_unique<ProgramLifecycle>(ProgramLifecycle::Parts{
        .platform = m_platform,
        .settings = m_settings,
        .store = m_store,
        .driver = m_driver,
        .window = m_window,
        .save = [this] { return m_started && !m_shutDown && saveSettings(); },
        .endWithoutSaving =
            [this] {
                // After an uninstall nothing may write the settings or a log.
                m_shutDown = true;
                m_timers.stopAll();
                m_sound.playWave("");
                m_history->forget();
            },
        .otherRequest = [this](const LocalMessage& message) { handleExternalMessage(message); },
    });
    m_lifecycle->bindMenu(m_window.popupMenu());
    m_history = std::make_unique<HistoryAssembly>(HistoryAssembly::Parts{m_settings, m_platform.directories,
                                                                         m_platform.timers, m_monitor.poll,
                                                                         [this] { return m_monitor.poll.display(); }});
    m_window.popupMenu().setOnHistory([this] { m_history->openWindow(); });
}

Application::~Application()
{
    shutdown();
    m_pollListener.attachCpuIdle(nullptr);
    m_pageAssembly.reset();
    m_pollListener.attach(nullptr);
    m_alarms.window.attach(nullptr);
    m_trayForDialog = nullptr;
}

void Application::bindTimers()
{
    MonitorTimers::Handlers handlers;
    handlers.poll = [this] {
        m_monitor.poll.poll();
        m_metrics.afterPoll();
        m_sources.afterPoll();
        m_notifications.pollEnded();
    };
    handlers.swap = [this] { m_tray.swapTick(); };
    handlers.logEntry = [this] { m_logs->intervalLog.writeStandardLogEntry(); };
    handlers.speakerDivisor = [this] { return m_settings.pcSpeakerDivisor; };
    m_timers.setHandlers(handlers);
}

void Application::handleExternalMessage(const LocalMessage& message)
{
    // Requests before the window is ready, and other numbers, are ignored.
    if (!m_started) {
        return;
    }
    const auto toFront = [this](bool expanded) {
        expanded ? m_window.showExpanded() : m_window.showCompact();
        m_window.raise();
        m_window.activateWindow();
    };
    ExternalRequests{[&] { toFront(false); }, [&] { toFront(true); }, [this] { m_cpuIdle.reportTemperature(); },
                     [this] { m_history->openWindow(); }}
        .handle(message);
}

bool Application::start(const std::function<void()>& removeSplash)
{
    SystemInfo& systemInfo = *m_libraries.systemInfo.systemInfo;
    m_cpuSpeedMhz = systemInfo.ClockRate();
    if (removeSplash) {
        removeSplash();
    }
    const bool chipDetected = m_monitor.startUp(m_cpuSpeedMhz, m_libraries.driver.userNotice);
    // An end asked for while a message was up ends the start here.
    if (m_lifecycle->exit().ending()) {
        return false;
    }
    // A second start touches neither the settings nor the logs.
    if (m_lifecycle->anotherInstanceRuns()) {
        return false;
    }

    m_monitor.restartChip();

    // Whether the autorun entry exists: the General page's box shows it.
    m_pageAssembly->setAutorunAtStart(m_runOnStartup.renewAtStartup());
    // A first run asks its questions here; "I Don't Agree" ends the program
    // with nothing stored, so that the next start asks again.
    const FirstRunSequence::StartUp startUp = m_lifecycle->loadSettings(chipDetected);
    if (startUp.refused || m_lifecycle->exit().ending()) {
        return false;
    }
    const SettingsLoad& load = startUp.load;
    // The joke item shows only when the whole key was read with "Zuno" set.
    m_window.popupMenu().item("ZunoBeer1")->setVisible(load.showZunoItem(m_settings));
    m_lifecycle->registerUninstaller();
    if (m_settings.temperature(TemperatureSensor::LM75).sensorEnabled) {
        m_driver.GetLM75TempAsusTX();
    }
    // Not installed: its options go off before the pages show them.
    m_cpuIdle.checkForCpuIdleInRegistry(false);
    m_window.applySettings();
    m_window.showStartPage();
    m_metrics.applySettings();
    m_sources.apply();

    m_logs->prepareFiles();
    m_names.propagateAll();

    // The unit button shows the unit a click switches to; one click shows
    // the unit displayed at the last save.
    m_monitor.poll.setScaleCaption(m_settings.temperatureUnit);
    m_window.toggleScale();
    m_window.applySensorSwitches(chipDetected);

    m_logs->intervalLog.setLogging(m_settings.intervalLogEnabled);
    m_history->start();
    m_tray.loadSettings();
    m_pageAssembly->load();
    m_timers.startUp(m_settings.pollInterval, m_settings.swapInterval, [this] {
        // Hidden to a tray that does not exist, the window could never be
        // opened again: without a tray host it starts as the small window.
        const bool trayReachable =
            QSystemTrayIcon::isSystemTrayAvailable() || QGuiApplication::platformName() == QLatin1String("offscreen");
        if (m_settings.startMinimized && trayReachable) {
            m_window.hideToTray();
        } else {
            m_window.showCompact();
        }
        m_tray.activate();
    });
    m_lifecycle->startFinished();
    m_started = true;
    return true;
}

bool Application::saveSettings()
{
    // "C or F" holds the unit shown: the unit button shows the other one.
    m_settings.temperatureUnit.assign(1, m_monitor.poll.scaleCaption() == "F" ? 'C' : 'F');
    try {
        const QPoint at = m_window.positionToStore();
        m_store.writeRegistry(m_settings, at.x(), at.y());
        return true;
    } catch (const RegistryError& e) {
        m_platform.messages.showError(std::string("The settings could not be saved: ") + e.what());
        return false;
    }
}

void Application::exitRequested()
{
    if (!m_started || m_shutDown) {
        QCoreApplication::quit();
        return;
    }
    m_lifecycle->exit().exitItem();
}

void Application::endSession()
{
    m_lifecycle->exit().sessionEnd();
}

void Application::shutdown()
{
    if (m_shutDown || !m_started) {
        return;
    }
    m_shutDown = true;
    m_timers.pollTimer().setEnabled(false);
    // A session end or a signal cannot be refused: one more try, then on.
    if (!m_lifecycle->exit().saved()) {
        saveSettings();
    }
    m_history->save();
    if (m_settings.saveUpDownOnExit) {
        m_logs->upDownLog.writeUpDownLog(
            upDownReport(m_monitor.statistics, m_settings, m_cpuSpeedMhz, m_platform.formats.decimalSeparator));
    }
    m_sound.playWave("");
}

} // namespace cdx
