#pragma once

#include <string>

namespace cdx {

struct Settings;

// The main window's three display states and the position rules, without the
// toolkit: the window follows what this holds.
//
// Hidden: parked at left ParkedLeft, invisible, no taskbar button. Compact:
// the gauge column only, stays on top, no taskbar button. Expanded: the whole
// window, a normal window with a taskbar button. "Form X" and "Form Y" keep
// where the window shows; "Double Click Small" records the last of Show and
// Show & Expand.
class WindowState {
public:
    static constexpr int ParkedLeft = -5000;
    // Room left at the bottom of the screen for a panel.
    static constexpr int BottomReserve = 26;
    // The mode button's glyph: the way the window opens when it is pressed.
    static constexpr const char* CompactGlyph = "\u25B6";  // ▶ (opens expanded)
    static constexpr const char* ExpandedGlyph = "\u25C0"; // ◀ (opens compact)

    struct Screen {
        int width = 0;
        int height = 0;
    };

    // Starts parked off-screen at (ParkedLeft, 0), invisible.
    explicit WindowState(Settings& settings);

    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool visible() const { return m_visible; }
    bool stayOnTop() const { return m_stayOnTop; }
    bool taskbarButton() const { return m_taskbarButton; }
    const std::string& modeCaption() const { return m_modeCaption; }

    // The window counts as hidden while it lies left of minus the expanded
    // width.
    bool isHidden() const { return m_left < -m_expandedWidth; }
    bool expanded() const { return m_width >= m_expandedWidth; }

    int expandedWidth() const { return m_expandedWidth; }
    int expandedHeight() const { return m_expandedHeight; }
    int compactWidth() const { return m_compactWidth; }
    int compactHeight() const { return m_compactHeight; }
    void setExpandedSize(int width, int height);
    void setCompactWidth(int width) { m_compactWidth = width; }
    // Set by the gauge restacking; takes effect at the next Show.
    void setCompactHeight(int height) { m_compactHeight = height; }

    // The window was moved (by the user or the window manager).
    void moved(int left, int top);
    // The window's stay-on-top and taskbar state were changed from outside
    // (the alarm dialog does so while it shows).
    void setStayOnTop(bool on) { m_stayOnTop = on; }
    void setTaskbarButton(bool on) { m_taskbarButton = on; }

    // Remembers the current position in "Form X" and "Form Y" unless the
    // window is parked off-screen.
    void rememberPosition();

    // Show & Expand: expanded size, normal window with taskbar button;
    // "Double Click Small" off.
    void showExpanded(Screen screen);
    // Show: compact size, stays on top, no taskbar button; "Double Click
    // Small" on.
    void showCompact(Screen screen);
    // Hide: remembers the position (unless parked already) and parks the
    // window off-screen, invisible, without a taskbar button.
    void hideToTray();

    // Whether a tray double click opens the compact window (else expanded).
    bool doubleClickSmall() const;

private:
    void show(Screen screen, int width, int height);

    Settings& m_settings;
    int m_left = ParkedLeft;
    int m_top = 0;
    int m_width = 112;
    int m_height = 160;
    bool m_visible = false;
    bool m_stayOnTop = true;
    bool m_taskbarButton = false;
    std::string m_modeCaption = CompactGlyph;
    int m_expandedWidth = 572;
    int m_expandedHeight = 314;
    int m_compactWidth = 112;
    int m_compactHeight = 160;
};

} // namespace cdx
