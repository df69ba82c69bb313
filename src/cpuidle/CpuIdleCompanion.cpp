#include "cpuidle/CpuIdleCompanion.h"

#include <array>
#include <ostream>

#include "platform/ExternalMessages.h"
#include "platform/FrequencyCap.h"
#include "platform/LocalMessaging.h"

namespace cdx {

namespace {

const std::string OwnEndpoint(ExternalMessages::CpuIdleEndpoint);
const std::string CaldrixEndpoint(ExternalMessages::CaldrixEndpoint);

constexpr std::array<const char*, 4> SensorNames{"WB1", "LM75", "WB2", "WB3"};

} // namespace

CpuIdleCompanion::CpuIdleCompanion(LocalMessaging& messaging, FrequencyCap& cap, std::ostream& notices)
    : m_messaging(messaging), m_cap(cap), m_notices(notices)
{
}

CpuIdleCompanion::~CpuIdleCompanion()
{
    stop();
}

bool CpuIdleCompanion::start()
{
    LocalMessaging::Claim claim = m_messaging.claim(OwnEndpoint, [this](const LocalMessage& m) { handle(m); });
    if (claim.heldElsewhere) {
        m_error = "CPU Idle is already running.";
        return false;
    }
    if (!claim.endpoint) {
        m_error = "CPU Idle cannot be reached by Caldrix: " + claim.error;
        return false;
    }
    m_endpoint = std::move(claim.endpoint);
    const FrequencyCap::Outcome outcome = m_cap.apply();
    m_capText = outcome.message;
    notifyChanged();
    return true;
}

std::string CpuIdleCompanion::temperatureTextFor(std::uint64_t sensor, std::int64_t celsius)
{
    return std::string(SensorNames[sensor]) + ": " + std::to_string(celsius) + " °C";
}

void CpuIdleCompanion::handle(const LocalMessage& message)
{
    switch (message.message) {
    case ExternalMessages::Probe:
    case ExternalMessages::App:
        return;
    case ExternalMessages::Close:
        requestQuit();
        return;
    case ExternalMessages::TemperatureReport:
        // Any program of the user may send this; a report that cannot be
        // Caldrix's is not shown.
        if (message.wParam >= SensorNames.size() || message.lParam < -273 || message.lParam > 1000) {
            m_notices << "caldrix-cpuidle: a temperature report with sensor " << message.wParam << " and "
                      << message.lParam << " degrees was ignored\n";
            return;
        }
        m_temperatureText = temperatureTextFor(message.wParam, message.lParam);
        notifyChanged();
        return;
    default:
        m_notices << "caldrix-cpuidle: message " << message.message << " was ignored\n";
        return;
    }
}

void CpuIdleCompanion::tick()
{
    if (m_stopped) {
        return;
    }
    if (m_messaging.send(CaldrixEndpoint, {ExternalMessages::ReportTemperature, 0, 0})) {
        m_seenCaldrix = true;
        return;
    }
    if (m_seenCaldrix) {
        // Caldrix ended or crashed: nobody is left to close this program.
        m_notices << "caldrix-cpuidle: Caldrix is gone; ending\n";
        requestQuit();
    }
}

void CpuIdleCompanion::stop()
{
    if (m_stopped) {
        return;
    }
    m_stopped = true;
    m_endpoint.reset();
    const std::string failures = m_cap.restore();
    if (!failures.empty()) {
        m_notices << "caldrix-cpuidle: the frequency limit could not be put back: " << failures << '\n';
    }
}

void CpuIdleCompanion::requestQuit()
{
    if (m_quitting) {
        return;
    }
    m_quitting = true;
    if (m_observer.quitRequested) {
        m_observer.quitRequested();
    }
}

void CpuIdleCompanion::notifyChanged()
{
    if (m_observer.changed) {
        m_observer.changed();
    }
}

} // namespace cdx
