#pragma once

#include <functional>

namespace cdx {

// The answers of the exit question dialog. None: the dialog was closed
// without pressing a button.
enum class ExitAnswer { None, Yes, No, Minimize };

// Where the exit question's three buttons stand, by their left edges in the
// 276-pixel-wide dialog. Asked from the "Exit" item, "Minimize" stands beyond
// the dialog's edge, so only "Yes" and "No" are seen.
struct ExitButtonLayout {
    int yesLeft = 20;
    int noLeft = 100;
    int minimizeLeft = 180;

    static constexpr int kDialogWidth = 276;
    static constexpr int kParkedLeft = 500;

    static ExitButtonLayout fromCloseBox() { return {20, 100, 180}; }
    static ExitButtonLayout fromExitItem() { return {60, 140, kParkedLeft}; }

    // "Minimize" takes the focus unless it is parked; then "No" does.
    bool focusOnMinimize() const { return minimizeLeft != kParkedLeft; }
    bool operator==(const ExitButtonLayout&) const = default;
};

// Whether a close of the main window goes ahead. The question is armed from
// the start; it disarms for good when a close finds "Enable Exit Question"
// off, or when the desktop session ends.
class ExitQuestion {
public:
    enum class Origin { CloseBox, ExitItem };

    struct Decision {
        bool canClose = true;
        bool hideToTray = false; // "Minimize": the window goes to the tray
    };

    // Asks the question with `ask` when it is armed and enabled; an answer
    // other than "Yes" keeps the program running.
    Decision closeQuery(bool questionEnabled, Origin origin,
                        const std::function<ExitAnswer(const ExitButtonLayout&)>& ask);

    // The session is ending: no question from now on.
    void sessionEnding() { m_armed = false; }
    bool armed() const { return m_armed; }

private:
    bool m_armed = true;
};

} // namespace cdx
