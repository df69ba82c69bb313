#include "cpuidle/CpuIdleLauncher.h"

#include <filesystem>
#include <system_error>

#include "platform/Clock.h"
#include "platform/ExternalMessages.h"
#include "platform/LocalMessaging.h"
#include "platform/Registry.h"
#include "platform/RegistryError.h"
#include "platform/Shell.h"
#include "sensors/Formats.h"
#include "sensors/Readings.h"
#include "settings/Settings.h"

namespace cdx {

namespace {

constexpr std::string_view InstallationKey = "Software\\CpuIdle";
constexpr std::string_view PathValue = "Path";

const std::string CpuIdleEndpoint(ExternalMessages::CpuIdleEndpoint);

bool fileExistsOnDisk(const std::string& path)
{
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

} // namespace

CpuIdleLauncher::CpuIdleLauncher(Parts parts) : m_parts(std::move(parts))
{
    if (!m_parts.fileExists) {
        m_parts.fileExists = fileExistsOnDisk;
    }
}

std::int64_t CpuIdleLauncher::watchedTemperature() const
{
    const int sensor = m_parts.settings.cpuIdleSensor;
    if (sensor < 0 || sensor > 3) {
        return 0;
    }
    // A switched-off sensor, or one without a reading, counts as 0 degrees.
    const auto which = static_cast<TemperatureSensor>(sensor);
    if (!m_parts.settings.temperature(which).sensorEnabled) {
        return 0;
    }
    return roundHalfEven(m_parts.readings.temperature(which).value_or(0.0));
}

void CpuIdleLauncher::checkCpuIdleLaunch()
{
    if (watchedTemperature() < m_parts.settings.cpuIdleLaunchTemperature) {
        return;
    }
    // Armed once: whatever the outcome, later polls do not try again until a
    // close or Reset.
    m_triggered = true;
    setResetEnabled(true);

    if (isCpuIdleAlreadyRunning()) {
        addEvent(": CPU Idle was already running.");
        logWarning("CPU Idle was already running.");
        return;
    }
    const std::string path = checkForCpuIdleInRegistry(true);
    if (!path.empty() && m_parts.fileExists(path)) {
        m_parts.shell.execute(path, {}, directoryOf(path), ShowCommand::Show);
        addEvent(": CPU Idle was launched by CDX.");
        logWarning("CPU Idle was launched by CDX.");
    } else {
        addEvent(": CPU Idle could not be found by CDX");
        logWarning("CPU Idle could not be found by CDX");
    }
}

void CpuIdleLauncher::checkCpuIdleClose()
{
    if (watchedTemperature() > m_parts.settings.cpuIdleCloseTemperature || !isCpuIdleAlreadyRunning()) {
        return;
    }
    m_triggered = false;
    // It may have ended since the test: then nothing is posted or listed.
    if (!m_parts.messaging.send(CpuIdleEndpoint, {ExternalMessages::Close, 0, 0})) {
        return;
    }
    m_parts.messaging.send(CpuIdleEndpoint, {ExternalMessages::App, 0, 0});
    addEvent(": CPU Idle was closed by CDX.");
    logWarning("CPU Idle was closed by CDX.");
}

bool CpuIdleLauncher::isCpuIdleAlreadyRunning() const
{
    return m_parts.messaging.send(CpuIdleEndpoint, {ExternalMessages::Probe, 0, 0});
}

std::string CpuIdleLauncher::checkForCpuIdleInRegistry(bool readPath)
{
    std::unique_ptr<RegistryKey> key;
    try {
        key = m_parts.registry.openKey(RootKey::LocalMachine, InstallationKey, false);
    } catch (const RegistryError&) {
        key.reset();
    }
    if (!key) {
        m_parts.settings.cpuIdleLaunch = false;
        m_parts.settings.cpuIdleClose = false;
        setOptionsAvailable(false);
        addEvent(": CPU Idle could not be found.");
        return {};
    }
    // Registered since the boxes were disabled: they can be used again.
    setOptionsAvailable(true);
    if (!readPath) {
        return {};
    }
    const auto value = key->readValue(PathValue);
    if (!value || (value->type != RegistryType::String && value->type != RegistryType::ExpandString)) {
        return {};
    }
    return value->text;
}

void CpuIdleLauncher::reset()
{
    addEvent(": Reset");
    m_triggered = false;
    setResetEnabled(false);
}

LocalMessage CpuIdleLauncher::temperatureReport() const
{
    const int sensor = m_parts.settings.cpuIdleSensor;
    return {ExternalMessages::TemperatureReport, static_cast<std::uint64_t>(sensor < 0 ? 0 : sensor),
            watchedTemperature()};
}

void CpuIdleLauncher::reportTemperature()
{
    // Sent only where CPU Idle listens; nobody else gets it.
    m_parts.messaging.send(CpuIdleEndpoint, temperatureReport());
}

std::string CpuIdleLauncher::directoryOf(const std::string& path)
{
    const auto last = path.find_last_of("/\\:");
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

void CpuIdleLauncher::addEvent(const std::string& text)
{
    const LocalDateTime now = m_parts.clock.now();
    std::string line = formatShortDate(now, m_parts.formats) + " " + formatLongTime(now, m_parts.formats) + text;
    m_events.push_back(line);
    if (m_observer.eventAdded) {
        m_observer.eventAdded(line);
    }
}

void CpuIdleLauncher::logWarning(const std::string& text)
{
    if (m_parts.settings.warningLogEnabled && m_parts.writeWarning) {
        m_parts.writeWarning(text);
    }
}

void CpuIdleLauncher::setResetEnabled(bool enabled)
{
    m_resetEnabled = enabled;
    if (m_observer.resetEnabledChanged) {
        m_observer.resetEnabledChanged(enabled);
    }
}

void CpuIdleLauncher::setOptionsAvailable(bool available)
{
    m_optionsAvailable = available;
    if (m_observer.optionsAvailableChanged) {
        m_observer.optionsAvailableChanged(available);
    }
}

} // namespace cdx
