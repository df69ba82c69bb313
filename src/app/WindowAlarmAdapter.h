#pragma once

#include "alarms/AlarmWindow.h"

namespace cdx {

class MainWindow;

// The alarms' view of the main window. The window is made after the alarms,
// so it is attached later; until then the window counts as hidden and small.
class WindowAlarmAdapter : public AlarmWindow {
public:
    void attach(MainWindow* window) { m_window = window; }

    int width() const override;
    bool isHidden() const override;
    void setStayOnTop(bool onTop) override;
    void showTaskbarButton(bool shown) override;
    void processPendingMessages() override;

private:
    MainWindow* m_window = nullptr;
};

} // namespace cdx
