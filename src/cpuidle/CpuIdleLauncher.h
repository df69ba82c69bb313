#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/LocalMessage.h"

namespace cdx {

class Clock;
class LocalMessaging;
class Registry;
class Shell;
struct Readings;
struct RegionalFormats;
struct Settings;

// Starts the CPU Idle program when the chosen temperature reaches the launch
// threshold and closes it when the temperature falls to the close threshold,
// keeps the list of what it did, and answers CPU Idle's temperature request.
//
// CPU Idle is installed when HKEY_LOCAL_MACHINE\Software\CpuIdle exists (its
// "Path" names the program) and runs while it holds the "CPUIdle" endpoint of
// the local message bus.
class CpuIdleLauncher {
public:
    struct Parts {
        Settings& settings;
        const Readings& readings; // the latest poll's
        Registry& registry;
        Shell& shell;
        LocalMessaging& messaging;
        const Clock& clock;
        const RegionalFormats& formats;
        // Appends a line to the warning log; called only with "Write Errors" on.
        std::function<void(const std::string&)> writeWarning;
        // Whether a file exists at the path; by default the file system is asked.
        std::function<bool(const std::string&)> fileExists = {};
    };

    // What the CPUIdle page shows of the launcher's state.
    struct Observer {
        // A line was appended to the event list.
        std::function<void(const std::string& line)> eventAdded;
        // The Reset button's state changed.
        std::function<void(bool enabled)> resetEnabledChanged;
        // The launch and close boxes became usable or unusable; when unusable
        // their settings have been switched off.
        std::function<void(bool available)> optionsAvailableChanged;
    };

    explicit CpuIdleLauncher(Parts parts);

    void setObserver(Observer observer) { m_observer = std::move(observer); }

    // The poll's checks. The poll calls the launch check only while the
    // launch is not triggered.
    void checkCpuIdleLaunch(); // CheckCPUIdleLaunch
    void checkCpuIdleClose();  // CheckCPUIdleClose

    // True while a program holds the "CPUIdle" endpoint.
    bool isCpuIdleAlreadyRunning() const; // IsCPUIdleAlreadyRunning

    // Looks for the installation key without creating it. Missing: the
    // launch and close options are switched off and made unusable, the event
    // ": CPU Idle could not be found." is listed and the result is empty.
    // Present: the options are usable and, with `readPath`, the result is
    // its "Path".
    std::string checkForCpuIdleInRegistry(bool readPath); // CheckForCPUIdleInRegistry

    // The Reset button: lists ": Reset" and re-arms the launch check.
    void reset();

    // A program's temperature request: the reply goes to CPU Idle when it
    // runs; nothing happens otherwise.
    void reportTemperature();
    // The reply's content: the chosen sensor and its gauge in whole degrees.
    LocalMessage temperatureReport() const;

    bool triggered() const { return m_triggered; }
    bool resetEnabled() const { return m_resetEnabled; }
    bool optionsAvailable() const { return m_optionsAvailable; }
    const std::vector<std::string>& events() const { return m_events; }

    // The temperature the checks compare: the chosen gauge rounded to whole
    // degrees (halves to even); 0 for a sensor index outside 0 to 3.
    std::int64_t watchedTemperature() const;

    // The folder part of a program path: everything up to and including its
    // last "/", "\" or ":"; empty when it has none.
    static std::string directoryOf(const std::string& path);

private:
    void addEvent(const std::string& text);
    void logWarning(const std::string& text);
    void setResetEnabled(bool enabled);
    void setOptionsAvailable(bool available);

    Parts m_parts;
    Observer m_observer;
    bool m_triggered = false;
    bool m_resetEnabled = false;
    bool m_optionsAvailable = true;
    std::vector<std::string> m_events;
};

} // namespace cdx
