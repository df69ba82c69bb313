#pragma once

namespace cdx {

// What the alarm actions need of the main window: its width tells the small
// view (stay-on-top) from the full view, and a hidden window has no taskbar
// button of its own while no dialog is up.
class AlarmWindow {
public:
    virtual ~AlarmWindow() = default;

    virtual int width() const = 0;
    // Parked out of sight (the tray-only state).
    virtual bool isHidden() const = 0;
    virtual void setStayOnTop(bool onTop) = 0;
    // Shows or hides the application's button on the taskbar.
    virtual void showTaskbarButton(bool shown) = 0;
    // Handles the window events that queued up meanwhile.
    virtual void processPendingMessages() = 0;
};

} // namespace cdx
