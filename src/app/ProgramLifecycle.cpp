#include "app/ProgramLifecycle.h"

#include <filesystem>
#include <iostream>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>

#include "app/PlatformServices.h"
#include "lifecycle/Uninstaller.h"
#include "platform/WindowMessages.h"
#include "platform/linux/UnixLocalMessaging.h"
#include "platform/qt/QtReadWatch.h"
#include "sensors/CoreVoltageStart.h"
#include "sensors/DriverReading.h"
#include "sensors/SensorDriver.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "ui/FirstRunWindows.h"
#include "ui/MainWindow.h"
#include "ui/PopupMenu.h"
#include "ui/UninstallDialog.h"

namespace cdx {

namespace {

// The program's name on the local message bus, as its window title was.
constexpr const char* kInstanceName = "Caldrix";

std::optional<double> reading(SensorDriver& driver, DriverReading which, double (SensorDriver::*read)())
{
    if (!hasReading(driver.availableReadings(), which)) {
        return std::nullopt;
    }
    return (driver.*read)();
}

} // namespace

ProgramLifecycle::ProgramLifecycle(Parts parts)
    : m_parts(std::move(parts)),
      m_messaging(std::make_unique<UnixLocalMessaging>(UnixLocalMessaging::defaultDirectory(), std::cerr, qtReadWatch)),
      m_instance(*m_messaging, std::cerr), m_help(m_parts.platform.shell, m_parts.platform.location.executablePath()),
      m_exit(ProgramExit::Actions{
          .questionEnabled = [this] { return m_parts.settings.exitQuestion; },
          .ask = [this](const ExitButtonLayout& layout) { return askExitQuestion(layout); },
          .save = [this] { return m_parts.save(); },
          .hideToTray = [this] { m_parts.window.hideToTray(); },
          // Queued: an end asked for while the start is still running (a
          // signal handled inside it) ends the event loop as soon as it runs.
          // A start waiting on a question or a message would wait for someone
          // to answer: every loop open then ends at once, and the start goes
          // no further.
          .quit =
              [this] {
                  if (m_starting) {
                      QCoreApplication::exit(0);
                  }
                  QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                            Qt::QueuedConnection);
              },
      })
{
    // Closing the window from its frame asks as "Exit" does, with
    // "Minimize" among the answers.
    m_parts.window.installEventFilter(this);
}

ProgramLifecycle::~ProgramLifecycle()
{
    m_parts.window.removeEventFilter(this);
}

bool ProgramLifecycle::unattended()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

bool ProgramLifecycle::anotherInstanceRuns()
{
    if (!m_instance.isAlreadyRunning(kInstanceName, [this](const LocalMessage& message) { received(message); })) {
        return false;
    }
    m_parts.platform.messages.showWarning("Caldrix is already running.");
    return true;
}

void ProgramLifecycle::received(const LocalMessage& message)
{
    if (message.message != WindowMessages::BringForward) {
        if (m_parts.otherRequest) {
            m_parts.otherRequest(message);
        }
        return;
    }
    MainWindow& window = m_parts.window;
    // A window hidden in the tray stays there: the tray's menu opens it.
    if (window.isHidden()) {
        return;
    }
    if (window.windowState() & Qt::WindowMinimized) {
        window.showNormal();
    }
    window.raise();
    window.activateWindow();
}

FirstRunSequence::StartUp ProgramLifecycle::loadSettings(bool chipDetected)
{
    FirstRunWindows windows(unattended(), std::cerr);
    // Once an end is asked for, no further question is put, and the one that
    // was up counts as refused.
    windows.setModalRunner([this](QDialog& dialog) {
        if (m_exit.ending()) {
            return static_cast<int>(QDialog::Rejected);
        }
        const int result = dialog.exec();
        return m_exit.ending() ? static_cast<int>(QDialog::Rejected) : result;
    });
    SensorDriver& driver = m_parts.driver;
    auto questions = [&] {
        StartupQuestions asked;
        asked.chipDetected = chipDetected;
        asked.askCpuType = !driver.cpuTemperatureIsTrue();
        asked.coreVoltage = m_parts.settings.coreVoltageNominal;
        asked.decimalSeparator = m_parts.platform.formats.decimalSeparator;
        if (chipDetected) {
            asked.port0Volts = reading(driver, DriverReading::Core0, &SensorDriver::GetLM78Core0);
            asked.port1Volts = reading(driver, DriverReading::Core1, &SensorDriver::GetLM78Core1);
            // The spin starts from the voltage the chip measures, not from a
            // nominal no processor of today runs at.
            if (asked.port0Volts) {
                if (const auto nominal = coreVoltageStartValue(*asked.port0Volts)) {
                    asked.coreVoltage = *nominal;
                }
            }
        }
        return asked;
    };
    FirstRunSequence::StartUp result = FirstRunSequence::startUp(m_parts.store, m_parts.settings, windows, questions,
                                                                 [&] { return driver.GetChipID(); });
    if (!result.error.empty()) {
        std::cerr << "Caldrix: " << result.error << '\n';
    }
    return result;
}

void ProgramLifecycle::registerUninstaller()
{
    namespace fs = std::filesystem;
    const fs::path executable = m_parts.platform.location.executablePath();
    const fs::path uninstaller = executable.parent_path().parent_path() / "lib" / "caldrix" / "caldrix-uninstall";
    std::error_code ignored;
    if (fs::is_regular_file(uninstaller, ignored)) {
        Uninstaller::registerUninstaller(m_parts.platform.registry, uninstaller.lexically_normal().string());
    }
}

void ProgramLifecycle::bindMenu(PopupMenu& menu)
{
    menu.setOnUnInstall([this] { uninstall(); });
    menu.setOnHelp([this] { m_help.openHelp(); });
    menu.setOnAbout([this] {
        if (!m_about) {
            m_about = std::make_unique<AboutDialog>();
        }
        m_about->exec();
    });
    menu.setOnWebPage([this] { m_help.openWebPage(); });
    menu.setOnEMailAuthor([this] { m_help.eMailAuthor(); });
}

void ProgramLifecycle::uninstall()
{
    PlatformServices& platform = m_parts.platform;
    UninstallDialog dialog([this, &platform](Uninstaller::Progress& progress) {
        // From here on nothing may write a log or the settings again.
        m_parts.endWithoutSaving();
        Uninstaller(platform.registry, platform.autostart, platform.location, platform.shell).run(progress);
    });
    if (dialog.exec() == QDialog::Accepted) {
        QCoreApplication::quit();
    }
}

ExitAnswer ProgramLifecycle::askExitQuestion(const ExitButtonLayout& layout)
{
    if (unattended()) {
        std::cerr << "Caldrix: Are you sure you want to Exit the Program ? "
                     "(answered Yes: no display)\n";
        return ExitAnswer::Yes;
    }
    if (!m_exitQuestion) {
        m_exitQuestion = std::make_unique<ExitQuestionDialog>();
    }
    return m_exitQuestion->ask(layout);
}

bool ProgramLifecycle::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_parts.window && event->type() == QEvent::Close) {
        // On the way out the window may close; before that a close is a
        // request to end, which the exit question may refuse.
        if (m_exit.ending()) {
            event->accept();
            return true;
        }
        event->ignore();
        m_exit.closeBox();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace cdx
