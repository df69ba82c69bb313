#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include <QMenu>

#include "monitor/SwapCycle.h"
#include "monitor/TrayTooltip.h"
#include "platform/IconImage.h"
#include "settings/Settings.h"
#include "ui/TrayBitmap.h"
#include "ui/TrayIcon.h"

namespace cdx {

class GaugeModel;
class NotificationArea;
class ReadingsPanel;
class Timer;

// The five tray icons of the main window and what they show:
//
//   TrayIcon1  WB1 temperature    while "Show MB Temp" is checked
//   TrayIcon2  LM75 temperature   while "Show CPU Temp" is checked
//   TrayIcon4  WB2 temperature    while "Show WB Sensor 2 Temp" is checked
//   TrayIcon5  WB3 temperature    while "Show WB Sensor 3 Temp" is checked
//   TrayIcon3  the program icon; in swap mode the temperature whose turn it
//              is; while polling is suspended the suspended icon. Shown while
//              none of the four boxes above is checked.
//
// Temperatures are drawn from the gauges' centre labels, so the tray shows
// the same number in the same unit as the window. In show mode each chosen
// temperature has its own icon; in swap mode TrayIcon3 cycles through the
// chosen temperatures on Timer2. Every icon has the window's popup menu and
// double-click handler.
//
// Each redraw makes one new picture per drawn temperature and the icon it
// replaces is let go, so pictures never pile up.
class TrayIcons {
public:
    // Everything passed in must outlive this object. `swapTimer` is Timer2,
    // whose ticks the window routes to Timer2Timer; `pollingActive` tells
    // whether Timer1 runs. A missing gauge reads as an empty label.
    TrayIcons(NotificationArea& area, Settings& settings, const std::array<GaugeModel*, 4>& gauges,
              ReadingsPanel& readings, Timer& swapTimer, QMenu* popupMenu, std::function<void()> onDblClick,
              std::function<bool()> pollingActive);
    ~TrayIcons();

    TrayIcons(const TrayIcons&) = delete;
    TrayIcons& operator=(const TrayIcons&) = delete;

    TrayIcon& TrayIcon1() { return *m_trayIcon1; }
    TrayIcon& TrayIcon2() { return *m_trayIcon2; }
    TrayIcon& TrayIcon3() { return *m_trayIcon3; }
    TrayIcon& TrayIcon4() { return *m_trayIcon4; }
    TrayIcon& TrayIcon5() { return *m_trayIcon5; }
    // The icon of one temperature.
    TrayIcon& iconOf(TraySensor sensor);

    // The program's own icon and its suspended variant, 32 x 32.
    const IconHandle& PlainIcon() const { return m_plainIcon; }
    const IconHandle& SuspendedIcon() const { return m_suspendedIcon; }
    const TrayBitmap& bitmap() const { return m_bitmap; }
    int SwapIndex() const { return m_swapCycle.SwapIndex(); }
    bool suspended() const { return m_suspended; }

    // Start-up, after the settings are loaded: TrayIcon3 gets PlainIcon, the
    // mode's boxes become editable (a mode's boxes are the only ones checked),
    // Timer2 runs in swap mode with "Swap Interval".
    void loadSettings();
    // Start-up, last: the icons appear.
    void activate();

    // Redraws every temperature icon the current mode uses and refreshes the
    // tooltip of TrayIcon3.
    void CreateIcon();
    // CombinedToolTip.
    std::string CreateToolTip() const;
    // TrayIcon3 is shown exactly when no temperature has its own icon.
    void CheckTrayIcons();
    // The swap tick: TrayIcon3 takes the picture and tooltip of the next
    // temperature chosen for swapping.
    void Timer2Timer();

    // "Show temperature in System Tray".
    void RadioButton18Click();
    // "Swap temperature in System Tray".
    void RadioButton19Click();

    // A show box was clicked.
    void showBoxClick(TraySensor sensor, bool checked);
    // A swap box was clicked; takes effect at the next swap tick.
    void swapBoxClick(TraySensor sensor, bool checked);
    // "Use lines in system tray", "Use degree symbol in system tray" and the
    // visual settings: stored at once, drawn while polling runs.
    void setTrayLines(bool on);
    void setTrayDegreeSymbol(bool on);
    void setTrayStyle(TraySensor sensor, const TrayStyle& style);

    // The swap interval's spin button and the label beside it.
    void swapIntervalUp();
    void swapIntervalDown();
    std::string swapIntervalCaption() const;

    // Which boxes the settings page lets the user change.
    bool showBoxEditable(TraySensor sensor) const { return m_showEditable[static_cast<std::size_t>(sensor)]; }
    bool swapBoxEditable(TraySensor sensor) const { return m_swapEditable[static_cast<std::size_t>(sensor)]; }
    bool swapIntervalEditable() const { return m_swapIntervalEditable; }
    // Called after a handler changed boxes or their editability.
    void setOnBoxesChanged(std::function<void()> handler) { m_onBoxesChanged = std::move(handler); }

    // Polling suspended: the temperature icons go, TrayIcon3 shows the
    // suspended icon with "In Suspend Mode". Settings changed meanwhile are
    // kept and take effect on resume.
    void suspend();
    // Polling resumed: the icons follow their boxes again and TrayIcon3 gets
    // PlainIcon. The caller then polls and ticks once.
    void resume();

private:
    void drawIcon(TraySensor sensor);
    void redrawIfPolling();
    void leaveSwapMode();
    void setShowBox(TraySensor sensor, bool checked);
    void boxesChanged();
    std::array<bool, 4> swapBoxes() const;

    Settings& m_settings;
    TrayTooltip m_tooltip;
    Timer& m_swapTimer;
    std::function<bool()> m_pollingActive;
    std::unique_ptr<TrayIcon> m_trayIcon1;
    std::unique_ptr<TrayIcon> m_trayIcon2;
    std::unique_ptr<TrayIcon> m_trayIcon3;
    std::unique_ptr<TrayIcon> m_trayIcon4;
    std::unique_ptr<TrayIcon> m_trayIcon5;
    TrayBitmap m_bitmap;
    IconHandle m_plainIcon;
    IconHandle m_suspendedIcon;
    SwapCycle m_swapCycle;
    bool m_suspended = false;
    std::array<bool, 4> m_showEditable{};
    std::array<bool, 4> m_swapEditable{};
    bool m_swapIntervalEditable = false;
    std::function<void()> m_onBoxesChanged;
};

} // namespace cdx
