#pragma once

#include <functional>
#include <string>

#include "presentation/SensorNames.h"

namespace cdx {

class IntervalLog;
class LogMaintenance;
class LogPage;
class LogSizeMonitor;
class MainWindow;
class ReadingsPanel;
class TrayIcons;
class UpDownPage;
class UpDownStatistics;
class VisualPage;
struct Settings;

// The Visual, Log and Up's & Downs tabs of the main window: builds the three
// pages into the window's page control, shows the user's sensor names in
// their places on them, and keeps them showing what the program does
// (statistics after each poll, log sizes, the interval log's switch, the tray
// boxes).
class VisualLogUpDownPages {
public:
    struct Parts {
        Settings& settings;
        SensorNames& names; // edited on the Visual tab's Names page
        MainWindow& window;
        TrayIcons& tray;
        UpDownStatistics& statistics;
        const ReadingsPanel& readings; // the polls label's text
        IntervalLog& intervalLog;
        LogMaintenance& maintenance;
        LogSizeMonitor& sizes;
        std::function<void()> resetStatistics; // the statistics' "Reset"
        std::function<void()> saveUpDown;      // the statistics' "Save"
        std::string decimalSeparator = ".";
    };

    // Everything in `parts` must outlive this object.
    explicit VisualLogUpDownPages(Parts parts);
    ~VisualLogUpDownPages();

    VisualLogUpDownPages(const VisualLogUpDownPages&) = delete;
    VisualLogUpDownPages& operator=(const VisualLogUpDownPages&) = delete;

    SensorNames& names() { return m_names; }
    VisualPage& visualPage() { return *m_visual; }
    LogPage& logPage() { return *m_log; }
    UpDownPage& upDownPage() { return *m_upDown; }

    // Shows what the settings hold, after they were loaded.
    void load();
    // Every label that restates a setting, and every name in every place
    // that shows it.
    void refreshLabels();
    // The +3.3 rail's name follows its custom value (SetAll33VoltText).
    void refreshPlus33Name();
    // The Visual, tray-style and Log selectors back to their first entry,
    // applied (each Show & Expand).
    void resetSelectors();
    // A sensor switch changed which tray boxes may be ticked.
    void refreshTrayBoxes();

private:
    void attachNamePlaces();

    Parts m_parts;
    SensorNames& m_names;
    VisualPage* m_visual = nullptr;
    LogPage* m_log = nullptr;
    UpDownPage* m_upDown = nullptr;
};

} // namespace cdx
