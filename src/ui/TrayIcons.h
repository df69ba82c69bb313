#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include <QIcon>
#include <QMenu>

#include "presentation/SwapCycle.h"
#include "presentation/TrayTooltip.h"
#include "settings/Settings.h"
#include "ui/TrayBitmap.h"
#include "ui/TrayIcon.h"

namespace cdx {

class GaugeSet;
class ReadingsPanel;
class SystemTray;
class Timer;

// The five tray icons of the main window and what they show:
//
//   iconOf(WB1)   WB1 temperature   while "Show MB Temp" is checked (TrayIcon1)
//   iconOf(LM75)  LM75 temperature  while "Show CPU Temp" is checked (TrayIcon2)
//   iconOf(WB2)   WB2 temperature   while "Show WB Sensor 2 Temp" is checked (TrayIcon4)
//   iconOf(WB3)   WB3 temperature   while "Show WB Sensor 3 Temp" is checked (TrayIcon5)
//   programIcon() the program icon; in swap mode the temperature whose turn
//                 it is; while polling is suspended the suspended icon. Shown
//                 while none of the four boxes above is checked (TrayIcon3).
//
// Temperatures are drawn from the gauges' centre labels, so the tray shows
// the same number in the same unit as the window. In show mode each chosen
// temperature has its own icon; in swap mode the program icon cycles through the
// chosen temperatures on Timer2. Every icon has the window's popup menu and
// double-click handler.
//
// Each temperature is drawn at every size of TrayIconText::Sizes into one
// icon, so the tray host shows sharp digits whatever its panel's size; each
// redraw replaces the icon, so pictures never pile up.
class TrayIcons {
public:
    // Everything passed in must outlive this object. `swapTimer` is Timer2,
    // whose ticks the window routes to swapTick; `pollingActive` tells
    // whether Timer1 runs. A missing gauge reads as an empty label.
    TrayIcons(SystemTray& systemTray, Settings& settings, const GaugeSet& gauges, ReadingsPanel& readings,
              Timer& swapTimer, QMenu* popupMenu, std::function<void()> onDblClick,
              std::function<bool()> pollingActive);
    ~TrayIcons();

    TrayIcons(const TrayIcons&) = delete;
    TrayIcons& operator=(const TrayIcons&) = delete;

    TrayIcon& programIcon() { return *m_programIcon; } // TrayIcon3
    // The icon of one temperature.
    TrayIcon& iconOf(TemperatureSensor sensor);

    // The program's own icon and its suspended variant, 32 x 32.
    const QIcon& plainIcon() const { return m_plainIcon; }
    const QIcon& suspendedIcon() const { return m_suspendedIcon; }
    const TrayBitmap& bitmap() const { return m_bitmap; }
    int swapIndex() const { return m_swapCycle.swapIndex(); }
    bool suspended() const { return m_suspended; }

    // Start-up, after the settings are loaded: the program icon gets plainIcon,
    // only the mode's boxes stay checked,
    // Timer2 runs in swap mode with "Swap Interval".
    void loadSettings();
    // Start-up, last: the icons appear.
    void activate();

    // Redraws every temperature icon the current mode uses and refreshes the
    // tooltip of the program icon.
    void createIcon();
    // CombinedToolTip.
    std::string createToolTip() const;
    // The program icon is shown exactly when no temperature has its own icon.
    void checkTrayIcons();
    // The swap tick: the program icon takes the picture and tooltip of the next
    // temperature chosen for swapping.
    void swapTick(); // Timer2Timer

    // "Show temperature in System Tray".
    void chooseShowMode(); // RadioButton18Click
    // "Swap temperature in System Tray".
    void chooseSwapMode(); // RadioButton19Click

    // A show box was clicked.
    void showBoxClick(TemperatureSensor sensor, bool checked);
    // A swap box was clicked; takes effect at the next swap tick.
    void swapBoxClick(TemperatureSensor sensor, bool checked);
    // A sensor was switched on or off: a switched-off sensor's boxes are
    // unticked, so its icon goes.
    void sensorSwitched(TemperatureSensor sensor);
    // "Use lines in system tray", "Use degree symbol in system tray" and the
    // visual settings: stored at once, drawn while polling runs.
    void setTrayLines(bool on);
    void setTrayDegreeSymbol(bool on);
    void setTrayStyle(TemperatureSensor sensor, const TrayStyle& style);

    // The swap interval's spin button and the label beside it.
    void swapIntervalUp();
    void swapIntervalDown();
    std::string swapIntervalCaption() const;

    // Which boxes the settings page lets the user change: those of the mode
    // in use whose sensor is switched on, as the settings hold them now.
    bool showBoxEditable(TemperatureSensor sensor) const;
    bool swapBoxEditable(TemperatureSensor sensor) const;
    bool swapIntervalEditable() const { return m_settings.swapIcons; }
    // Called after a handler changed boxes or their editability.
    void setOnBoxesChanged(std::function<void()> handler) { m_onBoxesChanged = std::move(handler); }

    // Polling suspended: the temperature icons go, the program icon shows the
    // suspended icon with "In Suspend Mode". Settings changed meanwhile are
    // kept and take effect on resume.
    void suspend();
    // Polling resumed: the icons follow their boxes again and the program icon gets
    // plainIcon. The caller then polls and ticks once.
    void resume();

private:
    void drawIcon(TemperatureSensor sensor);
    void redrawIfPolling();
    void leaveSwapMode();
    void setShowBox(TemperatureSensor sensor, bool checked);
    void boxesChanged();
    std::array<bool, 4> swapBoxes() const;

    Settings& m_settings;
    TrayTooltip m_tooltip;
    Timer& m_swapTimer;
    std::function<bool()> m_pollingActive;
    std::array<std::unique_ptr<TrayIcon>, 4> m_sensorIcons; // indexed by TemperatureSensor
    std::unique_ptr<TrayIcon> m_programIcon;
    TrayBitmap m_bitmap;
    QIcon m_plainIcon;
    QIcon m_suspendedIcon;
    SwapCycle m_swapCycle;
    bool m_suspended = false;
    std::function<void()> m_onBoxesChanged;
};

} // namespace cdx
