#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "platform/LocalEndpoint.h"
#include "platform/LocalMessage.h"

namespace cdx {

class FrequencyCap;
class LocalMessaging;

// The CPU Idle program that comes with Caldrix: while it runs it holds the
// "CPUIdle" endpoint, keeps the processor's clock limit lowered, asks
// Caldrix for the temperature now and then and shows the answer. It ends on
// the close message, and when the Caldrix it talked to is gone (ended or
// crashed), so that the clock is not left lowered behind it. Ending puts the
// clock limit back.
class CpuIdleCompanion {
public:
    struct Observer {
        std::function<void()> changed;       // a text below changed
        std::function<void()> quitRequested; // the program should end now
    };

    CpuIdleCompanion(LocalMessaging& messaging, FrequencyCap& cap, std::ostream& notices);
    ~CpuIdleCompanion();

    CpuIdleCompanion(const CpuIdleCompanion&) = delete;
    CpuIdleCompanion& operator=(const CpuIdleCompanion&) = delete;

    void setObserver(Observer observer) { m_observer = std::move(observer); }

    // Takes the "CPUIdle" endpoint and lowers the clock. False when another
    // CPU Idle runs or the endpoint cannot be taken (the reason is in
    // error()); nothing is changed then.
    bool start();
    const std::string& error() const { return m_error; }

    // A message to the endpoint.
    void handle(const LocalMessage& message);

    // Asks Caldrix for the temperature; notices when Caldrix has gone.
    void tick();

    // Gives up the endpoint and puts the clock limit back. Runs once.
    void stop();

    const std::string& temperatureText() const { return m_temperatureText; }
    const std::string& capText() const { return m_capText; }
    bool quitting() const { return m_quitting; }

    // "WB2: 38 °C" for a report of sensor 2 at 38 degrees.
    static std::string temperatureTextFor(std::uint64_t sensor, std::int64_t celsius);

private:
    void requestQuit();
    void notifyChanged();

    LocalMessaging& m_messaging;
    FrequencyCap& m_cap;
    std::ostream& m_notices;
    Observer m_observer;
    std::unique_ptr<LocalEndpoint> m_endpoint;
    std::string m_error;
    std::string m_temperatureText = "Waiting for Caldrix to report the temperature.";
    std::string m_capText;
    bool m_seenCaldrix = false;
    bool m_quitting = false;
    bool m_stopped = false;
};

} // namespace cdx
