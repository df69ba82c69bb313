#pragma once

#include <functional>
#include <memory>

#include "history/HistoryKeeper.h"
#include "platform/linux/LinuxStateFile.h"
#include "sensors/TemperatureText.h"

namespace cdx {

class HistoryWindow;
class PollCycle;
class Timer;
class TimerFactory;
class XdgDirectories;
struct Settings;

// The history of the readings and its window: kept from every poll, saved
// below the user's state folder, shown in "Caldrix History", which is made
// the first time it is opened.
class HistoryAssembly {
public:
    struct Parts {
        const Settings& settings;
        const XdgDirectories& directories;
        TimerFactory& timers;
        PollCycle& poll;
        std::function<TemperatureDisplay()> display;
    };

    explicit HistoryAssembly(Parts parts);
    ~HistoryAssembly();

    // Reads the saved day back; from here on every poll is kept.
    void start();
    // The end of the program: the day is written.
    void save();
    // After an uninstall: nothing is written any more, the saved day goes.
    void forget();
    // "History" of the popup menu, and --show-history.
    void openWindow();

    const HistoryKeeper& keeper() const { return *m_keeper; }
    HistoryWindow* window() { return m_window.get(); }

private:
    Parts m_parts;
    LinuxStateFile m_file;
    std::unique_ptr<Timer> m_saveTimer;
    std::unique_ptr<HistoryKeeper> m_keeper;
    std::unique_ptr<HistoryWindow> m_window;
};

} // namespace cdx
